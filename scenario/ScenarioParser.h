#pragma once
// Scenario lines to commands, with no knowledge of the windows.
//
// One command a line. Arguments are separated by one or more blanks (space
// or tab); a path or text argument that comes last runs to the end of the
// line, blanks included, so `cwd C:\My Documents` names one folder. The
// texts stay UTF-8 as written: converting them to code page 932 is the
// runner's job, which can report a text that code page 932 cannot hold.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace twindir::scenario {

// `Form1` or `Form1.Button3`; control is empty for a whole window.
struct Target {
  std::string form;
  std::string control;
  friend bool operator==(const Target&, const Target&) = default;
};

// A date and time as written, `2026-01-02T03:04:05` with an optional
// fraction of up to nine digits.
struct DateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int nanosecond = 0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

struct DriveCommand {
  char letter = 0;  // upper case
  std::string native_dir;
  friend bool operator==(const DriveCommand&, const DriveCommand&) = default;
};
struct CwdCommand {
  std::string path;
  friend bool operator==(const CwdCommand&, const CwdCommand&) = default;
};
struct StartCommand {
  friend bool operator==(const StartCommand&, const StartCommand&) = default;
};
struct ClickCommand {
  Target target;
  friend bool operator==(const ClickCommand&, const ClickCommand&) = default;
};
struct SelectCommand {
  Target grid;
  int row = 0;
  friend bool operator==(const SelectCommand&, const SelectCommand&) = default;
};
enum class Answer { Ok, Cancel };
struct AnswerCommand {
  Answer answer = Answer::Ok;
  friend bool operator==(const AnswerCommand&, const AnswerCommand&) = default;
};
// The files of a file-open dialog; none for a cancelled dialog.
struct ChooseCommand {
  std::vector<std::string> paths;
  friend bool operator==(const ChooseCommand&, const ChooseCommand&) = default;
};
struct CloseCommand {
  std::string form;
  friend bool operator==(const CloseCommand&, const CloseCommand&) = default;
};
struct DumpCommand {
  Target target;
  friend bool operator==(const DumpCommand&, const DumpCommand&) = default;
};
struct ShotCommand {
  std::string form;
  std::string file;
  friend bool operator==(const ShotCommand&, const ShotCommand&) = default;
};

// Commands of the scenario files' own set-up and checks.
struct MkdirCommand {
  std::string path;
  friend bool operator==(const MkdirCommand&, const MkdirCommand&) = default;
};
struct FileCommand {
  std::string path;
  DateTime time;  // UTC
  std::string text;
  friend bool operator==(const FileCommand&, const FileCommand&) = default;
};
struct LineCommand {
  std::string path;
  std::string text;
  friend bool operator==(const LineCommand&, const LineCommand&) = default;
};
struct ClockCommand {
  DateTime time;  // local
  friend bool operator==(const ClockCommand&, const ClockCommand&) = default;
};
struct FreeSpaceCommand {
  char letter = 0;  // upper case
  std::uint64_t bytes = 0;
  friend bool operator==(const FreeSpaceCommand&, const FreeSpaceCommand&) = default;
};
struct LsCommand {
  std::string path;
  friend bool operator==(const LsCommand&, const LsCommand&) = default;
};
struct CatCommand {
  std::string path;
  friend bool operator==(const CatCommand&, const CatCommand&) = default;
};

using Command =
    std::variant<DriveCommand, CwdCommand, StartCommand, ClickCommand, SelectCommand, AnswerCommand,
                 ChooseCommand, CloseCommand, DumpCommand, ShotCommand, MkdirCommand, FileCommand,
                 LineCommand, ClockCommand, FreeSpaceCommand, LsCommand, CatCommand>;

// What one line holds: nothing (blank or comment), a command, or the reason
// it is not one.
struct ParsedLine {
  std::optional<Command> command;
  std::string error;  // empty unless the line is not a command
  [[nodiscard]] bool ok() const { return error.empty(); }
};

// Parses one line, without its line end (a trailing carriage return, from
// a file with CR LF line ends, is dropped).
[[nodiscard]] ParsedLine ParseLine(std::string_view line);

// Splits a scenario text into its lines: after each line feed, and the last
// line when it has none.
[[nodiscard]] std::vector<std::string_view> SplitLines(std::string_view text);

// `2026-01-02T03:04:05[.nnnnnnnnn]`, checked for a real calendar date.
[[nodiscard]] std::optional<DateTime> ParseDateTime(std::string_view text);

}  // namespace twindir::scenario
