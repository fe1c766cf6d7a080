#include <array>
#include <optional>

#include "engine/UpdateRun.h"
#include "platform/TextFormat.h"
#include "tests/engine/EngineFixture.h"

namespace twindir::engine::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class UpdateRunTest : public EngineTest {
 protected:
  RecordingProgress progress_;

  UpdateReport Run(folders::FolderTable& table, CollectingSoleSink& sole) {
    return RunUpdate(services_, table, kBackupDrive, progress_, sole);
  }
  UpdateReport Run(folders::FolderTable& table) {
    CollectingSoleSink sole(table);
    return Run(table, sole);
  }
  static ReportRow CountRow(std::string_view count_text) {
    return Row(count_text, "", "  2004/09/13   08:05:09");
  }
};

// One file a.txt in the pair C:\Mydir\Sample / H:\Mydir\Sample.
struct PairCase {
  const char* label;
  std::optional<platform::FileTime> backup;  // nullopt: no such file
  std::optional<platform::FileTime> hard_disk;
  enum { None, ToHardDisk, ToBackup } copy;
};

constexpr auto kPairCases = std::to_array<PairCase>({
    {"backup newer", kT0 + kSecond, kT0, PairCase::ToHardDisk},
    {"hard disk newer", kT0, kT0 + kSecond, PairCase::ToBackup},
    {"equal times", kT0, kT0, PairCase::None},
    {"backup newer by 100 ns", kT0 + 1, kT0, PairCase::ToHardDisk},
    {"hard disk newer by 100 ns", kT0, kT0 + 1, PairCase::ToBackup},
    {"backup only", kT0, std::nullopt, PairCase::None},
    {"hard disk only", std::nullopt, kT0, PairCase::None},
});

TEST_F(UpdateRunTest, CopiesTheNewerFileOfAPairInEitherDirection) {
  for (std::size_t i = 0; i < kPairCases.size(); ++i) {
    const PairCase& c = kPairCases[i];
    SCOPED_TRACE(::testing::Message() << "case " << i << ": " << c.label);
    const std::string folder = "C:\\Case" + std::to_string(i);
    const std::string mirror = "H:\\Case" + std::to_string(i);
    MakeFolder(folder);
    MakeFolder(mirror);
    if (c.backup) Write(mirror + "\\a.txt", "backup", *c.backup);
    if (c.hard_disk) Write(folder + "\\a.txt", "hard disk", *c.hard_disk);
    folders::FolderTable table = Table({folder});
    CollectingSoleSink sole(table);

    const UpdateReport report = Run(table, sole);

    const ReportRows closing = {
        CountRow(c.copy == PairCase::None ? "  更新ファイルなし" : "  1 ファイル更新"),
        {},
        DriveRow512()};
    ReportRows expected;
    if (c.copy == PairCase::ToHardDisk) expected.push_back(Row("a.txt", " → ", folder));
    if (c.copy == PairCase::ToBackup) expected.push_back(Row("a.txt", " → ", mirror));
    expected.insert(expected.end(), closing.begin(), closing.end());
    EXPECT_EQ(report.rows, expected);
    EXPECT_EQ(report.copied, c.copy == PairCase::None ? 0 : 1);

    switch (c.copy) {
      case PairCase::ToHardDisk:
        EXPECT_EQ(ContentsOf(folder + "\\a.txt"), "backup");
        EXPECT_EQ(TimeOf(folder + "\\a.txt"), *c.backup);
        break;
      case PairCase::ToBackup:
        EXPECT_EQ(ContentsOf(mirror + "\\a.txt"), "hard disk");
        EXPECT_EQ(TimeOf(mirror + "\\a.txt"), *c.hard_disk);
        break;
      case PairCase::None:
        if (c.backup) {
          EXPECT_EQ(ContentsOf(mirror + "\\a.txt"), "backup");
        }
        if (c.hard_disk) {
          EXPECT_EQ(ContentsOf(folder + "\\a.txt"), "hard disk");
        }
        EXPECT_EQ(IsFile(folder + "\\a.txt"), c.hard_disk.has_value());
        EXPECT_EQ(IsFile(mirror + "\\a.txt"), c.backup.has_value());
        break;
    }
    // Only a backup file without a hard-disk twin is a sole file in the backup.
    if (c.backup && !c.hard_disk) {
      EXPECT_THAT(sole.paths, ElementsAre(Cp(folder + "\\a.txt")));
    } else {
      EXPECT_THAT(sole.paths, IsEmpty());
    }
  }
}

