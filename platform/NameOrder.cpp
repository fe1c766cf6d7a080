#include "platform/NameOrder.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "platform/Cp932.h"
#include "platform/PathText.h"

namespace twindir::platform {

namespace {

// The ICU locale of the environment ("ja_JP.UTF-8" gives "ja_JP"), or "ja"
// where the environment names none.
std::string LocaleFromEnvironment() {
  for (const char* variable : {"LC_ALL", "LC_COLLATE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (!value || !*value) continue;
    std::string locale(value);
    locale = locale.substr(0, locale.find_first_of(".@"));
    if (locale.empty() || locale == "C" || locale == "POSIX") break;
    return locale;
  }
  return "ja";
}

void AppendUtf8AsUtf16(std::string_view utf8, std::u16string& out) {
  const std::size_t old_size = out.size();
  out.resize(old_size + utf8.size());  // never more code units than bytes
  std::int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(out.data() + old_size, static_cast<std::int32_t>(utf8.size()), &length, utf8.data(),
                       static_cast<std::int32_t>(utf8.size()), 0xFFFD, nullptr, &status);
  out.resize(U_SUCCESS(status) ? old_size + static_cast<std::size_t>(length) : old_size);
}

// The name as UTF-16 for the collator. Bytes that are not code page 932
// become private-use characters of their own, so that two different invalid
// names never compare equal.
void DecodeForCollation(std::string_view cp932, std::u16string& out) {
  out.clear();
  thread_local std::string utf8;
  utf8.clear();
  if (AppendCp932AsUtf8(cp932, utf8)) {
    AppendUtf8AsUtf16(utf8, out);
    return;
  }
  for (std::size_t i = 0; i < cp932.size();) {
    const std::size_t length = IsLeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size() ? 2 : 1;
    utf8.clear();
    if (AppendCp932AsUtf8(cp932.substr(i, length), utf8)) {
      AppendUtf8AsUtf16(utf8, out);
    } else {
      for (std::size_t k = i; k < i + length; ++k) {
        out.push_back(static_cast<char16_t>(0xF700 + static_cast<unsigned char>(cp932[k])));
      }
    }
    i += length;
  }
}

// Case folding, so that the collator sees names that differ in letter case
// as one text.
void Fold(std::u16string& text) {
  thread_local std::u16string folded;
  folded.resize(text.size() * 3 + 1);  // full folding grows a text at most threefold
  UErrorCode status = U_ZERO_ERROR;
  const std::int32_t length =
      u_strFoldCase(folded.data(), static_cast<std::int32_t>(folded.size()), text.data(),
                    static_cast<std::int32_t>(text.size()), U_FOLD_CASE_DEFAULT, &status);
  if (U_SUCCESS(status)) text.assign(folded.data(), static_cast<std::size_t>(length));
}

}  // namespace

struct NameOrder::Impl {
  UCollator* collator = nullptr;

  explicit Impl(const std::string& locale) {
    for (const std::string& candidate : {locale, std::string("ja"), std::string()}) {
      UErrorCode status = U_ZERO_ERROR;
      collator = ucol_open(candidate.c_str(), &status);
      if (U_SUCCESS(status)) break;
      collator = nullptr;
    }
    if (collator) {
      UErrorCode status = U_ZERO_ERROR;
      ucol_setStrength(collator, UCOL_IDENTICAL);
      ucol_setAttribute(collator, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    }
  }
  ~Impl() {
    if (collator) ucol_close(collator);
  }

  static void Folded(std::string_view name, std::u16string& out) {
    DecodeForCollation(name, out);
    Fold(out);
  }
};

NameOrder::NameOrder() : impl_(std::make_unique<Impl>(LocaleFromEnvironment())) {}
NameOrder::NameOrder(const char* icu_locale) : impl_(std::make_unique<Impl>(icu_locale ? icu_locale : "ja")) {}
NameOrder::~NameOrder() = default;

// Where the collator finds two folded names equal (canonically equivalent
// texts, such as a compatibility ideograph and its unified form), the
// folded code points decide: only names that differ in letter case alone
// are equal.
int NameOrder::Compare(std::string_view a, std::string_view b) const {
  thread_local std::u16string folded_a;
  thread_local std::u16string folded_b;
  Impl::Folded(a, folded_a);
  Impl::Folded(b, folded_b);
  const auto length_a = static_cast<std::int32_t>(folded_a.size());
  const auto length_b = static_cast<std::int32_t>(folded_b.size());
  if (impl_->collator) {
    const UCollationResult order =
        ucol_strcoll(impl_->collator, folded_a.data(), length_a, folded_b.data(), length_b);
    if (order != UCOL_EQUAL) return order == UCOL_LESS ? -1 : 1;
  }
  const std::int32_t order = u_strCompare(folded_a.data(), length_a, folded_b.data(), length_b, true);
  return (order > 0) - (order < 0);
}

// The collator's key (it holds no zero byte), a zero byte, and the folded
// text as UTF-8, whose byte order is the code point order of the tie-break.
std::string NameOrder::SortKey(std::string_view name) const {
  thread_local std::u16string folded;
  Impl::Folded(name, folded);
  const auto length = static_cast<std::int32_t>(folded.size());
  std::string key;
  if (impl_->collator) {
    key.resize(static_cast<std::size_t>(length) * 8 + 16);
    for (;;) {
      const std::int32_t needed = ucol_getSortKey(impl_->collator, folded.data(), length,
                                                  reinterpret_cast<std::uint8_t*>(key.data()),
                                                  static_cast<std::int32_t>(key.size()));
      if (needed <= static_cast<std::int32_t>(key.size())) {
        key.resize(needed > 0 ? static_cast<std::size_t>(needed) - 1 : 0);  // drop ICU's terminator
        break;
      }
      key.resize(static_cast<std::size_t>(needed));
    }
  }
  key.push_back('\0');
  std::int32_t utf8_length = 0;
  UErrorCode status = U_ZERO_ERROR;
  const std::size_t old_size = key.size();
  key.resize(old_size + static_cast<std::size_t>(length) * 3);
  u_strToUTF8WithSub(key.data() + old_size, length * 3, &utf8_length, folded.data(), length, 0xFFFD, nullptr,
                     &status);
  key.resize(old_size + (U_SUCCESS(status) ? static_cast<std::size_t>(utf8_length) : 0));
  return key;
}

std::vector<std::string> SortedNameList(std::vector<std::string> names, const NameOrder& order) {
  std::vector<std::string> keys;
  keys.reserve(names.size());
  for (const std::string& name : names) keys.push_back(order.SortKey(name));
  std::vector<std::size_t> index(names.size());
  std::iota(index.begin(), index.end(), std::size_t{0});
  // Stable, so that of equal names the one given first comes first and stays.
  std::stable_sort(index.begin(), index.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<std::string> sorted;
  sorted.reserve(names.size());
  for (std::size_t i = 0; i < index.size(); ++i) {
    if (i > 0 && keys[index[i]] == keys[index[i - 1]]) continue;
    sorted.push_back(std::move(names[index[i]]));
  }
  return sorted;
}

}  // namespace twindir::platform
