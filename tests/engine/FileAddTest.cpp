#include "engine/FileAdd.h"
#include "platform/TextFormat.h"
#include "tests/engine/EngineFixture.h"

namespace twindir::engine::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Stage = FileAddOutcome::Stage;

// Keeps what the main window would show of the list file operations.
class RecordingFolderListSink : public FolderListSink {
 public:
  std::vector<folders::LoadResult> loads;
  std::vector<folders::RewriteStatus> failures;
  void ApplyLoad(const folders::LoadResult& load) override { loads.push_back(load); }
  void ShowRewriteFailure(const folders::RewriteResult& rewrite) override {
    failures.push_back(rewrite.status);
  }
};

class FileAddTest : public EngineTest {
 protected:
  FileAddOutcome Add(std::optional<std::vector<std::string_view>> chosen) {
    if (chosen) {
      std::vector<std::string> paths;
      for (std::string_view path : *chosen) paths.push_back(Cp(path));
      questions_.dialog_answers.emplace_back(std::move(paths));
    } else {
      questions_.dialog_answers.emplace_back(std::nullopt);
    }
    const folders::FolderTable current =
        sink_.loads.empty() ? list_.LoadAtStartUp().table : sink_.loads.back().table;
    return AddFilesToBackup(services_, list_, current, sink_);
  }
  std::string ListFile() {
    return fs_.FileExists(kListFile) ? ContentsOf("H:\\TWINDIR.DAT") : "(none)";
  }
  const folders::FolderTable& ShownTable() { return sink_.loads.back().table; }

  const std::string kListFile = "H:\\TWINDIR.DAT";
  folders::FolderList list_{fs_, order_, {kListFile, "H:"}};
  RecordingFolderListSink sink_;
};

TEST_F(FileAddTest, OnANewMediumRegistersTheFolderCreatesTheMirrorAndCopies) {
  Write("C:\\Mydir\\Sample\\a.txt", "a", kT0);
  Write("C:\\Mydir\\Sample\\b.txt", "b", kT0 + kSecond);

  const FileAddOutcome outcome = Add({{"C:\\Mydir\\Sample\\a.txt", "C:\\Mydir\\Sample\\b.txt"}});

  EXPECT_EQ(outcome.stage, Stage::Copied);
  EXPECT_EQ(outcome.copied, 2);
  EXPECT_EQ(outcome.failed, 0);
  EXPECT_EQ(ListFile(), "C:\\Mydir\\Sample\r\n");
  ASSERT_EQ(sink_.loads.size(), 2u);  // the reload before the dialog, and after registering
  EXPECT_EQ(sink_.loads[0].status, folders::LoadStatus::CannotOpen);
  EXPECT_THAT(ShownTable().RefFolders, ElementsAre(Cp("C:\\Mydir\\Sample")));
  EXPECT_EQ(ContentsOf("H:\\Mydir\\Sample\\a.txt"), "a");
  EXPECT_EQ(TimeOf("H:\\Mydir\\Sample\\a.txt"), kT0);
  EXPECT_EQ(TimeOf("H:\\Mydir\\Sample\\b.txt"), kT0 + kSecond);
  EXPECT_THAT(questions_.informs, IsEmpty());
  EXPECT_EQ(fs_.flushes, (std::map<std::string, int>{{"H:\\", 1}}));
}

TEST_F(FileAddTest, CancellingTheDialogOnlyReloadsTheList) {
  Write(kListFile, "C:\\Edited\r\n", kT0);

  const FileAddOutcome outcome = Add(std::nullopt);

  EXPECT_EQ(outcome.stage, Stage::Cancelled);
  ASSERT_EQ(sink_.loads.size(), 1u);
  EXPECT_THAT(ShownTable().RefFolders, ElementsAre("C:\\Edited"));
  EXPECT_EQ(ListFile(), "C:\\Edited\r\n");
  EXPECT_EQ(fs_.copies, 0);
}

TEST_F(FileAddTest, AFileOfARegisteredFolderIsCopiedOverANewerBackupCopy) {
  Write(kListFile, "C:\\Zeta\r\nC:\\Mydir\\Sample\r\n", kT0);
  Write("C:\\Mydir\\Sample\\a.txt", "hard disk", kT0);
  Write("H:\\Mydir\\Sample\\a.txt", "newer backup", kT0 + kSecond);

  const FileAddOutcome outcome = Add({{"C:\\Mydir\\Sample\\a.txt"}});

  EXPECT_EQ(outcome.stage, Stage::Copied);
  EXPECT_EQ(ListFile(), "C:\\Mydir\\Sample\r\nC:\\Zeta\r\n");  // sorted, nothing added
  EXPECT_EQ(ContentsOf("H:\\Mydir\\Sample\\a.txt"), "hard disk");
  EXPECT_EQ(TimeOf("H:\\Mydir\\Sample\\a.txt"), kT0);
}

TEST_F(FileAddTest, AFileAtADriveRootRegistersTheRoot) {
  Write("C:\\a.txt", "a", kT0);

  const FileAddOutcome outcome = Add({{"C:\\a.txt"}});

  EXPECT_EQ(outcome.stage, Stage::Copied);
  EXPECT_EQ(ListFile(), "C:\\\r\n");
  EXPECT_EQ(ContentsOf("H:\\a.txt"), "a");
}

