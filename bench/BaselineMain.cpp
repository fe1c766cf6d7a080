// The least an update run can do in system calls, to measure the program
// against: per folder pair one directory read of the backup folder and one
// sort, per name the two time reads, per newer file a safe copy (a
// temporary file, the source's times, a rename over the target), and one
// syncfs per drive that received a copy, as the program flushes once at the
// end of a run.
//
//   twindir-bench-baseline open|stat PAIRS-FILE
//
// open: each time read opens the file (openat, fstat, close), as a run that
// must know the file can be read. stat: fstatat alone.
// PAIRS-FILE lines: hard-disk folder, a tab, backup folder (native paths).
// Prints "copied=N sole=N".

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

enum class Variant { Open, Stat };

bool ReadTime(Variant variant, int dir_fd, const char* name, timespec& time) {
  struct stat st {};
  if (variant == Variant::Stat) {
    if (fstatat(dir_fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) return false;
  } else {
    const int fd = openat(dir_fd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    close(fd);
    if (!ok) return false;
  }
  time = st.st_mtim;
  return true;
}

int CompareTimes(const timespec& a, const timespec& b) {
  if (a.tv_sec != b.tv_sec) return a.tv_sec < b.tv_sec ? -1 : 1;
  if (a.tv_nsec != b.tv_nsec) return a.tv_nsec < b.tv_nsec ? -1 : 1;
  return 0;
}

bool CopyData(int from, int to, std::vector<char>& buffer) {
  for (;;) {
    const ssize_t done = copy_file_range(from, nullptr, to, nullptr, std::size_t{1} << 30, 0);
    if (done > 0) continue;
    if (done == 0) return true;
    if (errno == EINTR) continue;
    if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP) return false;
    break;
  }
  buffer.resize(256 * 1024);
  for (;;) {
    const ssize_t got = read(from, buffer.data(), buffer.size());
    if (got == 0) return true;
    if (got < 0) return false;
    for (ssize_t put = 0; put < got;) {
      const ssize_t n = write(to, buffer.data() + put, static_cast<std::size_t>(got - put));
      if (n <= 0) return false;
      put += n;
    }
  }
}

// Temporary file beside the target, the source's times, rename over it.
bool SafeCopy(int from_dir, int to_dir, const char* name, std::vector<char>& buffer) {
  static unsigned serial = 0;
  char temp[64];
  std::snprintf(temp, sizeof temp, ".baseline-%d-%u.tmp", static_cast<int>(getpid()), serial++);
  const int from = openat(from_dir, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (from < 0) return false;
  struct stat st {};
  const int to = fstat(from, &st) == 0
                     ? openat(to_dir, temp, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, st.st_mode & 0777)
                     : -1;
  bool ok = to >= 0 && CopyData(from, to, buffer);
  const timespec times[2] = {st.st_atim, st.st_mtim};
  ok = ok && futimens(to, times) == 0;
  if (to >= 0) ok = close(to) == 0 && ok;
  close(from);
  ok = ok && renameat(to_dir, temp, to_dir, name) == 0;
  if (!ok && to >= 0) unlinkat(to_dir, temp, 0);
  return ok;
}

// The plain files of a folder, sorted by bytes.
std::vector<std::string> PlainFiles(int dir_fd) {
  std::vector<std::string> names;
  alignas(8) static char buffer[32 * 1024];
  for (;;) {
    const ssize_t got = getdents64(dir_fd, buffer, sizeof buffer);
    if (got <= 0) break;
    for (ssize_t offset = 0; offset < got;) {
      const auto* entry = reinterpret_cast<const dirent64*>(buffer + offset);
      offset += entry->d_reclen;
      if (entry->d_name[0] == '.') continue;  // ".", ".." and hidden files
      unsigned char type = entry->d_type;
      if (type == DT_UNKNOWN) {
        struct stat st {};
        if (fstatat(dir_fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        type = S_ISREG(st.st_mode) ? DT_REG : DT_DIR;
      }
      if (type == DT_REG) names.emplace_back(entry->d_name);
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || (std::strcmp(argv[1], "open") != 0 && std::strcmp(argv[1], "stat") != 0)) {
    std::fprintf(stderr, "usage: twindir-bench-baseline open|stat PAIRS-FILE\n");
    return 2;
  }
  const Variant variant = std::strcmp(argv[1], "open") == 0 ? Variant::Open : Variant::Stat;
  std::ifstream pairs(argv[2]);
  std::string line;
  std::vector<char> buffer;
  unsigned long copied = 0;
  unsigned long sole = 0;
  bool copied_to_hdd = false;
  bool copied_to_backup = false;
  int hdd_sync_fd = -1;
  int backup_sync_fd = -1;
  while (std::getline(pairs, line)) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    const std::string hdd_path = line.substr(0, tab);
    const std::string backup_path = line.substr(tab + 1);
    const int backup = open(backup_path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (backup < 0) continue;
    const int hdd = open(hdd_path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (const std::string& name : PlainFiles(backup)) {
      timespec backup_time{};
      timespec hdd_time{};
      if (!ReadTime(variant, backup, name.c_str(), backup_time)) continue;
      if (hdd < 0 || !ReadTime(variant, hdd, name.c_str(), hdd_time)) {
        ++sole;
        continue;
      }
      const int order = CompareTimes(backup_time, hdd_time);
      if (order > 0 && SafeCopy(backup, hdd, name.c_str(), buffer)) {
        ++copied;
        copied_to_hdd = true;
      } else if (order < 0 && SafeCopy(hdd, backup, name.c_str(), buffer)) {
        ++copied;
        copied_to_backup = true;
      }
    }
    if (hdd_sync_fd < 0 && hdd >= 0) hdd_sync_fd = dup(hdd);
    if (backup_sync_fd < 0) backup_sync_fd = dup(backup);
    if (hdd >= 0) close(hdd);
    close(backup);
  }
  if (copied_to_hdd) syncfs(hdd_sync_fd);
  if (copied_to_backup) syncfs(backup_sync_fd);
  std::printf("copied=%lu sole=%lu\n", copied, sole);
  return 0;
}
