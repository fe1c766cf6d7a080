// The undefined-backup-folders window: its fill by the update run, the row
// rule, and Dir Create with the recount's singular and plural summaries.

#include <gmock/gmock.h>

#include "tests/windows/SecondaryWindowsFixture.h"

namespace twindir::testing {
namespace {

using ::testing::ElementsAre;

class UndefinedBackupFoldersWindowTest : public SecondaryWindowsTest {
 protected:
  // Reference folders A, B and C with a file each, none with a mirror folder.
  void StartWithThreeMissing() {
    for (std::string_view name : {"A", "B", "C"}) {
      Write("C:\\" + std::string(name) + "\\" + std::string(name) + ".txt", name, kT0);
    }
    Start({"C:\\A", "C:\\B", "C:\\C"});
    Update();
    ASSERT_THAT(Rows(Form7().StringGrid1),
                ElementsAre("H:\\A", "H:\\B", "H:\\C", "   3 フォルダがありません"));
  }
  void DirCreate(int row) {
    Select(Form7().StringGrid1, row);
    ASSERT_TRUE(Form7().Button3.Enabled());
    Click(Form7().Button3);
  }
};

TEST_F(UndefinedBackupFoldersWindowTest, CreationSetsTheJapaneseTextsButLeavesTheLabel) {
  Start({});
  EXPECT_EQ(Utf8(Form7().Caption()), "MOディスクに存在しないフォルダ名");
  EXPECT_EQ(Utf8(Form7().Button1.Caption()), "閉じる");
  EXPECT_EQ(Utf8(Form7().Button3.Caption()), "ﾌｫﾙﾀﾞ作成");
  EXPECT_EQ(Form7().Label1.Caption(), "Undefined MO Directories");
  EXPECT_TRUE(Form7().Button3.Enabled());
  EXPECT_FALSE(Form7().Visible());
}

TEST_F(UndefinedBackupFoldersWindowTest, TheUpdateRunShowsItWithItsHeadingAndDirCreateWaiting) {
  StartWithThreeMissing();
  EXPECT_TRUE(Form7().Visible());
  EXPECT_EQ(Utf8(Form7().Label1.Caption()), " MO (H:)の未定義フォルダ");
  EXPECT_EQ(Form7().StringGrid1.Row(), 0);
  EXPECT_FALSE(Form7().Button3.Enabled());

  for (const auto& [row, enabled] : {std::pair{2, true}, std::pair{3, false}, std::pair{0, true}}) {
    Select(Form7().StringGrid1, row);
    EXPECT_EQ(Form7().Button3.Enabled(), enabled) << "row " << row;
  }
}

TEST_F(UndefinedBackupFoldersWindowTest, DirCreateCopiesTheReferenceFilesAndCountsDownToNone) {
  StartWithThreeMissing();
  const std::vector<std::string> list_file = ListFileLines();

  DirCreate(1);
  EXPECT_EQ(ContentsOf("H:\\B\\B.txt"), "B");
  EXPECT_EQ(TimeOf("H:\\B\\B.txt"), kT0);
  EXPECT_THAT(Rows(Form7().StringGrid1),
              ElementsAre("H:\\A", "H:\\C", "   2 Directories still Undefined"));
  EXPECT_FALSE(Form7().Button3.Enabled());

  DirCreate(1);
  EXPECT_THAT(Rows(Form7().StringGrid1), ElementsAre("H:\\A", "   1 Directory still Undefined"));
  EXPECT_EQ(Main().Folders().MissingOnBackupCount, 3);  // kept while any is left

  DirCreate(0);
  EXPECT_THAT(Rows(Form7().StringGrid1), ElementsAre("   No Undefined Directory"));
  EXPECT_EQ(Main().Folders().MissingOnBackupCount, 0);
  EXPECT_EQ(ListFileLines(), list_file);  // this window never rewrites it

  // The next update run does not open the window again.
  Click(Form7().Button1);
  Update();
  EXPECT_FALSE(Form7().Visible());
}

TEST_F(UndefinedBackupFoldersWindowTest, DirCreateFindsTheReferenceFolderWithoutRegardToCase) {
  Write("C:\\Mixed\\m.txt", "m", kT0);
  Start({"C:\\Mixed"});
  Update();
  Form7().StringGrid1.SetCell(0, 0, Cp("H:\\MIXED"));  // as a hand-edited list could give

  DirCreate(0);

  EXPECT_EQ(ContentsOf("H:\\MIXED\\m.txt"), "m");
}

TEST_F(UndefinedBackupFoldersWindowTest, DirCreateOfAFolderUnregisteredMeanwhileCopiesNothing) {
  StartWithThreeMissing();
  ASSERT_TRUE(Main().RemoveFolder(Cp("C:\\A")));

  DirCreate(0);

  EXPECT_TRUE(IsFolder("H:\\A"));
  EXPECT_TRUE(drives_.NativeNames("H:\\A").empty());
  EXPECT_THAT(Rows(Form7().StringGrid1),
              ElementsAre("H:\\B", "H:\\C", "   2 Directories still Undefined"));
}

TEST_F(UndefinedBackupFoldersWindowTest, DirCreateTellsHowManyCopiesFailed) {
  Write("C:\\A\\2.txt", "two", kT0);
  StartWithThreeMissing();
  sys_.FailAll(test_support::Call::FutimeNs, EIO);
  DirCreate(0);
  sys_.Heal();

  EXPECT_THAT(recorder_.boxes,
              ElementsAre(Box{"TWINDIR 3.5", "2 個のファイルをMOにコピーできませんでした",
                              toolkit::MessageButtons::OK}));
  EXPECT_TRUE(IsFolder("H:\\A"));
  EXPECT_THAT(drives_.NativeNames("H:\\A"), ::testing::IsEmpty());
}

TEST_F(UndefinedBackupFoldersWindowTest, DirCreateFromAReferenceFolderThatCannotBeListedSaysSo) {
  StartWithThreeMissing();
  sys_.Deny(drives_.Native("C:\\C"));
  DirCreate(2);
  sys_.Restore();

  EXPECT_THAT(recorder_.boxes, ElementsAre(Box{"TWINDIR 3.5", "C:\\C フォルダを読めません",
                                               toolkit::MessageButtons::OK}));
  EXPECT_THAT(Rows(Form7().StringGrid1),
              ElementsAre("H:\\A", "H:\\B", "   2 Directories still Undefined"));
}

TEST_F(UndefinedBackupFoldersWindowTest, DirCreateThatCannotMakeTheFolderSaysSo) {
  Write("C:\\Deep\\Sub\\d.txt", "d", kT0);
  Write("H:\\Deep", "a file where the mirror's parent should be", kT0);
  Start({"C:\\Deep\\Sub"});
  Update();

  DirCreate(0);

  EXPECT_THAT(recorder_.boxes,
              ElementsAre(Box{"TWINDIR 3.5", "dir can't be created", toolkit::MessageButtons::OK}));
  EXPECT_THAT(Rows(Form7().StringGrid1), ElementsAre("H:\\Deep\\Sub", "   1 フォルダがありません"));
  EXPECT_FALSE(Form7().Button3.Enabled());
}

}  // namespace
}  // namespace twindir::testing
