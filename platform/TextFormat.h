#pragma once
// printf-style formatting into a std::string. The program's texts are code
// page 932 bytes; "%s" copies bytes unchanged, so formatting is safe for them.

#include <string>

namespace twindir::platform {

[[nodiscard]] std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace twindir::platform
