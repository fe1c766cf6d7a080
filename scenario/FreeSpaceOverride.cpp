#include "scenario/FreeSpaceOverride.h"

namespace twindir::scenario {

platform::Result<std::uint64_t> FreeSpaceOverride::FreeBytes(std::string_view root) {
  if (!root.empty()) {
    const char letter = root.front();
    const char upper = (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 'a' + 'A') : letter;
    const auto found = free_bytes_.find(upper);
    if (found != free_bytes_.end()) return found->second;
  }
  return inner_.FreeBytes(root);
}

}  // namespace twindir::scenario
