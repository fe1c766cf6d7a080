#pragma once
// Every drive-form path becomes a native path here, and nowhere else.
//
// The text after the drive is decoded from code page 932 as a whole (so a
// trail byte of 0x5C, as in `ソ`, is never taken for a separator), split at
// backslashes and slashes, empty and "." names dropped, and ".." taken back
// one name but never above the drive root: no path's text leads outside
// its drive (where its links lead is OpenDriveFolder's matter). A name
// holding a character Windows forbids is a bad path.
//
// The exact native names are tried first, which costs nothing beyond the
// system call that needs the path. Only where that finds nothing does
// FindCaseless walk the path, matching each missing name against its
// folder's reachable entries without regard to case. The last folder found
// that way is remembered, so the files of a folder registered in another
// case than the disk's cost a few system calls each, not a folder scan:
// the memory holds only while every folder it matched in still has the
// same modification time (a new entry, such as another case variant,
// changes it); a lookup from the remembered folder that fails is tried
// again from the root.

#include <sys/types.h>
#include <time.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/DriveMap.h"
#include "platform/Status.h"
#include "platform/Syscalls.h"

namespace twindir::platform {

struct Drive {
  char letter = 0;
  std::string root;  // native, no trailing slash except "/"
  bool present = false;  // the root could be looked at when the map was made
  dev_t device = 0;
  ino_t inode = 0;
};

// What FindCaseless does with a name it cannot find.
enum class Missing {
  Fail,              // every name must exist
  LastMayBeMissing,  // the last name may be missing (it is about to be created)
  RestMayBeMissing,  // every name from the first missing one on (folders about to be created)
};

Error ErrorFromErrno(int error);

class NativePaths {
 public:
  NativePaths(const DriveMap& map, Syscalls& sys);

  // The native form of path, and its drive.
  Status ToNative(std::string_view path, std::string& native, const Drive*& drive);

  // True when the drive's root is no longer the file system it was.
  [[nodiscard]] bool IsGone(const Drive& drive);

  // Rewrites native (a ToNative result on drive) to the names that exist.
  // Of several entries that differ from a name only in case, none is taken.
  Status FindCaseless(const Drive& drive, std::string& native, Missing missing);

 private:
  // A folder in which a name was matched without regard to case, as it was.
  struct Stamp {
    std::string folder;
    ino_t inode = 0;
    timespec modified{};
  };
  // The last folder path that took case-insensitive matching to find.
  struct FoundFolder {
    const Drive* drive = nullptr;
    std::string asked;  // native, as ToNative made it
    std::string found;  // native, as the disk spells it
    std::vector<Stamp> stamps;
  };

  Status Walk(const Drive& drive, std::string& native, Missing missing, bool resumed);
  Result<int> MatchesInFolder(const std::string& folder, std::string_view name, std::string& match, Stamp& stamp);
  bool StillHolds(const FoundFolder& found);

  Syscalls& sys_;
  FoundFolder found_folder_;
  std::vector<Stamp> stamps_;
  std::vector<Drive> drives_;
  std::string utf8_;
  std::string walked_;
  std::string match_;
  std::string reachable_;
  std::vector<char> dents_;
};

}  // namespace twindir::platform
