#pragma once
// The update run: for every registered folder pair, each plain file of the
// mirror folder is compared with its hard-disk twin by last-write time and
// the newer one is copied over the older one. Files that exist only on the
// hard disk are never looked at; a backup file without a readable hard-disk
// twin is not copied but handed to the sole-in-backup sink.

#include <optional>
#include <string_view>

#include "engine/FolderListing.h"
#include "engine/Progress.h"
#include "engine/ReportRow.h"
#include "engine/Services.h"
#include "engine/UndefinedFolders.h"
#include "folders/FolderTable.h"

namespace twindir::engine {

struct UpdateReport {
  // From row 0: a row per copy in the order made (name, " → " or " × " for a
  // copy that failed, the folder that received it), the count row with the
  // date and time, an empty row, the drive row. A file of a mirror folder
  // that could not be read has a " × " row naming that folder; a mirror
  // folder that could not be listed, the row " フォルダを読めません", " × ",
  // the folder.
  ReportRows rows;
  int copied = 0;  // copies done; the count row counts these
  int failed = 0;  // the " × " rows
  std::optional<float> free_megabytes;  // nullopt when the query failed

  // Filled when the last load counted folders missing on that side; the
  // window is then filled with these rows and shown.
  std::optional<UndefinedFolders> missing_on_hdd;     // reference folders
  std::optional<UndefinedFolders> missing_on_backup;  // mirror folders
};

// Sets table.SoleInBackupCount to 0 and counts the paths given to
// sole_in_backup in it. backup_drive is the two-byte designator, as in H:.
[[nodiscard]] UpdateReport RunUpdate(const Services& services, folders::FolderTable& table,
                                     std::string_view backup_drive, ProgressSink& progress,
                                     SoleInBackupSink& sole_in_backup);

}  // namespace twindir::engine
