#include "windows/Unit1.h"

#include <algorithm>
#include <stdexcept>

#include "engine/EngineTexts.h"
#include "engine/FileRemoval.h"
#include "engine/FolderIdentity.h"
#include "engine/FolderView.h"
#include "engine/SoleFiles.h"
#include "folders/FoldersTexts.h"
#include "platform/TextFormat.h"
#include "windows/Unit2.h"
#include "windows/Unit3.h"
#include "windows/Unit4.h"
#include "windows/Unit5.h"
#include "windows/Unit6.h"
#include "windows/Unit7.h"
#include "windows/Unit8.h"
#include "windows/WindowFonts.h"
#include "windows/WindowsTexts1.h"

namespace twindir {

namespace {

using toolkit::Rgb;
namespace colors = toolkit::colors;

// The comparison's backup files without a readable hard-disk twin go into
// the sole-files-in-backup window, each at the row the table counts.
class SoleInBackupRows final : public engine::SoleInBackupSink {
 public:
  SoleInBackupRows(TForm4& window, const folders::FolderTable& table)
      : window_(window), table_(table) {}

  void AppendSoleInBackup(const std::string& hard_disk_path) override {
    window_.AppendSoleInBackup(table_.SoleInBackupCount, hard_disk_path);
  }

 private:
  TForm4& window_;
  const folders::FolderTable& table_;
};

// Exit enabled again and the progress window closed when the update run
// ends, also when it ends by an exception.
class UpdateRunScope {
 public:
  UpdateRunScope(toolkit::Button& exit_button, TForm3& progress_window)
      : exit_button_(exit_button), progress_window_(progress_window) {}
  UpdateRunScope(const UpdateRunScope&) = delete;
  UpdateRunScope& operator=(const UpdateRunScope&) = delete;
  ~UpdateRunScope() {
    exit_button_.SetEnabled(true);
    progress_window_.Hide();
  }

