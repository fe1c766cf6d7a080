// The main window's roads: start-up, registering and unregistering folders,
// the update run with the windows it opens, the folder view and file
// removal, folder identity, File Add, and the help and version windows.

#include <algorithm>
#include <array>
#include <cerrno>

#include "tests/windows/SecondaryWindowsFixture.h"
#include "toolkit/Peer.h"
#include "windows/Unit2.h"
#include "windows/Unit3.h"
#include "windows/Unit8.h"

namespace twindir::testing {
namespace {

using toolkit::ModalResult;
using Row3 = std::array<std::string, 3>;

class MainWindowTest : public SecondaryWindowsTest {
 protected:
  void StartWithoutListFile() { StartProgram(app_, context_); }

  // The report grid, row by row, in UTF-8.
  std::vector<Row3> Report() {
    const toolkit::StringGrid& grid = Main().StringGrid2;
    std::vector<Row3> rows;
    for (int row = 0; row < grid.RowCount(); ++row) {
      rows.push_back(
          {Utf8(grid.Cells(0, row)), Utf8(grid.Cells(1, row)), Utf8(grid.Cells(2, row))});
    }
    return rows;
  }

  void ChooseFiles(const std::vector<std::string_view>& utf8_paths) {
    std::vector<std::string> paths;
    for (std::string_view path : utf8_paths) paths.push_back(Cp(path));
    dialogs_.QueueOpenResult(paths);
  }
  void ChooseCancel() { dialogs_.QueueOpenResult(std::nullopt); }
  static void Click(toolkit::Control& control) { control.UserClick(); }
  static void Click(toolkit::MenuItem& item) { item.UserClick(); }
};

const std::vector<std::string> kEmptyListNotice = {
    "--注意--", "TWINDIR.DATがみつからないか，更新",    "フォルダ名が定義されていません.",
    "",         "更新フォルダを追加するか更新ファイル", "を追加してください．"};

// --- Start-up -----------------------------------------------------------------

TEST_F(MainWindowTest, StartUpWithThreeFoldersShowsThemInFileOrderAndWaitsForAnUpdate) {
  Start({"C:\\b", "C:\\A", "D:\\c"});

  std::vector<std::string> names;
  for (const toolkit::Form* form : app_.Forms()) names.push_back(form->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"Form1", "Form2", "Form3", "Form4", "Form5", "Form6",
                                             "Form7", "Form8"}));
  for (const toolkit::Form* form : app_.Forms()) {
    EXPECT_EQ(form->Visible(), form == &Main()) << form->Name();
  }
  EXPECT_EQ(app_.Title(), "TWINDIR 3.5");
  EXPECT_EQ(Utf8(Main().Caption()), "zadariva TWINDIR Ver3.5");
  EXPECT_EQ(Utf8(Main().Label1.Caption()), "ﾊﾞｯｸｱｯﾌﾟﾄﾞﾗｲﾌﾞ MO (H:)");
  EXPECT_EQ(Rows(Main().StringGrid1), (std::vector<std::string>{"C:\\b", "C:\\A", "D:\\c"}));
  EXPECT_EQ(Report(), (std::vector<Row3>{{"更新ﾎﾞﾀﾝをｸﾘｯｸ", "", ""}}));
  EXPECT_FALSE(Main().Button3.Enabled());
  EXPECT_FALSE(Main().Button4.Enabled());
  EXPECT_TRUE(Main().Button2.Enabled());
  EXPECT_FALSE(Main().StringGrid2.ShowHint());
  EXPECT_EQ(Utf8(Main().LumoBtn1.Caption()), "更　新");
  EXPECT_EQ(Utf8(Main().Button2.Caption()), "終　了");
  EXPECT_EQ(Utf8(Main().N1.Caption()), "バージョン(&V)");
  EXPECT_TRUE(recorder_.boxes.empty());
}

TEST_F(MainWindowTest, WithoutAListFileTheNoticeRowsAreNoFolders) {
  StartWithoutListFile();
  EXPECT_EQ(Rows(Main().StringGrid1), kEmptyListNotice);

  Select(Main().StringGrid1, 1);
  Click(Main().Delete1);
  EXPECT_FALSE(Main().Button3.Enabled());
  EXPECT_EQ(Report(), (std::vector<Row3>{{"更新ﾎﾞﾀﾝをｸﾘｯｸ", "", ""}}));
  EXPECT_TRUE(recorder_.boxes.empty());
  EXPECT_FALSE(drives_.Exists(kListFile)) << "nothing is written at start-up";
}

