#include "toolkit/Memo.h"

#include "toolkit/ChangeField.h"

namespace twindir::toolkit {

namespace {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      if (start < text.size()) lines.emplace_back(text.substr(start));
      break;
    }
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

Memo::Memo(Form& owner, std::string name) : Control(owner, std::move(name), Windowed::Yes) {
  SetSize(185, 89);
  SetColor(colors::WindowBackground);
}

void Memo::SetLines(std::vector<std::string> lines) {
  if (ChangeField(lines_, std::move(lines))) Notify(Property::Lines);
}

void Memo::SetText(std::string_view text) { SetLines(SplitLines(text)); }

std::string Memo::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

// The backend shows the edited text already; only the state follows it.
void Memo::UserEditText(std::string_view text) { lines_ = SplitLines(text); }

void Memo::SetWordWrap(bool wrap) {
  if (ChangeField(word_wrap_, wrap)) Notify(Property::Appearance);
}

void Memo::SetScrollBars(toolkit::ScrollBars bars) {
  if (ChangeField(scroll_bars_, bars)) Notify(Property::Appearance);
}

void Memo::SetReadOnly(bool read_only) {
  if (ChangeField(read_only_, read_only)) Notify(Property::Appearance);
}

void Memo::SetBorderStyle(toolkit::BorderStyle style) {
  if (ChangeField(border_style_, style)) Notify(Property::Appearance);
}

void Memo::WriteProperties(const PropertyWriter& out) const {
  Control::WriteProperties(out);
  out.Bool("WordWrap", word_wrap_);
  out.Text("ScrollBars", ToString(scroll_bars_));
  out.Bool("ReadOnly", read_only_);
  out.Text("BorderStyle", ToString(border_style_));
  out.Int("Lines.Count", static_cast<int>(lines_.size()));
  for (std::size_t i = 0; i < lines_.size(); ++i) out.Text("Lines[" + std::to_string(i) + "]", lines_[i]);
}

}  // namespace twindir::toolkit
