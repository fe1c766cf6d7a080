#include <gtest/gtest.h>

#include <array>

#include "toolkit/RecordingCanvas.h"
#include "toolkit/RepaintThrottle.h"

namespace twindir::toolkit {
namespace {

constexpr Rgb T{1, 1, 1};  // top-left colour
constexpr Rgb B{2, 2, 2};  // bottom-right colour

TEST(Frame3DTest, PaintsTheClassicRingsAndShrinksTheRectangle) {
  RecordingCanvas canvas(5, 4);
  Rect rect{0, 0, 5, 4};
  Frame3D(canvas, rect, T, B, 1);
  EXPECT_EQ(rect, (Rect{1, 1, 4, 3}));

  // Row by row: the top-right and bottom-left corners go to the bottom-right colour.
  const std::array<std::array<std::optional<Rgb>, 5>, 4> expected{{
      {T, T, T, T, B},
      {T, std::nullopt, std::nullopt, std::nullopt, B},
      {T, std::nullopt, std::nullopt, std::nullopt, B},
      {B, B, B, B, B},
  }};
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(canvas.Pixel(x, y), expected[y][x]) << "pixel " << x << "," << y;
  }
}

TEST(Frame3DTest, AWiderFrameDrawsNestedRingsAndShrinksByItsWidth) {
  RecordingCanvas canvas(6, 6);
  Rect rect{0, 0, 6, 6};
  Frame3D(canvas, rect, T, B, 2);
  EXPECT_EQ(rect, (Rect{2, 2, 4, 4}));
  EXPECT_EQ(canvas.Pixel(1, 1), T);
  EXPECT_EQ(canvas.Pixel(4, 4), B);
  EXPECT_EQ(canvas.Pixel(2, 2), std::nullopt);
}

TEST(Frame3DTest, AZeroWidthFrameDrawsNothing) {
  RecordingCanvas canvas(3, 3);
  Rect rect{0, 0, 3, 3};
  Frame3D(canvas, rect, T, B, 0);
  EXPECT_EQ(rect, (Rect{0, 0, 3, 3}));
  EXPECT_TRUE(canvas.Operations().empty());
}

TEST(RepaintThrottleTest, PaintsAtMostOncePerInterval) {
  using namespace std::chrono_literals;
  RepaintThrottle throttle(40ms);
  const RepaintThrottle::Clock::time_point start{};
  EXPECT_TRUE(throttle.Request(start)) << "the first request paints";
  EXPECT_FALSE(throttle.Request(start + 10ms));
  EXPECT_FALSE(throttle.Request(start + 39ms));
  EXPECT_TRUE(throttle.Request(start + 40ms));
  EXPECT_FALSE(throttle.Request(start + 79ms)) << "the interval counts from the last paint";
  EXPECT_TRUE(throttle.Request(start + 200ms));
}

}  // namespace
}  // namespace twindir::toolkit
