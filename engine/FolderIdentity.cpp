#include "engine/FolderIdentity.h"

#include <string>
#include <vector>

#include "engine/DriveRow.h"
#include "engine/EngineTexts.h"
#include "engine/RegisteredFolders.h"
#include "engine/SoleInBackupCounter.h"
#include "platform/PathText.h"
#include "platform/TextFormat.h"

namespace twindir::engine {

int MergeFolderPass(const Services& services, std::string_view first, std::string_view second,
                    SoleInBackupSink& sole_in_backup, Copier& copier, ReportRows& rows) {
  platform::FileSystem& fs = services.fs;
  int copied = 0;
  auto copy = [&](const std::string& name, const std::string& source, const std::string& target,
                  std::string_view receiving_folder, std::string_view mark) {
    const bool done = copier.Copy(source, target);
    if (done) ++copied;
    rows.push_back({name, std::string(done ? mark : texts::IdentityCopyFailedMark),
                    std::string(receiving_folder)});
  };

  auto failed = [&](const std::string& name, std::string_view folder) {
    rows.push_back({name, std::string(texts::IdentityCopyFailedMark), std::string(folder)});
  };

  const platform::Result<std::vector<std::string>> names =
      ReadFolderFiles(fs, services.order, first);
  if (!names.ok()) {
    failed(std::string(texts::FolderUnreadableRow), first);
    return 0;
  }
  for (const std::string& name : names.value()) {
    const std::string a = platform::JoinPath(first, name);
    const std::string b = platform::JoinPath(second, name);
    // Only a file that is surely not there is copied as new: a copy as new
    // replaces whatever it finds, and a twin that an I/O error hid would be
    // lost under an older file.
    const platform::Result<platform::FileTime> twin = fs.ReadableFileTime(b);
    if (twin.ok() || twin.error() == platform::Error::AccessDenied) {
      switch (CompareTimeStamps(fs, a, b, sole_in_backup)) {
        case FirstNewer:
          copy(name, a, b, second, texts::ReplacedMark);
          break;
        case SecondNewer:
          copy(name, b, a, first, texts::ReplacedMark);
          break;
        case CannotCompare:
          failed(name, first);
          break;
        default:
          break;
      }
    } else if (!NamesNothing(twin.error())) {
      failed(name, second);
    } else {
      // A folder that cannot be created shows as the copy's failure.
      if (!fs.DirectoryExists(second)) (void)fs.CreateDirectory(second);
      copy(name, a, b, second, texts::AddedMark);
    }
  }
  return copied;
}

std::optional<IdentityReport> MakeFoldersIdentical(const Services& services,
                                                   folders::FolderTable& table, int selected_row,
                                                   std::string_view backup_drive,
                                                   SoleInBackupSink& sole_in_backup) {
  if (!table.ListLoaded || selected_row < 0 || selected_row >= RegisteredCount(table)) {
    return std::nullopt;
  }
  // F is a drive-form folder, "C:\..." at least: its drive, and the path
  // below the drive's root, go into the question and the mirror folder.
  const std::string& reference = table.RefFolders[selected_row];
  if (reference.size() < 3 || reference[1] != ':' || reference[2] != '\\') return std::nullopt;

  const std::string hard_disk_drive = reference.substr(0, 2);
  const std::string below_root = reference.substr(3);
  const std::string drive(backup_drive);
  const std::string question = platform::Format(texts::IdentityQuestion.data(), drive.c_str(),
                                                hard_disk_drive.c_str(), below_root.c_str());
  if (!services.questions.Confirm(question, texts::IdentityCaption, BoxIcon::Question)) {
    return std::nullopt;
  }

  const std::string mirror = drive + reference.substr(2);
  SoleInBackupCounter sole(table, sole_in_backup);
  Copier copier(services.fs);
  IdentityReport report;
  report.copied += MergeFolderPass(services, mirror, reference, sole, copier, report.rows);
  report.copied += MergeFolderPass(services, reference, mirror, sole, copier, report.rows);
  report.failed = static_cast<int>(report.rows.size()) - report.copied;
  copier.FlushTargets();

  if (report.rows.empty()) {
    report.rows.push_back({std::string(texts::IdenticalRowName),
                           std::string(texts::IdenticalRowMark),
                           std::string(texts::IdenticalRowFolder)});
    report.rows.push_back({});
  } else {
    report.rows.push_back({});
    report.rows.push_back({platform::Format(texts::FilesCopiedRow.data(), report.copied), "", ""});
  }
  report.free_megabytes = FreeMegabytes(services.fs, backup_drive);
  report.rows.push_back(DriveRow(backup_drive, report.free_megabytes));
  return report;
}

}  // namespace twindir::engine
