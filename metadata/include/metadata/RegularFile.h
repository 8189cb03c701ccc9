#pragma once
// Opening a file for reading only when it is a regular one: a named pipe or
// a device is never opened in a way that waits for a writer.

#include <string>

namespace pixolyn {

// The error of something that is not a regular file (a pipe, a device, a folder).
inline constexpr int kNotRegularFile = -1;

// A descriptor open for reading on the regular file at path (following
// links), or -1 with error set to the system's error number or kNotRegularFile.
int OpenRegularFile(const std::string& path, int& error);

// 0 for a regular file; else the error OpenRegularFile would give, asked
// without opening the file.
int RegularFileError(const std::string& path);

}  // namespace pixolyn
