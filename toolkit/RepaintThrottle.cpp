#include "toolkit/RepaintThrottle.h"

namespace twindir::toolkit {

bool RepaintThrottle::Request(Clock::time_point now) {
  if (painted_ && now - last_paint_ < interval_) return false;
  painted_ = true;
  last_paint_ = now;
  return true;
}

}  // namespace twindir::toolkit
