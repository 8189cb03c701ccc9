#include "metadata/MakerNoteHandoff.h"

#include "metadata/ExifDecoder.h"

namespace pixolyn {

// No maker is recognised yet: the walk goes on as if the maker note were plain bytes.
void HandOffMakerNote(TImageInfo&) {}

}  // namespace pixolyn
