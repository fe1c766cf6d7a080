#pragma once
// The engine's questions answered with the application's message boxes and
// the main window's file-open dialog.

#include "engine/Questions.h"
#include "toolkit/Application.h"
#include "toolkit/OpenDialog.h"

namespace twindir {

class WindowQuestions final : public engine::Questions {
 public:
  WindowQuestions(toolkit::Application& application, toolkit::OpenDialog& dialog)
      : application_(application), dialog_(dialog) {}

  bool Confirm(std::string_view text, std::string_view caption, engine::BoxIcon icon) override;
  void Inform(std::string_view text) override;
  // Switches the dialog to multiple selection, which then stays on.
  std::optional<std::vector<std::string>> ChooseFiles() override;

 private:
  toolkit::Application& application_;
  toolkit::OpenDialog& dialog_;
};

}  // namespace twindir
