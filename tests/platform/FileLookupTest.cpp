// Finding files by drive-form paths: conversion, name matching, the exists
// tests, opening for the time, folders, deletion, and gone drives.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
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

TEST(FileLookup, PathFormsAndTrailBytes) {
  TempDrives drives;
  drives.MakeFolder("C:\\表\\sub");
  drives.WriteFile("C:\\表\\ソ.txt", "so");
  drives.WriteFile("C:\\ｱｲｳ.txt", "kana");
  drives.WriteFile("C:\\top.txt", "top");
  FileSystem& fs = drives.fs();
  struct Row {
    std::string path;  // UTF-8, converted to code page 932 for the call
    bool file;
  };
  const auto rows = std::to_array<Row>({
      {"C:\\表\\ソ.txt", true},
      {"c:\\表\\ソ.txt", true},
      {"C:\\\\表\\\\ソ.txt", true},        // doubled backslashes read as one
      {"C:\\表\\.\\ソ.txt", true},
      {"C:\\表\\sub\\..\\ソ.txt", true},
      {"C:\\..\\..\\top.txt", true},       // ".." stops at the drive root
      {"C:/表/ソ.txt", true},
      {"C:\\ｱｲｳ.txt", true},
      {"C:\\表", false},                   // a folder is no file
      {"C:\\ソ.txt", false},
      {"D:\\top.txt", false},              // unmapped drive
      {"C:\\表\\ソ.txt\\", true},
  });
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(fs.FileExists(Sjis(rows[i].path)), rows[i].file) << "row " << i;
  }
  // The drive root's parent holds the other drives: ".." never reaches them.
  EXPECT_FALSE(fs.DirectoryExists("C:\\..\\H"));
  EXPECT_TRUE(fs.DirectoryExists("C:\\"));
  EXPECT_TRUE(fs.DirectoryExists("C:"));
  EXPECT_TRUE(fs.DirectoryExists(Sjis("C:\\表\\sub")));
  EXPECT_FALSE(fs.DirectoryExists(Sjis("C:\\表\\ソ.txt")));
  EXPECT_EQ(fs.ReadWholeFile(Sjis("C:\\表\\ソ.txt")).value(), "so");
}

TEST(FileLookup, BadPaths) {
  TempDrives drives;
  drives.WriteFile("C:\\a.txt", "a");
  const auto bad = std::to_array<std::string>({
      "a.txt", "\\\\pc\\c\\a.txt", "1:\\a.txt", "C:\\a*.txt", "C:\\a?.txt", "C:\\x:y", "C:\\a\x01",
      "C:\\\x83",  // a lead byte without its trail byte
  });
  for (std::size_t i = 0; i < bad.size(); ++i) {
    EXPECT_EQ(drives.fs().ReadableFileTime(bad[i]).error(), Error::BadPath) << "row " << i;
  }
  EXPECT_EQ(drives.fs().ReadableFileTime("D:\\a.txt").error(), Error::NotFound);
}

