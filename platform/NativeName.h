#pragma once
// Native (UTF-8) file names as the program may see them.
//
// A native name is reachable when code page 932 can hold it exactly and it
// holds no character Windows forbids in a name (`\ : * ? " < > |` and the
// control characters). Only reachable names are listed or matched: several
// native names can turn into one code page 932 name (U+301C and U+FF5E both
// become 81 60), and a name that does not come back unchanged would open
// another file than the one listed.

#include <array>
#include <string>
#include <string_view>

namespace twindir::platform {

namespace detail {
inline constexpr std::array<bool, 256> kForbiddenInName = [] {
  std::array<bool, 256> table{};
  for (int b = 0; b < 0x20; ++b) table[b] = true;
  for (const char c : std::string_view("\\/:*?\"<>|")) table[static_cast<unsigned char>(c)] = true;
  return table;
}();
}  // namespace detail

// True for a byte Windows forbids in a name (a separator, a wildcard, a
// control character). A table: every byte of every listed name comes here.
[[nodiscard]] constexpr bool IsForbiddenInName(char c) {
  return detail::kForbiddenInName[static_cast<unsigned char>(c)];
}

// Appends the code page 932 form of a reachable native name to cp932 and
// returns true; returns false and leaves cp932 as it was otherwise.
[[nodiscard]] bool AppendReachableName(std::string_view utf8_name, std::string& cp932);

// Equal under simple Unicode case folding, code point by code point, as
// Windows compares names (`Ａ` and `ａ` are equal; `ｱ`, `ア` and `あ` are not).
[[nodiscard]] bool CaselessEqual(std::string_view utf8_a, std::string_view utf8_b);

}  // namespace twindir::platform
