#pragma once
// The display of `--qt`: the Qt backend on the offscreen platform.

#include <memory>

#include "scenario/Display.h"

namespace twindir::scenario {

// Sets QT_QPA_PLATFORM=offscreen, so that no screen is needed, and starts
// the Qt application.
[[nodiscard]] std::unique_ptr<Display> MakeQtDisplay();

}  // namespace twindir::scenario
