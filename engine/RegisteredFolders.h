#pragma once
// How many folder pairs of the table a command may walk. A load that cannot
// read the list file sets FolderCount to 0 but leaves the old paths in place,
// so the count, not the size of the path lists, says what is registered.

#include <algorithm>

#include "folders/FolderTable.h"

namespace twindir::engine {

[[nodiscard]] inline int RegisteredCount(const folders::FolderTable& table) {
  const auto held = std::min(table.RefFolders.size(), table.MirrorFolders.size());
  return std::clamp(table.FolderCount, 0, static_cast<int>(held));
}

}  // namespace twindir::engine