TEST(FileLookup, CaseInsensitiveWhereTheExactNameIsMissing) {
  TempDrives drives;
  drives.MakeFolder("C:\\Mydir\\Ｄａｔａ");
  drives.WriteFile("C:\\Mydir\\a.txt", "lower", timespec{1'000'000'000, 100});
  drives.WriteFile("C:\\Mydir\\Ｄａｔａ\\x.txt", "x");
  drives.WriteFile("C:\\Mydir\\Two.txt", "Two");
  drives.WriteFile("C:\\Mydir\\TWO.txt", "TWO");
  drives.WriteFile("C:\\Mydir\\ア.txt", "katakana");
  FileSystem& fs = drives.fs();
  EXPECT_EQ(fs.ReadableFileTime("C:\\MYDIR\\a.TXT").value(), FileTimeFromTimespec({1'000'000'000, 100}));
  EXPECT_EQ(fs.ReadWholeFile(Sjis("c:\\mydir\\ｄａｔａ\\X.TXT")).value(), "x");
  EXPECT_TRUE(fs.DirectoryExists(Sjis("C:\\MYDIR\\ＤＡＴＡ")));
  // Exact matches win; without one, several case variants count as missing.
  EXPECT_EQ(fs.ReadWholeFile("C:\\Mydir\\TWO.txt").value(), "TWO");
  EXPECT_EQ(fs.ReadWholeFile("C:\\Mydir\\two.txt").error(), Error::NotFound);
  EXPECT_FALSE(fs.FileExists("C:\\Mydir\\tWO.TXT"));
  // Half-width, full-width katakana and hiragana are different names.
  EXPECT_FALSE(fs.FileExists(Sjis("C:\\Mydir\\ｱ.txt")));
  EXPECT_FALSE(fs.FileExists(Sjis("C:\\Mydir\\あ.txt")));
  // A copy or a write onto another spelling replaces the existing file.
  ASSERT_TRUE(fs.WriteWholeFile("C:\\MYDIR\\A.TXT", "upper").ok());
  EXPECT_EQ(drives.ReadFile("C:\\Mydir\\a.txt"), "upper");
  EXPECT_FALSE(drives.Exists("C:\\Mydir\\A.TXT"));
}

// An exact name costs a look at the file and a permission check; only a
// name that is not there exactly makes its folder be read.
TEST(FileLookup, ExactNamesCostNoFolderScan) {
  FaultySyscalls sys;
  TempDrives drives({.syscalls = &sys});
  drives.MakeFolder("C:\\Mydir");
  drives.WriteFile("C:\\Mydir\\a.txt", "a");
  sys.ResetCounts();
  ASSERT_TRUE(drives.fs().ReadableFileTime("C:\\Mydir\\a.txt").ok());
  EXPECT_EQ(sys.Total(), 2);
  ASSERT_TRUE(drives.fs().ReadableFileTime("C:\\MYDIR\\a.txt").ok());
  EXPECT_GT(sys.Count(Call::GetDents), 0);
}

// The files of a folder asked for in another case than the disk's: the
// folder is matched once, then remembered while it holds.
TEST(FileLookup, AFolderMatchedInAnotherCaseIsRemembered) {
  FaultySyscalls sys;
  TempDrives drives({.syscalls = &sys});
  drives.MakeFolder("C:\\Home\\Mydir");
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) drives.WriteFile(std::string("C:\\Home\\Mydir\\") + name, name);
  FileSystem& fs = drives.fs();
  ASSERT_TRUE(fs.ReadableFileTime("C:\\HOME\\MYDIR\\a.txt").ok());
  sys.ResetCounts();
  EXPECT_EQ(fs.ReadWholeFile("C:\\HOME\\MYDIR\\b.txt").value(), "b.txt");
  EXPECT_TRUE(fs.ReadableFileTime("C:\\HOME\\MYDIR\\C.TXT").ok());  // the last name still by case
  EXPECT_EQ(sys.Count(Call::GetDents), 2);  // for C.TXT only
  // Another spelling of the folder makes the name ambiguous: missing.
  drives.MakeFolder("C:\\Home\\MyDir");
  EXPECT_EQ(fs.ReadableFileTime("C:\\HOME\\MYDIR\\a.txt").error(), Error::NotFound);
  // The exact spelling, once it exists, wins.
  drives.MakeFolder("C:\\HOME\\MYDIR");
  drives.WriteFile("C:\\HOME\\MYDIR\\a.txt", "exact");
  EXPECT_EQ(fs.ReadWholeFile("C:\\HOME\\MYDIR\\a.txt").value(), "exact");
}

// The memory of a caseless match also holds the folders below it that were
// found exactly: renamed or removed, they are looked up again, not missed.
TEST(FileLookup, AFolderRenamedBelowTheRememberedMatchIsFoundAgain) {
  TempDrives drives;
  drives.MakeFolder("C:\\Home\\Sub");
  drives.WriteFile("C:\\Home\\Sub\\a.txt", "a");
  const auto rename_folder = [&](const char* from, const char* to) {
    ASSERT_EQ(rename(drives.Native(from).c_str(), drives.Native(to).c_str()), 0) << from;
  };
  ASSERT_TRUE(drives.fs().FileExists("C:\\HOME\\Sub\\a.txt"));
  rename_folder("C:\\Home\\Sub", "C:\\Home\\SUB");
  ASSERT_TRUE(drives.fs().FileExists("C:\\HOME\\Sub\\a.txt"));
  EXPECT_EQ(drives.fs().ReadWholeFile("C:\\HOME\\Sub\\a.txt").value(), "a");

  drives.RebuildFileSystem();
  FileSystem& fs = drives.fs();
  ASSERT_TRUE(fs.FileExists("C:\\HOME\\SUB\\a.txt"));
  rename_folder("C:\\Home\\SUB", "C:\\Home\\Sub");
  EXPECT_TRUE(fs.WriteWholeFile("C:\\HOME\\SUB\\b.txt", "b").ok());
  EXPECT_EQ(drives.NativeNames("C:\\Home\\Sub"), (std::vector<std::string>{"a.txt", "b.txt"}));

  rename_folder("C:\\Home\\Sub", "C:\\Gone");
  EXPECT_FALSE(fs.FileExists("C:\\HOME\\SUB\\a.txt"));
  EXPECT_EQ(fs.WriteWholeFile("C:\\HOME\\SUB\\c.txt", "c").error(), Error::NotFound);
  EXPECT_EQ(drives.NativeNames("C:\\Home"), std::vector<std::string>{});
}

// A native name that code page 932 cannot hold exactly is never reached by
// another name: U+301C would be written 81 60, which is U+FF5E.
TEST(FileLookup, UnreachableNativeNamesStayUnreachable) {
  TempDrives drives;
  drives.WriteFile("C:\\a\xE3\x80\x9C.txt", "wave dash");
  drives.WriteFile("C:\\Caf\xC3\xA9.txt", "e acute");
  FileSystem& fs = drives.fs();
  EXPECT_FALSE(fs.FileExists("C:\\a\x81\x60.txt"));
  EXPECT_FALSE(fs.FileExists("C:\\CAF\xC3\xA9.txt"));  // not code page 932: a bad path
  EXPECT_EQ(fs.CopyFile("C:\\a\x81\x60.txt", "H:\\x.txt").error(), Error::NotFound);
  EXPECT_EQ(fs.DeleteFile("C:\\a\x81\x60.txt").error(), Error::NotFound);
  EXPECT_TRUE(drives.Exists("C:\\a\xE3\x80\x9C.txt"));
}

TEST(FileLookup, ReadableFileTimeRefusesAllButReadableRegularFiles) {
  TempDrives drives;
  const timespec when{1'700'000'000, 123'456'789};
  drives.WriteFile("C:\\file.txt", "x", when);
  drives.MakeFolder("C:\\dir");
  ASSERT_EQ(symlink(drives.Native("C:\\file.txt").c_str(), drives.Native("C:\\link.txt").c_str()), 0);
  ASSERT_EQ(mkfifo(drives.Native("C:\\fifo").c_str(), 0666), 0);
  FileSystem& fs = drives.fs();
  EXPECT_EQ(fs.ReadableFileTime("C:\\file.txt").value(), FileTimeFromTimespec(when));
  EXPECT_EQ(fs.ReadableFileTime("C:\\file.txt").value(), (1'700'000'000 + 11'644'473'600LL) * 10'000'000 + 1'234'567);
  struct Row {
    std::string path;
    Error error;
  };
  const auto rows = std::to_array<Row>({
      {"C:\\missing.txt", Error::NotFound},
      {"C:\\dir", Error::NotAFile},
      {"C:\\link.txt", Error::NotAFile},
      {"C:\\fifo", Error::NotAFile},  // and no hang
      {"C:\\missing\\file.txt", Error::NotFound},
      {"C:\\file.txt\\x", Error::NotADirectory},
  });
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(fs.ReadWholeFile(rows[i].path).error(), rows[i].error) << "row " << i;
    EXPECT_EQ(fs.ReadableFileTime(rows[i].path).error(), rows[i].error) << "row " << i;
    EXPECT_FALSE(fs.FileExists(rows[i].path)) << "row " << i;
  }
}

TEST(FileLookup, UnreadableFileCannotBeOpened) {
  FaultySyscalls sys;
  TempDrives drives({.syscalls = &sys});
  drives.WriteFile("C:\\secret.txt", "x");
  if (geteuid() != 0) {
    ASSERT_EQ(chmod(drives.Native("C:\\secret.txt").c_str(), 0), 0);
  } else {
    sys.FailAll(Call::FAccessAt, EACCES);  // root reads everything: refuse through the seam
    sys.FailAll(Call::OpenAt, EACCES);
  }
  EXPECT_EQ(drives.fs().ReadableFileTime("C:\\secret.txt").error(), Error::AccessDenied);
  EXPECT_EQ(drives.fs().ReadWholeFile("C:\\secret.txt").error(), Error::AccessDenied);
}

TEST(FileLookup, DirectoriesOneLevelAndWithParents) {
  TempDrives drives;
  drives.MakeFolder("C:\\Mydir");
  drives.WriteFile("C:\\Mydir\\file", "x");
  FileSystem& fs = drives.fs();
  EXPECT_TRUE(fs.CreateDirectory("C:\\Mydir\\One").ok());
  EXPECT_TRUE(drives.Exists("C:\\Mydir\\One"));
  EXPECT_EQ(fs.CreateDirectory("C:\\MYDIR\\ONE").error(), Error::AlreadyExists);
  EXPECT_EQ(fs.CreateDirectory("C:\\Mydir\\No\\Parent").error(), Error::NotFound);
  EXPECT_EQ(fs.CreateDirectory("D:\\x").error(), Error::NotFound);

  EXPECT_TRUE(fs.ForceDirectories(Sjis("C:\\MYDIR\\one\\表\\ソ")).ok());
  EXPECT_TRUE(drives.Exists("C:\\Mydir\\One\\表\\ソ"));
  EXPECT_FALSE(drives.Exists("C:\\MYDIR"));
  EXPECT_TRUE(fs.ForceDirectories("C:\\Mydir").ok());
  EXPECT_EQ(fs.ForceDirectories("C:\\Mydir\\file").error(), Error::NotADirectory);
  EXPECT_EQ(fs.ForceDirectories("C:\\Mydir\\file\\sub").error(), Error::NotADirectory);
}

TEST(FileLookup, DeleteOnlyRegularFiles) {
  TempDrives drives;
  drives.WriteFile("C:\\a.txt", "a");
  drives.MakeFolder("C:\\dir");
  ASSERT_EQ(symlink(drives.Native("C:\\a.txt").c_str(), drives.Native("C:\\link").c_str()), 0);
  FileSystem& fs = drives.fs();
  EXPECT_EQ(fs.DeleteFile("C:\\dir").error(), Error::NotAFile);
  EXPECT_EQ(fs.DeleteFile("C:\\link").error(), Error::NotAFile);
  EXPECT_TRUE(drives.Exists("C:\\link"));
  EXPECT_TRUE(fs.DeleteFile("C:\\A.TXT").ok());
  EXPECT_FALSE(drives.Exists("C:\\a.txt"));
  EXPECT_EQ(fs.DeleteFile("C:\\a.txt").error(), Error::NotFound);
}

TEST(FileLookup, FreeBytesAndFlush) {
  TempDrives drives;
  FileSystem& fs = drives.fs();
  const Result<std::uint64_t> free = fs.FreeBytes("H:\\");
  ASSERT_TRUE(free.ok());
  EXPECT_GT(free.value(), 0u);
  EXPECT_TRUE(fs.Flush("H:\\").ok());
  EXPECT_EQ(fs.FreeBytes("D:\\").error(), Error::NotFound);
}

// A pulled medium leaves its empty mount point behind: another folder at
// the drive's root. Nothing is created or written there.
TEST(FileLookup, GoneDriveTakesNoWrites) {
  TempDrives drives;
  drives.MakeFolder("H:\\Mydir");
  drives.WriteFile("H:\\Mydir\\a.txt", "a");
  drives.WriteFile("C:\\b.txt", "b");
  const std::string root = drives.Root('H');
  ASSERT_EQ(rename(root.c_str(), (root + "-pulled").c_str()), 0);
  ASSERT_EQ(mkdir(root.c_str(), 0777), 0);
  ASSERT_EQ(mkdir((root + "/Mydir").c_str(), 0777), 0);
  FileSystem& fs = drives.fs();
  EXPECT_EQ(fs.CopyFile("C:\\b.txt", "H:\\Mydir\\b.txt").error(), Error::DriveGone);
  EXPECT_EQ(fs.WriteWholeFile("H:\\TWINDIR.DAT", "x").error(), Error::DriveGone);
  EXPECT_EQ(fs.CreateDirectory("H:\\New").error(), Error::DriveGone);
  EXPECT_EQ(fs.ForceDirectories("H:\\New\\Sub").error(), Error::DriveGone);
  EXPECT_EQ(fs.ListDirectory("H:\\Mydir").error(), Error::DriveGone);
  EXPECT_EQ(fs.FreeBytes("H:\\").error(), Error::DriveGone);
  EXPECT_EQ(fs.Flush("H:\\").error(), Error::DriveGone);
  EXPECT_EQ(drives.NativeNames("H:\\Mydir").size(), 0u);
  EXPECT_FALSE(drives.Exists("H:\\New"));
  EXPECT_FALSE(drives.Exists("H:\\TWINDIR.DAT"));
  EXPECT_TRUE(fs.FileExists("C:\\b.txt"));  // the other drives work on
  // Once the medium is back, the drive is whole again.
  ASSERT_EQ(rmdir((root + "/Mydir").c_str()), 0);
  ASSERT_EQ(rmdir(root.c_str()), 0);
  ASSERT_EQ(rename((root + "-pulled").c_str(), root.c_str()), 0);
  EXPECT_TRUE(fs.CopyFile("C:\\b.txt", "H:\\Mydir\\b.txt").ok());
}

}  // namespace
}  // namespace twindir::platform
