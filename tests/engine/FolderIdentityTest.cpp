#include "engine/FolderIdentity.h"
#include "tests/engine/EngineFixture.h"

namespace twindir::engine::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::string_view kReference = "C:\\Mydir\\Sample";
constexpr std::string_view kMirror = "H:\\Mydir\\Sample";

class FolderIdentityTest : public EngineTest {
 protected:
  std::optional<IdentityReport> Identify(std::string_view reference, bool answer = true) {
    table_ = Table({reference});
    questions_.confirm_answers = {answer};
    CollectingSoleSink sole(table_);
    return MakeFoldersIdentical(services_, table_, 0, kBackupDrive, sole);
  }
  // The file rows followed by the empty row, the count row and the drive row.
  static ReportRows Report(ReportRows rows, std::string_view count_text) {
    rows.insert(rows.end(), {{}, Row(count_text, "", ""), DriveRow512()});
    return rows;
  }
  folders::FolderTable table_;
};

TEST_F(FolderIdentityTest, AsksWithThePairAndOnCancelChangesNothing) {
  Write("H:\\Mydir\\Sample\\a.txt", "backup", kT0 + kSecond);
  Write("C:\\Mydir\\Sample\\a.txt", "hard disk", kT0);

  EXPECT_FALSE(Identify(kReference, false));

  ASSERT_EQ(questions_.confirms.size(), 1u);
  EXPECT_EQ(questions_.confirms[0].text,
            Cp("バックアップドライブ H: とディスクドライブ C: のフォルダ　　　　　\n\n"
               "Mydir\\Sample\n\nの内容を同一にしますか?"));
  EXPECT_EQ(questions_.confirms[0].caption, Cp("フォルダの同期と同一化"));
  EXPECT_EQ(questions_.confirms[0].icon, BoxIcon::Question);
  EXPECT_EQ(ContentsOf("C:\\Mydir\\Sample\\a.txt"), "hard disk");
  EXPECT_EQ(fs_.copies, 0);
}

TEST_F(FolderIdentityTest, AnIdenticalPairIsReportedAsSuch) {
  Write("H:\\Mydir\\Sample\\a.txt", "x", kT0);
  Write("C:\\Mydir\\Sample\\a.txt", "y", kT0);  // equal times: never copied

  const std::optional<IdentityReport> report = Identify(kReference);

  ASSERT_TRUE(report);
  EXPECT_EQ(report->rows,
            (ReportRows{Row(" 指定したフォルダの", "内容", "は同一です"), {}, DriveRow512()}));
  EXPECT_EQ(report->copied, 0);
  EXPECT_EQ(ContentsOf("C:\\Mydir\\Sample\\a.txt"), "y");
}

TEST_F(FolderIdentityTest, TheMirrorPassComesFirstAndEachRowNamesTheReceivingFolder) {
  Write("H:\\Mydir\\Sample\\a.txt", "a new", kT0 + kSecond);
  Write("C:\\Mydir\\Sample\\a.txt", "a old", kT0);
  Write("H:\\Mydir\\Sample\\b.txt", "b", kT0);  // backup only
  Write("H:\\Mydir\\Sample\\c.txt", "c old", kT0);
  Write("C:\\Mydir\\Sample\\c.txt", "c new", kT0 + 2 * kSecond);
  Write("C:\\Mydir\\Sample\\d.txt", "d", kT0 + 3 * kSecond);  // hard disk only

  const std::optional<IdentityReport> report = Identify(kReference);

  ASSERT_TRUE(report);
  EXPECT_EQ(report->rows, Report(
                              {
                                  Row("a.txt", "更新", kReference),
                                  Row("b.txt", "新規", kReference),
                                  Row("c.txt", "更新", kMirror),
                                  Row("d.txt", "新規", kMirror),
                              },
                              "  4 ファイルコピー"));
  EXPECT_EQ(report->copied, 4);
  EXPECT_EQ(report->free_megabytes, 51.2f);
  for (const auto& [name, contents, time] :
       {std::tuple{"a.txt", "a new", kT0 + kSecond}, std::tuple{"b.txt", "b", kT0},
        std::tuple{"c.txt", "c new", kT0 + 2 * kSecond},
        std::tuple{"d.txt", "d", kT0 + 3 * kSecond}}) {
    for (std::string_view folder : {kReference, kMirror}) {
      const std::string path = std::string(folder) + "\\" + name;
      EXPECT_EQ(ContentsOf(path), contents) << path;
      EXPECT_EQ(TimeOf(path), time) << path;
    }
  }
  EXPECT_EQ(fs_.flushes, (std::map<std::string, int>{{"C:\\", 1}, {"H:\\", 1}}));
}

