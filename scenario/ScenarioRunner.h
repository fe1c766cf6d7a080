#pragma once
// Plays a scenario against the program's windows: each line is parsed when
// it is reached and run at once, so that the records of the lines before a
// failing one stay printed and nothing after the program's end is read.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/DriveMap.h"
#include "platform/LinuxFileSystem.h"
#include "platform/NameOrder.h"
#include "scenario/DialogRecorder.h"
#include "scenario/Display.h"
#include "scenario/FreeSpaceOverride.h"
#include "scenario/ProgramStarter.h"
#include "scenario/RecordPrinter.h"
#include "scenario/ScenarioClock.h"
#include "scenario/ScenarioParser.h"
#include "toolkit/Application.h"
#include "toolkit/ScriptedDialogs.h"

namespace twindir::scenario {

class ScenarioRunner {
 public:
  // display is nullptr for a headless run.
  ScenarioRunner(ProgramStarter starter, Display* display, std::ostream& out);
  ~ScenarioRunner();
  ScenarioRunner(const ScenarioRunner&) = delete;
  ScenarioRunner& operator=(const ScenarioRunner&) = delete;

  // Runs every line; returns 0, or 2 after writing `error: LINE: reason`
  // to err for the first line that cannot run.
  int Run(std::string_view scenario, std::ostream& err);

 private:
  void RunCommand(const Command& command);
  void Run(const DriveCommand& command);
  void Run(const CwdCommand& command);
  void Run(const StartCommand& command);
  void Run(const ClickCommand& command);
  void Run(const SelectCommand& command);
  void Run(const AnswerCommand& command);
  void Run(const ChooseCommand& command);
  void Run(const CloseCommand& command);
  void Run(const DumpCommand& command);
  void Run(const ShotCommand& command);
  void Run(const MkdirCommand& command);
  void Run(const FileCommand& command);
  void Run(const LineCommand& command);
  void Run(const ClockCommand& command);
  void Run(const FreeSpaceCommand& command);
  void Run(const LsCommand& command);
  void Run(const CatCommand& command);

  void PrintIgnored(const Target& target);
  void DumpProperty(const toolkit::Form& form, const Target& target);
  void RequireNotStarted(std::string_view command) const;
  toolkit::Form& FindForm(const std::string& name) const;
  toolkit::Component& FindComponent(const Target& target) const;
  // The drives of the `drive` lines so far, or the user's drives when
  // there are none.
  [[nodiscard]] const platform::DriveMap& Drives();
  // The program's current directory: the `cwd` line, or the runner's own
  // directory in drive form.
  [[nodiscard]] std::string StartDirectory();

  ProgramStarter starter_;
  Display* display_;
  RecordPrinter printer_;
  DialogRecorder recorder_;
  toolkit::ScriptedDialogs dialogs_;
  toolkit::Application application_;

  platform::DriveMap drives_;
  bool drive_lines_ = false;
  std::optional<platform::DriveMap> user_drives_;
  std::optional<std::string> cwd_;  // code page 932
  std::map<char, std::uint64_t> free_bytes_;
  ScenarioClock clock_;
  platform::NameOrder name_order_;

  // Made by `start`.
  std::unique_ptr<platform::LinuxFileSystem> linux_files_;
  std::unique_ptr<FreeSpaceOverride> files_;
  std::unique_ptr<StartedProgram> program_;
  bool started_ = false;
};

}  // namespace twindir::scenario
