#pragma once
// TMyStr: a non-visual component with no data and no behaviour of its own.

#include <string>

#include "toolkit/Component.h"

class TMyStr : public twindir::toolkit::Component {
 public:
  TMyStr(twindir::toolkit::Form& owner, std::string name) : Component(owner, std::move(name)) {}
};
