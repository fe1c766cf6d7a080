#include "toolkit/Control.h"

#include "toolkit/Application.h"
#include "toolkit/ChangeField.h"
#include "toolkit/Form.h"
#include "toolkit/Menu.h"

namespace twindir::toolkit {

Control::Control(Form& owner, std::string name, Windowed windowed)
    : Component(owner, std::move(name)), windowed_(windowed), tab_stop_(windowed == Windowed::Yes) {
  if (windowed == Windowed::Yes) tab_order_ = owner.NextTabOrder();
}

void Control::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Notify(Property::Bounds);
}

void Control::SetSize(int width, int height) { SetBounds(left_, top_, width, height); }

void Control::SetEnabled(bool enabled) {
  if (ChangeField(enabled_, enabled)) Notify(Property::Enabled);
}

void Control::SetVisible(bool visible) {
  if (ChangeField(visible_, visible)) Notify(Property::Visible);
}

void Control::SetHint(std::string hint) {
  if (ChangeField(hint_, std::move(hint))) Notify(Property::Hint);
}

void Control::SetShowHint(bool show) {
  if (ChangeField(show_hint_, show)) Notify(Property::ShowHint);
}

Rgb Control::Color() const { return color_ ? *color_ : Owner().Color(); }

void Control::SetColor(Rgb color) {
  if (ChangeField(color_, color)) Notify(Property::Color);
}

FontSpec Control::Font() const { return font_ ? *font_ : Owner().Font(); }

void Control::SetFont(FontSpec font) {
  if (ChangeField(font_, std::move(font))) Notify(Property::Font);
}

void Control::SetTabOrder(int order) {
  if (ChangeField(tab_order_, order)) Notify(Property::TabOrder);
}

void Control::SetTabStop(bool stop) {
  if (ChangeField(tab_stop_, stop)) Notify(Property::TabOrder);
}

void Control::UserClick() {
  if (!enabled_) return;
  RunUserEvent([this] { Click(); });
}

void Control::ParentChanged(Property property) const {
  if ((property == Property::Color && !color_) || (property == Property::Font && !font_)) Notify(property);
}

void Control::Click() { FireClick(); }

void Control::FireClick() const {
  if (OnClick) OnClick();
}

void Control::RunUserEvent(const std::function<void()>& body) const { Owner().App().RunHandler(body); }

void Control::WriteProperties(const PropertyWriter& out) const {
  out.Text("Hint", hint_);
  out.Bool("ShowHint", show_hint_);
  out.Bool("Enabled", enabled_);
  out.Bool("Visible", visible_);
  out.Int("Left", left_);
  out.Int("Top", top_);
  out.Int("Width", width_);
  out.Int("Height", height_);
  out.Color("Color", Color());
  out.Font(Font());
  if (IsWindowed()) {
    out.Int("TabOrder", tab_order_);
    out.Bool("TabStop", tab_stop_);
  }
  if (popup_menu_) out.Text("PopupMenu", popup_menu_->Name());
}

void CaptionedControl::SetCaption(std::string caption) {
  if (ChangeField(caption_, std::move(caption))) Notify(Property::Caption);
}

void CaptionedControl::WriteProperties(const PropertyWriter& out) const {
  out.Text("Caption", caption_);
  Control::WriteProperties(out);
}

}  // namespace twindir::toolkit
