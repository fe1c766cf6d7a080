// The copy that never destroys data, and the atomic whole-file write.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "platform/LinuxFileSystem.h"
#include "platform/NativeTime.h"
#include "tests/support/FaultySyscalls.h"
#include "tests/support/TempDrives.h"

namespace twindir::platform {
namespace {

using test_support::Call;
using test_support::FaultySyscalls;
using test_support::Sjis;
using test_support::TempDrives;

const timespec kSourceTime{1'700'000'001, 123'456'789};
const timespec kOldTime{1'600'000'000, 0};

// Drives C and H, a source file on C and an older target on H.
class FileCopy : public ::testing::Test {
 protected:
  FileCopy() : drives_({.syscalls = &sys_}) {
    drives_.MakeFolder("C:\\Mydir");
    drives_.MakeFolder("H:\\Mydir");
    drives_.WriteFile("C:\\Mydir\\ソ.txt", "new contents", kSourceTime);
    drives_.WriteFile("H:\\Mydir\\ソ.txt", "old", kOldTime);
  }

  Status Copy() { return drives_.fs().CopyFile(Sjis("C:\\Mydir\\ソ.txt"), Sjis("H:\\Mydir\\ソ.txt")); }

  void ExpectTargetUntouched() {
    EXPECT_EQ(drives_.ReadFile("H:\\Mydir\\ソ.txt"), "old");
    EXPECT_EQ(drives_.ReadTime("H:\\Mydir\\ソ.txt"), FileTimeFromTimespec(kOldTime));
    EXPECT_EQ(drives_.NativeNames("H:\\Mydir"), std::vector<std::string>{"ソ.txt"}) << "a temporary file was left";
  }

  FaultySyscalls sys_;
  TempDrives drives_;
};

TEST_F(FileCopy, KeepsTheSourceTimeToTheNanosecond) {
  ASSERT_TRUE(Copy().ok());
  EXPECT_EQ(drives_.ReadFile("H:\\Mydir\\ソ.txt"), "new contents");
  const timespec copied = drives_.ReadTimespec("H:\\Mydir\\ソ.txt");
  EXPECT_EQ(copied.tv_sec, kSourceTime.tv_sec);
  EXPECT_EQ(copied.tv_nsec, kSourceTime.tv_nsec);
  EXPECT_EQ(drives_.fs().ReadableFileTime(Sjis("H:\\Mydir\\ソ.txt")).value(),
            drives_.fs().ReadableFileTime(Sjis("C:\\Mydir\\ソ.txt")).value());
  EXPECT_EQ(drives_.NativeNames("H:\\Mydir"), std::vector<std::string>{"ソ.txt"});
  // The source stays as it was.
  EXPECT_EQ(drives_.ReadTime("C:\\Mydir\\ソ.txt"), FileTimeFromTimespec(kSourceTime));
}

TEST_F(FileCopy, CreatesANewTargetAndReadsOrWritesWhereRangesCannot) {
  sys_.FailAll(Call::CopyFileRange, EXDEV);  // between file systems
  const std::string big(1'000'000, 'x');
  drives_.WriteFile("C:\\Mydir\\big.bin", big, kSourceTime);
  ASSERT_TRUE(drives_.fs().CopyFile("C:\\Mydir\\big.bin", "H:\\Mydir\\big.bin").ok());
  EXPECT_EQ(drives_.ReadFile("H:\\Mydir\\big.bin"), big);
  EXPECT_EQ(drives_.ReadTime("H:\\Mydir\\big.bin"), FileTimeFromTimespec(kSourceTime));
  EXPECT_GT(sys_.Count(Call::Write), 1);
}

TEST_F(FileCopy, ReplacesAnotherSpellingOfTheTarget) {
  ASSERT_TRUE(drives_.fs().CopyFile(Sjis("C:\\MYDIR\\ソ.TXT"), Sjis("h:\\mydir\\ソ.TXT")).ok());
  EXPECT_EQ(drives_.NativeNames("H:\\Mydir"), std::vector<std::string>{"ソ.txt"});
  EXPECT_EQ(drives_.ReadFile("H:\\Mydir\\ソ.txt"), "new contents");
}

// Every failure, wherever it strikes, leaves the old target whole and no
// temporary file.
TEST_F(FileCopy, AFailedCopyLeavesTheTargetUntouched) {
  struct Row {
    Call call;
    int nth;
    int error;
    Error expected;
  };
  const auto rows = std::to_array<Row>({
      // The temporary file, after the source's root, folder and file and the
      // target's root and folder: the target folder is not writable.
      {Call::OpenAt, 6, EACCES, Error::AccessDenied},
      {Call::CopyFileRange, 1, EIO, Error::Io},
      {Call::Write, 1, ENOSPC, Error::NoSpace},
      {Call::FutimeNs, 1, EPERM, Error::AccessDenied},
      // A late write error of the temporary file, closed after the source's
      // root and folder and the target's root.
      {Call::Close, 4, EIO, Error::Io},
      {Call::RenameAt, 1, EIO, Error::Io},
  });
  for (std::size_t i = 0; i < rows.size(); ++i) {
    sys_.Heal();
    drives_.WriteFile("H:\\Mydir\\ソ.txt", "old", kOldTime);
    if (rows[i].call == Call::Write) sys_.FailAll(Call::CopyFileRange, EXDEV);
    sys_.ResetCounts();
    sys_.FailNth(rows[i].call, rows[i].nth, rows[i].error);
    EXPECT_EQ(Copy().error(), rows[i].expected) << "row " << i;
    EXPECT_GT(sys_.Count(rows[i].call), rows[i].nth - 1) << "row " << i << ": the fault was not reached";
    ExpectTargetUntouched();
  }
  sys_.Heal();
  EXPECT_TRUE(Copy().ok());
}

TEST_F(FileCopy, RefusesWhatItMustNotCopy) {
  drives_.MakeFolder("H:\\Mydir\\folder");
  drives_.WriteFile("C:\\elsewhere.txt", "keep");
  ASSERT_EQ(symlink(drives_.Native("C:\\elsewhere.txt").c_str(), drives_.Native("H:\\Mydir\\link.txt").c_str()), 0);
  ASSERT_EQ(link(drives_.Native("C:\\Mydir\\ソ.txt").c_str(), drives_.Native("C:\\Mydir\\hard.txt").c_str()), 0);
  FileSystem& fs = drives_.fs();
  const std::string source = Sjis("C:\\Mydir\\ソ.txt");
  struct Row {
    std::string source;
    std::string target;
    Error expected;
  };
  const auto rows = std::to_array<Row>({
      {source, "H:\\Mydir\\link.txt", Error::NotAFile},    // never through a link
      {source, "H:\\Mydir\\folder", Error::NotAFile},
      {source, source, Error::SameFile},
      {source, Sjis("c:\\mydir\\ソ.TXT"), Error::SameFile},
      {source, "C:\\Mydir\\hard.txt", Error::SameFile},     // one file under two names
      {"C:\\Mydir\\missing.txt", "H:\\Mydir\\x.txt", Error::NotFound},
      {"H:\\Mydir\\link.txt", "H:\\Mydir\\x.txt", Error::NotAFile},
      {source, "H:\\Missing\\x.txt", Error::NotFound},      // target folder missing
      {source, "H:\\", Error::BadPath},
      {source, "D:\\x.txt", Error::NotFound},
  });
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(fs.CopyFile(rows[i].source, rows[i].target).error(), rows[i].expected) << "row " << i;
  }
  EXPECT_EQ(drives_.ReadFile("C:\\elsewhere.txt"), "keep");
  EXPECT_EQ(drives_.ReadFile("C:\\Mydir\\ソ.txt"), "new contents");
  EXPECT_FALSE(drives_.Exists("H:\\Mydir\\x.txt"));
  EXPECT_FALSE(drives_.Exists("H:\\Missing"));
}

// A file its owner may not write is neither replaced nor deleted, as on
// Windows, though the folder's permissions would allow both.
TEST_F(FileCopy, ReadOnlyFilesAreNeitherReplacedNorDeleted) {
  drives_.WriteFile("H:\\TWINDIR.DAT", "C:\\Mydir\r\n", kOldTime);
  for (const char* path : {"H:\\Mydir\\ソ.txt", "H:\\TWINDIR.DAT"}) {
    ASSERT_EQ(chmod(drives_.Native(path).c_str(), 0444), 0) << path;
  }
  FileSystem& fs = drives_.fs();
  const std::string target = Sjis("H:\\Mydir\\ソ.txt");
  const auto calls = std::to_array<std::function<Status()>>({
      [&] { return Copy(); },
      [&] { return fs.DeleteFile(target); },
      [&] { return fs.WriteWholeFile(target, "written"); },
      [&] { return fs.WriteWholeFile("H:\\TWINDIR.DAT", "C:\\Other\r\n"); },
      [&] { return fs.DeleteFile("h:\\twindir.dat"); },
  });
  for (std::size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i]().error(), Error::AccessDenied) << "row " << i;
    ExpectTargetUntouched();
    EXPECT_EQ(drives_.ReadFile("H:\\TWINDIR.DAT"), "C:\\Mydir\r\n") << "row " << i;
    EXPECT_EQ(drives_.NativeNames("H:\\"), (std::vector<std::string>{"Mydir", "TWINDIR.DAT"})) << "row " << i;
  }
  ASSERT_EQ(chmod(drives_.Native("H:\\Mydir\\ソ.txt").c_str(), 0644), 0);
  EXPECT_TRUE(Copy().ok());
  EXPECT_TRUE(fs.DeleteFile(target).ok());
}

// A source written to while it is copied (here: vanishing and coming back
// shorter) gives no target at all rather than a mixture.
TEST_F(FileCopy, ASourceChangedDuringTheCopyFailsIt) {
  class Truncating : public FaultySyscalls {
   public:
    std::string path;
    ssize_t CopyFileRange(int from, int to, std::size_t size) override {
      const ssize_t done = FaultySyscalls::CopyFileRange(from, to, size);
      if (done > 0) truncate(path.c_str(), 3);
      return done;
    }
  };
  Truncating sys;
  TempDrives drives({.syscalls = &sys});
  drives.MakeFolder("H:\\d");
  drives.WriteFile("C:\\s.txt", "long contents", kSourceTime);
  drives.WriteFile("H:\\d\\s.txt", "old", kOldTime);
  sys.path = drives.Native("C:\\s.txt");
  EXPECT_EQ(drives.fs().CopyFile("C:\\s.txt", "H:\\d\\s.txt").error(), Error::Io);
  EXPECT_EQ(drives.ReadFile("H:\\d\\s.txt"), "old");
  EXPECT_EQ(drives.NativeNames("H:\\d"), std::vector<std::string>{"s.txt"});

  ASSERT_EQ(unlink(drives.Native("C:\\s.txt").c_str()), 0);
  EXPECT_EQ(drives.fs().CopyFile("C:\\s.txt", "H:\\d\\s.txt").error(), Error::NotFound);
  EXPECT_EQ(drives.ReadFile("H:\\d\\s.txt"), "old");
}

// System calls for a target drive whose file system keeps 2-second times,
// rounded down, as FAT does; the source's time can be refused too.
class CoarseTarget : public FaultySyscalls {
 public:
  std::string coarse_root;
  bool refuse_source_times = false;

