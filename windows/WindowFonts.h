#pragma once
// The fonts of the windows: the Japanese proportional Gothic, bold, at the
// layout's pixel heights.

#include <string>

#include "toolkit/FontSpec.h"
#include "toolkit/Rgb.h"
#include "toolkit/ToolkitTexts.h"

namespace twindir {

[[nodiscard]] inline toolkit::FontSpec GothicBold(int height, toolkit::Rgb color) {
  return {std::string(toolkit::texts::MsPGothic), height, true, color};
}

}  // namespace twindir
