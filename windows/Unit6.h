#pragma once
// The undefined-hard-disk-folders window: the registered folders whose
// reference folder is not a directory, one a row, then the summary row
// (which begins with a blank). For the selected folder the user registers
// another folder in its place (Dir Set), unregisters it (Dir Del), or
// creates it and copies its mirror folder's files into it (Dir Create).

#include "engine/UpdateRun.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/StringGrid.h"
#include "windows/ProgramContext.h"

namespace twindir {

class TForm6 : public toolkit::Form {
 public:
  TForm6(toolkit::Application& application, ProgramContext& context);

  toolkit::Label Label1{*this, "Label1"};
  toolkit::StringGrid StringGrid1{*this, "StringGrid1"};
  toolkit::Button Button1{*this, "Button1"};  // close
  toolkit::Button Button2{*this, "Button2"};  // Dir Set
  toolkit::Button Button3{*this, "Button3"};  // Dir Del
  toolkit::Button Button4{*this, "Button4"};  // Dir Create
  toolkit::OpenDialog OpenDialog1{*this, "OpenDialog1"};

  // The update run's fill: the rows, row 0 selected, the action buttons
  // disabled (also when row 0 is a folder: the user selects before acting),
  // the window shown.
  void ShowUndefinedFolders(const engine::UndefinedFolders& folders);

  void FormCreate();
  void Button1Click();
  void StringGrid1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();

 private:
  // The folders missing on the hard disk now, into the grid.
  void RecountMissingFolders();
  void DisableActions();

  ProgramContext& context_;
};

}  // namespace twindir
