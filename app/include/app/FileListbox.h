#pragma once
// The file list: typing a file's first letters selects it, although the
// list shows every name indented.

#include <QElapsedTimer>
#include <QListWidget>

namespace pixolyn {

class TFileListbox : public QListWidget {
  Q_OBJECT

 public:
  using QListWidget::QListWidget;

  // Letters typed in quick succession name one file; the same letter typed
  // again steps to the next name beginning with it. Case does not count.
  void keyboardSearch(const QString& search) override;

 private:
  QString typed_;
  QElapsedTimer sinceTyped_;
};

}  // namespace pixolyn
