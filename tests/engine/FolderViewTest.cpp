#include <array>

#include "engine/FileRemoval.h"
#include "engine/FolderView.h"
#include "tests/engine/EngineFixture.h"

namespace twindir::engine::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::string_view kMirror = "H:\\Mydir\\Sample";

class FolderViewTest : public EngineTest {
 protected:
  void SetUp() override {
    Write("H:\\Mydir\\Sample\\b.txt", "b", kT0);
    Write("H:\\Mydir\\Sample\\A.TXT", "a", kT0);
    MakeFolder("H:\\Mydir\\Sample\\sub");
    MakeFolder("C:\\Mydir\\Sample");
    table_ = Table({"C:\\Mydir\\Sample"});
  }

  // The removal of the selected row of rows.
  std::optional<ReportRows> Remove(const ReportRows& rows, int row, bool file_list_flag = true) {
    const ReportRow& selected = rows.at(static_cast<std::size_t>(row));
    return RemoveFileFromBackup(
        services_, file_list_flag,
        {row, static_cast<int>(rows.size()), selected.name, selected.folder}, kBackupLetter);
  }

  folders::FolderTable table_;
};

TEST_F(FolderViewTest, ListsThePlainFilesOfTheMirrorFolderThenTheCountRow) {
  const std::optional<FolderView> view = ViewFolder(services_, table_, 0, kBackupLetter);

  ASSERT_TRUE(view);
  EXPECT_EQ(view->rows, (ReportRows{Row("A.TXT", "", kMirror), Row("b.txt", "", kMirror),
                                    Row("            2 ﾌｧｲﾙ", "", kMirror)}));
  EXPECT_TRUE(view->listed_files);
  EXPECT_THAT(questions_.informs, IsEmpty());
}

TEST_F(FolderViewTest, AMissingMirrorFolderIsToldThenShownAsHoldingNoFile) {
  MakeFolder("C:\\Other");
  table_ = Table({"C:\\Mydir\\Sample", "C:\\Other"});

  const std::optional<FolderView> view = ViewFolder(services_, table_, 1, kBackupLetter);

  ASSERT_TRUE(view);
  EXPECT_THAT(questions_.informs, ElementsAre(Cp("フォルダ H:\\Other が MO (H:) にありません")));
  EXPECT_EQ(view->rows, (ReportRows{Row("  更新ファイルなし", "", "H:\\Other")}));
  EXPECT_FALSE(view->listed_files);
}

TEST_F(FolderViewTest, AnEmptyMirrorFolderShowsOneRowWithoutABox) {
  MakeFolder("H:\\Empty\\sub");
  MakeFolder("C:\\Empty");
  table_ = Table({"C:\\Empty"});

  const std::optional<FolderView> view = ViewFolder(services_, table_, 0, kBackupLetter);

  ASSERT_TRUE(view);
  EXPECT_EQ(view->rows, (ReportRows{Row("  更新ファイルなし", "", "H:\\Empty")}));
  EXPECT_THAT(questions_.informs, IsEmpty());
}

TEST_F(FolderViewTest, DoesNothingWithoutARegisteredFolderInTheSelectedRow) {
  folders::FolderTable not_loaded = table_;
  not_loaded.ListLoaded = false;
  folders::FolderTable none = Table({});
  EXPECT_FALSE(ViewFolder(services_, not_loaded, 0, kBackupLetter));
  EXPECT_FALSE(ViewFolder(services_, none, 0, kBackupLetter));
  EXPECT_FALSE(ViewFolder(services_, table_, 1, kBackupLetter));
  EXPECT_FALSE(ViewFolder(services_, table_, -1, kBackupLetter));
  EXPECT_THAT(questions_.informs, IsEmpty());
}

