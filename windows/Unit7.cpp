#include "windows/Unit7.h"

#include <optional>
#include <string>

#include "engine/UndefinedFolders.h"
#include "windows/SecondaryWindows.h"
#include "windows/Unit1.h"
#include "windows/WindowsTexts2.h"

namespace twindir {

namespace colors = toolkit::colors;

TForm7::TForm7(toolkit::Application& application, ProgramContext& context)
    : Form(application, "Form7"), context_(context) {
  SetCaption("Undefined MO Directories");
  // The layout's outer size of 375 x 427 around a resizable frame.
  SetPlace(305, 350);
  SetClientSize(367, 400);
  SetColor(toolkit::Rgb::FromPacked(15521962));
  SetFont(GothicBold(13, colors::WindowText));

  Label1.SetBounds(24, 32, 178, 19);
  Label1.SetFont(GothicBold(19, colors::Navy));
  Label1.SetCaption("Undefined MO Directories");
  SetTooltip(Label1, texts2::Form7Label1Hint);

  LayOutListGrid(StringGrid1, toolkit::Rgb::FromPacked(16248539), colors::Navy);
  StringGrid1.SetBorderStyle(toolkit::BorderStyle::Single);
  SetTooltip(StringGrid1, texts2::ClickToSelectHint);

  Button1.SetBounds(272, 8, 75, 25);
  Button1.SetCaption("Close (&C)");
  SetTooltip(Button1, texts2::CloseCaption);
  Button3.SetBounds(216, 368, 113, 25);
  Button3.SetCaption("Dir Create (&R)");
  SetTooltip(Button3, texts2::BackupDirCreateHint);

  Button1.OnClick = [this] { Button1Click(); };
  StringGrid1.OnClick = [this] { StringGrid1Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  OnCreate = [this] { FormCreate(); };
}

void TForm7::ShowUndefinedFolders(const engine::UndefinedFolders& folders) {
  ShowRows(StringGrid1, folders.rows);
  Label1.SetCaption(folders.heading);
  // Selecting row 0 may run the row rule; Dir Create still waits for the
  // user's own choice of a folder.
  StringGrid1.SetRow(0);
  Button3.SetEnabled(false);
  Show();
}

void TForm7::FormCreate() {
  SetCaption(std::string(texts2::Form7Caption));
  Button1.SetCaption(std::string(texts2::CloseCaption));
  Button3.SetCaption(std::string(texts2::DirCreateCaption));
}

void TForm7::Button1Click() { Close(); }

void TForm7::StringGrid1Click() { Button3.SetEnabled(IsFolderRowSelected(StringGrid1)); }

// Dir Create: the missing mirror folder is made and filled with the files of
// its reference folder. The list file is not touched; the recount clears
// MissingOnBackupCount when no folder is left. A folder unregistered since
// the list was filled has no reference folder: nothing is copied. Copies
// that fail, or a reference folder that cannot be read, are told in a box.
void TForm7::Button3Click() {
  if (!IsFolderRowSelected(StringGrid1)) return;
  const std::string folder = SelectedText(StringGrid1);
  if (!engine::CreateMissingFolder(context_.fs, folder)) {
    App().ShowMessage(std::string(texts2::DirCannotBeCreated));
    Button3.SetEnabled(false);
    return;
  }
  folders::FolderTable& table = context_.Form1->Folders();
  ShowRows(StringGrid1, engine::RecountMissingOnBackup(context_.fs, table));
  Button3.SetEnabled(false);
  const std::optional<std::string> reference = engine::ReferenceFolderOf(table, folder);
  if (!reference) return;
  const engine::FolderFill fill =
      engine::CopyFolderFiles(context_.fs, context_.order, *reference, folder);
  if (const auto problem = FolderFillProblem(fill, *reference, engine::texts::FilesNotCopied)) {
    App().ShowMessage(*problem);
  }
}

}  // namespace twindir
