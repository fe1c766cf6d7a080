#pragma once
// The sole-files-on-disk window: the files of one reference folder that its
// mirror folder lacks, one bare name a row, then a count row (or one message
// row), with the folder in Label2 and its folder grid row in the hidden
// Edit1. The user copies the selected file to the backup, deletes it from
// the hard disk, or steps to the previous or next registered folder; every
// action ends with a new sole-file search of the main window.

#include "engine/SoleFiles.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/StringGrid.h"
#include "windows/ProgramContext.h"

namespace twindir {

class TForm5 : public toolkit::Form {
 public:
  TForm5(toolkit::Application& application, ProgramContext& context);

  toolkit::StringGrid StringGrid1{*this, "StringGrid1"};
  toolkit::Label Label1{*this, "Label1"};     // "HDDの孤立ファイル"
  toolkit::Button Button1{*this, "Button1"};  // close
  toolkit::Button Button2{*this, "Button2"};  // copy to the backup
  toolkit::Button Button3{*this, "Button3"};  // delete from the hard disk
  toolkit::Label Label2{*this, "Label2"};     // the reference folder shown
  toolkit::Edit Edit1{*this, "Edit1"};        // hidden: its folder grid row
  toolkit::Button Button4{*this, "Button4"};  // ▲ previous folder
  toolkit::Button Button5{*this, "Button5"};  // ▼ next folder
  toolkit::Button Button6{*this, "Button6"};  // folder identity

  // The hard-disk-mode search's result: Edit1, Label1, Label2, the rows;
  // copy and delete disabled; the window shown and brought to the front.
  void ShowSoleFilesOnDisk(const engine::SoleFilesOnDisk& result);

  void FormCreate();
  void Button1Click();
  void StringGrid1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();

 private:
  // Edit1 + step, when that is a row of the folder grid: selects it there
  // (which lists it in the main window as a click would) and searches again.
  void StepFolder(int step);

  ProgramContext& context_;
};

}  // namespace twindir
