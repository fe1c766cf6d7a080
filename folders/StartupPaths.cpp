#include "folders/StartupPaths.h"

#include "folders/FoldersTexts.h"
#include "platform/PathText.h"

namespace twindir::folders {

namespace {

bool IsNetworkPath(std::string_view path) {
  return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

// `\\host\share...` becomes `s:hare...`: the share's first byte is taken as
// the drive letter. The host name is walked character by character, so a
// double-byte character with a 0x5C trail byte does not end it.
std::string NetworkToDriveForm(std::string_view path) {
  for (std::size_t i = 2; i < path.size(); ++i) {
    if (path[i] == '\\') {
      std::string drive_form(1, path[i + 1]);  // the path ends in the list file name
      drive_form += ':';
      drive_form += path.substr(i + 2);
      return drive_form;
    }
    if (platform::IsLeadByte(static_cast<unsigned char>(path[i]))) ++i;
  }
  return std::string(path);
}

}  // namespace

StartupPaths StartupPathsFor(std::string_view current_directory) {
  std::string list_file_path(current_directory);
  // A drive root (`H:\`, three bytes) ends in its backslash already.
  if (list_file_path.size() > 3) list_file_path += '\\';
  list_file_path += ListFileName;
  if (IsNetworkPath(list_file_path)) list_file_path = NetworkToDriveForm(list_file_path);
  return {list_file_path, list_file_path.substr(0, 2)};
}

std::string BackupDriveCaption(std::string_view backup_drive) {
  std::string caption(texts::BackupDriveLabelPrefix);
  caption += backup_drive;
  caption += ')';
  return caption;
}

}  // namespace twindir::folders
