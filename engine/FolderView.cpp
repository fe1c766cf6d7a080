#include "engine/FolderView.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/EngineTexts.h"
#include "engine/FolderListing.h"
#include "engine/RegisteredFolders.h"
#include "platform/TextFormat.h"

namespace twindir::engine {

namespace {

ReportRows FileRows(const std::vector<std::string>& names, const std::string& folder,
                    std::string_view count_format) {
  ReportRows rows;
  rows.reserve(names.size() + 1);
  for (const std::string& name : names) rows.push_back({name, "", folder});
  rows.push_back(
      {platform::Format(count_format.data(), static_cast<int>(names.size())), "", folder});
  return rows;
}

ReportRow NoFilesRow(const std::string& folder) {
  return {std::string(texts::NoFilesUpdatedRow), "", folder};
}

}  // namespace

std::optional<FolderView> ViewFolder(const Services& services, const folders::FolderTable& table,
                                     int selected_row, char backup_drive_letter) {
  if (!table.ListLoaded || selected_row < 0 || selected_row >= RegisteredCount(table)) {
    return std::nullopt;
  }
  const std::string& mirror = table.MirrorFolders[selected_row];
  if (!services.fs.DirectoryExists(mirror)) {
    services.questions.Inform(
        platform::Format(texts::MirrorFolderMissing.data(), mirror.c_str(), backup_drive_letter));
  }
  const std::vector<std::string> names = ListFolderFiles(services.fs, services.order, mirror);
  if (names.empty()) return FolderView{{NoFilesRow(mirror)}, false};
  return FolderView{FileRows(names, mirror, texts::FolderViewCountRow), true};
}

ReportRows RefreshFolderView(const Services& services, std::string_view folder,
                             int current_row_count) {
  const std::string folder_text(folder);
  const std::vector<std::string> names = ListFolderFiles(services.fs, services.order, folder);
  if (!names.empty()) return FileRows(names, folder_text, texts::RefreshCountRow);
  ReportRows rows(static_cast<std::size_t>(std::max(current_row_count, 1)));
  rows[0] = NoFilesRow(folder_text);
  return rows;
}

}  // namespace twindir::engine
