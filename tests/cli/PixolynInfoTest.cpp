#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "export/FileBytes.h"
#include "fixtures/JpegBuilder.h"

namespace pixolyn {
namespace {

struct Result {
  int status = -1;
  std::string out;
};

// Runs pixolyn-info with the arguments (already shell-quoted) and captures stdout.
Result RunInfo(const std::string& args) {
  Result result;
  const std::string command = std::string(PIXOLYN_INFO_EXE) + " " + args + " 2>/dev/null";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> buffer{};
  std::size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    result.out.append(buffer.data(), n);
  const int raw = ::pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

TEST(PixolynInfo, PrintsTheTableAsUtf8Lines) {
  test::TempDir dir;
  const std::string path = dir.Write("c.jpg", test::JpegBuilder()
                                                  .Comment("Gr\xFC\xDF"
                                                           "e")
                                                  .StartOfScan()
                                                  .Bytes());
  const Result result = RunInfo(Quoted(path));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out.substr(0, 48), " Feldbezeichnung\t Dateninhalte\nKommentar\t\n  Text");
  EXPECT_NE(result.out.find("  Text\tGr\xC3\xBC\xC3\x9F"
                            "e\n"),
            std::string::npos);
  EXPECT_EQ(result.out.find('\r'), std::string::npos);
  EXPECT_EQ(result.out.find('#'), std::string::npos);  // one file: no header line

  const Result crlf = RunInfo("--crlf " + Quoted(path));
  EXPECT_NE(crlf.out.find("Kommentar\t\r\n"), std::string::npos);
}

TEST(PixolynInfo, ReportsMissingFilesAndPrintsTheOthers) {
  test::TempDir dir;
  const std::string a = dir.Write("a.jpg", test::JpegBuilder().Comment("first").Bytes());
  const std::string b = dir.Write("b.jpg", test::JpegBuilder().Comment("second").Bytes());
  // A folder is no picture file either, whatever its name.
  const std::string folder = dir.Path() + "/folder.jpg";
  std::filesystem::create_directory(folder);
  const Result result = RunInfo(Quoted(a) + " " + Quoted(dir.Path() + "/missing.jpg") + " " +
                                Quoted(folder) + " " + Quoted(b));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out.find("folder.jpg"), std::string::npos);
  const auto first = result.out.find("# " + a + "\n");
  const auto second = result.out.find("# " + b + "\n");
  ASSERT_NE(first, std::string::npos);
  ASSERT_NE(second, std::string::npos);
  EXPECT_LT(first, second);
  EXPECT_EQ(result.out.find("missing.jpg"), std::string::npos);
  EXPECT_NE(result.out.find("  Text\tsecond\n"), std::string::npos);
}

TEST(PixolynInfo, HelpAndUsageErrors) {
  const Result help = RunInfo("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Aufruf: pixolyn-info"), std::string::npos);
  for (const char* wrong : {"", "--bogus x.jpg", "--catalog out.txt x.jpg", "-r x.jpg",
                            "--catalog - --separator ab x.jpg", "--catalog - x.jpg --xls b.xls"}) {
    EXPECT_EQ(RunInfo(wrong).status, 2) << wrong;
  }
}

TEST(PixolynInfo, WritesTheCatalogueOfFoldersAndFiles) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.Path() + "/sub");
  dir.Write("b.JPG", test::JpegBuilder().Comment("b").Bytes());
  dir.Write("a.jpg", test::JpegBuilder().Comment("x;y").Bytes());
  dir.Write("notes.txt", "not a picture");
  dir.Write("sub/c.jpg", test::JpegBuilder().Comment("c").Bytes());
  const std::string header =
      "\xEF\xBB\xBF"
      "Datei;Ordner;Text\r\n";
  const std::string folder = ";" + dir.Path() + ";";
  const Result flat = RunInfo("--catalog - " + Quoted(dir.Path()));
  EXPECT_EQ(flat.status, 0);
  EXPECT_EQ(flat.out, header + "a.jpg" + folder + "\"x;y\"\r\nb.JPG" + folder + "b\r\n");

  const Result deep = RunInfo("--catalog - -r --separator tab " + Quoted(dir.Path()) + " " +
                              Quoted(dir.Path() + "/gone.jpg"));
  EXPECT_EQ(deep.status, 1);  // the missing picture still gets its row
  EXPECT_NE(deep.out.find("Datei\tOrdner\tFehler\tText\r\n"), std::string::npos);
  EXPECT_NE(deep.out.find("c.jpg\t" + dir.Path() + "/sub\t\tc\r\n"), std::string::npos);
  EXPECT_NE(deep.out.find("gone.jpg\t" + dir.Path() + "\tDatei nicht gefunden\t\r\n"),
            std::string::npos);

  const std::string csv = dir.Path() + "/katalog.csv";
  EXPECT_EQ(RunInfo("--catalog " + Quoted(csv) + " " + Quoted(dir.Path() + "/a.jpg")).status, 0);
  EXPECT_EQ(test::FileBytes(csv), header + "a.jpg" + folder + "\"x;y\"\r\n");
}

