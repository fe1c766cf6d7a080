#include "engine/FolderListing.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "platform/PathText.h"

namespace twindir::engine {

namespace {

// Names that the name order finds equal (a case-sensitive file system can
// hold a.txt and A.TXT in one folder) are all left out: a lookup of either
// spelling in the other folder of a pair could land on the file of the
// other spelling, and a copy would then replace the wrong file.
std::vector<std::string> SortedWithoutCaseTwins(std::vector<std::string> names,
                                                const platform::NameOrder& order) {
  std::vector<std::string> sorted = platform::SortedNameList(names, order);
  if (sorted.size() == names.size()) return sorted;
  // The sorted list kept one name of each set of equal names and dropped
  // the others; each dropped name marks the one kept in its place.
  const std::unordered_set<std::string_view> kept(sorted.begin(), sorted.end());
  std::vector<bool> has_twin(sorted.size(), false);
  const auto before = [&order](const std::string& a, const std::string& b) {
    return order.Compare(a, b) < 0;
  };
  for (const std::string& name : names) {
    if (kept.count(name) != 0) continue;
    const auto twin = std::lower_bound(sorted.begin(), sorted.end(), name, before);
    if (twin != sorted.end() && order.Compare(*twin, name) == 0) {
      has_twin[static_cast<std::size_t>(twin - sorted.begin())] = true;
    }
  }
  std::vector<std::string> single;
  single.reserve(sorted.size());
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    if (!has_twin[i]) single.push_back(std::move(sorted[i]));
  }
  return single;
}

}  // namespace

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
  return SortedWithoutCaseTwins(std::move(names), order);
}

std::vector<std::string> ListFolderFiles(platform::FileSystem& fs,
                                         const platform::NameOrder& order,
                                         std::string_view folder) {
  platform::Result<std::vector<std::string>> names = ReadFolderFiles(fs, order, folder);
  return names.ok() ? std::move(names).value() : std::vector<std::string>{};
}

namespace {

// A first file gone or replaced since it was listed is passed over; one
// that is there and cannot be read is a failure. A second file that is not
// there or cannot be opened leaves the first a sole file; one that an I/O
// error or a gone medium keeps from being read is a failure, not a sole
// file that a later copy could put over it. The second file is looked at
// only when the first could be; its path is made only for the sink.
template <typename ReadFirst, typename ReadSecond, typename SecondPath>
ComparisonResult Compare(ReadFirst read_first, ReadSecond read_second, SoleInBackupSink& sink,
                         SecondPath second_path) {
  const platform::Result<platform::FileTime> first_time = read_first();
  if (!first_time.ok()) return NamesNothing(first_time.error()) ? NoCopy : CannotCompare;
  const platform::Result<platform::FileTime> second_time = read_second();
  if (!second_time.ok()) {
    const platform::Error error = second_time.error();
    if (!NamesNothing(error) && error != platform::Error::AccessDenied) return CannotCompare;
    sink.AppendSoleInBackup(second_path());
    return NoCopy;
  }
  if (first_time.value() < second_time.value()) return SecondNewer;
  if (first_time.value() > second_time.value()) return FirstNewer;
  return NoCopy;
}

}  // namespace

ComparisonResult CompareTimeStamps(platform::FileSystem& fs, std::string_view first,
                                   std::string_view second, SoleInBackupSink& sink) {
  return Compare([&] { return fs.ReadableFileTime(first); }, [&] { return fs.ReadableFileTime(second); },
                 sink, [&] { return std::string(second); });
}

ComparisonResult CompareTimeStamps(platform::FolderFiles& first, platform::FolderFiles& second,
                                   std::string_view second_folder, std::string_view name,
                                   SoleInBackupSink& sink) {
  return Compare([&] { return first.ReadableFileTime(name); }, [&] { return second.ReadableFileTime(name); },
                 sink, [&] { return platform::JoinPath(second_folder, name); });
}

}  // namespace twindir::engine
