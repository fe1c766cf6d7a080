// The scenario runner over the test windows, for the runner's own tests.
#include "scenario/ScenarioMain.h"
#include "tests/scenario/FixtureForms.h"
#ifdef TWINDIR_SCENARIO_QT
#include "scenario/QtDisplay.h"
#endif

int main(int argc, char** argv) {
#ifdef TWINDIR_SCENARIO_QT
  const twindir::scenario::DisplayFactory make_qt_display = twindir::scenario::MakeQtDisplay;
#else
  const twindir::scenario::DisplayFactory make_qt_display;
#endif
  return twindir::scenario::ScenarioMain(argc, argv, twindir::scenario::fixture::StartFixture,
                                         make_qt_display);
}
