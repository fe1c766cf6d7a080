#include "engine/SoleFileActions.h"

#include "engine/Copier.h"
#include "platform/PathText.h"

namespace twindir::engine {

namespace {

// Whether a copy of source may go over target: target is not there, or it
// is older than source. A target whose time cannot be read is kept.
bool TargetIsMissingOrOlder(platform::FileSystem& fs, std::string_view source,
                            std::string_view target) {
  if (!fs.FileExists(target)) return true;
  const platform::Result<platform::FileTime> source_time = fs.ReadableFileTime(source);
  const platform::Result<platform::FileTime> target_time = fs.ReadableFileTime(target);
  return source_time.ok() && target_time.ok() && target_time.value() < source_time.value();
}

bool CopyAndFlush(platform::FileSystem& fs, std::string_view source, std::string_view target) {
  Copier copier(fs);
  const bool copied = copier.Copy(source, target);
  copier.FlushTargets();
  return copied;
}

}  // namespace

bool RestoreSoleFileFromBackup(platform::FileSystem& fs, std::string_view hard_disk_path,
                               char backup_drive_letter) {
  // The rows of an update run also name twins that were there but could not
  // be read; such a file may have been written since, and is not replaced by
  // an older or equal backup copy.
  const std::string backup_path = platform::MirrorPath(hard_disk_path, backup_drive_letter);
  if (!TargetIsMissingOrOlder(fs, backup_path, hard_disk_path)) return false;
  const std::string folder = platform::FolderOf(hard_disk_path);
  if (!fs.DirectoryExists(folder)) (void)fs.ForceDirectories(folder);
  if (!fs.DirectoryExists(folder)) return false;
  return CopyAndFlush(fs, backup_path, hard_disk_path);
}

bool CopySoleFileToBackup(platform::FileSystem& fs, std::string_view folder, std::string_view name,
                          char backup_drive_letter) {
  // The list may be older than the medium: a backup file that appeared
  // since and is not older than the hard-disk file is not replaced.
  const std::string source = platform::JoinPath(folder, name);
  const std::string target = platform::MirrorPath(source, backup_drive_letter);
  if (!TargetIsMissingOrOlder(fs, source, target)) return false;
  const std::string mirror = platform::MirrorPath(folder, backup_drive_letter);
  // A mirror folder that cannot be made makes the copy fail; it is tried
  // all the same, and the refreshed list then still shows the file.
  if (!fs.DirectoryExists(mirror)) (void)fs.ForceDirectories(mirror);
  return CopyAndFlush(fs, source, target);
}

}  // namespace twindir::engine
