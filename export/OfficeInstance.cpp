#include "export/OfficeInstance.h"

#include <pwd.h>
#include <unistd.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "export/FileUrl.h"

namespace pixolyn {

namespace {
// FNV-1a: a stable short name for a folder, so that every folder gets its own pipe.
uint64_t FolderHash(std::string_view text) {
  uint64_t hash = 14695981039346656037ull;
  for (char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

std::string Hex(uint64_t value) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = kHex[value & 0xF];
  return text;
}

std::string CacheFolder() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  if (cache != nullptr && cache[0] == '/') return cache;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return std::string(home) + "/.cache";
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) {
    return std::string(user->pw_dir) + "/.cache";
  }
  return "/tmp/pixolyn-" + std::to_string(::getuid());
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
}  // namespace

TOfficeInstance OfficeInstanceIn(const std::string& folder) {
  return {.Folder = folder,
          .ProfileDir = folder + "/office-profile",
          .LockFile = folder + "/office.lock",
          .StartedFile = folder + "/office.started",
          .PipeName = "pixolyn_" + Hex(FolderHash(folder))};
}

TOfficeInstance UserOfficeInstance() {
  return OfficeInstanceIn(CacheFolder() + "/pixolyn");
}

std::string OfficeConnectAddress(const TOfficeInstance& instance) {
  return "uno:pipe,name=" + instance.PipeName + ";urp;StarOffice.ComponentContext";
}

std::vector<std::string> OfficeCommandLine(const TOfficeInstance& instance) {
  return {"soffice",
          "--headless",
          "--invisible",
          "--norestore",
          "--nologo",
          "--nodefault",
          "--accept=pipe,name=" + instance.PipeName + ";urp;",
          "-env:UserInstallation=" + FileUrlFromPath(instance.ProfileDir)};
}

bool CreateOfficeFolder(const TOfficeInstance& instance) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (fs::is_directory(instance.Folder, error)) return true;
  // Another export may create it at the same moment (create_directories then
  // reports that it created nothing): what counts is that it is there.
  if (!fs::create_directories(instance.Folder, error))
    return fs::is_directory(instance.Folder, error);
  fs::permissions(instance.Folder, fs::perms::owner_all, error);
  return true;
}

std::optional<TChildProcess> StartOffice(const TOfficeInstance& instance) {
  if (!CreateOfficeFolder(instance)) return std::nullopt;
  return TChildProcess::Start(OfficeCommandLine(instance), {.NewSession = true});
}

void NoteStartedOffice(const TOfficeInstance& instance, pid_t office) {
  std::ofstream(instance.StartedFile, std::ios::trunc) << office << '\n';
}

void ForgetStartedOffice(const TOfficeInstance& instance) {
  std::error_code ignored;
  std::filesystem::remove(instance.StartedFile, ignored);
}

pid_t LeftOverOffice(const TOfficeInstance& instance) {
  const std::string text = FileText(instance.StartedFile);
  pid_t office = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), office);
  if (error != std::errc() || office <= 0) return 0;
  // A process that has ended, or a new one under the same number, is not the office.
  const std::string commandLine = FileText("/proc/" + std::to_string(office) + "/cmdline");
  return commandLine.find(instance.PipeName) == std::string::npos ? 0 : office;
}

}  // namespace pixolyn
