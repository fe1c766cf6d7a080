#pragma once
// Prints the message boxes, file-open dialogs and error boxes of a scenario
// as they open and as they are answered.

#include "scenario/RecordPrinter.h"
#include "toolkit/ScriptedDialogs.h"

namespace twindir::scenario {

class DialogRecorder : public toolkit::DialogObserver {
 public:
  explicit DialogRecorder(RecordPrinter& printer) : printer_(printer) {}

  void MessageBoxOpened(const toolkit::MessageBoxRequest& request) override;
  void MessageBoxAnswered(toolkit::ModalResult answer) override;
  void OpenDialogOpened(const toolkit::OpenDialogRequest& request) override;
  void OpenDialogAnswered(const toolkit::OpenDialogResult& result) override;
  void ErrorBoxShown(std::string_view title, std::string_view text) override;

 private:
  RecordPrinter& printer_;
};

}  // namespace twindir::scenario
