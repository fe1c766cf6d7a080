#include "folders/FolderList.h"

#include <algorithm>
#include <utility>

#include "folders/FoldersTexts.h"

namespace twindir::folders {

namespace {

// The lines of the list file. A line ends at LF, and a CR just before the
// LF is part of the line end; any other CR is text of the line, so that a
// rewrite gives it back unchanged. A last line without a line end is read
// whole; a file ending in a line end has no empty line after it.
std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    std::string_view line = bytes.substr(0, lf);
    if (lf != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    lines.emplace_back(line);
    bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
  }
  return lines;
}

}  // namespace

FolderList::FolderList(platform::FileSystem& fs, const platform::NameOrder& order,
                       StartupPaths paths)
    : fs_(fs), order_(order), paths_(std::move(paths)) {}

LoadResult FolderList::LoadAtStartUp() {
  if (!fs_.FileExists(paths_.ListFilePath)) {
    return {LoadStatus::NoListFile, FolderTable{}, {EmptyListNotice(), true}, false};
  }
  LoadResult result = LoadFolderList(FolderTable{});
  result.table.ListLoaded = true;
  return result;
}

LoadResult FolderList::LoadFolderList(const FolderTable& current) {
  platform::Result<std::string> bytes = fs_.ReadWholeFile(paths_.ListFilePath);
  if (!bytes.ok()) {
    LoadResult result{LoadStatus::CannotOpen, current,
                      {{std::string(texts::ListFileNotFoundRow)}, false}, false};
    result.table.FolderCount = 0;
    result.table.UnloadedLines.clear();  // they belonged to a file the table no longer holds
    result.table.ListReadError = bytes.error();
    return result;
  }

  std::vector<std::string> lines = SplitLines(bytes.value());
  const std::size_t taken = std::min<std::size_t>(lines.size(), MaxFolderCount);

  FolderTable table;
  table.ListLoaded = true;
  table.SoleInBackupCount = current.SoleInBackupCount;
  table.FolderCount = static_cast<int>(taken);
  table.UnloadedLines.assign(std::make_move_iterator(lines.begin() + taken),
                             std::make_move_iterator(lines.end()));
  lines.resize(taken);
  table.RefFolders = std::move(lines);
  for (const std::string& folder : table.RefFolders) {
    if (!fs_.DirectoryExists(folder)) ++table.MissingOnHddCount;
    table.MirrorFolders.push_back(platform::MirrorPath(folder, paths_.BackupDriveLetter()));
    if (!fs_.DirectoryExists(table.MirrorFolders.back())) ++table.MissingOnBackupCount;
  }

  FolderGridChange grid{FolderGridRows(table), true};
  const bool too_many = table.FolderCount == MaxFolderCount;
  return {LoadStatus::Loaded, std::move(table), std::move(grid), too_many};
}

platform::Status FolderList::WriteFolderList(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes.append(line).append("\r\n");
  return fs_.WriteWholeFile(paths_.ListFilePath, bytes);
}

}  // namespace twindir::folders
