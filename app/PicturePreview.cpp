#include "app/PicturePreview.h"

#include <QPainter>

namespace pixolyn {

TPicturePreview::TPicturePreview(QWidget* parent) : QWidget(parent) {}

void TPicturePreview::SetPicture(TDecodedPicture picture) {
  auto* pixels = new std::vector<uint8_t>(std::move(picture.Pixels));
  picture_ = QImage(
      pixels->data(), picture.Width, picture.Height, picture.Width * 3, QImage::Format_RGB888,
      [](void* info) { delete static_cast<std::vector<uint8_t>*>(info); }, pixels);
  scaled_ = QPixmap();
  update();
}

QRect TPicturePreview::PictureRect() const {
  if (picture_.isNull()) return {};
  const QSize size = picture_.size().scaled(this->size(), Qt::KeepAspectRatio);
  return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void TPicturePreview::paintEvent(QPaintEvent*) {
  const QRect target = PictureRect();
  if (target.isEmpty()) return;
  if (scaled_.size() != target.size()) {
    scaled_ = QPixmap::fromImage(
        picture_.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  QPainter(this).drawPixmap(target.topLeft(), scaled_);
}

void TPicturePreview::resizeEvent(QResizeEvent*) {
  scaled_ = QPixmap();
}

}  // namespace pixolyn
