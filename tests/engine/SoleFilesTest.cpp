#include <array>

#include "engine/SoleFiles.h"
#include "tests/engine/EngineFixture.h"

namespace twindir::engine::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SoleFilesTest : public EngineTest {};

TEST_F(SoleFilesTest, FindSoleFilesFoldsOnlySingleByteLetters) {
  struct Case {
    std::vector<std::string_view> first;
    std::vector<std::string_view> second;
    std::vector<std::string_view> sole;  // names, in the first folder's order
  };
  const auto cases = std::to_array<Case>({
      {{"a.txt", "B.TXT"}, {"A.TXT"}, {"B.TXT"}},
      {{"ア.txt"}, {"ヂ.txt"}, {"ア.txt"}},  // 83 41 and 83 61: a letter's byte as trail byte
      {{"ヂ.txt", "ア.txt"}, {"ア.txt"}, {"ヂ.txt"}},
      {{"Ａ.txt"}, {"ａ.txt"}, {"Ａ.txt"}},  // full-width letters are not folded
      {{"x.txt", "y.txt"}, {}, {"x.txt", "y.txt"}},
      {{}, {"x.txt"}, {}},
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "case " << i);
    const std::string first = "H:\\Case" + std::to_string(i);
    const std::string second = "C:\\Case" + std::to_string(i);
    MakeFolder(first);
    MakeFolder(second);
    for (std::string_view name : cases[i].first) Write(first + "\\" + std::string(name), "", kT0);
    for (std::string_view name : cases[i].second) Write(second + "\\" + std::string(name), "", kT0);
    std::vector<std::string> expected;
    for (std::string_view name : cases[i].sole)
      expected.push_back(Cp(second + "\\" + std::string(name)));

    EXPECT_EQ(FindSoleFiles(fs_, order_, Cp(first), Cp(second)), expected);
  }
}

TEST_F(SoleFilesTest, FindSoleFilesListsNothingUnlessBothFoldersExist) {
  Write("H:\\One\\a.txt", "", kT0);
  Write("C:\\Two\\b.txt", "", kT0);
  EXPECT_THAT(FindSoleFiles(fs_, order_, Cp("H:\\One"), Cp("C:\\One")), IsEmpty());
  EXPECT_THAT(FindSoleFiles(fs_, order_, Cp("H:\\Two"), Cp("C:\\Two")), IsEmpty());
}

TEST_F(SoleFilesTest, BackupModeListsTheHardDiskPathsOfOneSidedBackupFiles) {
  Write("H:\\Mydir\\Sample\\a.txt", "", kT0);
  Write("H:\\Mydir\\Sample\\B.TXT", "", kT0);
  MakeFolder("H:\\Mydir\\Sample\\sub");
  Write("C:\\Mydir\\Sample\\A.TXT", "", kT0);
  Write("C:\\Mydir\\Sample\\only-on-disk.txt", "", kT0);
  const folders::FolderTable table = Table({"C:\\Mydir\\Sample"});

  const SoleFilesInBackup sole = SearchSoleFilesInBackup(services_, table, kBackupLetter);

  EXPECT_THAT(sole.rows, ElementsAre(Cp("C:\\Mydir\\Sample\\B.TXT"), Cp("    1 孤立ファイル")));
  EXPECT_EQ(sole.heading, Cp("MO (H:)の孤立ファイル"));
}

TEST_F(SoleFilesTest, BackupModeSortsThePathsOfAllPairs) {
  Write("H:\\Zeta\\x.txt", "", kT0);
  Write("H:\\Alpha\\y.txt", "", kT0);
  MakeFolder("C:\\Zeta");
  MakeFolder("C:\\Alpha");
  Write("H:\\NoDisk\\z.txt", "", kT0);  // its reference folder is missing: skipped
  const folders::FolderTable table = Table({"C:\\Zeta", "C:\\NoDisk", "C:\\Alpha"});

  const SoleFilesInBackup sole = SearchSoleFilesInBackup(services_, table, kBackupLetter);

  EXPECT_THAT(sole.rows,
              ElementsAre(Cp("C:\\Alpha\\y.txt"), Cp("C:\\Zeta\\x.txt"), Cp("    2 孤立ファイル")));
}

TEST_F(SoleFilesTest, BackupModeCountsAPathFoundTwiceOnce) {
  Write("H:\\Dup\\x.txt", "", kT0);
  MakeFolder("C:\\Dup");
  const folders::FolderTable table = Table({"C:\\Dup", "c:\\dup"});

  const SoleFilesInBackup sole = SearchSoleFilesInBackup(services_, table, kBackupLetter);

  EXPECT_THAT(sole.rows, ElementsAre(Cp("C:\\Dup\\x.txt"), Cp("    1 孤立ファイル")));
}

TEST_F(SoleFilesTest, BackupModeWithoutSoleFilesShowsOneRow) {
  Write("H:\\Same\\a.txt", "", kT0);
  Write("C:\\Same\\a.txt", "", kT0);
  for (const auto& table : {Table({}), Table({"C:\\Same"})}) {
    const SoleFilesInBackup sole = SearchSoleFilesInBackup(services_, table, kBackupLetter);
    EXPECT_THAT(sole.rows, ElementsAre(Cp("  孤立ファイルなし")));
    EXPECT_EQ(sole.heading, Cp("MO (H:)の孤立ファイル"));
  }
}

TEST_F(SoleFilesTest, HardDiskModeListsTheBareNamesMissingFromTheMirrorFolder) {
  Write("C:\\Mydir\\Sample\\c.txt", "", kT0);
  Write("C:\\Mydir\\Sample\\a.txt", "", kT0);
  Write("C:\\Mydir\\Sample\\b.txt", "", kT0);
  Write("H:\\Mydir\\Sample\\B.TXT", "", kT0);

  const SoleFilesOnDisk sole =
      SearchSoleFilesOnDisk(services_, 3, Cp("C:\\Mydir\\Sample"), kBackupLetter);

  EXPECT_THAT(sole.rows, ElementsAre("a.txt", "c.txt", Cp("    2  孤立ファイル")));
  EXPECT_EQ(sole.folder_row, "3");
  EXPECT_EQ(sole.heading, Cp("HDDの孤立ファイル"));
  EXPECT_EQ(sole.folder, Cp("C:\\Mydir\\Sample"));
}

TEST_F(SoleFilesTest, HardDiskModeSaysWhenThereIsNothingToList) {
  Write("C:\\NoMirror\\a.txt", "", kT0);
  Write("C:\\Same\\a.txt", "", kT0);
  Write("H:\\Same\\A.txt", "", kT0);
  struct Case {
    const char* folder_text;
    const char* row;
  };
  const auto cases = std::to_array<Case>({
      {"C:\\NoMirror", "   孤立ファイルなし"},  // every file is one-sided, yet none is listed
      {"C:\\Same", "   孤立ファイルなし"},
      {"C:\\Gone", "   フォルダがありません"},
      {"--注意--", "   フォルダがありません"},  // the empty-list notice's first row
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "case " << i << ": " << cases[i].folder_text);
    const SoleFilesOnDisk sole =
        SearchSoleFilesOnDisk(services_, 0, Cp(cases[i].folder_text), kBackupLetter);
    EXPECT_THAT(sole.rows, ElementsAre(Cp(cases[i].row)));
    EXPECT_EQ(sole.folder, Cp(cases[i].folder_text));
  }
}

}  // namespace
}  // namespace twindir::engine::testing
