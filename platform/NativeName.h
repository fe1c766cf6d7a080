#pragma once
// Native (UTF-8) file names as the program may see them.
//
// A native name is reachable when code page 932 can hold it exactly and it
// holds no character Windows forbids in a name (`\ : * ? " < > |` and the
// control characters). Only reachable names are listed or matched: several
// native names can turn into one code page 932 name (U+301C and U+FF5E both
// become 81 60), and a name that does not come back unchanged would open
// another file than the one listed.

#include <string>
#include <string_view>

namespace twindir::platform {

// True for a byte Windows forbids in a name (a separator, a wildcard, a
// control character).
[[nodiscard]] constexpr bool IsForbiddenInName(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b < 0x20 || c == '\\' || c == '/' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
         c == '>' || c == '|';
}

// Appends the code page 932 form of a reachable native name to cp932 and
// returns true; returns false and leaves cp932 as it was otherwise.
[[nodiscard]] bool AppendReachableName(std::string_view utf8_name, std::string& cp932);

// Equal under simple Unicode case folding, code point by code point, as
// Windows compares names (`Ａ` and `ａ` are equal; `ｱ`, `ア` and `あ` are not).
[[nodiscard]] bool CaselessEqual(std::string_view utf8_a, std::string_view utf8_b);

}  // namespace twindir::platform
