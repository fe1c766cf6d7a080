#pragma once
// Hands the comparison's sole-in-backup paths on to the caller's sink and
// counts them in the folder table. While the sink receives a path,
// SoleInBackupCount is the row that path goes into; it grows by one after.

#include <string>

#include "engine/FolderListing.h"
#include "folders/FolderTable.h"

namespace twindir::engine {

class SoleInBackupCounter final : public SoleInBackupSink {
 public:
  SoleInBackupCounter(folders::FolderTable& table, SoleInBackupSink& sink)
      : table_(table), sink_(sink) {}

  void AppendSoleInBackup(const std::string& hard_disk_path) override {
    sink_.AppendSoleInBackup(hard_disk_path);
    ++table_.SoleInBackupCount;
  }

 private:
  folders::FolderTable& table_;
  SoleInBackupSink& sink_;
};

}  // namespace twindir::engine
