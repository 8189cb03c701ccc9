#pragma once
// The preview: the picture scaled to fit the area, proportions kept, centred.

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "app/JpegDecode.h"

namespace pixolyn {

// A decoded picture turned upright, with the picture's own size upright.
struct TUprightPicture {
  QImage Image;
  QSize FullSize;
};

// Takes over the decoded pixels (without copying them unless they are to be
// turned or scaled). When fitInto (device pixels) is given and the picture is
// larger than it is drawn there, it is scaled down to that size, as drawing
// would. Touches no widget, so that it can run on a worker.
TUprightPicture MakeUpright(TDecodedPicture picture, int orientation,
                            std::optional<TJpegSize> fitInto = std::nullopt);

class TPicturePreview : public QWidget {
  Q_OBJECT

 public:
  explicit TPicturePreview(QWidget* parent = nullptr);

  // jpeg is the file the picture was decoded from, kept to decode it larger
  // when the area grows beyond a scaled decode; null when there is none.
  // orientation is its EXIF orientation, 1 to 8.
  void SetPicture(TUprightPicture picture, std::shared_ptr<const std::string> jpeg,
                  int orientation);
  // Shows no picture, but text (which may be empty) in its place.
  void ShowPlaceholder(const QString& text);
  // The picture as decoded and turned upright: the whole picture, possibly at a reduced scale.
  const QImage& Picture() const { return picture_; }
  // The picture's own size, upright.
  QSize FullSize() const { return fullSize_; }
  // The area in device pixels that a decode must cover to be drawn sharp.
  TJpegSize CoverSize() const;
  // Where the picture is drawn in the widget.
  QRect PictureRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Adopt(TUprightPicture picture);
  void DecodeLargerWhenNeeded();

  QImage picture_;
  QSize fullSize_;
  std::shared_ptr<const std::string> jpeg_;
  int orientation_ = 1;
  QPixmap scaled_;  // the picture at the size it is drawn, made when first needed
  bool decodingLarger_ = false;
  QString placeholder_;
};

}  // namespace pixolyn
