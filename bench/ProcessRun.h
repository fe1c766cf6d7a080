#pragma once
// Runs a program as a child process and measures it: wall time from the
// spawn to its end, and its peak resident memory as the kernel counted it
// (wait4's rusage of that one child).

#include <string>
#include <vector>

namespace twindir::bench {

struct ProcessResult {
  bool ok = false;           // started and exited with status 0
  std::string failure;       // why not, when not ok
  double seconds = 0;
  long peak_kib = 0;         // ru_maxrss
};

// argv[0] is looked up on PATH when it holds no slash. Standard output goes
// to stdout_path, standard error to stderr_path; env is added to the
// environment.
[[nodiscard]] ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& stdout_path,
                                       const std::string& stderr_path, const std::vector<std::string>& env);

// The whole contents of a small text file, or empty.
[[nodiscard]] std::string ReadText(const std::string& path);

}  // namespace twindir::bench