// --- Dir Add and unregistering ---------------------------------------------------

TEST_F(MainWindowTest, DirAddRegistersTheChosenFilesFolderAndRewritesTheListSorted) {
  Start({"C:\\b", "C:\\A", "D:\\c"});
  Choose("E:\\d\\file.txt");
  Click(Main().Button1);

  EXPECT_EQ(ListFileLines(), (std::vector<std::string>{"C:\\A", "C:\\b", "D:\\c", "E:\\d"}));
  EXPECT_EQ(Rows(Main().StringGrid1),
            (std::vector<std::string>{"C:\\A", "C:\\b", "D:\\c", "E:\\d"}));
  EXPECT_EQ(Main().Folders().FolderCount, 4);
  EXPECT_EQ(Main().Folders().MissingOnHddCount, 4) << "a folder need not exist to be registered";
  EXPECT_EQ(recorder_.open_dialogs, 1);
}

TEST_F(MainWindowTest, DirAddOnANewMediumCreatesTheListFileAndACancelChangesNothing) {
  StartWithoutListFile();
  ChooseCancel();
  Click(Main().Button1);
  EXPECT_FALSE(drives_.Exists(kListFile));
  EXPECT_EQ(Rows(Main().StringGrid1), kEmptyListNotice);

  Choose("C:\\a.txt");
  Click(Main().Button1);
  EXPECT_EQ(ListFileLines(), (std::vector<std::string>{"C:\\"}));
  EXPECT_EQ(Rows(Main().StringGrid1), (std::vector<std::string>{"C:\\"}));
  EXPECT_EQ(Utf8(Main().Folders().MirrorFolders.at(0)), "H:\\");
}

TEST_F(MainWindowTest, UnregisteringAsksAboutTheSelectedFolderAndOnlyOkRemovesIt) {
  MakeFolder("H:\\A");
  Start({"C:\\A", "C:\\b", "c:\\a"});
  Select(Main().StringGrid1, 0);

  Answer(ModalResult::Cancel);
  Click(Main().Delete1);
  ASSERT_EQ(recorder_.boxes.size(), 1u);
  EXPECT_EQ(recorder_.boxes[0], (Box{"このフォルダ名を更新リストから削除しますか?", "C:\\A",
                                     toolkit::MessageButtons::OKCancel}));
  EXPECT_EQ(ListFileLines(), (std::vector<std::string>{"C:\\A", "C:\\b", "c:\\a"}));

  Answer(ModalResult::OK);
  Click(Main().Delete1);
  EXPECT_EQ(ListFileLines(), (std::vector<std::string>{"C:\\b"}))
      << "the hand-written duplicate in another letter case goes too";
  EXPECT_EQ(Rows(Main().StringGrid1), (std::vector<std::string>{"C:\\b"}));
}

TEST_F(MainWindowTest, UnregisteringTheLastFolderLeavesAnEmptyFileAndTheNotice) {
  Start({"C:\\A"});
  MakeFolder("C:\\A");
  Select(Main().StringGrid1, 0);
  ASSERT_TRUE(Main().Button3.Enabled());
  Answer(ModalResult::OK);
  Click(Main().Delete1);

  EXPECT_EQ(ContentsOf(kListFile), "");
  EXPECT_EQ(Rows(Main().StringGrid1), kEmptyListNotice);
  EXPECT_TRUE(Main().Button3.Enabled()) << "once enabled, folder identity stays enabled";
}

