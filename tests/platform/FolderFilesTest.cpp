// The times of a folder's files by name: every answer is the one the joined
// path gives, and the folder is found once.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <string>

#include "platform/LinuxFileSystem.h"
#include "platform/PathText.h"
#include "tests/support/FaultySyscalls.h"
#include "tests/support/TempDrives.h"

namespace twindir::platform {
namespace {

using test_support::Call;
using test_support::FaultySyscalls;
using test_support::Sjis;
using test_support::TempDrives;

std::string Describe(const Result<FileTime>& r) {
  return r.ok() ? "time " + std::to_string(r.value()) : "error " + std::to_string(static_cast<int>(r.error()));
}

// Lays out the cases: exact and case-differing names and folders, a folder
// with a 0x5C trail byte, entries that are not regular files, case variants
// that make a name ambiguous, a file without its owner's read bit.
void MakeCases(TempDrives& drives) {
  drives.MakeFolder("C:\\Mydir\\sub");
  drives.WriteFile("C:\\Mydir\\a.txt", "a", timespec{1'700'000'000, 123'456'789});
  drives.WriteFile("C:\\Mydir\\Mixed.TXT", "m", timespec{1'700'000'001, 100});
  drives.WriteFile("C:\\Mydir\\sub\\b.txt", "b", timespec{1'700'000'002, 0});
  drives.WriteFile("C:\\Mydir\\Two.txt", "1");
  drives.WriteFile("C:\\Mydir\\two.TXT", "2");
  drives.WriteFile("C:\\Mydir\\no-read.txt", "w");
  ASSERT_EQ(chmod(drives.Native("C:\\Mydir\\no-read.txt").c_str(), 0200), 0);
  ASSERT_EQ(symlink("a.txt", drives.Native("C:\\Mydir\\link.txt").c_str()), 0);
  ASSERT_EQ(mkfifo(drives.Native("C:\\Mydir\\fifo").c_str(), 0666), 0);
  drives.MakeFolder("C:\\ソ表");
  drives.WriteFile("C:\\ソ表\\データ.txt", "d", timespec{1'700'000'003, 5});
  drives.WriteFile("C:\\top.txt", "t", timespec{1'700'000'004, 7});
}

struct Case {
  const char* folder;  // UTF-8
  const char* name;
};
constexpr auto kCases = std::to_array<Case>({
    {"C:\\Mydir", "a.txt"},
    {"C:\\Mydir", "A.TXT"},         // the name in another case
    {"c:\\MYDIR", "mixed.txt"},     // folder and name in another case
    {"C:\\Mydir", "missing.txt"},
    {"C:\\Mydir", "sub"},           // a folder
    {"C:\\Mydir", "link.txt"},      // a link
    {"C:\\Mydir", "fifo"},          // and no hang
    {"C:\\Mydir", "two.txt"},       // two case variants, neither exact
    {"C:\\Mydir", "Two.txt"},       // exact among case variants
    {"C:\\Mydir", "no-read.txt"},   // the owner may not read (root may)
    {"C:\\Mydir", "sub\\b.txt"},    // not a bare name: the path's way
    {"C:\\Mydir", "..\\top.txt"},
    {"C:\\Mydir", ".."},
    {"C:\\Mydir", ""},
    {"C:\\Mydir", "a?.txt"},        // a character no name may hold
    {"C:\\Mydir\\", "a.txt"},       // a trailing backslash doubles
    {"C:\\ソ表", "データ.txt"},
    {"C:\\", "top.txt"},            // a drive root
    {"C:\\Missing", "a.txt"},
    {"C:\\Mydir\\a.txt", "x"},      // the folder is a file
    {"D:\\Mydir", "a.txt"},         // an unmapped drive
    {"C:\\Mydir\\..\\..", "top.txt"},
});

void ExpectSameAsPaths(FileSystem& fs, const char* where) {
  for (std::size_t i = 0; i < kCases.size(); ++i) {
    const std::string folder = Sjis(kCases[i].folder);
    const std::string name = Sjis(kCases[i].name);
    const std::unique_ptr<FolderFiles> files = fs.OpenFolderFiles(folder);
    const Result<FileTime> by_path = fs.ReadableFileTime(JoinPath(folder, name));
    const Result<FileTime> by_name = files->ReadableFileTime(name);
    EXPECT_EQ(Describe(by_name), Describe(by_path)) << where << ", row " << i;
  }
}

TEST(FolderFiles, AnswerAsTheJoinedPath) {
  TempDrives drives;
  MakeCases(drives);
  ExpectSameAsPaths(drives.fs(), "kernel");
  EXPECT_TRUE(drives.fs().OpenFolderFiles("C:\\Mydir")->ReadableFileTime("A.TXT").ok());  // not all errors
}

TEST(FolderFiles, AnswerAsTheJoinedPathThroughASeam) {
  FaultySyscalls sys;
  TempDrives drives({.syscalls = &sys});
  MakeCases(drives);
  ExpectSameAsPaths(drives.fs(), "seam");
  // What the seam refuses counts, as a path's open would find it.
  sys.FailAll(Call::FAccessAt, EACCES);
  EXPECT_EQ(drives.fs().OpenFolderFiles("C:\\Mydir")->ReadableFileTime("a.txt").error(), Error::AccessDenied);
  ExpectSameAsPaths(drives.fs(), "seam refusing reads");
}

TEST(FolderFiles, FindTheFolderOnceAndEachNameByOneLook) {
  FaultySyscalls sys;
  TempDrives drives({.syscalls = &sys});
  MakeCases(drives);
  const std::unique_ptr<FolderFiles> files = drives.fs().OpenFolderFiles("C:\\Mydir");
  sys.ResetCounts();
  for (const char* name : {"a.txt", "Mixed.TXT", "Two.txt"}) ASSERT_TRUE(files->ReadableFileTime(name).ok()) << name;
  EXPECT_EQ(sys.Count(Call::FStatAt), 3);
  EXPECT_EQ(sys.Count(Call::FAccessAt), 3);  // a seam is asked; the kernel's owner bit answers for itself
  EXPECT_EQ(sys.Total(), 6);
}

}  // namespace
}  // namespace twindir::platform
