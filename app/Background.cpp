#include "app/Background.h"

namespace pixolyn {

QThreadPool& WorkerPool() {
  static QThreadPool pool;
  return pool;
}

}  // namespace pixolyn
