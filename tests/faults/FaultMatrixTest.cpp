// The fault matrix over every command that writes files: each call point of
// each command failing in turn (see FaultMatrix.h for the rules checked).

#include <gtest/gtest.h>

#include <iostream>
#include <memory>

#include "engine/EngineTexts.h"
#include "engine/FileAdd.h"
#include "engine/FolderIdentity.h"
#include "engine/SoleFileActions.h"
#include "engine/UndefinedFolders.h"
#include "engine/UpdateRun.h"
#include "folders/FolderList.h"
#include "folders/StartupPaths.h"
#include "platform/NameOrder.h"
#include "platform/PathText.h"
#include "platform/TextFormat.h"
#include "tests/engine/EngineTestSupport.h"
#include "tests/faults/FaultMatrix.h"

namespace twindir::faults {
namespace {

using engine::testing::CollectingSoleSink;
using engine::testing::FixedClock;
using engine::testing::RecordingProgress;
using engine::testing::ScriptedQuestions;
using test_support::Sjis;
using test_support::TempDrives;

constexpr platform::FileTime kT0 = 127'395'363'090'000'000;  // 2004-09-13 08:05:09 UTC
constexpr platform::FileTime kSecond = 10'000'000;
constexpr char kBackup = 'H';
constexpr std::string_view kBackupDrive = "H:";
const std::string kListFile = "H:\\TWINDIR\\TWINDIR.DAT";

// Two registered pairs with files newer on either side, equal, on one side
// only, and twins named in another letter case; the second pair with Japanese names and a file
// larger than one read; a third registered folder whose mirror folder is missing; and the list file
// on the backup drive.
void BuildTwoPairs(TempDrives& drives) {
  for (const char* folder : {"C:\\Mydir\\Docs", "H:\\Mydir\\Docs", "C:\\仕事\\報告",
                             "H:\\仕事\\報告", "C:\\Photos", "H:\\TWINDIR"}) {
    drives.MakeFolder(folder);
  }
  drives.WriteFile("H:\\Mydir\\Docs\\a.txt", "a, edited at home", kT0 + 2 * kSecond);
  drives.WriteFile("C:\\Mydir\\Docs\\a.txt", "a, old", kT0);
  drives.WriteFile("H:\\Mydir\\Docs\\b.txt", "b, old", kT0);
  drives.WriteFile("C:\\Mydir\\Docs\\b.txt", "b, edited at the office", kT0 + 1);
  drives.WriteFile("H:\\Mydir\\Docs\\same.txt", "same", kT0);
  drives.WriteFile("C:\\Mydir\\Docs\\same.txt", "same", kT0);
  // Twins whose names differ in letter case: the hard disk's is newer.
  drives.WriteFile("H:\\Mydir\\Docs\\mixed.txt", "mixed, old", kT0);
  drives.WriteFile("C:\\Mydir\\Docs\\MIXED.TXT", "mixed, edited at the office", kT0 + kSecond);
  drives.WriteFile("H:\\Mydir\\Docs\\only-h.txt", "only on the medium", kT0);
  drives.WriteFile("C:\\Mydir\\Docs\\only-c.txt", "only on the hard disk", kT0);
  drives.WriteFile("H:\\仕事\\報告\\報告.txt", "報告書（自宅で加筆）", kT0 + 5 * kSecond);
  drives.WriteFile("C:\\仕事\\報告\\報告.txt", "報告書（会社）", kT0);
  drives.WriteFile("C:\\仕事\\報告\\大.bin", std::string(300 * 1024, 'x'), kT0 + kSecond);
  drives.WriteFile("H:\\仕事\\報告\\大.bin", std::string(1000, 'o'), kT0);
  drives.WriteFile("C:\\Photos\\trip.jpg", "not a picture", kT0);
  drives.WriteFile(kListFile, Sjis("C:\\Mydir\\Docs\r\nC:\\Photos\r\nC:\\仕事\\報告\r\n"), kT0);
}

// The folder table the last load of the list file gave.
folders::FolderTable LoadedTable(TempDrives& drives, const platform::NameOrder& order) {
  folders::FolderList list(drives.fs(), order, folders::StartupPathsFor(Sjis("H:\\TWINDIR")));
  folders::LoadResult load = list.LoadFolderList(folders::FolderTable{});
  EXPECT_EQ(load.status, folders::LoadStatus::Loaded);
  return load.table;
}

// The folder of the pair that is not folder.
std::string TwinFolder(const folders::FolderTable& table, const std::string& folder) {
  for (int i = 0; i < table.FolderCount; ++i) {
    if (table.RefFolders[i] == folder) return table.MirrorFolders[i];
    if (table.MirrorFolders[i] == folder) return table.RefFolders[i];
  }
  ADD_FAILURE() << "not a registered folder: " << folder;
  return folder;
}

// A failure row of a report: for a file, a copy that did not happen (neither
// its source nor its target may have changed); for a folder that could not
// be read, no file of the pair may have changed.
void ClaimFailedPair(const TempDrives& drives, const folders::FolderTable& table,
                     const engine::ReportRow& row, Claims& claims) {
  const std::string twin = TwinFolder(table, row.folder);
  if (row.name == engine::texts::FolderUnreadableRow) {
    claims.failed_folders.push_back(SnapshotPath(drives, row.folder));
    claims.failed_folders.push_back(SnapshotPath(drives, twin));
    return;
  }
  claims.failed.push_back(SnapshotPath(drives, platform::JoinPath(row.folder, row.name)));
  claims.failed.push_back(SnapshotPath(drives, platform::JoinPath(twin, row.name)));
}

void ClaimSoleInBackup(const TempDrives& drives, const std::vector<std::string>& hard_disk_paths,
                       Claims& claims) {
  for (const std::string& path : hard_disk_paths) {
    claims.left_alone.push_back(SnapshotPath(drives, path));
    claims.left_alone.push_back(SnapshotPath(drives, platform::MirrorPath(path, kBackup)));
  }
}

class EngineCase : public CommandCase {
 protected:
  platform::NameOrder order_{"ja"};
  FixedClock clock_;
  ScriptedQuestions questions_;

