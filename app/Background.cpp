#include "app/Background.h"

#include <QCoreApplication>

namespace pixolyn {

QThreadPool& WorkerPool() {
  // Owned by the application, whose end waits for the workers still running.
  static QThreadPool* const pool = new QThreadPool(QCoreApplication::instance());
  return *pool;
}

}  // namespace pixolyn
