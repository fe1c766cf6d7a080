#pragma once
// Where a panel paints itself. The canvas keeps a font and a brush; a
// backend supplies the drawing primitives.

#include <optional>
#include <string_view>

#include "toolkit/FontSpec.h"
#include "toolkit/Geometry.h"
#include "toolkit/Picture.h"
#include "toolkit/Rgb.h"
#include "toolkit/Styles.h"

namespace twindir::toolkit {

class Canvas {
 public:
  virtual ~Canvas() = default;

  void SetFont(const FontSpec& font) { font_ = font; }
  [[nodiscard]] const FontSpec& Font() const { return font_; }
  void SetBrushColor(Rgb color) { brush_ = color; }
  // A clear brush: text is drawn without a background, FillRect paints nothing.
  void SetBrushClear() { brush_.reset(); }
  [[nodiscard]] const std::optional<Rgb>& Brush() const { return brush_; }

  // Fills rect with the brush colour; nothing with a clear brush.
  void FillRect(const Rect& rect);

  // Paints every pixel of rect in color, whatever the brush.
  virtual void FillSolid(const Rect& rect, Rgb color) = 0;
  // The height of text in the current font.
  [[nodiscard]] virtual int TextHeight(std::string_view text) = 0;
  // One line of text (code page 932) in rect, in the current font: placed by
  // alignment, vertically centred, tabs expanded, an ampersand not drawn but
  // underlining the next character ("&&" draws one ampersand). With a solid
  // brush the text's background is painted in it.
  virtual void DrawText(const Rect& rect, std::string_view text, Alignment alignment) = 0;
  // Draws the picture's graphic stretched to fill rect exactly.
  virtual void StretchDraw(const Rect& rect, const Picture& picture) = 0;

 private:
  FontSpec font_;
  std::optional<Rgb> brush_;
};

// A three-dimensional frame of width pixels on rect: top and left edges in
// top_left, bottom and right edges in bottom_right (each ring's top-right
// and bottom-left corner pixels belong to the bottom-right colour). Shrinks
// rect by width on every side.
void Frame3D(Canvas& canvas, Rect& rect, Rgb top_left, Rgb bottom_right, int width);

}  // namespace twindir::toolkit
