#include "toolkit/Application.h"

namespace twindir::toolkit {

void Application::Adopt(std::unique_ptr<Form> form) {
  Form& adopted = *form;
  forms_.push_back(std::move(form));
  if (adopted.OnCreate) adopted.OnCreate();
  if (peer_) peer_->FormCreated(adopted);
}

std::vector<Form*> Application::Forms() const {
  std::vector<Form*> forms;
  forms.reserve(forms_.size());
  for (const std::unique_ptr<Form>& form : forms_) forms.push_back(form.get());
  return forms;
}

Form* Application::FindForm(std::string_view name) const {
  for (const std::unique_ptr<Form>& form : forms_) {
    if (form->Name() == name) return form.get();
  }
  return nullptr;
}

Form* Application::MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }

void Application::ShowMainForm() {
  if (Form* main = MainForm()) main->Show();
}

void Application::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  if (OnTerminate) OnTerminate();
  if (peer_) peer_->Terminated();
}

void Application::RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowException(error);
  }
}

void Application::ShowException(const std::exception& error) { dialogs_.ShowErrorBox(title_, error.what()); }

ModalResult Application::MessageBox(std::string text, std::string caption, MessageButtons buttons, MessageIcon icon) {
  return dialogs_.ShowMessageBox({std::move(text), std::move(caption), buttons, icon});
}

void Application::ShowMessage(std::string text) { MessageBox(std::move(text), title_, MessageButtons::OK); }

}  // namespace twindir::toolkit