TEST_F(UpdateRunTest, NoRegisteredFolderGivesTheThreeClosingRows) {
  folders::FolderTable table = Table({});

  const UpdateReport report = Run(table);

  EXPECT_EQ(report.rows, (ReportRows{CountRow("  更新ファイルなし"), {}, DriveRow512()}));
  EXPECT_EQ(report.free_megabytes, 51.2f);
  EXPECT_FALSE(report.missing_on_hdd);
  EXPECT_FALSE(report.missing_on_backup);
}

// Two pairs in table order C:\Zeta, C:\Alpha; Zeta holds a file newer on the
// hard disk, one newer in the backup and two unchanged ones, Alpha one file
// newer on the hard disk.
class ThreeCopiesTest : public UpdateRunTest {
 protected:
  void SetUp() override {
    Write("H:\\Zeta\\A.TXT", "old", kT0);
    Write("C:\\Zeta\\A.TXT", "new", kT0 + kSecond);
    Write("H:\\Zeta\\b.txt", "new", kT0 + 2 * kSecond);
    Write("C:\\Zeta\\b.txt", "old", kT0);
    for (const char* name : {"same1.txt", "same2.txt"}) {
      Write(std::string("H:\\Zeta\\") + name, "same", kT0);
      Write(std::string("C:\\Zeta\\") + name, "same", kT0);
    }
    Write("H:\\Alpha\\c.txt", "old", kT0);
    Write("C:\\Alpha\\c.txt", "new", kT0 + 3 * kSecond);
    table_ = Table({"C:\\Zeta", "C:\\Alpha"});
  }
  folders::FolderTable table_;
};

TEST_F(ThreeCopiesTest, ReportsTheCopiesInFolderAndNameOrderThenTheClosingRows) {
  const UpdateReport report = Run(table_);

  EXPECT_EQ(report.rows, (ReportRows{
                             Row("A.TXT", " → ", "H:\\Zeta"),
                             Row("b.txt", " → ", "C:\\Zeta"),
                             Row("c.txt", " → ", "H:\\Alpha"),
                             CountRow("  3 ファイル更新"),
                             {},
                             DriveRow512(),
                         }));
  EXPECT_EQ(report.copied, 3);
  EXPECT_EQ(report.failed, 0);
  EXPECT_EQ(ContentsOf("H:\\Zeta\\A.TXT"), "new");
  EXPECT_EQ(TimeOf("H:\\Zeta\\A.TXT"), kT0 + kSecond);
  EXPECT_EQ(ContentsOf("C:\\Zeta\\b.txt"), "new");
  EXPECT_EQ(TimeOf("C:\\Zeta\\b.txt"), kT0 + 2 * kSecond);
  EXPECT_EQ(TimeOf("H:\\Alpha\\c.txt"), kT0 + 3 * kSecond);
}

TEST_F(ThreeCopiesTest, ASecondRunCopiesNothing) {
  (void)Run(table_);
  const int copies_of_first_run = fs_.copies;

  const UpdateReport second = Run(table_);

  EXPECT_EQ(second.rows, (ReportRows{CountRow("  更新ファイルなし"), {}, DriveRow512()}));
  EXPECT_EQ(fs_.copies, copies_of_first_run);
}

