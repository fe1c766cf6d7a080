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

  [[nodiscard]] Control& GetControl() const { return control_; }
  [[nodiscard]] QWidget& Widget() const { return widget_; }

 protected:
  // What a kind of control mirrors beyond place, states, hint, colour and font.
  virtual void SyncOwn(Property property) = 0;

  FormWindow& window_;

 private:
  Control& control_;
  QWidget& widget_;
};

// The peer and widget for a control, the widget a child of client; nullptr
// for a component without a widget of its own.
[[nodiscard]] std::unique_ptr<WidgetPeer> MakeControlPeer(FormWindow& window, Control& control, QWidget& client);

}  // namespace twindir::toolkit::qt
