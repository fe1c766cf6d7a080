// The sole-files-in-backup window: its row rule, the copy to the hard disk,
// the deletion from the backup, and folder identity started from it.

#include <gmock/gmock.h>

#include "tests/windows/SecondaryWindowsFixture.h"

namespace twindir::testing {
namespace {

using ::testing::ElementsAre;
using toolkit::ModalResult;

class SoleFilesInBackupWindowTest : public SecondaryWindowsTest {
 protected:
  // Two files only in the backup, one of them in a folder the hard disk
  // lacks below a registered folder's parent.
  void StartWithSoleFiles() {
    Write("H:\\Data\\a.txt", "backup a", kT0);
    Write("H:\\Data\\b.txt", "backup b", kT0 + kSecond);
    Write("C:\\Data\\c.txt", "both", kT0);
    Write("H:\\Data\\c.txt", "both", kT0);
    Start({"C:\\Data"});
    SearchInBackup();
  }
};

TEST_F(SoleFilesInBackupWindowTest, CreationSetsTheJapaneseCaptionsAndLeavesTheLabel) {
  Start({});
  EXPECT_EQ(Utf8(Form4().Caption()), "MOディスクの孤立ファイル（更新されません）");
  EXPECT_EQ(Utf8(Form4().Button1.Caption()), "閉じる");
  EXPECT_EQ(Utf8(Form4().Button2.Caption()), "HDDへコピー");
  EXPECT_EQ(Utf8(Form4().Button3.Caption()), "MOから削除");
  EXPECT_EQ(Form4().Label3.Caption(), "Defined by Program");
  EXPECT_FALSE(Form4().Visible());
  EXPECT_FALSE(Form4().Button2.Enabled());
  EXPECT_FALSE(Form4().Button3.Enabled());
}

TEST_F(SoleFilesInBackupWindowTest, OnlyAFileRowEnablesCopyAndDelete) {
  StartWithSoleFiles();
  ASSERT_THAT(Rows(Form4().StringGrid1),
              ElementsAre("C:\\Data\\a.txt", "C:\\Data\\b.txt", "    2 孤立ファイル"));
  EXPECT_TRUE(Form4().Visible());
  EXPECT_EQ(Utf8(Form4().Label3.Caption()), "MO (H:)の孤立ファイル");

  struct Case {
    int row;
    bool enabled;
  };
  for (const Case& c : {Case{0, true}, Case{2, false}, Case{1, true}, Case{1, true}}) {
    Select(Form4().StringGrid1, c.row);
    EXPECT_EQ(Form4().Button2.Enabled(), c.enabled) << "row " << c.row;
    EXPECT_EQ(Form4().Button3.Enabled(), c.enabled) << "row " << c.row;
  }
  // A new search disables both again.
  SearchInBackup();
  EXPECT_FALSE(Form4().Button2.Enabled());
  EXPECT_FALSE(Form4().Button3.Enabled());
}

TEST_F(SoleFilesInBackupWindowTest, TheMessageRowAndAnUpdateRunsLastRowEnableNothing) {
  Start({});
  SearchInBackup();
  ASSERT_THAT(Rows(Form4().StringGrid1), ElementsAre("  孤立ファイルなし"));
  Select(Form4().StringGrid1, 0);
  EXPECT_FALSE(Form4().Button2.Enabled());

  // Rows an update run appends have no count row after them.
  Form4().AppendSoleInBackup(0, Cp("C:\\X\\one.txt"));
  Form4().AppendSoleInBackup(1, Cp("C:\\X\\two.txt"));
  ASSERT_THAT(Rows(Form4().StringGrid1), ElementsAre("C:\\X\\one.txt", "C:\\X\\two.txt"));
  Select(Form4().StringGrid1, 1);
  EXPECT_FALSE(Form4().Button2.Enabled());
  Select(Form4().StringGrid1, 0);
  EXPECT_TRUE(Form4().Button2.Enabled());
}

TEST_F(SoleFilesInBackupWindowTest, CopyToTheHardDiskMakesTheMissingFolderChainAndRefreshes) {
  Write("H:\\Data\\New\\Deep\\d.txt", "deep", kT0);
  MakeFolder("C:\\Data");
  Start({"C:\\Data\\New\\Deep"});  // missing on the hard disk, as an update run finds it
  Update();
  ASSERT_THAT(Rows(Form4().StringGrid1), ElementsAre("C:\\Data\\New\\Deep\\d.txt"));
  Form4().AppendSoleInBackup(1, Cp("C:\\Data\\New\\Deep\\z.txt"));  // a second row to select
  Main().Button4.SetEnabled(false);

  Select(Form4().StringGrid1, 0);
  Click(Form4().Button2);

  EXPECT_EQ(ContentsOf("C:\\Data\\New\\Deep\\d.txt"), "deep");
  EXPECT_EQ(TimeOf("C:\\Data\\New\\Deep\\d.txt"), kT0);
  EXPECT_TRUE(Main().Button4.Enabled());
  // The search that follows finds no sole file left.
  EXPECT_THAT(Rows(Form4().StringGrid1), ElementsAre("  孤立ファイルなし"));
  EXPECT_FALSE(Form4().Button2.Enabled());
  EXPECT_TRUE(recorder_.boxes.empty());
}

TEST_F(SoleFilesInBackupWindowTest, DeleteAsksWithTheBackupPathAndOnlyOkDeletes) {
  StartWithSoleFiles();
  const Box question{"このファイルをMOから削除しますか?", "Delete H:\\Data\\a.txt ?",
                     toolkit::MessageButtons::OKCancel};

  Main().Button4.SetEnabled(false);
  Select(Form4().StringGrid1, 0);
  Answer(ModalResult::Cancel);
  Click(Form4().Button3);
  EXPECT_THAT(recorder_.boxes, ElementsAre(question));
  EXPECT_TRUE(IsFile("H:\\Data\\a.txt"));
  EXPECT_TRUE(Main().Button4.Enabled());
  // Refreshed all the same: the buttons wait for a new selection.
  EXPECT_THAT(Rows(Form4().StringGrid1),
              ElementsAre("C:\\Data\\a.txt", "C:\\Data\\b.txt", "    2 孤立ファイル"));
  EXPECT_FALSE(Form4().Button3.Enabled());

  Select(Form4().StringGrid1, 0);
  Answer(ModalResult::OK);
  Click(Form4().Button3);
  EXPECT_THAT(recorder_.boxes, ElementsAre(question, question));
  EXPECT_FALSE(IsFile("H:\\Data\\a.txt"));
  EXPECT_FALSE(IsFile("C:\\Data\\a.txt"));
  EXPECT_THAT(Rows(Form4().StringGrid1), ElementsAre("C:\\Data\\b.txt", "    1 孤立ファイル"));
}

TEST_F(SoleFilesInBackupWindowTest, AnActionsRefreshFollowsTheMainWindowsSideAtThatMoment) {
  StartWithSoleFiles();
  Select(Form4().StringGrid1, 1);
  Main().CheckBox1.SetChecked(true);  // the user switched to the hard disk meanwhile

  Click(Form4().Button2);

  EXPECT_EQ(ContentsOf("C:\\Data\\b.txt"), "backup b");
  EXPECT_TRUE(Form5().Visible());
  // This window keeps its old content.
  EXPECT_THAT(Rows(Form4().StringGrid1),
              ElementsAre("C:\\Data\\a.txt", "C:\\Data\\b.txt", "    2 孤立ファイル"));
}

TEST_F(SoleFilesInBackupWindowTest, FolderIdentityWorksOnTheMainWindowsSelectedFolder) {
  MakeFolder("C:\\One");
  MakeFolder("C:\\Two");
  Write("H:\\One\\x.txt", "x", kT0);
  Start({"C:\\One", "C:\\Two"});
  SearchInBackup();
  Select(Main().StringGrid1, 1);
  Select(Form4().StringGrid1, 0);  // a file of C:\One

  Answer(ModalResult::Cancel);
  Click(Form4().Button4);

  ASSERT_FALSE(recorder_.boxes.empty());
  EXPECT_EQ(recorder_.boxes.back().caption, "フォルダの同期と同一化");
  EXPECT_THAT(recorder_.boxes.back().text, ::testing::HasSubstr("\n\nTwo\n\n"));
}

TEST_F(SoleFilesInBackupWindowTest, CloseHidesAndKeepsTheRows) {
  StartWithSoleFiles();
  Click(Form4().Button1);
  EXPECT_FALSE(Form4().Visible());
  EXPECT_EQ(Form4().StringGrid1.RowCount(), 3);
}

}  // namespace
}  // namespace twindir::testing
