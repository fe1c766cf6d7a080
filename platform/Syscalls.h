#pragma once
// The system calls of the Linux file services, behind one narrow seam, so
// that a test can fail any call of a kind (the third write, every rename)
// without touching the real system. Each method has the kernel's contract:
// -1 with errno set on failure. The base class calls the kernel; a test
// derives from it and overrides what it wants to fail.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <sys/types.h>
#include <time.h>

#include <cstddef>

namespace twindir::platform {

class Syscalls {
 public:
  virtual ~Syscalls() = default;

  virtual int OpenAt(int dir_fd, const char* path, int flags, mode_t mode);
  virtual int Close(int fd);
  virtual ssize_t Read(int fd, void* buffer, std::size_t size);
  virtual ssize_t Write(int fd, const void* buffer, std::size_t size);
  virtual ssize_t CopyFileRange(int from_fd, int to_fd, std::size_t size);
  virtual ssize_t GetDents(int dir_fd, void* buffer, std::size_t size);  // getdents64 records
  virtual int FStat(int fd, struct stat* st);
  virtual int FStatAt(int dir_fd, const char* path, struct stat* st, int flags);
  virtual ssize_t ReadLinkAt(int dir_fd, const char* path, char* buffer, std::size_t size);
  virtual int FAccessAt(int dir_fd, const char* path, int mode, int flags);
  virtual int MkdirAt(int dir_fd, const char* path, mode_t mode);
  virtual int UnlinkAt(int dir_fd, const char* path, int flags);
  virtual int RenameAt(int from_dir_fd, const char* from, int to_dir_fd, const char* to);
  virtual int FutimeNs(int fd, const struct timespec times[2]);
  virtual int FSync(int fd);
  virtual int SyncFs(int fd);
  virtual int StatVfs(const char* path, struct statvfs* st);
  virtual int FStatFs(int fd, struct statfs* st);

  // The kernel itself, shared by every file system that is given no other.
  static Syscalls& Kernel();
};

}  // namespace twindir::platform