TEST_F(MainWindowTest, AListFileThatCannotBeWrittenShowsTheErrorNamingItAndKeepsTheFolders) {
  Start({"C:\\A", "C:\\b"});
  const std::string before = ContentsOf(kListFile);
  sys_.FailAll(test_support::Call::Write, ENOSPC);

  Choose("C:\\new\\x.txt");
  Click(Main().Button1);
  Select(Main().StringGrid1, 1);
  Answer(ModalResult::OK);
  Click(Main().Delete1);
  sys_.Heal();

  ASSERT_EQ(recorder_.errors.size(), 2u);
  for (const std::string& error : recorder_.errors) {
    EXPECT_NE(error.find("H:\\TWINDIR.DAT"), std::string::npos) << error;
  }
  EXPECT_EQ(ContentsOf(kListFile), before);
  EXPECT_EQ(Rows(Main().StringGrid1), (std::vector<std::string>{"C:\\A", "C:\\b"}));
  EXPECT_EQ(Main().Folders().FolderCount, 2);
}

TEST_F(MainWindowTest, AFullTableIsToldAtLoadingAndRefusesAnotherFolder) {
  std::vector<std::string> folders;
  for (int i = 0; i < 500; ++i) folders.push_back("C:\\F" + std::to_string(1000 + i));
  Start(std::vector<std::string_view>(folders.begin(), folders.end()));
  const Box too_many{"Dir Size Error", "Too many Directories!", toolkit::MessageButtons::OK};
  EXPECT_EQ(recorder_.boxes, (std::vector<Box>{too_many}));
  const std::string before = ContentsOf(kListFile);

  Choose("C:\\New\\a.txt");
  Click(Main().Button1);
  EXPECT_EQ(recorder_.boxes, (std::vector<Box>{too_many, too_many}));
  EXPECT_EQ(ContentsOf(kListFile), before);
  EXPECT_EQ(Main().StringGrid1.RowCount(), 500);
}

// --- The update run -----------------------------------------------------------------

// Records what the progress window shows each time a label asks to be drawn
// at once, with the main window's Exit state at that moment.
class ProgressRecorder : public toolkit::Peer {
 public:
  ProgressRecorder(const TForm3& progress, const TForm1& main) : progress_(progress), main_(main) {}
  void Changed(toolkit::Property) override {}
  void RepaintNow() override {
    shown.push_back(Utf8(progress_.Label1.Caption()) + " | " + Utf8(progress_.Label2.Caption()));
    exit_enabled_while_drawn |= main_.Button2.Enabled();
    hidden_while_drawn |= !progress_.Visible();
  }
  std::vector<std::string> shown;
  bool exit_enabled_while_drawn = false;
  bool hidden_while_drawn = false;

 private:
  const TForm3& progress_;
  const TForm1& main_;
};

class UpdateRunTest : public MainWindowTest {
 protected:
  // Sample: a.txt newer in the backup, b.txt newer on the hard disk, c.txt
  // equal, sole.txt only in the backup. Gone: registered, missing on the
  // hard disk. Away: registered, missing on the backup drive.
  void SetUp() override {
    Write("H:\\Sample\\a.txt", "backup", kT0 + kSecond);
    Write("C:\\Sample\\a.txt", "hdd", kT0);
    Write("H:\\Sample\\b.txt", "backup", kT0);
    Write("C:\\Sample\\b.txt", "hdd", kT0 + kSecond);
    Write("H:\\Sample\\c.txt", "same", kT0);
    Write("C:\\Sample\\c.txt", "same", kT0);
    Write("H:\\Sample\\sole.txt", "backup only", kT0);
    Write("H:\\Gone\\g.txt", "backup only", kT0);
    MakeFolder("C:\\Away");
    Start({"C:\\Sample", "C:\\Gone", "C:\\Away"});
  }
};

TEST_F(UpdateRunTest, CopiesBothWaysAndReportsTheCopiesTheTimeAndTheDrive) {
  Update();

  EXPECT_EQ(ContentsOf("C:\\Sample\\a.txt"), "backup");
  EXPECT_EQ(ContentsOf("H:\\Sample\\b.txt"), "hdd");
  const std::vector<Row3> report = Report();
  ASSERT_EQ(report.size(), 5u);
  EXPECT_EQ(report[0], (Row3{"a.txt", " → ", "C:\\Sample"}));
  EXPECT_EQ(report[1], (Row3{"b.txt", " → ", "H:\\Sample"}));
  EXPECT_EQ(report[2], (Row3{"  2 ファイル更新", "", "  2004/09/13   08:05:09"}));
  EXPECT_EQ(report[3], (Row3{"", "", ""}));
  EXPECT_EQ(report[4][0], " ﾊﾞｯｸｱｯﾌﾟﾄﾞﾗｲﾌﾞ H:");
  EXPECT_TRUE(report[4][2].ends_with(" MB フリー")) << report[4][2];
  EXPECT_EQ(Main().StringGrid2.Row(), 0);
  EXPECT_FALSE(Main().StringGrid2.ShowHint()) << "the run ends with the report's tooltip off";

  Update();
  EXPECT_EQ(Report()[0][0], "  更新ファイルなし") << "the second run finds nothing to copy";
  EXPECT_TRUE(recorder_.boxes.empty()) << "an update run asks and tells nothing";
}

