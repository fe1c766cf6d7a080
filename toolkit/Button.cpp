#include "toolkit/Button.h"

namespace twindir::toolkit {

Button::Button(Form& owner, std::string name) : CaptionedControl(owner, std::move(name), Windowed::Yes) {
  SetSize(75, 25);
  SetColor(colors::ButtonFace);
}

}  // namespace twindir::toolkit
