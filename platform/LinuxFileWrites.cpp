// Reading and writing whole files, and the copy that never destroys data.
#include <algorithm>
#include <cstdlib>

#include "platform/LinuxFileSystem.h"
#include "platform/LinuxFileSystemImpl.h"
#include "platform/NativeTime.h"
#include "platform/TempFile.h"
#include "platform/UniqueFd.h"

namespace twindir::platform {

namespace {

bool SameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

// The file has not been written to since first was taken.
bool Unchanged(const struct stat& first, const struct stat& now) {
  return first.st_ino == now.st_ino && first.st_size == now.st_size && SameTime(first.st_mtim, now.st_mtim);
}

// The coarsest time steps that file systems in use keep (FAT: 2 s).
constexpr FileTime kCoarsestStep = 2 * kFileTimeUnitsPerSecond;

// Makes the target's stored time one that the next comparison finds equal
// to the source's, where the target's file system did not store the
// source's time as given.
//
// Some file systems give a renamed file the time of the rename (fusefat
// does): the time is set once more on the file in its place. Both times are
// always given, as fusefat ignores a last-write time set alone.
//
// A file system with coarser times than the source's (FAT keeps 2 s rounded
// down, exFAT 10 ms) stores an older time, and an exact comparison would
// copy the pair again at every run. The source, unchanged since the copy,
// is then given the target's stored time, so the pair compares equal at
// once and the contents are never copied back. Where the source's time
// cannot be set (another owner, a read-only medium), the target is set to
// the source's time rounded up to 2 s, which every such file system holds
// exactly: the pair then copies back once and compares equal from then on.
void SettleTargetTime(Syscalls& sys, int source_fd, const struct stat& source, int dir_fd, const char* name) {
  struct stat stored {};
  if (sys.FStatAt(dir_fd, name, &stored, AT_SYMLINK_NOFOLLOW) != 0 || SameTime(stored.st_mtim, source.st_mtim)) {
    return;
  }
  UniqueFd target(sys, sys.OpenAt(dir_fd, name, kOpenFileForReading, 0));
  const timespec set_again[2] = {source.st_atim, source.st_mtim};
  if (!target.valid() || sys.FutimeNs(target.get(), set_again) != 0 || sys.FStat(target.get(), &stored) != 0) return;

  const FileTime source_time = FileTimeFromTimespec(source.st_mtim);
  const FileTime stored_time = FileTimeFromTimespec(stored.st_mtim);
  if (stored_time == source_time || std::llabs(stored_time - source_time) > kCoarsestStep) return;
  struct stat now {};
  if (sys.FStat(source_fd, &now) != 0 || !Unchanged(source, now)) return;  // written since: it is newer anyway
  const timespec set_source[2] = {now.st_atim, stored.st_mtim};
  if (sys.FutimeNs(source_fd, set_source) == 0) return;
  FileTime rounded_up = source_time + kCoarsestStep - 1;
  rounded_up -= rounded_up % kCoarsestStep;
  const timespec set_target[2] = {source.st_atim, TimespecFromFileTime(rounded_up)};
  sys.FutimeNs(target.get(), set_target);
}

}  // namespace

Status LinuxFileSystem::CopyFile(std::string_view source, std::string_view target) {
  Impl& impl = *impl_;
  int fd = -1;
  struct stat source_st {};
  if (Status s = impl.OpenForReading(source, fd, source_st); !s.ok()) return s;
  UniqueFd from(impl.sys, fd);

  Impl::Place place(impl.sys);
  if (Status s = impl.LocateTarget(target, impl.target_native, place); !s.ok()) return s;
  if (place.exists) {
    if (!S_ISREG(place.st.st_mode)) return Error::NotAFile;
    if (place.st.st_dev == source_st.st_dev && place.st.st_ino == source_st.st_ino) return Error::SameFile;
    if (Status s = Impl::CheckReplaceable(place.st); !s.ok()) return s;
  }

  TempFile temp(impl.sys, place.dir.get(), source_st.st_mode & 0777);
  if (!temp.status().ok()) return temp.status();
  const Result<std::uint64_t> copied = CopyContents(impl.sys, from.get(), temp.fd(), impl.copy_buffer);
  if (!copied.ok()) return copied.error();
  struct stat after {};
  if (impl.sys.FStat(from.get(), &after) != 0) return ErrorFromErrno(errno);
  if (!Unchanged(source_st, after) || copied.value() != static_cast<std::uint64_t>(source_st.st_size)) {
    return Error::Io;  // written to while being copied: the copy would be neither the old nor the new file
  }
  const timespec times[2] = {source_st.st_atim, source_st.st_mtim};
  if (impl.sys.FutimeNs(temp.fd(), times) != 0) return ErrorFromErrno(errno);
  if (Status s = temp.CommitAs(place.name); !s.ok()) return s;
  SettleTargetTime(impl.sys, from.get(), source_st, place.dir.get(), place.name);
  return {};
}

Result<std::string> LinuxFileSystem::ReadWholeFile(std::string_view path) {
  Impl& impl = *impl_;
  int fd = -1;
  struct stat st {};
  if (Status s = impl.OpenForReading(path, fd, st); !s.ok()) return s.error();
  UniqueFd file(impl.sys, fd);
  std::string contents;
  contents.resize(static_cast<std::size_t>(st.st_size) + 1);  // one more, to see the end in one pass
  std::size_t size = 0;
  for (;;) {
    if (size == contents.size()) contents.resize(contents.size() * 2);
    const ssize_t got = impl.sys.Read(file.get(), contents.data() + size, contents.size() - size);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      return ErrorFromErrno(errno);
    }
    size += static_cast<std::size_t>(got);
  }
  contents.resize(size);
  return contents;
}

// The new contents are made durable before they replace the old ones, and
// the rename is made durable after: a crash leaves one whole file or the other.
Status LinuxFileSystem::WriteWholeFile(std::string_view path, std::string_view bytes) {
  Impl& impl = *impl_;
  Impl::Place place(impl.sys);
  if (Status s = impl.LocateTarget(path, impl.native, place); !s.ok()) return s;
  if (place.exists) {
    if (Status s = Impl::CheckReplaceable(place.st); !s.ok()) return s;
  }
  TempFile temp(impl.sys, place.dir.get(), place.exists ? place.st.st_mode & 0777 : 0666);
  if (!temp.status().ok()) return temp.status();
  if (Status s = WriteAll(impl.sys, temp.fd(), bytes); !s.ok()) return s;
  if (impl.sys.FSync(temp.fd()) != 0) return ErrorFromErrno(errno);
  if (Status s = temp.CommitAs(place.name); !s.ok()) return s;
  if (impl.sys.FSync(place.dir.get()) != 0) return ErrorFromErrno(errno);
  return {};
}

}  // namespace twindir::platform
