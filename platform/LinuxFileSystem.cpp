#include "platform/LinuxFileSystem.h"

#include <unistd.h>

#include "platform/DirectoryReader.h"
#include "platform/LinuxFileSystemImpl.h"
#include "platform/NativeName.h"
#include "platform/NativeTime.h"
#include "platform/TempFile.h"
#include "platform/UniqueFd.h"

namespace twindir::platform {

LinuxFileSystem::LinuxFileSystem(DriveMap drives, std::string current_directory, Syscalls& sys)
    : impl_(std::make_unique<Impl>(drives, std::move(current_directory), sys)) {}

LinuxFileSystem::~LinuxFileSystem() = default;

std::string LinuxFileSystem::CurrentDirectory() { return impl_->current_directory; }

bool LinuxFileSystem::FileExists(std::string_view path) {
  const Drive* drive = nullptr;
  struct stat st {};
  return impl_->Locate(path, impl_->native, drive, st, Impl::Links::DoNotFollow).ok() && S_ISREG(st.st_mode);
}

bool LinuxFileSystem::DirectoryExists(std::string_view path) {
  const Drive* drive = nullptr;
  struct stat st {};
  return impl_->Locate(path, impl_->native, drive, st, Impl::Links::Follow).ok() && S_ISDIR(st.st_mode);
}

Status LinuxFileSystem::CreateDirectory(std::string_view path) {
  Impl::Place place(impl_->sys);
  if (Status s = impl_->LocateTarget(path, impl_->native, place); !s.ok()) return s;
  if (place.exists) return Error::AlreadyExists;
  if (impl_->sys.MkdirAt(place.dir.get(), place.name, 0777) != 0) return ErrorFromErrno(errno);
  return {};
}

Status LinuxFileSystem::ForceDirectories(std::string_view path) {
  std::string& native = impl_->native;
  const Drive* drive = nullptr;
  if (Status s = impl_->paths.ToNative(path, native, drive); !s.ok()) return s;
  if (impl_->paths.IsGone(*drive)) return Error::DriveGone;
  struct stat st {};
  if (impl_->sys.FStatAt(AT_FDCWD, native.c_str(), &st, 0) != 0) {
    if (errno != ENOENT) return ErrorFromErrno(errno);
    if (Status s = impl_->paths.FindCaseless(*drive, native, Missing::RestMayBeMissing); !s.ok()) return s;
    const Result<int> created = OpenDriveFolder(impl_->sys, *drive, native, FolderWalk::CreateMissing);
    if (!created.ok()) return created.error();
    impl_->sys.Close(created.value());
    return {};
  }
  return S_ISDIR(st.st_mode) ? Status() : Error::NotADirectory;
}

// A look at the file's status and a permission check: the same outcomes as
// opening it, with one system call less, and no device or FIFO is ever
// opened.
Result<FileTime> LinuxFileSystem::ReadableFileTime(std::string_view path) {
  const Drive* drive = nullptr;
  struct stat st {};
  if (Status s = impl_->Locate(path, impl_->native, drive, st, Impl::Links::DoNotFollow); !s.ok()) {
    return s.error();
  }
  if (!S_ISREG(st.st_mode)) return Error::NotAFile;
  if (Status s = impl_->CheckReadable(*drive, AT_FDCWD, impl_->native.c_str(), st, false); !s.ok()) {
    return s.error();
  }
  return FileTimeFromTimespec(st.st_mtim);
}

Result<std::vector<DirEntry>> LinuxFileSystem::ListDirectory(std::string_view folder) {
  Impl& impl = *impl_;
  const Drive* drive = nullptr;
  if (Status s = impl.paths.ToNative(folder, impl.native, drive); !s.ok()) return s.error();
  Result<int> fd = OpenDriveFolder(impl.sys, *drive, impl.native, FolderWalk::Existing);
  if (fd.error() == Error::NotFound) {
    if (Status s = impl.paths.FindCaseless(*drive, impl.native, Missing::Fail); !s.ok()) return s.error();
    fd = OpenDriveFolder(impl.sys, *drive, impl.native, FolderWalk::Existing);
  }
  if (!fd.ok()) return fd.error();
  UniqueFd dir(impl.sys, fd.value());

  std::vector<DirEntry> entries;
  std::vector<std::string> stale;
  std::string name;
  const int failed = ForEachEntry(impl.sys, dir.get(), impl.dents, [&](std::string_view native_name,
                                                                        unsigned char type) {
    if (IsStaleTempName(native_name)) stale.emplace_back(native_name);
    name.clear();
    if (!AppendReachableName(native_name, name)) return;
    if (type == DT_UNKNOWN) {  // file systems that do not fill in the type
      struct stat st {};
      const std::string entry_name(native_name);
      if (impl.sys.FStatAt(dir.get(), entry_name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return;  // gone meanwhile
      type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_LNK;
    }
    DirEntry entry;
    entry.name = name;
    entry.directory = type == DT_DIR;
    entry.hidden = native_name.front() == '.';
    entry.system = type != DT_DIR && type != DT_REG;
    entries.push_back(std::move(entry));
  });
  // A folder that was opened and cannot be read is no missing folder, even
  // where the medium says ENOENT as it goes.
  if (failed) {
    if (impl.paths.IsGone(*drive)) return Error::DriveGone;
    return failed == ENOENT ? Error::Io : ErrorFromErrno(failed);
  }
  // What a copy could not remove from a medium pulled under it goes at the
  // next listing of its folder.
  for (const std::string& temp : stale) {
    struct stat st {};
    if (impl.sys.FStatAt(dir.get(), temp.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)) {
      (void)impl.sys.UnlinkAt(dir.get(), temp.c_str(), 0);
    }
  }
  return entries;
}

Status LinuxFileSystem::DeleteFile(std::string_view path) {
  Impl::Place place(impl_->sys);
  if (Status s = impl_->LocateTarget(path, impl_->native, place); !s.ok()) return s;
  if (!place.exists) return Error::NotFound;
  if (Status s = Impl::CheckReplaceable(place.st); !s.ok()) return s;
  if (impl_->sys.UnlinkAt(place.dir.get(), place.name, 0) != 0) return ErrorFromErrno(errno);
  return {};
}

Result<std::uint64_t> LinuxFileSystem::FreeBytes(std::string_view root) {
  const Drive* drive = nullptr;
  if (Status s = impl_->paths.ToNative(root, impl_->native, drive); !s.ok()) return s.error();
  if (impl_->paths.IsGone(*drive)) return Error::DriveGone;
  struct statvfs st {};
  if (impl_->sys.StatVfs(drive->root.c_str(), &st) != 0) return ErrorFromErrno(errno);
  return static_cast<std::uint64_t>(st.f_bavail) * st.f_frsize;
}

// One syncfs per command makes all its copies durable at once; an fsync per
// copied file would cost a medium's full write latency for every file.
Status LinuxFileSystem::Flush(std::string_view path) {
  const Drive* drive = nullptr;
  if (Status s = impl_->paths.ToNative(path, impl_->native, drive); !s.ok()) return s;
  if (impl_->paths.IsGone(*drive)) return Error::DriveGone;
  UniqueFd root(impl_->sys, impl_->sys.OpenAt(AT_FDCWD, drive->root.c_str(), kOpenFolder, 0));
  if (!root.valid()) return ErrorFromErrno(errno);
  if (impl_->sys.SyncFs(root.get()) != 0) return ErrorFromErrno(errno);
  return {};
}

LocalTime SystemClock::Now() {
  const time_t now = time(nullptr);
  struct tm local {};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace twindir::platform
