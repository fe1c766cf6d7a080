// The update-run benchmark: the project's update run against rsync and
// against the least the system calls allow, on generated trees.
//
//   twindir-bench [--quick] [--runs N] [--only a,b,...] [--keep] [--dir DIR] [--out FILE]
//   twindir-bench [--quick] [--only a,b,...] --prepare   makes or resets the trees and runs nothing
//
// Trees go to DIR, or $TWINDIR_BENCH_DIR, or /tmp/twindir-bench; --keep
// leaves them there for the next invocation (a tree of the same workload is
// reused), otherwise each is removed after its workload. Each workload: one
// untimed warm-up of every tool, then N rounds of every tool in turn, each
// run from a reset tree and its end state checked. A tool whose run fails
// or leaves a wrong tree ends the benchmark with exit code 1.

#include <malloc.h>
#include <sys/statfs.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "bench/Bench.h"
#include "bench/ProcessRun.h"
#include "bench/TreeFiles.h"

namespace twindir::bench {

namespace {

struct Options {
  bool quick = false;
  int runs = 5;
  std::string only;  // workload ids, comma separated; empty for all
  bool keep = false;
  bool prepare = false;  // only make or reset the trees, for profiling a run by hand
  std::string dir;
  std::string out;
  std::string command_line;
};

constexpr std::uint64_t kMiB = 1024 * 1024;

std::vector<Workload> Workloads(bool quick) {
  if (quick) {
    return {
        {"a", "40 folders × 250 files, nothing newer", 40, 250, 0, 0, 0, 20},
        {"b", "40 folders × 250 files, 1 % newer on each side", 40, 250, 0.01, 0.01, 0, 20},
        {"c", "4 folders × 5 files of 8 MiB, all newer on the hard disk", 4, 5, 0, 1, 8 * kMiB, 20},
        {"d", "100 folders × 1000 files, nothing newer", 100, 1000, 0, 0, 0, 20},
        {"s", "start-up with 500 registered folders", 500, 1, 0, 0, 0, 20},
    };
  }
  return {
      {"a", "200 folders × 500 files, nothing newer", 200, 500, 0, 0, 0, 20},
      {"b", "200 folders × 500 files, 1 % newer on each side", 200, 500, 0.01, 0.01, 0, 20},
      {"c", "20 folders × 5 files of 8 MiB, all newer on the hard disk", 20, 5, 0, 1, 8 * kMiB, 20},
      {"d", "500 folders × 1000 files, nothing newer", 500, 1000, 0, 0, 0, 20},
      {"s", "start-up with 500 registered folders", 500, 1, 0, 0, 0, 20},
  };
}

std::string SelfFolder() { return std::filesystem::canonical("/proc/self/exe").parent_path().string(); }

std::string WriteScenario(const TreePaths& paths, const std::string& name, bool update) {
  const std::string path = paths.root + "/" + name + ".scn";
  std::ofstream out(path);
  out << "drive C " << paths.Hdd() << "\ndrive H " << paths.Backup() << "\ncwd H:\\TWINDIR\nstart\n";
  out << (update ? "click Form1.LumoBtn1\ndump Form1.StringGrid2.RowCount\n" : "dump Form1.Visible\n");
  return path;
}

std::vector<Tool> ToolsFor(const Workload& w, const TreePaths& paths) {
  const std::string self = SelfFolder();
  const char* scenario_env = std::getenv("TWINDIR_SCENARIO");
  const std::string scenario = scenario_env ? scenario_env : self + "/../scenario/twindir-scenario";
  const bool have_scenario = access(scenario.c_str(), X_OK) == 0;
  std::vector<Tool> tools;
  if (w.id == "s") {
    if (!have_scenario) return tools;
    const std::string file = WriteScenario(paths, "start", false);
    tools.push_back({"twindir-scenario start", ToolKind::Project, {{scenario, file}}, State::Generated, true, false, true});
    tools.push_back(
        {"twindir-scenario --qt start", ToolKind::Project, {{scenario, "--qt", file}}, State::Generated, false, true, true});
    return tools;
  }
  const std::string baseline = self + "/twindir-bench-baseline";
  tools.push_back({"baseline, opens", ToolKind::Baseline, {{baseline, "open", paths.Pairs()}}});
  tools.push_back({"baseline, fstatat", ToolKind::Baseline, {{baseline, "stat", paths.Pairs()}}});
  tools.push_back({"rsync -rt --update --existing", ToolKind::Rsync,
                   {{"rsync", "-rt", "--update", "--existing", paths.Backup() + "/", paths.Hdd() + "/"},
                    {"rsync", "-rt", "--update", "--existing", paths.Hdd() + "/", paths.Backup() + "/"}}});
  tools.push_back({"engine RunUpdate alone", ToolKind::Project, {{self + "/twindir-bench-engine", paths.root}}});
  if (have_scenario) {
    const std::string file = WriteScenario(paths, "update", true);
    tools.push_back({"twindir-scenario", ToolKind::Project, {{scenario, file}}, State::Updated, true});
    tools.push_back({"twindir-scenario --qt", ToolKind::Project, {{scenario, "--qt", file}}, State::Updated, false, true});
  }
  return tools;
}

// What the tool printed must agree with the tree: the copies it made and
// the backup-only files it found.
std::string CheckOutput(const Tool& tool, const TreeModel& model, const std::string& printed) {
  const std::string copies = std::to_string(model.NewerFiles());
  const std::string sole = std::to_string(model.BackupOnlyFiles());
  std::string expected;
  if (tool.kind == ToolKind::Baseline) expected = "copied=" + copies + " sole=" + sole + "\n";
  if (tool.kind == ToolKind::Project && !tool.headless_scenario && !tool.qt_scenario) {
    expected = "copied=" + copies + " failed=0 sole=" + sole + "\n";
  }
  if (!expected.empty()) return printed == expected ? "" : "printed " + printed + ", expected " + expected;
  if (tool.headless_scenario || tool.qt_scenario) {
    const std::string line = tool.startup_only ? "Form1.Visible=1\n"
                                               : "Form1.StringGrid2.RowCount=" + std::to_string(model.NewerFiles() + 3) + "\n";
    return printed.find(line) != std::string::npos ? "" : "no " + line.substr(0, line.size() - 1) + " in its output";
  }
  return "";
}

class Bench {
 public:
  explicit Bench(Options options) : options_(std::move(options)) {}

