#pragma once
// The benchmark's folder trees as a pure function of their workload: every
// file's name, side, size, contents and time, before a run and after one,
// computed rather than stored, so that a tree of a million files can be
// made, reset and checked without keeping a list of it.
//
// A tree holds a "hard disk" and a "backup drive" with F registered folder
// pairs of N files each. A file is on both sides with equal times and
// contents, or newer (another version of its contents, a later time) on one
// side; a few folders also hold one backup-only and one hard-disk-only file.
// After an update run a newer file's version and time are on both sides and
// everything else is as it was.

#include <cstdint>
#include <string>
#include <time.h>

namespace twindir::bench {

struct Workload {
  std::string id;           // "a", "b", ...: the tree's folder name and the table's key
  std::string description;  // for the table
  int folders = 0;
  int files = 0;                  // per folder, on both sides
  double backup_newer = 0;        // fraction of the files newer on the backup drive
  double hdd_newer = 0;           // fraction newer on the hard disk
  std::uint64_t file_size = 0;    // 0: small files of varied sizes
  int extras_every = 20;          // every such folder holds a backup-only and a hard-disk-only file
};

enum class Role { Equal, BackupNewer, HddNewer, BackupOnly, HddOnly };
enum class Side { Hdd, Backup };
enum class State { Generated, Updated };

// A file of a folder: index 0..files-1, then the two extras where the
// folder has them.
struct FileId {
  int folder = 0;
  int index = 0;
};

// What one side holds of a file in one state.
struct Version {
  bool present = false;
  int contents = 0;  // 0 for the older version, 1 for the newer one
  std::uint64_t size = 0;
  timespec time{};
};

class TreeModel {
 public:
  explicit TreeModel(Workload workload) : w_(std::move(workload)) {}

  [[nodiscard]] const Workload& workload() const { return w_; }

  // Files of folder i, extras included.
  [[nodiscard]] int FileCount(int folder) const;
  [[nodiscard]] bool HasExtras(int folder) const;
  [[nodiscard]] Role RoleOf(FileId f) const;

  // The folder's path below each side's root, native (UTF-8, '/') and in
  // drive form (code page 932) for the list file.
  [[nodiscard]] std::string FolderNative(int folder) const;
  [[nodiscard]] std::string FolderDriveForm(int folder) const;  // `C:\Bench\F0000`, UTF-8
  [[nodiscard]] std::string Name(FileId f) const;                 // native, UTF-8

  [[nodiscard]] Version VersionOf(FileId f, Side side, State state) const;

  // The file's contents: a header naming it and its version, then bytes of
  // a generator seeded with both, so that no two files or versions agree.
  void Contents(FileId f, int contents, std::uint64_t size, std::string& out) const;

  // Totals over the tree.
  [[nodiscard]] std::uint64_t BackupFiles() const;   // names an update run compares
  [[nodiscard]] std::uint64_t NewerFiles() const;    // copies an update run makes
  [[nodiscard]] std::uint64_t BackupOnlyFiles() const;
  [[nodiscard]] std::uint64_t CopiedBytes() const;

 private:
  [[nodiscard]] std::uint64_t SizeOf(FileId f, int contents) const;
  [[nodiscard]] timespec BaseTime(FileId f) const;
  [[nodiscard]] timespec NewerTime(FileId f) const;

  Workload w_;
};

}  // namespace twindir::bench
