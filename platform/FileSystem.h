#pragma once
// The file services the program runs on, as one narrow interface.
//
// Every path given to or returned by these services is a code page 932 byte
// string in drive form: a drive letter (either case), a colon, and
// backslash-separated names, as in `C:\Mydir\Sample`. A doubled backslash
// reads as one, so that `H:\` joined with a name as `H:\\a.txt` names
// `H:\a.txt`. A path whose drive is not mapped names nothing: it does not
// exist, and nothing can be created there.
//
// Names are matched the way Windows matches them: an exact name first, and
// where there is none, the one entry that differs only in letter case. When
// several entries differ only in letter case and none matches exactly, the
// name counts as missing.
//
// Nothing is created, written, renamed or deleted outside the drives' root
// folders, and no file's contents or folder's entries are read from outside
// them: a link to a folder is followed only while it leads to a folder under
// its drive's root; through any other, these calls fail with AccessDenied.
// The exists tests and file times follow links as the system does.
//
// The engine is written once against this interface; the Linux
// implementation maps drives to native folders, tests inject faults by
// wrapping it.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/PathText.h"
#include "platform/Status.h"

namespace twindir::platform {

// A last-write time: 100-nanosecond units since 1601-01-01 00:00 UTC.
// Two times are compared exactly.
using FileTime = std::int64_t;

struct DirEntry {
  std::string name;  // bare name, code page 932
  bool directory = false;
  bool hidden = false;  // on Linux: the name starts with '.'
  bool system = false;  // on Linux: anything that is neither a regular file nor a directory
};

// The files of one folder, for reading the times of many of them in a row:
// the folder's path is found once, not again for every file.
class FolderFiles {
 public:
  virtual ~FolderFiles() = default;

  // FileSystem::ReadableFileTime of the folder's file of that bare name.
  virtual Result<FileTime> ReadableFileTime(std::string_view name) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The current directory at start-up, in drive form (`H:\Sync`, `H:\`) or
  // network form (`\\pc\h\Sync`); no trailing backslash except at a root.
  virtual std::string CurrentDirectory() = 0;

  virtual bool FileExists(std::string_view path) = 0;       // an existing regular file
  virtual bool DirectoryExists(std::string_view path) = 0;  // an existing directory

  virtual Status CreateDirectory(std::string_view path) = 0;   // one level
  virtual Status ForceDirectories(std::string_view path) = 0;  // with every missing parent

  // Opens an existing regular file for reading and returns its last-write
  // time. A directory, link, FIFO, device, or a file that cannot be read
  // gives an error; this never blocks.
  virtual Result<FileTime> ReadableFileTime(std::string_view path) = 0;

  // The files of folder, for ReadableFileTime by name. An implementation may
  // hold on to the folder it found when this was called (a folder renamed
  // while the object lives is still read); this one joins the paths and
  // asks ReadableFileTime each time. The object may not outlive the file
  // system.
  virtual std::unique_ptr<FolderFiles> OpenFolderFiles(std::string_view folder);

  // The entries of a folder, in the order the file system gives them,
  // without "." and "..". Entries whose native name code page 932 cannot
  // hold, or that hold a character Windows forbids in a name, are left out:
  // no other name could stand for them safely.
  virtual Result<std::vector<DirEntry>> ListDirectory(std::string_view folder) = 0;

  // Copies source over target (created or replaced), the target getting the
  // source's contents and last-write time. The copy is written to a
  // temporary file in the target's folder and renamed over the target only
  // when complete, so that a failure leaves the old target untouched and no
  // temporary file behind. Never writes through a link. Copying a file onto
  // itself fails with SameFile. A read-only target (its owner may not write
  // it) is not replaced: AccessDenied.
  virtual Status CopyFile(std::string_view source, std::string_view target) = 0;

  // Deletes a regular file; a read-only one is refused with AccessDenied.
  virtual Status DeleteFile(std::string_view path) = 0;

  // Free bytes on the drive whose root is given (`H:\`).
  virtual Result<std::uint64_t> FreeBytes(std::string_view root) = 0;

  // The whole contents of a regular file.
  virtual Result<std::string> ReadWholeFile(std::string_view path) = 0;

  // Replaces a file's whole contents atomically: the old contents or the new
  // ones are there afterwards, never a mixture or a truncated file. A
  // read-only file is not replaced: AccessDenied.
  virtual Status WriteWholeFile(std::string_view path, std::string_view bytes) = 0;

  // Makes what was written to the drive holding path durable.
  virtual Status Flush(std::string_view path) = 0;
};

inline std::unique_ptr<FolderFiles> FileSystem::OpenFolderFiles(std::string_view folder) {
  class ByPath final : public FolderFiles {
   public:
    ByPath(FileSystem& fs, std::string_view folder) : fs_(fs), folder_(folder) {}
    Result<FileTime> ReadableFileTime(std::string_view name) override {
      return fs_.ReadableFileTime(JoinPath(folder_, name));
    }

   private:
    FileSystem& fs_;
    std::string folder_;
  };
  return std::make_unique<ByPath>(*this, folder);
}

}  // namespace twindir::platform