  WorkloadResult RunWorkload(const Workload& w) {
    const TreeModel model(w);
    const TreePaths paths{options_.dir + "/" + w.id};
    bool reused = false;
    if (TreeIsOf(model, paths)) {  // left by --keep; a run that failed may have spoilt it
      ResetTree(model, paths);
      reused = CheckTree(model, paths, State::Generated).fault_count == 0;
    }
    if (reused) {
      Say("(" + w.id + ") reusing the tree in " + paths.root);
    } else {
      Say("(" + w.id + ") generating " + w.description + " in " + paths.root);
      GenerateTree(model, paths);
      Expect(CheckTree(model, paths, State::Generated), "the generated tree");
    }
    WorkloadResult result{w, model.BackupFiles(), model.NewerFiles(), model.CopiedBytes(), {}};
    if (options_.prepare) return result;
    const std::vector<Tool> tools = ToolsFor(w, paths);
    for (const Tool& tool : tools) {
      result.tools.push_back({tool.name, tool.kind, tool.headless_scenario, tool.qt_scenario, tool.startup_only, {}, 0});
    }
    for (int round = -1; round < options_.runs; ++round) {  // round -1: the warm-up
      for (std::size_t t = 0; t < tools.size(); ++t) {
        const ProcessResult run = RunTool(tools[t], model, paths);
        Measurement& m = result.tools[t];
        if (round >= 0) m.seconds.push_back(run.seconds);
        m.peak_kib = std::max(m.peak_kib, run.peak_kib);
        Say("(" + w.id + ") " + (round < 0 ? std::string("warm-up") : "run " + std::to_string(round + 1)) + " " +
            tools[t].name + ": " + std::to_string(run.seconds) + " s");
      }
    }
    if (!options_.keep) std::filesystem::remove_all(paths.root);
    return result;
  }

 private:
  ProcessResult RunTool(const Tool& tool, const TreeModel& model, const TreePaths& paths) {
    ResetTree(model, paths);
    ProcessResult total;
    total.ok = true;
    std::string printed;
    for (const std::vector<std::string>& command : tool.commands) {
      const ProcessResult run =
          RunProcess(command, paths.root + "/stdout.txt", paths.root + "/stderr.txt", {"LC_ALL=C.UTF-8", "TZ=UTC"});
      if (!run.ok) throw std::runtime_error(tool.name + ": " + run.failure);
      total.seconds += run.seconds;
      total.peak_kib = std::max(total.peak_kib, run.peak_kib);
      printed += ReadText(paths.root + "/stdout.txt");
    }
    if (const std::string wrong = CheckOutput(tool, model, printed); !wrong.empty()) {
      throw std::runtime_error(tool.name + " " + wrong);
    }
    Expect(CheckTree(model, paths, tool.after), "the tree after " + tool.name);
    return total;
  }

