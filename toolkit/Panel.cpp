#include "toolkit/Panel.h"

#include "toolkit/ChangeField.h"

namespace twindir::toolkit {

namespace {

void DrawBevel(Canvas& canvas, Rect& rect, BevelKind kind, int width) {
  if (kind == BevelKind::None) return;
  const bool lowered = kind == BevelKind::Lowered;
  Frame3D(canvas, rect, lowered ? colors::ButtonShadow : colors::ButtonHighlight,
          lowered ? colors::ButtonHighlight : colors::ButtonShadow, width);
}

}  // namespace

Panel::Panel(Form& owner, std::string name) : CaptionedControl(owner, std::move(name), Windowed::Yes) {
  SetSize(185, 41);
  SetColor(colors::ButtonFace);
  SetTabStop(false);
}

void Panel::SetAlignment(toolkit::Alignment alignment) {
  if (ChangeField(alignment_, alignment)) Invalidate();
}

void Panel::SetBevelOuter(BevelKind kind) {
  if (ChangeField(bevel_outer_, kind)) Invalidate();
}

void Panel::SetBevelInner(BevelKind kind) {
  if (ChangeField(bevel_inner_, kind)) Invalidate();
}

void Panel::SetBevelWidth(int width) {
  if (ChangeField(bevel_width_, width)) Invalidate();
}

void Panel::SetBorderWidth(int width) {
  if (ChangeField(border_width_, width)) Invalidate();
}

Rect Panel::ClientRect() const { return {0, 0, Width(), Height()}; }

void Panel::Invalidate() const { Notify(Property::Appearance); }

void Panel::Paint(Canvas& canvas) { PaintPanel(canvas, true); }

void Panel::PaintPanel(Canvas& canvas, bool fill_face) const {
  Rect rect = ClientRect();
  DrawBevel(canvas, rect, bevel_outer_, bevel_width_);
  Frame3D(canvas, rect, Color(), Color(), border_width_);
  DrawBevel(canvas, rect, bevel_inner_, bevel_width_);
  if (fill_face) {
    canvas.SetBrushColor(Color());
    canvas.FillRect(rect);
  }
  canvas.SetFont(Font());
  canvas.SetBrushClear();
  const int text_height = canvas.TextHeight("W");
  rect.top = (rect.top + rect.bottom - text_height) / 2;
  rect.bottom = rect.top + text_height;
  canvas.DrawText(rect, Caption(), alignment_);
}

void Panel::UserMouseDown(MouseButton button, int x, int y) {
  if (!Enabled()) return;
  if (button == MouseButton::Left) left_pressed_ = true;
  RunUserEvent([&] { MouseDown(button, x, y); });
}

// The click runs in a boundary of its own, so that a failing click handler
// still lets the release handler run (a picture button must not stay sunk).
void Panel::UserMouseUp(MouseButton button, int x, int y) {
  if (!Enabled()) return;
  if (button == MouseButton::Left) {
    if (!left_pressed_) return;
    left_pressed_ = false;
    if (ClientRect().Contains(x, y)) RunUserEvent([this] { FireClick(); });
  }
  RunUserEvent([&] { MouseUp(button, x, y); });
}

void Panel::UserClick() {
  UserMouseDown(MouseButton::Left, Width() / 2, Height() / 2);
  UserMouseUp(MouseButton::Left, Width() / 2, Height() / 2);
}

void Panel::MouseDown(MouseButton button, int x, int y) {
  if (OnMouseDown) OnMouseDown(button, x, y);
}

void Panel::MouseUp(MouseButton button, int x, int y) {
  if (OnMouseUp) OnMouseUp(button, x, y);
}

void Panel::WriteProperties(const PropertyWriter& out) const {
  CaptionedControl::WriteProperties(out);
  out.Text("Alignment", ToString(alignment_));
  out.Text("BevelOuter", ToString(bevel_outer_));
  out.Text("BevelInner", ToString(bevel_inner_));
  out.Int("BevelWidth", bevel_width_);
  out.Int("BorderWidth", border_width_);
}

}  // namespace twindir::toolkit
