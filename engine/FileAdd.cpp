#include "engine/FileAdd.h"

#include <string>
#include <vector>

#include "engine/Copier.h"
#include "engine/EngineTexts.h"
#include "platform/PathText.h"
#include "platform/TextFormat.h"

namespace twindir::engine {

FileAddOutcome AddFilesToBackup(const Services& services, folders::FolderList& list,
                                const folders::FolderTable& current, FolderListSink& sink) {
  using Stage = FileAddOutcome::Stage;
  platform::FileSystem& fs = services.fs;

  // The table is loaded again before the dialog, so that a list file edited
  // since the last load shows whatever the user then does.
  folders::LoadResult load = list.LoadFolderList(current);
  sink.ApplyLoad(load);

  const std::optional<std::vector<std::string>> chosen = services.questions.ChooseFiles();
  if (!chosen || chosen->empty()) return {Stage::Cancelled};

  const folders::RewriteResult rewrite =
      list.AddFolder(load.table, platform::FolderOf(chosen->front()));
  if (rewrite.status == folders::RewriteStatus::Reloaded) {
    sink.ApplyLoad(rewrite.reload);
  } else {
    sink.ShowRewriteFailure(rewrite);
    // A full table still gets the copies the user asked for; a list file
    // that cannot be written ends the command before anything is created.
    if (rewrite.status == folders::RewriteStatus::WriteFailed) return {Stage::NotRegistered};
  }

  const char backup_letter = list.Paths().BackupDriveLetter();
  const std::string mirror_folder =
      platform::FolderOf(platform::MirrorPath(chosen->front(), backup_letter));
  if (!fs.DirectoryExists(mirror_folder)) (void)fs.ForceDirectories(mirror_folder);
  if (!fs.DirectoryExists(mirror_folder)) {
    services.questions.Inform(texts::CannotCreateDirectory);
    return {Stage::NoMirrorFolder};
  }

  FileAddOutcome outcome{Stage::Copied};
  Copier copier(fs);
  for (const std::string& source : *chosen) {
    const bool done = copier.Copy(source, platform::MirrorPath(source, backup_letter));
    ++(done ? outcome.copied : outcome.failed);
  }
  copier.FlushTargets();
  if (outcome.failed > 0) {
    services.questions.Inform(platform::Format(texts::FilesNotCopied.data(), outcome.failed));
  }
  return outcome;
}

}  // namespace twindir::engine
