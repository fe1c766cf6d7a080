#pragma once
// A picture: empty, or holding one graphic as 32-bit pixels.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace twindir::toolkit {

struct Bitmap {
  int width = 0;
  int height = 0;
  // Row by row from the top, each pixel 0xAARRGGBB (alpha 0 is transparent).
  std::vector<std::uint32_t> pixels;

  friend bool operator==(const Bitmap&, const Bitmap&) = default;
};

class Picture {
 public:
  [[nodiscard]] bool Empty() const { return !graphic_; }
  // The graphic, or nullptr when the picture is empty.
  [[nodiscard]] const Bitmap* Graphic() const { return graphic_ ? &*graphic_ : nullptr; }
  // A bitmap of no pixels leaves the picture empty.
  void SetGraphic(Bitmap bitmap);
  void Clear() { graphic_.reset(); }
  // Copies the other picture's graphic (or its emptiness) into this one.
  void Assign(const Picture& other) { graphic_ = other.graphic_; }
  // "WIDTHxHEIGHT", or "empty", for property listings.
  [[nodiscard]] std::string Summary() const;

 private:
  std::optional<Bitmap> graphic_;
};

}  // namespace twindir::toolkit
