#pragma once
// TForm3, the progress window of the update run: the stage or folder in
// hand, the copy in hand, and a bar over the registered folders. The run
// keeps the event loop busy, so each label change is drawn at once.

#include <string_view>

#include "engine/Progress.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/ProgressBar.h"
#include "windows/ProgramContext.h"

namespace twindir {

class TForm3 : public toolkit::Form, public engine::ProgressSink {
 public:
  TForm3(toolkit::Application& application, ProgramContext& context);

  toolkit::Label Label1{*this, "Label1"};  // the stage, then the mirror folder in hand
  toolkit::Label Label2{*this, "Label2"};  // the copy in hand, or empty
  toolkit::ProgressBar ProgressBar1{*this, "ProgressBar1"};

  // ProgressSink: what the update run shows.
  void ShowStage(std::string_view text) override;
  void ShowFile(std::string_view text) override;
  void SetFolderCount(int count) override;
  void SetFolderIndex(int index) override;
};

}  // namespace twindir
