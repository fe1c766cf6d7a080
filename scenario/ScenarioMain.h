#pragma once
// The command line of a scenario runner: `[--qt] SCENARIO-FILE`, or `-` for
// standard input. Shared by twindir-scenario and the runner's own tests,
// which start other windows.

#include <functional>
#include <memory>

#include "scenario/Display.h"
#include "scenario/ProgramStarter.h"

namespace twindir::scenario {

// Makes the Qt display; empty when the program is built without Qt.
using DisplayFactory = std::function<std::unique_ptr<Display>()>;

// Returns the exit code: 0 when every line ran, 2 otherwise.
int ScenarioMain(int argc, char** argv, const ProgramStarter& starter, const DisplayFactory& make_qt_display);

}  // namespace twindir::scenario
