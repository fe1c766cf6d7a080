#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

#include "scenario/RecordPrinter.h"

namespace twindir::scenario {
namespace {

TEST(RecordPrinter, EscapesLineBreaksAndTabsOnly) {
  const auto cases = std::to_array<std::pair<std::string_view, std::string_view>>({
      {"plain", "plain"},
      {"a\nb", "a\\nb"},
      {"C:\\new\r\n", "C:\\new\\r\\n"},
      {"\tx\t", "\\tx\\t"},
      {"back\\slash \\n stays", "back\\slash \\n stays"},
      {"", ""},
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(EscapeValue(cases[i].first), cases[i].second) << "row " << i;
  }
}

TEST(RecordPrinter, ConvertsCodePage932ToUtf8) {
  std::ostringstream out;
  RecordPrinter printer(out);
  // "ソ表" ends both characters in 0x5C, which must not be read as a
  // backslash; a half-width katakana and a line feed follow.
  printer.Print("Form1.Button3.Caption", "\x83\x5C\x95\x5C\xCC\n");
  // A lone lead byte is not code page 932: it shows as U+FFFD.
  printer.Print("Form1.Label1.Caption", "a\x83");
  printer.PrintUtf8("Ls[メモ.txt]", "2026-01-02T03:04:05 3");
  EXPECT_EQ(out.str(),
            "Form1.Button3.Caption=ソ表ﾌ\\n\n"
            "Form1.Label1.Caption=a\xEF\xBF\xBD\n"
            "Ls[メモ.txt]=2026-01-02T03:04:05 3\n");
}

}  // namespace
}  // namespace twindir::scenario
