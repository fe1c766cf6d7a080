#pragma once
// A visible control: place and size in its form's client area, enabled and
// visible states, hint and tooltip switch, colour and font (both follow the
// form until set), tab order, pop-up menu and a click event.

#include <functional>
#include <optional>
#include <string>

#include "toolkit/Component.h"
#include "toolkit/FontSpec.h"
#include "toolkit/Rgb.h"

namespace twindir::toolkit {

class PopupMenu;

// A windowed control can take the keyboard focus and has a tab order;
// a graphic one (label, image) draws on its form and has neither.
enum class Windowed : bool { No, Yes };

class Control : public Component {
 public:
  [[nodiscard]] int Left() const { return left_; }
  [[nodiscard]] int Top() const { return top_; }
  [[nodiscard]] int Width() const { return width_; }
  [[nodiscard]] int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height);

  [[nodiscard]] bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  [[nodiscard]] bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  [[nodiscard]] const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint);
  // Whether the hint shows as a tooltip.
  [[nodiscard]] bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool show);

  // The control's colour, the form's while none was set.
  [[nodiscard]] Rgb Color() const;
  void SetColor(Rgb color);
  [[nodiscard]] bool ParentColor() const { return !color_; }
  // The control's font, the form's while none was set.
  [[nodiscard]] FontSpec Font() const;
  void SetFont(FontSpec font);
  [[nodiscard]] bool ParentFont() const { return !font_; }

  [[nodiscard]] bool IsWindowed() const { return windowed_ == Windowed::Yes; }
  [[nodiscard]] int TabOrder() const { return tab_order_; }
  void SetTabOrder(int order);
  [[nodiscard]] bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool stop);

  // The menu that a right click opens, or nullptr.
  [[nodiscard]] toolkit::PopupMenu* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(toolkit::PopupMenu* menu) { popup_menu_ = menu; }

  std::function<void()> OnClick;

  // A user's click. A disabled control ignores it; otherwise the click runs
  // inside the application's handler boundary (an escaping exception shows
  // the error box and the program goes on).
  virtual void UserClick();

  // The form's colour or font changed: a control that follows it redraws.
  void ParentChanged(Property property) const;

 protected:
  Control(Form& owner, std::string name, Windowed windowed);

  // What a click does: runs OnClick. A check box toggles first.
  virtual void Click();
  // Runs OnClick, if set.
  void FireClick() const;
  // Runs body inside the application's handler boundary.
  void RunUserEvent(const std::function<void()>& body) const;

  // Width and height defaults of a kind of control, set by its constructor.
  void SetSize(int width, int height);

  void WriteProperties(const PropertyWriter& out) const override;

 private:
  Windowed windowed_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  std::string hint_;
  bool show_hint_ = false;
  std::optional<Rgb> color_;
  std::optional<FontSpec> font_;
  int tab_order_ = 0;
  bool tab_stop_ = false;
  toolkit::PopupMenu* popup_menu_ = nullptr;
};

// A control that shows a caption: label, button, check box, panel.
class CaptionedControl : public Control {
 public:
  [[nodiscard]] const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

 protected:
  using Control::Control;
  void WriteProperties(const PropertyWriter& out) const override;

 private:
  std::string caption_;
};

}  // namespace twindir::toolkit
