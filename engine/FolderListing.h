#pragma once
// The two operations every command stands on: the sorted list of the plain
// files of a folder, and the comparison of two files by last-write time.

#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/NameOrder.h"

namespace twindir::engine {

// True for the errors that say a path names nothing to read: nothing is
// there, or something else than what was looked for (a folder where a file
// was expected, a link, a name no file may have).
[[nodiscard]] bool NamesNothing(platform::Error error);

// The bare names of the plain files of folder (no subfolders, hidden or
// system entries), as a sorted name list, without the names that have a
// twin the name order finds equal (a.txt beside A.TXT on a case-sensitive
// file system): neither is listed. A folder that is not there has no
// files; a folder that is there but cannot be read (an I/O error, no
// access, its medium gone) gives the error, for the commands that show it.
// There is no limit on the count.
[[nodiscard]] platform::Result<std::vector<std::string>> ReadFolderFiles(
    platform::FileSystem& fs, const platform::NameOrder& order, std::string_view folder);

// ReadFolderFiles, a folder that cannot be read giving an empty list.
[[nodiscard]] std::vector<std::string> ListFolderFiles(platform::FileSystem& fs,
                                                       const platform::NameOrder& order,
                                                       std::string_view folder);

enum ComparisonResult : int {
  NoCopy = 10,       // equal times, or one of the two is not there or cannot be opened
  FirstNewer = 11,   // the first file was written last
  SecondNewer = 12,  // the second file was written last
  // A file that is there could not be read (an I/O error, its medium gone;
  // for the first file also no access): not copied, and shown as a failure.
  CannotCompare = 13,
};

// Receives the second file of a comparison whose first file could be opened
// and whose second could not: in an update run, a backup file's hard-disk
// twin that is missing or cannot be opened.
class SoleInBackupSink {
 public:
  virtual ~SoleInBackupSink() = default;
  virtual void AppendSoleInBackup(const std::string& hard_disk_path) = 0;
};

[[nodiscard]] ComparisonResult CompareTimeStamps(platform::FileSystem& fs, std::string_view first,
                                                 std::string_view second, SoleInBackupSink& sink);

// The same comparison of the files of one name in two folders, each folder
// found once for all its names; second_folder is the second folder's path,
// for the sink.
[[nodiscard]] ComparisonResult CompareTimeStamps(platform::FolderFiles& first, platform::FolderFiles& second,
                                                 std::string_view second_folder, std::string_view name,
                                                 SoleInBackupSink& sink);

}  // namespace twindir::engine