 private:
  toolkit::Button& exit_button_;
  TForm3& progress_window_;
};

}  // namespace

TForm1::TForm1(toolkit::Application& application, ProgramContext& context)
    : Form(application, "Form1"),
      context_(context),
      questions_(application, OpenDialog1),
      services_{context.fs, context.order, context.clock, questions_} {
  SetLayout();
  ConnectHandlers();
  OnCreate = [this] { FormCreate(); };
}

void TForm1::SetLayout() {
  SetCaption("TWINDIR  Ver3.5");
  SetBorderStyle(toolkit::BorderStyle::Single);
  SetClientSize(683, 449);
  SetPosition(toolkit::FormPosition::ScreenCenter);
  SetColor(Rgb::FromPacked(15388601));
  SetFont(GothicBold(13, colors::WindowText));
  SetMenu(&MainMenu1);

  // Every control but Label6 and Button3 draws in navy; those two keep the
  // window's font.
  const toolkit::FontSpec navy = GothicBold(13, colors::Navy);
  auto hinted = [](toolkit::Control& control, std::string_view hint) {
    control.SetHint(std::string(hint));
    control.SetShowHint(true);
  };

  Label1.SetBounds(16, 6, 184, 19);
  Label1.SetFont(GothicBold(19, colors::Navy));
  Label1.SetCaption("Defined by Program ");
  hinted(Label1, texts1::Label1Hint);

  Label6.SetBounds(504, 16, 27, 13);
  Label6.SetCaption("HDD");

  CheckBox1.SetBounds(488, 12, 17, 17);
  CheckBox1.SetFont(navy);
  hinted(CheckBox1, texts1::CheckBox1Hint);
  CheckBox1.SetTabOrder(7);

  auto command_button = [&](toolkit::Button& button, int left, std::string_view caption,
                            std::string_view hint, int tab_order) {
    button.SetBounds(left, 32, 84, 25);
    button.SetCaption(std::string(caption));
    hinted(button, hint);
    button.SetTabOrder(tab_order);
  };
  command_button(Button1, 21, "Dir Add (&D)", texts1::Button1Hint, 2);
  command_button(Button3, 136, texts1::Button3Caption, texts1::Button3Hint, 8);
  command_button(Button5, 360, "File Add (&A)", texts1::Button5Hint, 4);
  command_button(Button4, 472, "Sole Files (&S)", texts1::SoleFilesInBackupHint, 3);
  command_button(Button2, 584, "Exit (&E)", texts1::Button2Hint, 1);
  for (toolkit::Button* button : {&Button1, &Button5, &Button4, &Button2}) button->SetFont(navy);
  Button3.SetEnabled(false);
  Button4.SetEnabled(false);

  // The Update button draws its plain face: no picture is assigned.
  LumoBtn1.SetBounds(248, 32, 84, 25);
  LumoBtn1.SetColor(colors::Maroon);
  LumoBtn1.SetFont(GothicBold(13, colors::Lime));
  LumoBtn1.SetCaption("Update (&U)");
  hinted(LumoBtn1, texts1::LumoBtn1Hint);
  LumoBtn1.SetTabOrder(0);
  LumoBtn1.SetTabStop(false);

  auto heading = [&](toolkit::Label& label, int left, int width, std::string_view caption,
                     std::string_view hint) {
    label.SetBounds(left, 62, width, 13);
    label.SetFont(navy);
    label.SetCaption(std::string(caption));
    hinted(label, hint);
  };
  heading(Label2, 17, 111, "Update Directory", texts1::Label2Hint);
  heading(Label4, 272, 64, "File Name", texts1::Label4Hint);
  heading(Label5, 458, 113, "Backup Directory", texts1::Label5Hint);

  // Both grids: no border, no fixed rows or columns, 18-pixel rows without
  // grid lines, whole-row selection; their columns are wider than they are,
  // so they scroll sideways.
  auto grid = [&](toolkit::StringGrid& g, int left, int width, int row_count, std::string_view hint,
                  toolkit::PopupMenu& menu, int tab_order) {
    g.SetBounds(left, 80, width, 358);
    g.SetFont(navy);
    g.SetColor(Rgb::FromPacked(16050397));
    g.SetBorderStyle(toolkit::BorderStyle::None);
    g.SetDefaultRowHeight(18);
    g.SetGridLineWidth(0);
    g.SetRowSelect(true);
    g.SetRowCount(row_count);
    hinted(g, hint);
    g.SetPopupMenu(&menu);
    g.SetTabOrder(tab_order);
  };
  grid(StringGrid1, 16, 241, 200, texts1::StringGrid1Hint, PopupMenu1, 5);
  StringGrid1.SetColCount(1);
  StringGrid1.SetColWidth(0, 400);
  grid(StringGrid2, 272, 401, 500, texts1::StringGrid2Hint, PopupMenu2, 6);
  StringGrid2.SetColCount(3);
  StringGrid2.SetColWidth(0, 121);
  StringGrid2.SetColWidth(1, 28);
  StringGrid2.SetColWidth(2, 379);
  StringGrid2.SetShowHint(false);

  // The mark label; its lowest pixels lie below the client area.
  Label3.SetBounds(603, 442, 78, 11);
  Label3.SetFont(GothicBold(11, colors::Yellow));
  Label3.SetColor(Rgb::FromPacked(13876114));
  Label3.SetCaption("LUMO2001/2002");

  File.SetCaption("File(&F)");
  File.SetHint(std::string(texts1::FileHint));
  QuitQ1.SetCaption("Quit(&Q)");
  QuitQ1.SetHint(std::string(texts1::QuitQ1Hint));
  HelpH1.SetCaption("Help(&H)");
  HelpH1.SetHint(std::string(texts1::HelpH1Hint));
  Howto1.SetCaption("How to");
  Howto1.SetHint(std::string(texts1::Howto1Hint));
  N2.SetCaption("-");
  N1.SetCaption("Version");
  Delete1.SetCaption("Delete this Dir Name from Update Dir List");
  Removethisfile1.SetCaption("Delete this File from MO");
}

void TForm1::ConnectHandlers() {
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  Button5.OnClick = [this] { Button5Click(); };
  LumoBtn1.OnClick = [this] { LumoBtn1Click(); };
  CheckBox1.OnClick = [this] { CheckBox1Click(); };
  StringGrid1.OnClick = [this] { StringGrid1Click(); };
  StringGrid2.OnClick = [this] { StringGrid2Click(); };
  Delete1.OnClick = [this] { Delete1Click(); };
  Removethisfile1.OnClick = [this] { Removethisfile1Click(); };
  QuitQ1.OnClick = [this] { QuitQ1Click(); };
  Howto1.OnClick = [this] { Howto1Click(); };
  N1.OnClick = [this] { N1Click(); };
}

// Settles the list file and the backup drive from the current directory,
// loads the registered folders, then puts up the Japanese captions. The
// other windows do not exist yet.
void TForm1::FormCreate() {
  paths_ = folders::StartupPathsFor(context_.fs.CurrentDirectory());
  Label1.SetCaption(folders::BackupDriveCaption(paths_.BackupDrive));
  folder_list_.emplace(context_.fs, context_.order, paths_);
  ApplyLoad(folder_list_->LoadAtStartUp());

  StringGrid2.SetRowCount(1);
  StringGrid2.SetCell(0, 0, "Click Update Btn");
  file_list_flag_ = false;
  SetCaption(std::string(texts1::MainCaption));
  StringGrid2.SetCell(0, 0, std::string(texts1::ReportStartRow));
  SetCreatedCaptions();
}

void TForm1::SetCreatedCaptions() {
  Label2.SetCaption(std::string(texts1::Label2Caption));
  Label5.SetCaption(std::string(texts1::Label5Caption));
  Label4.SetCaption(std::string(texts1::Label4Caption));
  Button1.SetCaption(std::string(texts1::Button1Caption));
  Button5.SetCaption(std::string(texts1::Button5Caption));
  Button4.SetCaption(std::string(texts1::Button4Caption));
  Button2.SetCaption(std::string(texts1::Button2Caption));
  LumoBtn1.SetCaption(std::string(texts1::LumoBtn1Caption));
  Delete1.SetCaption(std::string(texts1::Delete1Caption));
  Removethisfile1.SetCaption(std::string(texts1::Removethisfile1Caption));
  File.SetCaption(std::string(texts1::FileCaption));
  QuitQ1.SetCaption(std::string(texts1::QuitQ1Caption));
  HelpH1.SetCaption(std::string(texts1::HelpH1Caption));
  Howto1.SetCaption(std::string(texts1::Howto1Caption));
  N1.SetCaption(std::string(texts1::N1Caption));
}

// --- The list file ----------------------------------------------------------

bool TForm1::AddFolder(std::string_view folder) {
  return ApplyRewrite(folder_list_->AddFolder(table_, folder));
}

bool TForm1::RemoveFolder(std::string_view folder) {
  return ApplyRewrite(folder_list_->RemoveFolder(table_, folder));
}

bool TForm1::ReplaceFolder(std::string_view old_folder, std::string_view new_folder) {
  return ApplyRewrite(folder_list_->ReplaceFolder(table_, old_folder, new_folder));
}

bool TForm1::ApplyRewrite(const folders::RewriteResult& rewrite) {
  if (rewrite.status != folders::RewriteStatus::Reloaded) {
    ShowRewriteFailure(rewrite);
    return false;
  }
  ApplyLoad(rewrite.reload);
  return true;
}

void TForm1::ApplyLoad(const folders::LoadResult& load) {
  table_ = load.table;
  const std::vector<std::string>& rows = load.grid.rows;
  if (load.grid.whole_grid) StringGrid1.SetRowCount(static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    StringGrid1.SetCell(0, static_cast<int>(i), rows[i]);
  if (load.too_many) ShowTooManyDirectories();
}

void TForm1::ShowTooManyDirectories() {
  App().MessageBox(std::string(folders::texts::TooManyDirectories),
                   std::string(folders::texts::TooManyDirectoriesCaption),
                   toolkit::MessageButtons::OK);
}

void TForm1::ShowRewriteFailure(const folders::RewriteResult& rewrite) {
  if (rewrite.status == folders::RewriteStatus::TooManyFolders) {
    ShowTooManyDirectories();
    return;
  }
  // The toolkit's error box for a file that cannot be created, naming it.
  App().ShowException(std::runtime_error(
      platform::Format(texts1::CannotCreateFile.data(), rewrite.list_file_path.c_str(),
                       platform::ErrorName(rewrite.write_error))));
}

// --- Start-up handlers ------------------------------------------------------

void TForm1::Button2Click() { Close(); }

void TForm1::QuitQ1Click() { Close(); }

void TForm1::Howto1Click() { context_.Form2->Show(); }

void TForm1::N1Click() { context_.Form8->Show(); }

// --- Registering and unregistering -------------------------------------------

// Dir Add: the folder of the file chosen (the first one, when the dialog
// allows several) is registered; it need not exist.
void TForm1::Button1Click() {
  if (!OpenDialog1.Execute()) return;
  AddFolder(folders::DirAddFolder(OpenDialog1.FileName()));
}

// Unregisters the folder grid's selected folder (not the row right-clicked)
// once the user confirms; no file or folder is touched.
void TForm1::Delete1Click() {
  if (!table_.ListLoaded || table_.FolderCount == 0) return;
  const int row = StringGrid1.Row();
  if (row >= StringGrid1.RowCount()) return;
  const std::string folder = StringGrid1.Cells(0, row);
  if (!questions_.Confirm(folder, texts1::UnregisterCaption, engine::BoxIcon::None)) return;
  RemoveFolder(folder);
}

// File Add. The dialog allows several files from now on, for Dir Add too.
void TForm1::Button5Click() {
  OpenDialog1.SetMultiSelect(true);
  (void)engine::AddFilesToBackup(services_, *folder_list_, table_, *this);
}

// --- The update run -----------------------------------------------------------

void TForm1::LumoBtn1Click() {
  TForm3& progress_window = *context_.Form3;
  TForm4& sole_files_window = *context_.Form4;

  std::optional<engine::UpdateReport> report;
  {
    Button2.SetEnabled(false);
    const UpdateRunScope run_scope(Button2, progress_window);
    progress_window.Label1.SetCaption(std::string(engine::texts::PreparingStage));
    progress_window.Label2.SetCaption("");  // not the last run's copy
    progress_window.Show();
    sole_files_window.DisableFileActions();
    Button4.SetEnabled(true);
    ClearReport();

    SoleInBackupRows sole_in_backup(sole_files_window, table_);
    report = engine::RunUpdate(services_, table_, BackupDrive(), progress_window, sole_in_backup);

    ShowReport(report->rows);
    StringGrid2.SetRow(0);  // runs StringGrid2Click when the selection moves
    StringGrid2.SetShowHint(false);
  }  // Exit enabled again, the progress window closed
  OpenUndefinedFolderWindows(*report);
}

void TForm1::OpenUndefinedFolderWindows(const engine::UpdateReport& report) {
  if (report.missing_on_hdd) context_.Form6->ShowUndefinedFolders(*report.missing_on_hdd);
  if (report.missing_on_backup) context_.Form7->ShowUndefinedFolders(*report.missing_on_backup);
}

void TForm1::ShowReport(const engine::ReportRows& rows) {
  StringGrid2.SetRowCount(std::max(static_cast<int>(rows.size()), 1));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i);
    StringGrid2.SetCell(0, row, rows[i].name);
    StringGrid2.SetCell(1, row, rows[i].mark);
    StringGrid2.SetCell(2, row, rows[i].folder);
  }
}

