#pragma once
// The application: its title, its forms in creation order (the first one is
// the main form), the end of the program, and the handler boundary that
// shows an exception escaping a handler in the error box.

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"

namespace twindir::toolkit {

// A backend's view of the application.
class ApplicationPeer {
 public:
  virtual ~ApplicationPeer() = default;
  // A form was created and its OnCreate has run.
  virtual void FormCreated(Form& form) = 0;
  virtual void Terminated() = 0;
};

class Application {
 public:
  explicit Application(toolkit::Dialogs& dialogs) : dialogs_(dialogs) {}
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  [[nodiscard]] const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  // Builds a form as F(*this, args...), keeps it for the life of the
  // application, then runs its OnCreate. The first form created is the
  // main form. An exception from the constructor or from OnCreate reaches
  // the caller.
  template <class F, class... Args>
  F& CreateForm(Args&&... args) {
    auto form = std::make_unique<F>(*this, std::forward<Args>(args)...);
    F& created = *form;
    Adopt(std::move(form));
    return created;
  }

  [[nodiscard]] std::vector<Form*> Forms() const;
  [[nodiscard]] Form* FindForm(std::string_view name) const;
  // The first form created, or nullptr.
  [[nodiscard]] Form* MainForm() const;
  void ShowMainForm();

  // Ends the program: the backend leaves its event loop.
  void Terminate();
  [[nodiscard]] bool Terminated() const { return terminated_; }
  // Runs once when the program ends.
  std::function<void()> OnTerminate;

  // Runs a handler for a user's action. A std::exception escaping it is
  // shown in the error box, titled with the application title, and the
  // program goes on; any other exception reaches the caller.
  void RunHandler(const std::function<void()>& handler);
  void ShowException(const std::exception& error);

  ModalResult MessageBox(std::string text, std::string caption, MessageButtons buttons,
                         MessageIcon icon = MessageIcon::None);
  // A box with text and an OK button, titled with the application title.
  void ShowMessage(std::string text);
  [[nodiscard]] toolkit::Dialogs& Dialogs() const { return dialogs_; }

  void SetPeer(ApplicationPeer* peer) { peer_ = peer; }

 private:
  void Adopt(std::unique_ptr<Form> form);

  toolkit::Dialogs& dialogs_;
  std::string title_;
  std::vector<std::unique_ptr<Form>> forms_;
  bool terminated_ = false;
  ApplicationPeer* peer_ = nullptr;
};

}  // namespace twindir::toolkit
