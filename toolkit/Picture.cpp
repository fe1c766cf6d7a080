#include "toolkit/Picture.h"

#include <stdexcept>

namespace twindir::toolkit {

void Picture::SetGraphic(Bitmap bitmap) {
  if (bitmap.width <= 0 || bitmap.height <= 0) {
    graphic_.reset();
    return;
  }
  if (bitmap.pixels.size() != static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height)) {
    throw std::invalid_argument("bitmap pixels do not match its size");
  }
  graphic_ = std::move(bitmap);
}

std::string Picture::Summary() const {
  if (!graphic_) return "empty";
  return std::to_string(graphic_->width) + "x" + std::to_string(graphic_->height);
}

}  // namespace twindir::toolkit
