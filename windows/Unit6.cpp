#include "windows/Unit6.h"

#include <string>

#include "engine/UndefinedFolders.h"
#include "folders/FolderList.h"
#include "platform/PathText.h"
#include "windows/SecondaryWindows.h"
#include "windows/Unit1.h"
#include "windows/WindowsTexts2.h"

namespace twindir {

namespace colors = toolkit::colors;

TForm6::TForm6(toolkit::Application& application, ProgramContext& context)
    : Form(application, "Form6"), context_(context) {
  SetCaption("Undefined Directories in HDD");
  // The layout's outer size of 391 x 431 around a resizable frame.
  SetPlace(371, 343);
  SetClientSize(383, 404);
  SetColor(toolkit::Rgb::FromPacked(12697988));
  SetFont(GothicBold(13, colors::WindowText));

  Label1.SetBounds(24, 16, 243, 19);
  Label1.SetFont(GothicBold(19, colors::Navy));
  Label1.SetCaption("Undefined HDD Directories");
  SetTooltip(Label1, texts2::Form6Label1Hint);

  LayOutListGrid(StringGrid1, toolkit::Rgb::FromPacked(16777147), colors::Navy);
  StringGrid1.SetBorderStyle(toolkit::BorderStyle::None);
  SetTooltip(StringGrid1, texts2::ClickToSelectHint);

  Button1.SetBounds(272, 16, 75, 25);
  Button1.SetCaption("Close (&C)");
  SetTooltip(Button1, texts2::CloseCaption);
  Button2.SetBounds(40, 368, 89, 25);
  Button2.SetCaption("Dir Set (&S)");
  SetTooltip(Button2, texts2::DirSetHint);
  Button3.SetBounds(144, 368, 89, 25);
  Button3.SetCaption("Dir Del (&D)");
  SetTooltip(Button3, texts2::DirDelHint);
  Button4.SetBounds(248, 368, 89, 25);
  Button4.SetCaption("Dir Create (&R)");
  SetTooltip(Button4, texts2::HddDirCreateHint);
  DisableActions();

  Button1.OnClick = [this] { Button1Click(); };
  StringGrid1.OnClick = [this] { StringGrid1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  OnCreate = [this] { FormCreate(); };
}

void TForm6::ShowUndefinedFolders(const engine::UndefinedFolders& folders) {
  ShowRows(StringGrid1, folders.rows);
  // Selecting row 0 may run the row rule; the actions still wait for the
  // user's own choice of a folder.
  StringGrid1.SetRow(0);
  DisableActions();
  Show();
}

void TForm6::FormCreate() {
  SetCaption(std::string(texts2::Form6Caption));
  Label1.SetCaption(std::string(texts2::Form6Label1Caption));
  Button1.SetCaption(std::string(texts2::CloseCaption));
  Button2.SetCaption(std::string(texts2::DirSetCaption));
  Button3.SetCaption(std::string(texts2::DirDelCaption));
  Button4.SetCaption(std::string(texts2::DirCreateCaption));
}

void TForm6::Button1Click() { Close(); }

void TForm6::StringGrid1Click() {
  const bool folder_row = IsFolderRowSelected(StringGrid1);
  Button2.SetEnabled(folder_row);
  Button3.SetEnabled(folder_row);
  Button4.SetEnabled(folder_row);
}

// Dir Set: the folder of the chosen file is registered in place of the
// missing one. A cancelled dialog changes nothing but still recounts.
void TForm6::Button2Click() {
  if (!IsFolderRowSelected(StringGrid1)) return;
  if (OpenDialog1.Execute()) {
    const std::string old_folder = SelectedText(StringGrid1);
    const std::string new_folder = folders::DirAddFolder(OpenDialog1.FileName());
    // A list file that was not written has been reported; nothing changed.
    if (!context_.Form1->ReplaceFolder(old_folder, new_folder)) return;
  }
  RecountMissingFolders();
  DisableActions();
}

// Dir Del: the missing folder is unregistered after the user's OK.
void TForm6::Button3Click() {
  if (!IsFolderRowSelected(StringGrid1)) return;
  const std::string old_folder = SelectedText(StringGrid1);
  if (App().MessageBox(old_folder, std::string(texts2::DirDelQuestion),
                       toolkit::MessageButtons::OKCancel) != toolkit::ModalResult::OK) {
    return;
  }
  if (!context_.Form1->RemoveFolder(old_folder)) return;
  RecountMissingFolders();
  DisableActions();
}

// Dir Create: the missing hard-disk folder is made, registered again (in
// case it was unregistered meanwhile) and filled with its mirror's files.
// Copies that fail, or a mirror that cannot be read, are told in a box.
void TForm6::Button4Click() {
  if (!IsFolderRowSelected(StringGrid1)) return;
  const std::string folder = SelectedText(StringGrid1);
  if (!engine::CreateMissingFolder(context_.fs, folder)) {
    App().ShowMessage(std::string(texts2::DirCannotBeCreated));
    DisableActions();
    return;
  }
  TForm1& main = *context_.Form1;
  if (!main.AddFolder(folder)) return;
  RecountMissingFolders();
  const std::string mirror = platform::MirrorPath(folder, main.BackupDriveLetter());
  const engine::FolderFill fill =
      engine::CopyFolderFiles(context_.fs, context_.order, mirror, folder);
  DisableActions();
  if (const auto problem = FolderFillProblem(fill, mirror, texts2::FilesNotCopiedToHdd)) {
    App().ShowMessage(*problem);
  }
}

void TForm6::RecountMissingFolders() {
  ShowRows(StringGrid1, engine::RecountMissingOnHdd(context_.fs, context_.Form1->Folders()));
}

void TForm6::DisableActions() {
  Button2.SetEnabled(false);
  Button3.SetEnabled(false);
  Button4.SetEnabled(false);
}

}  // namespace twindir
