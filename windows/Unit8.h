#pragma once
// TForm8, the version window: the program's name and version, its release
// date and six lines of credits. A click on the icon closes it; it has no
// close box.

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "windows/ProgramContext.h"

namespace twindir {

class TForm8 : public toolkit::Form {
 public:
  TForm8(toolkit::Application& application, ProgramContext& context);

  toolkit::Image Image1{*this, "Image1"};
  toolkit::Label Label1{*this, "Label1"};  // name and version
  toolkit::Label Label4{*this, "Label4"};  // release date
  // The credit lines, top to bottom.
  toolkit::Label Label2{*this, "Label2"};
  toolkit::Label Label3{*this, "Label3"};
  toolkit::Label Label5{*this, "Label5"};
  toolkit::Label Label6{*this, "Label6"};
  toolkit::Label Label7{*this, "Label7"};
  toolkit::Label Label8{*this, "Label8"};

 private:
  void FormCreate();
  void Image1Click();
};

}  // namespace twindir
