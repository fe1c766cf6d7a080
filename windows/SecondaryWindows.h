#pragma once
// What the sole-file windows and the undefined-folder windows share: the
// look of their one-column list grid, the rows written into it, and the two
// rules that tell a row the buttons may act on from a summary row.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/EngineTexts.h"
#include "engine/UndefinedFolders.h"
#include "platform/TextFormat.h"
#include "toolkit/Control.h"
#include "toolkit/StringGrid.h"
#include "windows/WindowFonts.h"

namespace twindir {

// A hint that shows as a tooltip.
inline void SetTooltip(toolkit::Control& control, std::string_view hint) {
  control.SetHint(std::string(hint));
  control.SetShowHint(true);
}

// The list grid of the four windows: one column wider than the grid, so
// that long paths scroll sideways; rows 18 pixels high, no grid lines.
inline void LayOutListGrid(toolkit::StringGrid& grid, toolkit::Rgb color, toolkit::Rgb text_color) {
  grid.SetBounds(16, 56, 337, 302);
  grid.SetColCount(1);
  grid.SetColWidth(0, 400);
  grid.SetDefaultRowHeight(18);
  grid.SetGridLineWidth(0);
  grid.SetColor(color);
  grid.SetFont(GothicBold(13, text_color));
}

// The grid holds exactly these rows in its column 0. The selected row stays
// where it was, kept inside the new rows, and no click runs.
inline void ShowRows(toolkit::StringGrid& grid, const std::vector<std::string>& rows) {
  grid.SetRowCount(static_cast<int>(rows.size()));
  for (std::size_t row = 0; row < rows.size(); ++row) {
    grid.SetCell(0, static_cast<int>(row), rows[row]);
  }
}

[[nodiscard]] inline const std::string& SelectedText(const toolkit::StringGrid& grid) {
  return grid.Cells(0, grid.Row());
}

// Sole-file windows: the last row is the count or message row (or, after an
// update run, a path treated like one), so only a row above it is a file.
[[nodiscard]] inline bool IsSoleFileRowSelected(const toolkit::StringGrid& grid) {
  return grid.RowCount() > 1 && grid.Row() < grid.RowCount() - 1;
}

// Undefined-folder windows: a summary row begins with a blank; an empty row
// is no folder either.
[[nodiscard]] inline bool IsFolderRowSelected(const toolkit::StringGrid& grid) {
  const std::string& text = SelectedText(grid);
  return !text.empty() && text.front() != ' ';
}

// Undefined-folder windows: what Dir Create's box says after filling a new
// folder from source, nothing when every file was copied. not_copied is the
// "%d files could not be copied" text of the receiving side.
[[nodiscard]] inline std::optional<std::string> FolderFillProblem(const engine::FolderFill& fill,
                                                                  std::string_view source,
                                                                  std::string_view not_copied) {
  if (fill.source_unreadable) {
    return std::string(source) + std::string(engine::texts::FolderUnreadableRow);
  }
  if (fill.failed > 0) return platform::Format(std::string(not_copied).c_str(), fill.failed);
  return std::nullopt;
}

}  // namespace twindir
