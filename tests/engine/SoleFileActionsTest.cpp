#include <array>
#include <map>

#include "engine/SoleFileActions.h"
#include "tests/engine/EngineFixture.h"

namespace twindir::engine::testing {
namespace {

class SoleFileActionsTest : public EngineTest {};

TEST_F(SoleFileActionsTest, RestoreMakesTheMissingHardDiskFolderChainThenCopies) {
  Write("H:\\Data\\Deep\\ソ表.txt", "backup", kT0);

  EXPECT_TRUE(RestoreSoleFileFromBackup(fs_, Cp("C:\\Data\\Deep\\ソ表.txt"), kBackupLetter));

  EXPECT_EQ(ContentsOf("C:\\Data\\Deep\\ソ表.txt"), "backup");
  EXPECT_EQ(TimeOf("C:\\Data\\Deep\\ソ表.txt"), kT0);
  EXPECT_EQ(fs_.flushes, (std::map<std::string, int>{{"C:\\", 1}}));
}

// A row of an update run can name a hard-disk file that was there but could
// not be read, or one written since: only an older one is replaced.
TEST_F(SoleFileActionsTest, RestoreReplacesOnlyAnOlderHardDiskFile) {
  struct Case {
    const char* label;
    platform::FileTime disk_time;
    bool readable;
    bool replaced;
  };
  const auto cases = std::to_array<Case>({
      {"older by 100 ns", kT0 - 1, true, true},
      {"equal", kT0, true, false},
      {"newer", kT0 + kSecond, true, false},
      {"time cannot be read", kT0 - kSecond, false, false},
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(::testing::Message() << "case " << i << ": " << c.label);
    const std::string disk = "C:\\Data" + std::to_string(i) + "\\a.txt";
    Write(platform::MirrorPath(disk, kBackupLetter), "backup", kT0);
    Write(disk, "disk", c.disk_time);
    if (!c.readable) fs_.unreadable_files.insert(Cp(disk));

    EXPECT_EQ(RestoreSoleFileFromBackup(fs_, Cp(disk), kBackupLetter), c.replaced);

    fs_.unreadable_files.clear();
    EXPECT_EQ(ContentsOf(disk), c.replaced ? "backup" : "disk");
    EXPECT_EQ(TimeOf(disk), c.replaced ? kT0 : c.disk_time);
  }
}

TEST_F(SoleFileActionsTest, RestoreCopiesNothingWhenTheFolderCannotBeMade) {
  Write("H:\\Data\\a.txt", "backup", kT0);
  Write("C:\\Data", "a file where the folder should be", kT0);

  EXPECT_FALSE(RestoreSoleFileFromBackup(fs_, Cp("C:\\Data\\a.txt"), kBackupLetter));
  EXPECT_EQ(fs_.copies, 0);
}

TEST_F(SoleFileActionsTest, RestoreOfAMissingBackupFileFails) {
  MakeFolder("C:\\Data");
  EXPECT_FALSE(RestoreSoleFileFromBackup(fs_, Cp("C:\\Data\\gone.txt"), kBackupLetter));
  EXPECT_FALSE(IsFile("C:\\Data\\gone.txt"));
}

TEST_F(SoleFileActionsTest, CopyToBackupMakesTheMirrorFolderChainThenCopies) {
  Write("C:\\Mydir\\Sample\\a.txt", "disk", kT0);

  EXPECT_TRUE(CopySoleFileToBackup(fs_, Cp("C:\\Mydir\\Sample"), "a.txt", kBackupLetter));

  EXPECT_EQ(ContentsOf("H:\\Mydir\\Sample\\a.txt"), "disk");
  EXPECT_EQ(TimeOf("H:\\Mydir\\Sample\\a.txt"), kT0);
  EXPECT_EQ(fs_.flushes, (std::map<std::string, int>{{"H:\\", 1}}));
}

// A backup file can appear after the search listed the file as missing:
// only an older one is replaced.
TEST_F(SoleFileActionsTest, CopyToBackupReplacesOnlyAnOlderBackupFile) {
  struct Case {
    const char* label;
    platform::FileTime backup_time;
    bool replaced;
  };
  const auto cases = std::to_array<Case>({
      {"older by 100 ns", kT0 - 1, true},
      {"equal", kT0, false},
      {"newer", kT0 + kSecond, false},
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(::testing::Message() << "case " << i << ": " << c.label);
    const std::string folder = "C:\\Data" + std::to_string(i);
    Write(folder + "\\a.txt", "disk", kT0);
    Write(platform::MirrorPath(folder, kBackupLetter) + "\\a.txt", "backup", c.backup_time);

    EXPECT_EQ(CopySoleFileToBackup(fs_, Cp(folder), "a.txt", kBackupLetter), c.replaced);

    const std::string backup = platform::MirrorPath(folder, kBackupLetter) + "\\a.txt";
    EXPECT_EQ(ContentsOf(backup), c.replaced ? "disk" : "backup");
    EXPECT_EQ(TimeOf(backup), c.replaced ? kT0 : c.backup_time);
  }
}

TEST_F(SoleFileActionsTest, CopyToBackupIsTriedEvenWhenTheMirrorFolderCannotBeMade) {
  Write("C:\\Mydir\\a.txt", "disk", kT0);
  Write("H:\\Mydir", "a file where the folder should be", kT0);

  EXPECT_FALSE(CopySoleFileToBackup(fs_, Cp("C:\\Mydir"), "a.txt", kBackupLetter));
  EXPECT_EQ(fs_.copies, 1);
  EXPECT_EQ(ContentsOf("H:\\Mydir"), "a file where the folder should be");
}

TEST_F(SoleFileActionsTest, CopyToBackupOfADriveRootFile) {
  Write("C:\\root.txt", "disk", kT0);
  MakeFolder("H:\\");
  EXPECT_TRUE(CopySoleFileToBackup(fs_, Cp("C:\\"), "root.txt", kBackupLetter));
  EXPECT_EQ(ContentsOf("H:\\root.txt"), "disk");
}

}  // namespace
}  // namespace twindir::engine::testing
