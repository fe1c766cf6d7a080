#include "toolkit/Edit.h"

#include "toolkit/ChangeField.h"

namespace twindir::toolkit {

Edit::Edit(Form& owner, std::string name) : Control(owner, std::move(name), Windowed::Yes) {
  SetSize(121, 21);
  SetColor(colors::WindowBackground);
}

void Edit::SetText(std::string text) {
  if (ChangeField(text_, std::move(text))) Notify(Property::Text);
}

// The backend shows the typed text already; only the state follows it.
void Edit::UserEditText(std::string text) { text_ = std::move(text); }

void Edit::WriteProperties(const PropertyWriter& out) const {
  out.Text("Text", text_);
  Control::WriteProperties(out);
}

}  // namespace twindir::toolkit
