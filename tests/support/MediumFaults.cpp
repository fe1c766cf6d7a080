#include "tests/support/MediumFaults.h"

#include <fcntl.h>

#include <cerrno>

namespace twindir::test_support {

namespace {

bool Below(const std::string& path, const std::string& folder) {
  return !folder.empty() && path.starts_with(folder) &&
         (path.size() == folder.size() || path[folder.size()] == '/');
}

}  // namespace

void MediumFaults::Pull(int nth, int error) {
  mode_ = Mode::Pulled;
  strike_at_ = calls_on_drive_ + nth;
  error_ = error;
}

void MediumFaults::Fill(int nth) {
  mode_ = Mode::Full;
  strike_at_ = calls_on_drive_ + nth;
  error_ = ENOSPC;
}

void MediumFaults::Break(std::string native_path, int error, int times, Call only) {
  broken_ = std::move(native_path);
  broken_error_ = error;
  broken_times_ = times;
  broken_call_ = only;
}

void MediumFaults::Restore() {
  mode_ = Mode::None;
  denied_.clear();
  broken_.clear();
  Heal();
}

std::string MediumFaults::PathAt(int dir_fd, const char* path) const {
  if (path[0] == '/' || dir_fd == AT_FDCWD) return path;
  return PathOf(dir_fd) + "/" + path;
}

std::string MediumFaults::PathOf(int fd) const {
  const auto found = open_.find(fd);
  return found == open_.end() ? std::string() : found->second;
}

bool MediumFaults::Strikes(Call call, const std::string& path, Room room, Access access) {
  if (!broken_.empty() && path == broken_ && broken_times_ > 0 &&
      (broken_call_ == Call::kCount || broken_call_ == call)) {
    --broken_times_;
    errno = broken_error_;
    return true;
  }
  if (access == Access::Checked && !denied_.empty() && path == denied_) {
    errno = EACCES;
    return true;
  }
  if (!Below(path, root_)) return false;
  ++calls_on_drive_;
  if (mode_ == Mode::None || calls_on_drive_ < strike_at_) return false;
  if (mode_ == Mode::Full && room == Room::NotNeeded) return false;
  errno = error_;
  return true;
}

int MediumFaults::OpenAt(int dir_fd, const char* path, int flags, mode_t mode) {
  const std::string full = PathAt(dir_fd, path);
  if (Strikes(Call::OpenAt, full, (flags & O_CREAT) ? Room::Needed : Room::NotNeeded,
              Access::Checked))
    return -1;
  const int fd = FaultySyscalls::OpenAt(dir_fd, path, flags, mode);
  if (fd >= 0) open_[fd] = full;
  return fd;
}

// A descriptor is released whatever close says, as the kernel's close does;
// on a pulled medium it reports the lost data.
int MediumFaults::Close(int fd) {
  const bool fails = Strikes(Call::Close, PathOf(fd), Room::NotNeeded);
  const int error = errno;
  open_.erase(fd);
  const int result = FaultySyscalls::Close(fd);
  if (fails) {
    errno = error;
    return -1;
  }
  return result;
}

ssize_t MediumFaults::Read(int fd, void* buffer, std::size_t size) {
  return Strikes(Call::Read, PathOf(fd), Room::NotNeeded) ? -1
                                                          : FaultySyscalls::Read(fd, buffer, size);
}
ssize_t MediumFaults::Write(int fd, const void* buffer, std::size_t size) {
  return Strikes(Call::Write, PathOf(fd), Room::Needed) ? -1
                                                        : FaultySyscalls::Write(fd, buffer, size);
}
ssize_t MediumFaults::CopyFileRange(int from_fd, int to_fd, std::size_t size) {
  if (Strikes(Call::CopyFileRange, PathOf(from_fd), Room::NotNeeded) ||
      Strikes(Call::CopyFileRange, PathOf(to_fd), Room::Needed))
    return -1;
  if (cross_device_) {
    errno = EXDEV;
    return -1;
  }
  return FaultySyscalls::CopyFileRange(from_fd, to_fd, size);
}
ssize_t MediumFaults::GetDents(int dir_fd, void* buffer, std::size_t size) {
  return Strikes(Call::GetDents, PathOf(dir_fd), Room::NotNeeded)
             ? -1
             : FaultySyscalls::GetDents(dir_fd, buffer, size);
}
int MediumFaults::FStat(int fd, struct stat* st) {
  return Strikes(Call::FStat, PathOf(fd), Room::NotNeeded) ? -1 : FaultySyscalls::FStat(fd, st);
}
int MediumFaults::FStatAt(int dir_fd, const char* path, struct stat* st, int flags) {
  return Strikes(Call::FStatAt, PathAt(dir_fd, path), Room::NotNeeded)
             ? -1
             : FaultySyscalls::FStatAt(dir_fd, path, st, flags);
}
int MediumFaults::FAccessAt(int dir_fd, const char* path, int mode, int flags) {
  return Strikes(Call::FAccessAt, PathAt(dir_fd, path), Room::NotNeeded, Access::Checked)
             ? -1
             : FaultySyscalls::FAccessAt(dir_fd, path, mode, flags);
}
int MediumFaults::MkdirAt(int dir_fd, const char* path, mode_t mode) {
  return Strikes(Call::MkdirAt, PathAt(dir_fd, path), Room::Needed)
             ? -1
             : FaultySyscalls::MkdirAt(dir_fd, path, mode);
}
int MediumFaults::UnlinkAt(int dir_fd, const char* path, int flags) {
  return Strikes(Call::UnlinkAt, PathAt(dir_fd, path), Room::NotNeeded)
             ? -1
             : FaultySyscalls::UnlinkAt(dir_fd, path, flags);
}
int MediumFaults::RenameAt(int from_dir_fd, const char* from, int to_dir_fd, const char* to) {
  if (Strikes(Call::RenameAt, PathAt(from_dir_fd, from), Room::NotNeeded) ||
      Strikes(Call::RenameAt, PathAt(to_dir_fd, to), Room::NotNeeded)) {
    return -1;
  }
  return FaultySyscalls::RenameAt(from_dir_fd, from, to_dir_fd, to);
}
int MediumFaults::FutimeNs(int fd, const struct timespec times[2]) {
  return Strikes(Call::FutimeNs, PathOf(fd), Room::NotNeeded) ? -1
                                                              : FaultySyscalls::FutimeNs(fd, times);
}

// The durability calls are counted and fail on cue, but never reach the
// disk: syncfs waits for every dirty page of the file system the temporary
// folder is on, thousands of times over a matrix. The kernel is handed an
// invalid descriptor, which it refuses at once; that refusal is success.
int MediumFaults::FSync(int fd) {
  if (Strikes(Call::FSync, PathOf(fd), Room::NotNeeded)) return -1;
  return FaultySyscalls::FSync(-1) == 0 || errno == EBADF ? 0 : -1;
}
int MediumFaults::SyncFs(int fd) {
  if (Strikes(Call::SyncFs, PathOf(fd), Room::NotNeeded)) return -1;
  return FaultySyscalls::SyncFs(-1) == 0 || errno == EBADF ? 0 : -1;
}
int MediumFaults::StatVfs(const char* path, struct statvfs* st) {
  return Strikes(Call::StatVfs, path, Room::NotNeeded) ? -1 : FaultySyscalls::StatVfs(path, st);
}

ssize_t MediumFaults::ReadLinkAt(int dir_fd, const char* path, char* buffer, std::size_t size) {
  return Strikes(Call::kCount, PathAt(dir_fd, path), Room::NotNeeded)
             ? -1
             : Syscalls::ReadLinkAt(dir_fd, path, buffer, size);
}
int MediumFaults::FStatFs(int fd, struct statfs* st) {
  return Strikes(Call::kCount, PathOf(fd), Room::NotNeeded) ? -1 : Syscalls::FStatFs(fd, st);
}

}  // namespace twindir::test_support
