#include "platform/Status.h"

namespace twindir::platform {

const char* ErrorName(Error error) {
  switch (error) {
    case Error::None: return "None";
    case Error::NotFound: return "NotFound";
    case Error::NotAFile: return "NotAFile";
    case Error::NotADirectory: return "NotADirectory";
    case Error::AccessDenied: return "AccessDenied";
    case Error::NoSpace: return "NoSpace";
    case Error::Io: return "Io";
    case Error::DriveGone: return "DriveGone";
    case Error::BadPath: return "BadPath";
    case Error::SameFile: return "SameFile";
    case Error::AlreadyExists: return "AlreadyExists";
  }
  return "?";
}

}  // namespace twindir::platform
