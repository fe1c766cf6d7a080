#pragma once
// A picture on the form, clickable.

#include "toolkit/Control.h"
#include "toolkit/Picture.h"

namespace twindir::toolkit {

class Image : public Control {
 public:
  Image(Form& owner, std::string name);

  [[nodiscard]] const toolkit::Picture& Picture() const { return picture_; }
  void SetPicture(const toolkit::Picture& picture);
  // Whether the picture is stretched over the whole control.
  [[nodiscard]] bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);

 protected:
  void WriteProperties(const PropertyWriter& out) const override;

 private:
  toolkit::Picture picture_;
  bool stretch_ = false;
};

}  // namespace twindir::toolkit
