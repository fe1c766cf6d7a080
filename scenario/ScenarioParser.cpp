#include "scenario/ScenarioParser.h"

#include <charconv>
#include <functional>
#include <utility>

namespace twindir::scenario {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads a line word by word; the last argument of a command may take the
// whole rest of the line instead.
class Words {
 public:
  explicit Words(std::string_view line) : rest_(line) { SkipBlanks(); }

  [[nodiscard]] bool AtEnd() const { return rest_.empty(); }

  std::string_view Next() {
    std::size_t end = 0;
    while (end < rest_.size() && !IsBlank(rest_[end])) ++end;
    std::string_view word = rest_.substr(0, end);
    rest_.remove_prefix(end);
    SkipBlanks();
    return word;
  }

  // A word, or a text in double quotes that may hold blanks (a path that
  // is not the last argument). nullopt for an unclosed quote.
  std::optional<std::string_view> NextMaybeQuoted() {
    if (rest_.empty() || rest_.front() != '"') return Next();
    const std::size_t close = rest_.find('"', 1);
    if (close == std::string_view::npos) return std::nullopt;
    if (close + 1 < rest_.size() && !IsBlank(rest_[close + 1])) return std::nullopt;
    std::string_view word = rest_.substr(1, close - 1);
    rest_.remove_prefix(close + 1);
    SkipBlanks();
    return word;
  }

  std::string_view Rest() {
    std::string_view rest = rest_;
    rest_ = {};
    return rest;
  }

 private:
  void SkipBlanks() {
    while (!rest_.empty() && IsBlank(rest_.front())) rest_.remove_prefix(1);
  }

  std::string_view rest_;
};

ParsedLine Fail(std::string reason) { return ParsedLine{std::nullopt, std::move(reason)}; }
ParsedLine Ok(Command command) { return ParsedLine{std::move(command), {}}; }

std::optional<Target> ParseTarget(std::string_view text) {
  const std::size_t dot = text.find('.');
  if (dot == std::string_view::npos) {
    if (text.empty()) return std::nullopt;
    return Target{std::string(text), {}};
  }
  if (dot == 0 || dot + 1 == text.size()) return std::nullopt;
  return Target{std::string(text.substr(0, dot)), std::string(text.substr(dot + 1))};
}

std::optional<char> ParseDriveLetter(std::string_view text) {
  if (text.size() != 1) return std::nullopt;
  const char c = text.front();
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') return c;
  return std::nullopt;
}

template <typename T>
std::optional<T> ParseUnsigned(std::string_view text) {
  T value{};
  if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Each command's arguments, after its name has been read.
using ArgumentParser = std::function<ParsedLine(Words&)>;

ParsedLine ExpectEnd(Words& words, Command command) {
  if (!words.AtEnd()) return Fail("unexpected argument \"" + std::string(words.Rest()) + "\"");
  return Ok(std::move(command));
}

ParsedLine ParseDrive(Words& words) {
  const auto letter = ParseDriveLetter(words.Next());
  if (!letter) return Fail("drive needs a drive letter and a folder");
  const std::string_view dir = words.Rest();
  if (dir.empty()) return Fail("drive needs a drive letter and a folder");
  return Ok(DriveCommand{*letter, std::string(dir)});
}

// A command whose one argument is a path running to the end of the line.
template <typename T>
ArgumentParser PathCommand(const char* what) {
  return [what](Words& words) {
    const std::string_view path = words.Rest();
    if (path.empty()) return Fail(std::string(what) + " needs a path");
    return Ok(T{std::string(path)});
  };
}

ParsedLine ParseStart(Words& words) { return ExpectEnd(words, StartCommand{}); }

ParsedLine ParseClick(Words& words) {
  const auto target = ParseTarget(words.Next());
  if (!target || target->control.empty()) return Fail("click needs FORM.CONTROL");
  return ExpectEnd(words, ClickCommand{*target});
}

ParsedLine ParseSelect(Words& words) {
  const auto grid = ParseTarget(words.Next());
  if (!grid || grid->control.empty()) return Fail("select needs FORM.GRID and a row");
  const auto row = ParseUnsigned<int>(words.Next());
  if (!row) return Fail("select needs a row number");
  return ExpectEnd(words, SelectCommand{*grid, *row});
}

ParsedLine ParseAnswer(Words& words) {
  const std::string_view word = words.Next();
  if (word == "OK") return ExpectEnd(words, AnswerCommand{Answer::Ok});
  if (word == "Cancel") return ExpectEnd(words, AnswerCommand{Answer::Cancel});
  return Fail("answer needs OK or Cancel");
}

// `choose A | B | C`: the files are separated by a blank, a bar and a blank;
// `choose cancel` is a cancelled dialog.
ParsedLine ParseChoose(Words& words) {
  const std::string_view rest = words.Rest();
  if (rest.empty()) return Fail("choose needs a path or cancel");
  if (rest == "cancel") return Ok(ChooseCommand{});
  ChooseCommand command;
  constexpr std::string_view kSeparator = " | ";
  std::size_t begin = 0;
  while (true) {
    const std::size_t end = rest.find(kSeparator, begin);
    const std::string_view path = rest.substr(begin, end - begin);
    if (path.empty()) return Fail("choose has an empty path");
    command.paths.emplace_back(path);
    if (end == std::string_view::npos) break;
    begin = end + kSeparator.size();
  }
  return Ok(std::move(command));
}

ParsedLine ParseClose(Words& words) {
  const auto target = ParseTarget(words.Next());
  if (!target || !target->control.empty()) return Fail("close needs a window name");
  return ExpectEnd(words, CloseCommand{target->form});
}

ParsedLine ParseDump(Words& words) {
  const auto target = ParseTarget(words.Next());
  if (!target) return Fail("dump needs FORM or FORM.CONTROL");
  return ExpectEnd(words, DumpCommand{*target});
}

ParsedLine ParseShot(Words& words) {
  const auto target = ParseTarget(words.Next());
  if (!target || !target->control.empty()) return Fail("shot needs a window name and a file");
  const std::string_view file = words.Rest();
  if (file.empty()) return Fail("shot needs a window name and a file");
  return Ok(ShotCommand{target->form, std::string(file)});
}

ParsedLine ParseFile(Words& words) {
  const auto path = words.NextMaybeQuoted();
  if (!path || path->empty()) return Fail("file needs a path and a time");
  const auto time = ParseDateTime(words.Next());
  if (!time) return Fail("file needs a time like 2026-01-02T03:04:05");
  return Ok(FileCommand{std::string(*path), *time, std::string(words.Rest())});
}

ParsedLine ParseLineCommand(Words& words) {
  const auto path = words.NextMaybeQuoted();
  if (!path || path->empty()) return Fail("line needs a path");
  return Ok(LineCommand{std::string(*path), std::string(words.Rest())});
}

ParsedLine ParseClock(Words& words) {
  const auto time = ParseDateTime(words.Next());
  if (!time) return Fail("clock needs a time like 2026-01-02T03:04:05");
  return ExpectEnd(words, ClockCommand{*time});
}

ParsedLine ParseFreeSpace(Words& words) {
  const auto letter = ParseDriveLetter(words.Next());
  if (!letter) return Fail("freespace needs a drive letter and a number of bytes");
  const auto bytes = ParseUnsigned<std::uint64_t>(words.Next());
  if (!bytes) return Fail("freespace needs a drive letter and a number of bytes");
  return ExpectEnd(words, FreeSpaceCommand{*letter, *bytes});
}

const std::pair<std::string_view, ArgumentParser> kCommands[] = {
    {"drive", ParseDrive},
    {"cwd", PathCommand<CwdCommand>("cwd")},
    {"start", ParseStart},
    {"click", ParseClick},
    {"select", ParseSelect},
    {"answer", ParseAnswer},
    {"choose", ParseChoose},
    {"close", ParseClose},
    {"dump", ParseDump},
    {"shot", ParseShot},
    {"mkdir", PathCommand<MkdirCommand>("mkdir")},
    {"file", ParseFile},
    {"line", ParseLineCommand},
    {"clock", ParseClock},
    {"freespace", ParseFreeSpace},
    {"ls", PathCommand<LsCommand>("ls")},
    {"cat", PathCommand<CatCommand>("cat")},
};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Exactly `digits` decimal digits at text[at...].
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t digits) {
  if (at + digits > text.size()) return std::nullopt;
  return ParseUnsigned<int>(text.substr(at, digits));
}

}  // namespace

