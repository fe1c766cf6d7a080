// List files that no program wrote: loading never fails on their bytes, and
// the next rewrite keeps every line the user wrote, apart from the lines the
// name order finds equal to one kept (the rewrite's duplicates rule).

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "folders/FolderList.h"
#include "folders/StartupPaths.h"
#include "fuzz/ListFileLines.h"
#include "platform/NameOrder.h"
#include "tests/support/TempDrives.h"

namespace twindir::faults {
namespace {

using fuzz::ListFileLines;

std::string Binary(std::size_t size) {
  std::string bytes(size, '\0');
  std::uint32_t state = 12345;
  for (char& c : bytes) {
    state = state * 1'103'515'245u + 12'345u;
    c = static_cast<char>(state >> 24);
  }
  return bytes;
}

std::string ManyLines(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += "C:\\Folder" + std::to_string(i) + "\r\n";
  return bytes;
}

struct BadFile {
  const char* label;
  std::string bytes;
};

std::vector<BadFile> BadFiles() {
  return {
      {"bytes that are not code page 932",
       std::string("C:\\\x81\x20odd\r\nC:\\\xfd\xfe\xff\r\nC:\\\x80\r\n")},
      {"NUL bytes", std::string("C:\\a\0b\r\n\0\r\nC:\\a\r\n", 16)},
      {"a 64 KiB line", "C:\\" + std::string(64 * 1024, 'L') + "\r\nC:\\short\r\n"},
      {"100 000 lines", ManyLines(100'000)},
      {"a lone CR", "C:\\a\rC:\\b\r\nC:\\c\r\r\n"},
      {"blank lines", "\r\n\r\nC:\\x\r\n\n\r\n"},
      {"lines of blanks alone", "   \r\n\t\r\n \t \r\nC:\\y\r\n"},
      {"a drive that is not mapped", "Q:\\Data\r\nC:\\z\r\n"},
      {"a binary file", Binary(8 * 1024)},
      {"no line end at the end, and LF alone", "C:\\m\nC:\\n"},
  };
}

class BadListFiles : public ::testing::Test {
 protected:
  test_support::TempDrives drives_{
      {.letters = "CH", .current_directory = "H:\\", .syscalls = nullptr}};
  platform::NameOrder order_{"ja"};
  folders::FolderList list_{drives_.fs(), order_, folders::StartupPathsFor("H:\\")};
};

TEST_F(BadListFiles, LoadAndRewriteKeepEveryLineTheUserWrote) {
  const std::vector<BadFile> files = BadFiles();
  for (std::size_t i = 0; i < files.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "row " << i << ": " << files[i].label);
    drives_.WriteFile("H:\\TWINDIR.DAT", files[i].bytes);
    const std::vector<std::string> written = ListFileLines(files[i].bytes);

    const folders::LoadResult load = list_.LoadFolderList(folders::FolderTable{});
    ASSERT_EQ(load.status, folders::LoadStatus::Loaded);
    const std::size_t taken = std::min<std::size_t>(written.size(), folders::MaxFolderCount);
    ASSERT_EQ(load.table.FolderCount, static_cast<int>(taken));
    EXPECT_TRUE(std::equal(written.begin(), written.begin() + static_cast<std::ptrdiff_t>(taken),
                           load.table.RefFolders.begin()))
        << "a line was not read whole";

    const folders::RewriteResult rewrite = list_.AddFolder(load.table, "C:\\Added");
    if (load.table.FolderCount == folders::MaxFolderCount) {
      ASSERT_EQ(rewrite.status, folders::RewriteStatus::TooManyFolders);
      EXPECT_EQ(drives_.ReadFile("H:\\TWINDIR.DAT"), files[i].bytes)
          << "a full list is left as it is";
      continue;
    }
    ASSERT_EQ(rewrite.status, folders::RewriteStatus::Reloaded);
    const std::vector<std::string> rewritten = ListFileLines(drives_.ReadFile("H:\\TWINDIR.DAT"));
    EXPECT_NE(std::find(rewritten.begin(), rewritten.end(), "C:\\Added"), rewritten.end());
    for (const std::string& line : written) {
      const bool kept = std::find(rewritten.begin(), rewritten.end(), line) != rewritten.end();
      const bool equal_to_a_kept_line =
          std::any_of(rewritten.begin(), rewritten.end(),
                      [&](const std::string& other) { return order_.Compare(other, line) == 0; });
      EXPECT_TRUE(kept || equal_to_a_kept_line)
          << "line lost: \"" << ::testing::PrintToString(line) << "\"";
    }
  }
}

TEST_F(BadListFiles, ALineOverTheTableIsKeptByTheRewrite) {
  // 100 000 lines fill the table; a removal makes room, and every other
  // line, the 99 500 the table could not take included, stays in the file.
  drives_.WriteFile("H:\\TWINDIR.DAT", ManyLines(100'000));
  const folders::LoadResult load = list_.LoadFolderList(folders::FolderTable{});
  ASSERT_TRUE(load.too_many);
  const folders::RewriteResult rewrite = list_.RemoveFolder(load.table, "c:\\folder7");
  ASSERT_EQ(rewrite.status, folders::RewriteStatus::Reloaded);
  const std::vector<std::string> rewritten = ListFileLines(drives_.ReadFile("H:\\TWINDIR.DAT"));
  EXPECT_EQ(rewritten.size(), 99'999u);
  EXPECT_EQ(std::count(rewritten.begin(), rewritten.end(), "C:\\Folder7"), 0);
  EXPECT_EQ(std::count(rewritten.begin(), rewritten.end(), "C:\\Folder99999"), 1);
}

TEST_F(BadListFiles, AListFileThatIsAFolderIsNeitherReadNorReplaced) {
  drives_.MakeFolder("H:\\TWINDIR.DAT");
  const folders::LoadResult load = list_.LoadFolderList(folders::FolderTable{});
  EXPECT_EQ(load.status, folders::LoadStatus::CannotOpen);
  EXPECT_EQ(load.table.FolderCount, 0);
  const folders::RewriteResult rewrite = list_.AddFolder(load.table, "C:\\Added");
  EXPECT_EQ(rewrite.status, folders::RewriteStatus::WriteFailed);
  struct stat st {};
  ASSERT_EQ(lstat(drives_.Native("H:\\TWINDIR.DAT").c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(drives_.NativeNames("H:\\TWINDIR.DAT"), std::vector<std::string>{})
      << "nothing written into it";
  std::cout << "[ list     ] " << BadFiles().size() + 1 << " bad list files\n";
}

}  // namespace
}  // namespace twindir::faults
