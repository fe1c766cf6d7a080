#include "scenario/RecordPrinter.h"

#include "platform/Cp932.h"

namespace twindir::scenario {

std::string EscapeValue(std::string_view utf8) {
  std::string escaped;
  escaped.reserve(utf8.size());
  for (const char c : utf8) {
    switch (c) {
      case '\n':
        escaped += "\\n";
        break;
      case '\r':
        escaped += "\\r";
        break;
      case '\t':
        escaped += "\\t";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

void RecordPrinter::Print(std::string_view name, std::string_view cp932_value) {
  PrintUtf8(platform::Cp932ToUtf8Lossy(name), platform::Cp932ToUtf8Lossy(cp932_value));
}

void RecordPrinter::PrintUtf8(std::string_view name, std::string_view utf8_value) {
  // Flushed at once, so that the records before a failure are never lost.
  out_ << EscapeValue(name) << '=' << EscapeValue(utf8_value) << std::endl;
}

void RecordPrinter::PrintLine(std::string_view utf8_line) { out_ << EscapeValue(utf8_line) << std::endl; }

}  // namespace twindir::scenario
