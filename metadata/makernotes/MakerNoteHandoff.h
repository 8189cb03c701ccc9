#pragma once
// The step from the EXIF directory walk to the maker-note decoder.

namespace pixolyn {

class TImageInfo;

// Called by the walk at the maker-note tag, after MakerNoteBytes and
// MakerNoteOffset are set: lets the maker's directory be read into info.
void HandOffMakerNote(TImageInfo& info);

}  // namespace pixolyn
