#include "platform/DriveFolder.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace twindir::platform {

namespace {

// A folder on the way is only looked up in: search permission is all it
// needs, as in the kernel's walk. The folder itself is read (its entries,
// an fsync).
constexpr int kOpenStep = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr int kOpenLast = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr int kMostLinks = 40;  // the kernel's own limit

// The names of a path, empty names and "." left out.
std::vector<std::string> NamesOf(std::string_view path) {
  std::vector<std::string> names;
  while (!path.empty()) {
    const std::size_t end = std::min(path.find('/'), path.size());
    const std::string_view name = path.substr(0, end);
    path.remove_prefix(std::min(end + 1, path.size()));
    if (!name.empty() && name != ".") names.emplace_back(name);
  }
  return names;
}

// The names below the drive's root of an absolute link target, taken as
// the map writes the root or as its real path; false when the target does
// not lie under the root.
bool NamesBelowRoot(const Drive& drive, std::string_view target, std::vector<std::string>& below) {
  const std::vector<std::string> names = NamesOf(target);
  const auto take_below = [&](std::string_view root) {
    const std::vector<std::string> root_names = NamesOf(root);
    if (names.size() < root_names.size() ||
        !std::equal(root_names.begin(), root_names.end(), names.begin())) {
      return false;
    }
    below.assign(names.begin() + static_cast<std::ptrdiff_t>(root_names.size()), names.end());
    return true;
  };
  if (take_below(drive.root)) return true;
  const std::unique_ptr<char, decltype(&std::free)> real(realpath(drive.root.c_str(), nullptr),
                                                         &std::free);
  return real && take_below(real.get());
}

// The folders open from the root down to where the walk is.
class OpenFolders {
 public:
  explicit OpenFolders(Syscalls& sys) : sys_(sys) {}
  ~OpenFolders() {
    while (!fds_.empty()) Pop();
  }
  OpenFolders(const OpenFolders&) = delete;
  OpenFolders& operator=(const OpenFolders&) = delete;

  void Push(int fd, bool readable) {
    fds_.push_back(fd);
    top_readable_ = readable;
  }
  void Pop() {
    sys_.Close(fds_.back());
    fds_.pop_back();
    top_readable_ = false;
  }
  void PopToRoot() {
    while (fds_.size() > 1) Pop();
  }
  [[nodiscard]] int top() const { return fds_.back(); }
  [[nodiscard]] bool AtRoot() const { return fds_.size() == 1; }
  [[nodiscard]] bool TopReadable() const { return top_readable_; }
  // The descriptor of the folder reached, which the caller closes.
  int Release() {
    const int fd = fds_.back();
    fds_.pop_back();
    return fd;
  }

 private:
  Syscalls& sys_;
  std::vector<int> fds_;
  bool top_readable_ = false;
};

}  // namespace

Result<int> OpenDriveFolder(Syscalls& sys, const Drive& drive, std::string_view native_folder,
                            FolderWalk walk) {
  if (!drive.present) return Error::DriveGone;
  if (drive.root != "/" && !native_folder.starts_with(drive.root)) return Error::BadPath;
  std::vector<std::string> pending =
      NamesOf(native_folder.substr(drive.root == "/" ? 0 : drive.root.size()));
  std::reverse(pending.begin(), pending.end());  // the next name last

  // The root is the map's: the links in its own path are followed.
  OpenFolders folders(sys);
  const int root_flags = (pending.empty() ? kOpenLast : kOpenStep) & ~O_NOFOLLOW;
  const int root = sys.OpenAt(AT_FDCWD, drive.root.c_str(), root_flags, 0);
  if (root < 0) return errno == ENOENT ? Error::DriveGone : ErrorFromErrno(errno);
  folders.Push(root, pending.empty());
  struct stat st {};
  if (sys.FStat(root, &st) != 0) return ErrorFromErrno(errno);
  if (st.st_dev != drive.device || st.st_ino != drive.inode) return Error::DriveGone;

  int links = 0;
  char target[PATH_MAX];
  while (!pending.empty()) {
    const std::string name = std::move(pending.back());
    pending.pop_back();
    if (name == "..") {
      if (folders.AtRoot()) return Error::AccessDenied;
      folders.Pop();
      continue;
    }
    const int flags = pending.empty() ? kOpenLast : kOpenStep;
    int fd = sys.OpenAt(folders.top(), name.c_str(), flags, 0);
    if (fd < 0 && errno == ENOENT && walk == FolderWalk::CreateMissing) {
      if (sys.MkdirAt(folders.top(), name.c_str(), 0777) != 0 && errno != EEXIST)
        return ErrorFromErrno(errno);
      fd = sys.OpenAt(folders.top(), name.c_str(), flags, 0);
    }
    if (fd >= 0) {
      folders.Push(fd, flags == kOpenLast);
      continue;
    }
    if (errno != ENOTDIR && errno != ELOOP) return ErrorFromErrno(errno);

    // A link, or no folder at all.
    const ssize_t size = sys.ReadLinkAt(folders.top(), name.c_str(), target, sizeof target);
    if (size < 0) return errno == EINVAL ? Error::NotADirectory : ErrorFromErrno(errno);
    if (static_cast<std::size_t>(size) == sizeof target) return Error::BadPath;
    if (++links > kMostLinks) return ErrorFromErrno(ELOOP);
    const std::string_view to(target, static_cast<std::size_t>(size));
    std::vector<std::string> names;
    if (to.starts_with('/')) {
      if (!NamesBelowRoot(drive, to, names)) return Error::AccessDenied;
      folders.PopToRoot();
    } else {
      names = NamesOf(to);
    }
    pending.insert(pending.end(), names.rbegin(), names.rend());
  }
  if (!folders.TopReadable()) {  // the walk ended on a folder it only looked up in
    const int fd = sys.OpenAt(folders.top(), ".", kOpenLast, 0);
    if (fd < 0) return ErrorFromErrno(errno);
    folders.Push(fd, true);
  }
  return folders.Release();
}

}  // namespace twindir::platform
