#pragma once
// TForm1, the main window: the folder grid of the registered folders, the
// report grid, the six command buttons, the side check box of the sole-file
// search, the main menu and the two grid pop-up menus.
//
// The window also holds the program's shared state: the start-up paths, the
// folder table and the list file operations over it. The other windows reach
// the table and the list file through this window, so that every rewrite
// updates the table and the folder grid in one place.

#include <optional>
#include <string>
#include <string_view>

#include "controls/LumoBtn.h"
#include "controls/MyStr.h"
#include "engine/FileAdd.h"
#include "engine/ReportRow.h"
#include "engine/Services.h"
#include "engine/UpdateRun.h"
#include "folders/FolderList.h"
#include "folders/FolderTable.h"
#include "folders/StartupPaths.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Menu.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/StringGrid.h"
#include "windows/ProgramContext.h"
#include "windows/WindowQuestions.h"

namespace twindir {

class TForm1 : public toolkit::Form, private engine::FolderListSink {
 public:
  TForm1(toolkit::Application& application, ProgramContext& context);

  // The controls, in the order of the window's layout.
  toolkit::Label Label1{*this, "Label1"};
  toolkit::Label Label6{*this, "Label6"};
  toolkit::CheckBox CheckBox1{*this, "CheckBox1"};
  toolkit::Button Button1{*this, "Button1"};
  toolkit::Button Button3{*this, "Button3"};
  TLumoBtn LumoBtn1{*this, "LumoBtn1"};
  toolkit::Button Button5{*this, "Button5"};
  toolkit::Button Button4{*this, "Button4"};
  toolkit::Button Button2{*this, "Button2"};
  toolkit::Label Label2{*this, "Label2"};
  toolkit::Label Label4{*this, "Label4"};
  toolkit::Label Label5{*this, "Label5"};
  toolkit::StringGrid StringGrid1{*this, "StringGrid1"};  // the folder grid
  toolkit::StringGrid StringGrid2{*this, "StringGrid2"};  // the report grid
  toolkit::Label Label3{*this, "Label3"};
  TMyStr MyStr1{*this, "MyStr1"};
  toolkit::OpenDialog OpenDialog1{*this, "OpenDialog1"};

  toolkit::MainMenu MainMenu1{*this, "MainMenu1"};
  toolkit::MenuItem File{MainMenu1, "File"};
  toolkit::MenuItem QuitQ1{File, "QuitQ1"};
  toolkit::MenuItem HelpH1{MainMenu1, "HelpH1"};
  toolkit::MenuItem Howto1{HelpH1, "Howto1"};
  toolkit::MenuItem N2{HelpH1, "N2"};
  toolkit::MenuItem N1{HelpH1, "N1"};
  toolkit::PopupMenu PopupMenu1{*this, "PopupMenu1"};
  toolkit::MenuItem Delete1{PopupMenu1, "Delete1"};
  toolkit::PopupMenu PopupMenu2{*this, "PopupMenu2"};
  toolkit::MenuItem Removethisfile1{PopupMenu2, "Removethisfile1"};

  // --- Shared state, settled by FormCreate ---------------------------------

  // The list file path and the backup drive (two bytes, as in H:).
  [[nodiscard]] const folders::StartupPaths& Paths() const { return paths_; }
  [[nodiscard]] const std::string& BackupDrive() const { return paths_.BackupDrive; }
  [[nodiscard]] char BackupDriveLetter() const { return paths_.BackupDriveLetter(); }

  // The folder table. Windows that recount missing folders may change its
  // counters (MissingOnBackupCount); the registered folders change only
  // through AddFolder, RemoveFolder and ReplaceFolder.
  [[nodiscard]] folders::FolderTable& Folders() { return table_; }
  [[nodiscard]] const folders::FolderTable& Folders() const { return table_; }

  // The file services, name order, clock and questions (message boxes and
  // this window's OpenDialog1) that every command runs with.
  [[nodiscard]] const engine::Services& Services() const { return services_; }

  // The list file rewrites: each writes the whole list file from the table
  // with the change made, then loads it again into the table and the folder
  // grid. True when the file was written and loaded. False when it was not:
  // the box saying why has been shown (the error box naming the list file,
  // or "Too many Directories!"), and the table and folder grid are as they
  // were.
  bool AddFolder(std::string_view folder);
  bool RemoveFolder(std::string_view folder);
  bool ReplaceFolder(std::string_view old_folder, std::string_view new_folder);

  // --- Commands that the other windows run as well --------------------------

  // Folder identity of the folder grid's selected folder (Button3).
  void Button3Click();
  // The sole-file search, on the side CheckBox1 shows (Button4): all folder
  // pairs into Form4, or the selected folder into Form5.
  void Button4Click();

 private:
  void SetLayout();
  void ConnectHandlers();
  void FormCreate();
  void SetCreatedCaptions();

  // Handlers.
  void Button1Click();   // Dir Add
  void Button2Click();   // Exit
  void Button5Click();   // File Add
  void LumoBtn1Click();  // the update run
  void CheckBox1Click();
  void StringGrid1Click();  // the folder view
  void StringGrid2Click();
  void Delete1Click();  // unregister the selected folder
  void Removethisfile1Click();
  void QuitQ1Click();
  void Howto1Click();
  void N1Click();

  // The report grid shows rows from row 0, exactly that many.
  void ShowReport(const engine::ReportRows& rows);
  // Every cell of the report grid empty; its row count stays.
  void ClearReport();
  // The folder view listed again after a removal.
  void RefreshFolderView(const engine::ReportRows& refreshed);
  // The undefined-folder windows after an update run.
  void OpenUndefinedFolderWindows(const engine::UpdateReport& report);

  // FolderListSink: what the list file operations leave.
  void ApplyLoad(const folders::LoadResult& load) override;
  void ShowRewriteFailure(const folders::RewriteResult& rewrite) override;
  bool ApplyRewrite(const folders::RewriteResult& rewrite);
  // The box for a full folder table.
  void ShowTooManyDirectories();

  ProgramContext& context_;
  WindowQuestions questions_;
  engine::Services services_;

  // Members of the shared state, empty until FormCreate.
  bool file_list_flag_ = false;  // a folder view has listed a file: arms Removethisfile1
  folders::StartupPaths paths_;
  folders::FolderTable table_;
  std::optional<folders::FolderList> folder_list_;
};

}  // namespace twindir
