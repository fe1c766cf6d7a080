#pragma once
// System calls that fail on cue: the nth call of a kind, or every call of a
// kind, fails with a chosen errno; all others reach the kernel. Counts the
// calls of each kind, for tests that check what a path cost.

#include <array>
#include <cstddef>

#include "platform/Syscalls.h"

namespace twindir::test_support {

enum class Call {
  OpenAt, Close, Read, Write, CopyFileRange, GetDents, FStat, FStatAt, FAccessAt,
  MkdirAt, UnlinkAt, RenameAt, FutimeNs, FSync, SyncFs, StatVfs, kCount
};

class FaultySyscalls : public platform::Syscalls {
 public:
  // The nth call of the kind from now on (1 is the next one) fails with error.
  void FailNth(Call call, int nth, int error);
  // Every call of the kind from now on fails with error.
  void FailAll(Call call, int error);
  void Heal();  // no more failures
  int Count(Call call) const { return state(call).count; }
  int Total() const;  // calls of every kind
  void ResetCounts();

  int OpenAt(int dir_fd, const char* path, int flags, mode_t mode) override;
  int Close(int fd) override;
  ssize_t Read(int fd, void* buffer, std::size_t size) override;
  ssize_t Write(int fd, const void* buffer, std::size_t size) override;
  ssize_t CopyFileRange(int from_fd, int to_fd, std::size_t size) override;
  ssize_t GetDents(int dir_fd, void* buffer, std::size_t size) override;
  int FStat(int fd, struct stat* st) override;
  int FStatAt(int dir_fd, const char* path, struct stat* st, int flags) override;
  int FAccessAt(int dir_fd, const char* path, int mode, int flags) override;
  int MkdirAt(int dir_fd, const char* path, mode_t mode) override;
  int UnlinkAt(int dir_fd, const char* path, int flags) override;
  int RenameAt(int from_dir_fd, const char* from, int to_dir_fd, const char* to) override;
  int FutimeNs(int fd, const struct timespec times[2]) override;
  int FSync(int fd) override;
  int SyncFs(int fd) override;
  int StatVfs(const char* path, struct statvfs* st) override;

 private:
  struct State {
    int count = 0;
    int fail_at = 0;  // the count at which to fail; 0: never
    bool fail_all = false;
    int error = 0;
  };
  State& state(Call call) { return states_[static_cast<std::size_t>(call)]; }
  const State& state(Call call) const { return states_[static_cast<std::size_t>(call)]; }
  // Counts the call; true (errno set) when it is to fail.
  bool Fails(Call call);

  std::array<State, static_cast<std::size_t>(Call::kCount)> states_{};
};

}  // namespace twindir::test_support
