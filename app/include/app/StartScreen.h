#pragma once
// The start screen: the program's name in two large words while the main
// window is prepared. It is the application's main form: closing it ends the
// program.

#include <QTimer>
#include <QWidget>
#include <cstdint>

class QFrame;
class QLabel;

namespace pixolyn {

class TStartform : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 526;
  static constexpr int kClientHeight = 144;
  static constexpr int kTimerInterval = 1000;

  explicit TStartform(QWidget* parent = nullptr);

  // The window the start screen gives way to, once its creation (and any
  // message box it raised) is over. When the start screen's time is already
  // up, it gives way at once: a late answer to a start-up message must not
  // leave the start screen standing with nothing behind it.
  void SetMainWindow(QWidget* mainWindow);

  uint16_t Ticks = 0;
  QTimer* Timer1;
  QFrame* Panel1;
  QLabel* StaticText1;
  QLabel* StaticText2;
  QLabel* StaticText3;

  void FormShow();
  void FormKeyPress();
  void Timer1Timer();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void ShowMainWindow();

  QWidget* mainWindow_ = nullptr;
  bool timeIsUp_ = false;  // the third tick or a key press has come
};

}  // namespace pixolyn
