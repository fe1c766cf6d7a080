#pragma once
// The seam between the headless controls and a backend that shows them.
//
// A control holds its whole state itself. A backend attaches one peer per
// component and is told which property changed; it reads the new value
// from the control. Without a peer (headless) nothing is drawn.

namespace twindir::toolkit {

enum class Property {
  Caption,
  Text,
  Lines,
  Hint,
  ShowHint,
  Enabled,
  Visible,
  Bounds,
  Color,
  Font,
  TabOrder,
  Checked,
  // The grid's shape, cells and selection.
  GridSize,
  Cells,
  Row,
  // Progress bar.
  Range,
  Position,
  Picture,
  // Anything else that changes how a control is drawn (bevels, alignment).
  Appearance,
  // A form's client size, border, title buttons and place.
  Frame,
  // Menu items added or removed.
  MenuItems,
};

class Peer {
 public:
  virtual ~Peer() = default;
  virtual void Changed(Property property) = 0;
  // Draw the control now, even while a handler keeps the event loop busy.
  virtual void RepaintNow() {}
};

class FormPeer : public Peer {
 public:
  virtual void BringToFront() = 0;
};

}  // namespace twindir::toolkit
