#pragma once
// Folder identity: makes the selected reference folder and its mirror folder
// hold the same plain files, each in its newest version. Newer files replace
// older ones in both directions, a file found on one side only is copied to
// the other side, and nothing is deleted.

#include <optional>
#include <string_view>

#include "engine/Copier.h"
#include "engine/FolderListing.h"
#include "engine/ReportRow.h"
#include "engine/Services.h"
#include "folders/FolderTable.h"

namespace twindir::engine {

struct IdentityReport {
  // From row 0: a row per copy, the mirror folder's pass first (name,
  // "更新", "新規" or "失敗" for a copy that failed, the folder that
  // received it); then an empty row, the count row "  N ファイルコピー" and
  // the drive row. With no copy: " 指定したフォルダの" | "内容" | "は同一です",
  // an empty row and the drive row.
  ReportRows rows;
  int copied = 0;  // copies done: the command's copy count
  int failed = 0;
  std::optional<float> free_megabytes;  // nullopt when the query failed
};

// One pass over the files of first: a file that second holds too is
// replaced in whichever direction is older, one that second lacks is copied
// there (second is created, one level, when missing). Appends a row per copy
// to rows and returns the number of copies done.
int MergeFolderPass(const Services& services, std::string_view first, std::string_view second,
                    SoleInBackupSink& sole_in_backup, Copier& copier, ReportRows& rows);

// Asks whether to make the pair of the folder grid's selected_row identical
// and, on OK, does so. nullopt, with nothing changed, when no folder is
// registered there, its path is not a drive-form folder, or the user
// declines. Files of first whose twin cannot be opened go to sole_in_backup,
// counted in table.SoleInBackupCount after the rows of the last update run.
[[nodiscard]] std::optional<IdentityReport> MakeFoldersIdentical(const Services& services,
                                                                 folders::FolderTable& table,
                                                                 int selected_row,
                                                                 std::string_view backup_drive,
                                                                 SoleInBackupSink& sole_in_backup);

}  // namespace twindir::engine
