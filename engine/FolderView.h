#pragma once
// The folder view: the plain files of one registered folder's mirror folder,
// as rows of the report grid, and the same list written again after a file
// was removed from it.

#include <optional>
#include <string_view>

#include "engine/ReportRow.h"
#include "engine/Services.h"
#include "folders/FolderTable.h"

namespace twindir::engine {

struct FolderView {
  // A row per file (name, empty, mirror folder) and the count row
  // "  %11d ﾌｧｲﾙ"; or the one row "  更新ファイルなし".
  ReportRows rows;
  bool listed_files = false;  // at least one file: arms the file removal
};

// The folder view of the registered folder in row selected_row of the folder
// grid; nullopt, having done nothing, when no folder is registered there.
// A mirror folder that is not a directory is told through
// services.questions.Inform before the view is listed.
[[nodiscard]] std::optional<FolderView> ViewFolder(const Services& services,
                                                   const folders::FolderTable& table,
                                                   int selected_row, char backup_drive_letter);

// The view of folder listed again after a removal, over a grid of
// current_row_count rows: the count row reads "  %11d files in", and with no
// file left the grid keeps its row count, row 0 saying so and the other rows
// empty.
[[nodiscard]] ReportRows RefreshFolderView(const Services& services, std::string_view folder,
                                           int current_row_count);

}  // namespace twindir::engine
