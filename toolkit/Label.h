#pragma once
// A text on the form. Repaint() draws it at once, also while a handler
// keeps the event loop busy (the progress window relies on it).

#include "toolkit/Control.h"

namespace twindir::toolkit {

class Label : public CaptionedControl {
 public:
  Label(Form& owner, std::string name);

  // Whether the backend sizes the label to its text (on by default, so a
  // text is never cut off by a font wider than the one of the layout; the
  // listed Width and Height stay as set).
  [[nodiscard]] bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);

  void Repaint() const;

 protected:
  void WriteProperties(const PropertyWriter& out) const override;

 private:
  bool auto_size_ = true;
};

}  // namespace twindir::toolkit
