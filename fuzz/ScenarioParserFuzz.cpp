// The scenario parser: every line of the input parses to a command, to
// nothing, or to an error saying why, and a date and time it accepts is a
// real calendar moment.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "scenario/ScenarioParser.h"

using namespace twindir::scenario;

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

void CheckDateTime(const DateTime& t) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  FUZZ_CHECK(t.month >= 1 && t.month <= 12);
  const int days = kDays[t.month - 1] + (t.month == 2 && IsLeapYear(t.year) ? 1 : 0);
  FUZZ_CHECK(t.day >= 1 && t.day <= days);
  FUZZ_CHECK(t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59);
  FUZZ_CHECK(t.second >= 0 && t.second <= 59);
  FUZZ_CHECK(t.nanosecond >= 0 && t.nanosecond <= 999'999'999);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const std::string_view line : SplitLines(text)) {
    FUZZ_CHECK(line.find('\n') == std::string_view::npos);
    const ParsedLine parsed = ParseLine(line);
    FUZZ_CHECK(!(parsed.command.has_value() && !parsed.ok()));
    if (const auto* file = parsed.command ? std::get_if<FileCommand>(&*parsed.command) : nullptr) {
      CheckDateTime(file->time);
    }
    if (const auto* clock =
            parsed.command ? std::get_if<ClockCommand>(&*parsed.command) : nullptr) {
      CheckDateTime(clock->time);
    }
  }
  if (const auto moment = ParseDateTime(text)) CheckDateTime(*moment);
  return 0;
}
