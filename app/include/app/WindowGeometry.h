#pragma once
// Stored window and area sizes brought into what the screen can show, so that
// no settings file can make a window that is off every screen, larger than
// the screen, or that leaves an area no room.

#include <QRect>
#include <QSize>

namespace pixolyn {

// The window's frame at the stored position and size, made at least minimum
// and at most the available area's size, and moved to lie inside that area.
QRect FitWindow(int left, int top, int width, int height, const QRect& available,
                const QSize& minimum);

// A stored area size between 0 and room (room itself not below 0).
int FitPane(int size, int room);

// The window of a first start and the sizes of its areas.
struct TFirstLayout {
  QRect Frame;
  int CheckFolderHeight;
  int Panel3Height;  // the table's area
  int Panel2Width;   // the preview's and the table's part
};

// About three quarters of the available area, centred, at least minimum; the
// right part (preview and table) two thirds of the width, the table half the
// height, the folder tree above the file list half the height.
TFirstLayout FirstStartLayout(const QRect& available, const QSize& minimum);

}  // namespace pixolyn
