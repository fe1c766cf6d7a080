#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <cerrno>
#include <string>
#include <vector>

#include "platform/LinuxFileSystem.h"
#include "tests/support/FaultySyscalls.h"
#include "tests/support/TempDrives.h"

namespace twindir::platform {
namespace {

using test_support::Call;
using test_support::FaultySyscalls;
using test_support::Sjis;
using test_support::TempDrives;

// name: flags, sorted by name, for one readable comparison.
std::vector<std::string> Describe(const std::vector<DirEntry>& entries) {
  std::vector<std::string> out;
  for (const DirEntry& e : entries) {
    out.push_back(e.name + ":" + (e.directory ? "d" : "") + (e.hidden ? "h" : "") + (e.system ? "s" : ""));
  }
  std::sort(out.begin(), out.end());
  return out;
}

TEST(FolderListing, EntriesWithTheirAttributes) {
  TempDrives drives;
  drives.MakeFolder("C:\\f\\sub");
  drives.WriteFile("C:\\f\\b.txt", "");
  drives.WriteFile("C:\\f\\A.TXT", "");
  drives.WriteFile("C:\\f\\.hidden", "");
  drives.WriteFile("C:\\f\\ソ.txt", "");
  drives.WriteFile("C:\\f\\ｱ.txt", "");
  drives.WriteFile("C:\\f\\a\xE3\x80\x9C.txt", "");  // U+301C: no exact code page 932 form
  drives.WriteFile("C:\\f\\caf\xC3\xA9.txt", "");     // é: none at all
  drives.WriteFile("C:\\f\\what?.txt", "");           // forbidden on Windows
  std::ofstream(drives.Root('C') + "/f/back\\slash");  // a backslash in a native name
  drives.WriteFile("C:\\f\\bad\xFF", "");              // not UTF-8
  ASSERT_EQ(symlink("b.txt", drives.Native("C:\\f\\link").c_str()), 0);
  ASSERT_EQ(symlink("sub", drives.Native("C:\\f\\dirlink").c_str()), 0);
  ASSERT_EQ(mkfifo(drives.Native("C:\\f\\fifo").c_str(), 0666), 0);
  const Result<std::vector<DirEntry>> listed = drives.fs().ListDirectory("C:\\F");
  ASSERT_TRUE(listed.ok()) << ErrorName(listed.error());
  const std::vector<std::string> expected = {
      ".hidden:h", "A.TXT:", "b.txt:", "dirlink:s", "fifo:s", "link:s", "sub:d", Sjis("ソ.txt:"), Sjis("ｱ.txt:"),
  };
  std::vector<std::string> sorted_expected = expected;
  std::sort(sorted_expected.begin(), sorted_expected.end());
  EXPECT_EQ(Describe(listed.value()), sorted_expected);
}

TEST(FolderListing, RootsEmptyAndMissingFolders) {
  TempDrives drives;
  drives.WriteFile("H:\\TWINDIR.DAT", "");
  drives.MakeFolder("H:\\empty");
  FileSystem& fs = drives.fs();
  for (const std::string root : {"H:\\", "H:\\\\", "h:"}) {
    const auto listed = fs.ListDirectory(root);
    ASSERT_TRUE(listed.ok()) << root;
    EXPECT_EQ(Describe(listed.value()), (std::vector<std::string>{"TWINDIR.DAT:", "empty:d"})) << root;
  }
  EXPECT_TRUE(fs.ListDirectory("H:\\empty").value().empty());
  EXPECT_EQ(fs.ListDirectory("H:\\missing").error(), Error::NotFound);
  EXPECT_EQ(fs.ListDirectory("H:\\TWINDIR.DAT").error(), Error::NotADirectory);
}

// Thousands of entries take several directory reads; a read that fails
// midway fails the listing instead of giving part of it.
TEST(FolderListing, LargeFoldersWholeOrNotAtAll) {
  FaultySyscalls sys;
  TempDrives drives({.syscalls = &sys});
  drives.MakeFolder("C:\\many");
  for (int i = 0; i < 3000; ++i) drives.WriteFile("C:\\many\\file-with-a-longer-name-" + std::to_string(i), "");
  ASSERT_EQ(drives.fs().ListDirectory("C:\\many").value().size(), 3000u);
  EXPECT_GT(sys.Count(Call::GetDents), 2);
  sys.FailNth(Call::GetDents, 2, EIO);
  EXPECT_EQ(drives.fs().ListDirectory("C:\\many").error(), Error::Io);
}

}  // namespace
}  // namespace twindir::platform
