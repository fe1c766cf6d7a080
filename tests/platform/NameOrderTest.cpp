#include "platform/NameOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDrives.h"

namespace twindir::platform {
namespace {

using test_support::ScopedEnv;
using test_support::Sjis;

std::vector<std::string> SjisAll(const std::vector<std::string>& utf8) {
  std::vector<std::string> out;
  for (const auto& text : utf8) out.push_back(Sjis(text));
  return out;
}

const std::vector<std::string> kOrdered = {"_x.txt", "-y.txt", "10.txt", "9.txt", "A.TXT",
                                           "a2.txt", "b.txt",  "あ.txt", "ア.txt", "ｱ.txt"};

TEST(NameOrder, JapaneseOrderCaseInsensitive) {
  const NameOrder order("ja");
  const std::vector<std::string> expected = SjisAll(kOrdered);
  std::vector<std::string> shuffled = expected;
  std::reverse(shuffled.begin(), shuffled.end());
  std::rotate(shuffled.begin(), shuffled.begin() + 3, shuffled.end());
  EXPECT_EQ(SortedNameList(shuffled, order), expected);
  for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
    EXPECT_LT(order.Compare(expected[i], expected[i + 1]), 0) << "row " << i;
    EXPECT_GT(order.Compare(expected[i + 1], expected[i]), 0) << "row " << i;
    EXPECT_LT(order.SortKey(expected[i]), order.SortKey(expected[i + 1])) << "row " << i;
  }
}

TEST(NameOrder, EqualOnlyWhenLetterCaseAloneDiffers) {
  const NameOrder order("ja");
  struct Row {
    std::string a;
    std::string b;
    bool equal;
  };
  const std::vector<Row> rows = {
      {"A.TXT", "a.txt", true},
      {"Ａ.txt", "ａ.TXT", true},      // full-width letters have case too
      {"ｱ.txt", "ア.txt", false},
      {"ア.txt", "あ.txt", false},
      {"ｶﾞ.txt", "ガ.txt", false},
      {"ｧ.txt", "ｱ.txt", false},
      {"a.txt", "a.txt ", false},
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string a = Sjis(rows[i].a);
    const std::string b = Sjis(rows[i].b);
    EXPECT_EQ(order.Compare(a, b) == 0, rows[i].equal) << "row " << i;
    EXPECT_EQ(order.SortKey(a) == order.SortKey(b), rows[i].equal) << "row " << i;
  }
}

TEST(NameOrder, DistinctInvalidNamesStayDistinct) {
  const NameOrder order("ja");
  EXPECT_NE(order.Compare("a\xA0", "a\xFD"), 0);
  EXPECT_EQ(SortedNameList({"a\xA0", "a\xFD", "a\xA0"}, order).size(), 2u);
}

TEST(NameOrder, SortedNameListKeepsTheFirstSpelling) {
  const NameOrder order("ja");
  const auto sorted = SortedNameList(SjisAll({"b.txt", "A.TXT", "B.TXT", "a.txt", "ｱ.txt", "ア.txt"}), order);
  EXPECT_EQ(sorted, SjisAll({"A.TXT", "b.txt", "ア.txt", "ｱ.txt"}));
  EXPECT_TRUE(SortedNameList({}, order).empty());
}

TEST(NameOrder, EnvironmentLocale) {
  const NameOrder fallback = [] {
    const ScopedEnv c_locale("LC_ALL", "C");
    return NameOrder();  // "C" means no locale: Japanese
  }();
  EXPECT_LT(fallback.Compare("A.TXT", "a2.txt"), 0);
  EXPECT_LT(fallback.Compare(Sjis("あ.txt"), Sjis("ｱ.txt")), 0);
  const NameOrder english("en_US");
  EXPECT_LT(english.Compare("A.TXT", "a2.txt"), 0);
  EXPECT_LT(english.Compare("a2.txt", "b.txt"), 0);
}

}  // namespace
}  // namespace twindir::platform
