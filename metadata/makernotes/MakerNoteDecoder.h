#pragma once
// TmsInfo: the maker-note decoder. Recognises the camera maker from the make
// text and has the EXIF decoder read the maker's private directory with that
// maker's tag table. Lives for one maker note.

#include <cstdint>

namespace pixolyn {

class TImageInfo;

class TmsInfo {
 public:
  TmsInfo(bool fromTiff, TImageInfo& info);

  bool FromTiff = false;
  TImageInfo* Info = nullptr;  // not owned
  // Offset of the maker note's first byte in the EXIF bytes.
  int64_t NotePosition = 0;

  // Reads the maker's directory into Info's tag list. True when the make is
  // one of the eight known makers, whatever the reading found.
  bool DecodeMakerNote();
};

}  // namespace pixolyn
