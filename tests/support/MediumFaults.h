#pragma once
// System calls that fail the way a removable medium fails. On top of the
// calls that fail on cue by kind (FaultySyscalls), a drive can be pulled:
// from its nth call on, every call that touches the drive's folder fails,
// as every call on a medium taken out of its drive does. A drive can also
// fill up: from its nth call on, every call that would take room on it
// fails with ENOSPC. A call touches a path when its path, or the folder or
// file its descriptor was opened on, is that path or lies below it.
//
// Single paths can be made to fail too: denied, as a file or folder the
// user may not read (we run as root, whom the kernel never denies), or
// broken for a number of calls, as a bad sector breaks one file.

#include <map>
#include <string>

#include "tests/support/FaultySyscalls.h"

namespace twindir::test_support {

class MediumFaults : public FaultySyscalls {
 public:
  // The drive whose calls are counted and which Pull and Fill act on.
  void WatchDrive(std::string native_root) { root_ = std::move(native_root); }

  // From the nth call on the drive (1 is the next one), every call on it
  // fails with error.
  void Pull(int nth, int error);
  // From the nth call on the drive, every write, copy, file or folder
  // creation on it fails with ENOSPC.
  void Fill(int nth);
  // Opening native_path and checking access to it fail with EACCES.
  void Deny(std::string native_path) { denied_ = std::move(native_path); }
  // The next `times` calls on native_path itself (of the kind only, when
  // given) fail with error.
  void Break(std::string native_path, int error, int times, Call only = Call::kCount);
  // The drive is back and has room, no path fails; the kinds' failures are
  // healed too.
  void Restore();
  // copy_file_range fails with EXDEV on every call, as between two file
  // systems (a hard disk and a medium); not a fault, Restore keeps it.
  void SetCrossDevice(bool cross) { cross_device_ = cross; }

  int CallsOnDrive() const { return calls_on_drive_; }
  void ResetDriveCount() { calls_on_drive_ = 0; }

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
  // Calls FaultySyscalls has no kind for: they fail only with the drive.
  ssize_t ReadLinkAt(int dir_fd, const char* path, char* buffer, std::size_t size) override;
  int FStatFs(int fd, struct statfs* st) override;

 private:
  enum class Mode { None, Pulled, Full };
  enum class Room { Needed, NotNeeded };
  enum class Access { Checked, NotChecked };  // whether a denied path fails the call

  std::string PathAt(int dir_fd, const char* path) const;
  std::string PathOf(int fd) const;
  // Counts a call of the kind on path; true (errno set) when it is to fail.
  bool Strikes(Call call, const std::string& path, Room room, Access access = Access::NotChecked);

  std::string root_;
  std::map<int, std::string> open_;  // descriptor -> the path it was opened on
  Mode mode_ = Mode::None;
  int strike_at_ = 0;
  int error_ = 0;
  int calls_on_drive_ = 0;
  bool cross_device_ = false;
  std::string denied_;
  std::string broken_;
  int broken_error_ = 0;
  int broken_times_ = 0;
  Call broken_call_ = Call::kCount;
};

}  // namespace twindir::test_support
