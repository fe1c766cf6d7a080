#pragma once
// The benchmark's workloads, tools and measurements, shared by the runner
// and the report.

#include <string>
#include <vector>

#include "bench/TreeModel.h"

namespace twindir::bench {

enum class ToolKind { Baseline, Rsync, Project };

// One contender on one tree: its commands run one after the other and are
// timed together.
struct Tool {
  std::string name;
  ToolKind kind = ToolKind::Project;
  std::vector<std::vector<std::string>> commands;
  State after = State::Updated;  // what the tree must hold after it ran
  bool headless_scenario = false;  // the project's run through twindir-scenario, headless
  bool qt_scenario = false;        // the same with --qt
  bool startup_only = false;
};

struct Measurement {
  std::string tool;
  ToolKind kind = ToolKind::Project;
  bool headless_scenario = false;
  bool qt_scenario = false;
  bool startup_only = false;
  std::vector<double> seconds;  // the timed runs
  long peak_kib = 0;            // the largest of all its runs
  [[nodiscard]] double Median() const;
};

struct WorkloadResult {
  Workload workload;
  std::uint64_t names = 0;   // backup files compared by one run
  std::uint64_t copies = 0;  // files copied by one run
  std::uint64_t bytes = 0;   // bytes copied by one run
  std::vector<Measurement> tools;
  [[nodiscard]] const Measurement* Find(bool (*which)(const Measurement&)) const;
  [[nodiscard]] double FasterBaseline() const;  // 0 when no baseline ran
  [[nodiscard]] double Rsync() const;           // 0 when rsync did not run
};

struct MachineFacts {
  std::string cpu, kernel, file_system, rsync_version, date;
  int cores = 0;
  double load_before = 0, load_after = 0;
  long floor_kib = 0;  // the peak memory of `true`: what every child's figure starts from
};

// The markdown report: one table per workload, then the targets.
[[nodiscard]] std::string Report(const std::vector<WorkloadResult>& results, const MachineFacts& machine,
                                 const std::string& command, int runs);

}  // namespace twindir::bench
