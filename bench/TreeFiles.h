#pragma once
// A benchmark tree on disk, laid out under one root:
//
//   ROOT/hdd/Bench/F0000/...     the hard disk (drive C:)
//   ROOT/mo/Bench/F0000/...      the backup drive (drive H:)
//   ROOT/mo/TWINDIR/TWINDIR.DAT  the list file: every folder, code page 932, CR LF
//   ROOT/pristine/I/J            the older version of each newer file
//   ROOT/pairs.txt               "hard-disk folder TAB backup folder", native, for the baseline
//
// The older side of a newer file is a hard link to its pristine copy. An
// update run replaces it with a new file (a safe copy renames a new file
// over it), so a reset only links the pristine copy back: it costs a few
// system calls per copied file whatever the files' sizes, and the tree is
// as generated again. The check reads every file and tells each fault.

#include <cstdint>
#include <string>
#include <vector>

#include "bench/TreeModel.h"

namespace twindir::bench {

struct TreePaths {
  std::string root;
  [[nodiscard]] std::string Hdd() const { return root + "/hdd"; }
  [[nodiscard]] std::string Backup() const { return root + "/mo"; }
  [[nodiscard]] std::string ListFolder() const { return root + "/mo/TWINDIR"; }
  [[nodiscard]] std::string Pairs() const { return root + "/pairs.txt"; }
};

// Makes the tree anew (whatever was at root goes).
void GenerateTree(const TreeModel& model, const TreePaths& paths);

// True when root holds a complete tree of exactly this workload.
[[nodiscard]] bool TreeIsOf(const TreeModel& model, const TreePaths& paths);

// Brings a tree that a run updated (or not) back to its generated state,
// then makes the file system's dirty data durable, so that the next timed
// run does not pay for the reset's writes.
void ResetTree(const TreeModel& model, const TreePaths& paths);

struct CheckResult {
  std::uint64_t files_checked = 0;
  std::uint64_t fault_count = 0;
  std::vector<std::string> faults;  // the first few, one line each
};

// Every file's presence on each side, type, size, contents and time, no
// file besides them, and for each newer file's older side whether it is
// still the pristine copy (Generated) or was replaced by a new file (Updated).
[[nodiscard]] CheckResult CheckTree(const TreeModel& model, const TreePaths& paths, State state);

}  // namespace twindir::bench
