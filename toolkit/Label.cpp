#include "toolkit/Label.h"

#include "toolkit/ChangeField.h"

namespace twindir::toolkit {

Label::Label(Form& owner, std::string name) : CaptionedControl(owner, std::move(name), Windowed::No) {
  SetSize(65, 13);
}

void Label::SetAutoSize(bool auto_size) {
  if (ChangeField(auto_size_, auto_size)) Notify(Property::Appearance);
}

void Label::Repaint() const {
  if (Peer* peer = GetPeer()) peer->RepaintNow();
}

void Label::WriteProperties(const PropertyWriter& out) const {
  CaptionedControl::WriteProperties(out);
  out.Bool("AutoSize", auto_size_);
}

}  // namespace twindir::toolkit
