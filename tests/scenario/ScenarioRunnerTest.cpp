#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <sstream>
#include <string>

#include "scenario/ScenarioRunner.h"
#include "tests/scenario/FixtureForms.h"

namespace twindir::scenario {
namespace {

struct Outcome {
  int exit_code;
  std::string out;
  std::string err;
};

class ScenarioRunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ =
        std::filesystem::temp_directory_path() /
        ("scenario-runner-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(root_);
  }
  void TearDown() override { std::filesystem::remove_all(root_); }

  // The scenario after a `drive C` line for a fresh folder and `cwd C:\`.
  Outcome Play(const std::string& scenario) {
    std::ostringstream out;
    std::ostringstream err;
    ScenarioRunner runner(fixture::StartFixture, nullptr, out);
    const int exit_code = runner.Run("drive C " + root_.string() + "\ncwd C:\\\n" + scenario, err);
    return {exit_code, out.str(), err.str()};
  }

  std::filesystem::path root_;
};

// Lines that cannot run: the reason comes with the line's number (the two
// set-up lines count), the records before it stay, and nothing after it runs.
TEST_F(ScenarioRunnerTest, LinesThatCannotRun) {
  struct Row {
    std::string scenario;
    std::string out;
    std::string err;
  };
  const auto rows = std::to_array<Row>({
      {"start\nclick Form1.Button99\nclose Form1\n", "", "error: 4: unknown control Form1.Button99\n"},
      {"start\ndump Form9\n", "", "error: 4: unknown window Form9\n"},
      {"start\ndump Form1.Label1.Captoin\n", "",
       "error: 4: unknown control or property Form1.Label1.Captoin\n"},
      {"start\ndump Form1.Label9.Caption\n", "", "error: 4: unknown control Form1.Label9\n"},
      {"start\nclick Form1.MainMenu1\n", "", "error: 4: Form1.MainMenu1 cannot be clicked\n"},
      {"start\nselect Form1.Button1 0\n", "", "error: 4: Form1.Button1 is not a string grid\n"},
      {"start\nselect Form1.StringGrid1 3\n", "", "error: 4: Form1.StringGrid1 has no row 3 (3 rows)\n"},
      {"click Form1.Button1\n", "", "error: 3: the program has not started\n"},
      {"start\nstart\n", "", "error: 4: the program has started already\n"},
      {"start\ndrive H /tmp\n", "", "error: 4: drive must come before start\n"},
      {"start\ncwd H:\\\n", "", "error: 4: cwd must come before start\n"},
      {"choose C:\\é.txt\n", "", "error: 3: the path cannot be written in code page 932: C:\\é.txt\n"},
      {"mkdir C:\\a\\..\\..\\etc\n", "", "error: 3: a path may not go up with ..: C:\\a\\..\\..\\etc\n"},
      {"ls Q:\\\n", "", "error: 3: no drive Q:\n"},
      {"start\nclick Form1.Button1\nclick Form1.Button3\nclick Form1.Button1\n",
       "MessageBox.Caption=このファイルを削除しますか?\nMessageBox.Text=C:\\データ\\表.txt\n"
       "MessageBox.Buttons=OKCancel\n",
       "error: 5: a message box with OK and Cancel opened with no answer queued\n"},
  });
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Outcome run = Play(rows[i].scenario);
    EXPECT_EQ(run.exit_code, 2) << "row " << i;
    EXPECT_EQ(run.out, rows[i].out) << "row " << i;
    EXPECT_EQ(run.err, rows[i].err) << "row " << i;
  }
}

TEST_F(ScenarioRunnerTest, EndsWithTheProgramAndReadsNoFurtherLine) {
  const Outcome run = Play("start\nclick Form1.QuitQ1\nno such command\n");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, "Application.Ended=1\n");
  EXPECT_EQ(run.err, "");
}

// Without a cwd line the program's current directory is the runner's own,
// in drive form.
TEST_F(ScenarioRunnerTest, CurrentDirectoryDefaultsToTheRunnersOwn) {
  std::filesystem::create_directories(root_ / "Sync");
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(root_ / "Sync");
  std::ostringstream out;
  std::ostringstream err;
  ScenarioRunner runner(fixture::StartFixture, nullptr, out);
  const int exit_code = runner.Run(
      "drive h " + root_.string() + "\nstart\nclick Form1.Button6\ndump Form1.Label1.Caption\n", err);
  std::filesystem::current_path(previous);
  EXPECT_EQ(exit_code, 0) << err.str();
  EXPECT_EQ(out.str(), "Form1.Label1.Caption=H:\\Sync\\OUT.TXT\n");
  EXPECT_TRUE(std::filesystem::exists(root_ / "Sync" / "OUT.TXT"));
}

}  // namespace
}  // namespace twindir::scenario
