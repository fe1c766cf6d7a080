#include "windows/WindowQuestions.h"

namespace twindir {

bool WindowQuestions::Confirm(std::string_view text, std::string_view caption,
                              engine::BoxIcon icon) {
  const toolkit::MessageIcon box_icon = icon == engine::BoxIcon::Question
                                            ? toolkit::MessageIcon::Question
                                            : toolkit::MessageIcon::None;
  return application_.MessageBox(std::string(text), std::string(caption),
                                 toolkit::MessageButtons::OKCancel,
                                 box_icon) == toolkit::ModalResult::OK;
}

void WindowQuestions::Inform(std::string_view text) { application_.ShowMessage(std::string(text)); }

std::optional<std::vector<std::string>> WindowQuestions::ChooseFiles() {
  dialog_.SetMultiSelect(true);
  if (!dialog_.Execute()) return std::nullopt;
  return dialog_.Files();
}

}  // namespace twindir
