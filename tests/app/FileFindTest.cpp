#include "table/FileFind.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fixtures/JpegBuilder.h"

namespace pixolyn {
namespace {

using test::TempDir;

struct Found {
  std::string Fullpath;
  TSearchRec Info;
};

// A search that records what its events report.
class RecordingSearch {
 public:
  RecordingSearch() {
    search.OnFileFind = [this](const std::string& fullpath, const TSearchRec& info) {
      found.push_back({fullpath, info});
    };
    search.OnChangeFolder = [this](const std::string& fullpath, const TSearchRec&) {
      folders.push_back(fullpath);
    };
    search.OnFinish = [this](TFileSearch&) { ++finished; };
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& f : found) names.push_back(f.Info.Name);
    std::sort(names.begin(), names.end());
    return names;
  }

  TFileSearch search;
  std::vector<Found> found;
  std::vector<std::string> folders;
  int finished = 0;
};

void MakeFolder(const std::string& path) {
  std::filesystem::create_directories(path);
}

TEST(FileSearch, ReportsOnlyTheFolderItselfWithoutRecursion) {
  TempDir dir;
  dir.Write("a.jpg", "x");
  dir.Write("b.txt", "x");
  MakeFolder(dir.Path() + "/sub");
  dir.Write("sub/c.jpg", "x");
  RecordingSearch r;
  r.search.RecurseSubFolders = false;
  r.search.SearchFile = dir.Path() + "/*.jpg";
  r.search.Run();
  EXPECT_EQ(r.Names(), std::vector<std::string>{"a.jpg"});
  EXPECT_EQ(r.search.FilesFound(), std::vector<std::string>{dir.Path() + "/a.jpg"});
  EXPECT_EQ(r.folders, std::vector<std::string>{dir.Path() + "/"});
  EXPECT_EQ(r.finished, 1);
  EXPECT_FALSE(r.search.Searching());
}

TEST(FileSearch, DescendsIntoSubfoldersAfterTheFolderOwnMatches) {
  TempDir dir;
  dir.Write("a.jpg", "x");
  MakeFolder(dir.Path() + "/sub/deeper");
  dir.Write("sub/c.jpg", "x");
  dir.Write("sub/deeper/d.jpg", "x");
  RecordingSearch r;
  r.search.SearchFile = dir.Path() + "/*.jpg";
  r.search.Run();
  ASSERT_EQ(r.found.size(), 3u);
  EXPECT_EQ(r.found[0].Info.Name, "a.jpg");
  EXPECT_EQ(r.found[1].Fullpath, dir.Path() + "/sub/");
  EXPECT_EQ(r.found[2].Fullpath, dir.Path() + "/sub/deeper/");
  EXPECT_EQ(r.folders, (std::vector<std::string>{dir.Path() + "/", dir.Path() + "/sub/",
                                                 dir.Path() + "/sub/deeper/"}));
}

TEST(FileSearch, ReportsAMatchingSubfolderLikeAFile) {
  TempDir dir;
  MakeFolder(dir.Path() + "/holiday.jpg");
  RecordingSearch r;
  r.search.RecurseSubFolders = false;
  r.search.SearchFile = dir.Path() + "/*.jpg";
  r.search.Run();
  ASSERT_EQ(r.found.size(), 1u);
  EXPECT_EQ(r.found[0].Info.Name, "holiday.jpg");
  EXPECT_TRUE(r.found[0].Info.Directory);
}

TEST(FileSearch, StopFromOnFileFindEndsTheSearchAfterTheCurrentEntry) {
  TempDir dir;
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) dir.Write(name, "x");
  RecordingSearch r;
  r.search.OnFileFind = [&](const std::string& fullpath, const TSearchRec& info) {
    r.found.push_back({fullpath, info});
    r.search.Stop = true;
  };
  r.search.SearchFile = dir.Path() + "/*.jpg";
  r.search.Run();
  EXPECT_EQ(r.found.size(), 1u);
  EXPECT_EQ(r.search.FilesFound().size(), 1u);
  EXPECT_EQ(r.finished, 1);
}

TEST(FileSearch, SearchesTheSameFolderOncePerMask) {
  TempDir dir;
  dir.Write("a.jpg", "x");
  dir.Write("b.png", "x");
  dir.Write("c.gif", "x");
  RecordingSearch r;
  r.search.RecurseSubFolders = false;
  r.search.SearchFile = dir.Path() + "/*.jpg;*.png";
  r.search.Run();
  EXPECT_EQ(r.Names(), (std::vector<std::string>{"a.jpg", "b.png"}));
  EXPECT_EQ(r.folders.size(), 2u);
}

TEST(FileSearch, ReportsAFileMatchingBothMasksTwice) {
  TempDir dir;
  dir.Write("a.jpg", "x");
  RecordingSearch r;
  r.search.RecurseSubFolders = false;
  r.search.SearchFile = dir.Path() + "/*.jpg;a*";
  r.search.Run();
  EXPECT_EQ(r.Names(), (std::vector<std::string>{"a.jpg", "a.jpg"}));
}