  static void Expect(const CheckResult& check, const std::string& what) {
    if (check.fault_count == 0) return;
    std::string text = what + ": " + std::to_string(check.fault_count) + " faults among " +
                       std::to_string(check.files_checked) + " files";
    for (const std::string& fault : check.faults) text += "\n  " + fault;
    throw std::runtime_error(text);
  }

  static void Say(const std::string& text) { std::cerr << text << std::endl; }

  Options options_;
};

double LoadAverage() {
  double load = 0;
  return getloadavg(&load, 1) == 1 ? load : 0;
}

std::string FileSystemName(const std::string& dir) {
  struct statfs st {};
  if (statfs(dir.c_str(), &st) != 0) return "?";
  switch (st.f_type) {
    case 0xEF53: return "ext4";
    case 0x01021994: return "tmpfs";
    case 0x9123683E: return "btrfs";
    case 0x58465342: return "xfs";
    default: return "file system 0x" + [&] { std::ostringstream s; s << std::hex << st.f_type; return s.str(); }();
  }
}

MachineFacts Machine(const std::string& dir) {
  MachineFacts m;
  std::ifstream cpuinfo("/proc/cpuinfo");
  for (std::string line; std::getline(cpuinfo, line);) {
    if (line.starts_with("model name")) {
      m.cpu = line.substr(line.find(':') + 2);
      break;
    }
  }
  m.cores = static_cast<int>(sysconf(_SC_NPROCESSORS_ONLN));
  struct utsname name {};
  uname(&name);
  m.kernel = name.release;
  m.file_system = FileSystemName(dir);
  const std::string version_file = dir + "/rsync-version.txt";
  if (RunProcess({"rsync", "--version"}, version_file, "/dev/null", {}).ok) {
    const std::string text = ReadText(version_file);
    std::istringstream words(text.substr(0, text.find('\n')));  // "rsync  version 3.2.7  protocol version 31"
    std::string program, word, version;
    words >> program >> word >> version;
    m.rsync_version = program + " " + version;
  }
  std::filesystem::remove(version_file);
  m.floor_kib = RunProcess({"true"}, "/dev/null", "/dev/null", {}).peak_kib;
  char date[32];
  const time_t now = time(nullptr);
  std::strftime(date, sizeof date, "%Y-%m-%d %H:%M UTC", gmtime(&now));
  m.date = date;
  m.load_before = LoadAverage();
  return m;
}

Options Parse(int argc, char** argv) {
  Options o;
  const char* dir = std::getenv("TWINDIR_BENCH_DIR");
  o.dir = dir && *dir ? dir : "/tmp/twindir-bench";
  o.command_line = "twindir-bench";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw std::invalid_argument(arg + " needs a value");
      return argv[++i];
    };
    if (arg == "--quick") {
      o.quick = true;
      o.runs = 3;
    } else if (arg == "--runs") {
      o.runs = std::stoi(value());
    } else if (arg == "--only") {
      o.only = value();
    } else if (arg == "--keep") {
      o.keep = true;
    } else if (arg == "--prepare") {
      o.prepare = true;
      o.keep = true;
    } else if (arg == "--dir") {
      o.dir = value();
    } else if (arg == "--out") {
      o.out = value();
    } else {
      throw std::invalid_argument("unknown argument " + arg);
    }
  }
  for (int i = 1; i < argc; ++i) o.command_line += std::string(" ") + argv[i];
  return o;
}

}  // namespace

int Main(int argc, char** argv) {
  // A child's peak memory as the kernel counts it starts from the runner's
  // own resident size at the spawn: the runner's large buffers (the check
  // of 8 MiB files) go back to the system as soon as they are freed.
  mallopt(M_MMAP_THRESHOLD, 256 * 1024);
  Options options;
  try {
    options = Parse(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << e.what()
              << "\nusage: twindir-bench [--quick] [--runs N] [--only a,b,c,d,s] [--keep] [--prepare] [--dir DIR] "
                 "[--out FILE]\n";
    return 2;
  }
  try {
    std::filesystem::create_directories(options.dir);
    MachineFacts machine = Machine(options.dir);
    Bench bench(options);
    std::vector<WorkloadResult> results;
    for (const Workload& w : Workloads(options.quick)) {
      if (!options.only.empty() && ("," + options.only + ",").find("," + w.id + ",") == std::string::npos) continue;
      results.push_back(bench.RunWorkload(w));
    }
    if (options.prepare) return 0;
    machine.load_after = LoadAverage();
    const std::string report = Report(results, machine, options.command_line, options.runs);
    std::cout << report;
    if (!options.out.empty()) std::ofstream(options.out) << report;
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "twindir-bench: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace twindir::bench

int main(int argc, char** argv) { return twindir::bench::Main(argc, argv); }
