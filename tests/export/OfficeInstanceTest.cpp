#include "export/OfficeInstance.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <latch>
#include <thread>
#include <vector>

#include "ScopedEnv.h"
#include "export/FileUrl.h"
#include "export/OfficeLock.h"
#include "fixtures/JpegBuilder.h"

namespace pixolyn {
namespace {

using namespace std::chrono_literals;

TEST(FileUrl, EncodesEveryByteOutsideTheUnreservedSet) {
  EXPECT_EQ(FileUrlFromPath("/tmp/a b/Gr\xC3\xBC\xC3\x9F"
                            "e#1%.xls"),
            "file:///tmp/a%20b/Gr%C3%BC%C3%9Fe%231%25.xls");
  EXPECT_EQ(FileUrlFromPath("/A-Z_a.z~09/"), "file:///A-Z_a.z~09/");
}

TEST(OfficeInstance, GivesEveryFolderItsOwnPipe) {
  const TOfficeInstance a = OfficeInstanceIn("/home/a/.cache/pixolyn");
  const TOfficeInstance b = OfficeInstanceIn("/home/b/.cache/pixolyn");
  EXPECT_EQ(a.PipeName, OfficeInstanceIn("/home/a/.cache/pixolyn").PipeName);
  EXPECT_NE(a.PipeName, b.PipeName);
  EXPECT_EQ(a.ProfileDir, "/home/a/.cache/pixolyn/office-profile");
  EXPECT_EQ(a.LockFile, "/home/a/.cache/pixolyn/office.lock");
  EXPECT_EQ(OfficeConnectAddress(a),
            "uno:pipe,name=" + a.PipeName + ";urp;StarOffice.ComponentContext");
}

TEST(OfficeInstance, StartsAHeadlessOfficeWithItsPrivateProfile) {
  const TOfficeInstance instance = OfficeInstanceIn("/tmp/p q");
  const std::vector<std::string> line = OfficeCommandLine(instance);
  ASSERT_FALSE(line.empty());
  EXPECT_EQ(line.front(), "soffice");
  for (const std::string& expected :
       {std::string("--headless"), std::string("--norestore"), std::string("--nodefault"),
        "--accept=pipe,name=" + instance.PipeName + ";urp;",
        std::string("-env:UserInstallation=file:///tmp/p%20q/office-profile")}) {
    EXPECT_NE(std::find(line.begin(), line.end(), expected), line.end()) << expected;
  }
}

TEST(OfficeInstance, LivesInTheUsersCacheFolder) {
  {
    const test::ScopedEnv cache("XDG_CACHE_HOME", "/var/cache-of-anna");
    EXPECT_EQ(UserOfficeInstance().Folder, "/var/cache-of-anna/pixolyn");
  }
  const test::ScopedEnv cache("XDG_CACHE_HOME", "relative/is/ignored");
  const test::ScopedEnv home("HOME", "/home/anna");
  EXPECT_EQ(UserOfficeInstance().Folder, "/home/anna/.cache/pixolyn");
}

TEST(OfficeInstance, KnowsTheOfficeAnExportLeftBehindOnlyWhileItRuns) {
  test::TempDir dir;
  const TOfficeInstance instance = OfficeInstanceIn(dir.Path());
  EXPECT_EQ(LeftOverOffice(instance), 0);

  // A stand-in whose command line names the pipe, as the office's does.
  std::optional<TChildProcess> office =
      TChildProcess::Start({"sh", "-c", "sleep 30; : " + instance.PipeName});
  ASSERT_TRUE(office.has_value());
  NoteStartedOffice(instance, office->Pid());
  // Until the stand-in has started, its process still shows this one's command line.
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (LeftOverOffice(instance) == 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(10ms);
  }
  EXPECT_EQ(LeftOverOffice(instance), office->Pid());
  office->Kill();
  EXPECT_EQ(LeftOverOffice(instance), 0);

  NoteStartedOffice(instance, ::getpid());  // a process, but not the office
  EXPECT_EQ(LeftOverOffice(instance), 0);
  dir.Write("office.started", "garbage");
  EXPECT_EQ(LeftOverOffice(instance), 0);
  ForgetStartedOffice(instance);
  EXPECT_FALSE(std::filesystem::exists(instance.StartedFile));
}

TEST(OfficeInstance, FolderIsThereForEachOfExportsStartedAtOnce) {
  test::TempDir dir;
  constexpr int kExports = 4;
  for (int round = 0; round < 40; ++round) {
    const TOfficeInstance instance =
        OfficeInstanceIn(dir.Path() + "/" + std::to_string(round) + "/cache/pixolyn");
    std::latch start(kExports);
    std::array<bool, kExports> created{};
    std::vector<std::thread> exports;
    for (bool& result : created) {
      exports.emplace_back([&] {
        start.arrive_and_wait();
        result = CreateOfficeFolder(instance);
      });
    }
    for (std::thread& t : exports) t.join();
    EXPECT_EQ(std::count(created.begin(), created.end(), true), kExports) << round;
  }
}

TEST(OfficeLock, IsHeldByOneExportAtATime) {
  test::TempDir dir;
  const std::string path = dir.Path() + "/office.lock";
  std::optional<TOfficeLock> first = TOfficeLock::Acquire(path, 0ms);
  ASSERT_TRUE(first.has_value());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(TOfficeLock::Acquire(path, 100ms).has_value());
  EXPECT_GE(std::chrono::steady_clock::now() - start, 100ms);

  std::thread release([&] {
    std::this_thread::sleep_for(100ms);
    first.reset();
  });
  EXPECT_TRUE(TOfficeLock::Acquire(path, 5s).has_value());
  release.join();
}

TEST(OfficeLock, CannotBeHadWhereNoFileCanBeMade) {
  EXPECT_FALSE(TOfficeLock::Acquire("/proc/no-such-folder/office.lock", 0ms).has_value());
}

}  // namespace
}  // namespace pixolyn
