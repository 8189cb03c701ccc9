#include "export/JobProtocol.h"

#include <charconv>

namespace pixolyn {

namespace {
constexpr std::string_view kJobHeader = "pixolyn-xls-job 3\n";
constexpr std::string_view kResultHeader = "pixolyn-xls-result 1\n";

constexpr std::string_view kSaved = "saved";
constexpr std::string_view kNoServer = "no-server";
constexpr std::string_view kFailed = "failed";
constexpr std::string_view kCancelled = "cancelled";

void AppendField(std::string& out, std::string_view field) {
  out += std::to_string(field.size());
  out += ':';
  out += field;
  out += ',';
}

// Reads fields off the front of a message; every read checks what is left.
class TFieldReader {
 public:
  explicit TFieldReader(std::string_view message) : rest_(message) {}

  bool Header(std::string_view header) {
    if (!rest_.starts_with(header)) return false;
    rest_.remove_prefix(header.size());
    return true;
  }

  std::optional<std::string_view> Field() {
    const std::size_t colon = rest_.find(':');
    if (colon == std::string_view::npos || colon == 0) return std::nullopt;
    std::size_t length = 0;
    const auto [end, error] = std::from_chars(rest_.data(), rest_.data() + colon, length);
    if (error != std::errc() || end != rest_.data() + colon) return std::nullopt;
    const std::string_view afterColon = rest_.substr(colon + 1);
    if (length >= afterColon.size() || afterColon[length] != ',') return std::nullopt;
    rest_ = afterColon.substr(length + 1);
    return afterColon.substr(0, length);
  }

  std::optional<std::size_t> Count() {
    const auto field = Field();
    if (!field) return std::nullopt;
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(field->data(), field->data() + field->size(), value);
    if (error != std::errc() || end != field->data() + field->size()) return std::nullopt;
    return value;
  }

  bool AtEnd() const { return rest_.empty(); }
  // No field is shorter than "0:,", which bounds how many a message can hold.
  std::size_t MostFieldsLeft() const { return rest_.size() / 3; }

 private:
  std::string_view rest_;
};
}  // namespace

std::string EncodeJob(const TWorkbookJob& job) {
  std::string out(kJobHeader);
  AppendField(out, job.FileName);
  AppendField(out, job.SaveTo);
  AppendField(out, job.Title);
  AppendField(out, job.ReplaceSheet ? "1" : "0");
  // Every row goes out as wide as the widest.
  const std::size_t columns = ColumnCount(job.Cells);
  AppendField(out, std::to_string(columns == 0 ? 0 : job.Cells.size()));
  AppendField(out, std::to_string(columns));
  for (const auto& row : job.Cells) {
    for (std::size_t column = 0; column < columns; ++column) {
      AppendField(out, column < row.size() ? std::string_view(row[column]) : std::string_view());
    }
  }
  return out;
}

std::optional<TWorkbookJob> DecodeJob(std::string_view message) {
  TFieldReader reader(message);
  if (!reader.Header(kJobHeader)) return std::nullopt;
  TWorkbookJob job;
  const auto fileName = reader.Field();
  const auto saveTo = reader.Field();
  const auto title = reader.Field();
  const auto replace = reader.Count();
  const auto rows = reader.Count();
  const auto columns = reader.Count();
  if (!fileName || !saveTo || !title || !replace || !rows || !columns || *replace > 1)
    return std::nullopt;
  // The cells must all be there before anything is made for them.
  if (*columns == 0 ? *rows != 0 : *rows > reader.MostFieldsLeft() / *columns) return std::nullopt;
  job.FileName = *fileName;
  job.SaveTo = *saveTo;
  job.Title = *title;
  job.ReplaceSheet = *replace == 1;
  job.Cells.assign(*rows, std::vector<std::string>(*columns));
  for (auto& row : job.Cells) {
    for (std::string& cell : row) {
      const auto text = reader.Field();
      if (!text) return std::nullopt;
      cell = *text;
    }
  }
  if (!reader.AtEnd()) return std::nullopt;
  return job;
}

std::string EncodeResult(const TJobResult& result) {
  std::string out(kResultHeader);
  switch (result.Status) {
    case TJobStatus::Saved:
      AppendField(out, kSaved);
      break;
    case TJobStatus::NoServer:
      AppendField(out, kNoServer);
      break;
    case TJobStatus::Failed:
      AppendField(out, kFailed);
      break;
    case TJobStatus::Cancelled:
      AppendField(out, kCancelled);
      break;
  }
  AppendField(out, result.Message);
  return out;
}

std::optional<TJobResult> DecodeResult(std::string_view message) {
  TFieldReader reader(message);
  if (!reader.Header(kResultHeader)) return std::nullopt;
  const auto status = reader.Field();
  const auto text = reader.Field();
  if (!status || !text || !reader.AtEnd()) return std::nullopt;
  TJobResult result;
  if (*status == kSaved) {
    result.Status = TJobStatus::Saved;
  } else if (*status == kNoServer) {
    result.Status = TJobStatus::NoServer;
  } else if (*status == kFailed) {
    result.Status = TJobStatus::Failed;
  } else if (*status == kCancelled) {
    result.Status = TJobStatus::Cancelled;
  } else {
    return std::nullopt;
  }
  result.Message = *text;
  return result;
}

}  // namespace pixolyn
