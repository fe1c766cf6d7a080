// The times of a folder's files, the folder found once: each file then costs
// one fstatat relative to the folder, where a path would be decoded, mapped
// and walked from the root again for every file.
#include <linux/magic.h>

#include <algorithm>

#include "platform/Cp932.h"
#include "platform/LinuxFileSystem.h"
#include "platform/LinuxFileSystemImpl.h"
#include "platform/NativeName.h"
#include "platform/NativeTime.h"
#include "platform/UniqueFd.h"

namespace twindir::platform {

namespace {

// Local file systems whose permission check is the kernel's own over the
// mode bits (and, where they have them, ACLs, whose owner entry is the
// owner's mode bits). Network and FUSE file systems decide on their own.
bool ChecksModeBits(const struct statfs& st) {
  switch (static_cast<unsigned long>(st.f_type)) {
    case EXT4_SUPER_MAGIC:  // ext2, ext3 and ext4
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
    case TMPFS_MAGIC:
    case MSDOS_SUPER_MAGIC:  // FAT, the usual removable medium
    case EXFAT_SUPER_MAGIC:
      return true;
    default:
      return false;
  }
}

}  // namespace

class LinuxFolderFiles final : public FolderFiles {
 public:
  LinuxFolderFiles(LinuxFileSystem& fs, LinuxFileSystem::Impl& impl, std::string_view folder)
      : fs_(fs), impl_(impl), folder_(folder), dir_(impl.sys, FindFolder()) {
    struct statfs st {};
    owner_reads_by_mode_ =
        dir_.valid() && impl_.sys_is_kernel && impl_.sys.FStatFs(dir_.get(), &st) == 0 && ChecksModeBits(st);
  }

  // A name that is not one plain name (a separator in it, "." or ".."), or
  // a folder that could not be found, takes the path's own way, so that
  // every answer is the one ReadableFileTime gives for the joined path.
  Result<FileTime> ReadableFileTime(std::string_view name) override {
    name_.clear();
    if (!dir_.valid() || !AppendCp932AsUtf8(name, name_) || !IsPlainName(name_)) {
      return fs_.ReadableFileTime(JoinPath(folder_, name));
    }
    struct stat st {};
    int at = dir_.get();
    const char* relative = name_.c_str();
    if (impl_.sys.FStatAt(at, relative, &st, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno != ENOENT) return ErrorFromErrno(errno);
      // Matched without regard to case, as a path would be.
      path_.assign(native_ == "/" ? "" : native_).append("/").append(name_);
      if (Status s = impl_.paths.FindCaseless(*drive_, path_, Missing::Fail); !s.ok()) return s.error();
      at = AT_FDCWD;
      relative = path_.c_str();
      if (impl_.sys.FStatAt(at, relative, &st, AT_SYMLINK_NOFOLLOW) != 0) return impl_.Vanished(*drive_, errno);
    }
    if (Status s = impl_.CheckDevice(*drive_, st); !s.ok()) return s.error();
    if (!S_ISREG(st.st_mode)) return Error::NotAFile;
    if (Status s = impl_.CheckReadable(*drive_, at, relative, st, owner_reads_by_mode_); !s.ok()) return s.error();
    return FileTimeFromTimespec(st.st_mtim);
  }

 private:
  // The folder is held only to look up names in it: search permission is
  // all a path's walk needs, and all this asks.
  static constexpr int kOpenPlace = O_PATH | O_DIRECTORY | O_CLOEXEC;

  // The folder's descriptor, or -1.
  int FindFolder() {
    if (!impl_.paths.ToNative(folder_, native_, drive_).ok()) return -1;
    const int fd = impl_.sys.OpenAt(AT_FDCWD, native_.c_str(), kOpenPlace, 0);
    if (fd >= 0 || errno != ENOENT || !impl_.paths.FindCaseless(*drive_, native_, Missing::Fail).ok()) return fd;
    return impl_.sys.OpenAt(AT_FDCWD, native_.c_str(), kOpenPlace, 0);
  }

  static bool IsPlainName(std::string_view utf8) {
    if (utf8.empty() || utf8 == "." || utf8 == "..") return false;
    return std::none_of(utf8.begin(), utf8.end(), IsForbiddenInName);  // separators included
  }

  LinuxFileSystem& fs_;
  LinuxFileSystem::Impl& impl_;
  std::string folder_;  // drive form, as given
  std::string native_;  // the folder as found
  const Drive* drive_ = nullptr;
  UniqueFd dir_;
  bool owner_reads_by_mode_ = false;
  std::string name_;  // native, reused
  std::string path_;  // native, reused
};

std::unique_ptr<FolderFiles> LinuxFileSystem::OpenFolderFiles(std::string_view folder) {
  return std::make_unique<LinuxFolderFiles>(*this, *impl_, folder);
}

}  // namespace twindir::platform
