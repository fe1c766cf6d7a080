#include "engine/UpdateRun.h"

#include "engine/Copier.h"
#include "engine/DriveRow.h"
#include "engine/EngineTexts.h"
#include "engine/RegisteredFolders.h"
#include "engine/SoleInBackupCounter.h"
#include "platform/PathText.h"
#include "platform/TextFormat.h"

namespace twindir::engine {

namespace {

// Passes on only the changes of the file label: most files of a run are
// unchanged, and each of them would otherwise clear an empty label again.
class FileLabel {
 public:
  explicit FileLabel(ProgressSink& progress) : progress_(progress) {}

  void Show(std::string text) {
    if (shown_ && text == text_) return;
    text_ = std::move(text);
    shown_ = true;
    progress_.ShowFile(text_);
  }

 private:
  ProgressSink& progress_;
  std::string text_;
  bool shown_ = false;
};

std::string DateTimeText(const platform::LocalTime& t) {
  return platform::Format(texts::DateTimeRow.data(), t.year, t.month, t.day, t.hour, t.minute,
                          t.second);
}

}  // namespace

UpdateReport RunUpdate(const Services& services, folders::FolderTable& table,
                       std::string_view backup_drive, ProgressSink& progress,
                       SoleInBackupSink& sole_in_backup) {
  platform::FileSystem& fs = services.fs;
  const int count = RegisteredCount(table);

  progress.ShowStage(texts::PreparingStage);
  table.SoleInBackupCount = 0;
  FileLabel file_label(progress);
  file_label.Show("");
  progress.SetFolderCount(count);

  SoleInBackupCounter sole(table, sole_in_backup);
  Copier copier(fs);
  UpdateReport report;

  // Copies source over target and writes the copy's row; receiving_folder is
  // the folder of target.
  auto copy = [&](const std::string& name, const std::string& source, const std::string& target,
                  const std::string& receiving_folder) {
    file_label.Show(std::string(texts::UpdatingPrefix) + name + std::string(texts::CopiedMark) +
                    receiving_folder);
    const bool done = copier.Copy(source, target);
    ++(done ? report.copied : report.failed);
    report.rows.push_back(
        {name, std::string(done ? texts::CopiedMark : texts::CopyFailedMark), receiving_folder});
  };

  for (int i = 0; i < count; ++i) {
    const std::string& reference = table.RefFolders[i];
    const std::string& mirror = table.MirrorFolders[i];
    progress.ShowStage(mirror);
    // One folder's names at a time: a run keeps nothing per unchanged file.
    const platform::Result<std::vector<std::string>> names =
        ReadFolderFiles(fs, services.order, mirror);
    progress.SetFolderIndex(i);
    if (!names.ok()) {
      ++report.failed;
      report.rows.push_back({std::string(texts::FolderUnreadableRow),
                             std::string(texts::CopyFailedMark), mirror});
      continue;
    }
    const std::unique_ptr<platform::FolderFiles> backup_files = fs.OpenFolderFiles(mirror);
    const std::unique_ptr<platform::FolderFiles> hard_disk_files = fs.OpenFolderFiles(reference);
    for (const std::string& name : names.value()) {
      switch (CompareTimeStamps(*backup_files, *hard_disk_files, reference, name, sole)) {
        case FirstNewer:
          copy(name, platform::JoinPath(mirror, name), platform::JoinPath(reference, name), reference);
          break;
        case SecondNewer:
          copy(name, platform::JoinPath(reference, name), platform::JoinPath(mirror, name), mirror);
          break;
        case CannotCompare:
          file_label.Show("");
          ++report.failed;
          report.rows.push_back({name, std::string(texts::CopyFailedMark), mirror});
          break;
        default:
          file_label.Show("");
          break;
      }
    }
  }
  copier.FlushTargets();

  const std::string count_text =
      report.copied > 0 ? platform::Format(texts::FilesUpdatedRow.data(), report.copied)
                        : std::string(texts::NoFilesUpdatedRow);
  report.free_megabytes = FreeMegabytes(fs, backup_drive);
  report.rows.push_back({count_text, "", DateTimeText(services.clock.Now())});
  report.rows.push_back({});
  report.rows.push_back(DriveRow(backup_drive, report.free_megabytes));

  // The windows open on the counts of the last load, but list the folders
  // missing now.
  if (table.MissingOnHddCount != 0)
    report.missing_on_hdd = ListUndefinedFolders(fs, table.RefFolders, count);
  if (table.MissingOnBackupCount != 0) {
    report.missing_on_backup = ListUndefinedFolders(fs, table.MirrorFolders, count);
    const char letter = backup_drive.empty() ? ' ' : backup_drive[0];
    report.missing_on_backup->heading =
        platform::Format(texts::UndefinedBackupFoldersHeading.data(), letter);
  }
  return report;
}

}  // namespace twindir::engine
