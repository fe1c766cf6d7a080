#include "toolkit/RepaintThrottle.h"

namespace twindir::toolkit {

bool RepaintThrottle::Request(Clock::time_point now) {
  if (painted_ && now - last_paint_ < interval_) {
    pending_ = true;
    return false;
  }
  painted_ = true;
  last_paint_ = now;
  pending_ = false;
  return true;
}

bool RepaintThrottle::TakePending() {
  const bool pending = pending_;
  pending_ = false;
  return pending;
}

}  // namespace twindir::toolkit
