#include "platform/DriveMap.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <optional>
#include <string>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDrives.h"

namespace twindir::platform {
namespace {

using test_support::ScopedEnv;
using test_support::Sjis;

TEST(DriveMap, LettersEitherCaseAndLaterMapWins) {
  DriveMap map;
  map.Map('h', "/media/me/MO/");
  map.Map('C', "/home/me");
  map.Map('c', "/home/other");
  ASSERT_NE(map.Root('H'), nullptr);
  EXPECT_EQ(*map.Root('H'), "/media/me/MO");
  EXPECT_EQ(*map.Root('c'), "/home/other");
  EXPECT_EQ(map.Root('D'), nullptr);
  const auto drives = map.Drives();
  ASSERT_EQ(drives.size(), 2u);
  EXPECT_EQ(drives[0].first, 'C');
  EXPECT_EQ(drives[1].first, 'H');
}

TEST(DriveMap, Parse) {
  struct Row {
    std::string map_text;
    bool valid;
    std::string h_root;  // when valid
  };
  const auto rows = std::to_array<Row>({
      {"C=/home/me;H=/media/me/MO", true, "/media/me/MO"},
      {"h=/mnt//mo/;", true, "/mnt/mo"},
      {"H=/", true, "/"},
      {"", false, ""},
      {"H=relative", false, ""},
      {"HH=/x", false, ""},
      {"1=/x", false, ""},
      {"H/x", false, ""},
  });
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto map = DriveMap::Parse(rows[i].map_text);
    ASSERT_EQ(map.has_value(), rows[i].valid) << "row " << i;
    if (map) {
      ASSERT_NE(map->Root('H'), nullptr) << "row " << i;
      EXPECT_EQ(*map->Root('H'), rows[i].h_root) << "row " << i;
    }
  }
}

TEST(DriveMap, ToDriveFormTakesTheLongestRoot) {
  DriveMap map;
  map.Map('Z', "/");
  map.Map('C', "/home/me");
  map.Map('H', "/home/me/mo");
  struct Row {
    std::string native;
    std::optional<std::string> drive_form;
  };
  const auto rows = std::to_array<Row>({
      {"/home/me/Mydir/Sample", "C:\\Mydir\\Sample"},
      {"/home/me", "C:\\"},
      {"/home/me/", "C:\\"},
      {"/home/me/mo/Sync", "H:\\Sync"},
      {"/home/mex/a", "Z:\\home\\mex\\a"},  // a root matches whole names only
      {"/etc", "Z:\\etc"},
      {"/", "Z:\\"},
      {"/home/me/データ/ソ.txt", Sjis("C:\\データ\\ソ.txt")},
      {"/home/me/caf\xC3\xA9", std::nullopt},   // no code page 932 form
      {"/home/me/a\xE3\x80\x9C" "b", std::nullopt},  // U+301C would come back as U+FF5E
      {"/home/me/a:b", std::nullopt},           // a name Windows forbids
      {"relative", std::nullopt},
  });
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(map.ToDriveForm(rows[i].native), rows[i].drive_form) << "row " << i;
  }
  DriveMap only_c;
  only_c.Map('C', "/home/me");
  EXPECT_EQ(only_c.ToDriveForm("/etc"), std::nullopt);
}

TEST(DriveMap, ForUserDefaults) {
  ScopedEnv no_map("TWINDIR_DRIVES", nullptr);
  const DriveMap under_home = DriveMap::ForUser("/root", "/root");
  ASSERT_NE(under_home.Root('C'), nullptr);
  EXPECT_EQ(*under_home.Root('C'), "/root");
  ASSERT_NE(under_home.Root('Z'), nullptr);
  EXPECT_EQ(*under_home.Root('Z'), "/");
  EXPECT_EQ(under_home.Drives().size(), 2u);

  // A start directory on a file system of its own gets D:, at its mount point.
  struct stat shm {};
  struct stat root {};
  if (stat("/dev/shm", &shm) != 0 || stat("/dev", &root) != 0 || shm.st_dev == root.st_dev) {
    GTEST_SKIP() << "no separately mounted /dev/shm";
  }
  const std::string start = "/dev/shm/twindir-drivemap-test";
  mkdir(start.c_str(), 0777);
  const DriveMap on_medium = DriveMap::ForUser("/root", start);
  rmdir(start.c_str());
  ASSERT_NE(on_medium.Root('D'), nullptr);
  EXPECT_EQ(*on_medium.Root('D'), "/dev/shm");
  EXPECT_EQ(on_medium.ToDriveForm(start), "D:\\twindir-drivemap-test");
}

TEST(DriveMap, ForUserTakesTheVariableWhole) {
  ScopedEnv map_text("TWINDIR_DRIVES", "H=/media/me/MO;c=/srv/me");
  const DriveMap map = DriveMap::ForUser("/root", "/root");
  EXPECT_EQ(map.Drives().size(), 2u);
  ASSERT_NE(map.Root('C'), nullptr);
  EXPECT_EQ(*map.Root('C'), "/srv/me");
  EXPECT_EQ(map.Root('Z'), nullptr);
}

}  // namespace
}  // namespace twindir::platform
