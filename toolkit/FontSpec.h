#pragma once
// A control's font: name (code page 932), height in pixels, bold, colour.

#include <string>

#include "toolkit/Rgb.h"

namespace twindir::toolkit {

struct FontSpec {
  std::string name;
  int height = 13;  // pixels, the character height without leading
  bool bold = false;
  Rgb color = colors::WindowText;

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The font a new form starts with: the Japanese proportional Gothic,
// 13 pixels, regular, in the window-text colour.
[[nodiscard]] FontSpec DefaultFont();

}  // namespace twindir::toolkit
