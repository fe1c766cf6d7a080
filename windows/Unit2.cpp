#include "windows/Unit2.h"

#include <string>
#include <string_view>
#include <vector>

#include "windows/HelpText.h"
#include "windows/ProgramIcon.h"
#include "windows/WindowFonts.h"
#include "windows/WindowsTexts1.h"

namespace twindir {

namespace colors = toolkit::colors;
using toolkit::Rgb;

namespace {

// The usage text's lines: it is held joined by line feeds, and its last
// lines are blank, which a memo's text would not keep.
std::vector<std::string> LinesOf(std::string_view text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    lines.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return lines;
    start = end + 1;
  }
}

}  // namespace

TForm2::TForm2(toolkit::Application& application, ProgramContext& /*context*/)
    : Form(application, "Form2") {
  SetCaption("How to use");
  SetBorderStyle(toolkit::BorderStyle::Single);
  SetClientSize(538, 383);
  SetPosition(toolkit::FormPosition::ScreenCenter);
  SetColor(Rgb::FromPacked(13230584));
  SetFont(GothicBold(13, colors::WindowText));

  Label1.SetBounds(48, 16, 160, 19);
  Label1.SetAutoSize(true);
  Label1.SetFont(GothicBold(19, colors::Navy));
  Label1.SetCaption("Defined by Program");

  Image1.SetBounds(8, 8, 32, 32);
  Image1.SetPicture(ProgramIcon());
  Image1.SetHint(std::string(texts1::CloseCaption));
  Image1.SetShowHint(true);

  Memo1.SetBounds(8, 48, 521, 321);
  Memo1.SetBorderStyle(toolkit::BorderStyle::None);
  Memo1.SetColor(Rgb::FromPacked(14544123));
  Memo1.SetFont(GothicBold(13, colors::Black));
  Memo1.SetScrollBars(toolkit::ScrollBars::Vertical);
  Memo1.SetWordWrap(true);
  Memo1.SetLines(LinesOf(texts1::HelpText));

  Button1.SetBounds(432, 8, 75, 25);
  Button1.SetCaption("Close(&C)");
  Button1.SetHint(std::string(texts1::CloseCaption));
  Button1.SetShowHint(true);
  Button1.SetVisible(false);

  Image1.OnClick = [this] { Image1Click(); };
  Button1.OnClick = [this] { Button1Click(); };
  OnCreate = [this] { FormCreate(); };
}

void TForm2::FormCreate() {
  SetCaption(std::string(texts1::HelpCaption));
  Label1.SetCaption(std::string(texts1::HelpTitle));
  Button1.SetCaption(std::string(texts1::CloseCaption));
}

void TForm2::Image1Click() { Close(); }

void TForm2::Button1Click() { Close(); }

}  // namespace twindir
