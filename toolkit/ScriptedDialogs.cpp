#include "toolkit/ScriptedDialogs.h"

namespace twindir::toolkit {

ModalResult ScriptedDialogs::ShowMessageBox(const MessageBoxRequest& request) {
  if (observer_) observer_->MessageBoxOpened(request);
  ModalResult answer = ModalResult::OK;
  if (request.buttons == MessageButtons::OKCancel) {
    if (answers_.empty()) throw UnansweredDialog("a message box with OK and Cancel opened with no answer queued");
    answer = answers_.front();
    answers_.pop_front();
  }
  if (observer_) observer_->MessageBoxAnswered(answer);
  return answer;
}

OpenDialogResult ScriptedDialogs::ShowOpenDialog(const OpenDialogRequest& request) {
  if (observer_) observer_->OpenDialogOpened(request);
  if (open_results_.empty()) throw UnansweredDialog("a file-open dialog opened with no choice queued");
  OpenDialogResult result = std::move(open_results_.front());
  open_results_.pop_front();
  if (observer_) observer_->OpenDialogAnswered(result);
  return result;
}

void ScriptedDialogs::ShowErrorBox(std::string_view title, std::string_view text) {
  if (observer_) observer_->ErrorBoxShown(title, text);
}

}  // namespace twindir::toolkit
