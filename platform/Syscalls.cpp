#include "platform/Syscalls.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdio>

namespace twindir::platform {

int Syscalls::OpenAt(int dir_fd, const char* path, int flags, mode_t mode) {
  return openat(dir_fd, path, flags, mode);
}
int Syscalls::Close(int fd) { return close(fd); }
ssize_t Syscalls::Read(int fd, void* buffer, std::size_t size) { return read(fd, buffer, size); }
ssize_t Syscalls::Write(int fd, const void* buffer, std::size_t size) { return write(fd, buffer, size); }
ssize_t Syscalls::CopyFileRange(int from_fd, int to_fd, std::size_t size) {
  return copy_file_range(from_fd, nullptr, to_fd, nullptr, size, 0);
}
ssize_t Syscalls::GetDents(int dir_fd, void* buffer, std::size_t size) { return getdents64(dir_fd, buffer, size); }
int Syscalls::FStat(int fd, struct stat* st) { return fstat(fd, st); }
int Syscalls::FStatAt(int dir_fd, const char* path, struct stat* st, int flags) {
  return fstatat(dir_fd, path, st, flags);
}
ssize_t Syscalls::ReadLinkAt(int dir_fd, const char* path, char* buffer, std::size_t size) {
  return readlinkat(dir_fd, path, buffer, size);
}
int Syscalls::FAccessAt(int dir_fd, const char* path, int mode, int flags) {
  return faccessat(dir_fd, path, mode, flags);
}
int Syscalls::MkdirAt(int dir_fd, const char* path, mode_t mode) { return mkdirat(dir_fd, path, mode); }
int Syscalls::UnlinkAt(int dir_fd, const char* path, int flags) { return unlinkat(dir_fd, path, flags); }
int Syscalls::RenameAt(int from_dir_fd, const char* from, int to_dir_fd, const char* to) {
  return renameat(from_dir_fd, from, to_dir_fd, to);
}
int Syscalls::FutimeNs(int fd, const struct timespec times[2]) { return futimens(fd, times); }
int Syscalls::FSync(int fd) { return fsync(fd); }
int Syscalls::SyncFs(int fd) { return syncfs(fd); }
int Syscalls::StatVfs(const char* path, struct statvfs* st) { return statvfs(path, st); }
int Syscalls::FStatFs(int fd, struct statfs* st) { return fstatfs(fd, st); }

Syscalls& Syscalls::Kernel() {
  static Syscalls kernel;
  return kernel;
}

}  // namespace twindir::platform
