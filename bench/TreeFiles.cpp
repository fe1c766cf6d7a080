#include "bench/TreeFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/Cp932.h"

namespace twindir::bench {

namespace {

[[noreturn]] void Fail(const std::string& what) {
  throw std::runtime_error(what + ": " + std::strerror(errno));
}

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  [[nodiscard]] int get() const { return fd_; }
  [[nodiscard]] bool valid() const { return fd_ >= 0; }

 private:
  int fd_;
};

Fd OpenFolder(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) Fail("open " + path);
  return Fd(fd);
}

std::string PristineFolder(const TreePaths& paths, int folder) {
  return paths.root + "/pristine/" + std::to_string(folder);
}

bool IsNewer(Role role) { return role == Role::BackupNewer || role == Role::HddNewer; }

// The side that holds the older version of a newer file.
Side OlderSide(Role role) { return role == Role::BackupNewer ? Side::Hdd : Side::Backup; }

std::string Signature(const Workload& w) {
  std::ostringstream text;
  text << "twindir-bench tree 2\n"
       << w.folders << ' ' << w.files << ' ' << w.backup_newer << ' ' << w.hdd_newer << ' ' << w.file_size << ' '
       << w.extras_every << '\n';
  return text.str();
}

void WriteAt(int dir_fd, const std::string& name, const std::string& contents, const timespec& time) {
  Fd fd(openat(dir_fd, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (!fd.valid()) Fail("create " + name);
  for (std::size_t done = 0; done < contents.size();) {
    const ssize_t n = write(fd.get(), contents.data() + done, contents.size() - done);
    if (n < 0) Fail("write " + name);
    done += static_cast<std::size_t>(n);
  }
  const timespec times[2] = {time, time};
  if (futimens(fd.get(), times) != 0) Fail("set the time of " + name);
}

void WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (!out) Fail("write " + path);
}

}  // namespace

void GenerateTree(const TreeModel& model, const TreePaths& paths) {
  std::filesystem::remove_all(paths.root);
  std::filesystem::create_directories(paths.ListFolder());
  const Workload& w = model.workload();
  std::string list_file;
  std::string pairs;
  std::string contents;
  for (int i = 0; i < w.folders; ++i) {
    const std::string hdd_folder = paths.Hdd() + "/" + model.FolderNative(i);
    const std::string backup_folder = paths.Backup() + "/" + model.FolderNative(i);
    std::filesystem::create_directories(hdd_folder);
    std::filesystem::create_directories(backup_folder);
    std::filesystem::create_directories(PristineFolder(paths, i));
    const Fd hdd = OpenFolder(hdd_folder);
    const Fd backup = OpenFolder(backup_folder);
    const Fd pristine = OpenFolder(PristineFolder(paths, i));
    for (int j = 0; j < model.FileCount(i); ++j) {
      const FileId f{i, j};
      const std::string name = model.Name(f);
      for (const Side side : {Side::Hdd, Side::Backup}) {
        const Version v = model.VersionOf(f, side, State::Generated);
        if (!v.present) continue;
        model.Contents(f, v.contents, v.size, contents);
        const int dir_fd = side == Side::Hdd ? hdd.get() : backup.get();
        if (IsNewer(model.RoleOf(f)) && side == OlderSide(model.RoleOf(f))) {
          const std::string pristine_name = std::to_string(j);
          WriteAt(pristine.get(), pristine_name, contents, v.time);
          if (linkat(pristine.get(), pristine_name.c_str(), dir_fd, name.c_str(), 0) != 0) Fail("link " + name);
        } else {
          WriteAt(dir_fd, name, contents, v.time);
        }
      }
    }
    const std::optional<std::string> line = platform::Utf8ToCp932(model.FolderDriveForm(i));
    if (!line) throw std::runtime_error("not code page 932: " + model.FolderDriveForm(i));
    list_file += *line + "\r\n";
    pairs += hdd_folder + "\t" + backup_folder + "\n";
  }
  WriteTextFile(paths.ListFolder() + "/TWINDIR.DAT", list_file);
  WriteTextFile(paths.Pairs(), pairs);
  WriteTextFile(paths.root + "/workload.txt", Signature(w));  // last: the tree is complete
  sync();
}

