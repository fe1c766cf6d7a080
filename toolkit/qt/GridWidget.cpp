#include "toolkit/qt/GridWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/qt/QtLook.h"

namespace twindir::toolkit::qt {

namespace {

// Cell texts start this far from the cell's top-left corner.
constexpr int kTextInset = 2;

}  // namespace

GridWidget::GridWidget(StringGrid& grid, QWidget* parent) : QAbstractScrollArea(parent), grid_(grid) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  horizontalScrollBar()->setSingleStep(16);
  verticalScrollBar()->setSingleStep(1);
}

int GridWidget::VisibleRows() const { return std::max(1, viewport()->height() / grid_.DefaultRowHeight()); }

void GridWidget::SyncShape() {
  int total_width = 0;
  for (int col = 0; col < grid_.ColCount(); ++col) total_width += grid_.ColWidths(col);
  horizontalScrollBar()->setRange(0, std::max(0, total_width - viewport()->width()));
  horizontalScrollBar()->setPageStep(viewport()->width());
  verticalScrollBar()->setRange(0, std::max(0, grid_.RowCount() - VisibleRows()));
  verticalScrollBar()->setPageStep(VisibleRows());
  viewport()->update();
}

void GridWidget::SyncRow() {
  QScrollBar& bar = *verticalScrollBar();
  if (grid_.Row() < bar.value()) {
    bar.setValue(grid_.Row());
  } else if (grid_.Row() >= bar.value() + VisibleRows()) {
    bar.setValue(grid_.Row() - VisibleRows() + 1);
  }
  viewport()->update();
}

int GridWidget::RowAt(int y) const {
  const int row = verticalScrollBar()->value() + y / grid_.DefaultRowHeight();
  return y >= 0 && row < grid_.RowCount() ? row : -1;
}

void GridWidget::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), ToQColor(grid_.Color()));
  const FontSpec font = grid_.Font();
  painter.setFont(ToQFont(font));
  const int row_height = grid_.DefaultRowHeight();
  const int line = grid_.GridLineWidth();
  const int first = verticalScrollBar()->value();
  const int last = std::min(grid_.RowCount(), first + viewport()->height() / row_height + 1);
  for (int row = first; row < last; ++row) {
    const int y = (row - first) * row_height;
    int x = -horizontalScrollBar()->value();
    for (int col = 0; col < grid_.ColCount(); ++col) {
      const int width = grid_.ColWidths(col);
      const QRect cell(x, y, width, row_height);
      const bool selected = row == grid_.Row() && (grid_.RowSelect() || col == 0);
      if (selected) painter.fillRect(cell, ToQColor(colors::Highlight));
      painter.setPen(ToQColor(selected ? colors::HighlightText : font.color));
      painter.drawText(cell.adjusted(kTextInset, kTextInset, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                       ToQString(grid_.Cells(col, row)));
      if (line > 0) {
        painter.fillRect(QRect(x + width - line, y, line, row_height), ToQColor(colors::Silver));
        painter.fillRect(QRect(x, y + row_height - line, width, line), ToQColor(colors::Silver));
      }
      x += width;
    }
  }
}

void GridWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) setFocus(Qt::MouseFocusReason);
}

void GridWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int row = RowAt(event->position().toPoint().y());
  if (row >= 0) grid_.UserSelectRow(row);
}

void GridWidget::keyPressEvent(QKeyEvent* event) {
  int row = grid_.Row();
  switch (event->key()) {
    case Qt::Key_Up: row -= 1; break;
    case Qt::Key_Down: row += 1; break;
    case Qt::Key_PageUp: row -= VisibleRows(); break;
    case Qt::Key_PageDown: row += VisibleRows(); break;
    case Qt::Key_Home: row = 0; break;
    case Qt::Key_End: row = grid_.RowCount() - 1; break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
  }
  row = std::clamp(row, 0, grid_.RowCount() - 1);
  grid_.Owner().App().RunHandler([&] { grid_.SetRow(row); });
}

void GridWidget::contextMenuEvent(QContextMenuEvent* event) {
  if (on_context_menu) on_context_menu(event->globalPos());
}

void GridWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  SyncShape();
}

}  // namespace twindir::toolkit::qt
