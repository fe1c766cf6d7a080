#pragma once
// The state and the shared steps of LinuxFileSystem, for its source files.

#include <unistd.h>

#include <cerrno>

#include "platform/DriveFolder.h"
#include "platform/LinuxFileSystem.h"
#include "platform/NativePaths.h"
#include "platform/UniqueFd.h"

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

  // The error of a call on a file that was there a moment ago: ENOENT says
  // the file has gone, or its medium has (a pulled medium answers so).
  Error Vanished(const Drive& drive, int error) {
    if (error == ENOENT && drive.present && paths.IsGone(drive)) return Error::DriveGone;
    return ErrorFromErrno(error);
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
      if (sys.FStatAt(AT_FDCWD, out.c_str(), &st, flags) != 0) return Vanished(*drive, errno);
    }
    return CheckDevice(*drive, st);
  }

  // The place of a file about to be written or deleted: its folder, open,
  // and the file's name in it as the disk spells it.
  struct Place {
    explicit Place(Syscalls& syscalls) : dir(syscalls, -1) {}
    UniqueFd dir;
    const char* name = nullptr;  // the last name of the native path
    bool exists = false;
    struct stat st {};  // the file's, when it exists (links not followed)
  };

  // Finds the place of a file about to be written: its folder must exist,
  // the file may not. out gets the native path. Nothing is written on a
  // gone drive, nor outside the drive's root: the folder is opened by
  // OpenDriveFolder, and all work in it goes by the bare name.
  Status LocateTarget(std::string_view path, std::string& out, Place& place) {
    const Drive* drive = nullptr;
    if (Status s = paths.ToNative(path, out, drive); !s.ok()) return s;
    if (paths.IsGone(*drive)) return Error::DriveGone;
    if (out.size() <= 1 || out == drive->root) return Error::BadPath;  // a drive root is no file
    const auto folder_of = [&] { return std::string_view(out).substr(0, out.rfind('/')); };
    const auto look = [&] {
      place.name = out.c_str() + out.rfind('/') + 1;
      place.exists = sys.FStatAt(place.dir.get(), place.name, &place.st, AT_SYMLINK_NOFOLLOW) == 0;
      return place.exists || errno == ENOENT ? Status() : ErrorFromErrno(errno);
    };
    Result<int> dir = OpenDriveFolder(sys, *drive, folder_of(), FolderWalk::Existing);
    if (dir.ok()) {
      place.dir.Reset(dir.value());
      if (Status s = look(); !s.ok() || place.exists) return s;
    } else if (dir.error() != Error::NotFound) {
      return dir.error();
    }
    // The folder or the name in another case than the disk's.
    const std::string asked_folder(folder_of());
    if (Status s = paths.FindCaseless(*drive, out, Missing::LastMayBeMissing); !s.ok()) return s;
    if (!place.dir.valid() || folder_of() != asked_folder) {
      dir = OpenDriveFolder(sys, *drive, folder_of(), FolderWalk::Existing);
      if (!dir.ok()) return dir.error();
      place.dir.Reset(dir.value());
    }
    return look();
  }

  // Whether this process may read the regular file of status st at path
  // (relative to dir_fd). The owner's read bit answers on a file system that
  // checks the mode bits (owner_reads_by_mode): the kernel then grants the
  // owner exactly what that bit says, and a file a user reads is nearly
  // always the user's own. Every other case asks the kernel.
  Status CheckReadable(const Drive& drive, int dir_fd, const char* path, const struct stat& st,
                       bool owner_reads_by_mode) {
    if (owner_reads_by_mode && st.st_uid == euid && (st.st_mode & S_IRUSR)) return {};
    if (sys.FAccessAt(dir_fd, path, R_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0) return Vanished(drive, errno);
    return {};
  }

  // Opens an existing regular file for reading, never a link, FIFO or device.
  Status OpenForReading(std::string_view path, int& fd, struct stat& st) {
    const Drive* drive = nullptr;
    if (Status s = Locate(path, native, drive, st, Links::DoNotFollow); !s.ok()) return s;
    if (!S_ISREG(st.st_mode)) return Error::NotAFile;
    // Contents are read only from inside the drive, as they are written.
    const std::size_t slash = native.rfind('/');
    const Result<int> dir = OpenDriveFolder(sys, *drive, std::string_view(native).substr(0, slash), FolderWalk::Existing);
    if (!dir.ok()) return dir.error();
    UniqueFd folder(sys, dir.value());
    fd = sys.OpenAt(folder.get(), native.c_str() + slash + 1, kOpenFileForReading, 0);
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
