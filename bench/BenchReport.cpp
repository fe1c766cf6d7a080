#include <algorithm>
#include <cstdio>

#include "bench/Bench.h"

namespace twindir::bench {

namespace {

std::string Fixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

std::string Thousands(double value) {
  std::string digits = std::to_string(static_cast<long long>(value + 0.5));
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<std::size_t>(at), ",");
  return digits;
}

bool IsHeadless(const Measurement& m) { return m.headless_scenario; }
bool IsQt(const Measurement& m) { return m.qt_scenario; }
bool IsEngine(const Measurement& m) { return m.kind == ToolKind::Project && !m.headless_scenario && !m.qt_scenario; }

// The project's figure a target is judged on: the run through
// twindir-scenario, or the engine alone where the runner was not built.
const Measurement* ProjectRun(const WorkloadResult& r) {
  const Measurement* headless = r.Find(IsHeadless);
  return headless ? headless : r.Find(IsEngine);
}

const WorkloadResult* ById(const std::vector<WorkloadResult>& results, const std::string& id) {
  for (const WorkloadResult& r : results) {
    if (r.workload.id == id) return &r;
  }
  return nullptr;
}

struct Target {
  std::string what;
  std::string figure;
  std::string limit;
  bool met = false;
};

void AddRatioTarget(std::vector<Target>& targets, const std::string& what, double figure, double limit, bool at_most) {
  if (figure <= 0) return;
  targets.push_back({what, Fixed(figure, 2) + "×", (at_most ? "≤ " : "≥ ") + Fixed(limit, 2) + "×",
                     at_most ? figure <= limit : figure >= limit});
}

std::vector<Target> Targets(const std::vector<WorkloadResult>& results) {
  std::vector<Target> targets;
  for (const std::string id : {"a", "b"}) {
    const WorkloadResult* r = ById(results, id);
    const Measurement* project = r ? ProjectRun(*r) : nullptr;
    if (!project) continue;
    const std::string who = "(" + id + ") " + project->tool;
    if (r->Rsync() > 0) AddRatioTarget(targets, who + " / rsync", project->Median() / r->Rsync(), 0.5, true);
    if (r->FasterBaseline() > 0) {
      AddRatioTarget(targets, who + " / faster baseline", project->Median() / r->FasterBaseline(), 1.3, true);
    }
  }
  if (const WorkloadResult* c = ById(results, "c"); c && ProjectRun(*c) && c->FasterBaseline() > 0) {
    const Measurement* project = ProjectRun(*c);
    AddRatioTarget(targets, "(c) " + project->tool + " throughput / baseline's",
                   c->FasterBaseline() / project->Median(), 0.9, false);
  }
  const WorkloadResult* a = ById(results, "a");
  const WorkloadResult* d = ById(results, "d");
  if (a && d && ProjectRun(*a) && ProjectRun(*d)) {
    const double per_file_a = ProjectRun(*a)->Median() / static_cast<double>(a->names);
    const double per_file_d = ProjectRun(*d)->Median() / static_cast<double>(d->names);
    AddRatioTarget(targets, "(d) " + ProjectRun(*d)->tool + " cost per file / (a)'s", per_file_d / per_file_a, 1.2,
                   true);
  }
  if (d) {
    if (const Measurement* headless = d->Find(IsHeadless)) {
      const double mib = static_cast<double>(headless->peak_kib) / 1024;
      targets.push_back({"(d) " + headless->tool + " peak memory", Fixed(mib, 1) + " MiB", "< 64 MiB", mib < 64});
    }
  }
  if (a) {
    const Measurement* qt = a->Find(IsQt);
    const Measurement* headless = a->Find(IsHeadless);
    if (qt && headless) AddRatioTarget(targets, "(a) " + qt->tool + " / headless", qt->Median() / headless->Median(), 1.1, true);
  }
  if (const WorkloadResult* s = ById(results, "s")) {
    for (const Measurement& m : s->tools) {
      if (!m.headless_scenario) continue;
      targets.push_back({"(s) " + m.tool + ", 500 folders", Fixed(m.Median(), 3) + " s", "< 0.2 s", m.Median() < 0.2});
    }
  }
  return targets;
}

}  // namespace

