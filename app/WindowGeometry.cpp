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

TFirstLayout FirstStartLayout(const QRect& available, const QSize& minimum) {
  const int width = available.width() * 3 / 4;
  const int height = available.height() * 3 / 4;
  QRect frame = FitWindow(0, 0, width, height, available, minimum);
  frame.moveCenter(available.center());
  frame = FitWindow(frame.left(), frame.top(), frame.width(), frame.height(), available, minimum);
  return {frame, frame.height() / 2, frame.height() / 2, frame.width() * 2 / 3};
}

}  // namespace pixolyn
