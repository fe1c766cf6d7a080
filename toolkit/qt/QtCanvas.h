#pragma once
// The toolkit's canvas over a QPainter.

#include <QPainter>

#include "toolkit/Canvas.h"

namespace twindir::toolkit::qt {

class QtCanvas : public Canvas {
 public:
  explicit QtCanvas(QPainter& painter) : painter_(painter) {}

  void FillSolid(const Rect& rect, Rgb color) override;
  int TextHeight(std::string_view text) override;
  void DrawText(const Rect& rect, std::string_view text, Alignment alignment) override;
  void StretchDraw(const Rect& rect, const Picture& picture) override;

 private:
  QPainter& painter_;
};

}  // namespace twindir::toolkit::qt
