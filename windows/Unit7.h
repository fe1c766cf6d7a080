#pragma once
// The undefined-backup-folders window: the registered folders whose mirror
// folder is not a directory on the backup drive, one a row, then the summary
// row (which begins with a blank). For the selected folder the user creates
// it on the backup drive and copies its reference folder's files into it.

#include "engine/UpdateRun.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/StringGrid.h"
#include "windows/ProgramContext.h"

namespace twindir {

class TForm7 : public toolkit::Form {
 public:
  TForm7(toolkit::Application& application, ProgramContext& context);

  toolkit::Label Label1{*this, "Label1"};  // " MO (H:)の未定義フォルダ"
  toolkit::StringGrid StringGrid1{*this, "StringGrid1"};
  toolkit::Button Button1{*this, "Button1"};  // close
  toolkit::Button Button3{*this, "Button3"};  // Dir Create

  // The update run's fill: the rows, Label1 from folders.heading, row 0
  // selected, Dir Create disabled (also when row 0 is a folder: the user
  // selects before acting), the window shown.
  void ShowUndefinedFolders(const engine::UndefinedFolders& folders);

  void FormCreate();
  void Button1Click();
  void StringGrid1Click();
  void Button3Click();

 private:
  ProgramContext& context_;
};

}  // namespace twindir
