#pragma once
// The sole-files-in-backup window: the hard-disk paths where a backup file
// has no twin, one a row, from the last backup-mode sole-file search (then a
// count row) or appended by an update run (no count row). The user copies
// the selected file from the backup to the hard disk or deletes it from the
// backup; every action ends with a new sole-file search of the main window.

#include <string_view>

#include "engine/SoleFiles.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/StringGrid.h"
#include "windows/ProgramContext.h"

namespace twindir {

class TForm4 : public toolkit::Form {
 public:
  TForm4(toolkit::Application& application, ProgramContext& context);

  toolkit::Button Button1{*this, "Button1"};  // close
  toolkit::StringGrid StringGrid1{*this, "StringGrid1"};
  toolkit::Label Label3{*this, "Label3"};     // "MO (H:)の孤立ファイル"
  toolkit::Button Button2{*this, "Button2"};  // copy to the hard disk
  toolkit::Button Button3{*this, "Button3"};  // delete from the backup
  toolkit::Button Button4{*this, "Button4"};  // folder identity

  // The backup-mode search's result: the rows (the last one a count or
  // message row), the heading; copy and delete disabled; the window shown
  // and brought to the front.
  void ShowSoleFilesInBackup(const engine::SoleFilesInBackup& result);

  // During an update run: hard_disk_path goes into row `row` (the table's
  // SoleInBackupCount) and the grid holds row + 1 rows.
  void AppendSoleInBackup(int row, std::string_view hard_disk_path);

  // Copy and delete disabled (an update run starts).
  void DisableFileActions();

  void FormCreate();
  void Button1Click();
  void StringGrid1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();

 private:
  ProgramContext& context_;
};

}  // namespace twindir