TEST_F(FileAddTest, AMirrorFolderThatCannotBeCreatedIsToldAndNothingIsCopied) {
  Write("C:\\Mydir\\Sample\\a.txt", "a", kT0);
  Write("H:\\Mydir", "a file where the mirror's parent folder should be", kT0);

  const FileAddOutcome outcome = Add({{"C:\\Mydir\\Sample\\a.txt"}});

  EXPECT_EQ(outcome.stage, Stage::NoMirrorFolder);
  EXPECT_THAT(questions_.informs, ElementsAre("Cannot create directory."));
  EXPECT_EQ(ListFile(), "C:\\Mydir\\Sample\r\n");  // registered all the same
  EXPECT_EQ(fs_.copies, 0);
}

TEST_F(FileAddTest, FilesThatCouldNotBeCopiedAreCountedInOneBox) {
  Write("C:\\Mydir\\Sample\\a.txt", "a", kT0);
  Write("C:\\Mydir\\Sample\\b.txt", "b", kT0);
  Write("C:\\Mydir\\Sample\\c.txt", "c", kT0);
  Write("H:\\Mydir\\Sample\\b.txt", "old b", kT0 - kSecond);
  fs_.failing_copy_targets = {Cp("H:\\Mydir\\Sample\\b.txt"), Cp("H:\\Mydir\\Sample\\c.txt")};

  const FileAddOutcome outcome =
      Add({{"C:\\Mydir\\Sample\\a.txt", "C:\\Mydir\\Sample\\b.txt", "C:\\Mydir\\Sample\\c.txt"}});

  EXPECT_EQ(outcome.copied, 1);
  EXPECT_EQ(outcome.failed, 2);
  EXPECT_THAT(questions_.informs, ElementsAre(Cp("2 個のファイルをMOにコピーできませんでした")));
  EXPECT_EQ(ContentsOf("H:\\Mydir\\Sample\\a.txt"), "a");
  EXPECT_EQ(ContentsOf("H:\\Mydir\\Sample\\b.txt"), "old b");
  EXPECT_EQ(TimeOf("H:\\Mydir\\Sample\\b.txt"), kT0 - kSecond);
  EXPECT_THAT(NamesIn("H:\\Mydir\\Sample"), ElementsAre("a.txt", "b.txt"));
}

TEST_F(FileAddTest, WithFiveHundredFoldersRegisteredTheBoxIsShownAndTheFilesAreCopied) {
  std::string lines;
  for (int i = 0; i < 500; ++i) lines += platform::Format("C:\\F%03d\r\n", i);
  Write(kListFile, lines, kT0);
  Write("C:\\Mydir\\Sample\\a.txt", "a", kT0);

  const FileAddOutcome outcome = Add({{"C:\\Mydir\\Sample\\a.txt"}});

  EXPECT_EQ(outcome.stage, Stage::Copied);
  EXPECT_EQ(outcome.copied, 1);
  EXPECT_THAT(sink_.failures, ElementsAre(folders::RewriteStatus::TooManyFolders));
  EXPECT_EQ(ShownTable().FolderCount, 500);
  EXPECT_EQ(ListFile(), lines);
  EXPECT_EQ(ContentsOf("H:\\Mydir\\Sample\\a.txt"), "a");
  EXPECT_EQ(TimeOf("H:\\Mydir\\Sample\\a.txt"), kT0);
}

// Its folder is its own mirror folder: every copy is a copy of a file onto
// itself, which the safe copy refuses, and the box counts it.
TEST_F(FileAddTest, AFileChosenOnTheBackupDriveIsNotCopiedOntoItself) {
  Write("H:\\Mydir\\a.txt", "backup", kT0);

  const FileAddOutcome outcome = Add({{"H:\\Mydir\\a.txt"}});

  EXPECT_EQ(outcome.stage, Stage::Copied);
  EXPECT_EQ(outcome.copied, 0);
  EXPECT_EQ(outcome.failed, 1);
  EXPECT_THAT(questions_.informs, ElementsAre(Cp("1 個のファイルをMOにコピーできませんでした")));
  EXPECT_EQ(ListFile(), "H:\\Mydir\r\n");
  EXPECT_EQ(ContentsOf("H:\\Mydir\\a.txt"), "backup");
  EXPECT_EQ(TimeOf("H:\\Mydir\\a.txt"), kT0);
  EXPECT_THAT(NamesIn("H:\\Mydir"), ElementsAre("a.txt"));
}

TEST_F(FileAddTest, AListFileThatCannotBeWrittenEndsTheCommand) {
  Write("C:\\Mydir\\Sample\\a.txt", "a", kT0);
  fs_.failing_write_paths = {kListFile};

  const FileAddOutcome outcome = Add({{"C:\\Mydir\\Sample\\a.txt"}});

  EXPECT_EQ(outcome.stage, Stage::NotRegistered);
  EXPECT_THAT(sink_.failures, ElementsAre(folders::RewriteStatus::WriteFailed));
  EXPECT_FALSE(IsFolder("H:\\Mydir"));
  EXPECT_EQ(fs_.copies, 0);
}

}  // namespace
}  // namespace twindir::engine::testing
