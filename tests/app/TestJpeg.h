#pragma once
// Real JPEG pictures made with libjpeg for the viewer's tests.

#include <string>

namespace pixolyn::test {

// A baseline JPEG of width x height pixels (a colour gradient), with a COM
// segment holding comment when it is not empty.
std::string MakeJpeg(int width, int height, const std::string& comment = "");

// Writes bytes to path; false when that fails.
bool WriteFile(const std::string& path, const std::string& bytes);

}  // namespace pixolyn::test
