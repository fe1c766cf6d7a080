#include "tests/support/FaultySyscalls.h"

#include <cerrno>

namespace twindir::test_support {

void FaultySyscalls::FailNth(Call call, int nth, int error) {
  State& s = state(call);
  s.fail_at = s.count + nth;
  s.error = error;
}

void FaultySyscalls::FailAll(Call call, int error) {
  State& s = state(call);
  s.fail_all = true;
  s.error = error;
}

void FaultySyscalls::Heal() {
  for (State& s : states_) {
    s.fail_at = 0;
    s.fail_all = false;
  }
}

int FaultySyscalls::Total() const {
  int total = 0;
  for (const State& s : states_) total += s.count;
  return total;
}

void FaultySyscalls::ResetCounts() {
  for (State& s : states_) {
    if (s.fail_at) s.fail_at -= s.count;
    s.count = 0;
  }
}

bool FaultySyscalls::Fails(Call call) {
  State& s = state(call);
  ++s.count;
  if (!s.fail_all && s.count != s.fail_at) return false;
  errno = s.error;
  return true;
}

int FaultySyscalls::OpenAt(int dir_fd, const char* path, int flags, mode_t mode) {
  return Fails(Call::OpenAt) ? -1 : Syscalls::OpenAt(dir_fd, path, flags, mode);
}
int FaultySyscalls::Close(int fd) {
  if (Fails(Call::Close)) {
    Syscalls::Close(fd);  // a failing close still releases the descriptor, as the kernel's does
    return -1;
  }
  return Syscalls::Close(fd);
}
ssize_t FaultySyscalls::Read(int fd, void* buffer, std::size_t size) {
  return Fails(Call::Read) ? -1 : Syscalls::Read(fd, buffer, size);
}
ssize_t FaultySyscalls::Write(int fd, const void* buffer, std::size_t size) {
  return Fails(Call::Write) ? -1 : Syscalls::Write(fd, buffer, size);
}
ssize_t FaultySyscalls::CopyFileRange(int from_fd, int to_fd, std::size_t size) {
  return Fails(Call::CopyFileRange) ? -1 : Syscalls::CopyFileRange(from_fd, to_fd, size);
}
ssize_t FaultySyscalls::GetDents(int dir_fd, void* buffer, std::size_t size) {
  return Fails(Call::GetDents) ? -1 : Syscalls::GetDents(dir_fd, buffer, size);
}
int FaultySyscalls::FStat(int fd, struct stat* st) { return Fails(Call::FStat) ? -1 : Syscalls::FStat(fd, st); }
int FaultySyscalls::FStatAt(int dir_fd, const char* path, struct stat* st, int flags) {
  return Fails(Call::FStatAt) ? -1 : Syscalls::FStatAt(dir_fd, path, st, flags);
}
int FaultySyscalls::FAccessAt(int dir_fd, const char* path, int mode, int flags) {
  return Fails(Call::FAccessAt) ? -1 : Syscalls::FAccessAt(dir_fd, path, mode, flags);
}
int FaultySyscalls::MkdirAt(int dir_fd, const char* path, mode_t mode) {
  return Fails(Call::MkdirAt) ? -1 : Syscalls::MkdirAt(dir_fd, path, mode);
}
int FaultySyscalls::UnlinkAt(int dir_fd, const char* path, int flags) {
  return Fails(Call::UnlinkAt) ? -1 : Syscalls::UnlinkAt(dir_fd, path, flags);
}
int FaultySyscalls::RenameAt(int from_dir_fd, const char* from, int to_dir_fd, const char* to) {
  return Fails(Call::RenameAt) ? -1 : Syscalls::RenameAt(from_dir_fd, from, to_dir_fd, to);
}
int FaultySyscalls::FutimeNs(int fd, const struct timespec times[2]) {
  return Fails(Call::FutimeNs) ? -1 : Syscalls::FutimeNs(fd, times);
}
int FaultySyscalls::FSync(int fd) { return Fails(Call::FSync) ? -1 : Syscalls::FSync(fd); }
int FaultySyscalls::SyncFs(int fd) { return Fails(Call::SyncFs) ? -1 : Syscalls::SyncFs(fd); }
int FaultySyscalls::StatVfs(const char* path, struct statvfs* st) {
  return Fails(Call::StatVfs) ? -1 : Syscalls::StatVfs(path, st);
}

}  // namespace twindir::test_support
