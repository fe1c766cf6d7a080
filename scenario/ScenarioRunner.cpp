#include "scenario/ScenarioRunner.h"

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/Cp932.h"
#include "scenario/ScenarioError.h"
#include "scenario/ScenarioFiles.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/Menu.h"
#include "toolkit/StringGrid.h"

namespace twindir::scenario {
namespace {

std::string ToCp932(std::string_view utf8, std::string_view what) {
  std::optional<std::string> cp932 = platform::Utf8ToCp932(utf8);
  if (!cp932)
    throw ScenarioError(std::string(what) + " cannot be written in code page 932: " + std::string(utf8));
  return std::move(*cp932);
}

std::string Name(const Target& target) {
  return target.control.empty() ? target.form : target.form + "." + target.control;
}

}  // namespace

ScenarioRunner::ScenarioRunner(ProgramStarter starter, Display* display, std::ostream& out)
    : starter_(std::move(starter)),
      display_(display),
      printer_(out),
      recorder_(printer_),
      dialogs_(&recorder_),
      application_(dialogs_) {
  if (display_) display_->Attach(application_);
}

ScenarioRunner::~ScenarioRunner() {
  if (display_) display_->Detach();
}

int ScenarioRunner::Run(std::string_view scenario, std::ostream& err) {
  int number = 0;
  for (const std::string_view line : SplitLines(scenario)) {
    ++number;
    std::optional<std::string> failure;
    try {
      const ParsedLine parsed = ParseLine(line);
      if (!parsed.ok()) throw ScenarioError(parsed.error);
      if (!parsed.command) continue;
      RunCommand(*parsed.command);
      if (display_) display_->Settle();
    } catch (const toolkit::UnansweredDialog& unanswered) {
      failure = unanswered.What();
    } catch (const std::exception& error) {
      // A ScenarioError, or an exception that escaped the program outside
      // a handler: either way this line could not run.
      failure = error.what();
    } catch (...) {
      failure = "an exception of an unknown type escaped";
    }
    if (failure) {
      err << "error: " << number << ": " << *failure << std::endl;
      return 2;
    }
    if (application_.Terminated()) {
      printer_.PrintUtf8("Application.Ended", "1");
      return 0;
    }
  }
  return 0;
}

void ScenarioRunner::RunCommand(const Command& command) {
  std::visit([this](const auto& c) { Run(c); }, command);
}

void ScenarioRunner::RequireNotStarted(std::string_view command) const {
  if (started_) throw ScenarioError(std::string(command) + " must come before start");
}

toolkit::Form& ScenarioRunner::FindForm(const std::string& name) const {
  if (!started_) throw ScenarioError("the program has not started");
  toolkit::Form* form = application_.FindForm(name);
  if (form == nullptr) throw ScenarioError("unknown window " + name);
  return *form;
}

toolkit::Component& ScenarioRunner::FindComponent(const Target& target) const {
  toolkit::Component* component = FindForm(target.form).FindComponent(target.control);
  if (component == nullptr) throw ScenarioError("unknown control " + Name(target));
  return *component;
}

const platform::DriveMap& ScenarioRunner::Drives() {
  if (drive_lines_) return drives_;
  if (!user_drives_) {
    const char* home = std::getenv("HOME");
    user_drives_ = platform::DriveMap::ForUser(home ? home : "/", std::filesystem::current_path().string());
  }
  return *user_drives_;
}

std::string ScenarioRunner::StartDirectory() {
  if (cwd_) return *cwd_;
  std::optional<std::string> here = Drives().ToDriveForm(std::filesystem::current_path().string());
  if (!here) throw ScenarioError("the runner's folder is on no drive: give a cwd line");
  return std::move(*here);
}

void ScenarioRunner::Run(const DriveCommand& command) {
  RequireNotStarted("drive");
  const std::filesystem::path root = std::filesystem::absolute(command.native_dir);
  std::error_code error;
  std::filesystem::create_directories(root, error);
  if (error) throw ScenarioError("cannot create " + root.string() + ": " + error.message());
  drives_.Map(command.letter, root.string());
  drive_lines_ = true;
}

void ScenarioRunner::Run(const CwdCommand& command) {
  RequireNotStarted("cwd");
  cwd_ = ToCp932(command.path, "the path");
}

void ScenarioRunner::Run(const StartCommand&) {
  if (started_) throw ScenarioError("the program has started already");
  linux_files_ = std::make_unique<platform::LinuxFileSystem>(Drives(), StartDirectory());
  files_ = std::make_unique<FreeSpaceOverride>(*linux_files_, free_bytes_);
  started_ = true;
  try {
    program_ = starter_(application_, ProgramServices{*files_, clock_, name_order_});
  } catch (const std::exception& error) {
    // What the program does with an exception from window creation: show
    // it and end.
    application_.ShowException(error);
    application_.Terminate();
  }
}

void ScenarioRunner::Run(const ClickCommand& command) {
  toolkit::Component& component = FindComponent(command.target);
  if (auto* control = dynamic_cast<toolkit::Control*>(&component)) {
    if (!control->Enabled()) {
      PrintIgnored(command.target);
      return;
    }
    control->UserClick();
  } else if (auto* item = dynamic_cast<toolkit::MenuItem*>(&component)) {
    if (!item->Enabled()) {
      PrintIgnored(command.target);
      return;
    }
    item->UserClick();
  } else {
    throw ScenarioError(Name(command.target) + " cannot be clicked");
  }
}

void ScenarioRunner::Run(const SelectCommand& command) {
  auto* grid = dynamic_cast<toolkit::StringGrid*>(&FindComponent(command.grid));
  if (grid == nullptr) throw ScenarioError(Name(command.grid) + " is not a string grid");
  if (!grid->Enabled()) {
    PrintIgnored(command.grid);
    return;
  }
  if (command.row >= grid->RowCount()) {
    throw ScenarioError(Name(command.grid) + " has no row " + std::to_string(command.row) + " (" +
                        std::to_string(grid->RowCount()) + " rows)");
  }
  grid->UserSelectRow(command.row);
}

void ScenarioRunner::Run(const AnswerCommand& command) {
  dialogs_.QueueAnswer(command.answer == Answer::Ok ? toolkit::ModalResult::OK
                                                    : toolkit::ModalResult::Cancel);
}

void ScenarioRunner::Run(const ChooseCommand& command) {
  if (command.paths.empty()) {
    dialogs_.QueueOpenResult(std::nullopt);
    return;
  }
  std::vector<std::string> paths;
  for (const std::string& path : command.paths) paths.push_back(ToCp932(path, "the path"));
  dialogs_.QueueOpenResult(std::move(paths));
}

void ScenarioRunner::Run(const CloseCommand& command) { FindForm(command.form).Close(); }

void ScenarioRunner::PrintIgnored(const Target& target) {
  printer_.PrintLine("ignored: " + Name(target) + " disabled");
}

void ScenarioRunner::Run(const DumpCommand& command) {
  const toolkit::PropertyVisitor print = [this](std::string_view name, std::string_view value) {
    printer_.Print(name, value);
  };
  const toolkit::Form& form = FindForm(command.target.form);
  if (command.target.control.empty()) {
    form.ListProperties(print);
  } else if (const toolkit::Component* component = form.FindComponent(command.target.control)) {
    component->ListProperties(print);
  } else {
    DumpProperty(form, command.target);
  }
}

// `dump Form1.Button3.Caption`, `dump Form1.Caption`: the records of that
// name, and for a name without an index all its indexed records
// (`Cells` gives every `Cells[C,R]`). An indexed record that is not listed
// is empty (a grid lists no empty cell), so it prints with an empty value.
void ScenarioRunner::DumpProperty(const toolkit::Form& form, const Target& target) {
  const std::string wanted = Name(target);
  const std::string wanted_indexed = wanted + "[";
  bool found = false;
  const toolkit::PropertyVisitor print = [&](std::string_view name, std::string_view value) {
    if (name == wanted || name.starts_with(wanted_indexed)) {
      printer_.Print(name, value);
      found = true;
    }
  };
  const std::size_t dot = target.control.find('.');
  if (dot == std::string::npos) {
    form.ListProperties(print);
  } else {
    const std::string component_name = target.control.substr(0, dot);
    const toolkit::Component* component = form.FindComponent(component_name);
    if (component == nullptr) throw ScenarioError("unknown control " + target.form + "." + component_name);
    component->ListProperties(print);
  }
  if (found) return;
  if (!wanted.ends_with("]")) throw ScenarioError("unknown control or property " + wanted);
  printer_.PrintUtf8(wanted, "");
}

void ScenarioRunner::Run(const ShotCommand& command) {
  if (display_ == nullptr) throw ScenarioError("shot needs --qt");
  toolkit::Form& form = FindForm(command.form);
  const std::filesystem::path folder = std::filesystem::path(command.file).parent_path();
  std::error_code error;
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (error) throw ScenarioError("cannot create " + folder.string() + ": " + error.message());
  display_->SaveShot(form, command.file);
}

void ScenarioRunner::Run(const MkdirCommand& command) { ScenarioFiles(Drives()).MakeFolder(command.path); }

void ScenarioRunner::Run(const FileCommand& command) {
  ScenarioFiles(Drives()).MakeFile(command.path, ToCp932(command.text, "the text"), command.time);
}

void ScenarioRunner::Run(const LineCommand& command) {
  ScenarioFiles(Drives()).AppendToFile(command.path, ToCp932(command.text, "the text") + "\r\n");
}

void ScenarioRunner::Run(const ClockCommand& command) {
  const DateTime& t = command.time;
  clock_.Fix(platform::LocalTime{t.year, t.month, t.day, t.hour, t.minute, t.second});
}

void ScenarioRunner::Run(const FreeSpaceCommand& command) { free_bytes_[command.letter] = command.bytes; }

void ScenarioRunner::Run(const LsCommand& command) {
  ScenarioFiles(Drives()).PrintListing(command.path, printer_);
}

void ScenarioRunner::Run(const CatCommand& command) {
  ScenarioFiles(Drives()).PrintContents(command.path, printer_);
}

}  // namespace twindir::scenario
