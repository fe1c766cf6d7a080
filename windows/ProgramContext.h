#pragma once
// What the eight windows share: the program's services and the one instance
// of each window. Every window is built as TFormN(application, context); a
// window's pointer is set once it has been created, so the main window's
// creation handler, which runs first, finds the others still null.

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/NameOrder.h"

namespace twindir {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;

struct ProgramContext {
  platform::FileSystem& fs;
  platform::Clock& clock;
  const platform::NameOrder& order;

  TForm1* Form1 = nullptr;
  TForm2* Form2 = nullptr;
  TForm3* Form3 = nullptr;
  TForm4* Form4 = nullptr;
  TForm5* Form5 = nullptr;
  TForm6* Form6 = nullptr;
  TForm7* Form7 = nullptr;
  TForm8* Form8 = nullptr;
};

}  // namespace twindir
