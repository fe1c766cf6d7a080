#pragma once
// The program's clock in a scenario: the computer's local time until a
// `clock` line fixes it, so that the dates in a report are reproducible.

#include <optional>

#include "platform/Clock.h"
#include "platform/LinuxFileSystem.h"

namespace twindir::scenario {

class ScenarioClock : public platform::Clock {
 public:
  void Fix(const platform::LocalTime& time) { fixed_ = time; }
  platform::LocalTime Now() override { return fixed_ ? *fixed_ : system_.Now(); }

 private:
  std::optional<platform::LocalTime> fixed_;
  platform::SystemClock system_;
};

}  // namespace twindir::scenario
