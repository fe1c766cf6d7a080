#include "toolkit/Styles.h"

namespace twindir::toolkit {

const char* ToString(BorderStyle style) {
  switch (style) {
    case BorderStyle::None: return "None";
    case BorderStyle::Single: return "Single";
    case BorderStyle::Sizeable: return "Sizeable";
  }
  return "";
}

const char* ToString(ScrollBars bars) {
  switch (bars) {
    case ScrollBars::None: return "None";
    case ScrollBars::Vertical: return "Vertical";
    case ScrollBars::Horizontal: return "Horizontal";
    case ScrollBars::Both: return "Both";
  }
  return "";
}

const char* ToString(Alignment alignment) {
  switch (alignment) {
    case Alignment::Left: return "Left";
    case Alignment::Right: return "Right";
    case Alignment::Center: return "Center";
  }
  return "";
}

const char* ToString(BevelKind kind) {
  switch (kind) {
    case BevelKind::None: return "None";
    case BevelKind::Lowered: return "Lowered";
    case BevelKind::Raised: return "Raised";
  }
  return "";
}

}  // namespace twindir::toolkit