std::optional<DateTime> ParseDateTime(std::string_view text) {
  // 2026-01-02T03:04:05
  // 0123456789012345678
  constexpr std::size_t kBaseLength = 19;
  if (text.size() < kBaseLength || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':') {
    return std::nullopt;
  }
  DateTime time;
  const auto year = Digits(text, 0, 4);
  const auto month = Digits(text, 5, 2);
  const auto day = Digits(text, 8, 2);
  const auto hour = Digits(text, 11, 2);
  const auto minute = Digits(text, 14, 2);
  const auto second = Digits(text, 17, 2);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month) || *hour > 23 ||
      *minute > 59 || *second > 59) {
    return std::nullopt;
  }
  time.year = *year;
  time.month = *month;
  time.day = *day;
  time.hour = *hour;
  time.minute = *minute;
  time.second = *second;
  if (text.size() == kBaseLength) return time;
  const std::string_view fraction = text.substr(kBaseLength + 1);
  if (text[kBaseLength] != '.' || fraction.empty() || fraction.size() > 9) return std::nullopt;
  const auto digits = ParseUnsigned<int>(fraction);
  if (!digits) return std::nullopt;
  int nanosecond = *digits;
  for (std::size_t i = fraction.size(); i < 9; ++i) nanosecond *= 10;
  time.nanosecond = nanosecond;
  return time;
}

ParsedLine ParseLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  Words words(line);
  if (words.AtEnd()) return {};
  const std::string_view name = words.Next();
  if (name.front() == '#') return {};
  for (const auto& [command, parse] : kCommands) {
    if (command == name) return parse(words);
  }
  return Fail("unknown command \"" + std::string(name) + "\"");
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
      lines.push_back(text);
      break;
    }
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace twindir::scenario
