#include "OfficeFixture.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "export/ExportGridToWorkbook.h"
#include "export/OfficeInstance.h"
#include "fixtures/JpegBuilder.h"

namespace pixolyn::test {

namespace {
using namespace std::chrono_literals;

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

CommandResult Run(const std::string& command, const std::string& errFile) {
  CommandResult result;
  std::FILE* pipe = ::popen((command + " 2>" + ShellQuoted(errFile)).c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.Out.append(buffer, got);
  const int status = ::pclose(pipe);
  result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.Err = FileBytes(errFile);
  return result;
}

// The office listens on a Unix socket named after the pipe.
bool OfficeListens(const TOfficeInstance& instance) {
  const std::string path = "/tmp/OSL_PIPE_" + std::to_string(::getuid()) + "_" + instance.PipeName;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof address.sun_path - 1);
  const bool listens =
      ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return listens;
}

// Starts the shared office before the tests and ends it after them.
class SharedOffice : public ::testing::Environment {
 public:
  void SetUp() override {
    ::setenv("XDG_CACHE_HOME", folder_.Path().c_str(), 1);
    const TOfficeInstance instance = UserOfficeInstance();
    office_ = StartOffice(instance);
    ASSERT_TRUE(office_.has_value()) << "soffice cannot be started";
    StartWatchdog(office_->Pid());
    ASSERT_TRUE(WaitUntilListening(instance, *office_)) << "soffice does not listen";
  }
  void TearDown() override {
    if (office_) office_->Kill();
    if (watchdog_ > 0) {
      ::kill(watchdog_, SIGKILL);
      ::waitpid(watchdog_, nullptr, 0);
    }
  }

 private:
  // Ends the office's session should this process die without tearing down.
  void StartWatchdog(pid_t office) {
    const pid_t tests = ::getpid();
    watchdog_ = ::fork();
    if (watchdog_ != 0) return;
    while (::getppid() == tests) ::sleep(1);
    ::kill(-office, SIGKILL);
    ::_exit(0);
  }

  pid_t watchdog_ = -1;
  TempDir folder_;
  std::optional<TChildProcess> office_;
};

[[maybe_unused]] const auto* const g_environment =
    ::testing::AddGlobalTestEnvironment(new SharedOffice);
}  // namespace

bool WaitUntilListening(const TOfficeInstance& instance, TChildProcess& office) {
  const auto deadline = std::chrono::steady_clock::now() + 60s;
  while (!OfficeListens(instance)) {
    if (office.Ended() || std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(50ms);
  }
  return true;
}

const Workbook::Sheet* Workbook::Find(const std::string& name) const {
  for (const Sheet& sheet : Sheets) {
    if (sheet.Name == name) return &sheet;
  }
  return nullptr;
}

std::string WorkbookReaderProblem() {
  if (std::string(PIXOLYN_XLRD_PYTHON).empty()) return "python3-xlrd is not installed";
  return {};
}

Workbook ReadWorkbook(const std::string& path) {
  TempDir scratch;
  const CommandResult read = Run(ShellQuoted(PIXOLYN_XLRD_PYTHON) + " " +
                                     ShellQuoted(PIXOLYN_WORKBOOK_READER) + " " + ShellQuoted(path),
                                 scratch.Path() + "/err");
  if (read.Status != 0) throw std::runtime_error("xlrd cannot read " + path + ": " + read.Err);
  const nlohmann::json json = nlohmann::json::parse(read.Out);
  Workbook book;
  book.Biff = json.at("biff").get<int>();
  for (const nlohmann::json& sheet : json.at("sheets")) {
    Workbook::Sheet& out = book.Sheets.emplace_back();
    out.Name = sheet.at("name").get<std::string>();
    out.Columns = sheet.at("columns").get<int>();
    for (const nlohmann::json& row : sheet.at("rows")) {
      auto& cells = out.Rows.emplace_back();
      for (const nlohmann::json& cell : row) {
        cells.emplace_back(cell.at("type").get<std::string>(), cell.at("value").get<std::string>());
      }
    }
  }
  return book;
}

void WriteXlsx(const std::string& path) {
  TempDir scratch;
  const CommandResult made =
      Run(ShellQuoted(PIXOLYN_XLRD_PYTHON) + " " + ShellQuoted(PIXOLYN_WORKBOOK_READER) +
              " --xlsx " + ShellQuoted(path),
          scratch.Path() + "/err");
  if (made.Status != 0) throw std::runtime_error("cannot write " + path + ": " + made.Err);
}

std::string CsvOpenedAsOds(const std::string& csv) {
  TempDir scratch;
  // As a spreadsheet opens it: ";" between fields, '"' around them, UTF-8.
  const CommandResult made =
      Run("cd " + ShellQuoted(scratch.Path()) +
              " && soffice --headless -env:UserInstallation=file://" + scratch.Path() +
              "/profile --infilter=CSV:59,34,76,1 --convert-to ods " + ShellQuoted(csv),
          scratch.Path() + "/err");
  if (made.Status != 0) throw std::runtime_error("cannot open " + csv + ": " + made.Err);
  const std::filesystem::path name = std::filesystem::path(csv).stem().concat(".ods");
  const std::filesystem::path ods = std::filesystem::path(csv).parent_path() / name;
  std::filesystem::copy_file(std::filesystem::path(scratch.Path()) / name, ods,
                             std::filesystem::copy_options::overwrite_existing);
  return ods.string();
}

CommandResult RunInfo(const std::vector<std::string>& args) {
  std::string command = ShellQuoted(PIXOLYN_INFO_EXE);
  for (const std::string& arg : args) command += " " + ShellQuoted(arg);
  TempDir scratch;
  return Run(command, scratch.Path() + "/err");
}

bool ProcessMentions(const std::string& text) {
  DIR* proc = ::opendir("/proc");
  if (proc == nullptr) return false;
  bool found = false;
  while (const dirent* entry = ::readdir(proc)) {
    if (entry->d_name[0] < '0' || entry->d_name[0] > '9') continue;
    if (FileBytes(std::string("/proc/") + entry->d_name + "/cmdline").find(text) !=
        std::string::npos) {
      found = true;
      break;
    }
  }
  ::closedir(proc);
  return found;
}

void ExpectSheetHolds(const Workbook::Sheet& sheet,
                      const std::vector<std::vector<std::string>>& rows) {
  const std::size_t width = rows.empty() ? 0 : rows.front().size();
  EXPECT_LE(static_cast<std::size_t>(sheet.Columns), width);
  ASSERT_LE(sheet.Rows.size(), rows.size());
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      SCOPED_TRACE("row " + std::to_string(r + 1) + " column " + std::to_string(c + 1));
      const bool present = r < sheet.Rows.size() && c < sheet.Rows[r].size();
      const std::string type = present ? sheet.Rows[r][c].first : "empty";
      const std::string text = present ? sheet.Rows[r][c].second : "";
      EXPECT_EQ(type, rows[r][c].empty() ? "empty" : "text");
      EXPECT_EQ(text, rows[r][c]);
    }
  }
}

std::vector<std::vector<std::string>> ExpectedRows(const TMetaTable& grid) {
  std::vector<std::vector<std::string>> rows;
  for (const auto& cells : CellsForWorkbook(grid)) {
    rows.push_back({cells[0], cells[1]});
  }
  return rows;
}

}  // namespace pixolyn::test
