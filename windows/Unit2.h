#pragma once
// TForm2, the help window: a title and the usage text in a memo. A click on
// the icon closes it; the close button is never shown.

#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"
#include "windows/ProgramContext.h"

namespace twindir {

class TForm2 : public toolkit::Form {
 public:
  TForm2(toolkit::Application& application, ProgramContext& context);

  toolkit::Label Label1{*this, "Label1"};
  toolkit::Image Image1{*this, "Image1"};
  toolkit::Memo Memo1{*this, "Memo1"};
  toolkit::Button Button1{*this, "Button1"};

 private:
  void FormCreate();
  void Image1Click();
  void Button1Click();
};

}  // namespace twindir
