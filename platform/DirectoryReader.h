#pragma once
// One pass over the entries of an open folder, through the getdents64 seam,
// into a buffer the caller keeps between folders.

#include <dirent.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/Syscalls.h"

namespace twindir::platform {

// Calls visit(name, d_type) for every entry but "." and "..". Returns 0, or
// the errno of the failing read.
template <typename Visit>
int ForEachEntry(Syscalls& sys, int dir_fd, std::vector<char>& buffer, Visit visit) {
  if (buffer.empty()) buffer.resize(32 * 1024);
  for (;;) {
    const ssize_t got = sys.GetDents(dir_fd, buffer.data(), buffer.size());
    if (got == 0) return 0;
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    for (std::size_t offset = 0; offset < static_cast<std::size_t>(got);) {
      const char* record = buffer.data() + offset;
      unsigned short length = 0;
      std::memcpy(&length, record + offsetof(dirent64, d_reclen), sizeof length);
      const auto type = static_cast<unsigned char>(record[offsetof(dirent64, d_type)]);
      const std::string_view name(record + offsetof(dirent64, d_name));
      offset += length;
      if (name == "." || name == "..") continue;
      visit(name, type);
    }
  }
}

}  // namespace twindir::platform
