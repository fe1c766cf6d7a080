#pragma once
// The registered folders that are missing on one side, as the update run
// lists them for the undefined-folder windows, and the work of those
// windows' own actions: counting them again, and filling a folder that has
// just been created with the files of its other side.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "folders/FolderTable.h"
#include "platform/FileSystem.h"
#include "platform/NameOrder.h"

namespace twindir::engine {

// The grid of an undefined-folder window: one row per registered folder that
// is not a directory now, in table order, then the summary row.
struct UndefinedFolders {
  std::vector<std::string> rows;
  std::string heading;  // backup side only: " MO (H:)の未定義フォルダ"
};

// The first count folders of one side of the table (its RefFolders or its
// MirrorFolders) that are not directories now, then the summary row
// "   %d フォルダがありません", whatever the number.
[[nodiscard]] UndefinedFolders ListUndefinedFolders(platform::FileSystem& fs,
                                                    const std::vector<std::string>& folders,
                                                    int count);

// The reference folders that are not directories now, in table order, then
// the summary row "   %d フォルダがありません", or the one row
// "   未定義フォルダはありません" when none is missing.
[[nodiscard]] std::vector<std::string> RecountMissingOnHdd(platform::FileSystem& fs,
                                                           const folders::FolderTable& table);

// The mirror folders that are not directories now, in table order, then
// "   1 Directory still Undefined" or "   %d Directories still Undefined";
// or the one row "   No Undefined Directory", and then MissingOnBackupCount
// is set to 0 so that the next update run does not open the window again.
[[nodiscard]] std::vector<std::string> RecountMissingOnBackup(platform::FileSystem& fs,
                                                              folders::FolderTable& table);

// Creates folder with every missing parent; true when it is a directory now.
[[nodiscard]] bool CreateMissingFolder(platform::FileSystem& fs, std::string_view folder);

struct FolderFill {
  int copied = 0;
  int failed = 0;
  bool source_unreadable = false;  // source is there but could not be listed
};

// Copies every plain file of source into target, in listing order, each
// over a file of the same name; a failed copy does not stop the others. A
// source that is not there or cannot be listed copies nothing.
FolderFill CopyFolderFiles(platform::FileSystem& fs, const platform::NameOrder& order,
                           std::string_view source, std::string_view target);

// The first registered reference folder that names mirror_folder on the hard
// disk: equal after the drive letter and colon, but for the case of ASCII
// letters. nullopt when none does (it was unregistered since).
[[nodiscard]] std::optional<std::string> ReferenceFolderOf(const folders::FolderTable& table,
                                                           std::string_view mirror_folder);

}  // namespace twindir::engine
