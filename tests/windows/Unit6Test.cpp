// The undefined-hard-disk-folders window: its fill by the update run, the
// row rule, Dir Set, Dir Del and Dir Create with the recount after each.

#include <gmock/gmock.h>

#include <cerrno>

#include "tests/windows/SecondaryWindowsFixture.h"

namespace twindir::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using toolkit::ModalResult;

class UndefinedHddFoldersWindowTest : public SecondaryWindowsTest {
 protected:
  // C:\Gone is registered but missing on the hard disk; its mirror holds
  // two files. C:\Here exists on both sides.
  void StartWithOneMissing() {
    Write("H:\\Gone\\a.txt", "backup a", kT0);
    Write("H:\\Gone\\b.txt", "backup b", kT0 + kSecond);
    MakeFolder("C:\\Here");
    MakeFolder("H:\\Here");
    Start({"C:\\Gone", "C:\\Here"});
    Update();
    ASSERT_THAT(Rows(Form6().StringGrid1), ElementsAre("C:\\Gone", "   1 フォルダがありません"));
  }

  bool ActionsEnabled() {
    const bool set = Form6().Button2.Enabled();
    EXPECT_EQ(Form6().Button3.Enabled(), set);
    EXPECT_EQ(Form6().Button4.Enabled(), set);
    return set;
  }
};

TEST_F(UndefinedHddFoldersWindowTest, CreationSetsTheJapaneseTexts) {
  Start({});
  EXPECT_EQ(Utf8(Form6().Caption()), "HDDに存在しないフォルダ名");
  EXPECT_EQ(Utf8(Form6().Label1.Caption()), "HDDの未定義フォルダ");
  EXPECT_EQ(Utf8(Form6().Button1.Caption()), "閉じる");
  EXPECT_EQ(Utf8(Form6().Button2.Caption()), "新規登録");
  EXPECT_EQ(Utf8(Form6().Button3.Caption()), "登録取消");
  EXPECT_EQ(Utf8(Form6().Button4.Caption()), "ﾌｫﾙﾀﾞ作成");
  EXPECT_FALSE(Form6().Visible());
  EXPECT_FALSE(ActionsEnabled());
}

TEST_F(UndefinedHddFoldersWindowTest, TheUpdateRunShowsItWithRowZeroSelectedAndTheActionsWaiting) {
  StartWithOneMissing();
  EXPECT_TRUE(Form6().Visible());
  EXPECT_EQ(Form6().StringGrid1.Row(), 0);
  EXPECT_FALSE(ActionsEnabled());

  for (const auto& [row, enabled] : {std::pair{0, true}, std::pair{1, false}, std::pair{0, true}}) {
    Select(Form6().StringGrid1, row);
    EXPECT_EQ(ActionsEnabled(), enabled) << "row " << row;
  }
}

TEST_F(UndefinedHddFoldersWindowTest, ANewFillDisablesTheActionsAlsoWhenRowZeroWasSelected) {
  StartWithOneMissing();
  Select(Form6().StringGrid1, 1);
  Update();  // row 1 to row 0: the grid runs the row rule
  EXPECT_EQ(Form6().StringGrid1.Row(), 0);
  EXPECT_FALSE(ActionsEnabled());
}

// Dir Set with one chosen file; the list file and the grid afterwards.
class DirSetTest
    : public UndefinedHddFoldersWindowTest,
      public ::testing::WithParamInterface<std::pair<const char*, std::vector<std::string>>> {};

