#pragma once
// The list file H:\TWINDIR.DAT on temporary drives C (the hard disk) and H
// (the backup drive), with system calls that fail on cue.

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <unistd.h>

#include "folders/FolderList.h"
#include "folders/StartupPaths.h"
#include "platform/NameOrder.h"
#include "tests/support/FaultySyscalls.h"
#include "tests/support/TempDrives.h"

namespace twindir::folders {

class ListFileFixture : public ::testing::Test {
 protected:
  static constexpr std::string_view kListFile = "H:\\TWINDIR.DAT";

  test_support::FaultySyscalls sys_;
  test_support::TempDrives drives_{{.letters = "CH", .current_directory = "H:\\", .syscalls = &sys_}};
  platform::NameOrder order_{"ja"};
  FolderList list_{drives_.fs(), order_, StartupPathsFor("H:\\")};

  void PutListFile(std::string_view bytes) { drives_.WriteFile(kListFile, bytes); }
  std::string ListFileBytes() const { return drives_.ReadFile(kListFile); }
  void RemoveListFile() { ASSERT_EQ(::unlink(drives_.Native(kListFile).c_str()), 0); }

  // The table a load of the list file gives; the load must succeed.
  FolderTable Load() {
    LoadResult load = list_.LoadFolderList(FolderTable{});
    EXPECT_EQ(load.status, LoadStatus::Loaded);
    return std::move(load.table);
  }

  // While set, every read of a file's contents fails with an I/O error.
  void FailReads(bool fail) { fail ? sys_.FailAll(test_support::Call::Read, EIO) : sys_.Heal(); }
  // While set, every rename fails, as on a write-protected medium.
  void FailRenames(bool fail) {
    fail ? sys_.FailAll(test_support::Call::RenameAt, EROFS) : sys_.Heal();
  }
};

}  // namespace twindir::folders
