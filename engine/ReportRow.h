#pragma once
// One row of the main window's report grid, and the rows of a whole report.
// A report's row count is the number of its rows; every cell of a row is
// written, so a report leaves no text of an earlier one visible.

#include <string>
#include <vector>

namespace twindir::engine {

struct ReportRow {
  std::string name;    // column 0: a file name, or a summary text starting with a blank
  std::string mark;    // column 1
  std::string folder;  // column 2

  friend bool operator==(const ReportRow&, const ReportRow&) = default;
};

using ReportRows = std::vector<ReportRow>;

}  // namespace twindir::engine
