#pragma once
// The file-open dialog component: runs the application's dialogs and keeps
// the chosen files.

#include <string>
#include <vector>

#include "toolkit/Component.h"

namespace twindir::toolkit {

class OpenDialog : public Component {
 public:
  OpenDialog(Form& owner, std::string name);

  // Whether several files may be chosen.
  [[nodiscard]] bool MultiSelect() const { return multi_select_; }
  void SetMultiSelect(bool multi_select) { multi_select_ = multi_select; }

  // Opens the dialog; true when the user chose at least one file, whose
  // paths (drive form) then are Files(). A cancelled dialog keeps the
  // files of the last choice.
  bool Execute();
  // The first chosen file, or empty text.
  [[nodiscard]] const std::string& FileName() const;
  [[nodiscard]] const std::vector<std::string>& Files() const { return files_; }

 protected:
  void WriteProperties(const PropertyWriter& out) const override;

 private:
  bool multi_select_ = false;
  std::vector<std::string> files_;
};

}  // namespace twindir::toolkit
