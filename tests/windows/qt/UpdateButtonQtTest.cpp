// The real 更　新 button of the main window, clicked as Qt widgets on the
// offscreen platform over a prepared medium.

#include <QTest>
#include <optional>

#include "tests/windows/SecondaryWindowsFixture.h"
#include "toolkit/qt/QtBackend.h"
#include "windows/Unit3.h"

namespace twindir::testing {
namespace {

class UpdateButtonQtTest : public SecondaryWindowsTest {
 protected:
  void SetUp() override {
    Write("H:\\Sample\\a.txt", "backup", kT0 + kSecond);
    Write("C:\\Sample\\a.txt", "hdd", kT0);
    Write("H:\\Gone\\g.txt", "only in the backup", kT0);
    Start({"C:\\Sample", "C:\\Gone"});
    backend_.emplace(app_);
  }
  // The Qt windows go before the forms they show.
  void TearDown() override { backend_.reset(); }

  QWidget& WindowOf(const toolkit::Form& form) { return *backend_->WindowOf(form); }
  QWidget& WidgetOf(const toolkit::Control& control) { return *backend_->WidgetOf(control); }

  std::optional<toolkit::qt::QtBackend> backend_;
};

TEST_F(UpdateButtonQtTest, AClickOnTheUpdateButtonCopiesReportsAndOpensTheMissingFolderWindow) {
  QWidget& main_window = WindowOf(Main());
  main_window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main_window));
  QWidget& update_button = WidgetOf(Main().LumoBtn1);

  QTest::mouseClick(&update_button, Qt::LeftButton, {}, update_button.rect().center());

  EXPECT_EQ(ContentsOf("C:\\Sample\\a.txt"), "backup");
  EXPECT_EQ(Utf8(Main().StringGrid2.Cells(0, 0)), "a.txt");
  EXPECT_EQ(Utf8(Main().StringGrid2.Cells(2, 0)), "C:\\Sample");
  EXPECT_EQ(Utf8(Main().StringGrid2.Cells(0, 1)), "  1 ファイル更新");
  EXPECT_EQ(Rows(Form4().StringGrid1), (std::vector<std::string>{"C:\\Gone\\g.txt"}));
  EXPECT_TRUE(WindowOf(Form6()).isVisible());
  EXPECT_FALSE(WindowOf(*context_.Form3).isVisible());
  EXPECT_TRUE(WidgetOf(Main().Button2).isEnabled());
  EXPECT_TRUE(WidgetOf(Main().Button4).isEnabled());
}

}  // namespace
}  // namespace twindir::testing
