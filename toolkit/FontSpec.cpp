#include "toolkit/FontSpec.h"

#include "toolkit/ToolkitTexts.h"

namespace twindir::toolkit {

FontSpec DefaultFont() { return FontSpec{std::string(texts::MsPGothic), 13, false, colors::WindowText}; }

}  // namespace twindir::toolkit
