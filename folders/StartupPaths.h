#pragma once
// Where the list file is and which drive is the backup drive, settled once
// from the directory that is current when the program starts: the program
// is started from its folder on the backup medium, which holds the list file.

#include <string>
#include <string_view>

namespace twindir::folders {

inline constexpr std::string_view ListFileName = "TWINDIR.DAT";

struct StartupPaths {
  std::string ListFilePath;  // the start-up directory's TWINDIR.DAT, in drive form
  std::string BackupDrive;   // the first two bytes of ListFilePath: normally a letter and a colon

  // The letter that replaces the first byte of a path in the mirror-path rule.
  [[nodiscard]] char BackupDriveLetter() const {
    return BackupDrive.empty() ? '\0' : BackupDrive.front();
  }
};

// The list file path and backup drive for a current directory in drive form
// (`H:\Sync`, `H:\`) or network form. A network path is rewritten into drive
// form by the first character of its share name: `\\pc\h\Sync` gives
// `h:\Sync\TWINDIR.DAT`, `\\pc\data\x` gives `d:ata\x\TWINDIR.DAT`. A
// network path without a backslash after its host name stays as it is.
[[nodiscard]] StartupPaths StartupPathsFor(std::string_view current_directory);

// The caption of the main window's Label1, naming the backup drive.
[[nodiscard]] std::string BackupDriveCaption(std::string_view backup_drive);

}  // namespace twindir::folders
