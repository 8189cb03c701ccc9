#pragma once
// Everything the window shows of one picture, loaded in one go so that it
// can be done on a worker thread: the preview's decode, the size for the
// status line and the metadata table. Touches no widget.

#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "app/JpegDecode.h"
#include "app/PicturePreview.h"
#include "metadata/GpsPosition.h"
#include "table/MetaInfo.h"
#include "table/TableModel.h"

namespace pixolyn {

struct TLoadedPicture {
  // The message box text when the picture cannot be shown; empty when it is.
  QString Failure;
  // The same on one line, for the status line.
  QString FailureLine;
  // The file could not be read at all, so its table holds nothing of it.
  bool Unreadable = false;
  TJpegSize Quarter;
  // Upright, and no larger than it is drawn; empty when Failure is set.
  TUprightPicture Display;
  // The file's bytes, for the preview to decode larger when its area grows.
  std::shared_ptr<const std::string> Jpeg;
  int Orientation = 1;
  // What the engine read from the file, also when its image data are broken.
  TMetaTable Table;
  TIntArray SectionRows;
  // Where the picture was taken, when its GPS tags say so.
  std::optional<TGpsPosition> Position;
};

// The picture at path (native bytes), its display decode just large enough to
// cover an area of cover pixels and scaled down to it.
// The table is written in the given number and date formats.
TLoadedPicture LoadPictureForWindow(const std::string& path, TJpegSize cover,
                                    const RegionalSettings& regional);

}  // namespace pixolyn
