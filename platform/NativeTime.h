#pragma once
// File times between the kernel's timespec and the program's FileTime
// (100-nanosecond units since 1601-01-01 00:00 UTC).

#include <time.h>

#include "platform/FileSystem.h"

namespace twindir::platform {

inline constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
inline constexpr std::int64_t kFileTimeUnitsPerSecond = 10'000'000;

[[nodiscard]] constexpr FileTime FileTimeFromTimespec(const timespec& time) {
  return (static_cast<std::int64_t>(time.tv_sec) + kSecondsFrom1601To1970) * kFileTimeUnitsPerSecond +
         time.tv_nsec / 100;
}

[[nodiscard]] constexpr timespec TimespecFromFileTime(FileTime time) {
  std::int64_t seconds = time / kFileTimeUnitsPerSecond;
  std::int64_t units = time % kFileTimeUnitsPerSecond;
  if (units < 0) {  // before 1601: the remainder of a floor division is never negative
    units += kFileTimeUnitsPerSecond;
    --seconds;
  }
  timespec out{};
  out.tv_sec = static_cast<time_t>(seconds - kSecondsFrom1601To1970);
  out.tv_nsec = static_cast<long>(units * 100);
  return out;
}

}  // namespace twindir::platform
