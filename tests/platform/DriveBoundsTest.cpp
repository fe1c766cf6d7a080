// Symbolic links to folders: nothing is written, deleted or read through a
// link that leads outside its drive; links that stay under the drive's
// root work as the folders they name.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/LinuxFileSystem.h"
#include "tests/support/TempDrives.h"

namespace twindir::platform {
namespace {

using test_support::TempDrives;

// Drives C and H, and a folder beside them that no drive holds.
class DriveBounds : public ::testing::Test {
 protected:
  DriveBounds() : outside_(drives_.base() + "/outside") {
    EXPECT_EQ(mkdir(outside_.c_str(), 0777), 0);
    EXPECT_EQ(mkdir((outside_ + "/sub").c_str(), 0777), 0);
    drives_.WriteFile("C:\\s.txt", "source");
    drives_.WriteFile("C:\\c.txt", "on C");
    drives_.MakeFolder("H:\\Real");
    drives_.MakeFolder("H:\\Deep");
    WriteNative(outside_ + "/victim.txt", "outside");
    WriteNative(outside_ + "/sub/deep.txt", "outside too");
  }

  static void WriteNative(const std::string& path, const char* contents) {
    std::ofstream(path, std::ios::binary) << contents;
  }
  void Link(const std::string& target, std::string_view at) {
    ASSERT_EQ(symlink(target.c_str(), drives_.Native(at).c_str()), 0) << at;
  }
  std::vector<std::string> OutsideNames() const {
    std::vector<std::string> names;
    for (const char* folder : {"", "/sub"}) {
      for (const auto& entry : std::filesystem::directory_iterator(outside_ + folder)) {
        names.push_back(entry.path().string());
      }
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  TempDrives drives_;
  const std::string outside_;
};

TEST_F(DriveBounds, NothingPassesALinkLeavingTheDrive) {
  Link(outside_, "H:\\Out");      // absolute
  Link("../outside", "H:\\Rel");  // relative, climbing out
  Link("../C", "H:\\ToC");        // onto another drive
  Link("Loop", "H:\\Loop");
  FileSystem& fs = drives_.fs();
  const std::vector<std::string> outside_before = OutsideNames();
  struct Row {
    std::function<Status()> call;
    Error expected;
  };
  const auto rows = std::to_array<Row>({
      {[&] { return fs.CopyFile("C:\\s.txt", "H:\\Out\\victim.txt"); }, Error::AccessDenied},
      {[&] { return fs.CopyFile("C:\\s.txt", "h:\\OUT\\new.txt"); }, Error::AccessDenied},
      {[&] { return fs.CopyFile("C:\\s.txt", "H:\\Out\\sub\\deep.txt"); }, Error::AccessDenied},
      {[&] { return fs.DeleteFile("H:\\Out\\victim.txt"); }, Error::AccessDenied},
      {[&] { return fs.DeleteFile("H:\\Rel\\sub\\deep.txt"); }, Error::AccessDenied},
      {[&] { return fs.DeleteFile("H:\\ToC\\c.txt"); }, Error::AccessDenied},
      {[&] { return fs.CreateDirectory("H:\\Out\\New"); }, Error::AccessDenied},
      {[&] { return fs.ForceDirectories("H:\\Out\\New\\Sub"); }, Error::AccessDenied},
      {[&] { return fs.ForceDirectories("H:\\Rel\\sub\\New"); }, Error::AccessDenied},
      {[&] { return fs.WriteWholeFile("H:\\Out\\victim.txt", "x"); }, Error::AccessDenied},
      {[&] { return fs.WriteWholeFile("H:\\Rel\\new.txt", "x"); }, Error::AccessDenied},
      {[&] { return fs.WriteWholeFile("H:\\Loop\\x.txt", "x"); }, Error::NotAFile},  // and no hang
      // Contents are not read through it either.
      {[&] { return fs.CopyFile("H:\\Out\\victim.txt", "C:\\got.txt"); }, Error::AccessDenied},
      {[&] { return Status(fs.ReadWholeFile("H:\\Rel\\victim.txt").error()); },
       Error::AccessDenied},
      {[&] { return Status(fs.ListDirectory("H:\\Out").error()); }, Error::AccessDenied},
      // ".." in a path stops at the drive root: these name folders of H that do not exist.
      {[&] { return fs.CopyFile("C:\\s.txt", "H:\\..\\outside\\victim.txt"); }, Error::NotFound},
      {[&] { return fs.WriteWholeFile("H:\\Out\\..\\..\\outside\\x.txt", "x"); }, Error::NotFound},
  });
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].call().error(), rows[i].expected) << "row " << i;
    EXPECT_EQ(OutsideNames(), outside_before) << "row " << i;
  }
  EXPECT_EQ(drives_.ReadFile("H:\\Out\\victim.txt"), "outside");
  EXPECT_EQ(drives_.ReadFile("H:\\Out\\sub\\deep.txt"), "outside too");
  EXPECT_EQ(drives_.ReadFile("C:\\c.txt"), "on C");
  EXPECT_FALSE(drives_.Exists("C:\\got.txt"));
  EXPECT_FALSE(drives_.Exists("H:\\outside"));
}

// A linked folder that stays under the root, the usual case in a home
// folder, works for everything, whether the link is absolute or relative.
TEST_F(DriveBounds, LinksStayingOnTheDriveWork) {
  Link(drives_.Root('H') + "/Real", "H:\\In");
  Link("Real", "H:\\InRel");
  Link("../Real", "H:\\Deep\\Up");
  Link(drives_.Root('H') + "/Deep/../Real/", "H:\\Winding");
  FileSystem& fs = drives_.fs();
  const auto rows = std::to_array<std::function<Status()>>({
      [&] { return fs.CopyFile("C:\\s.txt", "H:\\In\\a.txt"); },
      [&] { return fs.CopyFile("H:\\Deep\\Up\\a.txt", "C:\\back.txt"); },
      [&] { return fs.WriteWholeFile("h:\\inrel\\b.txt", "b"); },
      [&] { return fs.CreateDirectory("H:\\Deep\\Up\\New"); },
      [&] { return fs.ForceDirectories("H:\\Winding\\F1\\F2"); },
      [&] { return Status(fs.ReadWholeFile("H:\\In\\b.txt").error()); },
      [&] { return Status(fs.ListDirectory("H:\\InRel").error()); },
      [&] { return fs.DeleteFile("H:\\In\\..\\Real\\b.txt"); },
  });
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_TRUE(rows[i]().ok()) << "row " << i;
  EXPECT_EQ(drives_.ReadFile("H:\\Real\\a.txt"), "source");
  EXPECT_EQ(drives_.ReadFile("C:\\back.txt"), "source");
  EXPECT_EQ(drives_.NativeNames("H:\\Real"), (std::vector<std::string>{"F1", "New", "a.txt"}));
  EXPECT_TRUE(drives_.Exists("H:\\Real\\F1\\F2"));
  EXPECT_EQ(fs.ListDirectory("H:\\In").value().size(), 3u);
}

// A drive whose root the map names through a link: absolute links inside
// it may name the root either way.
TEST_F(DriveBounds, ARootMappedThroughALinkTakesItsRealPathToo) {
  const std::string linked_root = drives_.base() + "/H-link";
  ASSERT_EQ(symlink(drives_.Root('H').c_str(), linked_root.c_str()), 0);
  Link(drives_.Root('H') + "/Real", "H:\\ByReal");
  Link(linked_root + "/Real", "H:\\ByMap");
  DriveMap map;
  map.Map('H', linked_root);
  LinuxFileSystem fs(map, "H:\\");
  EXPECT_TRUE(fs.WriteWholeFile("H:\\ByReal\\a.txt", "a").ok());
  EXPECT_TRUE(fs.WriteWholeFile("H:\\ByMap\\b.txt", "b").ok());
  EXPECT_EQ(drives_.NativeNames("H:\\Real"), (std::vector<std::string>{"a.txt", "b.txt"}));
}

}  // namespace
}  // namespace twindir::platform
