#pragma once
// Limits immediate repaints of a window to one per interval.
//
// A run that repaints a label per file would spend most of its time
// drawing. A request that comes too soon after the last paint is dropped:
// the window keeps its last drawn state until the next request after the
// interval, and the event loop draws the final state once it gets control
// again (every change also asks for an ordinary, deferred update).

#include <chrono>

namespace twindir::toolkit {

class RepaintThrottle {
 public:
  using Clock = std::chrono::steady_clock;

  explicit RepaintThrottle(Clock::duration interval) : interval_(interval) {}

  // True when the window should paint now.
  [[nodiscard]] bool Request(Clock::time_point now);

 private:
  Clock::duration interval_;
  bool painted_ = false;
  Clock::time_point last_paint_{};
};

}  // namespace twindir::toolkit
