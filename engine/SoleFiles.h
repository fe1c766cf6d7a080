#pragma once
// The sole-file search: plain files that lie in one folder of a pair and
// have no file of the same name in the other.

#include <string>
#include <string_view>
#include <vector>

#include "engine/Services.h"
#include "folders/FolderTable.h"
#include "platform/FileSystem.h"
#include "platform/NameOrder.h"

namespace twindir::engine {

// second\name for every name of first's file name list that second's list
// does not hold, in first's list order; names are equal when they differ
// only in the case of single-byte ASCII letters. Empty unless both folders
// are directories that can be read.
[[nodiscard]] std::vector<std::string> FindSoleFiles(platform::FileSystem& fs,
                                                     const platform::NameOrder& order,
                                                     std::string_view first,
                                                     std::string_view second);

// Backup mode, for the sole-files-in-backup window.
struct SoleFilesInBackup {
  // The hard-disk paths where a mirror folder's file is missing, over every
  // registered pair, sorted and each once, then the count row; or the one
  // row "  孤立ファイルなし".
  std::vector<std::string> rows;
  std::string heading;  // "MO (H:)の孤立ファイル"
};

[[nodiscard]] SoleFilesInBackup SearchSoleFilesInBackup(const Services& services,
                                                        const folders::FolderTable& table,
                                                        char backup_drive_letter);

// Hard-disk mode, for the sole-files-on-disk window.
struct SoleFilesOnDisk {
  std::string folder_row;  // the folder grid row searched, as decimal text
  std::string heading;     // "HDDの孤立ファイル"
  std::string folder;      // the reference folder searched
  // The bare names of the folder's files missing from its mirror folder,
  // then the count row; or one row saying the folder is missing or that
  // there is no sole file.
  std::vector<std::string> rows;
};

// folder_text is the folder grid's text in selected_row: a reference folder,
// or a line of the empty-list notice when none is registered.
[[nodiscard]] SoleFilesOnDisk SearchSoleFilesOnDisk(const Services& services, int selected_row,
                                                    std::string_view folder_text,
                                                    char backup_drive_letter);

}  // namespace twindir::engine
