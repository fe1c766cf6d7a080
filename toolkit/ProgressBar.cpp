#include "toolkit/ProgressBar.h"

#include <algorithm>

#include "toolkit/ChangeField.h"

namespace twindir::toolkit {

ProgressBar::ProgressBar(Form& owner, std::string name) : Control(owner, std::move(name), Windowed::Yes) {
  SetSize(150, 16);
}

void ProgressBar::SetMin(int min) {
  const bool changed = ChangeField(min_, min);
  if (max_ < min_) max_ = min_;
  if (changed) Notify(Property::Range);
  SetPosition(position_);
}

void ProgressBar::SetMax(int max) {
  const bool changed = ChangeField(max_, max);
  if (min_ > max_) min_ = max_;
  if (changed) Notify(Property::Range);
  SetPosition(position_);
}

void ProgressBar::SetPosition(int position) {
  if (ChangeField(position_, std::clamp(position, min_, max_))) Notify(Property::Position);
}

void ProgressBar::SetStep(int step) { step_ = step; }

void ProgressBar::WriteProperties(const PropertyWriter& out) const {
  Control::WriteProperties(out);
  out.Int("Min", min_);
  out.Int("Max", max_);
  out.Int("Position", position_);
  out.Int("Step", step_);
}

}  // namespace twindir::toolkit
