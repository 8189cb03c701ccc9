#pragma once
// The preview: the picture scaled to fit the area, proportions kept, centred.

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "app/JpegDecode.h"

namespace pixolyn {

class TPicturePreview : public QWidget {
  Q_OBJECT

 public:
  explicit TPicturePreview(QWidget* parent = nullptr);

  // Takes over the decoded pixels without copying them.
  void SetPicture(TDecodedPicture picture);
  const QImage& Picture() const { return picture_; }
  // Where the picture is drawn in the widget.
  QRect PictureRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage picture_;
  QPixmap scaled_;  // the picture at the size it is drawn, made when first needed
};

}  // namespace pixolyn
