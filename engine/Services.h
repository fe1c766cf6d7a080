#pragma once
// What every command works through, given by the caller: the windows pass
// the program's file services, the scenario runner and the tests their own.

#include "engine/Questions.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/NameOrder.h"

namespace twindir::engine {

struct Services {
  platform::FileSystem& fs;
  const platform::NameOrder& order;
  platform::Clock& clock;
  Questions& questions;
};

}  // namespace twindir::engine
