#include "toolkit/CheckBox.h"

#include "toolkit/ChangeField.h"

namespace twindir::toolkit {

CheckBox::CheckBox(Form& owner, std::string name) : CaptionedControl(owner, std::move(name), Windowed::Yes) {
  SetSize(97, 17);
}

void CheckBox::SetChecked(bool checked) {
  if (ChangeField(checked_, checked)) Notify(Property::Checked);
}

void CheckBox::Click() {
  SetChecked(!checked_);
  FireClick();
}

void CheckBox::WriteProperties(const PropertyWriter& out) const {
  CaptionedControl::WriteProperties(out);
  out.Bool("Checked", checked_);
}

}  // namespace twindir::toolkit
