#include "toolkit/StringGrid.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "toolkit/Application.h"
#include "toolkit/ScriptedDialogs.h"
#include "tests/toolkit/DialogLog.h"

namespace twindir::toolkit {
namespace {

class GridForm : public Form {
 public:
  explicit GridForm(Application& app) : Form(app, "Form1") {
    Grid.SetRowCount(4);
    Grid.SetColCount(2);
    Grid.OnClick = [this] { clicks.push_back(Grid.Row()); };
  }
  StringGrid Grid{*this, "Grid"};
  std::vector<int> clicks;
};

class StringGridTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  Application app{dialogs};
  GridForm& form = app.CreateForm<GridForm>();
  StringGrid& grid = form.Grid;
};

TEST_F(StringGridTest, UserClickFiresAlsoOnTheSelectedRow) {
  grid.UserSelectRow(0);
  grid.UserSelectRow(2);
  grid.UserSelectRow(2);
  EXPECT_EQ(form.clicks, (std::vector<int>{0, 2, 2}));
  EXPECT_EQ(grid.Row(), 2);
}

TEST_F(StringGridTest, CodeFiresOnlyWhenTheRowChanges) {
  grid.SetRow(0);  // already selected
  EXPECT_TRUE(form.clicks.empty());
  grid.SetRow(3);
  grid.SetRow(3);
  grid.SetRow(1);
  EXPECT_EQ(form.clicks, (std::vector<int>{3, 1}));
}

TEST_F(StringGridTest, CodeSelectingOutsideTheGridThrowsAndKeepsTheRow) {
  grid.SetRow(1);
  EXPECT_THROW(grid.SetRow(4), std::out_of_range);
  EXPECT_THROW(grid.SetRow(-1), std::out_of_range);
  EXPECT_EQ(grid.Row(), 1);
}

TEST_F(StringGridTest, UserClickOutsideTheGridOrOnADisabledGridIsIgnored) {
  grid.UserSelectRow(7);
  grid.SetEnabled(false);
  grid.UserSelectRow(1);
  EXPECT_TRUE(form.clicks.empty());
  EXPECT_EQ(grid.Row(), 0);
}

TEST_F(StringGridTest, RowAndColumnCountsNeverFallBelowOne) {
  grid.SetRowCount(0);
  grid.SetColCount(-3);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(grid.ColCount(), 1);
}

TEST_F(StringGridTest, CellsOutsideTheRowsReadEmptyAndAreNotKept) {
  grid.SetCell(1, 3, "last");
  grid.SetCell(0, 9, "beyond");
  grid.SetCell(2, 0, "beyond");
  EXPECT_EQ(grid.Cells(1, 3), "last");
  EXPECT_EQ(grid.Cells(0, 9), "");
  EXPECT_EQ(grid.Cells(-1, 0), "");

  grid.SetRowCount(10);
  EXPECT_EQ(grid.Cells(0, 9), "") << "a write beyond the rows must not come back";
}

TEST_F(StringGridTest, ShrinkingDropsRowsAndKeepsTheSelectionInsideWithoutAClick) {
  grid.SetCell(0, 3, "gone");
  grid.SetRow(3);
  form.clicks.clear();

  grid.SetRowCount(2);
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_TRUE(form.clicks.empty());

  grid.SetRowCount(4);
  EXPECT_EQ(grid.Cells(0, 3), "");
}

TEST_F(StringGridTest, AnExceptionFromAUserClickShowsTheErrorBoxAndKeepsTheSelection) {
  DialogLog log;
  ScriptedDialogs observed(&log);
  Application observed_app(observed);
  observed_app.SetTitle("TITLE");
  GridForm& failing = observed_app.CreateForm<GridForm>();
  failing.Grid.OnClick = [] { throw std::runtime_error("broken"); };

  failing.Grid.UserSelectRow(2);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"ErrorBox.Title=TITLE", "ErrorBox.Text=broken"}));
  EXPECT_EQ(failing.Grid.Row(), 2);
  // From code the exception reaches the caller, which is the handler that set the row.
  EXPECT_THROW(failing.Grid.SetRow(0), std::runtime_error);
}

}  // namespace
}  // namespace twindir::toolkit
