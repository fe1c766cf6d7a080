#pragma once
// A multi-line text box holding its text as lines.

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/Control.h"
#include "toolkit/Styles.h"

namespace twindir::toolkit {

class Memo : public Control {
 public:
  Memo(Form& owner, std::string name);

  [[nodiscard]] const std::vector<std::string>& Lines() const { return lines_; }
  void SetLines(std::vector<std::string> lines);
  // The text split at line feeds (a carriage return before one is dropped).
  void SetText(std::string_view text);
  [[nodiscard]] std::string Text() const;  // the lines joined by CR LF
  // The user edited: the backend hands over the whole new text.
  void UserEditText(std::string_view text);

  [[nodiscard]] bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool wrap);
  [[nodiscard]] toolkit::ScrollBars ScrollBars() const { return scroll_bars_; }
  void SetScrollBars(toolkit::ScrollBars bars);
  [[nodiscard]] bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only);
  [[nodiscard]] toolkit::BorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(toolkit::BorderStyle style);

 protected:
  void WriteProperties(const PropertyWriter& out) const override;

 private:
  std::vector<std::string> lines_;
  bool word_wrap_ = true;
  toolkit::ScrollBars scroll_bars_ = ScrollBars::None;
  bool read_only_ = false;
  toolkit::BorderStyle border_style_ = BorderStyle::Single;
};

}  // namespace twindir::toolkit
