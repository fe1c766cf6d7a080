#pragma once
// Colours as red, green and blue bytes, with the named and system colours
// the windows use. A window layout may give a colour as the toolkit's
// packed value (blue in the high byte: 15388601 is RGB 185, 207, 234).

#include <cstdint>
#include <string>

namespace twindir::toolkit {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  // From the packed value 0x00BBGGRR.
  [[nodiscard]] static constexpr Rgb FromPacked(std::uint32_t packed) {
    return {static_cast<std::uint8_t>(packed & 0xFF), static_cast<std::uint8_t>((packed >> 8) & 0xFF),
            static_cast<std::uint8_t>((packed >> 16) & 0xFF)};
  }

  // "#RRGGBB", upper-case hex digits.
  [[nodiscard]] std::string ToHex() const;

  friend constexpr bool operator==(Rgb, Rgb) = default;
};

namespace colors {
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Maroon{128, 0, 0};
inline constexpr Rgb Navy{0, 0, 128};
inline constexpr Rgb Teal{0, 128, 128};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Lime{0, 255, 0};
inline constexpr Rgb Yellow{255, 255, 0};
inline constexpr Rgb Silver{192, 192, 192};
inline constexpr Rgb Gray{128, 128, 128};
inline constexpr Rgb White{255, 255, 255};

// The system colours, fixed to the classic Windows scheme so that every
// window looks the same on every desktop.
inline constexpr Rgb ButtonFace{212, 208, 200};
inline constexpr Rgb ButtonHighlight = White;
inline constexpr Rgb ButtonShadow = Gray;
inline constexpr Rgb WindowText = Black;
inline constexpr Rgb WindowBackground = White;
inline constexpr Rgb Highlight{10, 36, 106};
inline constexpr Rgb HighlightText = White;
}  // namespace colors

}  // namespace twindir::toolkit
