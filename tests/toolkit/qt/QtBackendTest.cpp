#include "toolkit/qt/QtBackend.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "platform/Cp932.h"
#include "tests/toolkit/DialogLog.h"
#include "tests/toolkit/qt/PaintCounter.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Label.h"
#include "toolkit/Menu.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/ScriptedDialogs.h"
#include "toolkit/StringGrid.h"
#include "toolkit/qt/GridWidget.h"

namespace twindir::toolkit::qt {
namespace {

std::string Cp932(std::string_view utf8) { return platform::Utf8ToCp932(utf8).value(); }

class MainForm : public Form {
 public:
  explicit MainForm(Application& app) : Form(app, "Form1") {
    SetClientSize(300, 200);
    SetBorderStyle(BorderStyle::Single);
    SetMenu(&MainMenu1);
    File.SetCaption("File");
    QuitQ1.SetCaption("Quit");
    Button1.SetBounds(10, 10, 84, 25);
    Button1.SetCaption(Cp932("終　了"));
    Button1.SetHint("exit");
    CheckBox1.SetBounds(10, 40, 17, 17);
    Label1.SetBounds(10, 60, 100, 13);
    Grid.SetBounds(10, 80, 200, 100);
    Grid.SetColCount(1);
    Grid.SetRowCount(3);
    Grid.SetDefaultRowHeight(18);
    Grid.SetColWidth(0, 400);
    Grid.SetPopupMenu(&PopupMenu1);
    Bar.SetBounds(10, 185, 200, 10);
  }
  Button Button1{*this, "Button1"};
  CheckBox CheckBox1{*this, "CheckBox1"};
  Label Label1{*this, "Label1"};
  StringGrid Grid{*this, "Grid"};
  ProgressBar Bar{*this, "Bar"};
  MainMenu MainMenu1{*this, "MainMenu1"};
  MenuItem File{MainMenu1, "File"};
  MenuItem QuitQ1{File, "QuitQ1"};
  PopupMenu PopupMenu1{*this, "PopupMenu1"};
  MenuItem Delete1{PopupMenu1, "Delete1"};
};

class SecondForm : public Form {
 public:
  explicit SecondForm(Application& app) : Form(app, "Form2") {
    SetClientSize(100, 50);
    Label1.SetBounds(5, 5, 90, 13);
  }
  Label Label1{*this, "Label1"};
};

class QtBackendTest : public ::testing::Test {
 protected:
  QtBackendTest() {
    form.Show();
    window = backend.WindowOf(form);
  }

  template <class W>
  W* WidgetOf(const Control& control) const {
    return dynamic_cast<W*>(backend.WidgetOf(control));
  }

  DialogLog log;
  ScriptedDialogs dialogs{&log};
  Application app{dialogs};
  MainForm& form = app.CreateForm<MainForm>();
  SecondForm& second = app.CreateForm<SecondForm>();
  QtBackend backend{app};
  QWidget* window = nullptr;
};

TEST_F(QtBackendTest, AMouseClickOnARealButtonRunsItsHandler) {
  int clicks = 0;
  form.Button1.OnClick = [&] { ++clicks; };
  QPushButton* button = WidgetOf<QPushButton>(form.Button1);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), QString::fromUtf8("終　了")) << "the caption is converted from code page 932";
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);

  form.Button1.SetEnabled(false);
  EXPECT_FALSE(button->isEnabled());
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST_F(QtBackendTest, ControlsSitAtTheirPixelPlacesInAClientAreaOfExactSize) {
  QPushButton* button = WidgetOf<QPushButton>(form.Button1);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->geometry(), QRect(10, 10, 84, 25));
  EXPECT_EQ(button->parentWidget()->size(), QSize(300, 200));
  const int menu_height = window->findChild<QMenuBar*>()->height();
  EXPECT_GT(menu_height, 0);
  EXPECT_EQ(window->size(), QSize(300, 200 + menu_height)) << "the menu bar adds to the window, not the client";
  EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "a single border cannot be resized";
}

TEST_F(QtBackendTest, TheJapaneseGothicIsDrawnWithIpaPGothicAtItsPixelHeight) {
  form.Button1.SetFont({Cp932("ＭＳ Ｐゴシック"), 13, true, colors::Navy});
  const QFont font = WidgetOf<QPushButton>(form.Button1)->font();
  EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
  EXPECT_EQ(font.pixelSize(), 13);
  EXPECT_TRUE(font.bold());
}

TEST_F(QtBackendTest, TheTooltipShowsOnlyWhileShowHintIsOn) {
  QPushButton* button = WidgetOf<QPushButton>(form.Button1);
  EXPECT_EQ(button->toolTip(), QString());
  form.Button1.SetShowHint(true);
  EXPECT_EQ(button->toolTip(), QStringLiteral("exit"));
  form.Button1.SetShowHint(false);
  EXPECT_EQ(button->toolTip(), QString());
}