TEST_P(DirSetTest, RegistersTheChosenFilesFolderInPlaceOfTheMissingOne) {
  const auto& [chosen_file, list_file] = GetParam();
  Write(chosen_file, "chosen", kT0);
  StartWithOneMissing();
  Select(Form6().StringGrid1, 0);
  Choose(chosen_file);
  Click(Form6().Button2);

  EXPECT_EQ(ListFileLines(), list_file);
  EXPECT_EQ(Main().StringGrid1.RowCount(), static_cast<int>(list_file.size()));
  EXPECT_THAT(Rows(Form6().StringGrid1), ElementsAre("   未定義フォルダはありません"));
  EXPECT_FALSE(ActionsEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    ChosenFiles, DirSetTest,
    ::testing::Values(std::pair{"C:\\Other\\x.txt",
                                std::vector<std::string>{"C:\\Here", "C:\\Other"}},
                      // A folder registered already stays listed once, in its registered spelling.
                      std::pair{"C:\\here\\x.txt", std::vector<std::string>{"C:\\Here"}},
                      // A file in a drive root registers the root with its backslash.
                      std::pair{"C:\\x.txt", std::vector<std::string>{"C:\\", "C:\\Here"}}));

TEST_F(UndefinedHddFoldersWindowTest, DirSetCancelledChangesNothingButRecounts) {
  StartWithOneMissing();
  Select(Form6().StringGrid1, 0);
  MakeFolder("C:\\Gone");  // made meanwhile: the recount no longer lists it
  dialogs_.QueueOpenResult(std::nullopt);
  Click(Form6().Button2);

  EXPECT_EQ(recorder_.open_dialogs, 1);
  EXPECT_THAT(ListFileLines(), ElementsAre("C:\\Gone", "C:\\Here"));
  EXPECT_THAT(Rows(Form6().StringGrid1), ElementsAre("   未定義フォルダはありません"));
  EXPECT_FALSE(ActionsEnabled());
}

TEST_F(UndefinedHddFoldersWindowTest, DirDelAsksWithThePathAndOnlyOkUnregisters) {
  StartWithOneMissing();
  const Box question{"このフォルダ名を更新リストから削除しますか?", "C:\\Gone",
                     toolkit::MessageButtons::OKCancel};
  Select(Form6().StringGrid1, 0);

  Answer(ModalResult::Cancel);
  Click(Form6().Button3);
  EXPECT_THAT(recorder_.boxes, ElementsAre(question));
  EXPECT_THAT(ListFileLines(), ElementsAre("C:\\Gone", "C:\\Here"));
  EXPECT_TRUE(ActionsEnabled());  // as they were

  Answer(ModalResult::OK);
  Click(Form6().Button3);
  EXPECT_THAT(recorder_.boxes, ElementsAre(question, question));
  EXPECT_THAT(ListFileLines(), ElementsAre("C:\\Here"));
  EXPECT_EQ(Main().StringGrid1.Cells(0, 0), "C:\\Here");
  EXPECT_THAT(Rows(Form6().StringGrid1), ElementsAre("   未定義フォルダはありません"));
  EXPECT_FALSE(ActionsEnabled());
}

TEST_F(UndefinedHddFoldersWindowTest, DirDelOfTheOnlyFolderLeavesAnEmptyListFile) {
  Start({"C:\\Gone"});
  Update();
  Select(Form6().StringGrid1, 0);
  Answer(ModalResult::OK);
  Click(Form6().Button3);

  EXPECT_THAT(ListFileLines(), IsEmpty());
  EXPECT_EQ(Main().StringGrid1.RowCount(), 6);  // the empty-list notice
  EXPECT_THAT(Rows(Form6().StringGrid1), ElementsAre("   未定義フォルダはありません"));
}

TEST_F(UndefinedHddFoldersWindowTest, DirCreateMakesTheFolderAndCopiesTheMirrorsFiles) {
  Write("H:\\Lost\\c.txt", "backup c", kT0);
  StartWithOneMissing();  // C:\Lost is not registered: it stays missing
  ASSERT_TRUE(Main().AddFolder(Cp("C:\\Lost")));
  Update();
  ASSERT_THAT(Rows(Form6().StringGrid1),
              ElementsAre("C:\\Gone", "C:\\Lost", "   2 フォルダがありません"));

  Select(Form6().StringGrid1, 0);
  Click(Form6().Button4);

  EXPECT_THAT(drives_.NativeNames("C:\\Gone"), ElementsAre("a.txt", "b.txt"));
  EXPECT_EQ(ContentsOf("C:\\Gone\\b.txt"), "backup b");
  EXPECT_EQ(TimeOf("C:\\Gone\\b.txt"), kT0 + kSecond);
  EXPECT_THAT(ListFileLines(), ElementsAre("C:\\Gone", "C:\\Here", "C:\\Lost"));
  EXPECT_THAT(Rows(Form6().StringGrid1), ElementsAre("C:\\Lost", "   1 フォルダがありません"));
  EXPECT_EQ(Main().Folders().MissingOnHddCount, 1);
  EXPECT_FALSE(ActionsEnabled());
  EXPECT_TRUE(recorder_.boxes.empty());
}

TEST_F(UndefinedHddFoldersWindowTest, DirCreateRegistersAgainAFolderUnregisteredMeanwhile) {
  StartWithOneMissing();
  ASSERT_TRUE(Main().RemoveFolder(Cp("C:\\Gone")));
  Select(Form6().StringGrid1, 0);
  Click(Form6().Button4);

  EXPECT_THAT(ListFileLines(), ElementsAre("C:\\Gone", "C:\\Here"));
  EXPECT_THAT(drives_.NativeNames("C:\\Gone"), ElementsAre("a.txt", "b.txt"));
}

TEST_F(UndefinedHddFoldersWindowTest, DirCreateThatCannotMakeTheFolderSaysSoAndChangesNothing) {
  Write("C:\\Blocked", "a file where the folder's parent should be", kT0);
  Start({"C:\\Blocked\\Sub"});
  Update();
  Select(Form6().StringGrid1, 0);
  Click(Form6().Button4);

  EXPECT_THAT(recorder_.boxes,
              ElementsAre(Box{"TWINDIR 3.5", "dir can't be created", toolkit::MessageButtons::OK}));
  EXPECT_THAT(Rows(Form6().StringGrid1),
              ElementsAre("C:\\Blocked\\Sub", "   1 フォルダがありません"));
  EXPECT_THAT(ListFileLines(), ElementsAre("C:\\Blocked\\Sub"));
  EXPECT_FALSE(ActionsEnabled());
}

// The copies of a fill fail at the step that gives each copy its time, so
// nothing is renamed into the new folder; the list file is written without it.
TEST_F(UndefinedHddFoldersWindowTest, DirCreateTellsHowManyCopiesFailed) {
  StartWithOneMissing();
  Select(Form6().StringGrid1, 0);
  sys_.FailAll(test_support::Call::FutimeNs, EIO);
  Click(Form6().Button4);
  sys_.Heal();

  EXPECT_THAT(recorder_.boxes,
              ElementsAre(Box{"TWINDIR 3.5", "2 個のファイルをHDDにコピーできませんでした",
                              toolkit::MessageButtons::OK}));
  EXPECT_TRUE(IsFolder("C:\\Gone"));
  EXPECT_THAT(drives_.NativeNames("C:\\Gone"), IsEmpty());
  EXPECT_THAT(Rows(Form6().StringGrid1), ElementsAre("   未定義フォルダはありません"));
}

TEST_F(UndefinedHddFoldersWindowTest, DirCreateFromAMirrorThatCannotBeListedSaysSo) {
  StartWithOneMissing();
  Select(Form6().StringGrid1, 0);
  sys_.Deny(drives_.Native("H:\\Gone"));
  Click(Form6().Button4);
  sys_.Restore();

  EXPECT_THAT(recorder_.boxes, ElementsAre(Box{"TWINDIR 3.5", "H:\\Gone フォルダを読めません",
                                               toolkit::MessageButtons::OK}));
  EXPECT_THAT(drives_.NativeNames("C:\\Gone"), IsEmpty());
}

TEST_F(UndefinedHddFoldersWindowTest,
       AListFileThatCannotBeWrittenStopsTheActionWithEverythingAsItWas) {
  StartWithOneMissing();
  Select(Form6().StringGrid1, 0);
  sys_.FailAll(test_support::Call::RenameAt, EACCES);

  Answer(ModalResult::OK);
  Click(Form6().Button3);

  ASSERT_EQ(recorder_.errors.size(), 1u);
  EXPECT_THAT(recorder_.errors[0], ::testing::HasSubstr("TWINDIR.DAT"));
  sys_.Heal();
  EXPECT_THAT(ListFileLines(), ElementsAre("C:\\Gone", "C:\\Here"));
  EXPECT_THAT(Rows(Form6().StringGrid1), ElementsAre("C:\\Gone", "   1 フォルダがありません"));
  EXPECT_TRUE(ActionsEnabled());
}

}  // namespace
}  // namespace twindir::testing
