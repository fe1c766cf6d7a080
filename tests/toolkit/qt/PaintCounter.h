#pragma once
// Counts the paint events a widget receives, to tell a paint that happened
// at once (inside the call) from one left to the event loop.

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace twindir::toolkit::qt {

class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }

  int paints = 0;
};

}  // namespace twindir::toolkit::qt
