#pragma once
// What the main window's folder grid (one column) shows of the folder table:
// row i is reference folder i, and while no folder is registered, a six-row
// notice asking the user to add one.

#include <string>
#include <vector>

#include "folders/FolderTable.h"

namespace twindir::folders {

// A change to the folder grid's column 0, as a load leaves it.
struct FolderGridChange {
  std::vector<std::string> rows;  // texts from row 0 on
  // True: the grid gets exactly these rows. False: only these cells are
  // written; the row count and the rows after them stay as they were.
  bool whole_grid = true;
};

// The rows of the grid for a table: its FolderCount reference folders, or
// the empty-list notice when there are none.
[[nodiscard]] std::vector<std::string> FolderGridRows(const FolderTable& table);

// The six rows shown while no folder is registered.
[[nodiscard]] std::vector<std::string> EmptyListNotice();

}  // namespace twindir::folders
