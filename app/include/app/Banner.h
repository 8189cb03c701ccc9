#pragma once
// The bottom banner of the main window: the logo and the maker's lines.

#include <QFrame>

namespace pixolyn {

class TBanner : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kHeight = 80;
  static constexpr int kLogoWidth = 209;

  explicit TBanner(QWidget* parent = nullptr);
};

}  // namespace pixolyn