  engine::Services ServicesOver(TempDrives& drives) {
    return {drives.fs(), order_, clock_, questions_};
  }
};

class UpdateRunCase : public EngineCase {
 public:
  std::string Name() const override { return "update run"; }
  void Build(TempDrives& drives) override {
    BuildTwoPairs(drives);
    table_ = LoadedTable(drives, order_);
  }
  Claims Run(TempDrives& drives) override {
    folders::FolderTable table = table_;
    RecordingProgress progress;
    CollectingSoleSink sole(table);
    const engine::UpdateReport report =
        engine::RunUpdate(ServicesOver(drives), table, kBackupDrive, progress, sole);
    Claims claims;
    for (const engine::ReportRow& row : report.rows) {
      if (row.mark == engine::texts::CopiedMark) {
        claims.done.push_back(SnapshotPath(drives, platform::JoinPath(row.folder, row.name)));
      } else if (row.mark == engine::texts::CopyFailedMark) {
        ClaimFailedPair(drives, table, row, claims);
      }
    }
    ClaimSoleInBackup(drives, sole.paths, claims);
    return claims;
  }

 private:
  folders::FolderTable table_;
};

class FolderIdentityCase : public EngineCase {
 public:
  // The pair of selected_row of the table BuildTwoPairs registers:
  // 0 C:\Mydir\Docs, 1 C:\Photos (no mirror folder yet).
  FolderIdentityCase(int selected_row, std::string name)
      : selected_row_(selected_row), name_(std::move(name)) {}
  std::string Name() const override { return name_; }
  void Build(TempDrives& drives) override {
    BuildTwoPairs(drives);
    table_ = LoadedTable(drives, order_);
  }
  Claims Run(TempDrives& drives) override {
    folders::FolderTable table = table_;
    CollectingSoleSink sole(table);
    questions_.confirm_answers = {true};
    const std::optional<engine::IdentityReport> report = engine::MakeFoldersIdentical(
        ServicesOver(drives), table, selected_row_, kBackupDrive, sole);
    Claims claims;
    if (!report) {
      ADD_FAILURE() << name_ << ": the command did not run";
      return claims;
    }
    for (const engine::ReportRow& row : report->rows) {
      if (row.mark == engine::texts::ReplacedMark || row.mark == engine::texts::AddedMark) {
        claims.done.push_back(SnapshotPath(drives, platform::JoinPath(row.folder, row.name)));
      } else if (row.mark == engine::texts::IdentityCopyFailedMark) {
        ClaimFailedPair(drives, table, row, claims);
      }
    }
    ClaimSoleInBackup(drives, sole.paths, claims);
    return claims;
  }

