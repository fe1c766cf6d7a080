#pragma once
// File Add: the chosen hard-disk files of one folder are put under the
// program's care. Their folder is registered in the list file, and the files
// are copied into its mirror folder on the backup drive, which is created
// with every missing parent folder when needed.

#include "engine/Services.h"
#include "folders/FolderList.h"
#include "folders/FolderTable.h"

namespace twindir::engine {

// Shows what the list file operations of File Add leave, when they happen:
// a load's table, folder grid and "Too many Directories!" box go to the
// main window before the command goes on.
class FolderListSink {
 public:
  virtual ~FolderListSink() = default;
  // The folder table and folder grid from now on, and the box when too_many.
  virtual void ApplyLoad(const folders::LoadResult& load) = 0;
  // A rewrite that did not reload: its box (the table is full, or the list
  // file could not be written, naming it).
  virtual void ShowRewriteFailure(const folders::RewriteResult& rewrite) = 0;
};

struct FileAddOutcome {
  enum class Stage {
    Cancelled,       // the dialog was cancelled; only the reload happened
    NotRegistered,   // the list file could not be written: nothing else was done
    NoMirrorFolder,  // "Cannot create directory."; the folder stays registered
    Copied,          // the copies were attempted
  };
  Stage stage = Stage::Cancelled;
  int copied = 0;
  int failed = 0;  // told in one OK box when not 0
};

// current is the folder table the main window holds now; every table that
// follows reaches the window through sink.
[[nodiscard]] FileAddOutcome AddFilesToBackup(const Services& services, folders::FolderList& list,
                                              const folders::FolderTable& current,
                                              FolderListSink& sink);

}  // namespace twindir::engine
