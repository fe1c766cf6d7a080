#pragma once
// The list file TWINDIR.DAT and the operations on it: loading it into the
// folder table, and the rewrites that register and unregister folders.
//
// The file holds one reference folder per line, code page 932, each line
// ended by CR LF as written (LF alone, and a last line without a line end,
// are read too). The program writes it sorted by the name order without
// duplicates; a hand-edited file may hold any order, which the table keeps
// until the next rewrite. Every rewrite is built from the folder table,
// written whole and atomically, and then loaded again: the file is the one
// source of truth.
//
// The operations are plain data in and out: each returns the new table and
// what the folder grid and the message boxes show, and the window applies it.

#include <string>
#include <string_view>
#include <vector>

#include "folders/FolderGrid.h"
#include "folders/FolderTable.h"
#include "folders/StartupPaths.h"
#include "platform/FileSystem.h"
#include "platform/NameOrder.h"
#include "platform/PathText.h"
#include "platform/Status.h"

namespace twindir::folders {

enum class LoadStatus {
  Loaded,      // the file was read
  CannotOpen,  // the file could not be read: the old table stays, with FolderCount 0
  NoListFile,  // at start-up only: there is no list file yet
};

struct LoadResult {
  LoadStatus status = LoadStatus::Loaded;
  FolderTable table;      // the folder table from now on
  FolderGridChange grid;  // what the folder grid shows from now on
  // Show "Too many Directories!" (caption "Dir Size Error"): the table is full.
  bool too_many = false;
};

enum class RewriteStatus {
  Reloaded,        // written and loaded again: apply `reload`
  TooManyFolders,  // 500 folders are registered: nothing written, show "Too many Directories!"
  WriteFailed,     // the list file could not be written: show the error naming list_file_path
};

// After TooManyFolders and WriteFailed the table and the folder grid stay
// as they were.
struct RewriteResult {
  RewriteStatus status = RewriteStatus::Reloaded;
  LoadResult reload;                                    // Reloaded only
  platform::Error write_error = platform::Error::None;  // WriteFailed only
  std::string list_file_path;                           // WriteFailed only
};

class FolderList {
 public:
  FolderList(platform::FileSystem& fs, const platform::NameOrder& order, StartupPaths paths);

  [[nodiscard]] const StartupPaths& Paths() const { return paths_; }

  // The first load, when the main window is created. No list file is not an
  // error: the table is empty, ListLoaded stays false and the grid shows the
  // empty-list notice. A list file that exists is loaded, and ListLoaded is
  // true afterwards even when it could not be read.
  [[nodiscard]] LoadResult LoadAtStartUp();

  // Reads the list file into a new table: the first 500 lines become the
  // registered folders, each with its mirror folder and the missing counts;
  // any further lines are kept aside for the next rewrite, and too_many is
  // set. When the file cannot be read, the grid's row 0 says so and
  // `current` stays, its FolderCount set to 0.
  [[nodiscard]] LoadResult LoadFolderList(const FolderTable& current);

  // Writes lines as the whole list file, each followed by CR LF; no lines
  // give an empty file. The old file stays whole when this fails.
  [[nodiscard]] platform::Status WriteFolderList(const std::vector<std::string>& lines);

  // Registers folder (unless an equal name is registered: the registered
  // spelling stays), rewrites and reloads. Refused while 500 are registered.
  [[nodiscard]] RewriteResult AddFolder(const FolderTable& table, std::string_view folder);

  // Unregisters every entry equal to folder but for the case of ASCII
  // letters, rewrites and reloads.
  [[nodiscard]] RewriteResult RemoveFolder(const FolderTable& table, std::string_view folder);

  // RemoveFolder(old_folder) and AddFolder(new_folder) in one rewrite.
  [[nodiscard]] RewriteResult ReplaceFolder(const FolderTable& table, std::string_view old_folder,
                                            std::string_view new_folder);

 private:
  struct Edit;
  RewriteResult Rewrite(const FolderTable& table, const Edit& edit);

  platform::FileSystem& fs_;
  const platform::NameOrder& order_;
  StartupPaths paths_;
};

// The folder that Dir Add registers for the file chosen in its dialog: the
// file's folder, a drive root keeping its backslash (`C:\a.txt` gives `C:\`).
[[nodiscard]] inline std::string DirAddFolder(std::string_view chosen_file) {
  return platform::FolderOf(chosen_file);
}

}  // namespace twindir::folders