double Measurement::Median() const {
  if (seconds.empty()) return 0;
  std::vector<double> sorted = seconds;
  std::sort(sorted.begin(), sorted.end());
  const std::size_t mid = sorted.size() / 2;
  return sorted.size() % 2 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
}

const Measurement* WorkloadResult::Find(bool (*which)(const Measurement&)) const {
  for (const Measurement& m : tools) {
    if (which(m)) return &m;
  }
  return nullptr;
}

double WorkloadResult::FasterBaseline() const {
  double best = 0;
  for (const Measurement& m : tools) {
    if (m.kind == ToolKind::Baseline && (best == 0 || m.Median() < best)) best = m.Median();
  }
  return best;
}

double WorkloadResult::Rsync() const {
  for (const Measurement& m : tools) {
    if (m.kind == ToolKind::Rsync) return m.Median();
  }
  return 0;
}

std::string Report(const std::vector<WorkloadResult>& results, const MachineFacts& machine,
                   const std::string& command, int runs) {
  std::string out;
  out += "Machine: " + machine.cpu + ", " + std::to_string(machine.cores) + " cores, Linux " + machine.kernel +
         ", trees on " + machine.file_system + "; " + machine.rsync_version + ". " + machine.date + ", load " +
         Fixed(machine.load_before, 2) + " before, " + Fixed(machine.load_after, 2) + " after.\n";
  out += "Command: `" + command + "`; medians of " + std::to_string(runs) +
         " timed runs after one warm-up, tools interleaved, each run from a reset tree and checked after. "
         "Peak memory is the kernel's maximum resident size of the process (`true` shows " +
         Fixed(static_cast<double>(machine.floor_kib) / 1024, 1) + " MiB).\n\n";
  for (const WorkloadResult& r : results) {
    const bool copies = r.bytes > 0 && r.copies * 2 > r.names;  // a copy workload: throughput counts
    const bool startup = !r.tools.empty() && r.tools.front().startup_only;
    out += "**(" + r.workload.id + ")** " + r.workload.description +
           (startup ? std::string()
                    : ": " + Thousands(static_cast<double>(r.names)) + " names, " +
                          Thousands(static_cast<double>(r.copies)) + " copies per run") +
           "\n\n";
    out += std::string("| tool | median s | ") + (copies ? "MB/s copied" : "names/s") +
           " | peak MiB | × faster baseline | × rsync |\n|---|---:|---:|---:|---:|---:|\n";
    for (const Measurement& m : r.tools) {
      const double median = m.Median();
      const double rate = copies ? static_cast<double>(r.bytes) / 1e6 / median : static_cast<double>(r.names) / median;
      const bool ratios = m.kind == ToolKind::Project && !m.startup_only;
      out += "| " + m.tool + " | " + Fixed(median, 3) + " | " + (m.startup_only ? "" : Thousands(rate)) + " | " +
             Fixed(static_cast<double>(m.peak_kib) / 1024, 1) + " | " +
             (ratios && r.FasterBaseline() > 0 ? Fixed(median / r.FasterBaseline(), 2) : "") + " | " +
             (ratios && r.Rsync() > 0 ? Fixed(median / r.Rsync(), 2) : "") + " |\n";
    }
    out += "\n";
  }
  const std::vector<Target> targets = Targets(results);
  if (!targets.empty()) {
    out += "| target | measured | limit | met |\n|---|---:|---:|:---:|\n";
    for (const Target& t : targets) out += "| " + t.what + " | " + t.figure + " | " + t.limit + " | " + (t.met ? "yes" : "**no**") + " |\n";
  }
  return out;
}

}  // namespace twindir::bench