void TForm1::ClearReport() {
  for (int row = 0; row < StringGrid2.RowCount(); ++row) {
    for (int col = 0; col < StringGrid2.ColCount(); ++col) StringGrid2.SetCell(col, row, "");
  }
}

// --- The folder view and file removal -----------------------------------------

// Lists the selected folder's mirror folder in the report grid; a missing
// mirror folder is told first. Folder identity is enabled whatever the
// listing found.
void TForm1::StringGrid1Click() {
  if (!table_.ListLoaded || table_.FolderCount == 0) return;
  const int row = StringGrid1.Row();
  StringGrid1.SetHint(StringGrid1.Cells(0, row));
  const std::optional<engine::FolderView> view =
      engine::ViewFolder(services_, table_, row, BackupDriveLetter());
  if (!view) return;
  StringGrid2.SetRow(0);  // runs StringGrid2Click on the old rows when the selection moves
  ShowReport(view->rows);
  if (view->listed_files) file_list_flag_ = true;
  StringGrid2.SetShowHint(true);
  Button3.SetEnabled(true);
}

// Deletes the file of the report grid's selected row from the backup once
// the user confirms, then lists its folder again. Only file rows of a
// folder on the backup drive qualify: an update report's row can name a
// file on the hard disk.
void TForm1::Removethisfile1Click() {
  const int row = StringGrid2.Row();
  const engine::ReportSelection selection{row, StringGrid2.RowCount(), StringGrid2.Cells(0, row),
                                          StringGrid2.Cells(2, row)};
  const std::optional<engine::ReportRows> refreshed =
      engine::RemoveFileFromBackup(services_, file_list_flag_, selection, BackupDriveLetter());
  if (refreshed) RefreshFolderView(*refreshed);
}