TEST_F(ThreeCopiesTest, ShowsEachChangeOfTheProgressTextsInOrder) {
  (void)Run(table_);

  EXPECT_THAT(progress_.events, ElementsAre("stage " + Cp("準備をしています ...."),  //
                                            "file ",                                 //
                                            "count 2",                               //
                                            "stage " + Cp("H:\\Zeta"),               //
                                            "index 0",                               //
                                            "file " + Cp("更新中　 A.TXT → H:\\Zeta"),
                                            "file " + Cp("更新中　 b.txt → C:\\Zeta"),
                                            "file ",  // same1.txt; same2.txt changes nothing
                                            "stage " + Cp("H:\\Alpha"),  //
                                            "index 1",                   //
                                            "file " + Cp("更新中　 c.txt → H:\\Alpha")));
}

TEST_F(ThreeCopiesTest, FlushesEachDriveThatReceivedACopyOnceAtTheEnd) {
  (void)Run(table_);
  EXPECT_EQ(fs_.flushes, (std::map<std::string, int>{{"C:\\", 1}, {"H:\\", 1}}));

  fs_.flushes.clear();
  (void)Run(table_);
  EXPECT_THAT(fs_.flushes, IsEmpty());
}

TEST_F(ThreeCopiesTest, AFailedCopyIsMarkedNotCountedAndLeavesItsTargetAsItWas) {
  fs_.failing_copy_targets.insert(Cp("C:\\Zeta\\b.txt"));

  const UpdateReport report = Run(table_);

  EXPECT_EQ(report.rows, (ReportRows{
                             Row("A.TXT", " → ", "H:\\Zeta"),
                             Row("b.txt", " × ", "C:\\Zeta"),
                             Row("c.txt", " → ", "H:\\Alpha"),
                             CountRow("  2 ファイル更新"),
                             {},
                             DriveRow512(),
                         }));
  EXPECT_EQ(report.copied, 2);
  EXPECT_EQ(report.failed, 1);
  EXPECT_EQ(ContentsOf("C:\\Zeta\\b.txt"), "old");
  EXPECT_EQ(TimeOf("C:\\Zeta\\b.txt"), kT0);
  EXPECT_THAT(NamesIn("C:\\Zeta"), ElementsAre("A.TXT", "b.txt", "same1.txt", "same2.txt"));
  EXPECT_EQ(TimeOf("H:\\Alpha\\c.txt"), kT0 + 3 * kSecond);  // the run went on
}

TEST_F(UpdateRunTest, OnlyFailedCopiesCountAsNoFileUpdated) {
  Write("H:\\Data\\a.txt", "new", kT0 + kSecond);
  Write("C:\\Data\\a.txt", "old", kT0);
  fs_.failing_copy_targets.insert(Cp("C:\\Data\\a.txt"));
  fs_.copy_fault = test_support::Call::CopyFileRange;  // the contents cannot be written
  folders::FolderTable table = Table({"C:\\Data"});

  const UpdateReport report = Run(table);

  EXPECT_EQ(
      report.rows,
      (ReportRows{
          Row("a.txt", " × ", "C:\\Data"), CountRow("  更新ファイルなし"), {}, DriveRow512()}));
  EXPECT_EQ(ContentsOf("C:\\Data\\a.txt"), "old");
  EXPECT_EQ(TimeOf("C:\\Data\\a.txt"), kT0);
  EXPECT_THAT(NamesIn("C:\\Data"), ElementsAre("a.txt"));
}