TEST_F(FolderIdentityTest, AMissingMirrorFolderIsCreatedOneLevelDeep) {
  MakeFolder("H:\\Mydir");
  Write("C:\\Mydir\\Sample\\a.txt", "a", kT0);
  Write("C:\\Mydir\\Sample\\b.txt", "b", kT0);

  const std::optional<IdentityReport> report = Identify(kReference);

  ASSERT_TRUE(report);
  EXPECT_EQ(report->rows, Report({Row("a.txt", "新規", kMirror), Row("b.txt", "新規", kMirror)},
                                 "  2 ファイルコピー"));
  EXPECT_EQ(ContentsOf("H:\\Mydir\\Sample\\b.txt"), "b");
}

TEST_F(FolderIdentityTest, CopiesIntoAFolderThatCannotBeCreatedAreMarkedAsFailed) {
  Write("C:\\Mydir\\Sample\\a.txt", "a", kT0);
  Write("C:\\Mydir\\Sample\\b.txt", "b", kT0);  // and H:\Mydir does not exist

  const std::optional<IdentityReport> report = Identify(kReference);

  ASSERT_TRUE(report);
  EXPECT_EQ(report->rows, Report({Row("a.txt", "失敗", kMirror), Row("b.txt", "失敗", kMirror)},
                                 "  0 ファイルコピー"));
  EXPECT_EQ(report->copied, 0);
  EXPECT_EQ(report->failed, 2);
  EXPECT_FALSE(IsFolder("H:\\Mydir"));
}

TEST_F(FolderIdentityTest, AFailedReplacementIsNotCountedAndLeavesTheOldFile) {
  Write("H:\\Mydir\\Sample\\a.txt", "a new", kT0 + kSecond);
  Write("C:\\Mydir\\Sample\\a.txt", "a old", kT0);
  Write("H:\\Mydir\\Sample\\b.txt", "b", kT0);
  fs_.failing_copy_targets.insert(Cp("C:\\Mydir\\Sample\\a.txt"));

  const std::optional<IdentityReport> report = Identify(kReference);

  ASSERT_TRUE(report);
  // The second pass finds the pair still unequal and tries once more.
  EXPECT_EQ(report->rows,
            Report({Row("a.txt", "失敗", kReference), Row("b.txt", "新規", kReference),
                    Row("a.txt", "失敗", kReference)},
                   "  1 ファイルコピー"));
  EXPECT_EQ(report->copied, 1);
  EXPECT_EQ(report->failed, 2);
  EXPECT_EQ(ContentsOf("C:\\Mydir\\Sample\\a.txt"), "a old");
  EXPECT_EQ(TimeOf("C:\\Mydir\\Sample\\a.txt"), kT0);
  EXPECT_THAT(NamesIn("C:\\Mydir\\Sample"), ElementsAre("a.txt", "b.txt"));
}

