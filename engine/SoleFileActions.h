#pragma once
// Copying one sole file across, for the sole-file windows: the folder it
// goes into is made first, with every missing parent. Copies are the file
// services' safe copy, and the receiving drive is flushed afterwards.

#include <string_view>

#include "platform/FileSystem.h"

namespace twindir::engine {

// The backup copy of hard_disk_path (its first byte replaced by the backup
// drive letter) to hard_disk_path. Nothing is copied when the hard-disk
// folder cannot be made, nor over a hard-disk file that is not older than
// the backup copy (or whose time cannot be read). True when the file was
// copied.
bool RestoreSoleFileFromBackup(platform::FileSystem& fs, std::string_view hard_disk_path,
                               char backup_drive_letter);

// folder\name to the same place on the backup drive, unless a backup file
// is there that is not older (or whose time cannot be read). The copy is
// tried also when the mirror folder cannot be made (it then fails). True
// when copied.
bool CopySoleFileToBackup(platform::FileSystem& fs, std::string_view folder, std::string_view name,
                          char backup_drive_letter);

}  // namespace twindir::engine
