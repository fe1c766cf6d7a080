// The sorted name list against its definition: ascending by the sort key,
// the first of names with equal keys kept. Once enough names were sorted,
// names of printable ASCII alone are sorted by a table of character ranks,
// the others by the collator; random lists of both kinds, in several
// locales, must come out as the keys order them, before and after.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "platform/NameOrder.h"
#include "tests/support/TempDrives.h"

namespace twindir::platform {
namespace {

std::vector<std::string> ByKeys(const std::vector<std::string>& names, const NameOrder& order) {
  std::vector<std::string> keys;
  for (const std::string& name : names) keys.push_back(order.SortKey(name));
  std::vector<std::size_t> index(names.size());
  std::iota(index.begin(), index.end(), std::size_t{0});
  std::stable_sort(index.begin(), index.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<std::string> sorted;
  for (std::size_t i = 0; i < index.size(); ++i) {
    if (i == 0 || keys[index[i]] != keys[index[i - 1]]) sorted.push_back(names[index[i]]);
  }
  return sorted;
}

// Printable ASCII in every place (letters of both cases, digits, each
// punctuation mark, blanks), short enough that names often share a start
// or repeat, with Japanese and other non-ASCII names among them.
std::vector<std::string> RandomNames(std::mt19937& random) {
  static const std::vector<std::string> kOthers = {
      test_support::Sjis("あ.txt"), test_support::Sjis("ア.txt"), test_support::Sjis("ｱ.txt"),
      test_support::Sjis("資料.txt"), test_support::Sjis("Ａ.txt"), test_support::Sjis("ａ.TXT"),
      test_support::Sjis("a資料"),   test_support::Sjis("ﾃﾞｰﾀ"),   "a\x7F",  "\xA0",
  };
  std::uniform_int_distribution<int> length(0, 6);
  std::uniform_int_distribution<int> printable(0x20, 0x7E);
  std::uniform_int_distribution<int> narrow(0, 5);  // a few characters, for prefixes and repeats
  std::uniform_int_distribution<std::size_t> other(0, kOthers.size() - 1);
  std::uniform_int_distribution<int> percent(0, 99);
  std::vector<std::string> names(std::uniform_int_distribution<int>(0, 60)(random));
  for (std::string& name : names) {
    if (percent(random) < 15) {
      name = kOthers[other(random)];
      continue;
    }
    const int n = length(random);
    for (int i = 0; i < n; ++i) {
      name.push_back(static_cast<char>(percent(random) < 50 ? "aAb.-1 "[narrow(random)] : printable(random)));
    }
    if (percent(random) < 10) name += kOthers[other(random)];
  }
  return names;
}

TEST(SortedNameList, OrdersAsTheSortKeysInEveryLocale) {
  // Danish sorts "aa" as one letter after "z": no character-by-character order.
  for (const char* locale : {"ja", "en_US", "da", "de", ""}) {
    const NameOrder order(locale);
    std::mt19937 random(7);
    for (int round = 0; round < 400; ++round) {
      const std::vector<std::string> names = RandomNames(random);
      ASSERT_EQ(SortedNameList(names, order), ByKeys(names, order)) << locale << ", round " << round;
    }
  }
}

TEST(SortedNameList, DanishDoubleAAfterZ) {
  const NameOrder order("da");
  (void)SortedNameList(std::vector<std::string>(5000, "x"), order);  // enough names for the ranks
  EXPECT_EQ(SortedNameList({"aa.txt", "z.txt", "ab.txt"}, order),
            (std::vector<std::string>{"ab.txt", "z.txt", "aa.txt"}));
}

}  // namespace
}  // namespace twindir::platform
