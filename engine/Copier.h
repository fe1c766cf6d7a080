#pragma once
// The copies of one command. Each copy is the file services' safe copy (a
// temporary file renamed over the target), so an interrupted command leaves
// every file in its old or its new version. The drives that received a copy
// are flushed once, at the end of the command, so that what the report shows
// as copied is on the media when the report appears.

#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace twindir::engine {

class Copier {
 public:
  explicit Copier(platform::FileSystem& fs) : fs_(fs) {}

  // Copies source over target, the target getting the source's last-write
  // time; true when the copy is done.
  [[nodiscard]] bool Copy(std::string_view source, std::string_view target);

  // Flushes each drive that received a copy since the last flush.
  void FlushTargets();

 private:
  platform::FileSystem& fs_;
  std::string target_drives_;  // upper-case drive letters, each once
};

}  // namespace twindir::engine
