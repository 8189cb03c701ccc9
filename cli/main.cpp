// pixolyn-info: prints the metadata table of JPEG (and TIFF) files as
// tab-separated UTF-8 text, built exactly as the viewer builds it.

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "metadata/Cp1252.h"
#include "metadata/HeadReader.h"
#include "metadata/ImageData.h"
#include "metadata/Regional.h"
#include "table/GridText.h"
#include "table/MetaInfo.h"

namespace {

const char* const kUsage =
    "Usage: pixolyn-info [--crlf] FILE...\n"
    "\n"
    "Prints the metadata table of each FILE (JPEG comment, IPTC record, standard\n"
    "EXIF and GPS tags, maker-note tags) as tab-separated text in UTF-8, one row\n"
    "per line. With several files each table is preceded by a line \"# PATH\".\n"
    "\n"
    "Options:\n"
    "  --crlf    end lines with CR LF instead of LF\n"
    "  --help    show this help\n"
    "\n"
    "Exit status: 0 when every file was read, 1 when a file was missing or\n"
    "unreadable (the other files are still printed), 2 on a usage error.\n";

struct Options {
  bool crlf = false;
  std::vector<std::string> files;
};

// Converts the table's CR LF line ends to the chosen ones.
std::string WithLineEnds(const std::string& text, bool crlf) {
  if (crlf) return text;
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

// Why a file cannot be read, or empty when it can.
std::string UnreadableReason(const std::string& path) {
  if (!pixolyn::FileExists(path)) {
    return errno == ENOENT || errno == 0 ? "no such file" : std::strerror(errno);
  }
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return std::strerror(errno);
  std::fclose(f);
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  pixolyn::SetRegional(pixolyn::RegionalFromLocale());
  std::setlocale(LC_NUMERIC, "C");

  Options options;
  bool onlyFiles = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (!onlyFiles && arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (!onlyFiles && arg == "--crlf") {
      options.crlf = true;
    } else if (!onlyFiles && arg == "--") {
      onlyFiles = true;
    } else if (!onlyFiles && arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "pixolyn-info: unknown option %s\n\n%s", arg.c_str(), kUsage);
      return 2;
    } else {
      options.files.push_back(arg);
    }
  }
  if (options.files.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }

  int status = 0;
  const bool headers = options.files.size() > 1;
  const char* const lineEnd = options.crlf ? "\r\n" : "\n";
  for (const std::string& path : options.files) {
    errno = 0;
    const std::string reason = UnreadableReason(path);
    if (!reason.empty()) {
      std::fprintf(stderr, "pixolyn-info: %s: %s\n", path.c_str(), reason.c_str());
      status = 1;
      continue;
    }
    std::unique_ptr<pixolyn::TImgData> image;
    pixolyn::LoadMetaInfo(path, image);
    pixolyn::TMetaTable grid;
    pixolyn::TIntArray sectionRows;
    pixolyn::ShowMetaInfo(grid, image.get(), sectionRows);
    image->ResetImage();
    image.reset();

    std::string out;
    if (headers) out += "# " + path + lineEnd;
    out += WithLineEnds(pixolyn::Cp1252ToUtf8(pixolyn::GridToTabText(grid)), options.crlf);
    std::fwrite(out.data(), 1, out.size(), stdout);
  }
  if (std::fflush(stdout) != 0) return 1;
  return status;
}
