#include <gtest/gtest.h>

#include <array>
#include <string>

#include "scenario/ScenarioParser.h"

namespace twindir::scenario {
namespace {

struct GoodLine {
  std::string_view line;
  Command expected;
};

TEST(ScenarioParser, CommandsAndTheirArguments) {
  const auto cases = std::to_array<GoodLine>({
      {"start", StartCommand{}},
      {"  start  ", StartCommand{}},
      {"start\r", StartCommand{}},
      {"drive h /tmp/mo", DriveCommand{'H', "/tmp/mo"}},
      {"drive C  hdd dir ", DriveCommand{'C', "hdd dir "}},
      {"cwd H:\\Sync", CwdCommand{"H:\\Sync"}},
      {"cwd \t C:\\My Documents\\メモ", CwdCommand{"C:\\My Documents\\メモ"}},
      {"cwd \\\\pc\\h\\Sync", CwdCommand{"\\\\pc\\h\\Sync"}},
      {"click Form1.QuitQ1", ClickCommand{{"Form1", "QuitQ1"}}},
      {"click\tForm4.Button2", ClickCommand{{"Form4", "Button2"}}},
      {"select Form1.StringGrid1 3", SelectCommand{{"Form1", "StringGrid1"}, 3}},
      {"select Form1.StringGrid1 0", SelectCommand{{"Form1", "StringGrid1"}, 0}},
      {"answer OK", AnswerCommand{Answer::Ok}},
      {"answer Cancel", AnswerCommand{Answer::Cancel}},
      {"choose cancel", ChooseCommand{}},
      {"choose C:\\Mydir\\Sample\\a.txt", ChooseCommand{{"C:\\Mydir\\Sample\\a.txt"}}},
      {"choose C:\\My Docs\\a b.txt", ChooseCommand{{"C:\\My Docs\\a b.txt"}}},
      {"choose C:\\a.txt | C:\\b c.txt | C:\\d.txt",
       ChooseCommand{{"C:\\a.txt", "C:\\b c.txt", "C:\\d.txt"}}},
      {"choose C:\\a|b.txt", ChooseCommand{{"C:\\a|b.txt"}}},
      {"close Form2", CloseCommand{"Form2"}},
      {"dump Form1", DumpCommand{{"Form1", ""}}},
      {"dump Form1.StringGrid2", DumpCommand{{"Form1", "StringGrid2"}}},
      {"shot Form1 out dir/form1.png", ShotCommand{"Form1", "out dir/form1.png"}},
      {"mkdir C:\\Mydir\\New Folder", MkdirCommand{"C:\\Mydir\\New Folder"}},
      {"file C:\\a.txt 2026-01-02T03:04:05", FileCommand{"C:\\a.txt", {2026, 1, 2, 3, 4, 5, 0}, ""}},
      {"file C:\\a.txt 2024-02-29T23:59:59.5 two  words ",
       FileCommand{"C:\\a.txt", {2024, 2, 29, 23, 59, 59, 500000000}, "two  words "}},
      {"file \"C:\\My Docs\\a.txt\" 2026-01-02T03:04:05.000000001 x",
       FileCommand{"C:\\My Docs\\a.txt", {2026, 1, 2, 3, 4, 5, 1}, "x"}},
      {"line H:\\TWINDIR.DAT C:\\Mydir\\Sample", LineCommand{"H:\\TWINDIR.DAT", "C:\\Mydir\\Sample"}},
      {"line H:\\TWINDIR.DAT", LineCommand{"H:\\TWINDIR.DAT", ""}},
      {"clock 2026-12-11T09:30:00", ClockCommand{{2026, 12, 11, 9, 30, 0, 0}}},
      {"freespace h 1234567890123", FreeSpaceCommand{'H', 1234567890123u}},
      {"ls C:\\Mydir\\Sample", LsCommand{"C:\\Mydir\\Sample"}},
      {"cat H:\\TWINDIR.DAT", CatCommand{"H:\\TWINDIR.DAT"}},
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const ParsedLine parsed = ParseLine(cases[i].line);
    ASSERT_TRUE(parsed.ok()) << "row " << i << ": " << parsed.error;
    ASSERT_TRUE(parsed.command.has_value()) << "row " << i;
    EXPECT_EQ(*parsed.command, cases[i].expected) << "row " << i << ": " << cases[i].line;
  }
}

TEST(ScenarioParser, BlankAndCommentLinesHoldNothing) {
  for (const std::string_view line : {"", "   ", "\t", "\r", "# start", "  #click Form1.X", "#"}) {
    const ParsedLine parsed = ParseLine(line);
    EXPECT_TRUE(parsed.ok()) << '"' << line << '"';
    EXPECT_FALSE(parsed.command.has_value()) << '"' << line << '"';
  }
}

TEST(ScenarioParser, LinesThatAreNotCommands) {
  const auto cases = std::to_array<std::pair<std::string_view, std::string_view>>({
      {"jump Form1", "unknown command \"jump\""},
      {"Start", "unknown command \"Start\""},
      {"start now", "unexpected argument \"now\""},
      {"drive", "drive needs a drive letter and a folder"},
      {"drive CD /tmp", "drive needs a drive letter and a folder"},
      {"drive 1 /tmp", "drive needs a drive letter and a folder"},
      {"drive C", "drive needs a drive letter and a folder"},
      {"cwd", "cwd needs a path"},
      {"click Form1", "click needs FORM.CONTROL"},
      {"click Form1.", "click needs FORM.CONTROL"},
      {"click .Button1", "click needs FORM.CONTROL"},
      {"click Form1.Button1 Form1.Button2", "unexpected argument \"Form1.Button2\""},
      {"select Form1.StringGrid1", "select needs a row number"},
      {"select Form1.StringGrid1 -1", "select needs a row number"},
      {"select Form1.StringGrid1 x", "select needs a row number"},
      {"select Form1.StringGrid1 99999999999", "select needs a row number"},
      {"answer ok", "answer needs OK or Cancel"},
      {"answer Yes", "answer needs OK or Cancel"},
      {"answer OK OK", "unexpected argument \"OK\""},
      {"choose", "choose needs a path or cancel"},
      {"choose C:\\a.txt |  | C:\\b.txt", "choose has an empty path"},
      {"close Form1.Button1", "close needs a window name"},
      {"dump", "dump needs FORM or FORM.CONTROL"},
      {"shot Form1", "shot needs a window name and a file"},
      {"file C:\\a.txt", "file needs a time like 2026-01-02T03:04:05"},
      {"file \"C:\\a.txt 2026-01-02T03:04:05", "file needs a path and a time"},
      {"file C:\\a.txt 2026-02-29T00:00:00", "file needs a time like 2026-01-02T03:04:05"},
      {"file C:\\a.txt 2026-01-02 03:04:05", "file needs a time like 2026-01-02T03:04:05"},
      {"clock 2026-01-02T24:00:00", "clock needs a time like 2026-01-02T03:04:05"},
      {"clock 2026-01-02T03:04:05.", "clock needs a time like 2026-01-02T03:04:05"},
      {"clock 2026-01-02T03:04:05.1234567890", "clock needs a time like 2026-01-02T03:04:05"},
      {"freespace H", "freespace needs a drive letter and a number of bytes"},
      {"freespace H -5", "freespace needs a drive letter and a number of bytes"},
      {"ls", "ls needs a path"},
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const ParsedLine parsed = ParseLine(cases[i].first);
    EXPECT_FALSE(parsed.ok()) << "row " << i << ": " << cases[i].first;
    EXPECT_EQ(parsed.error, cases[i].second) << "row " << i << ": " << cases[i].first;
  }
}

TEST(ScenarioParser, SplitLinesKeepsEmptyLinesForTheirNumbers) {
  EXPECT_EQ(SplitLines("start\n\n# x\ndump Form1"),
            (std::vector<std::string_view>{"start", "", "# x", "dump Form1"}));
  EXPECT_EQ(SplitLines("start\r\nclose Form1\r\n"),
            (std::vector<std::string_view>{"start\r", "close Form1\r"}));
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace twindir::scenario
