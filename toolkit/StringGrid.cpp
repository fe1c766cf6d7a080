#include "toolkit/StringGrid.h"

#include <algorithm>
#include <stdexcept>

#include "toolkit/ChangeField.h"

namespace twindir::toolkit {

namespace {

const std::string kEmptyCell;

}  // namespace

StringGrid::StringGrid(Form& owner, std::string name) : Control(owner, std::move(name), Windowed::Yes) {
  SetSize(320, 120);
  SetColor(colors::WindowBackground);
  cells_.assign(static_cast<std::size_t>(row_count_), std::vector<std::string>(static_cast<std::size_t>(col_count_)));
  col_widths_.assign(static_cast<std::size_t>(col_count_), default_col_width_);
}

void StringGrid::SetColCount(int count) {
  count = std::max(count, 1);
  if (!ChangeField(col_count_, count)) return;
  for (std::vector<std::string>& row : cells_) row.resize(static_cast<std::size_t>(count));
  col_widths_.resize(static_cast<std::size_t>(count), default_col_width_);
  Notify(Property::GridSize);
}

void StringGrid::SetRowCount(int count) {
  count = std::max(count, 1);
  if (!ChangeField(row_count_, count)) return;
  cells_.resize(static_cast<std::size_t>(count), std::vector<std::string>(static_cast<std::size_t>(col_count_)));
  row_ = std::min(row_, count - 1);
  Notify(Property::GridSize);
}

bool StringGrid::Holds(int col, int row) const { return col >= 0 && col < col_count_ && row >= 0 && row < row_count_; }

const std::string& StringGrid::Cells(int col, int row) const {
  if (!Holds(col, row)) return kEmptyCell;
  return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void StringGrid::SetCell(int col, int row, std::string text) {
  if (!Holds(col, row)) return;
  if (ChangeField(cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)], std::move(text))) {
    Notify(Property::Cells);
  }
}

void StringGrid::SetRow(int row) {
  if (row < 0 || row >= row_count_) throw std::out_of_range("grid row out of range: " + std::to_string(row));
  if (row == row_) return;
  row_ = row;
  Notify(Property::Row);
  FireClick();
}

void StringGrid::UserSelectRow(int row) {
  if (!Enabled() || row < 0 || row >= row_count_) return;
  if (ChangeField(row_, row)) Notify(Property::Row);
  RunUserEvent([this] { FireClick(); });
}

void StringGrid::UserClick() { UserSelectRow(row_); }

int StringGrid::ColWidths(int col) const {
  if (col < 0 || col >= col_count_) return 0;
  return col_widths_[static_cast<std::size_t>(col)];
}

void StringGrid::SetColWidth(int col, int width) {
  if (col < 0 || col >= col_count_) return;
  if (ChangeField(col_widths_[static_cast<std::size_t>(col)], std::max(width, 0))) Notify(Property::GridSize);
}

void StringGrid::SetDefaultColWidth(int width) {
  default_col_width_ = std::max(width, 0);
  col_widths_.assign(static_cast<std::size_t>(col_count_), default_col_width_);
  Notify(Property::GridSize);
}

void StringGrid::SetDefaultRowHeight(int height) {
  if (ChangeField(default_row_height_, std::max(height, 1))) Notify(Property::GridSize);
}

void StringGrid::SetGridLineWidth(int width) {
  if (ChangeField(grid_line_width_, std::max(width, 0))) Notify(Property::Appearance);
}

void StringGrid::SetRowSelect(bool row_select) {
  if (ChangeField(row_select_, row_select)) Notify(Property::Appearance);
}

void StringGrid::SetBorderStyle(toolkit::BorderStyle style) {
  if (ChangeField(border_style_, style)) Notify(Property::Appearance);
}

void StringGrid::WriteProperties(const PropertyWriter& out) const {
  Control::WriteProperties(out);
  out.Int("ColCount", col_count_);
  out.Int("RowCount", row_count_);
  out.Int("Row", row_);
  for (int col = 0; col < col_count_; ++col) out.Int("ColWidths[" + std::to_string(col) + "]", ColWidths(col));
  out.Int("DefaultRowHeight", default_row_height_);
  out.Int("GridLineWidth", grid_line_width_);
  out.Bool("RowSelect", row_select_);
  out.Text("BorderStyle", ToString(border_style_));
  for (int row = 0; row < row_count_; ++row) {
    for (int col = 0; col < col_count_; ++col) {
      const std::string& text = Cells(col, row);
      if (!text.empty()) out.Text("Cells[" + std::to_string(col) + "," + std::to_string(row) + "]", text);
    }
  }
}

}  // namespace twindir::toolkit
