// Copies onto a real FAT medium, which keeps 2-second times rounded down,
// through fusefat (the kernel here may have no vfat). Skipped where
// mkfs.vfat, fusefat or /dev/fuse are missing. fusefat takes no names
// beyond ASCII, so the names here are plain.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/LinuxFileSystem.h"
#include "platform/NativeTime.h"
#include "tests/support/TempDrives.h"

namespace twindir::platform {
namespace {

using test_support::TempDrives;

class FatMedium : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("(command -v mkfs.vfat && command -v fusefat && test -c /dev/fuse) >/dev/null 2>&1") != 0) {
      GTEST_SKIP() << "mkfs.vfat, fusefat or /dev/fuse missing";
    }
    const std::string image = drives_.base() + "/fat.img";
    ASSERT_EQ(std::system(("truncate -s 40M " + image + " && mkfs.vfat -F 32 " + image + " >/dev/null").c_str()), 0);
    ASSERT_EQ(std::system(("fusefat -o rw+ " + image + " " + drives_.Root('H') + " >/dev/null 2>&1").c_str()), 0);
    mounted_ = true;
    drives_.RebuildFileSystem();  // H: is the medium now
  }
  ~FatMedium() override {
    if (mounted_) std::system(("fusermount -u " + drives_.Root('H')).c_str());
  }

  TempDrives drives_;
  bool mounted_ = false;
};

TEST_F(FatMedium, CopiesCompareEqualBothWays) {
  FileSystem& fs = drives_.fs();
  drives_.WriteFile("C:\\Odd.txt", "to the medium", timespec{1'700'000'001, 123'456'789});
  const Status copied = fs.CopyFile("C:\\Odd.txt", "H:\\Odd.txt");
  ASSERT_TRUE(copied.ok()) << ErrorName(copied.error());
  EXPECT_EQ(fs.ReadWholeFile("H:\\Odd.txt").value(), "to the medium");
  EXPECT_EQ(fs.ReadableFileTime("H:\\Odd.txt").value(), FileTimeFromTimespec({1'700'000'000, 0}));
  EXPECT_EQ(fs.ReadableFileTime("C:\\Odd.txt").value(), fs.ReadableFileTime("H:\\Odd.txt").value());
  EXPECT_EQ(drives_.NativeNames("H:\\"), std::vector<std::string>{"Odd.txt"});

  ASSERT_TRUE(fs.WriteWholeFile("H:\\back.txt", "from the medium").ok());
  const Status copied_back = fs.CopyFile("H:\\back.txt", "C:\\back.txt");
  ASSERT_TRUE(copied_back.ok()) << ErrorName(copied_back.error());
  EXPECT_EQ(fs.ReadableFileTime("C:\\back.txt").value(), fs.ReadableFileTime("H:\\back.txt").value());
  EXPECT_TRUE(fs.Flush("H:\\").ok());
}

}  // namespace
}  // namespace twindir::platform
