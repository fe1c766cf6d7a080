#pragma once
// A panel with an outer and an inner bevel, a border and a caption, that
// paints itself on a canvas and follows the mouse.
//
// The mouse: a left press inside captures the mouse; on the left release,
// wherever the pointer then is, OnClick runs first if the pointer is inside
// the panel, and then MouseUp. A release outside runs no click. A left
// release without a left press before it (the press went to another
// control) runs nothing.

#include <functional>

#include "toolkit/Canvas.h"
#include "toolkit/Control.h"
#include "toolkit/Styles.h"

namespace twindir::toolkit {

class Panel : public CaptionedControl {
 public:
  Panel(Form& owner, std::string name);

  [[nodiscard]] toolkit::Alignment Alignment() const { return alignment_; }
  void SetAlignment(toolkit::Alignment alignment);
  [[nodiscard]] BevelKind BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(BevelKind kind);
  [[nodiscard]] BevelKind BevelInner() const { return bevel_inner_; }
  void SetBevelInner(BevelKind kind);
  [[nodiscard]] int BevelWidth() const { return bevel_width_; }
  void SetBevelWidth(int width);
  [[nodiscard]] int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);

  // The client rectangle: 0, 0, Width, Height.
  [[nodiscard]] Rect ClientRect() const;
  // Asks the backend to paint the panel again.
  void Invalidate() const;
  // Draws the panel: its bevels, border, face and caption.
  virtual void Paint(Canvas& canvas);

  // The user's mouse on the panel, in panel coordinates. A disabled panel
  // ignores them.
  void UserMouseDown(MouseButton button, int x, int y);
  void UserMouseUp(MouseButton button, int x, int y);
  // A click with the left button in the middle of the panel.
  void UserClick() override;

  std::function<void(MouseButton, int x, int y)> OnMouseDown;
  std::function<void(MouseButton, int x, int y)> OnMouseUp;

 protected:
  // What a press and a release do; by default they run OnMouseDown and
  // OnMouseUp.
  virtual void MouseDown(MouseButton button, int x, int y);
  virtual void MouseUp(MouseButton button, int x, int y);

  // The panel's painting after any background picture: outer bevel,
  // border, inner bevel, the face filled in Color when fill_face, and the
  // caption in Font with a clear brush, centred on the height of "W".
  void PaintPanel(Canvas& canvas, bool fill_face) const;

  void WriteProperties(const PropertyWriter& out) const override;

 private:
  toolkit::Alignment alignment_ = Alignment::Center;
  BevelKind bevel_outer_ = BevelKind::Raised;
  BevelKind bevel_inner_ = BevelKind::None;
  int bevel_width_ = 1;
  int border_width_ = 0;
  bool left_pressed_ = false;
};

}  // namespace twindir::toolkit
