#pragma once
// Maker notes that an editor moved inside the EXIF block while the value
// offsets in them still count from where the note stood before: how far the
// note's origin must move for its values to land where they belong.

#include <cstdint>

#include "tiff/ByteView.h"

namespace pixolyn {

// How a maker layout can tell that its note was moved.
enum class TMoveCheck : uint8_t {
  None,            // offsets that count from the note or a header inside it move with it
  Values,          // the lowest value offset must point right behind the directory
  FooterOrValues,  // Canon's footer names where the note stood; without one, as Values
};

// What to add to origin (the note offset that stored offsets count from) for
// the directory at dirStart, in the given byte order, whose entries lie in the
// note; 0 when the note was not moved or the check cannot tell.
int64_t MovedNoteShift(const ByteView& note, int64_t dirStart, int64_t origin, bool bigEndian,
                       TMoveCheck check);

}  // namespace pixolyn