TEST(PixolynInfo, GivesEveryPictureEntryOfAFolderItsRowWithTheTrueReason) {
  test::TempDir dir;
  dir.Write("a.jpg", test::JpegBuilder().Comment("a").Bytes());
  const std::string at = dir.Path() + "/";
  const struct {
    const char* name;
    int made;
    const char* reason;
  } entries[] = {
      {"dangling.jpg", ::symlink("gone.jpg", (at + "dangling.jpg").c_str()),
       "Datei nicht gefunden"},
      {"device.jpg", ::symlink("/dev/null", (at + "device.jpg").c_str()),
       "keine gew\u00f6hnliche Datei"},
      {"loop.jpg", ::symlink("loop.jpg", (at + "loop.jpg").c_str()), "Verweisschleife"},
      {"pipe.jpg", ::mkfifo((at + "pipe.jpg").c_str(), 0600), "keine gew\u00f6hnliche Datei"},
  };
  std::string expected =
      "\xEF\xBB\xBF"
      "Datei\tOrdner\tFehler\tText\r\na.jpg\t" +
      dir.Path() + "\t\ta\r\n";
  for (const auto& entry : entries) {
    ASSERT_EQ(entry.made, 0) << entry.name;
    expected += std::string(entry.name) + "\t" + dir.Path() + "\t" + entry.reason + "\t\r\n";
  }
  // A folder closed to its reader; the superuser reads it all the same.
  ASSERT_EQ(::mkdir((at + "sub").c_str(), 0), 0);
  if (::geteuid() != 0) expected += "sub\t" + dir.Path() + "\tZugriff verweigert\t\r\n";
  const Result result = RunInfo("--catalog - -r --separator tab " + Quoted(dir.Path()));
  ::chmod((at + "sub").c_str(), 0700);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, expected);
}

TEST(PixolynInfo, CataloguesWrittenAtOnceToOneFileLeaveOneOfThemWhole) {
  test::TempDir dir;
  constexpr int kWriters = 4;
  std::vector<std::string> alone;
  std::string together;
  for (int writer = 0; writer < kWriters; ++writer) {
    const std::string folder = dir.Path() + "/" + std::to_string(writer);
    std::filesystem::create_directory(folder);
    // Large enough that the writes overlap, and of different lengths.
    const std::string comment(1000 * (writer + 1), static_cast<char>('a' + writer));
    for (int picture = 0; picture < 300; ++picture) {
      dir.Write(std::to_string(writer) + "/" + std::to_string(picture) + ".jpg",
                test::JpegBuilder().Comment(comment).Bytes());
    }
    alone.push_back(RunInfo("--catalog - " + Quoted(folder)).out);
    together += std::string(PIXOLYN_INFO_EXE) + " --catalog " + Quoted(dir.Path() + "/out/k.csv") +
                " " + Quoted(folder) + " & ";
  }
  std::filesystem::create_directory(dir.Path() + "/out");
  for (int round = 0; round < 3; ++round) {
    ASSERT_EQ(std::system((together + "wait").c_str()), 0);
    EXPECT_NE(std::ranges::find(alone, test::FileBytes(dir.Path() + "/out/k.csv")), alone.end());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path() + "/out"), {}), 1);
  }
}

}  // namespace
}  // namespace pixolyn
