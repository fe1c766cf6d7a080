#pragma once
// Limits immediate repaints of a window to one per interval.
//
// A run that repaints a label per file would spend most of its time
// drawing. A request that comes too soon after the last paint is kept as
// pending instead; the next request after the interval paints, and the
// backend flushes a pending one when the event loop gets control again or
// the window hides, so the window always ends on its last state.

#include <chrono>

namespace twindir::toolkit {

class RepaintThrottle {
 public:
  using Clock = std::chrono::steady_clock;

  explicit RepaintThrottle(Clock::duration interval) : interval_(interval) {}

  // True when the window should paint now; otherwise the request stays pending.
  [[nodiscard]] bool Request(Clock::time_point now);
  // True when a request is pending (and forgets it): the caller paints.
  [[nodiscard]] bool TakePending();

 private:
  Clock::duration interval_;
  bool painted_ = false;
  Clock::time_point last_paint_{};
  bool pending_ = false;
};

}  // namespace twindir::toolkit
