#include "app/PicturePreview.h"

#include <QPainter>

#include <cmath>
#include <optional>

#include "app/Background.h"
#include "app/Orientation.h"

namespace pixolyn {

TPicturePreview::TPicturePreview(QWidget* parent) : QWidget(parent) {}

void TPicturePreview::SetPicture(TDecodedPicture picture, std::shared_ptr<const std::string> jpeg,
                                 int orientation) {
  orientation_ = orientation;
  Adopt(std::move(picture));
  jpeg_ = std::move(jpeg);
  update();
}

void TPicturePreview::Adopt(TDecodedPicture picture) {
  auto* pixels = new std::vector<uint8_t>(std::move(picture.Pixels));
  const QImage stored(
      pixels->data(), picture.Width, picture.Height, picture.Width * 3, QImage::Format_RGB888,
      [](void* info) { delete static_cast<std::vector<uint8_t>*>(info); }, pixels);
  picture_ = Oriented(stored, orientation_);
  const QSize full =
      picture.Full.Width > 0 ? QSize(picture.Full.Width, picture.Full.Height) : stored.size();
  fullSize_ = SwapsSides(orientation_) ? full.transposed() : full;
  scaled_ = QPixmap();
}

TJpegSize TPicturePreview::CoverSize() const {
  const qreal ratio = devicePixelRatioF();
  return {static_cast<int>(std::ceil(width() * ratio)),
          static_cast<int>(std::ceil(height() * ratio))};
}

QRect TPicturePreview::PictureRect() const {
  if (picture_.isNull()) return {};
  const QSize size = fullSize_.scaled(this->size(), Qt::KeepAspectRatio);
  return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

// A scaled decode that the grown area would draw enlarged is replaced by a
// larger one, decoded on a worker while the smaller one is drawn enlarged;
// should that fail, the smaller picture stays.
void TPicturePreview::DecodeLargerWhenNeeded() {
  if (!jpeg_ || decodingLarger_ || picture_.size() == fullSize_) return;
  const TJpegSize cover = CoverSize();
  if (picture_.width() >= cover.Width || picture_.height() >= cover.Height) return;
  decodingLarger_ = true;
  RunInBackground(
      this,
      [jpeg = jpeg_, cover = SwapsSides(orientation_) ? TJpegSize{cover.Height, cover.Width}
                                                      : cover]() -> std::optional<TDecodedPicture> {
        try {
          return DecodeToCover(*jpeg, cover);
        } catch (const JpegError&) {
          return std::nullopt;
        }
      },
      [this, jpeg = jpeg_](std::optional<TDecodedPicture> larger) {
        decodingLarger_ = false;
        if (jpeg != jpeg_) return;  // another picture is shown by now
        if (!larger) {
          jpeg_.reset();  // no second attempt for this picture
          return;
        }
        Adopt(std::move(*larger));
        update();
      });
}

void TPicturePreview::paintEvent(QPaintEvent*) {
  DecodeLargerWhenNeeded();
  const QRect target = PictureRect();
  if (target.isEmpty()) return;
  const QSize device = target.size() * devicePixelRatioF();
  if (scaled_.size() != device) {
    scaled_ = QPixmap::fromImage(
        picture_.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    scaled_.setDevicePixelRatio(devicePixelRatioF());
  }
  QPainter(this).drawPixmap(target.topLeft(), scaled_);
}

void TPicturePreview::resizeEvent(QResizeEvent*) {
  scaled_ = QPixmap();
}

}  // namespace pixolyn
