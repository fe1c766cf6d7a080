#pragma once
// The program's icon, 32 by 32 in 16 colours: a backup cartridge with two
// arrows, one each way. The help and version windows show it.

#include "toolkit/Picture.h"

namespace twindir {

[[nodiscard]] toolkit::Picture ProgramIcon();

}  // namespace twindir
