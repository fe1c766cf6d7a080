#include "tests/faults/TreeSnapshot.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace twindir::faults {

namespace {

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::string Describe(const std::optional<TreeEntry>& entry) {
  if (!entry) return "absent";
  switch (entry->kind) {
    case TreeEntry::Kind::File:
      return "file of " + std::to_string(entry->contents.size()) + " bytes, time " +
             std::to_string(entry->mtime.tv_sec) + "." + std::to_string(entry->mtime.tv_nsec);
    case TreeEntry::Kind::Folder: return "folder";
    case TreeEntry::Kind::Link: return "link to " + entry->contents;
    case TreeEntry::Kind::Other: return "special file";
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
  namespace fs = std::filesystem;
  TreeSnapshot tree;
  for (auto it = fs::recursive_directory_iterator(native_folder, fs::directory_options::skip_permission_denied);
       it != fs::recursive_directory_iterator(); ++it) {
    const std::string path = it->path().string();
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) throw std::runtime_error("lstat " + path);
    TreeEntry entry;
    if (S_ISREG(st.st_mode)) {
      entry.kind = TreeEntry::Kind::File;
      entry.contents = Contents(path);
      entry.mtime = st.st_mtim;
    } else if (S_ISDIR(st.st_mode)) {
      entry.kind = TreeEntry::Kind::Folder;
    } else if (S_ISLNK(st.st_mode)) {
      entry.kind = TreeEntry::Kind::Link;
      entry.contents = fs::read_symlink(it->path()).string();
    }
    tree.emplace(path.substr(native_folder.size()), std::move(entry));
  }
  return tree;
}

std::optional<TreeEntry> EntryAt(const TreeSnapshot& tree, const std::string& path) {
  const auto found = tree.find(path);
  if (found == tree.end()) return std::nullopt;
  return found->second;
}

std::vector<std::string> NeitherBeforeNorAfter(const TreeSnapshot& before, const TreeSnapshot& after,
                                               const TreeSnapshot& now) {
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

}  // namespace twindir::faults
