#include "toolkit/Menu.h"

#include "toolkit/Application.h"
#include "toolkit/ChangeField.h"
#include "toolkit/Form.h"

namespace twindir::toolkit {

MainMenu::MainMenu(Form& owner, std::string name) : Menu(owner, std::move(name)) {}

PopupMenu::PopupMenu(Form& owner, std::string name) : Menu(owner, std::move(name)) {}

MenuItem::MenuItem(Menu& menu, std::string name) : Component(menu.Owner(), std::move(name)) {
  menu.items_.push_back(this);
}

MenuItem::MenuItem(MenuItem& parent, std::string name) : Component(parent.Owner(), std::move(name)) {
  parent.items_.push_back(this);
}

void MenuItem::SetCaption(std::string caption) {
  if (ChangeField(caption_, std::move(caption))) Notify(Property::Caption);
}

void MenuItem::SetHint(std::string hint) {
  if (ChangeField(hint_, std::move(hint))) Notify(Property::Hint);
}

void MenuItem::SetEnabled(bool enabled) {
  if (ChangeField(enabled_, enabled)) Notify(Property::Enabled);
}

void MenuItem::SetVisible(bool visible) {
  if (ChangeField(visible_, visible)) Notify(Property::Visible);
}

void MenuItem::UserClick() {
  if (!enabled_ || !OnClick) return;
  Owner().App().RunHandler(OnClick);
}

void MenuItem::WriteProperties(const PropertyWriter& out) const {
  out.Text("Caption", caption_);
  out.Text("Hint", hint_);
  out.Bool("Enabled", enabled_);
  out.Bool("Visible", visible_);
}

}  // namespace twindir::toolkit
