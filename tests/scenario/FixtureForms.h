#pragma once
// Two small windows made of toolkit controls, for testing the scenario
// runner apart from the program's own windows. Every handler writes what
// it saw into Form1.Label1, so that a dump of that label shows whether and
// how it ran.

#include <memory>

#include "scenario/ProgramStarter.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"
#include "toolkit/Menu.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/StringGrid.h"

namespace twindir::scenario::fixture {

class FixtureForm2 : public toolkit::Form {
 public:
  explicit FixtureForm2(toolkit::Application& application);

  toolkit::Memo Memo1{*this, "Memo1"};
  toolkit::Button Button1{*this, "Button1"};  // hides this window
};

class FixtureForm1 : public toolkit::Form {
 public:
  FixtureForm1(toolkit::Application& application, const ProgramServices& services);

  toolkit::MainMenu MainMenu1{*this, "MainMenu1"};
  toolkit::MenuItem File1{MainMenu1, "File1"};
  toolkit::MenuItem QuitQ1{File1, "QuitQ1"};              // closes this window
  toolkit::MenuItem Disabled1{File1, "Disabled1"};        // disabled
  toolkit::Label Label1{*this, "Label1"};                 // what the last handler saw
  toolkit::Button Button1{*this, "Button1"};              // counts its clicks
  toolkit::Button Button2{*this, "Button2"};              // disabled
  toolkit::CheckBox CheckBox1{*this, "CheckBox1"};        // shows its state
  toolkit::StringGrid StringGrid1{*this, "StringGrid1"};  // counts clicks per row
  toolkit::Button Button3{*this, "Button3"};              // OK and Cancel box
  toolkit::Button Button4{*this, "Button4"};              // file-open dialog
  toolkit::Button Button5{*this, "Button5"};              // throws
  toolkit::Button Button6{*this, "Button6"};              // writes the services' view to a file
  toolkit::Button Button7{*this, "Button7"};              // a box with only OK
  toolkit::Button Button8{*this, "Button8"};              // shows Form2
  toolkit::OpenDialog OpenDialog1{*this, "OpenDialog1"};

 private:
  void Report(std::string text) { Label1.SetCaption(std::move(text)); }
  void WriteServicesFile();

  ProgramServices services_;
  int button1_clicks_ = 0;
  int grid_clicks_ = 0;
};

// Creates Form1 and Form2 and shows Form1, as a program's start-up would.
// A cwd of `X:\FAIL` makes Form1's creation throw, as a broken start-up.
std::unique_ptr<StartedProgram> StartFixture(toolkit::Application& application,
                                             const ProgramServices& services);

}  // namespace twindir::scenario::fixture
