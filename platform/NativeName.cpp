#include "platform/NativeName.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>

#include "platform/Cp932.h"

namespace twindir::platform {

bool AppendReachableName(std::string_view utf8_name, std::string& cp932) {
  if (std::any_of(utf8_name.begin(), utf8_name.end(), IsForbiddenInName)) return false;
  const std::size_t old_size = cp932.size();
  if (!AppendUtf8AsCp932(utf8_name, cp932)) return false;
  const std::string_view converted = std::string_view(cp932).substr(old_size);
  if (converted.size() == utf8_name.size() && converted == utf8_name) return true;  // ASCII
  thread_local std::string back;
  back.clear();
  if (!AppendCp932AsUtf8(converted, back) || back != utf8_name) {
    cp932.resize(old_size);
    return false;
  }
  return true;
}

bool CaselessEqual(std::string_view utf8_a, std::string_view utf8_b) {
  const auto* a = reinterpret_cast<const std::uint8_t*>(utf8_a.data());
  const auto* b = reinterpret_cast<const std::uint8_t*>(utf8_b.data());
  const auto a_size = static_cast<std::int32_t>(utf8_a.size());
  const auto b_size = static_cast<std::int32_t>(utf8_b.size());
  std::int32_t i = 0;
  std::int32_t j = 0;
  while (i < a_size && j < b_size) {
    UChar32 ca = 0;
    UChar32 cb = 0;
    U8_NEXT(a, i, a_size, ca);
    U8_NEXT(b, j, b_size, cb);
    if (ca < 0 || cb < 0) return false;  // not UTF-8: only an exact match may find it
    if (ca != cb && u_foldCase(ca, U_FOLD_CASE_DEFAULT) != u_foldCase(cb, U_FOLD_CASE_DEFAULT)) return false;
  }
  return i == a_size && j == b_size;
}

}  // namespace twindir::platform
