#include "folders/StartupPaths.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/support/TempDrives.h"

namespace twindir::folders {
namespace {

struct StartupCase {
  std::string current_directory;
  std::string list_file_path;
  std::string backup_drive;
};

TEST(StartupPaths, FromCurrentDirectory) {
  const std::string long_directory = "H:\\" + std::string(300, 'x');
  const auto cases = std::to_array<StartupCase>({
      {"H:\\", "H:\\TWINDIR.DAT", "H:"},
      {"H:\\Sync", "H:\\Sync\\TWINDIR.DAT", "H:"},
      {"h:\\Sync\\Office", "h:\\Sync\\Office\\TWINDIR.DAT", "h:"},
      // Network paths take the share's first character as the drive letter.
      {"\\\\pc\\h\\Sync", "h:\\Sync\\TWINDIR.DAT", "h:"},
      {"\\\\pc\\h", "h:\\TWINDIR.DAT", "h:"},
      {"\\\\pc\\data\\x", "d:ata\\x\\TWINDIR.DAT", "d:"},
      // A host name whose double-byte character ends in 0x5C ("表").
      {"\\\\\x95\x5C\\h\\Sync", "h:\\Sync\\TWINDIR.DAT", "h:"},
      // No backslash after the host name: the path stays as it is.
      {"\\\\a", "\\\\aTWINDIR.DAT", "\\\\"},
      {"\\\\pc", "T:WINDIR.DAT", "T:"},
      // No length limit.
      {long_directory, long_directory + "\\TWINDIR.DAT", "H:"},
  });
  for (size_t i = 0; i < cases.size(); ++i) {
    const StartupPaths paths = StartupPathsFor(cases[i].current_directory);
    EXPECT_EQ(paths.ListFilePath, cases[i].list_file_path) << "row " << i;
    EXPECT_EQ(paths.BackupDrive, cases[i].backup_drive) << "row " << i;
    EXPECT_EQ(paths.BackupDriveLetter(), cases[i].backup_drive[0]) << "row " << i;
  }
}

TEST(StartupPaths, Label1CaptionNamesTheBackupDrive) {
  EXPECT_EQ(BackupDriveCaption("H:"), test_support::Sjis("ﾊﾞｯｸｱｯﾌﾟﾄﾞﾗｲﾌﾞ MO (H:)"));
  EXPECT_EQ(BackupDriveCaption(StartupPathsFor("\\\\pc\\h\\Sync").BackupDrive),
            test_support::Sjis("ﾊﾞｯｸｱｯﾌﾟﾄﾞﾗｲﾌﾞ MO (h:)"));
}

}  // namespace
}  // namespace twindir::folders
