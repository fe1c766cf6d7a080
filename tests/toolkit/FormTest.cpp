#include <gtest/gtest.h>

#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"
#include "toolkit/Menu.h"
#include "toolkit/ScriptedDialogs.h"
#include "toolkit/StringGrid.h"

namespace twindir::toolkit {
namespace {

class SmallForm : public Form {
 public:
  explicit SmallForm(Application& app) : Form(app, "Form1") {
    SetMenu(&MainMenu1);
    OnCreate = [this] { SetCaption("created"); };
  }
  Label Label1{*this, "Label1"};
  Button Button1{*this, "Button1"};
  CheckBox CheckBox1{*this, "CheckBox1"};
  StringGrid StringGrid1{*this, "StringGrid1"};
  Memo Memo1{*this, "Memo1"};
  MainMenu MainMenu1{*this, "MainMenu1"};
  MenuItem File{MainMenu1, "File"};
  MenuItem QuitQ1{File, "QuitQ1"};
};

class OtherForm : public Form {
 public:
  explicit OtherForm(Application& app) : Form(app, "Form2") {}
};

class FormTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  Application app{dialogs};
  SmallForm& form = app.CreateForm<SmallForm>();
  OtherForm& other = app.CreateForm<OtherForm>();

  std::vector<std::string> List(const Component& component) const {
    std::vector<std::string> lines;
    component.ListProperties([&](std::string_view name, std::string_view value) {
      lines.push_back(std::string(name) + "=" + std::string(value));
    });
    return lines;
  }
};

TEST_F(FormTest, CreationRunsOnCreateAndTheFirstFormIsTheMainForm) {
  EXPECT_EQ(form.Caption(), "created");
  EXPECT_EQ(app.MainForm(), &form);
  EXPECT_EQ(app.FindForm("Form2"), &other);
  EXPECT_EQ(app.Forms().size(), 2u);
}

TEST_F(FormTest, ClosingASecondaryFormHidesItClosingTheMainFormEndsTheProgram) {
  int ended = 0;
  app.OnTerminate = [&] { ++ended; };
  other.Show();
  other.Close();
  EXPECT_FALSE(other.Visible());
  EXPECT_FALSE(app.Terminated());

  form.QuitQ1.OnClick = [this] { form.Close(); };
  form.QuitQ1.UserClick();
  EXPECT_TRUE(app.Terminated());
  EXPECT_EQ(ended, 1);
}

TEST_F(FormTest, ComponentsAreFoundByNameInDeclarationOrder) {
  std::vector<std::string> names;
  for (const Component* component : form.Components()) names.push_back(component->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"Label1", "Button1", "CheckBox1", "StringGrid1", "Memo1", "MainMenu1",
                                             "File", "QuitQ1"}));
  EXPECT_EQ(form.FindComponent("QuitQ1"), &form.QuitQ1);
  EXPECT_EQ(form.FindComponent("Nothing"), nullptr);
  EXPECT_EQ(form.MainMenu1.Items(), (std::vector<MenuItem*>{&form.File}));
  EXPECT_EQ(form.File.Items(), (std::vector<MenuItem*>{&form.QuitQ1}));
}

TEST_F(FormTest, WindowedControlsGetTabOrdersInCreationOrder) {
  EXPECT_EQ(form.Button1.TabOrder(), 0);
  EXPECT_EQ(form.CheckBox1.TabOrder(), 1);
  EXPECT_EQ(form.StringGrid1.TabOrder(), 2);
  EXPECT_FALSE(form.Label1.IsWindowed());
}

TEST_F(FormTest, ControlsFollowTheFormsColourAndFontUntilTheySetTheirOwn) {
  form.SetColor(Rgb{1, 2, 3});
  form.SetFont({"F", 19, true, Rgb{4, 5, 6}});
  EXPECT_EQ(form.Label1.Color(), (Rgb{1, 2, 3}));
  EXPECT_EQ(form.Label1.Font().height, 19);
  EXPECT_EQ(form.Button1.Color(), colors::ButtonFace);

  form.Label1.SetFont({"G", 11, false, colors::Yellow});
  form.SetFont({"H", 13, false, colors::Black});
  EXPECT_EQ(form.Label1.Font().name, "G");
  EXPECT_FALSE(form.Label1.ParentFont());
}

