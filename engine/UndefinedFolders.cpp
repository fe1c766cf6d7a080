#include "engine/UndefinedFolders.h"

#include "engine/Copier.h"
#include "engine/EngineTexts.h"
#include "engine/FolderListing.h"
#include "engine/RegisteredFolders.h"
#include "engine/UndefinedFoldersTexts.h"
#include "platform/PathText.h"
#include "platform/TextFormat.h"

namespace twindir::engine {

namespace {

std::vector<std::string> MissingFolders(platform::FileSystem& fs,
                                        const std::vector<std::string>& folders, int count) {
  std::vector<std::string> missing;
  for (int i = 0; i < count; ++i) {
    if (!fs.DirectoryExists(folders[i])) missing.push_back(folders[i]);
  }
  return missing;
}

// What follows a drive letter and its colon; empty for a shorter text.
std::string_view AfterDrive(std::string_view path) {
  return path.size() < 2 ? std::string_view() : path.substr(2);
}

}  // namespace

UndefinedFolders ListUndefinedFolders(platform::FileSystem& fs,
                                      const std::vector<std::string>& folders, int count) {
  UndefinedFolders missing{MissingFolders(fs, folders, count), {}};
  missing.rows.push_back(
      platform::Format(texts::FoldersMissingRow.data(), static_cast<int>(missing.rows.size())));
  return missing;
}

std::vector<std::string> RecountMissingOnHdd(platform::FileSystem& fs,
                                             const folders::FolderTable& table) {
  std::vector<std::string> rows = MissingFolders(fs, table.RefFolders, RegisteredCount(table));
  const int missing = static_cast<int>(rows.size());
  if (missing == 0) {
    rows.emplace_back(undefined_texts::NoFolderMissingOnHddRow);
  } else {
    rows.push_back(platform::Format(texts::FoldersMissingRow.data(), missing));
  }
  return rows;
}

std::vector<std::string> RecountMissingOnBackup(platform::FileSystem& fs,
                                                folders::FolderTable& table) {
  std::vector<std::string> rows = MissingFolders(fs, table.MirrorFolders, RegisteredCount(table));
  const int missing = static_cast<int>(rows.size());
  if (missing == 0) {
    rows.emplace_back(undefined_texts::NoFolderMissingOnBackupRow);
    table.MissingOnBackupCount = 0;
  } else if (missing == 1) {
    rows.push_back(platform::Format(undefined_texts::OneFolderMissingOnBackupRow.data(), missing));
  } else {
    rows.push_back(platform::Format(undefined_texts::FoldersMissingOnBackupRow.data(), missing));
  }
  return rows;
}

bool CreateMissingFolder(platform::FileSystem& fs, std::string_view folder) {
  // Whether the folder is there afterwards is what counts, not how the
  // creation went: it may have been made meanwhile by someone else.
  (void)fs.ForceDirectories(folder);
  return fs.DirectoryExists(folder);
}

FolderFill CopyFolderFiles(platform::FileSystem& fs, const platform::NameOrder& order,
                           std::string_view source, std::string_view target) {
  FolderFill fill;
  const platform::Result<std::vector<std::string>> names = ReadFolderFiles(fs, order, source);
  if (!names.ok()) {
    fill.source_unreadable = true;
    return fill;
  }
  Copier copier(fs);
  for (const std::string& name : names.value()) {
    if (copier.Copy(platform::JoinPath(source, name), platform::JoinPath(target, name))) {
      ++fill.copied;
    } else {
      ++fill.failed;
    }
  }
  copier.FlushTargets();
  return fill;
}

std::optional<std::string> ReferenceFolderOf(const folders::FolderTable& table,
                                             std::string_view mirror_folder) {
  const int count = RegisteredCount(table);
  for (int i = 0; i < count; ++i) {
    const std::string& reference = table.RefFolders[i];
    if (reference.size() >= 2 &&
        platform::AsciiCaseEqual(AfterDrive(reference), AfterDrive(mirror_folder))) {
      return reference;
    }
  }
  return std::nullopt;
}

}  // namespace twindir::engine
