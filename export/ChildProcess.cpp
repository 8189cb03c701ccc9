#include "export/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace pixolyn {

namespace {
constexpr auto kPollInterval = std::chrono::milliseconds(10);

// posix_spawn's attribute and file-action objects, freed on every path.
class TSpawnSetup {
 public:
  TSpawnSetup() {
    posix_spawnattr_init(&attributes_);
    posix_spawn_file_actions_init(&actions_);
  }
  ~TSpawnSetup() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attributes_);
  }
  TSpawnSetup(const TSpawnSetup&) = delete;
  TSpawnSetup& operator=(const TSpawnSetup&) = delete;

  posix_spawnattr_t attributes_;
  posix_spawn_file_actions_t actions_;
};
}  // namespace

std::optional<TChildProcess> TChildProcess::Start(const std::vector<std::string>& argv,
                                                  const TSpawnOptions& options) {
  if (argv.empty()) return std::nullopt;
  TSpawnSetup setup;
  if (options.StandardIo >= 0) {
    posix_spawn_file_actions_adddup2(&setup.actions_, options.StandardIo, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&setup.actions_, options.StandardIo, STDOUT_FILENO);
  } else {
    posix_spawn_file_actions_addopen(&setup.actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&setup.actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  }
  posix_spawn_file_actions_addopen(&setup.actions_, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addclosefrom_np(&setup.actions_, STDERR_FILENO + 1);

  // The child starts with default signal handling and no blocked signals.
  sigset_t none;
  sigset_t all;
  sigemptyset(&none);
  sigfillset(&all);
  posix_spawnattr_setsigmask(&setup.attributes_, &none);
  posix_spawnattr_setsigdefault(&setup.attributes_, &all);
  short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
  if (options.NewSession) flags |= POSIX_SPAWN_SETSID;
  posix_spawnattr_setflags(&setup.attributes_, flags);

  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);

  pid_t pid = 0;
  if (posix_spawnp(&pid, args[0], &setup.actions_, &setup.attributes_, args.data(), environ) != 0) {
    return std::nullopt;
  }
  return TChildProcess(pid, options.NewSession);
}

bool TChildProcess::WaitFor(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!ended_) {
    const pid_t done = ::waitpid(pid_, &status_, WNOHANG);
    if (done == pid_ || (done < 0 && errno != EINTR)) {
      ended_ = true;
      break;
    }
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(kPollInterval);
  }
  return ended_;
}

void TChildProcess::Kill() {
  if (ended_) return;
  ::kill(ownSession_ ? -pid_ : pid_, SIGKILL);
  while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
  }
  ended_ = true;
}

}  // namespace pixolyn
