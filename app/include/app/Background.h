#pragma once
// Work for a window done on a worker thread of the shared pool, its result
// handed back on the window's thread.

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
#include <QtConcurrent>
#include <type_traits>
#include <utility>

namespace pixolyn {

// The window's workers: a pool of their own, because Qt scales and converts
// large pictures on the shared pool and waits for it on the calling thread,
// which must not queue behind a picture being decoded.
QThreadPool& WorkerPool();

// Runs work() on a worker thread, then done(result) on receiver's thread.
// done is not called when receiver is gone by then; work must therefore own
// everything it uses, and must not touch widgets.
template <typename Work, typename Done>
void RunInBackground(QObject* receiver, Work work, Done done) {
  using Result = std::invoke_result_t<Work>;
  auto* watcher = new QFutureWatcher<Result>(receiver);
  QObject::connect(watcher, &QFutureWatcherBase::finished, receiver,
                   [watcher, done = std::move(done)]() mutable {
                     watcher->deleteLater();
                     done(watcher->future().takeResult());
                   });
  watcher->setFuture(QtConcurrent::run(&WorkerPool(), std::move(work)));
}

}  // namespace pixolyn
