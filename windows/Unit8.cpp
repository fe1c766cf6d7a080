#include "windows/Unit8.h"

#include <array>
#include <string>
#include <string_view>

#include "windows/ProgramIcon.h"
#include "windows/WindowFonts.h"
#include "windows/WindowsTexts1.h"

namespace twindir {

namespace colors = toolkit::colors;

TForm8::TForm8(toolkit::Application& application, ProgramContext& /*context*/)
    : Form(application, "Form8") {
  SetCaption(std::string(texts1::VersionCaption));
  // Sizeable, but without title-bar buttons. The layout gives the outer
  // size 384 by 261: a 4-pixel sizing frame on each side and a 19-pixel
  // title bar leave this client area.
  SetBorderStyle(toolkit::BorderStyle::Sizeable);
  SetTitleButtons(false);
  SetPlace(426, 305);
  SetClientSize(376, 234);
  SetColor(toolkit::Rgb::FromPacked(11440649));
  SetFont(GothicBold(13, colors::WindowText));

  Image1.SetBounds(24, 24, 32, 32);
  Image1.SetPicture(ProgramIcon());

  Label1.SetBounds(80, 24, 160, 21);
  Label1.SetAutoSize(true);
  Label1.SetFont({"News Gothic MT", 21, true, colors::Yellow});
  Label1.SetCaption(std::string(texts1::VersionTitle));

  const toolkit::FontSpec silver = GothicBold(13, colors::Silver);
  Label4.SetBounds(80, 56, 70, 13);
  Label4.SetAutoSize(true);
  Label4.SetFont(silver);
  Label4.SetCaption(std::string(texts1::VersionDate));

  const std::array<toolkit::Label*, 6> credit_labels{&Label2, &Label3, &Label5,
                                                     &Label6, &Label7, &Label8};
  const std::array<std::string_view, 6> credits{texts1::Credit1, texts1::Credit2, texts1::Credit3,
                                                texts1::Credit4, texts1::Credit5, texts1::Credit6};
  for (std::size_t i = 0; i < credit_labels.size(); ++i) {
    toolkit::Label& label = *credit_labels[i];
    label.SetBounds(80, 80 + 24 * static_cast<int>(i), 260, 13);
    label.SetAutoSize(true);
    label.SetFont(silver);
    label.SetCaption(std::string(credits[i]));
  }

  Image1.OnClick = [this] { Image1Click(); };
  OnCreate = [this] { FormCreate(); };
}

void TForm8::FormCreate() { SetCaption(std::string(texts1::VersionCaption)); }

void TForm8::Image1Click() { Close(); }

}  // namespace twindir
