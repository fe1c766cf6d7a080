#pragma once
// Real message boxes and file dialogs. The file dialog gives native paths;
// the translator given here turns each into drive form (code page 932).

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/Dialogs.h"

namespace twindir::toolkit::qt {

// A native (UTF-8) path to drive form, or nullopt when no drive holds it.
using PathTranslator = std::function<std::optional<std::string>(std::string_view native_path)>;

class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(PathTranslator to_drive_form) : to_drive_form_(std::move(to_drive_form)) {}

  ModalResult ShowMessageBox(const MessageBoxRequest& request) override;
  // A file outside every drive cannot be used: the user is told so and the
  // dialog counts as cancelled.
  OpenDialogResult ShowOpenDialog(const OpenDialogRequest& request) override;
  void ShowErrorBox(std::string_view title, std::string_view text) override;

 private:
  PathTranslator to_drive_form_;
};

}  // namespace twindir::toolkit::qt
