#include "windows/Unit4.h"

#include <string>

#include "engine/SoleFileActions.h"
#include "platform/PathText.h"
#include "platform/TextFormat.h"
#include "windows/SecondaryWindows.h"
#include "windows/Unit1.h"
#include "windows/WindowsTexts2.h"

namespace twindir {

namespace colors = toolkit::colors;

TForm4::TForm4(toolkit::Application& application, ProgramContext& context)
    : Form(application, "Form4"), context_(context) {
  SetCaption("Sole Files in MO ( non restore files )");
  SetBorderStyle(toolkit::BorderStyle::Single);
  SetClientSize(367, 400);
  SetPosition(toolkit::FormPosition::ScreenCenter);
  SetColor(toolkit::Rgb::FromPacked(16641689));
  SetFont(GothicBold(13, colors::WindowText));

  Label3.SetBounds(16, 16, 177, 19);
  Label3.SetFont(GothicBold(19, colors::Teal));
  Label3.SetCaption("Defined by Program");
  SetTooltip(Label3, texts2::Form4Label3Hint);

  Button1.SetBounds(272, 16, 75, 25);
  Button1.SetCaption("Close(&C)");
  SetTooltip(Button1, texts2::CloseCaption);

  LayOutListGrid(StringGrid1, toolkit::Rgb::FromPacked(16710366), colors::Blue);
  StringGrid1.SetRowCount(500);
  StringGrid1.SetBorderStyle(toolkit::BorderStyle::None);
  StringGrid1.SetRowSelect(true);
  SetTooltip(StringGrid1, texts2::ClickToSelectFileHint);

  Button2.SetBounds(136, 368, 105, 25);
  Button2.SetCaption("Copy to HDD");
  SetTooltip(Button2, texts2::CopyToHddHint);
  Button3.SetBounds(256, 368, 105, 25);
  Button3.SetCaption("Delete from MO");
  SetTooltip(Button3, texts2::DeleteFromBackupHint);
  DisableFileActions();

  Button4.SetBounds(16, 368, 105, 25);
  Button4.SetCaption(std::string(texts2::IdentityButtonCaption));

  Button1.OnClick = [this] { Button1Click(); };
  StringGrid1.OnClick = [this] { StringGrid1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  OnCreate = [this] { FormCreate(); };
}

void TForm4::ShowSoleFilesInBackup(const engine::SoleFilesInBackup& result) {
  ShowRows(StringGrid1, result.rows);
  Label3.SetCaption(result.heading);
  DisableFileActions();
  Show();
}

void TForm4::AppendSoleInBackup(int row, std::string_view hard_disk_path) {
  StringGrid1.SetRowCount(row + 1);
  StringGrid1.SetCell(0, row, std::string(hard_disk_path));
}

void TForm4::DisableFileActions() {
  Button2.SetEnabled(false);
  Button3.SetEnabled(false);
}

void TForm4::FormCreate() {
  SetCaption(std::string(texts2::Form4Caption));
  Button1.SetCaption(std::string(texts2::CloseCaption));
  Button2.SetCaption(std::string(texts2::CopyToHddCaption));
  Button3.SetCaption(std::string(texts2::DeleteFromBackupCaption));
}

void TForm4::Button1Click() { Close(); }

void TForm4::StringGrid1Click() {
  const bool file_row = IsSoleFileRowSelected(StringGrid1);
  Button2.SetEnabled(file_row);
  Button3.SetEnabled(file_row);
}

// The row names the hard-disk place of a file found only in the backup: the
// backup copy goes there. A copy that fails shows nothing; the refreshed
// list still holds the file.
void TForm4::Button2Click() {
  if (!IsSoleFileRowSelected(StringGrid1)) return;
  TForm1& main = *context_.Form1;
  (void)engine::RestoreSoleFileFromBackup(context_.fs, SelectedText(StringGrid1),
                                          main.BackupDriveLetter());
  main.Button4.SetEnabled(true);
  main.Button4Click();
}

void TForm4::Button3Click() {
  if (!IsSoleFileRowSelected(StringGrid1)) return;
  TForm1& main = *context_.Form1;
  const std::string backup_path =
      platform::MirrorPath(SelectedText(StringGrid1), main.BackupDriveLetter());
  const toolkit::ModalResult answer = App().MessageBox(
      platform::Format("Delete %s ?", backup_path.c_str()),
      std::string(texts2::DeleteFromBackupQuestion), toolkit::MessageButtons::OKCancel);
  // A deletion that fails shows nothing; the refreshed list still holds the file.
  if (answer == toolkit::ModalResult::OK) (void)context_.fs.DeleteFile(backup_path);
  main.Button4.SetEnabled(true);
  main.Button4Click();
}

// Works on the folder selected in the main window, whatever is selected here.
void TForm4::Button4Click() { context_.Form1->Button3Click(); }

}  // namespace twindir
