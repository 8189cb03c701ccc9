#pragma once
// The properties a photographer looks for first, with their German captions,
// in the order their rows take.

#include <span>
#include <string_view>

namespace pixolyn {

struct TXmpCaption {
  std::string_view Path;
  std::string_view Caption;  // UTF-8
  bool IsDate = false;       // a year alone reads as a date too
};

std::span<const TXmpCaption> XmpCaptions();

// A region's name is captioned only where the region is a face.
inline constexpr std::string_view kRegionNamePath = "mwg-rs:Regions/mwg-rs:RegionList/mwg-rs:Name";
inline constexpr std::string_view kRegionTypePath = "mwg-rs:Regions/mwg-rs:RegionList/mwg-rs:Type";

}  // namespace pixolyn
