#include "platform/PathText.h"

namespace twindir::platform {

namespace {

// Calls visit(index) for the start of every character of text.
template <typename Visit>
void ForEachCharacter(std::string_view text, Visit visit) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    visit(i);
    if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ++i;
  }
}

}  // namespace

std::size_t LastBackslash(std::string_view path) {
  std::size_t found = std::string_view::npos;
  ForEachCharacter(path, [&](std::size_t i) {
    if (path[i] == '\\') found = i;
  });
  return found;
}

std::size_t LastSeparator(std::string_view path) {
  std::size_t found = std::string_view::npos;
  ForEachCharacter(path, [&](std::size_t i) {
    if (path[i] == '\\' || path[i] == ':') found = i;
  });
  return found;
}

std::string FolderOf(std::string_view file_path) {
  std::size_t slash = std::string_view::npos;
  bool keep = false;
  std::size_t previous = std::string_view::npos;  // start of the character before i
  ForEachCharacter(file_path, [&](std::size_t i) {
    if (file_path[i] == '\\') {
      slash = i;
      keep = previous != std::string_view::npos && i - previous == 1 &&
             (file_path[previous] == ':' || file_path[previous] == '\\');
    }
    previous = i;
  });
  if (slash == std::string_view::npos) return std::string(file_path);
  return std::string(file_path.substr(0, keep ? slash + 1 : slash));
}

std::string NameOf(std::string_view path) {
  const std::size_t sep = LastSeparator(path);
  return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path;
  path.reserve(folder.size() + 1 + name.size());
  path.append(folder).append(1, '\\').append(name);
  return path;
}

std::string MirrorPath(std::string_view path, char backup_drive_letter) {
  std::string mirror(path);
  if (!mirror.empty()) mirror[0] = backup_drive_letter;
  return mirror;
}

bool AsciiCaseEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  bool in_double_byte = false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (in_double_byte) {
      if (a[i] != b[i]) return false;
      in_double_byte = false;
      continue;
    }
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    in_double_byte = IsLeadByte(static_cast<unsigned char>(a[i]));
  }
  return true;
}

}  // namespace twindir::platform
