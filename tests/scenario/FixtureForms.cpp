#include "tests/scenario/FixtureForms.h"

#include <stdexcept>
#include <string>

#include "platform/PathText.h"
#include "platform/TextFormat.h"
#include "tests/scenario/FixtureTexts.h"
#include "toolkit/Application.h"

namespace twindir::scenario::fixture {

FixtureForm2::FixtureForm2(toolkit::Application& application) : Form(application, "Form2") {
  SetCaption("Form2");
  SetClientSize(200, 100);
  Memo1.SetBounds(0, 0, 200, 60);
  Memo1.SetLines({"first\tline", "second"});
  Button1.SetBounds(0, 70, 80, 25);
  Button1.SetCaption("Close");
  Button1.OnClick = [this] { Close(); };
}

FixtureForm1::FixtureForm1(toolkit::Application& application, const ProgramServices& services)
    : Form(application, "Form1"), services_(services) {
  OnCreate = [this] {
    if (services_.files.CurrentDirectory().ends_with("FAIL")) throw std::runtime_error("cannot start here");
    SetCaption("Fixture");
    SetClientSize(320, 240);
    SetMenu(&MainMenu1);
    File1.SetCaption("File");
    QuitQ1.SetCaption(std::string(texts::ItemCaption));
    Disabled1.SetCaption("Disabled");
    Disabled1.SetEnabled(false);
    Label1.SetBounds(8, 8, 300, 16);
    Button1.SetBounds(8, 30, 75, 25);
    Button1.SetCaption("Count");
    Button2.SetBounds(90, 30, 75, 25);
    Button2.SetCaption("Off");
    Button2.SetEnabled(false);
    CheckBox1.SetBounds(170, 30, 100, 20);
    StringGrid1.SetBounds(8, 60, 300, 80);
    StringGrid1.SetColCount(2);
    StringGrid1.SetRowCount(3);
    for (int row = 0; row < 3; ++row) StringGrid1.SetCell(0, row, platform::Format("row %d", row));
    StringGrid1.SetCell(1, 1, std::string(texts::Done));
    Button3.SetCaption("Ask");
    Button4.SetCaption("Open");
    Button5.SetCaption("Fail");
    Button6.SetCaption("Write");
    Button7.SetCaption("Tell");
    Button8.SetCaption("Form2");
    OpenDialog1.SetMultiSelect(true);
  };
  QuitQ1.OnClick = [this] { Close(); };
  Disabled1.OnClick = [this] { Report("Disabled1 ran"); };
  Button1.OnClick = [this] { Report(platform::Format("Button1 clicks %d", ++button1_clicks_)); };
  Button2.OnClick = [this] { Report("Button2 ran"); };
  CheckBox1.OnClick = [this] { Report(platform::Format("checked %d", CheckBox1.Checked() ? 1 : 0)); };
  StringGrid1.OnClick = [this] {
    Report(platform::Format("row %d, grid clicks %d", StringGrid1.Row(), ++grid_clicks_));
  };
  Button3.OnClick = [this] {
    const toolkit::ModalResult answer =
        App().MessageBox(std::string(texts::ConfirmText), std::string(texts::ConfirmCaption),
                         toolkit::MessageButtons::OKCancel, toolkit::MessageIcon::Question);
    Report(std::string("answer ") + toolkit::ToString(answer));
  };
  Button4.OnClick = [this] {
    if (!OpenDialog1.Execute()) {
      Report("cancelled");
      return;
    }
    std::string chosen;
    for (const std::string& file : OpenDialog1.Files()) chosen += "<" + file + ">";
    Report(chosen);
  };
  Button5.OnClick = [] { throw std::runtime_error("Button5 is broken"); };
  Button6.OnClick = [this] { WriteServicesFile(); };
  Button7.OnClick = [this] {
    App().ShowMessage("told");
    Report("told");
  };
  Button8.OnClick = [this] { App().FindForm("Form2")->Show(); };
}

// OUT.TXT in the current directory: the clock's time and the free bytes of
// the current directory's drive, as the services report them.
void FixtureForm1::WriteServicesFile() {
  const std::string folder = services_.files.CurrentDirectory();
  const platform::LocalTime now = services_.clock.Now();
  const auto free = services_.files.FreeBytes(folder.substr(0, 2) + "\\");
  const std::string text = platform::Format("%04d-%02d-%02d %02d:%02d:%02d free %llu\r\n", now.year,
                                            now.month, now.day, now.hour, now.minute, now.second,
                                            free.ok() ? static_cast<unsigned long long>(free.value()) : 0ULL);
  const std::string path = platform::JoinPath(folder, "OUT.TXT");
  if (!services_.files.WriteWholeFile(path, text).ok()) throw std::runtime_error("cannot write " + path);
  Report(path);
}

std::unique_ptr<StartedProgram> StartFixture(toolkit::Application& application,
                                             const ProgramServices& services) {
  application.SetTitle("Fixture");
  application.CreateForm<FixtureForm1>(services);
  application.CreateForm<FixtureForm2>();
  application.ShowMainForm();
  return nullptr;
}

}  // namespace twindir::scenario::fixture
