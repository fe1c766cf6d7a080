#pragma once
// The state and the shared steps of LinuxFileSystem, for its source files.

#include <unistd.h>

#include <cerrno>

#include "platform/LinuxFileSystem.h"
#include "platform/NativePaths.h"

namespace twindir::platform {

inline constexpr int kOpenFileForReading = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
inline constexpr int kOpenFolder = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

struct LinuxFileSystem::Impl {
  Impl(const DriveMap& map, std::string current, Syscalls& syscalls)
      : sys(syscalls),
        sys_is_kernel(&syscalls == &Syscalls::Kernel()),
        euid(geteuid()),
        paths(map, syscalls),
        current_directory(std::move(current)) {}

  Syscalls& sys;
  // A seam given in place of the kernel may refuse what the kernel would
  // allow (a test's unreadable file): only the kernel's own answers are
  // known without asking.
  const bool sys_is_kernel;
  const uid_t euid;
  NativePaths paths;
  std::string current_directory;
  std::string native;         // the path of the call, reused
  std::string target_native;  // the second path of a copy
  std::vector<char> dents;
  std::vector<char> copy_buffer;

  // A file found through another device than its drive's root's may lie
  // under a mount inside the drive, or the drive's medium may have changed:
  // only then is the root looked at again.
  Status CheckDevice(const Drive& drive, const struct stat& st) {
    if (st.st_dev == drive.device) return {};
    return paths.IsGone(drive) ? Error::DriveGone : Status();
  }

  // Whether the existing file of status st may be replaced or deleted: a
  // regular file (never a link, which would be written through) that its
  // owner may write. Renaming over a file or unlinking it asks only for the
  // folder's permission; a read-only file is refused as Windows refuses it.
  static Status CheckReplaceable(const struct stat& st) {
    if (!S_ISREG(st.st_mode)) return Error::NotAFile;
    if (!(st.st_mode & S_IWUSR)) return Error::AccessDenied;
    return {};
  }

  // Finds an existing path: native gets its native form, st its status
  // (links followed or not).
  enum class Links { Follow, DoNotFollow };
  Status Locate(std::string_view path, std::string& out, const Drive*& drive, struct stat& st, Links links) {
    if (Status s = paths.ToNative(path, out, drive); !s.ok()) return s;
    const int flags = links == Links::Follow ? 0 : AT_SYMLINK_NOFOLLOW;
    if (sys.FStatAt(AT_FDCWD, out.c_str(), &st, flags) != 0) {
      if (errno != ENOENT) return ErrorFromErrno(errno);
      if (Status s = paths.FindCaseless(*drive, out, Missing::Fail); !s.ok()) return s;
      if (sys.FStatAt(AT_FDCWD, out.c_str(), &st, flags) != 0) return ErrorFromErrno(errno);
    }
    return CheckDevice(*drive, st);
  }

  // Finds the place of a file about to be written: its folder must exist,
  // the file may not (exists tells). Nothing is written on a gone drive.
  Status LocateTarget(std::string_view path, std::string& out, struct stat& st, bool& exists) {
    const Drive* drive = nullptr;
    if (Status s = paths.ToNative(path, out, drive); !s.ok()) return s;
    if (paths.IsGone(*drive)) return Error::DriveGone;
    if (out.size() <= 1 || out == drive->root) return Error::BadPath;  // a drive root is no file
    exists = true;
    if (sys.FStatAt(AT_FDCWD, out.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) return {};
    if (errno != ENOENT) return ErrorFromErrno(errno);
    if (Status s = paths.FindCaseless(*drive, out, Missing::LastMayBeMissing); !s.ok()) return s;
    if (sys.FStatAt(AT_FDCWD, out.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) return {};
    if (errno != ENOENT) return ErrorFromErrno(errno);
    exists = false;
    return {};
  }

  // Whether this process may read the regular file of status st at path
  // (relative to dir_fd). The owner's read bit answers on a file system that
  // checks the mode bits (owner_reads_by_mode): the kernel then grants the
  // owner exactly what that bit says, and a file a user reads is nearly
  // always the user's own. Every other case asks the kernel.
  Status CheckReadable(int dir_fd, const char* path, const struct stat& st, bool owner_reads_by_mode) {
    if (owner_reads_by_mode && st.st_uid == euid && (st.st_mode & S_IRUSR)) return {};
    if (sys.FAccessAt(dir_fd, path, R_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0) return ErrorFromErrno(errno);
    return {};
  }

  // Opens an existing regular file for reading, never a link, FIFO or device.
  Status OpenForReading(std::string_view path, int& fd, struct stat& st) {
    const Drive* drive = nullptr;
    if (Status s = Locate(path, native, drive, st, Links::DoNotFollow); !s.ok()) return s;
    if (!S_ISREG(st.st_mode)) return Error::NotAFile;
    fd = sys.OpenAt(AT_FDCWD, native.c_str(), kOpenFileForReading, 0);
    if (fd < 0) return ErrorFromErrno(errno);
    struct stat opened {};
    if (sys.FStat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_ino != st.st_ino) {
      sys.Close(fd);
      fd = -1;
      return Error::NotAFile;  // replaced between the look and the open
    }
    st = opened;
    return {};
  }
};

}  // namespace twindir::platform
