// Replays every input a fuzz target once failed on through the driver of that
// target, so that a mended fault stays mended. The inputs live in
// tests/data/fuzz-regressions/<target>/; under the sanitizer build the
// replay also catches memory and undefined-behaviour faults.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/drivers/FuzzDrivers.h"

namespace pixolyn::fuzz {
namespace {

namespace fs = std::filesystem;

struct TSavedInput {
  std::string Target;
  fs::path Path;
};

fs::path RegressionFolder() {
  return fs::path(PIXOLYN_TEST_DATA_DIR) / "fuzz-regressions";
}

std::vector<TSavedInput> SavedInputs() {
  std::vector<TSavedInput> inputs;
  if (!fs::is_directory(RegressionFolder())) return inputs;
  for (const auto& folder : fs::directory_iterator(RegressionFolder())) {
    if (!folder.is_directory()) continue;
    for (const auto& file : fs::directory_iterator(folder.path())) {
      if (file.is_regular_file()) {
        inputs.push_back({folder.path().filename().string(), file.path()});
      }
    }
  }
  std::sort(inputs.begin(), inputs.end(),
            [](const TSavedInput& a, const TSavedInput& b) { return a.Path < b.Path; });
  return inputs;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Test names of letters, digits and "_" only.
std::string TestName(const testing::TestParamInfo<TSavedInput>& info) {
  std::string name = info.param.Target + "_" + info.param.Path.filename().string();
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
      '_');
  return name;
}

class FuzzRegression : public testing::TestWithParam<TSavedInput> {};

TEST_P(FuzzRegression, SavedInputRunsCleanThroughItsTarget) {
  const TSavedInput& input = GetParam();
  const TFuzzDriver* driver = FindFuzzDriver(input.Target);
  ASSERT_NE(driver, nullptr) << "no fuzz target named " << input.Target;
  const std::string bytes = ReadBytes(input.Path);
  EXPECT_NO_THROW(driver->Drive(bytes)) << input.Path;
}

INSTANTIATE_TEST_SUITE_P(SavedInputs, FuzzRegression, testing::ValuesIn(SavedInputs()), TestName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FuzzRegression);

TEST(FuzzRegressionFolder, NamesOnlyFuzzTargets) {
  if (!fs::is_directory(RegressionFolder())) GTEST_SKIP() << "no saved fuzz inputs";
  for (const auto& folder : fs::directory_iterator(RegressionFolder())) {
    EXPECT_NE(FindFuzzDriver(folder.path().filename().string()), nullptr) << folder.path();
  }
}

}  // namespace
}  // namespace pixolyn::fuzz
