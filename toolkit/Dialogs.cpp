#include "toolkit/Dialogs.h"

namespace twindir::toolkit {

const char* ToString(MessageButtons buttons) { return buttons == MessageButtons::OK ? "OK" : "OKCancel"; }

const char* ToString(ModalResult result) { return result == ModalResult::OK ? "OK" : "Cancel"; }

}  // namespace twindir::toolkit
