#include "controls/LumoBtn.h"

using twindir::toolkit::BevelKind;
using twindir::toolkit::Canvas;
using twindir::toolkit::MouseButton;

TLumoBtn::TLumoBtn(twindir::toolkit::Form& owner, std::string name) : Panel(owner, std::move(name)) {
  SetSize(75, 25);
}

void TLumoBtn::Set_Picture(const twindir::toolkit::Picture& picture) {
  picture_.Assign(picture);
  Invalidate();
}

// The picture, when there is one, is the background: the bevels and the
// border lie on its edges and the face is not filled over it.
void TLumoBtn::Paint(Canvas& canvas) {
  if (!picture_.Empty()) canvas.StretchDraw(ClientRect(), picture_);
  PaintPanel(canvas, picture_.Empty());
}

void TLumoBtn::MouseDown(MouseButton button, int, int) {
  if (button == MouseButton::Left) SetBevelOuter(BevelKind::Lowered);
}

void TLumoBtn::MouseUp(MouseButton button, int, int) {
  if (button == MouseButton::Left) SetBevelOuter(BevelKind::Raised);
}

void TLumoBtn::WriteProperties(const twindir::toolkit::PropertyWriter& out) const {
  Panel::WriteProperties(out);
  out.Text("PictureImg", picture_.Summary());
}
