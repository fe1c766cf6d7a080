// The code page 932 conversion: decoding and encoding agree with each
// other, a failed conversion leaves the output alone, and a native name the
// program lists comes back from its code page 932 form byte for byte (a
// name that does not could open another file).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "platform/Cp932.h"
#include "platform/NativeName.h"

using namespace twindir::platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // As code page 932: what decodes encodes again to a text that decodes the same.
  if (const auto utf8 = Cp932ToUtf8(bytes)) {
    const auto again = Utf8ToCp932(*utf8);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(Cp932ToUtf8(*again) == utf8);
  }
  std::string out = "kept";
  if (!AppendCp932AsUtf8(bytes, out)) FUZZ_CHECK(out == "kept");
  (void)Cp932ToUtf8Lossy(bytes);

  // As UTF-8: what encodes decodes to a text that encodes the same.
  if (const auto cp932 = Utf8ToCp932(bytes)) {
    const auto utf8 = Cp932ToUtf8(*cp932);
    FUZZ_CHECK(utf8.has_value());
    FUZZ_CHECK(Utf8ToCp932(*utf8) == cp932);
  }
  out = "kept";
  if (!AppendUtf8AsCp932(bytes, out)) FUZZ_CHECK(out == "kept");

  // As a native name: a reachable one is exactly what its code page 932 form names.
  std::string name;
  if (AppendReachableName(bytes, name)) {
    FUZZ_CHECK(Cp932ToUtf8(name) == std::string(bytes));
    for (const char c : bytes) FUZZ_CHECK(!IsForbiddenInName(c));
  }
  return 0;
}
