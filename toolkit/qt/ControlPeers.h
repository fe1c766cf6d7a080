#pragma once
// One peer per control: it mirrors the control's state into its widget and
// hands the user's input on the widget back to the control.

#include <QWidget>
#include <memory>

#include "toolkit/Control.h"
#include "toolkit/Peer.h"

namespace twindir::toolkit::qt {

class FormWindow;

class WidgetPeer : public Peer {
 public:
  WidgetPeer(FormWindow& window, Control& control, QWidget& widget);

  void Changed(Property property) override;
  void RepaintNow() override;
  // Mirrors every property into the widget.
  void SyncAll();
  // Mirrors what SyncOwn deferred to the window's next drawing; the window
  // calls it just before it draws, and when a widget is asked for.
  void RunDeferred();

  [[nodiscard]] Control& GetControl() const { return control_; }
  [[nodiscard]] QWidget& Widget() const { return widget_; }

 protected:
  // What a kind of control mirrors beyond place, states, hint, colour and font.
  virtual void SyncOwn(Property property) = 0;
  // Leaves the costly part of mirroring a property that changes per folder
  // or file (a label's text and size, a progress bar's value) to the window's
  // next drawing, which the repaint throttle spaces out: a run that changes
  // it thousands of times then pays for it a few dozen times a second.
  void DeferToDrawing();
  virtual void SyncDeferred() {}

  FormWindow& window_;

 private:
  Control& control_;
  QWidget& widget_;
  bool deferred_ = false;  // SyncDeferred is due
};

// The peer and widget for a control, the widget a child of client; nullptr
// for a component without a widget of its own.
[[nodiscard]] std::unique_ptr<WidgetPeer> MakeControlPeer(FormWindow& window, Control& control, QWidget& client);

}  // namespace twindir::toolkit::qt
