#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/toolkit/DialogLog.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/ScriptedDialogs.h"

namespace twindir::toolkit {
namespace {

class DialogForm : public Form {
 public:
  explicit DialogForm(Application& app) : Form(app, "Form1") {}
  Button Ask{*this, "Ask"};
  OpenDialog OpenDialog1{*this, "OpenDialog1"};
};

class DialogsTest : public ::testing::Test {
 protected:
  DialogsTest() { app.SetTitle("TWINDIR 3.5"); }

  DialogLog log;
  ScriptedDialogs dialogs{&log};
  Application app{dialogs};
  DialogForm& form = app.CreateForm<DialogForm>();
};

TEST_F(DialogsTest, OkCancelBoxesTakeTheQueuedAnswersInOrder) {
  dialogs.QueueAnswer(ModalResult::Cancel);
  dialogs.QueueAnswer(ModalResult::OK);
  EXPECT_EQ(app.MessageBox("a.txt", "delete?", MessageButtons::OKCancel), ModalResult::Cancel);
  EXPECT_EQ(app.MessageBox("b.txt", "delete?", MessageButtons::OKCancel), ModalResult::OK);
  EXPECT_EQ(dialogs.QueuedAnswers(), 0u);
  EXPECT_EQ(log.lines, (std::vector<std::string>{
                           "MessageBox.Caption=delete?", "MessageBox.Text=a.txt", "MessageBox.Buttons=OKCancel",
                           "MessageBox.Answer=Cancel", "MessageBox.Caption=delete?", "MessageBox.Text=b.txt",
                           "MessageBox.Buttons=OKCancel", "MessageBox.Answer=OK"}));
}

TEST_F(DialogsTest, AnOkBoxNeedsNoAnswerAndLeavesTheQueue) {
  dialogs.QueueAnswer(ModalResult::Cancel);
  app.ShowMessage("dir can't be created");
  EXPECT_EQ(dialogs.QueuedAnswers(), 1u);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"MessageBox.Caption=TWINDIR 3.5",
                                                 "MessageBox.Text=dir can't be created", "MessageBox.Buttons=OK",
                                                 "MessageBox.Answer=OK"}));
}

// An unanswered box must stop the caller (the runner reports it); neither
// the handler boundary nor a handler's own catch may turn it into an error box.
TEST_F(DialogsTest, AnUnansweredBoxPassesThroughHandlersToTheCaller) {
  form.Ask.OnClick = [this] {
    try {
      app.MessageBox("x", "sure?", MessageButtons::OKCancel);
    } catch (const std::exception&) {
      ADD_FAILURE() << "caught as std::exception";
    }
  };
  EXPECT_THROW(form.Ask.UserClick(), UnansweredDialog);
  EXPECT_EQ(log.lines.back(), "MessageBox.Buttons=OKCancel");
}

TEST_F(DialogsTest, OpenDialogTakesQueuedChoicesAndKeepsTheLastOnCancel) {
  form.OpenDialog1.SetMultiSelect(true);
  dialogs.QueueOpenResult(std::vector<std::string>{"C:\\a.txt", "C:\\b.txt"});
  dialogs.QueueOpenResult(std::nullopt);

  ASSERT_TRUE(form.OpenDialog1.Execute());
  EXPECT_EQ(form.OpenDialog1.FileName(), "C:\\a.txt");
  EXPECT_EQ(form.OpenDialog1.Files().size(), 2u);
  EXPECT_FALSE(form.OpenDialog1.Execute());
  EXPECT_EQ(form.OpenDialog1.FileName(), "C:\\a.txt");
  EXPECT_THROW(form.OpenDialog1.Execute(), UnansweredDialog);

  EXPECT_EQ(log.lines, (std::vector<std::string>{"OpenDialog.Multiple=1",
                                                 "OpenDialog.Result=C:\\a.txt | C:\\b.txt",
                                                 "OpenDialog.Multiple=1", "OpenDialog.Result=cancel",
                                                 "OpenDialog.Multiple=1"}));
}

TEST_F(DialogsTest, AHandlerExceptionShowsTheErrorBoxTitledWithTheApplication) {
  form.Ask.OnClick = [] { throw std::runtime_error("cannot write TWINDIR.DAT"); };
  form.Ask.UserClick();
  EXPECT_EQ(log.lines, (std::vector<std::string>{"ErrorBox.Title=TWINDIR 3.5",
                                                 "ErrorBox.Text=cannot write TWINDIR.DAT"}));
}

}  // namespace
}  // namespace twindir::toolkit
