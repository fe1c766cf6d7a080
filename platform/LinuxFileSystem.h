#pragma once
// The file services on Linux, over a drive map.

#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/DriveMap.h"
#include "platform/FileSystem.h"
#include "platform/Syscalls.h"

namespace twindir::platform {

class LinuxFileSystem : public FileSystem {
 public:
  // current_directory is what CurrentDirectory() reports: the start-up
  // directory in drive form (or network form), code page 932. Each drive's
  // root is remembered as the file system it is now; when a later call finds
  // another file system there (a pulled medium leaves an empty mount point
  // behind), the drive counts as gone: nothing is created or written there.
  // Every system call goes through sys (tests pass one that fails on cue).
  //
  // Not thread-safe: one object serves one thread, reusing its buffers.
  LinuxFileSystem(DriveMap drives, std::string current_directory, Syscalls& sys = Syscalls::Kernel());
  ~LinuxFileSystem() override;

  std::string CurrentDirectory() override;
  bool FileExists(std::string_view path) override;
  bool DirectoryExists(std::string_view path) override;
  Status CreateDirectory(std::string_view path) override;
  Status ForceDirectories(std::string_view path) override;
  Result<FileTime> ReadableFileTime(std::string_view path) override;
  std::unique_ptr<FolderFiles> OpenFolderFiles(std::string_view folder) override;
  Result<std::vector<DirEntry>> ListDirectory(std::string_view folder) override;
  Status CopyFile(std::string_view source, std::string_view target) override;
  Status DeleteFile(std::string_view path) override;
  Result<std::uint64_t> FreeBytes(std::string_view root) override;
  Result<std::string> ReadWholeFile(std::string_view path) override;
  Status WriteWholeFile(std::string_view path, std::string_view bytes) override;
  Status Flush(std::string_view path) override;

 private:
  friend class LinuxFolderFiles;  // shares the drives, buffers and system calls
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The computer's local time, from the C library.
class SystemClock : public Clock {
 public:
  LocalTime Now() override;
};

}  // namespace twindir::platform
