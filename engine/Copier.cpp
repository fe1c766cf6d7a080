#include "engine/Copier.h"

#include "platform/PathText.h"

namespace twindir::engine {

bool Copier::Copy(std::string_view source, std::string_view target) {
  const bool done = fs_.CopyFile(source, target).ok();
  // A failed copy leaves its target as it was: nothing there to flush.
  if (done && target.size() >= 2 && target[1] == ':') {
    const char drive = platform::AsciiUpper(target[0]);
    if (target_drives_.find(drive) == std::string::npos) target_drives_ += drive;
  }
  return done;
}

void Copier::FlushTargets() {
  for (const char drive : target_drives_) {
    const std::string root{drive, ':', '\\'};
    // The copies are done whatever the flush says; there is nothing a
    // command could undo or retry, so its result is not shown.
    (void)fs_.Flush(root);
  }
  target_drives_.clear();
}

}  // namespace twindir::engine
