#include "app/ElidedLabel.h"

#include <QPainter>
#include <QStyle>

namespace pixolyn {

TElidedLabel::TElidedLabel(QWidget* parent) : QLabel(parent) {
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  setTextFormat(Qt::PlainText);
}

void TElidedLabel::SetText(const QString& text) {
  setText(text);
  setToolTip(text.trimmed());
}

QString TElidedLabel::ShownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

QSize TElidedLabel::minimumSizeHint() const {
  return {0, QLabel::minimumSizeHint().height()};
}

QSize TElidedLabel::sizeHint() const {
  return {0, QLabel::sizeHint().height()};
}

void TElidedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(),
                        ShownText(), foregroundRole());
}

}  // namespace pixolyn