TEST_F(FormTest, ACheckBoxClickTogglesBeforeItsHandlerAndADisabledOneIgnoresIt) {
  std::vector<bool> seen;
  form.CheckBox1.OnClick = [&] { seen.push_back(form.CheckBox1.Checked()); };
  form.CheckBox1.UserClick();
  form.CheckBox1.UserClick();
  form.CheckBox1.SetChecked(true);  // from code: no click
  form.CheckBox1.SetEnabled(false);
  form.CheckBox1.UserClick();
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
  EXPECT_TRUE(form.CheckBox1.Checked());
}

TEST_F(FormTest, AControlListsItsPropertiesQualifiedAndFormatted) {
  form.Button1.SetCaption("Go");
  form.Button1.SetBounds(21, 32, 84, 25);
  form.Button1.SetEnabled(false);
  form.Button1.SetHint("tip");
  form.Button1.SetShowHint(true);
  form.Button1.SetFont({"F", 13, true, colors::Navy});
  EXPECT_EQ(List(form.Button1),
            (std::vector<std::string>{"Form1.Button1.Caption=Go", "Form1.Button1.Hint=tip",
                                      "Form1.Button1.ShowHint=1", "Form1.Button1.Enabled=0",
                                      "Form1.Button1.Visible=1", "Form1.Button1.Left=21", "Form1.Button1.Top=32",
                                      "Form1.Button1.Width=84", "Form1.Button1.Height=25",
                                      "Form1.Button1.Color=#D4D0C8", "Form1.Button1.FontName=F",
                                      "Form1.Button1.FontHeight=13", "Form1.Button1.FontBold=1",
                                      "Form1.Button1.FontColor=#000080", "Form1.Button1.TabOrder=0",
                                      "Form1.Button1.TabStop=1"}));
}

TEST_F(FormTest, AGridListsItsNonEmptyCellsBelowRowCountInRowOrder) {
  StringGrid& grid = form.StringGrid1;
  grid.SetColCount(3);
  grid.SetRowCount(3);
  grid.SetCell(2, 0, "c");
  grid.SetCell(0, 0, "a");
  grid.SetCell(1, 2, "x");
  std::vector<std::string> cells;
  for (const std::string& line : List(grid)) {
    if (line.starts_with("Form1.StringGrid1.Cells")) cells.push_back(line);
  }
  EXPECT_EQ(cells, (std::vector<std::string>{"Form1.StringGrid1.Cells[0,0]=a", "Form1.StringGrid1.Cells[2,0]=c",
                                             "Form1.StringGrid1.Cells[1,2]=x"}));
}

TEST_F(FormTest, AMemoListsItsLineCountAndEveryLine) {
  form.Memo1.SetText("one\r\n\r\nthree\r\n");
  std::vector<std::string> lines;
  for (const std::string& line : List(form.Memo1)) {
    if (line.starts_with("Form1.Memo1.Lines")) lines.push_back(line);
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"Form1.Memo1.Lines.Count=3", "Form1.Memo1.Lines[0]=one",
                                             "Form1.Memo1.Lines[1]=", "Form1.Memo1.Lines[2]=three"}));
}

TEST_F(FormTest, AFormListsItselfFirstThenEveryComponentInOrder) {
  form.SetClientSize(683, 449);
  std::vector<std::string> names;
  form.ListProperties([&](std::string_view name, std::string_view) { names.emplace_back(name); });
  ASSERT_GE(names.size(), 4u);
  EXPECT_EQ(names[0], "Form1.Caption");
  EXPECT_NE(std::find(names.begin(), names.end(), "Form1.ClientWidth"), names.end());
  const auto first_of = [&](std::string_view prefix) {
    return std::find_if(names.begin(), names.end(), [&](const std::string& n) { return n.starts_with(prefix); });
  };
  EXPECT_LT(first_of("Form1.Label1."), first_of("Form1.Button1."));
  EXPECT_LT(first_of("Form1.Memo1."), first_of("Form1.QuitQ1."));
  EXPECT_NE(std::find(names.begin(), names.end(), "Form1.QuitQ1.Caption"), names.end());
}

}  // namespace
}  // namespace twindir::toolkit
