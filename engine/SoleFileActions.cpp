#include "engine/SoleFileActions.h"

#include "engine/Copier.h"
#include "platform/PathText.h"

namespace twindir::engine {

namespace {

bool CopyAndFlush(platform::FileSystem& fs, std::string_view source, std::string_view target) {
  Copier copier(fs);
  const bool copied = copier.Copy(source, target);
  copier.FlushTargets();
  return copied;
}

}  // namespace

bool RestoreSoleFileFromBackup(platform::FileSystem& fs, std::string_view hard_disk_path,
                               char backup_drive_letter) {
  const std::string folder = platform::FolderOf(hard_disk_path);
  if (!fs.DirectoryExists(folder)) (void)fs.ForceDirectories(folder);
  if (!fs.DirectoryExists(folder)) return false;
  return CopyAndFlush(fs, platform::MirrorPath(hard_disk_path, backup_drive_letter),
                      hard_disk_path);
}

bool CopySoleFileToBackup(platform::FileSystem& fs, std::string_view folder, std::string_view name,
                          char backup_drive_letter) {
  const std::string mirror = platform::MirrorPath(folder, backup_drive_letter);
  // A mirror folder that cannot be made makes the copy fail; it is tried
  // all the same, and the refreshed list then still shows the file.
  if (!fs.DirectoryExists(mirror)) (void)fs.ForceDirectories(mirror);
  const std::string source = platform::JoinPath(folder, name);
  return CopyAndFlush(fs, source, platform::MirrorPath(source, backup_drive_letter));
}

}  // namespace twindir::engine
