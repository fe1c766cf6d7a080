// The sole-files-on-disk window: its row rule, the copy to the backup, the
// deletion from the hard disk, the stepping through the registered folders
// and folder identity started from it.

#include <gmock/gmock.h>

#include <array>
#include <filesystem>

#include "tests/windows/SecondaryWindowsFixture.h"

namespace twindir::testing {
namespace {

using ::testing::ElementsAre;
using toolkit::ModalResult;

class SoleFilesOnDiskWindowTest : public SecondaryWindowsTest {
 protected:
  // Three registered folders, each with one sole file on the hard disk
  // named after it; C:\A also holds a file both sides have.
  void StartWithThreeFolders() {
    for (std::string_view name : {"A", "B", "C"}) {
      const std::string folder = "C:\\" + std::string(name);
      Write(folder + "\\only-" + std::string(name) + ".txt", "disk", kT0);
      Write(folder + "\\both.txt", "same", kT0);
      Write("H:\\" + std::string(name) + "\\both.txt", "same", kT0);
    }
    Write("C:\\A\\second.txt", "disk 2", kT0 + kSecond);
    Start({"C:\\A", "C:\\B", "C:\\C"});
  }
};

TEST_F(SoleFilesOnDiskWindowTest, CreationSetsTheJapaneseCaptionsAndLeavesTheLabels) {
  Start({});
  EXPECT_EQ(Utf8(Form5().Caption()), "HDDの孤立ファイル(更新されません)");
  EXPECT_EQ(Utf8(Form5().Button1.Caption()), "閉じる");
  EXPECT_EQ(Utf8(Form5().Button2.Caption()), "MOへコピー");
  EXPECT_EQ(Utf8(Form5().Button3.Caption()), "HDDから削除");
  EXPECT_EQ(Form5().Label1.Caption(), "Defined by Program");
  EXPECT_EQ(Form5().Label2.Caption(), "Label2");
  EXPECT_EQ(Form5().Edit1.Text(), "0");
  EXPECT_FALSE(Form5().Edit1.Visible());
  EXPECT_FALSE(Form5().Visible());
}

TEST_F(SoleFilesOnDiskWindowTest, TheSearchFillsTheWindowAndOnlyAFileRowEnablesTheActions) {
  StartWithThreeFolders();
  Form5().Button2.SetEnabled(true);  // as in the layout, before any search
  SearchOnDisk(0);

  EXPECT_TRUE(Form5().Visible());
  EXPECT_EQ(Form5().Edit1.Text(), "0");
  EXPECT_EQ(Utf8(Form5().Label1.Caption()), "HDDの孤立ファイル");
  EXPECT_EQ(Form5().Label2.Caption(), "C:\\A");
  ASSERT_THAT(Rows(Form5().StringGrid1),
              ElementsAre("only-A.txt", "second.txt", "    2  孤立ファイル"));
  EXPECT_FALSE(Form5().Button2.Enabled());
  EXPECT_FALSE(Form5().Button3.Enabled());

  struct Case {
    int row;
    bool enabled;
  };
  for (const Case& c : {Case{1, true}, Case{2, false}, Case{0, true}}) {
    Select(Form5().StringGrid1, c.row);
    EXPECT_EQ(Form5().Button2.Enabled(), c.enabled) << "row " << c.row;
    EXPECT_EQ(Form5().Button3.Enabled(), c.enabled) << "row " << c.row;
  }
}

TEST_F(SoleFilesOnDiskWindowTest, CopyToTheBackupLeavesTheListAndRemakesAMirrorFolderGoneSince) {
  StartWithThreeFolders();
  SearchOnDisk(0);
  std::filesystem::remove_all(drives_.Native("H:\\A"));  // the medium changed meanwhile

  Select(Form5().StringGrid1, 1);
  Click(Form5().Button2);

  EXPECT_EQ(ContentsOf("H:\\A\\second.txt"), "disk 2");
  EXPECT_EQ(TimeOf("H:\\A\\second.txt"), kT0 + kSecond);
  // The mirror now lacks both.txt and only-A.txt, so both are sole files.
  EXPECT_THAT(Rows(Form5().StringGrid1),
              ElementsAre("both.txt", "only-A.txt", "    2  孤立ファイル"));

  Select(Form5().StringGrid1, 1);
  Click(Form5().Button2);
  EXPECT_THAT(Rows(Form5().StringGrid1), ElementsAre("both.txt", "    1  孤立ファイル"));
  EXPECT_TRUE(recorder_.boxes.empty());
}

TEST_F(SoleFilesOnDiskWindowTest, DeleteAsksWithTheHardDiskPathAndOnlyOkDeletes) {
  StartWithThreeFolders();
  SearchOnDisk(0);
  const Box question{"このファイルをHDDから削除しますか?", "C:\\A\\second.txt",
                     toolkit::MessageButtons::OKCancel};

  Select(Form5().StringGrid1, 1);
  Answer(ModalResult::Cancel);
  Click(Form5().Button3);
  EXPECT_THAT(recorder_.boxes, ElementsAre(question));
  EXPECT_TRUE(IsFile("C:\\A\\second.txt"));
  EXPECT_FALSE(Form5().Button3.Enabled());  // refreshed all the same

  Select(Form5().StringGrid1, 1);
  Answer(ModalResult::OK);
  Click(Form5().Button3);
  EXPECT_THAT(recorder_.boxes, ElementsAre(question, question));
  EXPECT_FALSE(IsFile("C:\\A\\second.txt"));
  EXPECT_THAT(Rows(Form5().StringGrid1), ElementsAre("only-A.txt", "    1  孤立ファイル"));
}

TEST_F(SoleFilesOnDiskWindowTest, TheStepsGoThroughTheFolderGridAndStopAtBothEnds) {
  StartWithThreeFolders();
  SearchOnDisk(0);

  struct Step {
    toolkit::Button TForm5::*button;
    const char* folder_row;  // Edit1 and the folder grid's row afterwards
    const char* folder;
  };
  const auto steps = std::to_array<Step>({
      {&TForm5::Button4, "0", "C:\\A"},  // ▲ on the first folder: nothing
      {&TForm5::Button5, "1", "C:\\B"},
      {&TForm5::Button5, "2", "C:\\C"},
      {&TForm5::Button5, "2", "C:\\C"},  // ▼ on the last folder: nothing
      {&TForm5::Button4, "1", "C:\\B"},
  });
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "step " << i);
    Click(Form5().*steps[i].button);
    EXPECT_EQ(Form5().Edit1.Text(), steps[i].folder_row);
    EXPECT_EQ(std::to_string(Main().StringGrid1.Row()), steps[i].folder_row);
    EXPECT_EQ(Form5().Label2.Caption(), steps[i].folder);
    EXPECT_EQ(Form5().StringGrid1.Cells(0, 0),
              "only-" + std::string(1, steps[i].folder[3]) + ".txt");
  }
  // The main window's report grid lists the mirror folder stepped to, as a
  // click on its row would.
  EXPECT_EQ(Main().StringGrid2.Cells(0, 0), "both.txt");
  EXPECT_EQ(Main().StringGrid2.Cells(2, 0), "H:\\B");
}

