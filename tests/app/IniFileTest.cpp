#include "app/IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <string>

#include "fixtures/JpegBuilder.h"

namespace pixolyn {
namespace {

using test::TempDir;

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(IniFile, ReadGivesTheFallbackWhenFileSectionOrKeyIsMissing) {
  TempDir dir;
  const TIniFile missing(dir.Path() + "/missing.ini");
  EXPECT_EQ(missing.ReadString("mainwindow", "top", "7"), "7");
  const TIniFile file(dir.Write("a.ini", "[other]\ntop=1\n[mainwindow]\nleft=2\n"));
  EXPECT_EQ(file.ReadString("nosection", "top", "x"), "x");
  EXPECT_EQ(file.ReadString("mainwindow", "top", "x"), "x");
  EXPECT_EQ(file.ReadString("mainwindow", "left", "x"), "2");
}

TEST(IniFile, ASettingsFileThatIsAPipeIsNotWaitedOnButReadAsMissing) {
  TempDir dir;
  const TIniFile pipe(dir.Path() + "/PIXOLYN.INI");
  ASSERT_EQ(::mkfifo(pipe.FileName().c_str(), 0600), 0);
  EXPECT_EQ(pipe.ReadString("mainwindow", "top", "7"), "7");
  // Nor is a pipe where the new file is written before it takes the file's place.
  const TIniFile file(dir.Path() + "/other.ini");
  ASSERT_EQ(::mkfifo((file.FileName() + ".tmp").c_str(), 0600), 0);
  ASSERT_TRUE(file.WriteString("s", "k", "v"));
  EXPECT_EQ(Contents(file.FileName()), "[s]\nk=v\n");
}

TEST(IniFile, ComparesSectionsAndKeysWithoutRegardToCase) {
  TempDir dir;
  const TIniFile file(dir.Write("a.ini", "[MainWindow]\nPanel1.Width=250\n"));
  EXPECT_EQ(file.ReadString("mainwindow", "panel1.width", ""), "250");
  EXPECT_EQ(file.ReadString("MAINWINDOW", "PANEL1.WIDTH", ""), "250");
  ASSERT_TRUE(file.WriteString("mainWINDOW", "PANEL1.width", "300"));
  EXPECT_EQ(Contents(file.FileName()), "[MainWindow]\nPANEL1.width=300\n");
}

TEST(IniFile, ReadsValuesWithoutSurroundingBlanksAndQuotes) {
  TempDir dir;
  const TIniFile file(dir.Write("a.ini", "[s]\n  a =  one two  \nb=\"quoted \"\nc=\n"));
  EXPECT_EQ(file.ReadString("s", "a", ""), "one two");
  EXPECT_EQ(file.ReadString("s", "b", ""), "quoted ");
  EXPECT_EQ(file.ReadString("s", "c", "fallback"), "");
}

TEST(IniFile, OverwritesAnExistingKeyInPlace) {
  TempDir dir;
  const TIniFile file(dir.Write("a.ini", "; comment\n[s]\nx=1\ny=2\n\n[t]\nx=3\n"));
  ASSERT_TRUE(file.WriteString("s", "x", "9"));
  EXPECT_EQ(Contents(file.FileName()), "; comment\n[s]\nx=9\ny=2\n\n[t]\nx=3\n");
}

TEST(IniFile, AppendsAMissingKeyAtTheEndOfItsSection) {
  TempDir dir;
  const TIniFile file(dir.Write("a.ini", "[s]\nx=1\n\n[t]\nx=3\n"));
  ASSERT_TRUE(file.WriteString("s", "z", "5"));
  ASSERT_TRUE(file.WriteString("t", "z", "6"));
  EXPECT_EQ(Contents(file.FileName()), "[s]\nx=1\nz=5\n\n[t]\nx=3\nz=6\n");
}

TEST(IniFile, FirstWriteCreatesTheFileAndTheSection) {
  TempDir dir;
  const TIniFile file(dir.Path() + "/PIXOLYN.INI");
  ASSERT_TRUE(file.WriteString("mainwindow", "top", "0"));
  ASSERT_TRUE(file.WriteString("mainwindow", "left", "4"));
  EXPECT_EQ(Contents(file.FileName()), "[mainwindow]\ntop=0\nleft=4\n");
  ASSERT_TRUE(file.WriteString("other", "k", "v"));
  EXPECT_EQ(Contents(file.FileName()), "[mainwindow]\ntop=0\nleft=4\n\n[other]\nk=v\n");
}

TEST(IniFile, KeepsTheLineEndsOfAFileWrittenWithCrLf) {
  TempDir dir;
  const TIniFile file(dir.Write("a.ini", "[s]\r\nx=1\r\n"));
  EXPECT_EQ(file.ReadString("s", "x", ""), "1");
  ASSERT_TRUE(file.WriteString("s", "y", "2"));
  EXPECT_EQ(Contents(file.FileName()), "[s]\r\nx=1\r\ny=2\r\n");
}

TEST(IniFile, CutsValuesReadAt2047Characters) {
  TempDir dir;
  const TIniFile file(dir.Path() + "/a.ini");
  ASSERT_TRUE(file.WriteString("s", "long", std::string(3000, 'v')));
  EXPECT_EQ(file.ReadString("s", "long", "").size(), TIniFile::kMaxValueLength);
}

TEST(IniFile, WritesAValueOnOneLine) {
  TempDir dir;
  const TIniFile file(dir.Path() + "/a.ini");
  ASSERT_TRUE(file.WriteString("s", "x", "first\n[evil]\ny=1"));
  EXPECT_EQ(Contents(file.FileName()), "[s]\nx=first\n");
}

TEST(IniFile, WriteFailsWhereTheFileCannotBeCreated) {
  const TIniFile file("/nonexistent-pixolyn-folder/PIXOLYN.INI");
  EXPECT_FALSE(file.WriteString("s", "x", "1"));
}

}  // namespace
}  // namespace pixolyn