  int FutimeNs(int fd, const timespec times[2]) override {
    char link[64];
    char path[PATH_MAX] = {};
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    if (readlink(link, path, sizeof path - 1) < 0) return -1;
    if (!std::string_view(path).starts_with(coarse_root)) {
      if (refuse_source_times) {
        errno = EPERM;
        return -1;
      }
      return FaultySyscalls::FutimeNs(fd, times);
    }
    timespec coarse[2] = {times[0], times[1]};
    if (coarse[1].tv_nsec != UTIME_OMIT && coarse[1].tv_nsec != UTIME_NOW) {
      coarse[1].tv_sec -= coarse[1].tv_sec % 2;
      coarse[1].tv_nsec = 0;
    }
    return FaultySyscalls::FutimeNs(fd, coarse);
  }
};

TEST(CoarseTimeCopy, SourceTakesTheStoredTimeSoThePairComparesEqual) {
  CoarseTarget sys;
  TempDrives drives({.syscalls = &sys});
  sys.coarse_root = drives.Root('H');
  drives.WriteFile("C:\\a.txt", "a", kSourceTime);  // an odd second and nanoseconds
  FileSystem& fs = drives.fs();
  ASSERT_TRUE(fs.CopyFile("C:\\a.txt", "H:\\a.txt").ok());
  const FileTime stored = drives.ReadTime("H:\\a.txt");
  EXPECT_EQ(stored, FileTimeFromTimespec({kSourceTime.tv_sec - 1, 0}));
  EXPECT_EQ(fs.ReadableFileTime("C:\\a.txt").value(), stored);
  EXPECT_EQ(drives.ReadFile("C:\\a.txt"), "a");
}

TEST(CoarseTimeCopy, WhereTheSourceRefusesTheTargetRoundsUpAndCopiesBackOnce) {
  CoarseTarget sys;
  TempDrives drives({.syscalls = &sys});
  sys.coarse_root = drives.Root('H');
  drives.WriteFile("C:\\a.txt", "a", kSourceTime);
  FileSystem& fs = drives.fs();
  sys.refuse_source_times = true;
  ASSERT_TRUE(fs.CopyFile("C:\\a.txt", "H:\\a.txt").ok());
  EXPECT_EQ(drives.ReadTime("C:\\a.txt"), FileTimeFromTimespec(kSourceTime));
  EXPECT_EQ(drives.ReadTime("H:\\a.txt"), FileTimeFromTimespec({kSourceTime.tv_sec + 1, 0}));
  // The target is newer now: the next run copies it back, and then they are equal.
  sys.refuse_source_times = false;
  ASSERT_TRUE(fs.CopyFile("H:\\a.txt", "C:\\a.txt").ok());
  EXPECT_EQ(fs.ReadableFileTime("C:\\a.txt").value(), fs.ReadableFileTime("H:\\a.txt").value());
}

// Some FUSE file systems (fusefat among them) give a renamed file the time
// of the rename.
TEST(CoarseTimeCopy, ATimeLostInTheRenameIsSetAgain) {
  class RenameTouches : public FaultySyscalls {
   public:
    int RenameAt(int from_dir, const char* from, int to_dir, const char* to) override {
      const int renamed = FaultySyscalls::RenameAt(from_dir, from, to_dir, to);
      if (renamed == 0) utimensat(to_dir, to, nullptr, 0);
      return renamed;
    }
  };
  RenameTouches sys;
  TempDrives drives({.syscalls = &sys});
  drives.WriteFile("C:\\a.txt", "a", kSourceTime);
  ASSERT_TRUE(drives.fs().CopyFile("C:\\a.txt", "H:\\a.txt").ok());
  EXPECT_EQ(drives.ReadTime("H:\\a.txt"), FileTimeFromTimespec(kSourceTime));
  EXPECT_EQ(drives.ReadTime("C:\\a.txt"), FileTimeFromTimespec(kSourceTime));
}

TEST(WriteWholeFile, ReplacesAtomically) {
  FaultySyscalls sys;
  TempDrives drives({.syscalls = &sys});
  FileSystem& fs = drives.fs();
  ASSERT_TRUE(fs.WriteWholeFile("H:\\TWINDIR.DAT", "C:\\One\r\n").ok());
  EXPECT_EQ(fs.ReadWholeFile("H:\\TWINDIR.DAT").value(), "C:\\One\r\n");
  ASSERT_TRUE(fs.WriteWholeFile("h:\\twindir.dat", "C:\\Two\r\n").ok());
  EXPECT_EQ(drives.ReadFile("H:\\TWINDIR.DAT"), "C:\\Two\r\n");
  EXPECT_GE(sys.Count(Call::FSync), 2);  // the file and its folder
  for (const Call call : {Call::Write, Call::FSync, Call::RenameAt, Call::OpenAt}) {
    sys.Heal();
    sys.FailAll(call, EIO);
    EXPECT_FALSE(fs.WriteWholeFile("H:\\TWINDIR.DAT", "C:\\Three\r\n").ok());
    sys.Heal();
    EXPECT_EQ(drives.ReadFile("H:\\TWINDIR.DAT"), "C:\\Two\r\n");
    EXPECT_EQ(drives.NativeNames("H:\\"), std::vector<std::string>{"TWINDIR.DAT"});
  }
  ASSERT_EQ(symlink("TWINDIR.DAT", drives.Native("H:\\link.dat").c_str()), 0);
  EXPECT_EQ(fs.WriteWholeFile("H:\\link.dat", "x").error(), Error::NotAFile);
  EXPECT_EQ(drives.ReadFile("H:\\TWINDIR.DAT"), "C:\\Two\r\n");
}

}  // namespace
}  // namespace twindir::platform
