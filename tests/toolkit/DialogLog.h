#pragma once
// A dialog observer for tests that writes what opens as NAME=VALUE lines,
// the way the scenario runner prints them.

#include <string>
#include <vector>

#include "toolkit/ScriptedDialogs.h"

namespace twindir::toolkit {

class DialogLog : public DialogObserver {
 public:
  void MessageBoxOpened(const MessageBoxRequest& request) override {
    lines.push_back("MessageBox.Caption=" + request.caption);
    lines.push_back("MessageBox.Text=" + request.text);
    lines.push_back(std::string("MessageBox.Buttons=") + ToString(request.buttons));
  }
  void MessageBoxAnswered(ModalResult answer) override {
    lines.push_back(std::string("MessageBox.Answer=") + ToString(answer));
  }
  void OpenDialogOpened(const OpenDialogRequest& request) override {
    lines.push_back(std::string("OpenDialog.Multiple=") + (request.multiple ? "1" : "0"));
  }
  void OpenDialogAnswered(const OpenDialogResult& result) override {
    std::string text;
    if (!result) text = "cancel";
    for (const std::string& file : result.value_or(std::vector<std::string>{})) {
      text += (text.empty() ? "" : " | ") + file;
    }
    lines.push_back("OpenDialog.Result=" + text);
  }
  void ErrorBoxShown(std::string_view title, std::string_view text) override {
    lines.push_back("ErrorBox.Title=" + std::string(title));
    lines.push_back("ErrorBox.Text=" + std::string(text));
  }

  std::vector<std::string> lines;
};

}  // namespace twindir::toolkit
