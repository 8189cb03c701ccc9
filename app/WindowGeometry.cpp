#include "app/WindowGeometry.h"

#include <algorithm>

namespace pixolyn {

namespace {

// value within [low, high], high taken no lower than low.
int Within(int value, int low, int high) {
  return std::clamp(value, low, std::max(low, high));
}

// The start of a span of length in [start, start + room): moved just far enough.
int Inside(int position, int length, int start, int room) {
  // room and length are screen sizes, so start + room - length cannot overflow.
  return Within(position, start, start + room - length);
}

}  // namespace

QRect FitWindow(int left, int top, int width, int height, const QRect& available,
                const QSize& minimum) {
  const int w = Within(width, minimum.width(), available.width());
  const int h = Within(height, minimum.height(), available.height());
  return {Inside(left, w, available.left(), available.width()),
          Inside(top, h, available.top(), available.height()), w, h};
}

int FitPane(int size, int room) {
  return Within(size, 0, room);
}

}  // namespace pixolyn