bool TreeIsOf(const TreeModel& model, const TreePaths& paths) {
  std::ifstream in(paths.root + "/workload.txt", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return in && text.str() == Signature(model.workload());
}

void ResetTree(const TreeModel& model, const TreePaths& paths) {
  const Workload& w = model.workload();
  for (int i = 0; i < w.folders; ++i) {
    const std::string pristine_folder = PristineFolder(paths, i);
    for (int j = 0; j < w.files; ++j) {
      const FileId f{i, j};
      const Role role = model.RoleOf(f);
      if (!IsNewer(role)) continue;
      const std::string root = OlderSide(role) == Side::Hdd ? paths.Hdd() : paths.Backup();
      const std::string target = root + "/" + model.FolderNative(i) + "/" + model.Name(f);
      const std::string pristine = pristine_folder + "/" + std::to_string(j);
      if (unlink(target.c_str()) != 0 && errno != ENOENT) Fail("remove " + target);
      if (link(pristine.c_str(), target.c_str()) != 0) Fail("link " + target);
    }
  }
  const Fd root = OpenFolder(paths.root);
  if (syncfs(root.get()) != 0) Fail("syncfs " + paths.root);
}

namespace {

// The names of a folder's entries, sorted by bytes.
std::vector<std::string> ListNames(int dir_fd) {
  const int fd = dup(dir_fd);
  DIR* dir = fdopendir(fd);
  if (!dir) Fail("list a folder");
  rewinddir(dir);
  std::vector<std::string> names;
  while (const dirent* entry = readdir(dir)) {
    if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
      names.emplace_back(entry->d_name);
    }
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

class Checker {
 public:
  Checker(const TreeModel& model, const TreePaths& paths, State state)
      : model_(model), paths_(paths), state_(state) {}

  CheckResult Run() {
    for (int i = 0; i < model_.workload().folders; ++i) {
      const Fd pristine = OpenFolder(PristineFolder(paths_, i));
      for (const Side side : {Side::Hdd, Side::Backup}) CheckFolder(i, side, pristine.get());
    }
    return std::move(result_);
  }

 private:
  void Fault(const std::string& where, const std::string& what) {
    ++result_.fault_count;
    if (result_.faults.size() < 10) result_.faults.push_back(where + ": " + what);
  }

  void CheckFolder(int folder, Side side, int pristine_fd) {
    const std::string folder_path =
        (side == Side::Hdd ? paths_.Hdd() : paths_.Backup()) + "/" + model_.FolderNative(folder);
    const Fd dir = OpenFolder(folder_path);
    std::vector<std::string> expected;
    for (int j = 0; j < model_.FileCount(folder); ++j) {
      const FileId f{folder, j};
      if (!model_.VersionOf(f, side, state_).present) continue;
      expected.push_back(model_.Name(f));
      CheckFile(f, side, dir.get(), pristine_fd, folder_path);
    }
    std::sort(expected.begin(), expected.end());
    const std::vector<std::string> found = ListNames(dir.get());
    std::vector<std::string> extra;
    std::set_difference(found.begin(), found.end(), expected.begin(), expected.end(), std::back_inserter(extra));
    for (const std::string& name : extra) Fault(folder_path + "/" + name, "should not be there");
  }

  void CheckFile(FileId f, Side side, int dir_fd, int pristine_fd, const std::string& folder_path) {
    const std::string name = model_.Name(f);
    const std::string where = folder_path + "/" + name;
    const Version v = model_.VersionOf(f, side, state_);
    ++result_.files_checked;
    const Fd fd(openat(dir_fd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (!fd.valid() || fstat(fd.get(), &st) != 0) return Fault(where, "missing or unreadable");
    if (!S_ISREG(st.st_mode)) return Fault(where, "not a regular file");
    if (static_cast<std::uint64_t>(st.st_size) != v.size) {
      return Fault(where, "size " + std::to_string(st.st_size) + ", expected " + std::to_string(v.size));
    }
    if (st.st_mtim.tv_sec != v.time.tv_sec || st.st_mtim.tv_nsec != v.time.tv_nsec) {
      return Fault(where, "time " + std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec) +
                              ", expected " + std::to_string(v.time.tv_sec) + "." + std::to_string(v.time.tv_nsec));
    }
    model_.Contents(f, v.contents, v.size, expected_);
    actual_.resize(v.size + 1);
    std::size_t got = 0;
    for (;;) {
      const ssize_t n = read(fd.get(), actual_.data() + got, actual_.size() - got);
      if (n < 0) return Fault(where, std::string("read: ") + std::strerror(errno));
      if (n == 0 || got + static_cast<std::size_t>(n) == actual_.size()) {
        got += static_cast<std::size_t>(n);
        break;
      }
      got += static_cast<std::size_t>(n);
    }
    if (got != v.size || std::memcmp(actual_.data(), expected_.data(), v.size) != 0) {
      return Fault(where, "contents are not version " + std::to_string(v.contents));
    }
    const Role role = model_.RoleOf(f);
    if (!IsNewer(role) || side != OlderSide(role)) return;
    struct stat pristine {};
    if (fstatat(pristine_fd, std::to_string(f.index).c_str(), &pristine, 0) != 0) {
      return Fault(where, "its pristine copy is gone");
    }
    const bool is_pristine = pristine.st_ino == st.st_ino;
    if (state_ == State::Generated && !is_pristine) Fault(where, "is not its pristine copy");
    if (state_ == State::Updated && is_pristine) Fault(where, "was written in place, not replaced");
  }

  const TreeModel& model_;
  const TreePaths& paths_;
  State state_;
  CheckResult result_;
  std::string expected_;
  std::string actual_;
};

}  // namespace

CheckResult CheckTree(const TreeModel& model, const TreePaths& paths, State state) {
  return Checker(model, paths, state).Run();
}

}  // namespace twindir::bench
