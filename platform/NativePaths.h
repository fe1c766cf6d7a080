#pragma once
// Every drive-form path becomes a native path here, and nowhere else.
//
// The text after the drive is decoded from code page 932 as a whole (so a
// trail byte of 0x5C, as in `ソ`, is never taken for a separator), split at
// backslashes and slashes, empty and "." names dropped, and ".." taken back
// one name but never above the drive root: no path leads outside its
// drive. A name holding a character Windows forbids is a bad path.
//
// The exact native names are tried first, which costs nothing beyond the
// system call that needs the path. Only where that finds nothing does
// FindCaseless walk the path, matching each missing name against its
// folder's reachable entries without regard to case.

#include <sys/types.h>

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
  Create,            // missing folders are created
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
  int MatchesInFolder(const std::string& folder, std::string_view name, std::string& match);

  Syscalls& sys_;
  std::vector<Drive> drives_;
  std::string utf8_;
  std::string walked_;
  std::string match_;
  std::string reachable_;
  std::vector<char> dents_;
};

}  // namespace twindir::platform
