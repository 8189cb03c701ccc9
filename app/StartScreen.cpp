#include "app/StartScreen.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "app/AppText.h"
#include "app/Branding.h"

namespace pixolyn {

namespace {

const QColor kFormColor(214, 254, 252);
const QColor kPanelColor(176, 255, 253);
const QColor kPixoColor(0, 0, 255);
const QColor kLynColor(164, 164, 0);
constexpr int kLastTick = 10;  // the timer stops at the tick after this one
constexpr int kFirstShowingTick = 3;

QFont ArialFont(int pixelHeight, bool italic) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixelHeight);
  font.setBold(true);
  font.setItalic(italic);
  return font;
}

QLabel* StaticText(QWidget* parent, const char* text, QRect geometry, const QFont& font,
                   const QColor& color) {
  auto* label = new QLabel(FromCp1252(text), parent);
  label->setGeometry(geometry);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
  return label;
}

}  // namespace

TStartform::TStartform(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), Timer1(new QTimer(this)) {
  setObjectName(QStringLiteral("Startform"));
  CreateControls();
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kTimerInterval);
  connect(Timer1, &QTimer::timeout, this, &TStartform::Timer1Timer);
  Timer1->start();
  // Painted as soon as the event loop runs, which nothing in the start-up keeps waiting.
  show();
}

void TStartform::CreateControls() {
  setFixedSize(kClientWidth, kClientHeight);
  setAutoFillBackground(true);
  QPalette formPalette = palette();
  formPalette.setColor(QPalette::Window, kFormColor);
  setPalette(formPalette);
  if (const QScreen* screen = this->screen()) {
    move(screen->geometry().center() - rect().center());
  }

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(rect());
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(1);
  Panel1->setAutoFillBackground(true);
  QPalette panelPalette = Panel1->palette();
  panelPalette.setColor(QPalette::Window, kPanelColor);
  Panel1->setPalette(panelPalette);

  StaticText1 = StaticText(Panel1, "PIXO", QRect(8, 16, 215, 89), ArialFont(75, true), kPixoColor);
  StaticText2 = StaticText(Panel1, "LYN", QRect(216, 16, 300, 89), ArialFont(75, true), kLynColor);
  StaticText3 = StaticText(Panel1, branding::kCopyright, QRect(8, 104, 339, 23),
                           ArialFont(16, false), palette().color(QPalette::WindowText));
  StaticText1->setObjectName(QStringLiteral("StaticText1"));
  StaticText2->setObjectName(QStringLiteral("StaticText2"));
  StaticText3->setObjectName(QStringLiteral("StaticText3"));
}

void TStartform::FormShow() {
  Ticks = 0;
}

void TStartform::SetMainWindow(QWidget* mainWindow) {
  mainWindow_ = mainWindow;
  if (!timeIsUp_ || !mainWindow_) return;
  hide();
  ShowMainWindow();
}

void TStartform::FormKeyPress() {
  timeIsUp_ = true;
  hide();
  if (mainWindow_) ShowMainWindow();
}

void TStartform::Timer1Timer() {
  ++Ticks;
  if (Ticks < kFirstShowingTick) return;
  timeIsUp_ = true;
  if (Ticks > kLastTick) Timer1->stop();
  // The main window may still be under construction when the first ticks come.
  if (!mainWindow_) return;
  hide();
  ShowMainWindow();
}

void TStartform::ShowMainWindow() {
  mainWindow_->show();
  mainWindow_->raise();
  mainWindow_->activateWindow();
}

void TStartform::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TStartform::keyPressEvent(QKeyEvent* event) {
  if (event->text().isEmpty()) {
    QWidget::keyPressEvent(event);
    return;
  }
  FormKeyPress();
}

void TStartform::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  QCoreApplication::quit();
}

}  // namespace pixolyn
