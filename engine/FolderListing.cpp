#include "engine/FolderListing.h"

#include <algorithm>

namespace twindir::engine {

bool NamesNothing(platform::Error error) {
  using platform::Error;
  return error == Error::NotFound || error == Error::NotAFile || error == Error::NotADirectory ||
         error == Error::BadPath;
}

platform::Result<std::vector<std::string>> ReadFolderFiles(platform::FileSystem& fs,
                                                           const platform::NameOrder& order,
                                                           std::string_view folder) {
  platform::Result<std::vector<platform::DirEntry>> entries = fs.ListDirectory(folder);
  if (!entries.ok()) {
    if (NamesNothing(entries.error())) return std::vector<std::string>{};
    return entries.error();
  }
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

std::vector<std::string> ListFolderFiles(platform::FileSystem& fs,
                                         const platform::NameOrder& order,
                                         std::string_view folder) {
  platform::Result<std::vector<std::string>> names = ReadFolderFiles(fs, order, folder);
  return names.ok() ? std::move(names).value() : std::vector<std::string>{};
}

ComparisonResult CompareTimeStamps(platform::FileSystem& fs, std::string_view first,
                                   std::string_view second, SoleInBackupSink& sink) {
  // A first file gone or replaced since it was listed is passed over; one
  // that is there and cannot be read is a failure. A second file that is
  // not there or cannot be opened leaves the first a sole file; one that an
  // I/O error or a gone medium keeps from being read is a failure, not a
  // sole file that a later copy could put over it.
  const platform::Result<platform::FileTime> first_time = fs.ReadableFileTime(first);
  if (!first_time.ok()) return NamesNothing(first_time.error()) ? NoCopy : CannotCompare;
  const platform::Result<platform::FileTime> second_time = fs.ReadableFileTime(second);
  if (!second_time.ok()) {
    const platform::Error error = second_time.error();
    if (!NamesNothing(error) && error != platform::Error::AccessDenied) return CannotCompare;
    sink.AppendSoleInBackup(std::string(second));
    return NoCopy;
  }
  if (first_time.value() < second_time.value()) return SecondNewer;
  if (first_time.value() > second_time.value()) return FirstNewer;
  return NoCopy;
}

}  // namespace twindir::engine
