#include "app/FileListbox.h"

#include <QApplication>

namespace pixolyn {

void TFileListbox::keyboardSearch(const QString& search) {
  if (search.isEmpty() || count() == 0) {
    typed_.clear();
    return;
  }
  const bool continuing = !typed_.isEmpty() && sinceTyped_.isValid() &&
                          sinceTyped_.elapsed() < QApplication::keyboardInputInterval();
  typed_ = continuing ? typed_ + search : search;
  sinceTyped_.start();
  const bool sameLetter = typed_.count(typed_.front()) == typed_.size();
  const QString wanted = sameLetter ? QString(typed_.front()) : typed_;
  // A name being typed on may still be the current one; anything else looks further on.
  const int current = currentRow();
  const int first = current < 0 ? 0 : (continuing && !sameLetter ? current : current + 1);
  for (int step = 0; step < count(); ++step) {
    const int row = (first + step) % count();
    if (item(row)->text().trimmed().startsWith(wanted, Qt::CaseInsensitive)) {
      if (row != current) setCurrentRow(row);
      return;
    }
  }
}

}  // namespace pixolyn
