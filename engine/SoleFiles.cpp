#include "engine/SoleFiles.h"

#include <unordered_map>

#include "engine/EngineTexts.h"
#include "engine/FolderListing.h"
#include "engine/RegisteredFolders.h"
#include "platform/PathText.h"
#include "platform/TextFormat.h"

namespace twindir::engine {

namespace {

// Every byte case-folded as if it were an ASCII letter. Names that
// AsciiCaseEqual finds equal get the same key, so the key narrows the search
// to a few candidates that AsciiCaseEqual then decides on.
std::string CoarseKey(std::string_view name) {
  std::string key(name);
  for (char& c : key) c = platform::AsciiLower(c);
  return key;
}

}  // namespace

std::vector<std::string> FindSoleFiles(platform::FileSystem& fs, const platform::NameOrder& order,
                                       std::string_view first, std::string_view second) {
  if (!fs.DirectoryExists(first) || !fs.DirectoryExists(second)) return {};
  // A folder that cannot be read lists no sole file: a file of first would
  // look sole for want of second's names, and copying it across as sole
  // would replace its twin.
  platform::Result<std::vector<std::string>> first_read = ReadFolderFiles(fs, order, first);
  platform::Result<std::vector<std::string>> second_read = ReadFolderFiles(fs, order, second);
  if (!first_read.ok() || !second_read.ok()) return {};
  const std::vector<std::string>& first_names = first_read.value();
  const std::vector<std::string>& second_names = second_read.value();

  std::unordered_multimap<std::string, const std::string*> second_by_key;
  second_by_key.reserve(second_names.size());
  for (const std::string& name : second_names) second_by_key.emplace(CoarseKey(name), &name);

  std::vector<std::string> sole;
  for (const std::string& name : first_names) {
    const auto [begin, end] = second_by_key.equal_range(CoarseKey(name));
    bool found = false;
    for (auto it = begin; it != end && !found; ++it) {
      found = platform::AsciiCaseEqual(name, *it->second);
    }
    if (!found) sole.push_back(platform::JoinPath(second, name));
  }
  return sole;
}

SoleFilesInBackup SearchSoleFilesInBackup(const Services& services,
                                          const folders::FolderTable& table,
                                          char backup_drive_letter) {
  std::vector<std::string> paths;
  const int count = RegisteredCount(table);
  for (int i = 0; i < count; ++i) {
    std::vector<std::string> sole =
        FindSoleFiles(services.fs, services.order, table.MirrorFolders[i], table.RefFolders[i]);
    paths.insert(paths.end(), std::make_move_iterator(sole.begin()),
                 std::make_move_iterator(sole.end()));
  }
  // A folder registered twice (in two spellings) finds its files twice; the
  // sorted list keeps each path once, and the count is of the rows shown.
  SoleFilesInBackup result;
  result.rows = platform::SortedNameList(std::move(paths), services.order);
  if (result.rows.empty()) {
    result.rows.emplace_back(texts::NoSoleFilesInBackupRow);
  } else {
    result.rows.push_back(platform::Format(texts::SoleFilesInBackupCountRow.data(),
                                           static_cast<int>(result.rows.size())));
  }
  result.heading = platform::Format(texts::SoleFilesInBackupHeading.data(), backup_drive_letter);
  return result;
}

SoleFilesOnDisk SearchSoleFilesOnDisk(const Services& services, int selected_row,
                                      std::string_view folder_text, char backup_drive_letter) {
  SoleFilesOnDisk result;
  result.folder_row = std::to_string(selected_row);
  result.heading = std::string(texts::SoleFilesOnDiskHeading);
  result.folder = std::string(folder_text);
  if (!services.fs.DirectoryExists(folder_text)) {
    result.rows.emplace_back(texts::SoleFolderMissingRow);
    return result;
  }
  const std::string mirror = platform::MirrorPath(folder_text, backup_drive_letter);
  for (const std::string& path : FindSoleFiles(services.fs, services.order, folder_text, mirror)) {
    result.rows.push_back(platform::NameOf(path));
  }
  if (result.rows.empty()) {
    result.rows.emplace_back(texts::NoSoleFilesOnDiskRow);
  } else {
    result.rows.push_back(platform::Format(texts::SoleFilesOnDiskCountRow.data(),
                                           static_cast<int>(result.rows.size())));
  }
  return result;
}

}  // namespace twindir::engine
