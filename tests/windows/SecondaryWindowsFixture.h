#pragma once
// The program's eight windows over temporary drives C (the hard disk) and H
// (the backup drive, whose root is the current directory holding the list
// file), with scripted message boxes and file dialogs. Paths and texts in
// the tests are UTF-8; the fixture converts them to code page 932.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/NameOrder.h"
#include "tests/support/MediumFaults.h"
#include "tests/support/TempDrives.h"
#include "toolkit/Application.h"
#include "toolkit/ScriptedDialogs.h"
#include "toolkit/StringGrid.h"
#include "windows/Program.h"
#include "windows/ProgramContext.h"
#include "windows/Unit1.h"
#include "windows/Unit4.h"
#include "windows/Unit5.h"
#include "windows/Unit6.h"
#include "windows/Unit7.h"

namespace twindir::testing {

// The code page 932 bytes of a UTF-8 text, and back for failure messages.
inline std::string Cp(std::string_view utf8) { return test_support::Sjis(utf8); }
inline std::string Utf8(std::string_view cp932) { return platform::Cp932ToUtf8Lossy(cp932); }

// A message box as it opened, in UTF-8.
struct Box {
  std::string caption;
  std::string text;
  toolkit::MessageButtons buttons = toolkit::MessageButtons::OK;
  friend bool operator==(const Box&, const Box&) = default;
};

inline void PrintTo(const Box& box, std::ostream* os) {
  *os << "{\"" << box.caption << "\", \"" << box.text << "\", " << ToString(box.buttons) << "}";
}

class BoxRecorder : public toolkit::DialogObserver {
 public:
  std::vector<Box> boxes;
  int open_dialogs = 0;
  std::vector<std::string> errors;  // error box texts, UTF-8

  void MessageBoxOpened(const toolkit::MessageBoxRequest& request) override {
    boxes.push_back({Utf8(request.caption), Utf8(request.text), request.buttons});
  }
  void MessageBoxAnswered(toolkit::ModalResult) override {}
  void OpenDialogOpened(const toolkit::OpenDialogRequest&) override { ++open_dialogs; }
  void OpenDialogAnswered(const toolkit::OpenDialogResult&) override {}
  void ErrorBoxShown(std::string_view, std::string_view text) override {
    errors.push_back(Utf8(text));
  }
};

class FixedClock : public platform::Clock {
 public:
  platform::LocalTime Now() override { return {2004, 9, 13, 8, 5, 9}; }
};

class SecondaryWindowsTest : public ::testing::Test {
 protected:
  static constexpr std::string_view kListFile = "H:\\TWINDIR.DAT";
  static constexpr platform::FileTime kT0 = 127'395'363'090'000'000;  // 2004-09-13 08:05:09 UTC
  static constexpr platform::FileTime kSecond = 10'000'000;

  test_support::MediumFaults sys_;
  test_support::TempDrives drives_{
      {.letters = "CH", .current_directory = "H:\\", .syscalls = &sys_}};
  platform::NameOrder order_{"ja"};
  FixedClock clock_;
  BoxRecorder recorder_;
  toolkit::ScriptedDialogs dialogs_{&recorder_};
  toolkit::Application app_{dialogs_};
  ProgramContext context_{drives_.fs(), clock_, order_};

  // Writes the list file with these folders, one a line, and starts the
  // program's windows.
  void Start(const std::vector<std::string_view>& folders) {
    std::string list;
    for (std::string_view folder : folders) list += Cp(folder) + "\r\n";
    drives_.WriteFile(kListFile, list);
    StartProgram(app_, context_);
  }

  TForm1& Main() { return *context_.Form1; }
  TForm4& Form4() { return *context_.Form4; }
  TForm5& Form5() { return *context_.Form5; }
  TForm6& Form6() { return *context_.Form6; }
  TForm7& Form7() { return *context_.Form7; }

  // The user's actions.
  static void Click(toolkit::Control& control) { control.UserClick(); }
  static void Select(toolkit::StringGrid& grid, int row) { grid.UserSelectRow(row); }
  void Answer(toolkit::ModalResult answer) { dialogs_.QueueAnswer(answer); }
  void Choose(std::string_view utf8_path) {
    dialogs_.QueueOpenResult(std::vector<std::string>{Cp(utf8_path)});
  }
  // The update run, which opens the undefined-folder windows.
  void Update() { Click(Main().LumoBtn1); }
  // The sole-file search on the side given: the folder grid's selected
  // folder (hard disk) or every pair (backup).
  void SearchOnDisk(int folder_row) {
    Select(Main().StringGrid1, folder_row);
    Main().CheckBox1.SetChecked(true);
    Main().Button4Click();
  }
  void SearchInBackup() {
    Main().CheckBox1.SetChecked(false);
    Main().Button4Click();
  }

  // Column 0 of a grid, row by row, in UTF-8.
  static std::vector<std::string> Rows(const toolkit::StringGrid& grid) {
    std::vector<std::string> rows;
    for (int row = 0; row < grid.RowCount(); ++row) rows.push_back(Utf8(grid.Cells(0, row)));
    return rows;
  }

  // Files on the drives, by UTF-8 drive-form paths.
  void Write(std::string_view path, std::string_view contents, platform::FileTime time) {
    drives_.MakeFolder(path.substr(0, path.rfind('\\') + 1));
    drives_.WriteFile(path, contents, time);
  }
  void MakeFolder(std::string_view path) { drives_.MakeFolder(path); }
  bool IsFile(std::string_view path) { return drives_.fs().FileExists(Cp(path)); }
  bool IsFolder(std::string_view path) { return drives_.fs().DirectoryExists(Cp(path)); }
  std::string ContentsOf(std::string_view path) const { return drives_.ReadFile(path); }
  platform::FileTime TimeOf(std::string_view path) const { return drives_.ReadTime(path); }
  // The list file's lines, in UTF-8.
  std::vector<std::string> ListFileLines() const {
    std::vector<std::string> lines;
    const std::string bytes = drives_.ReadFile(kListFile);
    for (std::size_t start = 0; start < bytes.size();) {
      const std::size_t end = bytes.find("\r\n", start);
      lines.push_back(Utf8(bytes.substr(start, end - start)));
      if (end == std::string::npos) break;
      start = end + 2;
    }
    return lines;
  }
};

}  // namespace twindir::testing