// A hard-disk twin that is there but cannot be read is not copied over; its
// path goes to the sole-in-backup list after the rows of the last update run.
TEST_F(FolderIdentityTest, ATwinThatCannotBeReadIsASoleFileInTheBackup) {
  Write("H:\\Mydir\\Sample\\a.txt", "a new", kT0 + kSecond);
  Write("C:\\Mydir\\Sample\\a.txt", "a old", kT0);
  fs_.unreadable_files.insert(Cp("C:\\Mydir\\Sample\\a.txt"));
  table_ = Table({kReference});
  table_.SoleInBackupCount = 2;
  questions_.confirm_answers = {true};
  CollectingSoleSink sole(table_);

  const std::optional<IdentityReport> report =
      MakeFoldersIdentical(services_, table_, 0, kBackupDrive, sole);

  ASSERT_TRUE(report);
  EXPECT_EQ(report->copied, 0);
  EXPECT_THAT(sole.paths, ElementsAre(Cp("C:\\Mydir\\Sample\\a.txt")));
  EXPECT_THAT(sole.rows, ElementsAre(2));
  EXPECT_EQ(table_.SoleInBackupCount, 3);
  fs_.unreadable_files.clear();
  EXPECT_EQ(ContentsOf("C:\\Mydir\\Sample\\a.txt"), "a old");
  EXPECT_EQ(TimeOf("C:\\Mydir\\Sample\\a.txt"), kT0);
}

TEST_F(FolderIdentityTest, ADirectoryOfTheSameNameOnTheOtherSideFailsItsCopy) {
  Write("H:\\Mydir\\Sample\\x", "file", kT0);
  MakeFolder("C:\\Mydir\\Sample\\x");

  const std::optional<IdentityReport> report = Identify(kReference);

  ASSERT_TRUE(report);
  EXPECT_EQ(report->rows.front(), Row("x", "失敗", kReference));
}

TEST_F(FolderIdentityTest, BothFoldersMissingIsReportedAsIdentical) {
  const std::optional<IdentityReport> report = Identify(kReference);

  ASSERT_TRUE(report);
  EXPECT_EQ(report->rows.front(), Row(" 指定したフォルダの", "内容", "は同一です"));
  EXPECT_THAT(fs_.flushes, IsEmpty());
}

TEST_F(FolderIdentityTest, WorksOnADriveRoot) {
  Write("C:\\a.txt", "a", kT0);

  const std::optional<IdentityReport> report = Identify("C:\\");

  ASSERT_TRUE(report);
  EXPECT_EQ(questions_.confirms[0].text,
            Cp("バックアップドライブ H: とディスクドライブ C: のフォルダ　　　　　\n\n\n\n"
               "の内容を同一にしますか?"));
  EXPECT_EQ(report->rows.front(), Row("a.txt", "新規", "H:\\"));
  EXPECT_EQ(ContentsOf("H:\\a.txt"), "a");
}

TEST_F(FolderIdentityTest, RefusesWithoutADriveFormFolderInTheSelectedRow) {
  CollectingSoleSink sole(table_);
  folders::FolderTable none = Table({});
  EXPECT_FALSE(MakeFoldersIdentical(services_, none, 0, kBackupDrive, sole));
  folders::FolderTable blank = Table({""});
  EXPECT_FALSE(MakeFoldersIdentical(services_, blank, 0, kBackupDrive, sole));
  folders::FolderTable one = Table({kReference});
  EXPECT_FALSE(MakeFoldersIdentical(services_, one, 1, kBackupDrive, sole));
  EXPECT_THAT(questions_.confirms, IsEmpty());
}

TEST_F(FolderIdentityTest, MergeFolderPassCountsItsCopiesAndAppendsItsRows) {
  Write("H:\\Mydir\\Sample\\a.txt", "a", kT0);
  Write("H:\\Mydir\\Sample\\b.txt", "b", kT0 + kSecond);
  Write("C:\\Mydir\\Sample\\b.txt", "b old", kT0);
  folders::FolderTable table = Table({kReference});
  CollectingSoleSink sole(table);
  Copier copier(fs_);
  ReportRows rows = {Row("earlier", "", "")};

  const int copied = MergeFolderPass(services_, Cp(kMirror), Cp(kReference), sole, copier, rows);

  EXPECT_EQ(copied, 2);
  EXPECT_EQ(rows, (ReportRows{Row("earlier", "", ""), Row("a.txt", "新規", kReference),
                              Row("b.txt", "更新", kReference)}));
}

}  // namespace
}  // namespace twindir::engine::testing