TEST_F(UpdateRunTest, SoleBackupFilesGoToTheSoleFilesWindowWithItsActionsDisabled) {
  Update();
  EXPECT_EQ(Rows(Form4().StringGrid1),
            (std::vector<std::string>{"C:\\Sample\\sole.txt", "C:\\Gone\\g.txt"}));
  EXPECT_EQ(Main().Folders().SoleInBackupCount, 2);
  EXPECT_FALSE(Form4().Button2.Enabled());
  EXPECT_FALSE(Form4().Button3.Enabled());
  EXPECT_FALSE(Form4().Visible()) << "the run fills the window but does not show it";
}

TEST_F(UpdateRunTest, TheWindowsOfTheFoldersMissingOnEachSideOpenAfterTheRun) {
  Update();
  EXPECT_TRUE(Form6().Visible());
  EXPECT_EQ(Rows(Form6().StringGrid1),
            (std::vector<std::string>{"C:\\Gone", "   1 フォルダがありません"}));
  EXPECT_TRUE(Form7().Visible());
  EXPECT_EQ(Rows(Form7().StringGrid1),
            (std::vector<std::string>{"H:\\Away", "   1 フォルダがありません"}));
  EXPECT_EQ(Utf8(Form7().Label1.Caption()), " MO (H:)の未定義フォルダ");
}

TEST_F(UpdateRunTest, ExitIsDisabledAndTheProgressShownWhileTheRunWorks) {
  ProgressRecorder progress(*context_.Form3, Main());
  context_.Form3->Label1.SetPeer(&progress);
  context_.Form3->Label2.SetPeer(&progress);
  Update();
  context_.Form3->Label1.SetPeer(nullptr);
  context_.Form3->Label2.SetPeer(nullptr);

  ASSERT_FALSE(progress.shown.empty());
  EXPECT_EQ(progress.shown.front(), "準備をしています .... | ");
  EXPECT_NE(std::find(progress.shown.begin(), progress.shown.end(),
                      "H:\\Sample | 更新中　 a.txt → C:\\Sample"),
            progress.shown.end());
  EXPECT_NE(std::find(progress.shown.begin(), progress.shown.end(),
                      "H:\\Sample | 更新中　 b.txt → H:\\Sample"),
            progress.shown.end());
  EXPECT_FALSE(progress.exit_enabled_while_drawn);
  EXPECT_FALSE(progress.hidden_while_drawn);
  EXPECT_EQ(context_.Form3->ProgressBar1.Max(), 3);

  EXPECT_FALSE(context_.Form3->Visible());
  EXPECT_TRUE(Main().Button2.Enabled());
}

TEST_F(UpdateRunTest, SoleFilesAreEnabledByTheFirstRunForGood) {
  EXPECT_FALSE(Main().Button4.Enabled());
  Update();
  EXPECT_TRUE(Main().Button4.Enabled());
  Update();
  EXPECT_TRUE(Main().Button4.Enabled());
}

TEST_F(MainWindowTest, AnUpdateWithNoFolderReportsNothingAndOpensNoWindow) {
  StartWithoutListFile();
  Update();
  const std::vector<Row3> report = Report();
  ASSERT_EQ(report.size(), 3u);
  EXPECT_EQ(report[0][0], "  更新ファイルなし");
  EXPECT_EQ(report[2][0], " ﾊﾞｯｸｱｯﾌﾟﾄﾞﾗｲﾌﾞ H:");
  EXPECT_FALSE(Form6().Visible());
  EXPECT_FALSE(Form7().Visible());
}

