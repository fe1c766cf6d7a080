#pragma once
// A grid of texts by column and row, with a selected row.
//
// The grid holds exactly RowCount rows of ColCount cells: a cell outside
// them reads empty and a write to it is not kept, and rows cut off by a
// smaller RowCount are gone (they come back empty). A grid has at least
// one row and one column.
//
// Its click event runs on every user click on a row, also on the row that
// is selected already, and whenever code moves the selection to another
// row; setting the row that is selected already runs nothing.

#include <string>
#include <vector>

#include "toolkit/Control.h"
#include "toolkit/Styles.h"

namespace twindir::toolkit {

class StringGrid : public Control {
 public:
  StringGrid(Form& owner, std::string name);

  [[nodiscard]] int ColCount() const { return col_count_; }
  void SetColCount(int count);  // below 1 counts as 1
  [[nodiscard]] int RowCount() const { return row_count_; }
  // Below 1 counts as 1. The selected row is kept inside the new rows
  // without running the click event.
  void SetRowCount(int count);

  [[nodiscard]] const std::string& Cells(int col, int row) const;
  void SetCell(int col, int row, std::string text);

  [[nodiscard]] int Row() const { return row_; }
  // Selects a row from code; runs OnClick when the row differs from the
  // selected one. A row outside the grid throws std::out_of_range.
  void SetRow(int row);
  // A user's left click on a row: selects it and runs OnClick, inside the
  // handler boundary. A row outside the grid is ignored, as is any click on
  // a disabled grid.
  void UserSelectRow(int row);
  // A click on the grid without a row: as a click on the selected row.
  void UserClick() override;

  // The width of a column; 0 outside the grid.
  [[nodiscard]] int ColWidths(int col) const;
  void SetColWidth(int col, int width);  // a column outside the grid is ignored
  [[nodiscard]] int DefaultColWidth() const { return default_col_width_; }
  // Sets every column, and every column added later, to width.
  void SetDefaultColWidth(int width);
  [[nodiscard]] int DefaultRowHeight() const { return default_row_height_; }
  void SetDefaultRowHeight(int height);
  [[nodiscard]] int GridLineWidth() const { return grid_line_width_; }
  void SetGridLineWidth(int width);
  // Whether the whole selected row is drawn selected (else its first cell).
  [[nodiscard]] bool RowSelect() const { return row_select_; }
  void SetRowSelect(bool row_select);
  [[nodiscard]] toolkit::BorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(toolkit::BorderStyle style);

 protected:
  void WriteProperties(const PropertyWriter& out) const override;

 private:
  [[nodiscard]] bool Holds(int col, int row) const;

  int col_count_ = 5;
  int row_count_ = 5;
  std::vector<std::vector<std::string>> cells_;  // [row][col]
  int row_ = 0;
  std::vector<int> col_widths_;  // one per column
  int default_col_width_ = 64;
  int default_row_height_ = 24;
  int grid_line_width_ = 1;
  bool row_select_ = false;
  toolkit::BorderStyle border_style_ = BorderStyle::Single;
};

}  // namespace twindir::toolkit
