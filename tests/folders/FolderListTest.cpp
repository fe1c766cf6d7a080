#include "folders/FolderList.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "folders/FolderGrid.h"
#include "platform/TextFormat.h"
#include "tests/folders/ListFileFixture.h"

namespace twindir::folders {
namespace {

using test_support::Sjis;
using Lines = std::vector<std::string>;

// The list file's bytes for lines, each ended by CR LF.
std::string Crlf(const Lines& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// "C:\f000" ... in the given order of numbers.
Lines NumberedFolders(int first, int count, int step = 1) {
  Lines lines;
  for (int i = 0; i < count; ++i) lines.push_back(platform::Format("C:\\f%03d", first + i * step));
  return lines;
}

class FolderListTest : public ListFileFixture {};

TEST_F(FolderListTest, LoadKeepsFileOrderAndRewriteSortsIt) {
  PutListFile("C:\\b\r\nC:\\A\r\nD:\\c\r\n");
  const LoadResult load = list_.LoadFolderList(FolderTable{});
  ASSERT_EQ(load.status, LoadStatus::Loaded);
  EXPECT_EQ(load.table.RefFolders, (Lines{"C:\\b", "C:\\A", "D:\\c"}));
  EXPECT_EQ(load.grid.rows, load.table.RefFolders);
  EXPECT_TRUE(load.grid.whole_grid);
  EXPECT_FALSE(load.too_many);

  const RewriteResult added = list_.AddFolder(load.table, "E:\\d");
  ASSERT_EQ(added.status, RewriteStatus::Reloaded);
  EXPECT_EQ(ListFileBytes(), "C:\\A\r\nC:\\b\r\nD:\\c\r\nE:\\d\r\n");
  EXPECT_EQ(added.reload.table.RefFolders, (Lines{"C:\\A", "C:\\b", "D:\\c", "E:\\d"}));
  EXPECT_EQ(added.reload.table.FolderCount, 4);
}

struct LineCase {
  std::string bytes;
  Lines lines;
};

TEST_F(FolderListTest, LinesAsRead) {
  const std::string long_path = "C:\\" + std::string(300, 'x');
  const std::string path_of_98 = "C:\\" + std::string(95, 'y');
  const auto cases = std::to_array<LineCase>({
      {"C:\\a\r\nC:\\b\r\n", {"C:\\a", "C:\\b"}},
      {"C:\\a\nC:\\b\n", {"C:\\a", "C:\\b"}},
      {"C:\\a\r\nC:\\b", {"C:\\a", "C:\\b"}},  // last line without a line end
      {"C:\\a\nC:\\b\r", {"C:\\a", "C:\\b\r"}},  // a CR is a line end only before LF
      {"C:\\a\rC:\\b\r\n", {"C:\\a\rC:\\b"}},
      {"C:\\a\r\r\n", {"C:\\a\r"}},
      {"C:\\a\r\n\r\nC:\\b\r\n", {"C:\\a", "", "C:\\b"}},  // a blank line is an entry
      {"\r\n", {""}},
      {"", {}},
      {long_path + "\r\n" + path_of_98 + "\r\nC:\\b\r\n", {long_path, path_of_98, "C:\\b"}},
  });
  for (size_t i = 0; i < cases.size(); ++i) {
    PutListFile(cases[i].bytes);
    const LoadResult load = list_.LoadFolderList(FolderTable{});
    ASSERT_EQ(load.status, LoadStatus::Loaded) << "row " << i;
    EXPECT_EQ(load.table.RefFolders, cases[i].lines) << "row " << i;
    EXPECT_EQ(load.table.FolderCount, static_cast<int>(cases[i].lines.size())) << "row " << i;
    EXPECT_TRUE(load.table.ListLoaded) << "row " << i;
  }
}

TEST_F(FolderListTest, EmptyFileShowsTheNotice) {
  PutListFile("");
  const LoadResult load = list_.LoadFolderList(FolderTable{});
  EXPECT_EQ(load.status, LoadStatus::Loaded);
  EXPECT_EQ(load.table.FolderCount, 0);
  EXPECT_TRUE(load.table.ListLoaded);
  EXPECT_TRUE(load.grid.whole_grid);
  EXPECT_EQ(load.grid.rows, (Lines{Sjis("--注意--"), Sjis("TWINDIR.DATがみつからないか，更新"),
                                   Sjis("フォルダ名が定義されていません."), "",
                                   Sjis("更新フォルダを追加するか更新ファイル"),
                                   Sjis("を追加してください．")}));
}

TEST_F(FolderListTest, LinesSurviveRewritesWhole) {
  const std::string long_path = "C:\\" + std::string(150, 'x') + Sjis("\\ソ表");
  PutListFile(long_path + "\r\nC:\\a\rb\r\n\r\n");
  const RewriteResult added = list_.AddFolder(Load(), "C:\\c");
  ASSERT_EQ(added.status, RewriteStatus::Reloaded);
  EXPECT_EQ(ListFileBytes(), Crlf({"", "C:\\a\rb", "C:\\c", long_path}));
  EXPECT_EQ(added.reload.table.RefFolders, (Lines{"", "C:\\a\rb", "C:\\c", long_path}));
}

TEST_F(FolderListTest, DuplicatesByLetterCaseCollapseToTheRegisteredSpelling) {
  PutListFile("C:\\A\r\n");
  ASSERT_EQ(list_.AddFolder(Load(), "c:\\a").status, RewriteStatus::Reloaded);
  EXPECT_EQ(ListFileBytes(), "C:\\A\r\n");

  // A hand-written duplicate: the first in table order stays.
  PutListFile("c:\\a\r\nC:\\A\r\nC:\\B\r\n");
  ASSERT_EQ(list_.AddFolder(Load(), "D:\\x").status, RewriteStatus::Reloaded);
  EXPECT_EQ(ListFileBytes(), "c:\\a\r\nC:\\B\r\nD:\\x\r\n");
}

struct RemoveCase {
  Lines file;
  std::string folder;
  Lines left;
};

TEST_F(FolderListTest, RemoveTakesOutEveryAsciiCaseMatch) {
  const std::string a = Sjis("C:\\ア");   // 83 41
  const std::string di = Sjis("C:\\ヂ");  // 83 61: the trail byte is "a"
  const auto cases = std::to_array<RemoveCase>({
      {{"C:\\A", "C:\\b", "c:\\a"}, "C:\\A", {"C:\\b"}},
      {{"C:\\A", "C:\\b"}, "c:\\B", {"C:\\A"}},
      {{a, di}, a, {di}},
      {{"C:\\A", "C:\\b"}, "C:\\z", {"C:\\A", "C:\\b"}},
      {{"C:\\A"}, "C:\\A", {}},
  });
  for (size_t i = 0; i < cases.size(); ++i) {
    PutListFile(Crlf(cases[i].file));
    const RewriteResult removed = list_.RemoveFolder(Load(), cases[i].folder);
    ASSERT_EQ(removed.status, RewriteStatus::Reloaded) << "row " << i;
    EXPECT_EQ(ListFileBytes(), Crlf(cases[i].left)) << "row " << i;
    EXPECT_EQ(removed.reload.table.RefFolders, cases[i].left) << "row " << i;
  }
}

TEST_F(FolderListTest, UnregisteringTheLastFolderLeavesAnEmptyFileAndTheNotice) {
  PutListFile("C:\\A\r\n");
  const RewriteResult removed = list_.RemoveFolder(Load(), "C:\\A");
  ASSERT_EQ(removed.status, RewriteStatus::Reloaded);
  EXPECT_EQ(ListFileBytes(), "");
  EXPECT_EQ(removed.reload.table.FolderCount, 0);
  EXPECT_EQ(removed.reload.grid.rows, EmptyListNotice());
  EXPECT_TRUE(removed.reload.grid.whole_grid);
}

TEST_F(FolderListTest, ReplaceSwapsOneFolderForAnother) {
  PutListFile("C:\\old\r\nC:\\b\r\nc:\\OLD\r\n");
  const RewriteResult replaced = list_.ReplaceFolder(Load(), "C:\\Old", "C:\\a");
  ASSERT_EQ(replaced.status, RewriteStatus::Reloaded);
  EXPECT_EQ(ListFileBytes(), "C:\\a\r\nC:\\b\r\n");
}

TEST_F(FolderListTest, FiveHundredLinesFillTheTable) {
  PutListFile(Crlf(NumberedFolders(0, 500)));
  const LoadResult load = list_.LoadFolderList(FolderTable{});
  EXPECT_EQ(load.table.FolderCount, 500);
  EXPECT_TRUE(load.too_many);
  EXPECT_TRUE(load.table.UnloadedLines.empty());

  PutListFile(Crlf(NumberedFolders(0, 499)));
  EXPECT_FALSE(list_.LoadFolderList(FolderTable{}).too_many);
}

TEST_F(FolderListTest, RegisteringIntoAFullTableIsRefusedAndWritesNothing) {
  const std::string full = Crlf(NumberedFolders(499, 500, -1));  // f499 down to f000
  PutListFile(full);
  const FolderTable table = Load();

  const RewriteResult added = list_.AddFolder(table, "C:\\new");
  EXPECT_EQ(added.status, RewriteStatus::TooManyFolders);
  EXPECT_EQ(ListFileBytes(), full);
  EXPECT_EQ(list_.ReplaceFolder(table, "C:\\absent", "C:\\new").status,
            RewriteStatus::TooManyFolders);
  EXPECT_EQ(ListFileBytes(), full);

  // A folder registered already takes no room: the file is rewritten sorted.
  const RewriteResult again = list_.AddFolder(table, "C:\\F007");
  ASSERT_EQ(again.status, RewriteStatus::Reloaded);
  EXPECT_EQ(ListFileBytes(), Crlf(NumberedFolders(0, 500)));
  EXPECT_TRUE(again.reload.too_many);
  // Replacing a registered folder keeps the count.
  ASSERT_EQ(list_.ReplaceFolder(again.reload.table, "C:\\f000", "C:\\new").status,
            RewriteStatus::Reloaded);
  Lines expected = NumberedFolders(1, 499);
  expected.push_back("C:\\new");
  EXPECT_EQ(ListFileBytes(), Crlf(expected));
}

TEST_F(FolderListTest, LinesAfterTheFiveHundredthAreCarriedByRewrites) {
  // A hand-edited file: 500 folders in reverse order, then more lines, one
  // of them a duplicate of a loaded folder and one a duplicate of another.
  Lines file = NumberedFolders(499, 500, -1);
  file.insert(file.end(), {"C:\\z2", "C:\\F001", "C:\\z1", "c:\\Z2", "C:\\y"});
  PutListFile(Crlf(file));
  const LoadResult load = list_.LoadFolderList(FolderTable{});
  EXPECT_EQ(load.table.FolderCount, 500);
  EXPECT_TRUE(load.too_many);
  EXPECT_EQ(load.table.RefFolders.front(), "C:\\f499");
  EXPECT_EQ(load.table.UnloadedLines, (Lines{"C:\\z2", "C:\\F001", "C:\\z1", "c:\\Z2", "C:\\y"}));

  // A rewrite writes the loaded folders sorted, then the other lines in
  // their order without duplicates, and the next load takes the same 500.
  const RewriteResult again = list_.AddFolder(load.table, "C:\\f000");
  ASSERT_EQ(again.status, RewriteStatus::Reloaded);
  Lines expected = NumberedFolders(0, 500);
  expected.insert(expected.end(), {"C:\\z2", "C:\\z1", "C:\\y"});
  EXPECT_EQ(ListFileBytes(), Crlf(expected));
  EXPECT_EQ(again.reload.table.RefFolders, NumberedFolders(0, 500));

  // Unregistering a loaded folder makes room for the first line left over;
  // unregistering a folder also takes it out of the lines left over.
  const RewriteResult removed = list_.RemoveFolder(again.reload.table, "C:\\f100");
  ASSERT_EQ(removed.status, RewriteStatus::Reloaded);
  EXPECT_EQ(removed.reload.table.FolderCount, 500);
  EXPECT_EQ(removed.reload.table.RefFolders.back(), "C:\\z2");
  EXPECT_EQ(removed.reload.table.UnloadedLines, (Lines{"C:\\z1", "C:\\y"}));
  const RewriteResult removed_left_over = list_.RemoveFolder(removed.reload.table, "c:\\Z1");
  ASSERT_EQ(removed_left_over.status, RewriteStatus::Reloaded);
  EXPECT_EQ(removed_left_over.reload.table.UnloadedLines, (Lines{"C:\\y"}));
}

TEST_F(FolderListTest, MirrorFoldersAndMissingCounts) {
  drives_.MakeFolder("C:\\both");
  drives_.MakeFolder("H:\\both");
  drives_.MakeFolder("C:\\hard disk only");
  drives_.MakeFolder("H:\\backup only");
  drives_.WriteFile("C:\\a file", "");
  drives_.WriteFile("H:\\a file", "");
  PutListFile(Crlf({"C:\\both", "C:\\hard disk only", "C:\\backup only", "C:\\neither",
                    "C:\\a file", "C:\\", "C:\\Mydir\\Sample"}));
  const LoadResult load = list_.LoadFolderList(FolderTable{});
  EXPECT_EQ(load.table.MirrorFolders,
            (Lines{"H:\\both", "H:\\hard disk only", "H:\\backup only", "H:\\neither",
                   "H:\\a file", "H:\\", "H:\\Mydir\\Sample"}));
  // Missing on the hard disk: backup only, neither, a file, Mydir\Sample.
  EXPECT_EQ(load.table.MissingOnHddCount, 4);
  // Missing on the backup drive: hard disk only, neither, a file, Mydir\Sample.
  EXPECT_EQ(load.table.MissingOnBackupCount, 4);
}

TEST_F(FolderListTest, ABlankLineIsMissingOnBothSides) {
  PutListFile("\r\n");
  const LoadResult load = list_.LoadFolderList(FolderTable{});
  EXPECT_EQ(load.table.MirrorFolders, (Lines{""}));
  EXPECT_EQ(load.table.MissingOnHddCount, 1);
  EXPECT_EQ(load.table.MissingOnBackupCount, 1);
  EXPECT_EQ(load.grid.rows, (Lines{""}));
}

TEST_F(FolderListTest, ALoadReplacesTheTableButKeepsTheSoleFileCount) {
  FolderTable current;
  current.SoleInBackupCount = 7;
  current.RefFolders = {"C:\\stale"};
  current.MirrorFolders = {"H:\\stale"};
  current.FolderCount = 1;
  current.MissingOnHddCount = 1;
  PutListFile("C:\\a\r\n");
  const LoadResult load = list_.LoadFolderList(current);
  EXPECT_EQ(load.table.SoleInBackupCount, 7);
  EXPECT_EQ(load.table.RefFolders, (Lines{"C:\\a"}));
  EXPECT_EQ(load.table.MissingOnHddCount, 1);
}

TEST_F(FolderListTest, NoListFileKeepsTheOldTableWithCountZero) {
  PutListFile("C:\\a\r\nC:\\b\r\n");
  FolderTable current = Load();
  current.MissingOnHddCount = 2;
  current.MissingOnBackupCount = 1;
  RemoveListFile();

  const LoadResult load = list_.LoadFolderList(current);
  EXPECT_EQ(load.status, LoadStatus::CannotOpen);
  EXPECT_EQ(load.table.FolderCount, 0);
  EXPECT_EQ(load.table.RefFolders, current.RefFolders);
  EXPECT_EQ(load.table.MirrorFolders, current.MirrorFolders);
  EXPECT_EQ(load.table.MissingOnHddCount, 2);
  EXPECT_EQ(load.table.MissingOnBackupCount, 1);
  EXPECT_TRUE(load.table.ListLoaded);
  EXPECT_EQ(load.grid.rows, (Lines{Sjis("Twindir.datファイルがみつかりません")}));
  EXPECT_FALSE(load.grid.whole_grid);

  // The first registration creates the list file with that one folder.
  const RewriteResult added = list_.AddFolder(load.table, "C:\\Mydir\\Sample");
  ASSERT_EQ(added.status, RewriteStatus::Reloaded);
  EXPECT_EQ(ListFileBytes(), "C:\\Mydir\\Sample\r\n");
}

TEST_F(FolderListTest, AListFileThatCannotBeReadIsNeverReplaced) {
  PutListFile("C:\\a\r\nC:\\b\r\n");
  FailReads(true);
  const LoadResult load = list_.LoadFolderList(FolderTable{});
  FailReads(false);
  ASSERT_EQ(load.status, LoadStatus::CannotOpen);

  const RewriteResult added = list_.AddFolder(load.table, "C:\\c");
  EXPECT_EQ(added.status, RewriteStatus::WriteFailed);
  EXPECT_EQ(added.list_file_path, "H:\\TWINDIR.DAT");
  EXPECT_EQ(ListFileBytes(), "C:\\a\r\nC:\\b\r\n");
}

TEST_F(FolderListTest, AFailedWriteLeavesTheOldFileAndReportsThePath) {
  PutListFile("C:\\b\r\nC:\\a\r\n");
  const FolderTable table = Load();
  FailRenames(true);
  const RewriteResult added = list_.AddFolder(table, "C:\\c");
  FailRenames(false);
  EXPECT_EQ(added.status, RewriteStatus::WriteFailed);
  EXPECT_NE(added.write_error, platform::Error::None);
  EXPECT_EQ(added.list_file_path, "H:\\TWINDIR.DAT");
  EXPECT_EQ(ListFileBytes(), "C:\\b\r\nC:\\a\r\n");
  EXPECT_EQ(drives_.NativeNames("H:\\"), (Lines{"TWINDIR.DAT"}));  // no temporary file left
}

TEST_F(FolderListTest, StartUp) {
  LoadResult load = list_.LoadAtStartUp();
  EXPECT_EQ(load.status, LoadStatus::NoListFile);
  EXPECT_FALSE(load.table.ListLoaded);
  EXPECT_EQ(load.table.FolderCount, 0);
  EXPECT_EQ(load.grid.rows, EmptyListNotice());
  EXPECT_TRUE(load.grid.whole_grid);
  EXPECT_FALSE(load.too_many);

  PutListFile("C:\\a\r\n");
  load = list_.LoadAtStartUp();
  EXPECT_EQ(load.status, LoadStatus::Loaded);
  EXPECT_TRUE(load.table.ListLoaded);
  EXPECT_EQ(load.grid.rows, (Lines{"C:\\a"}));

  // A list file that exists but cannot be read still counts as loaded.
  FailReads(true);
  load = list_.LoadAtStartUp();
  FailReads(false);
  EXPECT_EQ(load.status, LoadStatus::CannotOpen);
  EXPECT_TRUE(load.table.ListLoaded);
  EXPECT_EQ(load.table.FolderCount, 0);
}

TEST(DirAddFolder, IsTheFolderOfTheChosenFile) {
  const auto cases = std::to_array<std::pair<std::string, std::string>>({
      {"C:\\Mydir\\Sample\\a.txt", "C:\\Mydir\\Sample"},
      {"C:\\a.txt", "C:\\"},
      {Sjis("C:\\ソ\\表.txt"), Sjis("C:\\ソ")},
      {"C:\\" + std::string(250, 'd') + "\\a.txt", "C:\\" + std::string(250, 'd')},
  });
  for (size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(DirAddFolder(cases[i].first), cases[i].second) << "row " << i;
  }
}

}  // namespace
}  // namespace twindir::folders
