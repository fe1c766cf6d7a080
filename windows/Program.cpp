#include "windows/Program.h"

#include "windows/Unit1.h"
#include "windows/Unit2.h"
#include "windows/Unit3.h"
#include "windows/Unit4.h"
#include "windows/Unit5.h"
#include "windows/Unit6.h"
#include "windows/Unit7.h"
#include "windows/Unit8.h"
#include "windows/WindowsTexts1.h"

namespace twindir {

void CreateWindows(toolkit::Application& application, ProgramContext& context) {
  application.SetTitle(std::string(texts1::ApplicationTitle));
  context.Form1 = &application.CreateForm<TForm1>(context);
  context.Form2 = &application.CreateForm<TForm2>(context);
  context.Form3 = &application.CreateForm<TForm3>(context);
  context.Form4 = &application.CreateForm<TForm4>(context);
  context.Form5 = &application.CreateForm<TForm5>(context);
  context.Form6 = &application.CreateForm<TForm6>(context);
  context.Form7 = &application.CreateForm<TForm7>(context);
  context.Form8 = &application.CreateForm<TForm8>(context);
}

void StartProgram(toolkit::Application& application, ProgramContext& context) {
  CreateWindows(application, context);
  application.ShowMainForm();
}

}  // namespace twindir
