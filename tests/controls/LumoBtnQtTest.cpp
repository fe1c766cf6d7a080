#include <gtest/gtest.h>

#include <QTest>

#include "controls/LumoBtn.h"
#include "platform/Cp932.h"
#include "tests/toolkit/qt/PaintCounter.h"
#include "toolkit/ScriptedDialogs.h"
#include "toolkit/qt/QtBackend.h"

namespace twindir::toolkit {
namespace {

class ButtonForm : public Form {
 public:
  explicit ButtonForm(Application& app) : Form(app, "Form1") {
    SetClientSize(400, 100);
    SetColor(Rgb{185, 207, 234});
    LumoBtn1.SetBounds(248, 32, 84, 25);
    LumoBtn1.SetColor(colors::Maroon);
    LumoBtn1.SetFont({platform::Utf8ToCp932("ＭＳ Ｐゴシック").value(), 13, true, colors::Lime});
    LumoBtn1.SetCaption(platform::Utf8ToCp932("更　新").value());
  }
  TLumoBtn LumoBtn1{*this, "LumoBtn1"};
};

class LumoBtnQtTest : public ::testing::Test {
 protected:
  LumoBtnQtTest() { form.Show(); }

  // The button's pixels as the window draws them now.
  QImage Shot() const {
    return backend.WidgetOf(form.LumoBtn1)->grab().toImage();
  }

  ScriptedDialogs dialogs;
  Application app{dialogs};
  ButtonForm& form = app.CreateForm<ButtonForm>();
  qt::QtBackend backend{app};
};

TEST_F(LumoBtnQtTest, ItDrawsAMaroonFaceWithARaisedBevelAndALimeCaption) {
  const QImage image = Shot();
  ASSERT_EQ(image.size(), QSize(84, 25));
  EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 255, 255));
  EXPECT_EQ(image.pixelColor(0, 23), QColor(255, 255, 255));
  EXPECT_EQ(image.pixelColor(83, 0), QColor(128, 128, 128));
  EXPECT_EQ(image.pixelColor(83, 24), QColor(128, 128, 128));
  EXPECT_EQ(image.pixelColor(2, 2), QColor(128, 0, 0));
  EXPECT_EQ(image.pixelColor(81, 22), QColor(128, 0, 0));

  int lime = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel.green() > 200 && pixel.red() < 60 && pixel.blue() < 60) ++lime;
    }
  }
  EXPECT_GT(lime, 20) << "the caption is drawn in lime";
}

// The press must reach the screen before the release starts a long click
// action that keeps the event loop busy: the button paints at once.
TEST_F(LumoBtnQtTest, APressPaintsTheBevelLoweredAtOnceAndTheClickRunsWhileItIsDown) {
  QWidget* button = backend.WidgetOf(form.LumoBtn1);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(backend.WindowOf(form)));
  QCoreApplication::processEvents();
  qt::PaintCounter counter(*button);
  QColor corner_during_click;
  int clicks = 0;
  form.LumoBtn1.OnClick = [&] {
    ++clicks;
    corner_during_click = Shot().pixelColor(0, 0);
  };

  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 12));
  EXPECT_GE(counter.paints, 1) << "painted without the event loop";
  EXPECT_EQ(Shot().pixelColor(0, 0), QColor(128, 128, 128));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(41, 12));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(corner_during_click, QColor(128, 128, 128));
  EXPECT_EQ(Shot().pixelColor(0, 0), QColor(255, 255, 255));

  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 12));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(120, 12));  // outside
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form.LumoBtn1.BevelOuter(), BevelKind::Raised);
}

}  // namespace
}  // namespace twindir::toolkit
