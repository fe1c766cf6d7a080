#include "engine/FileRemoval.h"

#include <string>

#include "engine/EngineTexts.h"
#include "engine/FolderView.h"
#include "platform/PathText.h"

namespace twindir::engine {

namespace {

bool OnDrive(std::string_view path, char drive_letter) {
  return path.size() >= 2 && path[1] == ':' &&
         platform::AsciiUpper(path[0]) == platform::AsciiUpper(drive_letter);
}

}  // namespace

std::optional<ReportRows> RemoveFileFromBackup(const Services& services, bool file_list_flag,
                                               const ReportSelection& selection,
                                               char backup_drive_letter) {
  if (!file_list_flag) return std::nullopt;
  // Summary rows begin with a blank; an empty name names no file.
  if (selection.name.empty() || selection.name[0] == ' ') return std::nullopt;
  if (selection.folder.empty()) return std::nullopt;
  if (selection.row < 0 || selection.row >= selection.row_count) return std::nullopt;
  if (!OnDrive(selection.folder, backup_drive_letter)) return std::nullopt;

  const std::string path = platform::JoinPath(selection.folder, selection.name);
  if (!services.questions.Confirm(path, texts::RemoveFileCaption, BoxIcon::None)) {
    return std::nullopt;
  }
  // A deletion that fails shows in the refreshed list, which still holds the file.
  (void)services.fs.DeleteFile(path);
  return RefreshFolderView(services, selection.folder, selection.row_count);
}

}  // namespace twindir::engine
