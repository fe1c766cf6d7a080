#include "engine/FolderListing.h"

#include <algorithm>

namespace twindir::engine {

std::vector<std::string> ListFolderFiles(platform::FileSystem& fs,
                                         const platform::NameOrder& order,
                                         std::string_view folder) {
  platform::Result<std::vector<platform::DirEntry>> entries = fs.ListDirectory(folder);
  if (!entries.ok()) return {};
  std::vector<std::string> names;
  for (platform::DirEntry& entry : entries.value()) {
    if (!entry.directory && !entry.hidden && !entry.system) names.push_back(std::move(entry.name));
  }
  // Names that differ only in letter case are one name to the sorted list,
  // which keeps the first it is given: byte order first makes that the same
  // name every time, whatever order the file system gives.
  std::sort(names.begin(), names.end());
  return platform::SortedNameList(std::move(names), order);
}

ComparisonResult CompareTimeStamps(platform::FileSystem& fs, std::string_view first,
                                   std::string_view second, SoleInBackupSink& sink) {
  const platform::Result<platform::FileTime> first_time = fs.ReadableFileTime(first);
  const platform::Result<platform::FileTime> second_time = fs.ReadableFileTime(second);
  if (!first_time.ok()) return NoCopy;
  if (!second_time.ok()) {
    sink.AppendSoleInBackup(std::string(second));
    return NoCopy;
  }
  if (first_time.value() < second_time.value()) return SecondNewer;
  if (first_time.value() > second_time.value()) return FirstNewer;
  return NoCopy;
}

}  // namespace twindir::engine
