#pragma once
// A check box. A user's click toggles it, then runs OnClick; setting
// Checked from code runs nothing.

#include "toolkit/Control.h"

namespace twindir::toolkit {

class CheckBox : public CaptionedControl {
 public:
  CheckBox(Form& owner, std::string name);

  [[nodiscard]] bool Checked() const { return checked_; }
  void SetChecked(bool checked);

 protected:
  void Click() override;
  void WriteProperties(const PropertyWriter& out) const override;

 private:
  bool checked_ = false;
};

}  // namespace twindir::toolkit
