#pragma once
// A file descriptor closed through the seam on every way out.

#include "platform/Syscalls.h"

namespace twindir::platform {

class UniqueFd {
 public:
  UniqueFd(Syscalls& sys, int fd) : sys_(sys), fd_(fd) {}
  ~UniqueFd() { Close(); }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

  // Closes the one held, holds fd.
  void Reset(int fd) {
    Close();
    fd_ = fd;
  }

  // Closes now; returns the close's result, which for a file just written
  // can carry a late write error.
  int Close() {
    if (fd_ < 0) return 0;
    const int result = sys_.Close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  Syscalls& sys_;
  int fd_;
};

}  // namespace twindir::platform
