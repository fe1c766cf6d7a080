#include "platform/TempFile.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/NativePaths.h"

namespace twindir::platform {

namespace {

std::atomic<unsigned> temp_serial{0};

}  // namespace

bool IsStaleTempName(std::string_view name) {
  if (!name.starts_with(".twindir-")) return false;  // every listed name comes here
  int pid = 0;
  unsigned serial = 0;
  int length = 0;
  const std::string text(name);
  if (std::sscanf(text.c_str(), ".twindir-%d-%u.tmp%n", &pid, &serial, &length) != 2 ||
      length != static_cast<int>(text.size()) || pid <= 0) {
    return false;
  }
  if (pid == static_cast<int>(getpid())) return true;
  return kill(pid, 0) != 0 && errno == ESRCH;
}

TempFile::TempFile(Syscalls& sys, int dir_fd, mode_t mode) : sys_(sys), dir_fd_(dir_fd) {
  static const int pid = static_cast<int>(getpid());  // the serial keeps names apart within the process
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::snprintf(name_, sizeof name_, ".twindir-%d-%u.tmp", pid, temp_serial++);
    fd_ = sys_.OpenAt(dir_fd_, name_, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd_ >= 0 || errno != EEXIST) break;
  }
  if (fd_ < 0) status_ = ErrorFromErrno(errno);
}

TempFile::~TempFile() {
  if (fd_ >= 0) sys_.Close(fd_);
  if (status_.ok() && !committed_) sys_.UnlinkAt(dir_fd_, name_, 0);
}

Status TempFile::CommitAs(const char* name) {
  const int closed = sys_.Close(fd_);
  fd_ = -1;
  if (closed != 0) return ErrorFromErrno(errno);
  if (sys_.RenameAt(dir_fd_, name_, dir_fd_, name) != 0) return ErrorFromErrno(errno);
  committed_ = true;
  return {};
}

Status WriteAll(Syscalls& sys, int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = sys.Write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return ErrorFromErrno(errno);
    }
    if (written == 0) return Error::Io;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

Result<std::uint64_t> CopyContents(Syscalls& sys, int from, int to, std::vector<char>& buffer) {
  std::uint64_t copied = 0;
  for (;;) {
    const ssize_t done = sys.CopyFileRange(from, to, std::size_t{1} << 30);
    if (done > 0) {
      copied += static_cast<std::uint64_t>(done);
      continue;
    }
    if (done == 0) break;  // the end, or a file system that says so early: read on to make sure
    if (errno == EINTR) continue;
    if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP) break;
    return ErrorFromErrno(errno);
  }
  if (buffer.empty()) buffer.resize(256 * 1024);
  for (;;) {
    const ssize_t got = sys.Read(from, buffer.data(), buffer.size());
    if (got == 0) return copied;
    if (got < 0) {
      if (errno == EINTR) continue;
      return ErrorFromErrno(errno);
    }
    if (Status written = WriteAll(sys, to, std::string_view(buffer.data(), static_cast<std::size_t>(got)));
        !written.ok()) {
      return written.error();
    }
    copied += static_cast<std::uint64_t>(got);
  }
}

}  // namespace twindir::platform
