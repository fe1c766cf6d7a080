#include "toolkit/RecordingCanvas.h"

#include <algorithm>

namespace twindir::toolkit {

RecordingCanvas::RecordingCanvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}

void RecordingCanvas::FillSolid(const Rect& rect, Rgb color) {
  operations_.push_back({Operation::Kind::Fill, rect, color, {}, {}, {}, {}});
  for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, height_); ++y) {
    for (int x = std::max(rect.left, 0); x < std::min(rect.right, width_); ++x) {
      pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = color;
    }
  }
}

int RecordingCanvas::TextHeight(std::string_view) { return Font().height; }

void RecordingCanvas::DrawText(const Rect& rect, std::string_view text, Alignment alignment) {
  operations_.push_back({Operation::Kind::Text, rect, {}, std::string(text), alignment, Font(), Brush()});
}

void RecordingCanvas::StretchDraw(const Rect& rect, const Picture&) {
  operations_.push_back({Operation::Kind::Picture, rect, {}, {}, {}, {}, {}});
}

std::optional<Rgb> RecordingCanvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return std::nullopt;
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

}  // namespace twindir::toolkit
