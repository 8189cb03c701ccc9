#pragma once
// The rows of a tag list, handed over one at a time.

#include <functional>
#include <span>

#include "metadata/Sections.h"

namespace pixolyn {

void ForEachTagRow(std::span<const TTagEntry> tags, TTextCoding texts,
                   const RegionalSettings& regional,
                   const std::function<void(TSectionRow&&)>& sink);

}  // namespace pixolyn
