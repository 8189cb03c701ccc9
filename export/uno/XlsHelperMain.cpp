// pixolyn-xls-helper: reads one workbook job from standard input, carries it
// out in LibreOffice Calc and writes the result to standard output.

#include <unistd.h>

#include <cerrno>
#include <exception>
#include <string>

#include "UnoWorkbookServer.h"
#include "export/ExportMessages.h"
#include "export/JobProtocol.h"

namespace {

std::string ReadAll(int fd) {
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got > 0) {
      bytes.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      return bytes;
    }
  }
}

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
}

pixolyn::TJobResult Aborted(std::string_view why) {
  return {pixolyn::TJobStatus::Failed, pixolyn::HelperAbortedMessage(why)};
}

pixolyn::TJobResult Run(const std::string& request) {
  const std::optional<pixolyn::TWorkbookJob> job = pixolyn::DecodeJob(request);
  if (!job) return Aborted("Ung\xFCltiger Auftrag.");
  try {
    pixolyn::TUnoWorkbookServer server(pixolyn::UserOfficeInstance());
    return pixolyn::RunWorkbookJob(server, *job);
  } catch (const std::exception& e) {
    return Aborted(e.what());
  } catch (...) {
    return Aborted("Unbekannter Fehler.");
  }
}

}  // namespace

int main() {
  WriteAll(STDOUT_FILENO, pixolyn::EncodeResult(Run(ReadAll(STDIN_FILENO))));
  // The office's libraries keep threads that can hang or crash at exit; the
  // answer is out and the office lock goes with the process.
  ::_exit(0);
}