TEST_F(UpdateRunTest, AMissingReferenceFolderSendsItsBackupFilesToTheSoleList) {
  Write("H:\\Gone\\x.txt", "x", kT0);
  Write("H:\\Gone\\y.txt", "y", kT0);
  folders::FolderTable table = Table({"C:\\Gone"});
  table.SoleInBackupCount = 7;  // left from an earlier run
  CollectingSoleSink sole(table);

  const UpdateReport report = Run(table, sole);

  EXPECT_EQ(report.rows, (ReportRows{CountRow("  更新ファイルなし"), {}, DriveRow512()}));
  EXPECT_THAT(sole.paths, ElementsAre(Cp("C:\\Gone\\x.txt"), Cp("C:\\Gone\\y.txt")));
  EXPECT_THAT(sole.rows, ElementsAre(0, 1));
  EXPECT_EQ(table.SoleInBackupCount, 2);
  ASSERT_TRUE(report.missing_on_hdd);
  EXPECT_THAT(report.missing_on_hdd->rows,
              ElementsAre(Cp("C:\\Gone"), Cp("   1 フォルダがありません")));
  EXPECT_FALSE(report.missing_on_backup);
  EXPECT_FALSE(IsFolder("C:\\Gone"));
}

TEST_F(UpdateRunTest, AMissingMirrorFolderContributesNothingAndIsListed) {
  Write("C:\\Here\\a.txt", "a", kT0);
  folders::FolderTable table = Table({"C:\\Here"});
  CollectingSoleSink sole(table);

  const UpdateReport report = Run(table, sole);

  EXPECT_EQ(report.rows, (ReportRows{CountRow("  更新ファイルなし"), {}, DriveRow512()}));
  EXPECT_THAT(sole.paths, IsEmpty());
  EXPECT_FALSE(report.missing_on_hdd);
  ASSERT_TRUE(report.missing_on_backup);
  EXPECT_THAT(report.missing_on_backup->rows,
              ElementsAre(Cp("H:\\Here"), Cp("   1 フォルダがありません")));
  EXPECT_EQ(report.missing_on_backup->heading, Cp(" MO (H:)の未定義フォルダ"));
  EXPECT_FALSE(IsFolder("H:\\Here"));
}

// A registered drive root joins with a doubled backslash, which the file
// services read as one.
TEST_F(UpdateRunTest, WorksOnARegisteredDriveRoot) {
  Write("H:\\a.txt", "backup", kT0 + kSecond);
  Write("C:\\a.txt", "hard disk", kT0);
  Write("H:\\b.txt", "backup only", kT0);
  Write("C:\\c.txt", "hard disk", kT0 + kSecond);
  Write("H:\\c.txt", "backup", kT0);
  folders::FolderTable table = Table({"C:\\"});
  CollectingSoleSink sole(table);

  const UpdateReport report = Run(table, sole);

  EXPECT_EQ(report.rows, (ReportRows{Row("a.txt", " → ", "C:\\"), Row("c.txt", " → ", "H:\\"),
                                     CountRow("  2 ファイル更新"), {}, DriveRow512()}));
  EXPECT_EQ(ContentsOf("C:\\a.txt"), "backup");
  EXPECT_EQ(TimeOf("C:\\a.txt"), kT0 + kSecond);
  EXPECT_EQ(ContentsOf("H:\\c.txt"), "hard disk");
  EXPECT_THAT(sole.paths, ElementsAre(Cp("C:\\\\b.txt")));
  EXPECT_FALSE(IsFile("C:\\b.txt"));
  EXPECT_EQ(Run(table).copied, 0);
}

TEST_F(UpdateRunTest, UndefinedFolderListsAreOpenedByTheLoadCountsButListTheFoldersMissingNow) {
  // At the load only C:\Late was missing; it has been created since, and
  // C:\Lost has gone missing after the load.
  MakeFolder("H:\\Late");
  MakeFolder("H:\\Lost");
  MakeFolder("C:\\Late");
  folders::FolderTable table = Table({"C:\\Late", "C:\\Lost"});
  table.MissingOnHddCount = 1;

  const UpdateReport report = Run(table);

  ASSERT_TRUE(report.missing_on_hdd);
  EXPECT_THAT(report.missing_on_hdd->rows,
              ElementsAre(Cp("C:\\Lost"), Cp("   1 フォルダがありません")));
  EXPECT_FALSE(report.missing_on_backup);
}

