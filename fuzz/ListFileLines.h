#pragma once
// The lines of a list file as a user reads them, written down apart from
// the loader so that checks of the loader do not take its word: a line
// ends at LF, a CR just before the LF belongs to the line end, a last line
// needs none.

#include <string>
#include <string_view>
#include <vector>

namespace twindir::fuzz {

inline std::vector<std::string> ListFileLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    std::string_view line = bytes.substr(0, lf);
    if (lf != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    lines.emplace_back(line);
    bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
  }
  return lines;
}

}  // namespace twindir::fuzz
