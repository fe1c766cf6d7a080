#include "engine/FolderListing.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/NameOrder.h"
#include "platform/TextFormat.h"
#include "tests/support/TempDrives.h"

namespace twindir::engine {
namespace {

using test_support::Sjis;
using Names = std::vector<std::string>;

class RecordingSoleSink : public SoleInBackupSink {
 public:
  Names paths;
  void AppendSoleInBackup(const std::string& hard_disk_path) override {
    paths.push_back(hard_disk_path);
  }
};

class FolderListingTest : public ::testing::Test {
 protected:
  test_support::TempDrives drives_;
  platform::NameOrder order_{"ja"};
  RecordingSoleSink sink_;

  Names List(std::string_view folder) {
    return ListFolderFiles(drives_.fs(), order_, Sjis(folder));
  }
  ComparisonResult Compare(std::string_view first, std::string_view second) {
    return CompareTimeStamps(drives_.fs(), Sjis(first), Sjis(second), sink_);
  }
};

TEST_F(FolderListingTest, ListsThePlainFilesSortedWithoutLetterCase) {
  drives_.MakeFolder("H:\\m\\sub");
  for (const char* name : {"b.txt", "A.TXT", "a2.txt", ".h.txt", "sub\\inner.txt", "ソ.txt"}) {
    drives_.WriteFile(std::string("H:\\m\\") + name, "x");
  }
  drives_.WriteFile("H:\\m\\r.txt", "read-only");
  ASSERT_EQ(::chmod(drives_.Native("H:\\m\\r.txt").c_str(), 0444), 0);
  ASSERT_EQ(::symlink("b.txt", drives_.Native("H:\\m\\link.txt").c_str()), 0);
  ASSERT_EQ(::mkfifo(drives_.Native("H:\\m\\fifo").c_str(), 0644), 0);

  EXPECT_EQ(List("H:\\m"), (Names{"A.TXT", "a2.txt", "b.txt", "r.txt", Sjis("ソ.txt")}));
}

TEST_F(FolderListingTest, FoldersWithoutPlainFilesGiveAnEmptyList) {
  drives_.MakeFolder("H:\\empty");
  drives_.MakeFolder("H:\\only folders\\a");
  drives_.WriteFile("H:\\a file", "");
  for (const char* folder : {"H:\\empty", "H:\\only folders", "H:\\missing", "H:\\a file",
                             "Q:\\unmapped"}) {
    EXPECT_EQ(List(folder), Names{}) << folder;
  }
}

TEST_F(FolderListingTest, ADriveRootAndAFolderOfManyFiles) {
  drives_.WriteFile("H:\\top.txt", "");
  EXPECT_EQ(List("H:\\"), Names{"top.txt"});

  drives_.MakeFolder("H:\\many");
  Names expected;
  for (int i = 0; i < 1200; ++i) {
    expected.push_back(platform::Format("f%04d.txt", i));
    drives_.WriteFile("H:\\many\\" + expected.back(), "");
  }
  EXPECT_EQ(List("H:\\many"), expected);
}

// A file system that holds one folder with entries in a set order, to show
// what the listing makes of an order that the real one does not give.
class OneFolderFileSystem : public platform::FileSystem {
 public:
  explicit OneFolderFileSystem(std::vector<platform::DirEntry> entries)
      : entries_(std::move(entries)) {}
  platform::Result<std::vector<platform::DirEntry>> ListDirectory(std::string_view) override {
    return entries_;
  }
  std::string CurrentDirectory() override { return "H:\\"; }
  bool FileExists(std::string_view) override { return false; }
  bool DirectoryExists(std::string_view) override { return false; }
  platform::Status CreateDirectory(std::string_view) override { return platform::Error::Io; }
  platform::Status ForceDirectories(std::string_view) override { return platform::Error::Io; }
  platform::Result<platform::FileTime> ReadableFileTime(std::string_view) override {
    return platform::Error::NotFound;
  }
  platform::Status CopyFile(std::string_view, std::string_view) override {
    return platform::Error::Io;
  }
  platform::Status DeleteFile(std::string_view) override { return platform::Error::Io; }
  platform::Result<std::uint64_t> FreeBytes(std::string_view) override {
    return platform::Error::Io;
  }
  platform::Result<std::string> ReadWholeFile(std::string_view) override {
    return platform::Error::NotFound;
  }
  platform::Status WriteWholeFile(std::string_view, std::string_view) override {
    return platform::Error::Io;
  }
  platform::Status Flush(std::string_view) override { return platform::Error::Io; }

