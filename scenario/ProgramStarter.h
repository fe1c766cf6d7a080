#pragma once
// What `start` runs: the windows of a program, created in the given
// application over the given services. The runner is built once and run
// with the real eight windows (twindir-scenario) or with test windows.

#include <functional>
#include <memory>

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/NameOrder.h"
#include "toolkit/Application.h"

namespace twindir::scenario {

struct ProgramServices {
  platform::FileSystem& files;
  platform::Clock& clock;
  const platform::NameOrder& name_order;
};

// Whatever the started program needs kept alive while the scenario runs
// (the forms themselves belong to the application).
class StartedProgram {
 public:
  virtual ~StartedProgram() = default;
};

// Creates the windows, runs their creation handlers and shows the main
// window; may return nullptr when nothing beyond the forms must be kept.
using ProgramStarter =
    std::function<std::unique_ptr<StartedProgram>(toolkit::Application&, const ProgramServices&)>;

}  // namespace twindir::scenario
