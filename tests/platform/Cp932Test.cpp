#include "platform/Cp932.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace twindir::platform {
namespace {

struct RoundTrip {
  std::string utf8;
  std::string cp932;
};

TEST(Cp932, RoundTripsBothWays) {
  const auto cases = std::to_array<RoundTrip>({
      {"a.txt", "a.txt"},
      {"C:\\Mydir\\~x", "C:\\Mydir\\~x"},       // 0x5C and 0x7E stay themselves
      {"\x1a\x1c\x7f", "\x1a\x1c\x7f"},         // control bytes unchanged (ICU swaps them)
      {"ｱｲｳﾞ", "\xB1\xB2\xB3\xDE"},             // half-width katakana, one byte each
      {"ソ.txt", "\x83\x5C.txt"},               // trail byte 0x5C
      {"表.txt", "\x95\x5C.txt"},
      {"データ\\あ", "\x83\x66\x81\x5B\x83\x5E\\\x82\xA0"},
      {"～", "\x81\x60"},                       // U+FF5E, what 81 60 decodes to
      {"", ""},
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(Utf8ToCp932(cases[i].utf8), cases[i].cp932) << "row " << i;
    EXPECT_EQ(Cp932ToUtf8(cases[i].cp932), cases[i].utf8) << "row " << i;
  }
}

TEST(Cp932, RefusesWhatItCannotConvert) {
  const auto not_cp932 = std::to_array<std::string>({
      "\x83",          // lead byte without its trail byte
      "\x83\x20",      // trail byte out of range
      "\xA0",          // undefined single byte
  });
  for (std::size_t i = 0; i < not_cp932.size(); ++i) {
    EXPECT_EQ(Cp932ToUtf8(not_cp932[i]), std::nullopt) << "row " << i;
  }
  const auto not_encodable = std::to_array<std::string>({
      "caf\xC3\xA9",        // é: no such character
      "a\xE2\x80\x8B" "b",  // zero-width space: must not vanish into "ab"
      "\xFF",               // not UTF-8
  });
  for (std::size_t i = 0; i < not_encodable.size(); ++i) {
    EXPECT_EQ(Utf8ToCp932(not_encodable[i]), std::nullopt) << "row " << i;
  }
}

TEST(Cp932, AppendKeepsOutputOnFailure) {
  std::string out = "x";
  EXPECT_FALSE(AppendCp932AsUtf8("ok\x83", out));
  EXPECT_EQ(out, "x");
  EXPECT_TRUE(AppendUtf8AsCp932("ソ", out));
  EXPECT_EQ(out, "x\x83\x5C");
}

TEST(Cp932, LossySpoilsOnlyTheBadCharacter) {
  EXPECT_EQ(Cp932ToUtf8Lossy("a\xA0\x83\x5C"), "a\xEF\xBF\xBDソ");
  EXPECT_EQ(Cp932ToUtf8Lossy("\x83\x5C\x83"), "ソ\xEF\xBF\xBD");
}

}  // namespace
}  // namespace twindir::platform
