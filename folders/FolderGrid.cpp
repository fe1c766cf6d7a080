#include "folders/FolderGrid.h"

#include "folders/FoldersTexts.h"

namespace twindir::folders {

std::vector<std::string> EmptyListNotice() {
  return {std::string(texts::EmptyListNotice0), std::string(texts::EmptyListNotice1),
          std::string(texts::EmptyListNotice2), std::string(texts::EmptyListNotice3),
          std::string(texts::EmptyListNotice4), std::string(texts::EmptyListNotice5)};
}

std::vector<std::string> FolderGridRows(const FolderTable& table) {
  if (table.FolderCount == 0) return EmptyListNotice();
  return {table.RefFolders.begin(), table.RefFolders.begin() + table.FolderCount};
}

}  // namespace twindir::folders