 private:
  std::vector<platform::DirEntry> entries_;
};

// A case-sensitive file system can hold names that the name order finds
// equal. Each of them is left out, whatever order the entries come in: the
// commands could not tell which of them a name of the other folder means.
TEST_F(FolderListingTest, NamesWithACaseTwinAreLeftOut) {
  const platform::DirEntry lower{"a.txt"};
  const platform::DirEntry upper{"A.TXT"};
  const platform::DirEntry mixed{"A.txt"};
  const platform::DirEntry other{"b.txt"};
  const platform::DirEntry wide_upper{Sjis("Ａ.txt")};
  const platform::DirEntry wide_lower{Sjis("ａ.txt")};
  const platform::DirEntry katakana{Sjis("ア.txt")};  // 83 41: a trail byte that is a letter
  const platform::DirEntry other_katakana{Sjis("ヂ.txt")};  // 83 61
  struct Case {
    std::vector<platform::DirEntry> entries;
    Names listed;
  };
  const auto cases = std::to_array<Case>({
      {{lower, other, upper}, {"b.txt"}},
      {{upper, other, lower}, {"b.txt"}},
      {{mixed, lower, other, upper}, {"b.txt"}},
      {{wide_upper, other, wide_lower}, {"b.txt"}},
      {{katakana, other_katakana, other}, {"b.txt", Sjis("ア.txt"), Sjis("ヂ.txt")}},
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    OneFolderFileSystem fs(cases[i].entries);
    EXPECT_EQ(ListFolderFiles(fs, order_, "H:\\twins"), cases[i].listed) << "row " << i;
  }

  drives_.MakeFolder("H:\\twins");
  for (const char* name : {"a.txt", "A.TXT", "b.txt"}) {
    drives_.WriteFile(std::string("H:\\twins\\") + name, name);
  }
  EXPECT_EQ(List("H:\\twins"), Names{"b.txt"});
}

struct TimeCase {
  timespec first;
  timespec second;
  ComparisonResult result;
};

TEST_F(FolderListingTest, ComparesLastWriteTimesExactly) {
  const auto cases = std::to_array<TimeCase>({
      {{1'100'000'000, 500}, {1'100'000'000, 500}, NoCopy},
      {{1'100'000'000, 600}, {1'100'000'000, 500}, FirstNewer},  // one 100 ns unit
      {{1'100'000'000, 500}, {1'100'000'000, 600}, SecondNewer},
      {{1'100'000'001, 0}, {1'100'000'000, 999'999'900}, FirstNewer},
      {{900'000'000, 0}, {1'100'000'000, 0}, SecondNewer},
  });
  drives_.MakeFolder("H:\\d");
  drives_.MakeFolder("C:\\d");
  for (size_t i = 0; i < cases.size(); ++i) {
    // Different contents and sizes do not count, only the times.
    drives_.WriteFile("H:\\d\\a.txt", "backup", cases[i].first);
    drives_.WriteFile("C:\\d\\a.txt", "the hard disk's copy", cases[i].second);
    EXPECT_EQ(Compare("H:\\d\\a.txt", "C:\\d\\a.txt"), cases[i].result) << "row " << i;
  }
  EXPECT_EQ(sink_.paths, Names{});
}

TEST_F(FolderListingTest, ASecondFileThatCannotBeOpenedIsAppended) {
  drives_.MakeFolder("H:\\d");
  drives_.MakeFolder("C:\\d\\folder.txt");
  drives_.WriteFile("H:\\d\\a.txt", "");
  drives_.WriteFile("H:\\d\\folder.txt", "");
  drives_.WriteFile("H:\\d\\ソ.txt", "");

  EXPECT_EQ(Compare("H:\\d\\a.txt", "C:\\d\\a.txt"), NoCopy);
  EXPECT_EQ(Compare("H:\\d\\folder.txt", "C:\\d\\folder.txt"), NoCopy);
  EXPECT_EQ(Compare("H:\\d\\ソ.txt", "C:\\missing\\ソ.txt"), NoCopy);
  EXPECT_EQ(sink_.paths,
            (Names{"C:\\d\\a.txt", "C:\\d\\folder.txt", Sjis("C:\\missing\\ソ.txt")}));
}

TEST_F(FolderListingTest, AFirstFileThatCannotBeOpenedAppendsNothing) {
  drives_.MakeFolder("C:\\d");
  drives_.WriteFile("C:\\d\\a.txt", "");
  EXPECT_EQ(Compare("H:\\d\\a.txt", "C:\\d\\a.txt"), NoCopy);
  EXPECT_EQ(Compare("H:\\d\\b.txt", "C:\\d\\b.txt"), NoCopy);
  EXPECT_EQ(sink_.paths, Names{});
}

}  // namespace
}  // namespace twindir::engine
