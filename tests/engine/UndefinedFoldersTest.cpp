#include <array>
#include <filesystem>
#include <map>
#include <optional>

#include "engine/UndefinedFolders.h"
#include "tests/engine/EngineFixture.h"

namespace twindir::engine::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

class UndefinedFoldersTest : public EngineTest {};

// Three registered folders; `present` says which of them exist on the side
// being recounted.
struct RecountCase {
  std::array<bool, 3> present;
  std::vector<std::string_view> rows;  // UTF-8
};

TEST_F(UndefinedFoldersTest, HddRecountListsTheMissingReferenceFoldersThenTheSummary) {
  const auto cases = std::to_array<RecountCase>({
      {{true, true, true}, {"   未定義フォルダはありません"}},
      {{true, false, true}, {"C:\\B", "   1 フォルダがありません"}},
      {{false, true, false}, {"C:\\A", "C:\\C", "   2 フォルダがありません"}},
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "case " << i);
    const std::array<std::string, 3> folders = {"C:\\A", "C:\\B", "C:\\C"};
    for (std::size_t f = 0; f < folders.size(); ++f) {
      if (cases[i].present[f]) MakeFolder(folders[f]);
    }
    std::vector<std::string> expected;
    for (std::string_view row : cases[i].rows) expected.push_back(Cp(row));

    EXPECT_EQ(RecountMissingOnHdd(fs_, Table({"C:\\A", "C:\\B", "C:\\C"})), expected);
    for (const std::string& folder : folders) std::filesystem::remove_all(drives_.Native(folder));
  }
}

TEST_F(UndefinedFoldersTest, BackupRecountSaysOneAndManyApartAndClearsTheCountWhenNoneIsLeft) {
  struct Case {
    RecountCase recount;
    int missing_count_after;  // the table counted 3 missing at its load
  };
  const auto cases = std::to_array<Case>({
      {{{true, true, true}, {"   No Undefined Directory"}}, 0},
      {{{true, false, true}, {"H:\\B", "   1 Directory still Undefined"}}, 3},
      {{{false, true, false}, {"H:\\A", "H:\\C", "   2 Directories still Undefined"}}, 3},
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "case " << i);
    folders::FolderTable table = Table({"C:\\A", "C:\\B", "C:\\C"});
    ASSERT_EQ(table.MissingOnBackupCount, 3);
    const std::array<std::string, 3> folders = {"H:\\A", "H:\\B", "H:\\C"};
    for (std::size_t f = 0; f < folders.size(); ++f) {
      if (cases[i].recount.present[f]) MakeFolder(folders[f]);
    }
    std::vector<std::string> expected;
    for (std::string_view row : cases[i].recount.rows) expected.push_back(Cp(row));

    EXPECT_EQ(RecountMissingOnBackup(fs_, table), expected);
    EXPECT_EQ(table.MissingOnBackupCount, cases[i].missing_count_after);
    for (const std::string& folder : folders) std::filesystem::remove_all(drives_.Native(folder));
  }
}

TEST_F(UndefinedFoldersTest, RecountsWalkOnlyTheRegisteredCount) {
  folders::FolderTable table = Table({"C:\\A", "C:\\B"});
  table.FolderCount = 0;  // a load that could not read the list file keeps the old paths

  EXPECT_THAT(RecountMissingOnHdd(fs_, table), ElementsAre(Cp("   未定義フォルダはありません")));
  EXPECT_THAT(RecountMissingOnBackup(fs_, table), ElementsAre(Cp("   No Undefined Directory")));
}

TEST_F(UndefinedFoldersTest, CreateMissingFolderMakesTheWholeChain) {
  EXPECT_TRUE(CreateMissingFolder(fs_, Cp("C:\\新しい\\Deep\\Folder")));
  EXPECT_TRUE(IsFolder("C:\\新しい\\Deep\\Folder"));
  EXPECT_TRUE(CreateMissingFolder(fs_, Cp("C:\\新しい")));  // there already

  Write("C:\\Plain", "a file, not a folder", kT0);
  EXPECT_FALSE(CreateMissingFolder(fs_, Cp("C:\\Plain")));
  EXPECT_FALSE(CreateMissingFolder(fs_, Cp("Q:\\NoSuchDrive")));
}

TEST_F(UndefinedFoldersTest,
       CopyFolderFilesCopiesEveryPlainFileOverTheTargetAndGoesOnAfterAFailure) {
  Write("H:\\Src\\a.txt", "new a", kT0 + kSecond);
  Write("H:\\Src\\b.txt", "b", kT0);
  Write("H:\\Src\\c.txt", "c", kT0 + 2 * kSecond);
  Write("H:\\Src\\.hidden", "h", kT0);
  MakeFolder("H:\\Src\\sub");
  Write("C:\\Dst\\a.txt", "old a, newer", kT0 + 9 * kSecond);  // overwritten whatever its time
  fs_.failing_copy_targets.insert(Cp("C:\\Dst\\b.txt"));

  const FolderFill fill = CopyFolderFiles(fs_, order_, Cp("H:\\Src"), Cp("C:\\Dst"));

  EXPECT_EQ(fill.copied, 2);
  EXPECT_EQ(fill.failed, 1);
  EXPECT_EQ(ContentsOf("C:\\Dst\\a.txt"), "new a");
  EXPECT_EQ(TimeOf("C:\\Dst\\a.txt"), kT0 + kSecond);
  EXPECT_EQ(ContentsOf("C:\\Dst\\c.txt"), "c");
  // Neither b.txt nor a temporary file of its copy; no hidden file, no folder.
  EXPECT_THAT(NamesIn("C:\\Dst"), ElementsAre("a.txt", "c.txt"));
  EXPECT_EQ(fs_.flushes, (std::map<std::string, int>{{"C:\\", 1}}));
}

TEST_F(UndefinedFoldersTest, CopyFolderFilesFromAMissingFolderCopiesNothing) {
  MakeFolder("C:\\Dst");
  const FolderFill fill = CopyFolderFiles(fs_, order_, Cp("H:\\Missing"), Cp("C:\\Dst"));
  EXPECT_EQ(fill.copied + fill.failed, 0);
  EXPECT_THAT(drives_.NativeNames("C:\\Dst"), IsEmpty());
  EXPECT_THAT(fs_.flushes, IsEmpty());
}

TEST_F(UndefinedFoldersTest, ReferenceFolderOfMatchesAfterTheDriveWithAsciiCaseIgnored) {
  const folders::FolderTable table = Table({"C:\\Mydir\\ソース", "D:\\Other", "C:\\other"});
  struct Case {
    std::string_view mirror;
    std::optional<std::string_view> reference;
  };
  const auto cases = std::to_array<Case>({
      {"H:\\MYDIR\\ソース", "C:\\Mydir\\ソース"},
      {"H:\\other", "D:\\Other"},  // the first in table order
      {"H:\\Mydir", std::nullopt},
      {"H:\\Mydir\\ソ", std::nullopt},
      {"H", std::nullopt},
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "case " << i);
    std::optional<std::string> expected;
    if (cases[i].reference) expected = Cp(*cases[i].reference);
    EXPECT_EQ(ReferenceFolderOf(table, Cp(cases[i].mirror)), expected);
  }
}

}  // namespace
}  // namespace twindir::engine::testing