void TForm1::RefreshFolderView(const engine::ReportRows& refreshed) {
  StringGrid2.SetRow(0);  // runs StringGrid2Click on the old rows when the selection moves
  ShowReport(refreshed);
}

// The selected row's name and folder as the tooltip, so that a clipped
// row can be read whole.
void TForm1::StringGrid2Click() {
  StringGrid2.SetShowHint(true);
  const int row = StringGrid2.Row();
  StringGrid2.SetHint(StringGrid2.Cells(0, row) + " " + StringGrid2.Cells(2, row));
}

// --- Sole files and folder identity --------------------------------------------

void TForm1::Button4Click() {
  if (!CheckBox1.Checked()) {
    context_.Form4->ShowSoleFilesInBackup(
        engine::SearchSoleFilesInBackup(services_, table_, BackupDriveLetter()));
    return;
  }
  const int row = StringGrid1.Row();
  context_.Form5->ShowSoleFilesOnDisk(engine::SearchSoleFilesOnDisk(
      services_, row, StringGrid1.Cells(0, row), BackupDriveLetter()));
}

void TForm1::CheckBox1Click() {
  Button4.SetHint(std::string(CheckBox1.Checked() ? texts1::SoleFilesOnDiskHint
                                                  : texts1::SoleFilesInBackupHint));
}

// Makes the selected folder pair identical once the user confirms, and
// shows the copies in the report grid; its selection and tooltip stay.
void TForm1::Button3Click() {
  SoleInBackupRows sole_in_backup(*context_.Form4, table_);
  const std::optional<engine::IdentityReport> report = engine::MakeFoldersIdentical(
      services_, table_, StringGrid1.Row(), BackupDrive(), sole_in_backup);
  if (report) ShowReport(report->rows);
}

}  // namespace twindir
