#pragma once
// Main and pop-up menus with their items. Items are components of the form
// (found and listed by name) and hang under a menu or under another item.

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Component.h"

namespace twindir::toolkit {

class MenuItem;

class Menu : public Component {
 public:
  [[nodiscard]] const std::vector<MenuItem*>& Items() const { return items_; }

 protected:
  using Component::Component;

 private:
  friend class MenuItem;
  std::vector<MenuItem*> items_;
};

// The menu bar of a form (Form::SetMenu).
class MainMenu : public Menu {
 public:
  MainMenu(Form& owner, std::string name);
};

// The menu that a right click on a control opens (Control::SetPopupMenu).
class PopupMenu : public Menu {
 public:
  PopupMenu(Form& owner, std::string name);
};

class MenuItem : public Component {
 public:
  MenuItem(Menu& menu, std::string name);
  MenuItem(MenuItem& parent, std::string name);

  [[nodiscard]] const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // An item whose caption is "-" is a separator line.
  [[nodiscard]] bool IsSeparator() const { return caption_ == "-"; }
  [[nodiscard]] const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint);
  [[nodiscard]] bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  [[nodiscard]] bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  [[nodiscard]] const std::vector<MenuItem*>& Items() const { return items_; }

  std::function<void()> OnClick;
  // The user chose the item: ignored while disabled; otherwise OnClick runs
  // inside the application's handler boundary.
  void UserClick();

 protected:
  void WriteProperties(const PropertyWriter& out) const override;

 private:
  std::string caption_;
  std::string hint_;
  bool enabled_ = true;
  bool visible_ = true;
  std::vector<MenuItem*> items_;
};

}  // namespace twindir::toolkit
