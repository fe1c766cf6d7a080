#pragma once
// A canvas without a screen, for tests: it paints solid fills into a pixel
// raster and records every drawing call in order.

#include <optional>
#include <string>
#include <vector>

#include "toolkit/Canvas.h"

namespace twindir::toolkit {

class RecordingCanvas : public Canvas {
 public:
  struct Operation {
    enum class Kind { Fill, Text, Picture };
    Kind kind;
    Rect rect;
    Rgb color;                 // Fill
    std::string text;          // Text
    Alignment alignment{};     // Text
    FontSpec font;             // Text
    std::optional<Rgb> brush;  // Text: the background, if painted
  };

  RecordingCanvas(int width, int height);

  void FillSolid(const Rect& rect, Rgb color) override;
  // The font's height in pixels, for every text.
  int TextHeight(std::string_view text) override;
  void DrawText(const Rect& rect, std::string_view text, Alignment alignment) override;
  void StretchDraw(const Rect& rect, const Picture& picture) override;

  // The colour last filled at x, y; nullopt where nothing was filled.
  [[nodiscard]] std::optional<Rgb> Pixel(int x, int y) const;
  [[nodiscard]] const std::vector<Operation>& Operations() const { return operations_; }

 private:
  int width_;
  int height_;
  std::vector<std::optional<Rgb>> pixels_;
  std::vector<Operation> operations_;
};

}  // namespace twindir::toolkit
