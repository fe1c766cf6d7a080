#include "tests/faults/TreeSnapshot.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>
#include <stdexcept>

namespace twindir::faults {

namespace {

// The entries are reached by descriptors, name by name, so that trees
// deeper than the kernel's longest path are read and removed too.

std::string Contents(int dir, const char* name) {
  const int fd = openat(dir, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error(std::string("open ") + name);
  std::string contents;
  char buffer[65536];
  for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;)
    contents.append(buffer, static_cast<std::size_t>(got));
  close(fd);
  return contents;
}

// Calls visit(dir, name, path) for each entry of the open folder dir, then
// for the entries of each subfolder, not following links.
template <typename Visit>
void Walk(int dir, const std::string& path, Visit visit) {
  const int copy = dup(dir);
  DIR* stream = fdopendir(copy);
  if (!stream) {
    close(copy);
    throw std::runtime_error("opendir " + path);
  }
  std::vector<std::string> names;
  while (const dirent* entry = readdir(stream)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(stream);
  for (const std::string& name : names) {
    struct stat st {};
    if (fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
      throw std::runtime_error("lstat " + path + "/" + name);
    if (S_ISDIR(st.st_mode)) {
      const int sub = openat(dir, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      if (sub >= 0) {
        Walk(sub, path + "/" + name, visit);
        close(sub);
      }
    }
    visit(dir, name.c_str(), path + "/" + name, st);
  }
}

std::string Describe(const std::optional<TreeEntry>& entry) {
  if (!entry) return "absent";
  switch (entry->kind) {
    case TreeEntry::Kind::File:
      return "file of " + std::to_string(entry->contents.size()) + " bytes, time " +
             std::to_string(entry->mtime.tv_sec) + "." + std::to_string(entry->mtime.tv_nsec);
    case TreeEntry::Kind::Folder:
      return "folder";
    case TreeEntry::Kind::Link:
      return "link to " + entry->contents;
    case TreeEntry::Kind::Other:
      return "special file";
  }
  return "?";
}

}  // namespace

bool operator==(const TreeEntry& a, const TreeEntry& b) {
  if (a.kind != b.kind || a.contents != b.contents) return false;
  return a.kind != TreeEntry::Kind::File ||
         (a.mtime.tv_sec == b.mtime.tv_sec && a.mtime.tv_nsec == b.mtime.tv_nsec);
}

TreeSnapshot TakeSnapshot(const std::string& native_folder) {
  TreeSnapshot tree;
  const int root = open(native_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (root < 0) throw std::runtime_error("open " + native_folder);
  Walk(root, "", [&](int dir, const char* name, const std::string& path, const struct stat& st) {
    TreeEntry entry;
    if (S_ISREG(st.st_mode)) {
      entry.kind = TreeEntry::Kind::File;
      entry.contents = Contents(dir, name);
      entry.mtime = st.st_mtim;
    } else if (S_ISDIR(st.st_mode)) {
      entry.kind = TreeEntry::Kind::Folder;
    } else if (S_ISLNK(st.st_mode)) {
      entry.kind = TreeEntry::Kind::Link;
      char target[4096];
      const ssize_t length = readlinkat(dir, name, target, sizeof target);
      entry.contents.assign(target, length > 0 ? static_cast<std::size_t>(length) : 0);
    }
    tree.emplace(path, std::move(entry));
  });
  close(root);
  return tree;
}

void RemoveTreeContents(const std::string& native_folder) {
  const int root = open(native_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (root < 0) return;
  Walk(root, "", [](int dir, const char* name, const std::string&, const struct stat& st) {
    unlinkat(dir, name, S_ISDIR(st.st_mode) ? AT_REMOVEDIR : 0);
  });
  close(root);
}

std::optional<TreeEntry> EntryAt(const TreeSnapshot& tree, const std::string& path) {
  const auto found = tree.find(path);
  if (found == tree.end()) return std::nullopt;
  return found->second;
}

std::vector<std::string> NeitherBeforeNorAfter(const TreeSnapshot& before,
                                               const TreeSnapshot& after, const TreeSnapshot& now) {
  std::set<std::string> paths;
  for (const TreeSnapshot* tree : {&before, &after, &now}) {
    for (const auto& [path, entry] : *tree) paths.insert(path);
  }
  std::vector<std::string> wrong;
  for (const std::string& path : paths) {
    const std::optional<TreeEntry> found = EntryAt(now, path);
    if (found == EntryAt(before, path) || found == EntryAt(after, path)) continue;
    wrong.push_back(path + ": " + Describe(found) + " (before: " + Describe(EntryAt(before, path)) +
                    ", after: " + Describe(EntryAt(after, path)) + ")");
  }
  return wrong;
}

std::vector<std::string> Differences(const TreeSnapshot& a, const TreeSnapshot& b) {
  return NeitherBeforeNorAfter(a, a, b);
}

std::vector<std::string> ChangedPaths(const TreeSnapshot& a, const TreeSnapshot& b) {
  std::set<std::string> paths;
  for (const TreeSnapshot* tree : {&a, &b}) {
    for (const auto& [path, entry] : *tree) {
      if (EntryAt(a, path) != EntryAt(b, path)) paths.insert(path);
    }
  }
  return {paths.begin(), paths.end()};
}

}  // namespace twindir::faults
