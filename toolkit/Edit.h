#pragma once
// A one-line edit box.

#include "toolkit/Control.h"

namespace twindir::toolkit {

class Edit : public Control {
 public:
  Edit(Form& owner, std::string name);

  [[nodiscard]] const std::string& Text() const { return text_; }
  void SetText(std::string text);
  // The user typed: the backend hands over the whole new text.
  void UserEditText(std::string text);

 protected:
  void WriteProperties(const PropertyWriter& out) const override;

 private:
  std::string text_;
};

}  // namespace twindir::toolkit
