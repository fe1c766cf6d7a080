#pragma once
// A window: caption, client size, colour, font, border, place, shown or
// hidden, its components in declaration order and its menu bar.
//
// A window class derives from Form, declares its controls as members
// (each constructed with *this and its name) and is created through
// Application::CreateForm, which runs OnCreate once the object is built.
// Closing a form only hides it; closing the application's main form ends
// the program.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/FontSpec.h"
#include "toolkit/Peer.h"
#include "toolkit/PropertyWriter.h"
#include "toolkit/Rgb.h"
#include "toolkit/Styles.h"

namespace twindir::toolkit {

class Application;
class Component;
class MainMenu;

enum class FormPosition { Designed, ScreenCenter };

[[nodiscard]] const char* ToString(FormPosition position);

class Form {
 public:
  Form(Application& application, std::string name);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form() = default;

  [[nodiscard]] Application& App() const { return application_; }
  [[nodiscard]] const std::string& Name() const { return name_; }

  [[nodiscard]] const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  [[nodiscard]] int ClientWidth() const { return client_width_; }
  [[nodiscard]] int ClientHeight() const { return client_height_; }
  void SetClientSize(int width, int height);
  // The place on the desktop, used when Position is Designed.
  [[nodiscard]] int Left() const { return left_; }
  [[nodiscard]] int Top() const { return top_; }
  void SetPlace(int left, int top);
  [[nodiscard]] FormPosition Position() const { return position_; }
  void SetPosition(FormPosition position);
  [[nodiscard]] toolkit::BorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(toolkit::BorderStyle style);
  // Whether the title bar has its buttons (system menu, close box).
  [[nodiscard]] bool TitleButtons() const { return title_buttons_; }
  void SetTitleButtons(bool shown);

  // Colour and font of the form, and of every control that sets none.
  [[nodiscard]] Rgb Color() const { return color_; }
  void SetColor(Rgb color);
  [[nodiscard]] const FontSpec& Font() const { return font_; }
  void SetFont(FontSpec font);

  [[nodiscard]] MainMenu* Menu() const { return menu_; }
  void SetMenu(MainMenu* menu);

  [[nodiscard]] bool Visible() const { return visible_; }
  // Shows the form, not modal; a visible form comes to the front.
  void Show();
  void Hide();
  // Hides the form; for the main form, ends the program.
  void Close();
  void BringToFront();

  // Runs once, after the window object is built (Application::CreateForm).
  std::function<void()> OnCreate;

  [[nodiscard]] const std::vector<Component*>& Components() const { return components_; }
  // A control, menu or menu item by name, or nullptr.
  [[nodiscard]] Component* FindComponent(std::string_view name) const;

  // The form's own properties ("Form1.Caption" ...), then those of every
  // component in declaration order.
  void ListProperties(const PropertyVisitor& visitor) const;

  void SetPeer(FormPeer* peer) { peer_ = peer; }
  [[nodiscard]] FormPeer* GetPeer() const { return peer_; }

 private:
  friend class Component;
  friend class Control;
  void Register(Component& component) { components_.push_back(&component); }
  // The next tab order for a new windowed control: 0, 1, 2 ... in creation order.
  int NextTabOrder() { return next_tab_order_++; }
  void Notify(Property property) const;

  Application& application_;
  std::string name_;
  std::string caption_;
  int client_width_ = 0;
  int client_height_ = 0;
  int left_ = 0;
  int top_ = 0;
  FormPosition position_ = FormPosition::Designed;
  toolkit::BorderStyle border_style_ = BorderStyle::Sizeable;
  bool title_buttons_ = true;
  Rgb color_ = colors::ButtonFace;
  FontSpec font_ = DefaultFont();
  MainMenu* menu_ = nullptr;
  bool visible_ = false;
  std::vector<Component*> components_;
  int next_tab_order_ = 0;
  FormPeer* peer_ = nullptr;
};

}  // namespace twindir::toolkit