TEST_F(QtBackendTest, ACheckBoxClickTogglesTheControlBeforeItsHandler) {
  std::vector<bool> seen;
  form.CheckBox1.OnClick = [&] { seen.push_back(form.CheckBox1.Checked()); };
  QCheckBox* box = WidgetOf<QCheckBox>(form.CheckBox1);
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_EQ(seen, (std::vector<bool>{true}));
  EXPECT_TRUE(box->isChecked());
}

TEST_F(QtBackendTest, GridClicksSelectRowsAndArrowKeysMoveAsCodeWould) {
  std::vector<int> clicks;
  form.Grid.OnClick = [&] { clicks.push_back(form.Grid.Row()); };
  auto* grid = WidgetOf<GridWidget>(form.Grid);
  ASSERT_NE(grid, nullptr);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, 18 + 9));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, 18 + 9));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, 3 * 18 + 5));  // below the rows
  EXPECT_EQ(clicks, (std::vector<int>{1, 1}));

  QTest::keyClick(grid, Qt::Key_Down);
  QTest::keyClick(grid, Qt::Key_Down);  // already the last row: no click
  EXPECT_EQ(clicks, (std::vector<int>{1, 1, 2}));
  EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 400 - grid->viewport()->width())
      << "the column is wider than the grid";
}

TEST_F(QtBackendTest, MenuItemsRunTheirHandlersAndFollowTheirCaptions) {
  bool quit = false;
  form.QuitQ1.OnClick = [&] { quit = true; };
  form.QuitQ1.SetCaption(Cp932("終了(&Q)"));
  QAction* action = nullptr;
  for (QAction* candidate : window->findChildren<QAction*>()) {
    if (candidate->text() == QString::fromUtf8("終了(&Q)")) action = candidate;
  }
  ASSERT_NE(action, nullptr);
  action->trigger();
  EXPECT_TRUE(quit);
}

TEST_F(QtBackendTest, TheCloseBoxHidesASecondWindowAndEndsTheProgramOnTheMainOne) {
  second.Show();
  QWidget* second_window = backend.WindowOf(second);
  ASSERT_TRUE(second_window->isVisible());
  second_window->close();
  EXPECT_FALSE(second.Visible());
  EXPECT_FALSE(second_window->isVisible());
  EXPECT_FALSE(app.Terminated());

  window->close();
  EXPECT_TRUE(app.Terminated());
}

// The update run changes a label and repaints it per file with no event
// loop: the first request draws at once, and the throttle keeps thousands
// of requests from drawing thousands of times, or from laying the label's
// text out each time. The last text shows once the event loop runs.
TEST_F(QtBackendTest, LabelRepaintsDrawAtOnceButOnlyAFewTimesInALongLoop) {
  auto* label = WidgetOf<QLabel>(form.Label1);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  QCoreApplication::processEvents();
  PaintCounter counter(*label);

  form.Label1.SetCaption("file 0");
  form.Label1.Repaint();
  EXPECT_EQ(counter.paints, 1);
  EXPECT_EQ(label->text(), QStringLiteral("file 0"));
  for (int i = 1; i < 5000; ++i) {
    form.Label1.SetCaption("file " + std::to_string(i));
    form.Label1.Repaint();
  }
  EXPECT_LT(counter.paints, 100);
  QCoreApplication::processEvents();
  EXPECT_EQ(label->text(), QStringLiteral("file 4999"));
}

// The progress window moves its bar once a folder and repaints through the
// same throttle; the bar must not draw itself at each new value.
TEST_F(QtBackendTest, AProgressBarDrawsOnlyWithItsWindow) {
  auto* bar = WidgetOf<QProgressBar>(form.Bar);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  form.Bar.SetMax(5000);
  QCoreApplication::processEvents();
  PaintCounter counter(*bar);

  for (int i = 1; i <= 5000; ++i) {
    form.Bar.SetPosition(i);
    form.Label1.Repaint();
  }
  EXPECT_GE(counter.paints, 1);
  EXPECT_LT(counter.paints, 100);
  QCoreApplication::processEvents();
  EXPECT_EQ(bar->maximum(), 5000);
  EXPECT_EQ(bar->value(), 5000);
}

TEST_F(QtBackendTest, AWindowShownAfterItsLabelsChangedShowsTheirTexts) {
  auto* label = WidgetOf<QLabel>(second.Label1);
  second.Label1.SetCaption("set while hidden");
  second.Show();
  EXPECT_EQ(label->text(), QStringLiteral("set while hidden"));
}

}  // namespace
}  // namespace twindir::toolkit::qt
