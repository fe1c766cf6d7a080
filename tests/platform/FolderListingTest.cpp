#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <dirent.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
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

// Directory records whose type is left unknown, as some file systems give
// them: the listing must look at each entry itself.
class UnknownTypes : public FaultySyscalls {
 public:
  ssize_t GetDents(int dir_fd, void* buffer, std::size_t size) override {
    const ssize_t got = FaultySyscalls::GetDents(dir_fd, buffer, size);
    for (ssize_t offset = 0; offset < got;) {
      auto* record = static_cast<char*>(buffer) + offset;
      record[offsetof(dirent64, d_type)] = DT_UNKNOWN;
      unsigned short length = 0;
      std::memcpy(&length, record + offsetof(dirent64, d_reclen), sizeof length);
      offset += length;
    }
    return got;
  }
};

TEST(FolderListing, EntriesWithTheirAttributes) {
  FaultySyscalls kernel_types;
  UnknownTypes unknown_types;
  for (FaultySyscalls* sys : {&kernel_types, static_cast<FaultySyscalls*>(&unknown_types)}) {
    TempDrives drives({.syscalls = sys});
    drives.MakeFolder("C:\\f\\sub");
    drives.WriteFile("C:\\f\\b.txt", "");
    drives.WriteFile("C:\\f\\A.TXT", "");
    drives.WriteFile("C:\\f\\.hidden", "");
    drives.WriteFile("C:\\f\\ソ.txt", "");
    drives.WriteFile("C:\\f\\ｱ.txt", "");
    drives.WriteFile("C:\\f\\a\xE3\x80\x9C.txt", "");  // U+301C: no exact code page 932 form
    drives.WriteFile("C:\\f\\caf\xC3\xA9.txt", "");     // é: none at all
    drives.WriteFile("C:\\f\\what?.txt", "");             // forbidden on Windows
    drives.WriteFile("C:\\f\\bad\xFF", "");              // not UTF-8
    std::ofstream(drives.Root('C') + "/f/back\\slash");     // a backslash in a native name
    ASSERT_EQ(symlink("b.txt", drives.Native("C:\\f\\link").c_str()), 0);
    ASSERT_EQ(symlink("sub", drives.Native("C:\\f\\dirlink").c_str()), 0);
    ASSERT_EQ(mkfifo(drives.Native("C:\\f\\fifo").c_str(), 0666), 0);
    const Result<std::vector<DirEntry>> listed = drives.fs().ListDirectory("C:\\F");
    ASSERT_TRUE(listed.ok()) << ErrorName(listed.error());
    std::vector<std::string> expected = {
        ".hidden:h", "A.TXT:", "b.txt:", "dirlink:s", "fifo:s", "link:s", "sub:d", Sjis("ソ.txt:"), Sjis("ｱ.txt:"),
    };
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Describe(listed.value()), expected) << (sys == &kernel_types ? "kernel types" : "unknown types");
  }
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
