#include "bench/ProcessRun.h"

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

extern char** environ;

namespace twindir::bench {

namespace {

double Now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The environment with env's NAME=VALUE entries replacing or added.
std::vector<std::string> Environment(const std::vector<std::string>& env) {
  std::vector<std::string> out;
  for (char** e = environ; *e; ++e) {
    const std::string entry(*e);
    const std::string name = entry.substr(0, entry.find('=') + 1);
    bool replaced = false;
    for (const std::string& extra : env) replaced = replaced || extra.starts_with(name);
    if (!replaced) out.push_back(entry);
  }
  out.insert(out.end(), env.begin(), env.end());
  return out;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// The child starts as a clone sharing the runner's memory, and the kernel
// carries the larger of the runner's peak resident size and the child's own
// into the child's figure: the runner's peak is set back to its size now,
// its freed memory returned first.
void LowerPeakToCurrent() {
  malloc_trim(0);
  const int fd = open("/proc/self/clear_refs", O_WRONLY | O_CLOEXEC);
  if (fd < 0) return;
  (void)!write(fd, "5", 1);
  close(fd);
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& stdout_path,
                         const std::string& stderr_path, const std::vector<std::string>& env) {
  std::vector<std::string> args = argv;
  std::vector<std::string> environment = Environment(env);
  std::vector<char*> arg_pointers = Pointers(args);
  std::vector<char*> env_pointers = Pointers(environment);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, stdout_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, stderr_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

  ProcessResult result;
  LowerPeakToCurrent();
  const double start = Now();
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, args[0].c_str(), &actions, nullptr, arg_pointers.data(), env_pointers.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    result.failure = "cannot start " + args[0] + ": " + std::strerror(spawned);
    return result;
  }
  int status = 0;
  struct rusage usage {};
  while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  result.seconds = Now() - start;
  result.peak_kib = usage.ru_maxrss;
  result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (!result.ok) {
    result.failure = args[0] + (WIFEXITED(status) ? " exited with " + std::to_string(WEXITSTATUS(status))
                                                  : " was killed by signal " + std::to_string(WTERMSIG(status)));
    const std::string errors = ReadText(stderr_path);
    if (!errors.empty()) result.failure += ": " + errors.substr(0, errors.find('\n'));
  }
  return result;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace twindir::bench
