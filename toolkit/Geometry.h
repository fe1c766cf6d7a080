#pragma once
// Pixel rectangles: Left and Top inside, Right and Bottom just outside.

namespace twindir::toolkit {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  [[nodiscard]] constexpr int Width() const { return right - left; }
  [[nodiscard]] constexpr int Height() const { return bottom - top; }
  [[nodiscard]] constexpr bool Contains(int x, int y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
  // Moves every edge inwards by d (outwards for a negative d).
  constexpr void Shrink(int d) {
    left += d;
    top += d;
    right -= d;
    bottom -= d;
  }

  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace twindir::toolkit
