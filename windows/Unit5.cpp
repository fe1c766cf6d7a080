#include "windows/Unit5.h"

#include <charconv>
#include <string>

#include "engine/SoleFileActions.h"
#include "platform/PathText.h"
#include "windows/SecondaryWindows.h"
#include "windows/Unit1.h"
#include "windows/WindowsTexts2.h"

namespace twindir {

namespace colors = toolkit::colors;

TForm5::TForm5(toolkit::Application& application, ProgramContext& context)
    : Form(application, "Form5"), context_(context) {
  SetCaption("Sole Files in HDD ( non backup files ) ");
  SetBorderStyle(toolkit::BorderStyle::Single);
  SetClientSize(367, 400);
  SetPosition(toolkit::FormPosition::ScreenCenter);
  SetColor(toolkit::Rgb::FromPacked(11458988));
  SetFont(GothicBold(13, colors::WindowText));

  LayOutListGrid(StringGrid1, toolkit::Rgb::FromPacked(13301700), colors::Navy);
  StringGrid1.SetRowCount(5);
  StringGrid1.SetBorderStyle(toolkit::BorderStyle::None);
  SetTooltip(StringGrid1, texts2::ClickToSelectFileHint);

  Label1.SetBounds(16, 8, 177, 19);
  Label1.SetFont(GothicBold(19, colors::Navy));
  Label1.SetCaption("Defined by Program");
  SetTooltip(Label1, texts2::Form5Label1Hint);

  Button1.SetBounds(272, 8, 75, 25);
  Button1.SetCaption("Close (&C)");
  SetTooltip(Button1, texts2::CloseCaption);
  Button2.SetBounds(136, 368, 105, 25);
  Button2.SetCaption("Copy to MO");
  SetTooltip(Button2, texts2::CopyToBackupHint);
  Button3.SetBounds(256, 368, 105, 25);
  Button3.SetCaption("Delete from HDD");
  SetTooltip(Button3, texts2::DeleteFromHddHint);

  Label2.SetBounds(16, 32, 50, 16);
  Label2.SetFont(GothicBold(16, colors::Navy));
  Label2.SetAutoSize(true);
  Label2.SetCaption("Label2");

  Edit1.SetBounds(24, 288, 33, 21);
  Edit1.SetText("0");
  Edit1.SetVisible(false);

  Button4.SetBounds(240, 8, 20, 12);
  Button4.SetFont(GothicBold(8, colors::Lime));
  Button4.SetCaption(std::string(texts2::PreviousFolderCaption));
  SetTooltip(Button4, texts2::PreviousFolderHint);
  Button5.SetBounds(240, 22, 20, 12);
  Button5.SetFont(GothicBold(8, colors::WindowText));
  Button5.SetCaption(std::string(texts2::NextFolderCaption));
  SetTooltip(Button5, texts2::NextFolderHint);

  Button6.SetBounds(16, 368, 105, 25);
  Button6.SetCaption(std::string(texts2::IdentityButtonCaption));

  StringGrid1.OnClick = [this] { StringGrid1Click(); };
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  Button5.OnClick = [this] { Button5Click(); };
  Button6.OnClick = [this] { Button6Click(); };
  OnCreate = [this] { FormCreate(); };
}

void TForm5::ShowSoleFilesOnDisk(const engine::SoleFilesOnDisk& result) {
  Edit1.SetText(result.folder_row);
  Label1.SetCaption(result.heading);
  Label2.SetCaption(result.folder);
  ShowRows(StringGrid1, result.rows);
  Button2.SetEnabled(false);
  Button3.SetEnabled(false);
  Show();
}

void TForm5::FormCreate() {
  SetCaption(std::string(texts2::Form5Caption));
  Button1.SetCaption(std::string(texts2::CloseCaption));
  Button2.SetCaption(std::string(texts2::CopyToBackupCaption));
  Button3.SetCaption(std::string(texts2::DeleteFromHddCaption));
}

void TForm5::Button1Click() { Close(); }

void TForm5::StringGrid1Click() {
  const bool file_row = IsSoleFileRowSelected(StringGrid1);
  Button2.SetEnabled(file_row);
  Button3.SetEnabled(file_row);
}

// The row is a bare name in the folder of Label2. A copy that fails shows
// nothing; the refreshed list still holds the file.
void TForm5::Button2Click() {
  if (!IsSoleFileRowSelected(StringGrid1)) return;
  TForm1& main = *context_.Form1;
  (void)engine::CopySoleFileToBackup(context_.fs, Label2.Caption(), SelectedText(StringGrid1),
                                     main.BackupDriveLetter());
  main.Button4Click();
}

void TForm5::Button3Click() {
  if (!IsSoleFileRowSelected(StringGrid1)) return;
  const std::string path = platform::JoinPath(Label2.Caption(), SelectedText(StringGrid1));
  const toolkit::ModalResult answer = App().MessageBox(
      path, std::string(texts2::DeleteFromHddQuestion), toolkit::MessageButtons::OKCancel);
  // A deletion that fails shows nothing; the refreshed list still holds the file.
  if (answer == toolkit::ModalResult::OK) (void)context_.fs.DeleteFile(path);
  context_.Form1->Button4Click();
}

void TForm5::Button4Click() { StepFolder(-1); }

void TForm5::Button5Click() { StepFolder(+1); }

// Works on the folder selected in the main window: the one shown here unless
// the user has selected another there since.
void TForm5::Button6Click() { context_.Form1->Button3Click(); }

// Steps from the folder shown here (Edit1), not from the main window's
// selection. Both ends are bounded by the folder grid's rows, so a folder
// unregistered since the search cannot send the selection outside the grid.
void TForm5::StepFolder(int step) {
  const std::string& shown_text = Edit1.Text();
  int shown = 0;
  const auto [end, error] =
      std::from_chars(shown_text.data(), shown_text.data() + shown_text.size(), shown);
  if (error != std::errc() || end != shown_text.data() + shown_text.size()) return;

  TForm1& main = *context_.Form1;
  const int row = shown + step;
  if (row < 0 || row >= main.StringGrid1.RowCount()) return;
  Edit1.SetText(std::to_string(row));
  // Another row runs the main window's folder view, as a click on it would.
  main.StringGrid1.SetRow(row);
  main.Button4Click();
}

}  // namespace twindir