TEST_F(UpdateRunTest, AFolderMissingAtTheLoadAndCreatedSinceLeavesTheSummaryRowAlone) {
  MakeFolder("H:\\Late");
  folders::FolderTable table = Table({"C:\\Late"});
  MakeFolder("C:\\Late");

  const UpdateReport report = Run(table);

  ASSERT_TRUE(report.missing_on_hdd);
  EXPECT_THAT(report.missing_on_hdd->rows, ElementsAre(Cp("   0 フォルダがありません")));
}

TEST_F(UpdateRunTest, TheDriveRowShowsDecimalMegabytesOfAThirtyTwoBitFloat) {
  struct Case {
    std::uint64_t bytes;
    const char* shown;
  };
  const auto cases = std::to_array<Case>({
      {51'200'000, " 51.2 MB フリー"},  // 8 x 512 x 12 500; 48.8 in binary megabytes
      {0, " 0.0 MB フリー"},
      {1'048'576, " 1.0 MB フリー"},
      {12'345'678'901'234, " 12345679.0 MB フリー"},  // a float holds 8 digits
  });
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "case " << i);
    fs_.free_bytes = platform::Result<std::uint64_t>(cases[i].bytes);
    folders::FolderTable table = Table({});
    const UpdateReport report = Run(table);
    ASSERT_EQ(report.rows.size(), 3u);
    EXPECT_EQ(report.rows[2].folder, Cp(cases[i].shown)) << Utf8(report.rows[2].folder);
  }
}

TEST_F(UpdateRunTest, AFreeSpaceQueryThatFailsShowsThatTheSpaceIsUnknown) {
  fs_.free_bytes = platform::Result<std::uint64_t>(platform::Error::DriveGone);
  folders::FolderTable table = Table({});

  const UpdateReport report = Run(table);

  EXPECT_EQ(report.rows.back(), Row(" ﾊﾞｯｸｱｯﾌﾟﾄﾞﾗｲﾌﾞ H:", "", " 空き容量不明"));
  EXPECT_FALSE(report.free_megabytes);
}

TEST_F(UpdateRunTest, TakesEveryFileOfAMirrorFolderWithMoreThanAThousandFiles) {
  constexpr int kFiles = 1200;
  int newer_in_backup = 0;
  int newer_on_disk = 0;
  for (int i = 0; i < kFiles; ++i) {
    const std::string name = platform::Format("f%04d.txt", i);
    const int kind = i % 3;  // 0 equal, 1 newer in the backup, 2 newer on the hard disk
    Write("H:\\Big\\" + name, "b", kind == 1 ? kT0 + kSecond : kT0);
    Write("C:\\Big\\" + name, "c", kind == 2 ? kT0 + kSecond : kT0);
    newer_in_backup += kind == 1;
    newer_on_disk += kind == 2;
  }
  folders::FolderTable table = Table({"C:\\Big"});

  const UpdateReport report = Run(table);

  ASSERT_EQ(report.copied, newer_in_backup + newer_on_disk);
  ASSERT_EQ(report.rows.size(), static_cast<std::size_t>(report.copied) + 3);
  EXPECT_EQ(report.rows[0], Row("f0001.txt", " → ", "C:\\Big"));
  EXPECT_EQ(report.rows[1], Row("f0002.txt", " → ", "H:\\Big"));
  EXPECT_EQ(report.rows[report.copied - 1], Row("f1199.txt", " → ", "H:\\Big"));
  EXPECT_EQ(report.rows[report.copied].name, Cp("  800 ファイル更新"));
  EXPECT_EQ(ContentsOf("C:\\Big\\f1198.txt"), "b");
  EXPECT_EQ(ContentsOf("H:\\Big\\f1199.txt"), "c");
  EXPECT_EQ(Run(table).copied, 0);
}

}  // namespace
}  // namespace twindir::engine::testing
