#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/ChangeField.h"
#include "toolkit/Component.h"
#include "toolkit/Control.h"
#include "toolkit/Menu.h"

namespace twindir::toolkit {

const char* ToString(FormPosition position) {
  return position == FormPosition::ScreenCenter ? "ScreenCenter" : "Designed";
}

Form::Form(Application& application, std::string name) : application_(application), name_(std::move(name)) {}

void Form::SetCaption(std::string caption) {
  if (ChangeField(caption_, std::move(caption))) Notify(Property::Caption);
}

void Form::SetClientSize(int width, int height) {
  if (width == client_width_ && height == client_height_) return;
  client_width_ = width;
  client_height_ = height;
  Notify(Property::Frame);
}

void Form::SetPlace(int left, int top) {
  if (left == left_ && top == top_) return;
  left_ = left;
  top_ = top;
  Notify(Property::Frame);
}

void Form::SetPosition(FormPosition position) {
  if (ChangeField(position_, position)) Notify(Property::Frame);
}

void Form::SetBorderStyle(toolkit::BorderStyle style) {
  if (ChangeField(border_style_, style)) Notify(Property::Frame);
}

void Form::SetTitleButtons(bool shown) {
  if (ChangeField(title_buttons_, shown)) Notify(Property::Frame);
}

void Form::SetColor(Rgb color) {
  if (!ChangeField(color_, color)) return;
  Notify(Property::Color);
  for (Component* component : components_) {
    if (auto* control = dynamic_cast<Control*>(component)) control->ParentChanged(Property::Color);
  }
}

void Form::SetFont(FontSpec font) {
  if (!ChangeField(font_, std::move(font))) return;
  Notify(Property::Font);
  for (Component* component : components_) {
    if (auto* control = dynamic_cast<Control*>(component)) control->ParentChanged(Property::Font);
  }
}

void Form::SetMenu(MainMenu* menu) {
  if (ChangeField(menu_, menu)) Notify(Property::Frame);
}

void Form::Show() {
  if (ChangeField(visible_, true)) Notify(Property::Visible);
  BringToFront();
}

void Form::Hide() {
  if (ChangeField(visible_, false)) Notify(Property::Visible);
}

void Form::Close() {
  Hide();
  if (application_.MainForm() == this) application_.Terminate();
}

void Form::BringToFront() {
  if (peer_) peer_->BringToFront();
}

Component* Form::FindComponent(std::string_view name) const {
  for (Component* component : components_) {
    if (component->Name() == name) return component;
  }
  return nullptr;
}

void Form::ListProperties(const PropertyVisitor& visitor) const {
  const PropertyWriter out(name_ + ".", visitor);
  out.Text("Caption", caption_);
  out.Bool("Visible", visible_);
  out.Int("ClientWidth", client_width_);
  out.Int("ClientHeight", client_height_);
  out.Int("Left", left_);
  out.Int("Top", top_);
  out.Text("Position", ToString(position_));
  out.Text("BorderStyle", ToString(border_style_));
  out.Bool("TitleButtons", title_buttons_);
  out.Color("Color", color_);
  out.Font(font_);
  if (menu_) out.Text("Menu", menu_->Name());
  for (const Component* component : components_) component->ListProperties(visitor);
}

void Form::Notify(Property property) const {
  if (peer_) peer_->Changed(property);
}

}  // namespace twindir::toolkit
