#pragma once
// Writing a file so that its old contents stay whole until the new ones are
// complete: the new contents go to a temporary file beside it, which is
// renamed over it at the end or removed on failure.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Status.h"
#include "platform/Syscalls.h"

namespace twindir::platform {

// A new file in an open folder, named with a leading dot (listings leave it
// out) and created exclusively (nobody else writes to it). Removed when it
// goes out of scope uncommitted.
class TempFile {
 public:
  TempFile(Syscalls& sys, int dir_fd, mode_t mode);
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  Status status() const { return status_; }  // whether it could be created
  int fd() const { return fd_; }

  // Closes the file (a late write error fails here) and renames it over
  // name in the same folder.
  Status CommitAs(const char* name);

 private:
  Syscalls& sys_;
  int dir_fd_;
  int fd_ = -1;
  bool committed_ = false;
  Status status_;
  char name_[64] = {};
};

// Whether name is a temporary file of this program that no process of this
// computer is writing: left by a process that has ended, or by this one
// when the medium was pulled during a copy and the file could not be
// removed (no temporary file of this process outlives its copy otherwise).
[[nodiscard]] bool IsStaleTempName(std::string_view name);

Status WriteAll(Syscalls& sys, int fd, std::string_view bytes);

// Copies from's contents, from its current offset to its end, to to; gives
// the number of bytes copied. copy_file_range first (the file system may
// share or offload the data), read and write where it cannot serve the pair
// (between file systems, the usual case for a removable medium).
Result<std::uint64_t> CopyContents(Syscalls& sys, int from, int to, std::vector<char>& buffer);

}  // namespace twindir::platform
