#include "makernotes/MakerNoteHandoff.h"

#include "makernotes/MakerNoteDecoder.h"
#include "metadata/ExifDecoder.h"

namespace pixolyn {

// The decoder lives for this one maker note; whether a maker was recognised
// changes nothing for the walk.
void HandOffMakerNote(TImageInfo& info) {
  TmsInfo decoder(info.TiffFile, info);
  decoder.DecodeMakerNote();
}

}  // namespace pixolyn