TEST_F(SoleFilesOnDiskWindowTest, SteppingStartsFromTheFolderShownNotFromTheMainSelection) {
  StartWithThreeFolders();
  SearchOnDisk(0);
  Select(Main().StringGrid1, 2);  // the user looks at another folder in the main window

  Click(Form5().Button5);

  EXPECT_EQ(Main().StringGrid1.Row(), 1);
  EXPECT_EQ(Form5().Label2.Caption(), "C:\\B");
  EXPECT_EQ(Form5().Edit1.Text(), "1");
}

TEST_F(SoleFilesOnDiskWindowTest, SteppingStaysInsideAFolderGridThatShrankSinceTheSearch) {
  StartWithThreeFolders();
  SearchOnDisk(2);
  ASSERT_TRUE(Main().RemoveFolder(Cp("C:\\C")));
  ASSERT_TRUE(Main().RemoveFolder(Cp("C:\\B")));

  Click(Form5().Button4);  // row 1 is gone: nothing happens, no error box

  EXPECT_EQ(Form5().Edit1.Text(), "2");
  EXPECT_TRUE(recorder_.errors.empty());
}

TEST_F(SoleFilesOnDiskWindowTest, FolderIdentityWorksOnTheMainWindowsSelectedFolder) {
  StartWithThreeFolders();
  SearchOnDisk(1);

  Answer(ModalResult::Cancel);
  Click(Form5().Button6);

  ASSERT_FALSE(recorder_.boxes.empty());
  EXPECT_EQ(recorder_.boxes.back().caption, "フォルダの同期と同一化");
  EXPECT_THAT(recorder_.boxes.back().text, ::testing::HasSubstr("\n\nB\n\n"));
}

}  // namespace
}  // namespace twindir::testing
