#pragma once
// Conversion between code page 932 (the program's texts and paths) and
// UTF-8 (native file names, Qt, scenario files), with glibc's iconv "CP932":
// control bytes map to themselves, and what cannot be converted is an error,
// never silently changed into another text.

#include <optional>
#include <string>
#include <string_view>

namespace twindir::platform {

// nullopt when the bytes are not valid code page 932.
[[nodiscard]] std::optional<std::string> Cp932ToUtf8(std::string_view cp932);

// nullopt when the text is not valid UTF-8 or holds a character that code
// page 932 cannot hold.
[[nodiscard]] std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// For display only: invalid bytes become U+FFFD.
[[nodiscard]] std::string Cp932ToUtf8Lossy(std::string_view cp932);

// The same conversions appending to out, for callers that reuse a buffer.
// On failure they return false and leave out as it was.
[[nodiscard]] bool AppendCp932AsUtf8(std::string_view cp932, std::string& out);
[[nodiscard]] bool AppendUtf8AsCp932(std::string_view utf8, std::string& out);

}  // namespace twindir::platform
