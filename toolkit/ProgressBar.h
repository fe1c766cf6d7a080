#pragma once
// A progress bar: Position lies between Min and Max.

#include "toolkit/Control.h"

namespace twindir::toolkit {

class ProgressBar : public Control {
 public:
  ProgressBar(Form& owner, std::string name);

  [[nodiscard]] int Min() const { return min_; }
  [[nodiscard]] int Max() const { return max_; }
  [[nodiscard]] int Position() const { return position_; }
  [[nodiscard]] int Step() const { return step_; }
  // A Max below Min becomes Min (and a Min above Max becomes Max); the
  // position is kept inside the range.
  void SetMin(int min);
  void SetMax(int max);
  void SetPosition(int position);
  void SetStep(int step);

 protected:
  void WriteProperties(const PropertyWriter& out) const override;

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int step_ = 10;
};

}  // namespace twindir::toolkit
