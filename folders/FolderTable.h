#pragma once
// The registered folders as loaded from the list file, with each reference
// folder's mirror on the backup drive and the counts of folders missing on
// either side. Replaced as a whole by every load that reads the file.

#include <string>
#include <vector>

#include "platform/Status.h"

namespace twindir::folders {

// The most folders the table holds; a load takes at most this many lines.
inline constexpr int MaxFolderCount = 500;

struct FolderTable {
  bool ListLoaded = false;  // the list file has been read once; never set back
  int FolderCount = 0;
  std::vector<std::string> RefFolders;     // hard-disk folders, in list-file order
  std::vector<std::string> MirrorFolders;  // RefFolders[i] on the backup drive
  int SoleInBackupCount = 0;  // backup files without a readable hard-disk twin, this run
  int MissingOnHddCount = 0;     // RefFolders that are not directories, at the last load
  int MissingOnBackupCount = 0;  // MirrorFolders that are not directories, at the last load

  // Lines of the list file after the 500th, which the table cannot take.
  // Rewrites keep them, so that a hand-edited file loses no line.
  std::vector<std::string> UnloadedLines;
  // Why the last load could not read the list file, or None. A rewrite then
  // refuses to replace a list file that exists: the table does not hold it.
  platform::Error ListReadError = platform::Error::None;
};

}  // namespace twindir::folders
