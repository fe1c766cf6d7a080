#pragma once
// The two operations every command stands on: the sorted list of the plain
// files of a folder, and the comparison of two files by last-write time.

#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/NameOrder.h"

namespace twindir::engine {

// The bare names of the plain files of folder (no subfolders, hidden or
// system entries), as a sorted name list. A folder that does not exist or
// cannot be read gives an empty list. There is no limit on the count.
[[nodiscard]] std::vector<std::string> ListFolderFiles(platform::FileSystem& fs,
                                                       const platform::NameOrder& order,
                                                       std::string_view folder);

enum ComparisonResult : int {
  NoCopy = 10,       // equal times, or one of the two cannot be opened
  FirstNewer = 11,   // the first file was written last
  SecondNewer = 12,  // the second file was written last
};

// Receives the second file of a comparison whose first file could be opened
// and whose second could not: in an update run, a backup file's hard-disk
// twin that is missing or unreadable.
class SoleInBackupSink {
 public:
  virtual ~SoleInBackupSink() = default;
  virtual void AppendSoleInBackup(const std::string& hard_disk_path) = 0;
};

[[nodiscard]] ComparisonResult CompareTimeStamps(platform::FileSystem& fs, std::string_view first,
                                                 std::string_view second, SoleInBackupSink& sink);

}  // namespace twindir::engine
