// twindir-scenario: the scenario runner over the program's eight windows.
#include <memory>

#include "scenario/ScenarioMain.h"
#include "windows/Program.h"
#include "windows/ProgramContext.h"
#ifdef TWINDIR_SCENARIO_QT
#include "scenario/QtDisplay.h"
#endif

namespace {

// The windows' shared context lives as long as the windows do.
class Windows : public twindir::scenario::StartedProgram {
 public:
  explicit Windows(const twindir::scenario::ProgramServices& services)
      : context_{services.files, services.clock, services.name_order} {}
  twindir::ProgramContext& Context() { return context_; }

 private:
  twindir::ProgramContext context_;
};

std::unique_ptr<twindir::scenario::StartedProgram> StartWindows(
    twindir::toolkit::Application& application, const twindir::scenario::ProgramServices& services) {
  auto windows = std::make_unique<Windows>(services);
  twindir::StartProgram(application, windows->Context());
  return windows;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef TWINDIR_SCENARIO_QT
  const twindir::scenario::DisplayFactory make_qt_display = twindir::scenario::MakeQtDisplay;
#else
  const twindir::scenario::DisplayFactory make_qt_display;
#endif
  return twindir::scenario::ScenarioMain(argc, argv, StartWindows, make_qt_display);
}
