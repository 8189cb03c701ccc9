#pragma once
// The EXIF orientation of a picture (tag 0x0112): how the stored pixels are
// turned or mirrored to show the picture upright.

#include <QImage>

namespace pixolyn {

class TImgData;

// 1 (as stored) to 8; 1 when the picture has no valid orientation.
int OrientationOf(const TImgData* image);

// True for orientations 5 to 8, which swap width and height.
bool SwapsSides(int orientation);

// The stored picture as it is to be shown.
QImage Oriented(const QImage& stored, int orientation);

}  // namespace pixolyn
