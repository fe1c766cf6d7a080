#include "controls/LumoBtn.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "controls/MyStr.h"
#include "tests/toolkit/DialogLog.h"
#include "toolkit/Application.h"
#include "toolkit/RecordingCanvas.h"
#include "toolkit/ScriptedDialogs.h"

namespace twindir::toolkit {
namespace {

using Op = RecordingCanvas::Operation;

class ButtonForm : public Form {
 public:
  explicit ButtonForm(Application& app) : Form(app, "Form1") {}
  TLumoBtn LumoBtn1{*this, "LumoBtn1"};
  TMyStr MyStr1{*this, "MyStr1"};
};

class LumoBtnTest : public ::testing::Test {
 protected:
  LumoBtnTest() {
    button.SetBounds(248, 32, 84, 25);
    button.SetColor(colors::Maroon);
    button.SetFont({"F", 13, true, colors::Lime});
    button.SetCaption("Update");
    button.OnClick = [this] { bevel_during_click.push_back(button.BevelOuter()); };
  }

  RecordingCanvas Paint() {
    RecordingCanvas canvas(button.Width(), button.Height());
    button.Paint(canvas);
    return canvas;
  }

  static Picture OnePixelPicture() {
    Picture picture;
    picture.SetGraphic({1, 1, {0xFF102030}});
    return picture;
  }

