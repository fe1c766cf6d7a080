#pragma once
// Path arithmetic on code page 932 byte strings, apart from any I/O.
//
// Paths are drive form (`C:\Mydir\Sample`) byte strings of code page 932.
// A double-byte character can carry a trail byte of 0x5C, the backslash
// (`ソ` is 83 5C), or of an ASCII letter (`ア` is 83 41), so every scan
// here walks the string character by character: a backslash or a letter is
// looked at only where a character starts.
//
// A folder path has no trailing backslash except at a drive root (`C:\`).
// A file path is its folder, a backslash and its name; joining does not look
// at the folder's last character, so a root gives a doubled backslash, which
// the file services read as one.

#include <cstddef>
#include <string>
#include <string_view>

namespace twindir::platform {

// True for the first byte of a double-byte character of code page 932.
[[nodiscard]] constexpr bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// ASCII letters and their case, whatever the locale. A trail byte of code
// page 932 can look like a letter (`ア` is 83 41): fold only bytes that
// start a character.
[[nodiscard]] constexpr bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
[[nodiscard]] constexpr char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
[[nodiscard]] constexpr char AsciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Index of the last backslash that is a character of its own, or npos.
[[nodiscard]] std::size_t LastBackslash(std::string_view path);

// Index of the last backslash or colon that is a character of its own, or npos.
[[nodiscard]] std::size_t LastSeparator(std::string_view path);

// The folder of a file path: everything before its last backslash, keeping
// that backslash when the folder is a drive root or the character before it
// is another backslash (`C:\Mydir\a.txt` gives `C:\Mydir`, `C:\a.txt`
// gives `C:\`). A path without a backslash gives itself.
[[nodiscard]] std::string FolderOf(std::string_view file_path);

// The name part of a path: the text after its last backslash or colon.
[[nodiscard]] std::string NameOf(std::string_view path);

// folder + "\" + name.
[[nodiscard]] std::string JoinPath(std::string_view folder, std::string_view name);

// The backup counterpart of a hard-disk path: the same path with its first
// byte replaced by the backup drive letter. An empty path stays empty.
[[nodiscard]] std::string MirrorPath(std::string_view path, char backup_drive_letter);

// Equal when the two texts differ only in the case of single-byte ASCII
// letters. Trail bytes of double-byte characters are compared exactly, so
// `ア` (83 41) and `ヂ` (83 61) stay different.
[[nodiscard]] bool AsciiCaseEqual(std::string_view a, std::string_view b);

}  // namespace twindir::platform
