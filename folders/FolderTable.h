#pragma once
// The registered folders as loaded from the list file, with each reference
// folder's mirror on the backup drive and the counts of folders missing on
// either side. Replaced as a whole by every load.

#include <string>
#include <vector>

namespace twindir::folders {

struct FolderTable {
  bool ListLoaded = false;  // the list file has been read once; never set back
  int FolderCount = 0;
  std::vector<std::string> RefFolders;     // hard-disk folders, in list-file order
  std::vector<std::string> MirrorFolders;  // RefFolders[i] on the backup drive
  int SoleInBackupCount = 0;  // backup files without a readable hard-disk twin, this run
  int MissingOnHddCount = 0;     // RefFolders that are not directories, at the last load
  int MissingOnBackupCount = 0;  // MirrorFolders that are not directories, at the last load
};

}  // namespace twindir::folders
