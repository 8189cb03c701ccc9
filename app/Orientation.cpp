#include "app/Orientation.h"

#include <QTransform>

#include "metadata/ExifDecoder.h"
#include "metadata/ImageData.h"

namespace pixolyn {

int OrientationOf(const TImgData* image) {
  if (!image || !image->ExifInfo) return 1;
  const int orientation = image->ExifInfo->TagIntegerByName("Orientation");
  return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

bool SwapsSides(int orientation) {
  return orientation >= 5 && orientation <= 8;
}

QImage Oriented(const QImage& stored, int orientation) {
  const auto turned = [](const QImage& image, int degreesClockwise) {
    return image.transformed(QTransform().rotate(degreesClockwise));
  };
  switch (orientation) {
    case 2:
      return stored.mirrored(true, false);
    case 3:
      return stored.mirrored(true, true);
    case 4:
      return stored.mirrored(false, true);
    case 5:
      return turned(stored.mirrored(true, false), 270);
    case 6:
      return turned(stored, 90);
    case 7:
      return turned(stored.mirrored(true, false), 90);
    case 8:
      return turned(stored, 270);
    default:
      return stored;
  }
}

}  // namespace pixolyn