TEST_F(FolderViewTest, RemovingAFileAsksDeletesAndListsTheFolderAgain) {
  const ReportRows view = ViewFolder(services_, table_, 0, kBackupLetter)->rows;
  questions_.confirm_answers = {true};

  const std::optional<ReportRows> refreshed = Remove(view, 1);

  ASSERT_EQ(questions_.confirms.size(), 1u);
  EXPECT_EQ(questions_.confirms[0].text, Cp("H:\\Mydir\\Sample\\b.txt"));
  EXPECT_EQ(questions_.confirms[0].caption, Cp("このファイルをMOから削除しますか?"));
  EXPECT_EQ(questions_.confirms[0].icon, BoxIcon::None);
  EXPECT_FALSE(IsFile("H:\\Mydir\\Sample\\b.txt"));
  ASSERT_TRUE(refreshed);
  EXPECT_EQ(*refreshed,
            (ReportRows{Row("A.TXT", "", kMirror), Row("            1 files in", "", kMirror)}));
}

TEST_F(FolderViewTest, RemovingTheLastFileKeepsTheRowCountWithTheOtherRowsEmpty) {
  ReportRows rows = ViewFolder(services_, table_, 0, kBackupLetter)->rows;
  questions_.confirm_answers = {true, true};
  rows = *Remove(rows, 1);  // b.txt; two rows left
  ASSERT_EQ(rows.size(), 2u);

  const std::optional<ReportRows> refreshed = Remove(rows, 0);  // A.TXT

  ASSERT_TRUE(refreshed);
  EXPECT_EQ(*refreshed, (ReportRows{Row("  更新ファイルなし", "", kMirror), {}}));
  EXPECT_FALSE(IsFile("H:\\Mydir\\Sample\\A.TXT"));
}

TEST_F(FolderViewTest, DecliningTheRemovalChangesNothing) {
  const ReportRows view = ViewFolder(services_, table_, 0, kBackupLetter)->rows;
  questions_.confirm_answers = {false};

  EXPECT_FALSE(Remove(view, 0));
  EXPECT_TRUE(IsFile("H:\\Mydir\\Sample\\A.TXT"));
}

TEST_F(FolderViewTest, RemovalTakesOnlyFileRowsOfFoldersOnTheBackupDrive) {
  Write("C:\\Mydir\\Sample\\a.txt", "hard disk", kT0);
  struct Case {
    const char* label;
    ReportRows rows;
    int row;
    bool file_list_flag;
  };
  const auto cases = std::to_array<Case>({
      {"before any folder view listed a file", {Row("A.TXT", "", kMirror)}, 0, false},
      {"a count row", {Row("A.TXT", "", kMirror), Row("            1 ﾌｧｲﾙ", "", kMirror)}, 1, true},
      {"a no-file row", {Row("  更新ファイルなし", "", kMirror)}, 0, true},
      {"a row without a folder", {Row("A.TXT", "", "")}, 0, true},
      {"an update report's row naming a hard-disk file",
       {Row("a.txt", " → ", "C:\\Mydir\\Sample")},
       0,
       true},
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "case " << i << ": " << cases[i].label);
    EXPECT_FALSE(Remove(cases[i].rows, cases[i].row, cases[i].file_list_flag));
  }
  const ReportRows one = {Row("A.TXT", "", kMirror)};
  EXPECT_FALSE(RemoveFileFromBackup(services_, true, {1, 1, one[0].name, one[0].folder},
                                    kBackupLetter));  // a row beyond the row count
  EXPECT_THAT(questions_.confirms, IsEmpty());
  EXPECT_TRUE(IsFile("H:\\Mydir\\Sample\\A.TXT"));
  EXPECT_TRUE(IsFile("C:\\Mydir\\Sample\\a.txt"));
}

TEST_F(FolderViewTest, RemovalTakesARowOfAnUpdateReportThatNamesABackupFile) {
  const ReportRows update_rows = {Row("b.txt", " → ", "h:\\Mydir\\Sample")};
  questions_.confirm_answers = {true};

  const std::optional<ReportRows> refreshed = Remove(update_rows, 0);

  ASSERT_TRUE(refreshed);
  EXPECT_FALSE(IsFile("H:\\Mydir\\Sample\\b.txt"));
  EXPECT_EQ(refreshed->back(), Row("            1 files in", "", "h:\\Mydir\\Sample"));
}

}  // namespace
}  // namespace twindir::engine::testing
