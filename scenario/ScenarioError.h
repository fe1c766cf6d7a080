#pragma once
// A scenario line that cannot run. The runner reports its reason with the
// line number and ends with exit code 2.

#include <stdexcept>
#include <string>

namespace twindir::scenario {

class ScenarioError : public std::runtime_error {
 public:
  explicit ScenarioError(const std::string& reason) : std::runtime_error(reason) {}
};

}  // namespace twindir::scenario
