#pragma once
// TLumoBtn: a push button built on the panel. It can show a picture
// stretched over its whole face, with the panel's bevels and its caption on
// top, and it sinks its outer bevel while the left button is held on it.
//
// The click fires on the left release inside the button before the bevel
// rises, so a long click action runs with the button drawn pressed.

#include <string>

#include "toolkit/Panel.h"
#include "toolkit/Picture.h"

class TLumoBtn : public twindir::toolkit::Panel {
 public:
  // 75 by 25, raised one-pixel outer bevel, no inner bevel, no border,
  // centred caption, button-face colour, no tab stop.
  TLumoBtn(twindir::toolkit::Form& owner, std::string name);

  [[nodiscard]] const twindir::toolkit::Picture& PictureImg() const { return picture_; }
  // Copies the given picture into the button's own and repaints it; the
  // caller keeps its picture. An empty picture returns the button to plain
  // panel painting.
  void Set_Picture(const twindir::toolkit::Picture& picture);

  void Paint(twindir::toolkit::Canvas& canvas) override;

 protected:
  // Left button only: lowers (press) or raises (release) the outer bevel.
  // Other buttons change nothing; OnMouseDown and OnMouseUp are not run.
  void MouseDown(twindir::toolkit::MouseButton button, int x, int y) override;
  void MouseUp(twindir::toolkit::MouseButton button, int x, int y) override;

  void WriteProperties(const twindir::toolkit::PropertyWriter& out) const override;

 private:
  twindir::toolkit::Picture picture_;
};
