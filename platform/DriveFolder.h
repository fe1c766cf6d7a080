#pragma once
// Opening a folder of a drive so that nothing reached through it lies
// outside the drive's root.
//
// The kernel's own walk of a path follows every symbolic link in it, so a
// linked folder inside a drive can lead anywhere. Here the folder's names
// are opened one at a time from the root, each relative to the folder
// before it and never through a link; a link is read and followed by hand,
// and only while it stays under the root: an absolute target must name the
// root or a folder below it, and ".." never climbs above the root. Work
// done afterwards by bare names relative to the folder opened cannot leave
// the drive, even if a link is swapped in after the walk.

#include <string_view>

#include "platform/NativePaths.h"
#include "platform/Status.h"
#include "platform/Syscalls.h"

namespace twindir::platform {

enum class FolderWalk {
  Existing,       // every folder on the way must exist
  CreateMissing,  // missing folders are created, each in the folder before it
};

// Opens native_folder, a native path on drive as NativePaths gives it, for
// reading its entries and as the folder of calls by bare names (the caller
// closes the descriptor). A link leading outside the root gives
// AccessDenied; a root that is no longer the drive's gives DriveGone.
[[nodiscard]] Result<int> OpenDriveFolder(Syscalls& sys, const Drive& drive,
                                          std::string_view native_folder, FolderWalk walk);

}  // namespace twindir::platform
