// A medium pulled out of its drive: what is no longer there is gone with
// the medium, not missing, and the hidden temporary file of the copy under
// way, which could not be removed from a medium that was gone, goes at the
// next listing of its folder once the medium is back.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

#include "platform/FileSystem.h"
#include "tests/support/MediumFaults.h"
#include "tests/support/TempDrives.h"

namespace twindir::faults {
namespace {

class PulledMedium : public ::testing::Test {
 protected:
  test_support::MediumFaults sys_;
  test_support::TempDrives drives_{
      {.letters = "CH", .current_directory = "H:\\", .syscalls = &sys_}};

  void SetUp() override {
    drives_.MakeFolder("H:\\D");
    drives_.MakeFolder("C:\\D");
    drives_.WriteFile("H:\\D\\a.txt", "backup");
    drives_.WriteFile("C:\\D\\a.txt", "hard disk");
    sys_.WatchDrive(drives_.Root('H'));
  }
};

TEST_F(PulledMedium, WhatWasThereIsGoneNotMissing) {
  sys_.Pull(1, ENOENT);  // a medium taken out answers "no such file"
  EXPECT_EQ(drives_.fs().ReadableFileTime("H:\\D\\a.txt").error(), platform::Error::DriveGone);
  EXPECT_EQ(drives_.fs().ReadableFileTime("H:\\D\\A.TXT").error(), platform::Error::DriveGone);
  EXPECT_EQ(drives_.fs().ListDirectory("H:\\D").error(), platform::Error::DriveGone);
  EXPECT_EQ(drives_.fs().OpenFolderFiles("H:\\D")->ReadableFileTime("a.txt").error(),
            platform::Error::DriveGone);
  EXPECT_EQ(drives_.fs().CopyFile("C:\\D\\a.txt", "H:\\D\\a.txt").error(),
            platform::Error::DriveGone);
  sys_.Restore();
  EXPECT_EQ(drives_.fs().ReadableFileTime("H:\\D\\missing.txt").error(), platform::Error::NotFound);
}

// The matrix pulls the medium under every copy; here the names alone: one
// of this process, which no copy holds open any more, goes; one of a
// process that runs, and a name the program never gives, stay.
TEST_F(PulledMedium, TheTemporaryFileItKeptGoesAtTheNextListing) {
  const auto temp_of = [](pid_t pid) { return ".twindir-" + std::to_string(pid) + "-4000000.tmp"; };
  for (const std::string& name :
       {temp_of(getpid()), temp_of(getppid()), std::string(".twindir-notours.tmp")}) {
    std::ofstream(drives_.Native("H:\\D") + "/" + name) << "half a copy";
  }
  ASSERT_TRUE(drives_.fs().ListDirectory("H:\\D").ok());
  EXPECT_FALSE(drives_.Exists("H:\\D\\" + temp_of(getpid())));
  EXPECT_TRUE(drives_.Exists("H:\\D\\" + temp_of(getppid())))
      << "another program may be writing it";
  EXPECT_TRUE(drives_.Exists("H:\\D\\.twindir-notours.tmp"));
  EXPECT_EQ(drives_.ReadFile("H:\\D\\a.txt"), "backup");
}

}  // namespace
}  // namespace twindir::faults