 private:
  int selected_row_;
  std::string name_;
  folders::FolderTable table_;
};

// Records what File Add hands the main window.
class RecordingListSink : public engine::FolderListSink {
 public:
  std::vector<folders::LoadStatus> loads;
  std::vector<folders::RewriteStatus> rewrite_failures;
  void ApplyLoad(const folders::LoadResult& load) override { loads.push_back(load.status); }
  void ShowRewriteFailure(const folders::RewriteResult& rewrite) override {
    rewrite_failures.push_back(rewrite.status);
  }
};

bool Informed(const ScriptedQuestions& questions, std::string_view text) {
  return std::find(questions.informs.begin(), questions.informs.end(), text) !=
         questions.informs.end();
}

// The list file after a rewrite that says how it went.
void ClaimListFile(const TempDrives& drives, folders::RewriteStatus status, Claims& claims) {
  const std::string list_file = SnapshotPath(drives, kListFile);
  if (status == folders::RewriteStatus::Reloaded) {
    claims.done.push_back(list_file);
  } else {
    claims.maybe.push_back(list_file);
  }
}

class FileAddCase : public EngineCase {
 public:
  std::string Name() const override { return "File Add"; }
  void Build(TempDrives& drives) override {
    BuildTwoPairs(drives);
    drives.MakeFolder("C:\\New\\Sub");
    drives.WriteFile("C:\\New\\Sub\\x.txt", "x", kT0);
    drives.WriteFile("C:\\New\\Sub\\y.txt", std::string(70'000, 'y'), kT0 + 3);
  }
  std::vector<std::string> ContentsOnly(const TempDrives& drives) const override {
    return {SnapshotPath(drives, kListFile)};
  }
  Claims Run(TempDrives& drives) override {
    folders::FolderList list(drives.fs(), order_, folders::StartupPathsFor(Sjis("H:\\TWINDIR")));
    RecordingListSink sink;
    const std::vector<std::string> chosen = {Sjis("C:\\New\\Sub\\x.txt"),
                                             Sjis("C:\\New\\Sub\\y.txt")};
    questions_.dialog_answers = {chosen};
    questions_.informs.clear();
    const engine::FileAddOutcome outcome =
        engine::AddFilesToBackup(ServicesOver(drives), list, folders::FolderTable{}, sink);

    using Stage = engine::FileAddOutcome::Stage;
    Claims claims;
    const int files = static_cast<int>(chosen.size());
    const bool rewrite_failed = !sink.rewrite_failures.empty();
    ClaimListFile(drives,
                  rewrite_failed ? sink.rewrite_failures.front() : folders::RewriteStatus::Reloaded,
                  claims);
    switch (outcome.stage) {
      case Stage::Cancelled:
        ADD_FAILURE() << "File Add cancelled itself";
        break;
      case Stage::NotRegistered:
        if (rewrite_failed) claims.failed_count += files;
        break;
      case Stage::NoMirrorFolder:
        if (Informed(questions_, engine::texts::CannotCreateDirectory))
          claims.failed_count += files;
        break;
      case Stage::Copied:
        claims.done_count = outcome.copied;
        if (outcome.failed > 0 &&
            Informed(questions_,
                     platform::Format(engine::texts::FilesNotCopied.data(), outcome.failed))) {
          claims.failed_count += outcome.failed;
        }
        break;
    }
    return claims;
  }
};

class ListRewriteCase : public EngineCase {
 public:
  enum class Edit { Add, Remove };
  explicit ListRewriteCase(Edit edit) : edit_(edit) {}
  std::string Name() const override {
    return edit_ == Edit::Add ? "list-file rewrite (add)" : "list-file rewrite (remove)";
  }
  void Build(TempDrives& drives) override { BuildTwoPairs(drives); }
  std::vector<std::string> ContentsOnly(const TempDrives& drives) const override {
    return {SnapshotPath(drives, kListFile)};
  }
  Claims Run(TempDrives& drives) override {
    folders::FolderList list(drives.fs(), order_, folders::StartupPathsFor(Sjis("H:\\TWINDIR")));
    const folders::LoadResult load = list.LoadFolderList(folders::FolderTable{});
    const folders::RewriteResult rewrite = edit_ == Edit::Add
                                               ? list.AddFolder(load.table, Sjis("C:\\Added"))
                                               : list.RemoveFolder(load.table, Sjis("c:\\photos"));
    Claims claims;
    ClaimListFile(drives, rewrite.status, claims);
    if (rewrite.status == folders::RewriteStatus::WriteFailed) ++claims.failed_count;
    return claims;
  }

 private:
  Edit edit_;
};

// The sole-file windows' copies: a backup file whose hard-disk folder is
// gone, copied back with the folder chain; a hard-disk file copied to the
// backup. Each copy's result is what the window's refreshed list shows; a
// file that is no longer sole is not listed, and so not copied again.
class SoleFileCopiesCase : public EngineCase {
 public:
  std::string Name() const override { return "sole-file copies"; }
  void Build(TempDrives& drives) override {
    BuildTwoPairs(drives);
    drives.MakeFolder("H:\\Mydir\\Gone\\Deep");
    drives.WriteFile("H:\\Mydir\\Gone\\Deep\\z.txt", "z", kT0);
  }
  Claims Run(TempDrives& drives) override {
    Claims claims;
    if (!drives.Exists("C:\\Mydir\\Gone\\Deep\\z.txt")) {
      const std::string restored = Sjis("C:\\Mydir\\Gone\\Deep\\z.txt");
      const bool done = engine::RestoreSoleFileFromBackup(drives.fs(), restored, kBackup);
      (done ? claims.done : claims.failed).push_back(SnapshotPath(drives, restored));
    }
    if (!drives.Exists("H:\\Mydir\\Docs\\only-c.txt")) {
      const std::string copied = Sjis("H:\\Mydir\\Docs\\only-c.txt");
      const bool done =
          engine::CopySoleFileToBackup(drives.fs(), Sjis("C:\\Mydir\\Docs"), "only-c.txt", kBackup);
      (done ? claims.done : claims.failed).push_back(SnapshotPath(drives, copied));
    }
    return claims;
  }
};

// Dir Create of the undefined-folder windows: the missing folder is made
// and filled with the files of its other side.
class DirCreateCase : public EngineCase {
 public:
  // folder is made and filled from source; on the hard disk the window
  // registers it again (it may have been unregistered meanwhile) first.
  enum class Registers { No, Yes };
  DirCreateCase(std::string name, std::string folder, std::string source, Registers registers)
      : name_(std::move(name)),
        folder_(std::move(folder)),
        source_(std::move(source)),
        registers_(registers) {}
  std::string Name() const override { return name_; }
  void Build(TempDrives& drives) override {
    BuildTwoPairs(drives);
    drives.MakeFolder("H:\\Lost");
    drives.WriteFile("H:\\Lost\\1.txt", "one", kT0);
    drives.WriteFile("H:\\Lost\\2.txt", "two", kT0 + kSecond);
  }
  std::vector<std::string> ContentsOnly(const TempDrives& drives) const override {
    return {SnapshotPath(drives, kListFile)};
  }
  Claims Run(TempDrives& drives) override {
    Claims claims;
    const std::string folder = Sjis(folder_);
    if (!engine::CreateMissingFolder(drives.fs(), folder)) {
      // "dir can't be created" ends the command: nothing is registered either.
      claims.failed_folders.push_back(SnapshotPath(drives, folder));
      if (registers_ == Registers::Yes) claims.failed.push_back(SnapshotPath(drives, kListFile));
      return claims;
    }
    if (registers_ == Registers::Yes) {
      folders::FolderList list(drives.fs(), order_, folders::StartupPathsFor(Sjis("H:\\TWINDIR")));
      const folders::RewriteResult rewrite =
          list.AddFolder(list.LoadFolderList(folders::FolderTable{}).table, folder);
      ClaimListFile(drives, rewrite.status, claims);
      if (rewrite.status == folders::RewriteStatus::WriteFailed) {
        // The error box naming the list file ends the command.
        claims.failed_folders.push_back(SnapshotPath(drives, folder));
        return claims;
      }
    }
    const engine::FolderFill fill =
        engine::CopyFolderFiles(drives.fs(), order_, Sjis(source_), folder);
    claims.done_count = fill.copied;
    claims.failed_count = fill.failed;
    if (fill.source_unreadable) claims.failed_folders.push_back(SnapshotPath(drives, folder));
    return claims;
  }

 private:
  std::string name_;
  std::string folder_;
  std::string source_;
  Registers registers_;
};

std::vector<std::unique_ptr<CommandCase>> EveryCommand() {
  std::vector<std::unique_ptr<CommandCase>> cases;
  cases.push_back(std::make_unique<UpdateRunCase>());
  cases.push_back(std::make_unique<FolderIdentityCase>(0, "folder identity"));
  cases.push_back(
      std::make_unique<FolderIdentityCase>(1, "folder identity into a new mirror folder"));
  cases.push_back(std::make_unique<FileAddCase>());
  cases.push_back(std::make_unique<ListRewriteCase>(ListRewriteCase::Edit::Add));
  cases.push_back(std::make_unique<ListRewriteCase>(ListRewriteCase::Edit::Remove));
  cases.push_back(std::make_unique<SoleFileCopiesCase>());
  cases.push_back(std::make_unique<DirCreateCase>("Dir Create on the hard disk", "C:\\Lost",
                                                  "H:\\Lost", DirCreateCase::Registers::Yes));
  cases.push_back(std::make_unique<DirCreateCase>("Dir Create on the backup drive", "H:\\Photos",
                                                  "C:\\Photos", DirCreateCase::Registers::No));
  return cases;
}

// Runs the matrix of every command with copies by read and write (between
// file systems, the usual case), and of the update run with copies by
// copy_file_range too (every command copies through the same safe copy);
// prints the counts.
void RunForEveryCommand(MatrixOptions::Faults faults) {
  MatrixCount total;
  const auto run = [&](CommandCase& command, bool cross_device) {
    const MatrixCount count = RunFaultMatrix(
        command, {.faults = faults, .backup_letter = kBackup, .cross_device = cross_device});
    std::cout << "[ faults   ] " << command.Name()
              << (cross_device ? " (read/write copies)" : " (range copies)") << ": " << count.faults
              << " injected faults, " << count.fixtures << " fixtures\n";
    total.faults += count.faults;
    total.fixtures += count.fixtures;
  };
  for (const auto& command : EveryCommand()) run(*command, true);
  UpdateRunCase update;
  run(update, false);
  std::cout << "[ faults   ] in all: " << total.faults << " injected faults, " << total.fixtures
            << " fixtures\n";
  ::testing::Test::RecordProperty("injected_faults", total.faults);
  ::testing::Test::RecordProperty("fixtures", total.fixtures);
}

TEST(FaultMatrix, EachCallOfEveryCommandFailingInTurn) {
  RunForEveryCommand(MatrixOptions::Faults::EachCall);
}

TEST(FaultMatrix, TheBackupMediumPulledOrFullAtEachOfItsCalls) {
  RunForEveryCommand(MatrixOptions::Faults::Medium);
}

}  // namespace
}  // namespace twindir::faults
