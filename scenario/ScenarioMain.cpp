#include "scenario/ScenarioMain.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "scenario/ScenarioRunner.h"

namespace twindir::scenario {
namespace {

constexpr std::string_view kUsage = "usage: twindir-scenario [--qt] SCENARIO-FILE   (- reads standard input)";

}  // namespace

int ScenarioMain(int argc, char** argv, const ProgramStarter& starter,
                 const DisplayFactory& make_qt_display) {
  bool qt = false;
  const char* file = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--qt" && !qt) {
      qt = true;
    } else if (file == nullptr && (arg == "-" || !arg.starts_with("-"))) {
      file = argv[i];
    } else {
      file = nullptr;
      break;
    }
  }
  if (file == nullptr) {
    std::cerr << kUsage << std::endl;
    return 2;
  }
  if (qt && !make_qt_display) {
    std::cerr << "error: 0: this runner is built without the Qt backend" << std::endl;
    return 2;
  }

  std::string scenario;
  if (std::string_view(file) == "-") {
    scenario.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::cerr << "error: 0: cannot read " << file << std::endl;
      return 2;
    }
    scenario.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  const std::unique_ptr<Display> display = qt ? make_qt_display() : nullptr;
  ScenarioRunner runner(starter, display.get(), std::cout);
  return runner.Run(scenario, std::cerr);
}

}  // namespace twindir::scenario