  DialogLog log;
  ScriptedDialogs dialogs{&log};
  Application app{dialogs};
  ButtonForm& form = app.CreateForm<ButtonForm>();
  TLumoBtn& button = form.LumoBtn1;
  std::vector<BevelKind> bevel_during_click;
};

TEST(LumoBtnDefaultsTest, ANewButtonIsARaisedCentredPanelOf75By25WithoutTabStop) {
  ScriptedDialogs dialogs;
  Application app(dialogs);
  ButtonForm& form = app.CreateForm<ButtonForm>();
  const TLumoBtn& button = form.LumoBtn1;
  EXPECT_EQ(button.Width(), 75);
  EXPECT_EQ(button.Height(), 25);
  EXPECT_EQ(button.BevelOuter(), BevelKind::Raised);
  EXPECT_EQ(button.BevelInner(), BevelKind::None);
  EXPECT_EQ(button.BevelWidth(), 1);
  EXPECT_EQ(button.BorderWidth(), 0);
  EXPECT_EQ(button.Alignment(), Alignment::Center);
  EXPECT_EQ(button.Color(), colors::ButtonFace);
  EXPECT_FALSE(button.TabStop());
  EXPECT_TRUE(button.PictureImg().Empty());
}

TEST_F(LumoBtnTest, ALeftClickFiresOnceWhileTheBevelIsStillLowered) {
  button.UserMouseDown(MouseButton::Left, 10, 10);
  EXPECT_EQ(button.BevelOuter(), BevelKind::Lowered);
  button.UserMouseUp(MouseButton::Left, 12, 11);
  EXPECT_EQ(bevel_during_click, (std::vector<BevelKind>{BevelKind::Lowered}));
  EXPECT_EQ(button.BevelOuter(), BevelKind::Raised);
}

TEST_F(LumoBtnTest, ReleasedOutsideRaisesTheBevelWithoutAClick) {
  const auto outside = std::to_array<std::pair<int, int>>({{84, 10}, {-1, 10}, {10, 25}, {10, -1}});
  for (std::size_t i = 0; i < outside.size(); ++i) {
    button.UserMouseDown(MouseButton::Left, 5, 5);
    button.UserMouseUp(MouseButton::Left, outside[i].first, outside[i].second);
    EXPECT_EQ(button.BevelOuter(), BevelKind::Raised) << "row " << i;
  }
  EXPECT_TRUE(bevel_during_click.empty());
}

TEST_F(LumoBtnTest, RightAndMiddleButtonsChangeNothing) {
  for (MouseButton other : {MouseButton::Right, MouseButton::Middle}) {
    button.UserMouseDown(other, 5, 5);
    EXPECT_EQ(button.BevelOuter(), BevelKind::Raised);
    button.UserMouseUp(other, 5, 5);
  }
  // A right release while the left is held keeps the button pressed.
  button.UserMouseDown(MouseButton::Left, 5, 5);
  button.UserMouseUp(MouseButton::Right, 5, 5);
  EXPECT_EQ(button.BevelOuter(), BevelKind::Lowered);
  EXPECT_TRUE(bevel_during_click.empty());
}

TEST_F(LumoBtnTest, ADisabledButtonIgnoresTheMouse) {
  button.SetEnabled(false);
  button.UserMouseDown(MouseButton::Left, 5, 5);
  EXPECT_EQ(button.BevelOuter(), BevelKind::Raised);
  button.UserClick();
  EXPECT_TRUE(bevel_during_click.empty());
}

TEST_F(LumoBtnTest, AFailingClickShowsTheErrorBoxAndTheBevelStillRises) {
  button.OnClick = [] { throw std::runtime_error("run failed"); };
  button.UserClick();
  EXPECT_EQ(button.BevelOuter(), BevelKind::Raised);
  EXPECT_EQ(log.lines.back(), "ErrorBox.Text=run failed");
}

TEST_F(LumoBtnTest, WithoutAPictureItPaintsARaisedBevelAFilledFaceAndTheCaption) {
  RecordingCanvas canvas = Paint();
  EXPECT_EQ(canvas.Pixel(0, 0), colors::ButtonHighlight);
  EXPECT_EQ(canvas.Pixel(0, 23), colors::ButtonHighlight);
  EXPECT_EQ(canvas.Pixel(83, 0), colors::ButtonShadow);
  EXPECT_EQ(canvas.Pixel(83, 24), colors::ButtonShadow);
  EXPECT_EQ(canvas.Pixel(1, 1), colors::Maroon);
  EXPECT_EQ(canvas.Pixel(82, 23), colors::Maroon);

  const Op& text = canvas.Operations().back();
  ASSERT_EQ(text.kind, Op::Kind::Text);
  EXPECT_EQ(text.text, "Update");
  // Inside the bevel (1..24), centred on the height of "W" (13): (1 + 24 - 13) / 2 = 6.
  EXPECT_EQ(text.rect, (Rect{1, 6, 83, 19}));
  EXPECT_EQ(text.alignment, Alignment::Center);
  EXPECT_EQ(text.font.color, colors::Lime);
  EXPECT_EQ(text.brush, std::nullopt) << "the caption has no background";
}

TEST_F(LumoBtnTest, PressedItPaintsTheBevelLowered) {
  button.UserMouseDown(MouseButton::Left, 5, 5);
  RecordingCanvas canvas = Paint();
  EXPECT_EQ(canvas.Pixel(0, 0), colors::ButtonShadow);
  EXPECT_EQ(canvas.Pixel(83, 24), colors::ButtonHighlight);
}

TEST_F(LumoBtnTest, BorderAndInnerBevelShrinkTheCaptionRectangle) {
  button.SetBorderWidth(2);
  button.SetBevelInner(BevelKind::Lowered);
  RecordingCanvas canvas = Paint();
  EXPECT_EQ(canvas.Pixel(1, 1), colors::Maroon);  // the border
  EXPECT_EQ(canvas.Pixel(3, 3), colors::ButtonShadow);  // the inner bevel's top-left
  EXPECT_EQ(canvas.Pixel(80, 21), colors::ButtonHighlight);
  // Inside 4..21 vertically: (4 + 21 - 13) / 2 = 6.
  EXPECT_EQ(canvas.Operations().back().rect, (Rect{4, 6, 80, 19}));
}

TEST_F(LumoBtnTest, ACaptionTallerThanTheFaceIsCentredRoundingTowardZero) {
  button.SetBounds(0, 0, 40, 10);
  button.SetFont({"F", 19, true, colors::Lime});
  RecordingCanvas canvas = Paint();
  // (1 + 9 - 19) / 2 is -4 in integer arithmetic, not -5.
  EXPECT_EQ(canvas.Operations().back().rect, (Rect{1, -4, 39, 15}));
}

TEST_F(LumoBtnTest, WithAPictureItDrawsItFirstOverTheWholeFaceAndDoesNotFill) {
  button.Set_Picture(OnePixelPicture());
  RecordingCanvas canvas = Paint();
  const std::vector<Op>& ops = canvas.Operations();
  ASSERT_FALSE(ops.empty());
  EXPECT_EQ(ops.front().kind, Op::Kind::Picture);
  EXPECT_EQ(ops.front().rect, (Rect{0, 0, 84, 25}));
  EXPECT_EQ(canvas.Pixel(0, 0), colors::ButtonHighlight) << "the bevel lies on the picture";
  EXPECT_EQ(canvas.Pixel(1, 1), std::nullopt) << "no fill over the picture";
  EXPECT_EQ(ops.back().kind, Op::Kind::Text);
}

TEST_F(LumoBtnTest, SetPictureCopiesAndAnEmptyPictureRestoresPlainPainting) {
  Picture mine = OnePixelPicture();
  button.Set_Picture(mine);
  mine.Clear();
  EXPECT_FALSE(button.PictureImg().Empty()) << "the button keeps its own copy";

  button.Set_Picture(Picture{});
  RecordingCanvas canvas = Paint();
  EXPECT_EQ(canvas.Operations().front().kind, Op::Kind::Fill);
  EXPECT_EQ(canvas.Pixel(1, 1), colors::Maroon);
}

TEST_F(LumoBtnTest, MyStrHasNoPropertiesOfItsOwn) {
  int records = 0;
  form.MyStr1.ListProperties([&](std::string_view, std::string_view) { ++records; });
  EXPECT_EQ(records, 0);
  EXPECT_EQ(form.FindComponent("MyStr1"), &form.MyStr1);
}

}  // namespace
}  // namespace twindir::toolkit
