#include "app/PicturePreview.h"

#include <QPainter>

#include <cmath>
#include <optional>

#include "app/Background.h"
#include "app/Orientation.h"

namespace pixolyn {

TPicturePreview::TPicturePreview(QWidget* parent) : QWidget(parent) {}

TUprightPicture MakeUpright(TDecodedPicture picture, int orientation,
                            std::optional<TJpegSize> fitInto) {
  auto* pixels = new std::vector<uint8_t>(std::move(picture.Pixels));
  const QImage stored(
      pixels->data(), picture.Width, picture.Height, picture.Width * 3, QImage::Format_RGB888,
      [](void* info) { delete static_cast<std::vector<uint8_t>*>(info); }, pixels);
  const QSize full =
      picture.Full.Width > 0 ? QSize(picture.Full.Width, picture.Full.Height) : stored.size();
  TUprightPicture upright{Oriented(stored, orientation),
                          SwapsSides(orientation) ? full.transposed() : full};
  if (fitInto) {
    // The size PictureRect gives at a pixel ratio of 1.
    const QSize drawn =
        upright.FullSize.scaled(QSize(fitInto->Width, fitInto->Height), Qt::KeepAspectRatio);
    if (!drawn.isEmpty() && drawn.width() < upright.Image.width()) {
      upright.Image = upright.Image.scaled(drawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
  }
  // The format a pixmap is made from without a conversion.
  upright.Image.convertTo(QImage::Format_RGB32);
  return upright;
}

void TPicturePreview::SetPicture(TUprightPicture picture, std::shared_ptr<const std::string> jpeg,
                                 int orientation) {
  orientation_ = orientation;
  Adopt(std::move(picture));
  jpeg_ = std::move(jpeg);
  placeholder_.clear();
  update();
}

void TPicturePreview::ShowPlaceholder(const QString& text) {
  Adopt({});
  jpeg_.reset();
  placeholder_ = text;
  update();
}

void TPicturePreview::Adopt(TUprightPicture picture) {
  picture_ = std::move(picture.Image);
  fullSize_ = picture.FullSize;
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
      [jpeg = jpeg_, orientation = orientation_,
       cover = SwapsSides(orientation_) ? TJpegSize{cover.Height, cover.Width}
                                        : cover]() -> std::optional<TUprightPicture> {
        try {
          return MakeUpright(DecodeToCover(*jpeg, cover), orientation);
        } catch (const JpegError&) {
          return std::nullopt;
        }
      },
      [this, jpeg = jpeg_](std::optional<TUprightPicture> larger) {
        decodingLarger_ = false;
        // Painted again in any case: the picture shown by now may want its own larger decode.
        update();
        if (jpeg != jpeg_) return;
        if (!larger) {
          jpeg_.reset();  // no second attempt for this picture
          return;
        }
        Adopt(std::move(*larger));
      });
}

void TPicturePreview::paintEvent(QPaintEvent*) {
  DecodeLargerWhenNeeded();
  const QRect target = PictureRect();
  if (target.isEmpty()) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, placeholder_);
    return;
  }
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
