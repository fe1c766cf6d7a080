#include "windows/Unit3.h"

#include <string>

#include "windows/WindowFonts.h"
#include "windows/WindowsTexts1.h"

namespace twindir {

namespace colors = toolkit::colors;

TForm3::TForm3(toolkit::Application& application, ProgramContext& /*context*/)
    : Form(application, "Form3") {
  SetCaption(std::string(texts1::ProgressCaption));
  SetBorderStyle(toolkit::BorderStyle::Single);
  SetTitleButtons(false);  // the user cannot close it
  SetClientSize(469, 106);
  SetPosition(toolkit::FormPosition::ScreenCenter);
  SetColor(toolkit::Rgb::FromPacked(15984333));
  SetFont(GothicBold(13, colors::WindowText));

  for (toolkit::Label* label : {&Label1, &Label2}) {
    label->SetAutoSize(true);
    label->SetFont(GothicBold(13, colors::Teal));
  }
  Label1.SetBounds(24, 16, 98, 13);
  Label1.SetCaption("Copying now ...");
  Label2.SetBounds(24, 40, 30, 13);
  Label2.SetCaption("Copy");

  ProgressBar1.SetBounds(24, 80, 225, 16);
  ProgressBar1.SetMin(0);
  ProgressBar1.SetMax(100);
  ProgressBar1.SetStep(20);
}

void TForm3::ShowStage(std::string_view text) {
  Label1.SetCaption(std::string(text));
  Label1.Repaint();
}

void TForm3::ShowFile(std::string_view text) {
  Label2.SetCaption(std::string(text));
  Label2.Repaint();
}

void TForm3::SetFolderCount(int count) { ProgressBar1.SetMax(count); }

void TForm3::SetFolderIndex(int index) { ProgressBar1.SetPosition(index); }

}  // namespace twindir
