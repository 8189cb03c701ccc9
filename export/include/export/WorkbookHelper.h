#pragma once
// The program that drives the spreadsheet server for the export. It runs as a
// process of its own, so that the viewer and pixolyn-info neither link the
// office's libraries nor go down with it.

#include <chrono>
#include <string>

#include "export/WorkbookJob.h"

namespace pixolyn {

inline constexpr const char* kWorkbookHelperName = "pixolyn-xls-helper";

// The helper beside the running program, else the installed one; empty when neither exists.
std::string FindWorkbookHelper();

// Hands job to the helper and waits for its answer. A helper that cannot be
// started (or whose office libraries are missing) means there is no server.
TJobResult RunWorkbookHelper(const std::string& helperPath, const TWorkbookJob& job,
                             std::chrono::milliseconds timeout = std::chrono::minutes(3));

}  // namespace pixolyn
