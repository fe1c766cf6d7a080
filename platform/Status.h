#pragma once
// Results of the file services. An ordinary failure (a missing file, a full
// medium) is a value, never an exception, so that every caller decides
// visibly what a failure means for its command.

#include <utility>
#include <variant>

namespace twindir::platform {

enum class Error {
  None,
  NotFound,       // no such file, folder or drive; or the name matches more than one entry
  NotAFile,       // exists, but is a directory, link, FIFO, socket or device
  NotADirectory,  // a path component or the folder itself is not a directory
  AccessDenied,
  NoSpace,
  Io,
  DriveGone,  // the drive's medium is no longer the one the drive map was made with
  BadPath,    // not a drive-form path, or a name no file may have
  SameFile,   // a copy whose source and target are one file
  AlreadyExists,  // a folder to be created exists already
};

const char* ErrorName(Error error);

class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(Error error) : error_(error) {}  // NOLINT: implicit on purpose, `return Error::Io;`

  bool ok() const { return error_ == Error::None; }
  Error error() const { return error_; }

 private:
  Error error_ = Error::None;
};

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::move(value)) {}  // NOLINT: implicit on purpose
  Result(Error error) : state_(error) {}         // NOLINT: implicit on purpose

  bool ok() const { return std::holds_alternative<T>(state_); }
  Error error() const { return ok() ? Error::None : std::get<Error>(state_); }
  const T& value() const& { return std::get<T>(state_); }
  T& value() & { return std::get<T>(state_); }
  T&& value() && { return std::get<T>(std::move(state_)); }

 private:
  std::variant<T, Error> state_;
};

}  // namespace twindir::platform
