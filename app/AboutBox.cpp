#include "app/AboutBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/AppText.h"
#include "app/Branding.h"

namespace pixolyn {

namespace {
constexpr const char* kCaption = "Programminfo - Pixolyn";
constexpr const char* kVersionPrefix = "Version ";
constexpr int kExplodeStartSize = 8;
// What a title bar shows beside the caption: the icon and the window buttons.
constexpr int kTitleBarControls = 160;

// Title bars draw their caption in a bold face of the application's font.
QFont TitleBarFont() {
  QFont font = QApplication::font("QMdiSubWindowTitleBar");
  font.setBold(true);
  return font;
}

QLabel* Line(const QString& text, QWidget* parent, bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignHCenter);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(16);
    label->setFont(font);
  }
  return label;
}
}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutDlg1"));
  setWindowTitle(FromCp1252(kCaption));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, 16, 32, 16);
  auto* icon = new QLabel(this);
  icon->setPixmap(QPixmap(QStringLiteral(":/pixolyn/pixolyn-64.png")));
  icon->setAlignment(Qt::AlignHCenter);
  layout->addWidget(icon);
  layout->addWidget(Line(FromCp1252(branding::kProductName), this, true));
  layout->addWidget(Line(FromCp1252(kVersionPrefix) + QStringLiteral(PIXOLYN_VERSION), this));
  layout->addWidget(Line(FromCp1252(branding::kCopyright), this));
  if (*branding::kMailAddress) layout->addWidget(Line(FromCp1252(branding::kMailAddress), this));
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  buttons->setCenterButtons(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  // The layout must not hold the box at its full size while it grows.
  layout->setSizeConstraint(QLayout::SetNoConstraint);
}

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  // As large as its content and its caption need, centred where it was placed.
  const int captionWidth =
      QFontMetrics(TitleBarFont()).horizontalAdvance(windowTitle()) + kTitleBarControls;
  QRect full(QPoint(), sizeHint().expandedTo({captionWidth, 0}));
  full.moveCenter(geometry().center());
  QRect start(0, 0, kExplodeStartSize, kExplodeStartSize);
  start.moveCenter(full.center());
  auto* explode = new QPropertyAnimation(this, "geometry", this);
  explode->setDuration(kExplodeMilliseconds);
  explode->setStartValue(start);
  explode->setEndValue(full);
  explode->setEasingCurve(QEasingCurve::OutCubic);
  connect(explode, &QPropertyAnimation::finished, this,
          [this, full] { setFixedSize(full.size()); });
  explode->start(QAbstractAnimation::DeleteWhenStopped);
}

}  // namespace pixolyn
