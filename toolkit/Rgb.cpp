#include "toolkit/Rgb.h"

#include <cstdio>

namespace twindir::toolkit {

std::string Rgb::ToHex() const {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", red, green, blue);
  return text;
}

}  // namespace twindir::toolkit