// --- The sole-file command's two sides ----------------------------------------------------

TEST_F(MainWindowTest, TheSideCheckBoxChangesOnlyTheHintAndTheSearchFollowsIt) {
  MakeFolder("C:\\A");
  Write("H:\\A\\only-backup.txt", "x", kT0);
  Write("C:\\A\\only-hdd.txt", "x", kT0);
  Start({"C:\\A"});
  Update();

  Click(Main().CheckBox1);
  EXPECT_EQ(Utf8(Main().Button4.Hint()), "HDDの孤立ファイル表示");
  EXPECT_FALSE(Form5().Visible());
  Click(Main().Button4);
  EXPECT_TRUE(Form5().Visible());
  EXPECT_EQ(Rows(Form5().StringGrid1)[0], "only-hdd.txt");

  Click(Main().CheckBox1);
  EXPECT_EQ(Utf8(Main().Button4.Hint()), "MOの孤立ファイル表示");
  Click(Main().Button4);
  EXPECT_TRUE(Form4().Visible());
  EXPECT_EQ(Rows(Form4().StringGrid1)[0], "C:\\A\\only-backup.txt");
}

// --- The folder view and removal -----------------------------------------------------------

class FolderViewTest : public MainWindowTest {
 protected:
  void SetUp() override {
    Write("H:\\Mydir\\Sample\\b.txt", "b", kT0);
    Write("H:\\Mydir\\Sample\\A.TXT", "a", kT0);
    MakeFolder("H:\\Mydir\\Sample\\sub");
    MakeFolder("C:\\Mydir\\Sample");
    MakeFolder("C:\\NoMirror");
    Start({"C:\\Mydir\\Sample", "C:\\NoMirror"});
  }
};

TEST_F(FolderViewTest, AClickOnAFolderListsItsMirrorFolderAndEnablesFolderIdentity) {
  Select(Main().StringGrid1, 0);

  EXPECT_EQ(Report(), (std::vector<Row3>{{"A.TXT", "", "H:\\Mydir\\Sample"},
                                         {"b.txt", "", "H:\\Mydir\\Sample"},
                                         {"            2 ﾌｧｲﾙ", "", "H:\\Mydir\\Sample"}}));
  EXPECT_EQ(Utf8(Main().StringGrid1.Hint()), "C:\\Mydir\\Sample");
  EXPECT_TRUE(Main().StringGrid2.ShowHint());
  EXPECT_EQ(Utf8(Main().StringGrid2.Hint()), "右ｸﾘｯｸ：MOからﾌｧｲﾙ削除")
      << "the layout hint until a report row is selected";
  EXPECT_TRUE(Main().Button3.Enabled());

  Select(Main().StringGrid2, 1);
  EXPECT_EQ(Utf8(Main().StringGrid2.Hint()), "b.txt H:\\Mydir\\Sample");
}

TEST_F(FolderViewTest, AMissingMirrorFolderIsToldAndStillEnablesFolderIdentity) {
  Select(Main().StringGrid1, 1);
  ASSERT_EQ(recorder_.boxes.size(), 1u);
  EXPECT_EQ(recorder_.boxes[0].text, "フォルダ H:\\NoMirror が MO (H:) にありません");
  EXPECT_EQ(recorder_.boxes[0].buttons, toolkit::MessageButtons::OK);
  EXPECT_EQ(Report(), (std::vector<Row3>{{"  更新ファイルなし", "", "H:\\NoMirror"}}));
  EXPECT_TRUE(Main().Button3.Enabled());
}

