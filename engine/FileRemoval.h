#pragma once
// Removing one file of a folder view from the backup drive, after the user
// has confirmed it, and listing the folder again.

#include <optional>
#include <string_view>

#include "engine/ReportRow.h"
#include "engine/Services.h"

namespace twindir::engine {

// The report grid's selected row as the removal reads it.
struct ReportSelection {
  int row = 0;
  int row_count = 0;
  std::string_view name;    // column 0 of the selected row
  std::string_view folder;  // column 2 of the selected row
};

// Deletes folder\name when it is a file row of a folder on the backup drive
// and the user confirms, and returns the refreshed view of that folder.
// nullopt, with nothing changed, when no folder view has listed a file yet
// (file_list_flag false), when the row is a summary row, names no folder or
// a folder on another drive (an update report's row can name a hard-disk
// file), or when the user declines.
[[nodiscard]] std::optional<ReportRows> RemoveFileFromBackup(const Services& services,
                                                             bool file_list_flag,
                                                             const ReportSelection& selection,
                                                             char backup_drive_letter);

}  // namespace twindir::engine
