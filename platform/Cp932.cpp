#include "platform/Cp932.h"

#include <iconv.h>

#include <algorithm>

#include "platform/PathText.h"

namespace twindir::platform {

namespace {

// One iconv descriptor per direction and thread, opened on first use:
// opening a converter costs far more than a file name's conversion.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (valid()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Appends the conversion of in to out; max_growth bounds the output bytes
  // per input byte, so one call always has room.
  bool Append(std::string_view in, std::size_t max_growth, std::string& out) {
    if (!valid()) return false;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    const std::size_t old_size = out.size();
    out.resize(old_size + in.size() * max_growth);
    char* src = const_cast<char*>(in.data());  // iconv's signature; the input is not written
    std::size_t src_left = in.size();
    char* dst = out.data() + old_size;
    std::size_t dst_left = in.size() * max_growth;
    const std::size_t done = iconv(cd_, &src, &src_left, &dst, &dst_left);
    if (done == static_cast<std::size_t>(-1) || src_left != 0) {
      out.resize(old_size);
      return false;
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
    return true;
  }

 private:
  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t cd_;
};

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

// ASCII, control bytes included, is itself in both encodings (glibc maps 0x5C
// and 0x7E to the backslash and tilde), so most names skip iconv entirely.
bool AppendCp932AsUtf8(std::string_view cp932, std::string& out) {
  if (IsAscii(cp932)) {
    out.append(cp932);
    return true;
  }
  thread_local Converter converter("UTF-8", "CP932");
  return converter.Append(cp932, 3, out);  // one byte gives at most three (half-width katakana)
}

bool AppendUtf8AsCp932(std::string_view utf8, std::string& out) {
  if (IsAscii(utf8)) {
    out.append(utf8);
    return true;
  }
  thread_local Converter converter("CP932", "UTF-8");
  return converter.Append(utf8, 1, out);  // no character takes more bytes in code page 932
}

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  std::string out;
  if (!AppendCp932AsUtf8(cp932, out)) return std::nullopt;
  return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  std::string out;
  if (!AppendUtf8AsCp932(utf8, out)) return std::nullopt;
  return out;
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
  std::string out;
  if (AppendCp932AsUtf8(cp932, out)) return out;
  // Character by character, so that one bad byte spoils only itself.
  for (std::size_t i = 0; i < cp932.size();) {
    const bool two = IsLeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size();
    const std::size_t length = two ? 2 : 1;
    if (!AppendCp932AsUtf8(cp932.substr(i, length), out)) out.append("\xEF\xBF\xBD");
    i += length;
  }
  return out;
}

}  // namespace twindir::platform
