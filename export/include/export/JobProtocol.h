#pragma once
// The messages between the export and its workbook helper: a line naming the
// message, then fields of the form "<length>:<bytes>,".

#include <optional>
#include <string>
#include <string_view>

#include "export/WorkbookJob.h"

namespace pixolyn {

std::string EncodeJob(const TWorkbookJob& job);
std::optional<TWorkbookJob> DecodeJob(std::string_view message);

std::string EncodeResult(const TJobResult& result);
std::optional<TJobResult> DecodeResult(std::string_view message);

}  // namespace pixolyn
