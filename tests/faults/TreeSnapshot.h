#pragma once
// Everything under a native folder as it is at one moment: each entry by its
// path below the folder, with its kind, and for a file its contents and
// last-write time, for a link its target. Folder times are left out: they
// change with every entry made or removed inside.
//
// A command's effect is then checked entry by entry: after a command that
// met a fault, each entry must be as it was before or as the command leaves
// it without a fault, and no other entry may exist.

#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace twindir::faults {

struct TreeEntry {
  enum class Kind { File, Folder, Link, Other };
  Kind kind = Kind::Other;
  std::string contents;  // File: the bytes; Link: the target
  timespec mtime{};      // File only
  friend bool operator==(const TreeEntry& a, const TreeEntry& b);
};

using TreeSnapshot = std::map<std::string, TreeEntry>;  // path below the folder -> entry

[[nodiscard]] TreeSnapshot TakeSnapshot(const std::string& native_folder);

// Removes everything in the folder, however deep (the folder stays).
void RemoveTreeContents(const std::string& native_folder);

// The entry at path, or nullopt when there is none.
[[nodiscard]] std::optional<TreeEntry> EntryAt(const TreeSnapshot& tree, const std::string& path);

// The paths whose entry in now (or its absence) is neither the one in before
// nor the one in after, each with what was found: the entries a command
// left half-done, or made though it should not have.
[[nodiscard]] std::vector<std::string> NeitherBeforeNorAfter(const TreeSnapshot& before,
                                                             const TreeSnapshot& after,
                                                             const TreeSnapshot& now);

// The paths whose entry differs between the two (present in one only
// included), each with what was found.
[[nodiscard]] std::vector<std::string> Differences(const TreeSnapshot& a, const TreeSnapshot& b);

// The same paths alone.
[[nodiscard]] std::vector<std::string> ChangedPaths(const TreeSnapshot& a, const TreeSnapshot& b);

}  // namespace twindir::faults
