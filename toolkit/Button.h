#pragma once
// A push button.

#include "toolkit/Control.h"

namespace twindir::toolkit {

class Button : public CaptionedControl {
 public:
  Button(Form& owner, std::string name);
};

}  // namespace twindir::toolkit
