#pragma once
// A one-line label that never asks for more width than it gets: a text that
// does not fit is shortened in the middle, and the whole text is its tool tip.

#include <QLabel>

namespace pixolyn {

class TElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TElidedLabel(QWidget* parent = nullptr);

  // text() stays the whole text; only the drawing is shortened.
  void SetText(const QString& text);
  // The text as drawn at the current width.
  QString ShownText() const;

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace pixolyn
