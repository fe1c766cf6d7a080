#include "scenario/DialogRecorder.h"

#include <string>

namespace twindir::scenario {

void DialogRecorder::MessageBoxOpened(const toolkit::MessageBoxRequest& request) {
  printer_.Print("MessageBox.Caption", request.caption);
  printer_.Print("MessageBox.Text", request.text);
  printer_.Print("MessageBox.Buttons", toolkit::ToString(request.buttons));
}

void DialogRecorder::MessageBoxAnswered(toolkit::ModalResult answer) {
  printer_.Print("MessageBox.Answer", toolkit::ToString(answer));
}

void DialogRecorder::OpenDialogOpened(const toolkit::OpenDialogRequest& request) {
  printer_.Print("OpenDialog.Multiple", request.multiple ? "1" : "0");
}

void DialogRecorder::OpenDialogAnswered(const toolkit::OpenDialogResult& result) {
  if (!result) {
    printer_.Print("OpenDialog.Result", "cancel");
    return;
  }
  std::string joined;
  for (const std::string& path : *result) {
    if (!joined.empty()) joined += " | ";
    joined += path;
  }
  printer_.Print("OpenDialog.Result", joined);
}

// The error box's title is the application title, the same in every box,
// so only its text is printed.
void DialogRecorder::ErrorBoxShown(std::string_view, std::string_view text) {
  printer_.Print("ErrorBox.Text", text);
}

}  // namespace twindir::scenario
