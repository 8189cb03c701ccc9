#pragma once
// The program information box: modal, with an "OK" button, opening with an
// explode effect that grows it from its centre to its full size.

#include <QDialog>

namespace pixolyn {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kExplodeMilliseconds = 180;

  explicit TAboutBox(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace pixolyn
