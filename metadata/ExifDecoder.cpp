#include "metadata/ExifDecoder.h"

#include "metadata/ImageData.h"

namespace pixolyn {

TImageInfo::TImageInfo(TImgData* owner, int buildMode)
    : OwnerImage(owner), BuildMode(buildMode), TiffFile(owner ? owner->TiffFile : false) {}

// The directory walk lands with the EXIF engine; until then nothing is decoded.
void TImageInfo::ReadDirectory(int64_t, int64_t, int64_t, TDirectoryKind) {}
void TImageInfo::ReadMakerNoteDirectory(const std::string&, std::span<const TTagEntry>, int64_t,
                                        int64_t, int64_t) {}
void TImageInfo::AddFocalLength35() {}

int TImageInfo::AddTag(const TTagEntry& entry) { return AppendToTagList(TagList, TagCount, entry); }

int TImageInfo::FindTagByName(const std::string& name) const {
  return FindTagInListByName(TagList, TagCount, name);
}

std::string TImageInfo::GetTagText(const std::string& name) const {
  const int index = FindTagByName(name);
  return index < 0 ? std::string() : TagList[static_cast<std::size_t>(index)].Text;
}

TTagEntry TImageInfo::GetTagByName(const std::string& name) const {
  const int index = FindTagByName(name);
  return index < 0 ? TTagEntry{} : TagList[static_cast<std::size_t>(index)];
}

}  // namespace pixolyn
