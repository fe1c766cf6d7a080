#include "windows/ProgramIcon.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace twindir {

namespace {

// One character a pixel; '.' is transparent.
// clang-format off
constexpr std::array<std::string_view, 32> kRows{
    "................................",
    "..kkkkkkkggggggggggggggkkk......",
    "..knnnnnngssssssssssssgnnnk.....",
    "..knnnnnngsssskkkkssssgnnnnk....",
    "..knnnnnngsssskkkkssssgnnnnnk...",
    "..knnnnnngsssskkkkssssgnnnnnnk..",
    "..knnnnnngsssskkkkssssgnnnnnnk..",
    "..knnnnnngsssskkkkssssgnnnnnnk..",
    "..knnnnnngsssskkkkssssgnnnnnnk..",
    "..knnnnnngsssskkkkssssgnnnnnnk..",
    "..knnnnnngsssskkkkssssgnnnnnnk..",
    "..knnnnnngsssskkkkssssgnnnnnnk..",
    "..knnnnnngssssssssssssgnnnnnnk..",
    "..knnnnnngssssssssssssgnnnnnnk..",
    "..knnnnnnggggggggggggggnnnnnnk..",
    "..knnnnnnnnnnnnnnnnnnnnnnnnnnk..",
    "..knnnnnnnnnnnnnnnnnnnnnnnnnnk..",
    "..knnggggggggggggggggggggggnnk..",
    "..knngwwwwwwwwwwwwllwwwwwwgnnk..",
    "..knngwwllllllllllllllwwwwgnnk..",
    "..knngwwlllllllllllllllwwwgnnk..",
    "..knngwwllllllllllllllwwwwgnnk..",
    "..knngwwwwwwwwwwwwllwwwwwwgnnk..",
    "..knngwwwwwwwwwwwwwwwwwwwwgnnk..",
    "..knngwwwwwwrrwwwwwwwwwwwwgnnk..",
    "..knngwwwwrrrrrrrrrrrrrrwwgnnk..",
    "..knngwwwrrrrrrrrrrrrrrrwwgnnk..",
    "..knngwwwwrrrrrrrrrrrrrrwwgnnk..",
    "..knngwwwwwwrrwwwwwwwwwwwwgnnk..",
    "..knnggggggggggggggggggggggnnk..",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    "................................",
};
// clang-format on

// Colours of the 16-colour palette, as 0xAARRGGBB.
constexpr std::uint32_t PixelOf(char c) {
  switch (c) {
    case 'k':
      return 0xFF000000;  // black
    case 'n':
      return 0xFF000080;  // navy
    case 'g':
      return 0xFF808080;  // grey
    case 's':
      return 0xFFC0C0C0;  // silver
    case 'w':
      return 0xFFFFFFFF;  // white
    case 'l':
      return 0xFF00FF00;  // lime
    case 'r':
      return 0xFF800000;  // maroon
    default:
      return 0x00000000;  // transparent
  }
}

}  // namespace

toolkit::Picture ProgramIcon() {
  toolkit::Bitmap bitmap{32, 32, {}};
  bitmap.pixels.reserve(32 * 32);
  for (std::string_view row : kRows) {
    for (char c : row) bitmap.pixels.push_back(PixelOf(c));
  }
  toolkit::Picture picture;
  picture.SetGraphic(std::move(bitmap));
  return picture;
}

}  // namespace twindir