TEST_F(FolderViewTest, RemovalAsksWithThePathAndOnlyOkDeletesAndListsAgain) {
  Select(Main().StringGrid1, 0);
  Select(Main().StringGrid2, 1);

  Answer(ModalResult::Cancel);
  Click(Main().Removethisfile1);
  ASSERT_EQ(recorder_.boxes.size(), 1u);
  EXPECT_EQ(recorder_.boxes[0],
            (Box{"このファイルをMOから削除しますか?", "H:\\Mydir\\Sample\\b.txt",
                 toolkit::MessageButtons::OKCancel}));
  EXPECT_TRUE(IsFile("H:\\Mydir\\Sample\\b.txt"));
  EXPECT_EQ(Report().size(), 3u);

  Answer(ModalResult::OK);
  Click(Main().Removethisfile1);
  EXPECT_FALSE(IsFile("H:\\Mydir\\Sample\\b.txt"));
  EXPECT_EQ(Report(), (std::vector<Row3>{{"A.TXT", "", "H:\\Mydir\\Sample"},
                                         {"            1 files in", "", "H:\\Mydir\\Sample"}}));
  EXPECT_EQ(Main().StringGrid2.Row(), 0);

  Select(Main().StringGrid2, 0);
  Answer(ModalResult::OK);
  Click(Main().Removethisfile1);
  EXPECT_EQ(Report(),
            (std::vector<Row3>{{"  更新ファイルなし", "", "H:\\Mydir\\Sample"}, {"", "", ""}}))
      << "the last file gone: the row count stays";
}

TEST_F(FolderViewTest, RemovalOnASummaryRowOrBeforeAnyListingDoesNothing) {
  Click(Main().Removethisfile1);  // the start-up row, before any folder view
  Select(Main().StringGrid1, 0);
  Select(Main().StringGrid2, 2);  // the count row
  Click(Main().Removethisfile1);

  EXPECT_TRUE(recorder_.boxes.empty());
  EXPECT_TRUE(IsFile("H:\\Mydir\\Sample\\b.txt"));
  EXPECT_TRUE(IsFile("H:\\Mydir\\Sample\\A.TXT"));
}

TEST_F(FolderViewTest, RemovalRefusesAnUpdateReportRowThatNamesTheHardDisk) {
  Select(Main().StringGrid1, 0);  // arms the removal
  Write("C:\\Mydir\\Sample\\b.txt", "newer on the hard disk", kT0 + kSecond);
  Write("H:\\Mydir\\Sample\\A.TXT", "newer in the backup", kT0 + kSecond);
  Write("C:\\Mydir\\Sample\\A.TXT", "older", kT0);
  Update();
  ASSERT_EQ(Report()[0], (Row3{"A.TXT", " → ", "C:\\Mydir\\Sample"}));

  Select(Main().StringGrid2, 0);
  Click(Main().Removethisfile1);
  EXPECT_TRUE(recorder_.boxes.empty());
  EXPECT_TRUE(IsFile("C:\\Mydir\\Sample\\A.TXT"));
}

// --- Folder identity ---------------------------------------------------------------------------

TEST_F(MainWindowTest, FolderIdentityAsksFirstAndOnlyOkCopiesBothWays) {
  Write("H:\\Mydir\\Sample\\backup-only.txt", "b", kT0);
  Write("C:\\Mydir\\Sample\\hdd-only.txt", "h", kT0);
  Start({"C:\\Mydir\\Sample"});
  Select(Main().StringGrid1, 0);
  const std::vector<Row3> view = Report();

  Answer(ModalResult::Cancel);
  Click(Main().Button3);
  ASSERT_EQ(recorder_.boxes.size(), 1u);
  EXPECT_EQ(recorder_.boxes[0].caption, "フォルダの同期と同一化");
  EXPECT_EQ(
      recorder_.boxes[0].text,
      "バックアップドライブ H: とディスクドライブ C: のフォルダ　　　　　\n\nMydir\\Sample\n\n"
      "の内容を同一にしますか?");
  EXPECT_EQ(Report(), view);
  EXPECT_FALSE(IsFile("C:\\Mydir\\Sample\\backup-only.txt"));

  Answer(ModalResult::OK);
  Click(Main().Button3);
  EXPECT_TRUE(IsFile("C:\\Mydir\\Sample\\backup-only.txt"));
  EXPECT_TRUE(IsFile("H:\\Mydir\\Sample\\hdd-only.txt"));
  const std::vector<Row3> report = Report();
  ASSERT_EQ(report.size(), 5u);
  EXPECT_EQ(report[0], (Row3{"backup-only.txt", "新規", "C:\\Mydir\\Sample"}));
  EXPECT_EQ(report[1], (Row3{"hdd-only.txt", "新規", "H:\\Mydir\\Sample"}));
  EXPECT_EQ(report[3][0], "  2 ファイルコピー");
  EXPECT_EQ(report[4][0], " ﾊﾞｯｸｱｯﾌﾟﾄﾞﾗｲﾌﾞ H:");
}

