#pragma once
// Which native folder each drive letter names.
//
// A drive-form path (`C:\Mydir\Sample`, code page 932) becomes a native
// path (UTF-8) by replacing its drive with the drive's root folder; a native
// path (from a file dialog) becomes drive form by the longest drive root
// that holds it. Letters are matched without regard to case. A drive whose
// letter is not mapped does not exist.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace twindir::platform {

class DriveMap {
 public:
  // Maps letter (either case) to a native folder; a later call replaces it.
  void Map(char letter, std::string native_root);

  // "C=/home/me;H=/media/me/MO": the form of the TWINDIR_DRIVES variable.
  // nullopt when the text is not of that form.
  [[nodiscard]] static std::optional<DriveMap> Parse(std::string_view map_text);

  // The map of the real program: TWINDIR_DRIVES when set and well formed;
  // otherwise C: is home, Z: is /, and the mount point holding start_dir,
  // when it is neither under home nor / itself, takes the first free letter
  // from D: on.
  [[nodiscard]] static DriveMap ForUser(const std::string& home, const std::string& start_dir);

  // The native root of a drive letter, or nullptr when it is not mapped.
  [[nodiscard]] const std::string* Root(char letter) const;

  // The mapped drives as upper-case letters with their roots, by letter.
  [[nodiscard]] std::vector<std::pair<char, std::string>> Drives() const;

  // Native path to drive form (code page 932), by the longest drive root
  // that holds it; nullopt when no drive holds it or its names cannot be
  // written in code page 932.
  [[nodiscard]] std::optional<std::string> ToDriveForm(std::string_view native_path) const;

 private:
  std::vector<std::pair<char, std::string>> drives_;  // upper-case letter, root
};

}  // namespace twindir::platform
