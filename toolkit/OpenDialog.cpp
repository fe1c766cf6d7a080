#include "toolkit/OpenDialog.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace twindir::toolkit {

OpenDialog::OpenDialog(Form& owner, std::string name) : Component(owner, std::move(name)) {}

bool OpenDialog::Execute() {
  OpenDialogResult result = Owner().App().Dialogs().ShowOpenDialog({multi_select_});
  if (!result || result->empty()) return false;
  files_ = std::move(*result);
  return true;
}

const std::string& OpenDialog::FileName() const {
  static const std::string kNone;
  return files_.empty() ? kNone : files_.front();
}

void OpenDialog::WriteProperties(const PropertyWriter& out) const {
  out.Bool("MultiSelect", multi_select_);
  out.Text("FileName", FileName());
}

}  // namespace twindir::toolkit
