#include "platform/NameOrder.h"

#include <unicode/ucol.h>
#include <unicode/uset.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <mutex>
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

// Names made of printable ASCII characters alone, the most file names, are
// sorted by a table of the characters' ranks in the collator's order: the
// collator costs some thousand instructions a name.
constexpr char16_t kFirstPrintable = 0x20;
constexpr char16_t kLastPrintable = 0x7E;

bool IsPrintableAscii(char16_t c) { return c >= kFirstPrintable && c <= kLastPrintable; }

char16_t AsciiFolded(char c) { return static_cast<char16_t>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); }

// True when the locale's tailoring changes what a printable ASCII character
// or a string of them alone maps to (Danish "aa", Czech "ch"). Where it does
// not, they keep the root collation's elements: one each, with a primary
// weight of its own.
bool TailorsAscii(const UCollator* collator) {
  UErrorCode status = U_ZERO_ERROR;
  USet* tailored = ucol_getTailoredSet(collator, &status);
  bool found = U_FAILURE(status);
  for (std::int32_t i = 0; !found && i < uset_getItemCount(tailored); ++i) {
    UChar32 start = 0;
    UChar32 end = 0;
    char16_t text[64];
    UErrorCode item_status = U_ZERO_ERROR;
    const std::int32_t length = uset_getItem(tailored, i, &start, &end, text, 64, &item_status);
    if (U_FAILURE(item_status)) {
      found = true;
    } else if (length == 0) {  // a range of characters
      found = start <= kLastPrintable && end >= kFirstPrintable;
    } else {
      found = std::all_of(text, text + length, IsPrintableAscii);
    }
  }
  uset_close(tailored);
  return found;
}

}  // namespace

struct NameOrder::Impl {
  UCollator* collator = nullptr;
  // The rank of each folded printable character in the collator's order,
  // or all zero where the collator does not order such names character by
  // character on their primary weights. Working them out costs about as
  // much as sorting some thousand names by the collator, so they are worked
  // out once that many names were sorted.
  static constexpr std::size_t kNamesBeforeRanks = 4096;
  mutable std::atomic<std::size_t> names_sorted{0};
  mutable std::once_flag ranks_once;
  mutable std::array<unsigned char, 128> ascii_rank{};

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

  // Two folded names of printable ASCII characters compare as the collator
  // compares them: by their primary weights, one per character and no two
  // characters sharing one, they differ at the first character that
  // differs, and a name that is the start of another comes first. The other
  // levels are never reached, as equal primaries mean equal names.
  void RankAsciiCharacters() const {
    UErrorCode status = U_ZERO_ERROR;
    if (!collator || ucol_getAttribute(collator, UCOL_ALTERNATE_HANDLING, &status) != UCOL_NON_IGNORABLE ||
        ucol_getAttribute(collator, UCOL_NUMERIC_COLLATION, &status) != UCOL_OFF || U_FAILURE(status) ||
        TailorsAscii(collator)) {
      return;
    }
    std::vector<char16_t> folded;
    for (char16_t c = kFirstPrintable; c <= kLastPrintable; ++c) {
      if (AsciiFolded(static_cast<char>(c)) == c) folded.push_back(c);
    }
    std::sort(folded.begin(), folded.end(), [&](char16_t a, char16_t b) {
      return ucol_strcoll(collator, &a, 1, &b, 1) == UCOL_LESS;
    });
    for (std::size_t i = 0; i < folded.size(); ++i) ascii_rank[folded[i]] = static_cast<unsigned char>(i + 1);
    for (char c = 'A'; c <= 'Z'; ++c) ascii_rank[static_cast<unsigned char>(c)] = ascii_rank[AsciiFolded(c)];
  }

  // Whether a list of count names is sorted by the ranks where it can be.
  bool UseRanks(std::size_t count) const {
    if (names_sorted.fetch_add(count) + count < kNamesBeforeRanks) return false;
    std::call_once(ranks_once, [this] { RankAsciiCharacters(); });
    return true;
  }

  // The name's ranks, or false where a byte has none.
  bool AsciiRanks(std::string_view name, std::string& ranks) const {
    ranks.resize(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
      const auto byte = static_cast<unsigned char>(name[i]);
      if (byte >= ascii_rank.size() || ascii_rank[byte] == 0) return false;
      ranks[i] = static_cast<char>(ascii_rank[byte]);
    }
    return true;
  }

  static void Folded(std::string_view name, std::u16string& out) {
    DecodeForCollation(name, out);
    Fold(out);
  }

  // Where the collator finds two folded names equal (canonically equivalent
  // texts, such as a compatibility ideograph and its unified form), the
  // folded code points decide: only names that differ in letter case alone
  // are equal.
  int CompareFolded(const std::u16string& a, const std::u16string& b) const {
    const auto length_a = static_cast<std::int32_t>(a.size());
    const auto length_b = static_cast<std::int32_t>(b.size());
    if (collator) {
      const UCollationResult order = ucol_strcoll(collator, a.data(), length_a, b.data(), length_b);
      if (order != UCOL_EQUAL) return order == UCOL_LESS ? -1 : 1;
    }
    const std::int32_t order = u_strCompare(a.data(), length_a, b.data(), length_b, true);
    return (order > 0) - (order < 0);
  }
};

NameOrder::NameOrder() : impl_(std::make_unique<Impl>(LocaleFromEnvironment())) {}
NameOrder::NameOrder(const char* icu_locale) : impl_(std::make_unique<Impl>(icu_locale ? icu_locale : "ja")) {}
NameOrder::~NameOrder() = default;

int NameOrder::Compare(std::string_view a, std::string_view b) const {
  thread_local std::u16string folded_a;
  thread_local std::u16string folded_b;
  Impl::Folded(a, folded_a);
  Impl::Folded(b, folded_b);
  return impl_->CompareFolded(folded_a, folded_b);
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

// Compare's order, each name folded once: by the ranks where both names
// have them, by the collator otherwise.
std::vector<std::string> SortedNameList(std::vector<std::string> names, const NameOrder& order) {
  const NameOrder::Impl& impl = *order.impl_;
  struct Prepared {
    std::u16string folded;
    std::string ranks;
    bool ranked = false;
  };
  std::vector<Prepared> prepared(names.size());
  const bool use_ranks = impl.UseRanks(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    Prepared& p = prepared[i];
    p.ranked = use_ranks && impl.AsciiRanks(names[i], p.ranks);
    if (p.ranked) {
      for (const char c : names[i]) p.folded.push_back(AsciiFolded(c));
    } else {
      NameOrder::Impl::Folded(names[i], p.folded);
    }
  }
  const auto compare = [&](std::size_t a, std::size_t b) {
    const Prepared& pa = prepared[a];
    const Prepared& pb = prepared[b];
    if (pa.ranked && pb.ranked) return pa.ranks.compare(pb.ranks);
    return impl.CompareFolded(pa.folded, pb.folded);
  };
  std::vector<std::size_t> index(names.size());
  std::iota(index.begin(), index.end(), std::size_t{0});
  // Stable, so that of equal names the one given first comes first and stays.
  std::stable_sort(index.begin(), index.end(), [&](std::size_t a, std::size_t b) { return compare(a, b) < 0; });
  std::vector<std::string> sorted;
  sorted.reserve(names.size());
  for (std::size_t i = 0; i < index.size(); ++i) {
    if (i > 0 && compare(index[i], index[i - 1]) == 0) continue;
    sorted.push_back(std::move(names[index[i]]));
  }
  return sorted;
}

}  // namespace twindir::platform