// --- File Add ---------------------------------------------------------------------------------

TEST_F(MainWindowTest, FileAddOnANewMediumRegistersTheFolderAndCopiesTheFiles) {
  Write("C:\\Mydir\\Sample\\a.txt", "a", kT0);
  Write("C:\\Mydir\\Sample\\b.txt", "b", kT0);
  StartWithoutListFile();
  EXPECT_FALSE(Main().OpenDialog1.MultiSelect());

  ChooseFiles({"C:\\Mydir\\Sample\\a.txt", "C:\\Mydir\\Sample\\b.txt"});
  Click(Main().Button5);

  EXPECT_EQ(ListFileLines(), (std::vector<std::string>{"C:\\Mydir\\Sample"}));
  EXPECT_EQ(Rows(Main().StringGrid1), (std::vector<std::string>{"C:\\Mydir\\Sample"}));
  EXPECT_EQ(ContentsOf("H:\\Mydir\\Sample\\a.txt"), "a");
  EXPECT_EQ(ContentsOf("H:\\Mydir\\Sample\\b.txt"), "b");
  EXPECT_EQ(TimeOf("H:\\Mydir\\Sample\\a.txt"), kT0);
  EXPECT_TRUE(recorder_.boxes.empty()) << "File Add shows nothing when it succeeds";
  EXPECT_EQ(Report(), (std::vector<Row3>{{"更新ﾎﾞﾀﾝをｸﾘｯｸ", "", ""}}));
}

TEST_F(MainWindowTest, AfterFileAddDirAddAllowsSeveralFilesAndRegistersTheFirstOnesFolder) {
  StartWithoutListFile();
  ChooseCancel();
  Click(Main().Button5);
  EXPECT_EQ(Rows(Main().StringGrid1)[0], "Twindir.datファイルがみつかりません")
      << "File Add loads the list before its dialog";
  EXPECT_TRUE(Main().OpenDialog1.MultiSelect());

  ChooseFiles({"D:\\x\\1.txt", "D:\\x\\2.txt"});
  Click(Main().Button1);
  EXPECT_TRUE(Main().OpenDialog1.MultiSelect()) << "the switch stays on";
  EXPECT_EQ(ListFileLines(), (std::vector<std::string>{"D:\\x"}));
}

// --- Exit, help and version --------------------------------------------------------------------

TEST_F(MainWindowTest, HelpAndVersionOpenOnceAndTheirIconsCloseThem) {
  StartWithoutListFile();
  TForm2& help = *context_.Form2;
  TForm8& version = *context_.Form8;
  Click(Main().Howto1);
  Click(Main().Howto1);
  Click(Main().N1);
  EXPECT_TRUE(help.Visible());
  EXPECT_TRUE(version.Visible());
  EXPECT_EQ(app_.Forms().size(), 8u) << "an open window comes to the front, not a second one";
  EXPECT_EQ(help.Memo1.Lines().size(), 185u);
  EXPECT_FALSE(help.Button1.Visible());

  Click(help.Image1);
  Click(version.Image1);
  EXPECT_FALSE(help.Visible());
  EXPECT_FALSE(version.Visible());
  EXPECT_EQ(Utf8(help.Caption()), "使い方");
  EXPECT_EQ(Utf8(version.Caption()), "バージョン情報");
}

TEST_F(MainWindowTest, ExitQuitAndTheCloseBoxEndTheProgram) {
  const auto cases = std::to_array<void (*)(TForm1&)>({
      [](TForm1& main) { main.Button2.UserClick(); },
      [](TForm1& main) { main.QuitQ1.UserClick(); },
      [](TForm1& main) { main.Close(); },
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    toolkit::Application app{dialogs_};
    ProgramContext context{drives_.fs(), clock_, order_};
    StartProgram(app, context);
    cases[i](*context.Form1);
    EXPECT_TRUE(app.Terminated()) << "case " << i;
  }
}

}  // namespace
}  // namespace twindir::testing
