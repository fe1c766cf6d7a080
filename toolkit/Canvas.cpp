#include "toolkit/Canvas.h"

namespace twindir::toolkit {

void Canvas::FillRect(const Rect& rect) {
  if (brush_) FillSolid(rect, *brush_);
}

// Each ring is drawn as the classic 3-D frame draws it with one-pixel lines:
// the top-left colour takes the top row up to the last pixel but one and the
// left column down to the last pixel but one; the bottom-right colour takes
// the whole right column and the whole bottom row.
void Frame3D(Canvas& canvas, Rect& rect, Rgb top_left, Rgb bottom_right, int width) {
  for (int ring = 0; ring < width; ++ring) {
    if (rect.Width() > 0 && rect.Height() > 0) {
      canvas.FillSolid({rect.left, rect.top, rect.right - 1, rect.top + 1}, top_left);
      canvas.FillSolid({rect.left, rect.top, rect.left + 1, rect.bottom - 1}, top_left);
      canvas.FillSolid({rect.right - 1, rect.top, rect.right, rect.bottom}, bottom_right);
      canvas.FillSolid({rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottom_right);
    }
    rect.Shrink(1);
  }
}

}  // namespace twindir::toolkit
