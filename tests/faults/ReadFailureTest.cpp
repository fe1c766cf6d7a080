// Files and folders that are there but cannot be read: each command shows
// the failure, and none mistakes such a file for a missing one (copying over
// it as new, listing it as a sole file, or listing its twins as sole files).

#include <gtest/gtest.h>

#include <cerrno>

#include "engine/EngineTexts.h"
#include "engine/FolderIdentity.h"
#include "engine/SoleFiles.h"
#include "engine/UndefinedFolders.h"
#include "engine/UpdateRun.h"
#include "tests/engine/EngineTestSupport.h"
#include "tests/support/MediumFaults.h"
#include "tests/support/TempDrives.h"

namespace twindir::faults {
namespace {

using engine::ReportRow;
using engine::testing::CollectingSoleSink;
using engine::testing::FixedClock;
using engine::testing::RecordingProgress;
using engine::testing::ScriptedQuestions;
namespace texts = engine::texts;

constexpr platform::FileTime kT0 = 127'395'363'090'000'000;
constexpr platform::FileTime kSecond = 10'000'000;

// The pair C:\D / H:\D: a.txt newer in the backup, b.txt newer on the hard
// disk, mixed.txt older in the backup than its hard-disk twin MIXED.TXT.
class ReadFailureTest : public ::testing::Test {
 protected:
  test_support::MediumFaults sys_;
  test_support::TempDrives drives_{
      {.letters = "CH", .current_directory = "H:\\", .syscalls = &sys_}};
  platform::NameOrder order_{"ja"};
  FixedClock clock_;
  ScriptedQuestions questions_;
  engine::Services services_{drives_.fs(), order_, clock_, questions_};
  folders::FolderTable table_;

  void SetUp() override {
    drives_.MakeFolder("C:\\D");
    drives_.MakeFolder("H:\\D");
    drives_.WriteFile("H:\\D\\a.txt", "a new", kT0 + kSecond);
    drives_.WriteFile("C:\\D\\a.txt", "a old", kT0);
    drives_.WriteFile("H:\\D\\b.txt", "b old", kT0);
    drives_.WriteFile("C:\\D\\b.txt", "b new", kT0 + kSecond);
    drives_.WriteFile("H:\\D\\mixed.txt", "mixed old", kT0);
    drives_.WriteFile("C:\\D\\MIXED.TXT", "mixed new", kT0 + kSecond);
    table_.ListLoaded = true;
    table_.FolderCount = 1;
    table_.RefFolders = {"C:\\D"};
    table_.MirrorFolders = {"H:\\D"};
  }

  std::string Native(std::string_view path) const { return drives_.Native(path); }

  engine::UpdateReport Update(CollectingSoleSink& sole) {
    RecordingProgress progress;
    return engine::RunUpdate(services_, table_, "H:", progress, sole);
  }
  engine::IdentityReport Identity() {
    CollectingSoleSink sole(table_);
    questions_.confirm_answers = {true};
    std::optional<engine::IdentityReport> report =
        engine::MakeFoldersIdentical(services_, table_, 0, "H:", sole);
    EXPECT_TRUE(report.has_value());
    return report.value_or(engine::IdentityReport{});
  }
  static ReportRow Row(std::string name, std::string_view mark, std::string folder) {
    return {std::move(name), std::string(mark), std::move(folder)};
  }
  static bool Holds(const engine::ReportRows& rows, const ReportRow& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
  }
};

TEST_F(ReadFailureTest, AFolderThatCannotBeListedIsAFailureRow) {
  sys_.Deny(Native("H:\\D"));
  CollectingSoleSink sole(table_);
  const engine::UpdateReport update = Update(sole);
  EXPECT_TRUE(Holds(update.rows,
                    Row(std::string(texts::FolderUnreadableRow), texts::CopyFailedMark, "H:\\D")));
  EXPECT_EQ(update.copied, 0);
  EXPECT_EQ(update.failed, 1);

  const engine::IdentityReport identity = Identity();
  EXPECT_TRUE(Holds(identity.rows, Row(std::string(texts::FolderUnreadableRow),
                                       texts::IdentityCopyFailedMark, "H:\\D")));
}

TEST_F(ReadFailureTest, ABackupFileThatCannotBeReadIsAFailureRow) {
  sys_.Deny(Native("H:\\D\\a.txt"));
  CollectingSoleSink sole(table_);
  const engine::UpdateReport update = Update(sole);
  EXPECT_TRUE(Holds(update.rows, Row("a.txt", texts::CopyFailedMark, "H:\\D")));
  EXPECT_TRUE(Holds(update.rows, Row("b.txt", texts::CopiedMark, "H:\\D"))) << "the run goes on";
  EXPECT_EQ(drives_.ReadFile("C:\\D\\a.txt"), "a old");
}

// A twin whose look-up fails with an I/O error is there: it is neither a
// sole file of the backup nor copied over as new.
TEST_F(ReadFailureTest, ATwinThatAnIoErrorHidesIsAFailureNotASoleFile) {
  sys_.Break(Native("C:\\D\\b.txt"), EIO, 1'000);
  CollectingSoleSink sole(table_);
  const engine::UpdateReport update = Update(sole);
  EXPECT_TRUE(Holds(update.rows, Row("b.txt", texts::CopyFailedMark, "H:\\D")));
  EXPECT_TRUE(sole.paths.empty());
}

TEST_F(ReadFailureTest, FolderIdentityNeverCopiesAsNewOverATwinItCouldNotLookAt) {
  sys_.Break(Native("C:\\D\\b.txt"), EIO, 1);  // only the first look fails
  const engine::IdentityReport identity = Identity();
  EXPECT_EQ(drives_.ReadFile("C:\\D\\b.txt"), "b new") << "the newer hard-disk file was replaced";
  EXPECT_TRUE(Holds(identity.rows, Row("b.txt", texts::IdentityCopyFailedMark, "C:\\D")));
  EXPECT_EQ(drives_.ReadFile("H:\\D\\b.txt"), "b new") << "the second pass copies it the right way";
}

// MIXED.TXT is found for mixed.txt by reading its folder; a read that fails
// must not make the name look missing.
TEST_F(ReadFailureTest, ANameLookedUpInAFolderThatCannotBeReadIsNotMissing) {
  sys_.Break(Native("C:\\D"), EIO, 1, test_support::Call::OpenAt);
  (void)Identity();
  EXPECT_EQ(drives_.ReadFile("C:\\D\\MIXED.TXT"), "mixed new")
      << "the newer twin was replaced as new";
  EXPECT_EQ(drives_.ReadFile("H:\\D\\mixed.txt"), "mixed new");
}

TEST_F(ReadFailureTest, AFolderThatCannotBeListedHasNoSoleFiles) {
  sys_.Deny(Native("C:\\D"));
  const engine::SoleFilesInBackup sole = engine::SearchSoleFilesInBackup(services_, table_, 'H');
  EXPECT_EQ(sole.rows, std::vector<std::string>{std::string(texts::NoSoleFilesInBackupRow)})
      << "every backup file looked sole, ready to be copied over its twin";
}

TEST_F(ReadFailureTest, AFillFromAFolderThatCannotBeListedSaysSo) {
  sys_.Deny(Native("H:\\D"));
  const engine::FolderFill fill = engine::CopyFolderFiles(drives_.fs(), order_, "H:\\D", "C:\\D");
  EXPECT_TRUE(fill.source_unreadable);
  EXPECT_EQ(fill.copied, 0);
}

}  // namespace
}  // namespace twindir::faults
