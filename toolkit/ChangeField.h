#pragma once
// Setters store a value and tell the peer only when something changes, so
// that a handler writing the same text again costs no drawing.

#include <utility>

namespace twindir::toolkit {

// Stores value in field; true when the field changed.
template <class T, class U>
bool ChangeField(T& field, U&& value) {
  if (field == value) return false;
  field = std::forward<U>(value);
  return true;
}

}  // namespace twindir::toolkit
