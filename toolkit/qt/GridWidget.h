#pragma once
// A light string grid: no header, rows of a fixed height, the toolkit's
// column widths, the selected row drawn highlighted (the whole row, or its
// first cell), scrolling by rows downwards and by pixels sideways. A left
// release on a row is the user's click; the arrow keys move the selection
// as code would (a click only when the row changes); a right click opens
// the grid's pop-up menu without changing the selection.

#include <QAbstractScrollArea>
#include <functional>

#include "toolkit/StringGrid.h"

namespace twindir::toolkit::qt {

class GridWidget : public QAbstractScrollArea {
 public:
  GridWidget(StringGrid& grid, QWidget* parent);

  // Opens the pop-up menu at a global position.
  std::function<void(const QPoint&)> on_context_menu;

  // The grid's rows, columns or widths changed.
  void SyncShape();
  // The selected row changed: scroll it into view.
  void SyncRow();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  [[nodiscard]] int RowAt(int y) const;  // -1 below the last row
  [[nodiscard]] int VisibleRows() const;

  StringGrid& grid_;
};

}  // namespace twindir::toolkit::qt
