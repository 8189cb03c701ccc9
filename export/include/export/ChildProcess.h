#pragma once
// A started program that its starter waits for, within a time limit.

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace pixolyn {

struct TSpawnOptions {
  // Descriptor that becomes the child's standard input and output; -1 for /dev/null.
  int StandardIo = -1;
  // A session of its own, so that the child outlives its starter's terminal.
  bool NewSession = false;
};

class TChildProcess {
 public:
  // Starts argv[0] (searched on PATH when it holds no "/"); the child gets no
  // descriptor but its standard streams, and its standard error is /dev/null.
  // nullopt when the program cannot be started.
  static std::optional<TChildProcess> Start(const std::vector<std::string>& argv,
                                            const TSpawnOptions& options = {});

  TChildProcess(TChildProcess&&) = default;
  TChildProcess& operator=(TChildProcess&&) = default;
  TChildProcess(const TChildProcess&) = delete;
  TChildProcess& operator=(const TChildProcess&) = delete;

  pid_t Pid() const { return pid_; }

  // True once the child has ended (it is then reaped); waits at most timeout.
  bool WaitFor(std::chrono::milliseconds timeout);
  bool Ended() { return WaitFor(std::chrono::milliseconds(0)); }
  // The wait status after the end (see waitpid).
  int Status() const { return status_; }

  // Kills the child (with its session, when it has one) and reaps it.
  void Kill();

 private:
  TChildProcess(pid_t pid, bool ownSession) : pid_(pid), ownSession_(ownSession) {}
  pid_t pid_;
  bool ownSession_;
  bool ended_ = false;
  int status_ = 0;
};

}  // namespace pixolyn