TEST(FileSearch, FullpathEndsWithSlashAndNeverHoldsTheName) {
  TempDir dir;
  MakeFolder(dir.Path() + "/sub");
  dir.Write("a.jpg", "x");
  dir.Write("sub/b.jpg", "x");
  RecordingSearch r;
  r.search.SearchFile = dir.Path() + "/*.jpg";
  r.search.Run();
  ASSERT_EQ(r.found.size(), 2u);
  for (const auto& f : r.found) {
    EXPECT_EQ(f.Fullpath.back(), '/');
    EXPECT_EQ(f.Fullpath.find(f.Info.Name), std::string::npos) << f.Fullpath;
  }
}

TEST(FileSearch, MatchesMasksWithoutRegardToCase) {
  TempDir dir;
  dir.Write("UPPER.JPG", "x");
  dir.Write("Mixed.Jpg", "x");
  RecordingSearch r;
  r.search.SearchFile = dir.Path() + "/*.jpg";
  r.search.Run();
  EXPECT_EQ(r.Names(), (std::vector<std::string>{"Mixed.Jpg", "UPPER.JPG"}));
}

TEST(FileSearch, StarDotStarMatchesEveryEntryButTheDotEntries) {
  TempDir dir;
  dir.Write("noext", "x");
  dir.Write(".hidden", "x");
  dir.Write("a.b", "x");
  RecordingSearch r;
  r.search.RecurseSubFolders = false;
  r.search.SearchFile = dir.Path() + "/*.*";
  r.search.Run();
  EXPECT_EQ(r.Names(), (std::vector<std::string>{".hidden", "a.b", "noext"}));
}

TEST(FileSearch, EntryRecordCarriesSizeAndTime) {
  TempDir dir;
  dir.Write("a.jpg", "12345");
  RecordingSearch r;
  r.search.SearchFile = dir.Path() + "/*.jpg";
  r.search.Run();
  ASSERT_EQ(r.found.size(), 1u);
  EXPECT_EQ(r.found[0].Info.Size, 5);
  EXPECT_FALSE(r.found[0].Info.Directory);
  EXPECT_GT(r.found[0].Info.Time, 0);
}

TEST(FileSearch, MissingFolderEndsNormallyWithNothingFound) {
  RecordingSearch r;
  r.search.SearchFile = "/nonexistent-pixolyn-folder/*.jpg";
  r.search.Run();
  EXPECT_TRUE(r.found.empty());
  EXPECT_TRUE(r.search.FilesFound().empty());
  EXPECT_EQ(r.finished, 1);
}

TEST(FileSearch, IsSearchingOnlyWhileRunning) {
  TempDir dir;
  dir.Write("a.jpg", "x");
  RecordingSearch r;
  bool searchingInEvent = false;
  r.search.OnFileFind = [&](const std::string&, const TSearchRec&) {
    searchingInEvent = r.search.Searching();
  };
  EXPECT_FALSE(r.search.Searching());
  r.search.SearchFile = dir.Path() + "/*.jpg";
  r.search.Run();
  EXPECT_TRUE(searchingInEvent);
  EXPECT_FALSE(r.search.Searching());
}

TEST(FileSearch, FindsFilesInPathsLongerThan255Characters) {
  TempDir dir;
  std::string folder = dir.Path();
  while (folder.size() < 300) folder += "/" + std::string(40, 'd');
  MakeFolder(folder);
  std::ofstream(folder + "/deep.jpg") << "x";
  RecordingSearch r;
  r.search.SearchFile = folder + "/*.jpg";
  r.search.Run();
  EXPECT_EQ(r.search.FilesFound(), std::vector<std::string>{folder + "/deep.jpg"});
}

TEST(FileSearch, DoesNotFollowFolderLinksWhileDescending) {
  TempDir dir;
  MakeFolder(dir.Path() + "/sub");
  dir.Write("sub/a.jpg", "x");
  ASSERT_EQ(::symlink(dir.Path().c_str(), (dir.Path() + "/sub/loop").c_str()), 0);
  RecordingSearch r;
  r.search.SearchFile = dir.Path() + "/*.jpg";
  r.search.Run();
  EXPECT_EQ(r.Names(), std::vector<std::string>{"a.jpg"});
}

TEST(FileSearch, LaterPartsAreTakenRelativeToTheFolderBeforeThem) {
  const struct {
    std::string SearchFile;
    std::vector<std::string> Paths;
  } cases[] = {
      {"/a/b/*.jpg", {"/a/b/*.jpg"}},
      {"/a/b/*.jpg;*.png", {"/a/b/*.jpg", "/a/b/*.png"}},
      {"/a/*.jpg;c/*.gif;*.png", {"/a/*.jpg", "/a/c/*.gif", "/a/c/*.png"}},
      {"/a/*.jpg;", {"/a/*.jpg"}},
      {"*.jpg;*.png", {"*.jpg", "*.png"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TFileSearch::SearchPaths(c.SearchFile), c.Paths) << c.SearchFile;
  }
}

}  // namespace
}  // namespace pixolyn
