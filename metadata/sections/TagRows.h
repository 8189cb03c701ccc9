#pragma once
// The rows of a tag list, handed over one at a time.

#include <functional>
#include <span>

#include "metadata/Sections.h"

namespace pixolyn {

// The rows as TagListRows makes them; with TLines::Joined a multi-line Text
// gives one row instead, under the tag's label, its lines joined with " | ".
enum class TLines : uint8_t { Rows, Joined };
void ForEachTagRow(std::span<const TTagEntry> tags, TTextCoding texts,
                   const RegionalSettings& regional, const std::function<void(TSectionRow&&)>& sink,
                   TLines lines = TLines::Rows);

}  // namespace pixolyn
