#pragma once
// Prints what the windows show as records, one `NAME=VALUE` line each.
//
// The program's texts are code page 932; records are UTF-8. A line feed,
// carriage return or tab in a value is printed as the two characters `\n`,
// `\r` or `\t` so that every record stays on one line; every other
// character, the backslash included, stands as it is, so that paths read as
// the program holds them.

#include <ostream>
#include <string>
#include <string_view>

namespace twindir::scenario {

// The escaping of a UTF-8 value.
[[nodiscard]] std::string EscapeValue(std::string_view utf8);

class RecordPrinter {
 public:
  explicit RecordPrinter(std::ostream& out) : out_(out) {}

  // A record whose name and value are the program's code page 932 texts;
  // bytes that are not code page 932 print as U+FFFD.
  void Print(std::string_view name, std::string_view cp932_value);

  // A record whose value is UTF-8 already (native file names, times).
  void PrintUtf8(std::string_view name, std::string_view utf8_value);

  // A line that is not a record (`ignored: Form1.Button2 disabled`).
  void PrintLine(std::string_view utf8_line);

 private:
  std::ostream& out_;
};

}  // namespace twindir::scenario
