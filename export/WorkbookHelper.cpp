#include "export/WorkbookHelper.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "export/ChildProcess.h"
#include "export/ExportMessages.h"
#include "export/JobProtocol.h"

namespace pixolyn {

namespace {
using Clock = std::chrono::steady_clock;

// Once the answer is in, the helper has nothing left to do but end.
constexpr auto kEndAfterAnswer = std::chrono::seconds(10);

class TDescriptor {
 public:
  explicit TDescriptor(int fd = -1) : fd_(fd) {}
  ~TDescriptor() { Close(); }
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  int Get() const { return fd_; }
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// False when the deadline passes first.
bool WaitUntilReady(int fd, short events, Clock::time_point deadline) {
  pollfd entry{.fd = fd, .events = events, .revents = 0};
  for (;;) {
    const int ready = ::poll(&entry, 1, MillisecondsLeft(deadline));
    if (ready > 0) return true;
    if (ready == 0) return false;
    if (errno != EINTR) return true;  // the next read or write reports the fault
  }
}

enum class TTransfer { Done, PeerGone, TimedOut };

TTransfer SendAll(int fd, std::string_view bytes, Clock::time_point deadline) {
  while (!bytes.empty()) {
    if (!WaitUntilReady(fd, POLLOUT, deadline)) return TTransfer::TimedOut;
    const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      return TTransfer::PeerGone;
    }
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return TTransfer::Done;
}

TTransfer ReceiveAll(int fd, std::string& bytes, Clock::time_point deadline) {
  char buffer[4096];
  for (;;) {
    if (!WaitUntilReady(fd, POLLIN, deadline)) return TTransfer::TimedOut;
    const ssize_t got = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
    if (got == 0) return TTransfer::Done;
    if (got < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      return TTransfer::PeerGone;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

TJobResult NoServer() {
  return {TJobStatus::NoServer, NoServerMessage()};
}

TJobResult Aborted(const std::string& why) {
  return {TJobStatus::Failed, HelperAbortedMessage(why)};
}

// What a helper that gave no answer tells by the way it ended.
TJobResult WithoutAnswer(int status) {
  if (WIFEXITED(status)) {
    const int code = WEXITSTATUS(status);
    // 127: the loader did not find the office's libraries; 126: not executable.
    if (code == 127 || code == 126) return NoServer();
    return Aborted(std::string(kWorkbookHelperName) + " endete ohne Antwort (Status " +
                   std::to_string(code) + ").");
  }
  if (WIFSIGNALED(status)) {
    return Aborted(std::string(kWorkbookHelperName) + " endete durch das Signal " +
                   std::to_string(WTERMSIG(status)) + ".");
  }
  return Aborted(std::string(kWorkbookHelperName) + " endete ohne Antwort.");
}
}  // namespace

std::string FindWorkbookHelper() {
  namespace fs = std::filesystem;
  std::vector<fs::path> candidates;
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (!error) candidates.push_back(self.parent_path() / kWorkbookHelperName);
  candidates.push_back(fs::path(PIXOLYN_HELPER_INSTALL_DIR) / kWorkbookHelperName);
  for (const fs::path& candidate : candidates) {
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

TJobResult RunWorkbookHelper(const std::string& helperPath, const TWorkbookJob& job,
                             std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  if (helperPath.empty()) return NoServer();

  int pair[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) {
    return Aborted(std::strerror(errno));
  }
  TDescriptor ours(pair[0]);
  TDescriptor theirs(pair[1]);
  std::optional<TChildProcess> helper =
      TChildProcess::Start({helperPath}, {.StandardIo = theirs.Get()});
  theirs.Close();
  if (!helper) return NoServer();

  TTransfer transfer = SendAll(ours.Get(), EncodeJob(job), deadline);
  ::shutdown(ours.Get(), SHUT_WR);
  std::string answer;
  if (transfer != TTransfer::TimedOut) transfer = ReceiveAll(ours.Get(), answer, deadline);
  if (transfer == TTransfer::TimedOut) {
    helper->Kill();
    return Aborted("Das Tabellenprogramm hat nicht rechtzeitig geantwortet.");
  }
  if (!helper->WaitFor(kEndAfterAnswer)) helper->Kill();
  if (std::optional<TJobResult> result = DecodeResult(answer)) return *result;
  return WithoutAnswer(helper->Status());
}

}  // namespace pixolyn
