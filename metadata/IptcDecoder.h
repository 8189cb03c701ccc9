#pragma once
// TIPTCdata: the IPTC decoder over the Photoshop (APP13) segment.

#include <string>

#include "metadata/TagEntry.h"

namespace pixolyn {

class TImgData;

class TIPTCdata {
 public:
  explicit TIPTCdata(TImgData* owner) : Owner(owner) {}
  virtual ~TIPTCdata() = default;

  int Capacity = 0;
  TImgData* Owner = nullptr;  // not owned
  int Count = 0;
  TTagDefArray Entries;

  // The dataset walk lands with the IPTC decoder; until then nothing is decoded.
  void DecodeSegment() {}
};

}  // namespace pixolyn
