#pragma once
// TmsInfo: the maker-note decoder. Recognises the camera maker from the make
// text and has the EXIF decoder read the maker's private directory with that
// maker's tag table. Lives for one maker note.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "metadata/TagEntry.h"
#include "tiff/TiffWalk.h"

namespace pixolyn {

class TImageInfo;

// Where and how a maker's directory is read inside its note.
struct TMakerNoteWalk {
  std::span<const TTagEntry> Table;
  int64_t DirStart = 0;  // of the entry count, in the note
  int64_t Origin = 0;    // position in the note that stored offsets count from
  // Position in the walk's bytes that the offsets of a value outside the note count from.
  int64_t FallbackOrigin = 0;
  bool BigEndian = false;
};

// What the maker-note entry of a walk holds for the camera make.
struct TMakerNotePlan {
  bool KnownMaker = false;             // the make and the note match a maker's layout
  std::optional<TMakerNoteWalk> Walk;  // none: a layout without tags, or no directory
};

// Works out the maker's directory in note, an entry of walk; depends on nothing else.
TMakerNotePlan PlanMakerNote(const TTiffWalk& walk, const TTiffEntry& note, std::string_view make);

class TmsInfo {
 public:
  TmsInfo(TImageInfo& info, const TTiffWalk& walk, const TTiffEntry& note);

  TImageInfo* Info = nullptr;  // not owned

  // Reads the maker's directory into Info's tag list. True when the make is
  // one of the known makers, whatever the reading found.
  bool DecodeMakerNote();

 private:
  const TTiffWalk& walk_;
  const TTiffEntry& note_;
};

}  // namespace pixolyn
