#include "tests/faults/FaultMatrix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <map>
#include <memory>
#include <set>

#include "platform/Cp932.h"
#include "tests/faults/TreeSnapshot.h"

namespace twindir::faults {

namespace {

using test_support::Call;

// The broken fault points shown in full; the rest are counted.
const int kShownFailures = std::getenv("TWINDIR_ALL_FAULTS") ? 1'000'000 : 25;

struct Fault {
  std::string name;
  std::function<void(test_support::MediumFaults&)> arm;
};

constexpr auto kCallNames = std::to_array<const char*>({
    "openat",
    "close",
    "read",
    "write",
    "copy_file_range",
    "getdents64",
    "fstat",
    "fstatat",
    "faccessat",
    "mkdirat",
    "unlinkat",
    "renameat",
    "futimens",
    "fsync",
    "syncfs",
    "statvfs",
});
static_assert(kCallNames.size() == static_cast<std::size_t>(Call::kCount));

std::string ErrnoName(int error) {
  switch (error) {
    case EIO:
      return "EIO";
    case EACCES:
      return "EACCES";
    case ENOSPC:
      return "ENOSPC";
    case ENODEV:
      return "ENODEV";
    case ENOENT:
      return "ENOENT";
    default:
      return std::to_string(error);
  }
}

// Every fault point of a command whose fault-free run made the calls that
// counted holds.
std::vector<Fault> FaultPoints(const test_support::MediumFaults& counted,
                               const MatrixOptions& options) {
  std::vector<Fault> faults;
  if (options.faults == MatrixOptions::Faults::EachCall) {
    for (std::size_t k = 0; k < kCallNames.size(); ++k) {
      const auto call = static_cast<Call>(k);
      for (int nth = 1; nth <= counted.Count(call); ++nth) {
        for (const int error : {EIO, EACCES, ENOSPC}) {
          faults.push_back({"call " + std::to_string(nth) + " of " + kCallNames[k] +
                                " fails with " + ErrnoName(error),
                            [=](test_support::MediumFaults& f) { f.FailNth(call, nth, error); }});
        }
      }
    }
    return faults;
  }
  const std::string drive = std::string(1, options.backup_letter) + ":";
  for (int nth = 1; nth <= counted.CallsOnDrive(); ++nth) {
    for (const int error : {ENODEV, EIO, ENOENT}) {
      faults.push_back({"drive " + drive + " pulled at its call " + std::to_string(nth) + " (" +
                            ErrnoName(error) + ")",
                        [=](test_support::MediumFaults& f) { f.Pull(nth, error); }});
    }
    faults.push_back({"drive " + drive + " full from its call " + std::to_string(nth),
                      [=](test_support::MediumFaults& f) { f.Fill(nth); }});
  }
  return faults;
}

// A fresh fixture of the command on drives whose calls go through faults.
struct Run {
  explicit Run(const MatrixOptions& options) {
    faults.SetCrossDevice(options.cross_device);
    drives = std::make_unique<test_support::TempDrives>(test_support::TempDrives::Options{
        .letters = "CH", .current_directory = "H:\\TWINDIR", .syscalls = &faults});
    faults.WatchDrive(drives->Root(options.backup_letter));
  }
  test_support::MediumFaults faults;
  std::unique_ptr<test_support::TempDrives> drives;
};

TreeSnapshot Snapshot(const test_support::TempDrives& drives,
                      const std::vector<std::string>& contents_only) {
  TreeSnapshot tree = TakeSnapshot(drives.base());
  for (const std::string& path : contents_only) {
    const auto found = tree.find(path);
    if (found != tree.end()) found->second.mtime = {};
  }
  return tree;
}

bool InFolders(const std::string& path, const std::vector<std::string>& folders) {
  const std::size_t slash = path.rfind('/');
  return std::find(folders.begin(), folders.end(), path.substr(0, slash)) != folders.end();
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n  " + line;
  return text;
}

// The files the fault-free run changed: the copies a faulted run must
// either make or show as failed.
std::vector<std::string> ChangedFiles(const TreeSnapshot& before, const TreeSnapshot& after) {
  std::vector<std::string> changed;
  for (const auto& [path, entry] : after) {
    if (entry.kind == TreeEntry::Kind::File && EntryAt(before, path) != entry)
      changed.push_back(path);
  }
  return changed;
}

std::string FoldCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// A command names a file as it was asked for, which can differ from the
// entry in letter case (the file services match names as Windows does):
// each claimed path becomes the entry of any of the trees that it names.
Claims InTreeSpelling(Claims claims, std::initializer_list<const TreeSnapshot*> trees) {
  std::map<std::string, std::string> spelling;
  for (const TreeSnapshot* tree : trees) {
    for (const auto& [path, entry] : *tree) spelling.emplace(FoldCase(path), path);
  }
  for (std::vector<std::string>* paths :
       {&claims.done, &claims.failed, &claims.left_alone, &claims.maybe}) {
    for (std::string& path : *paths) {
      const auto found = spelling.find(FoldCase(path));
      if (found != spelling.end()) path = found->second;
    }
  }
  return claims;
}

bool IsTemporaryFile(const std::string& path) {
  return path.substr(path.rfind('/') + 1).starts_with(".twindir-");
}

// The temporary files of the copies under way when a medium was pulled:
// they could not be removed from a medium that was gone.
std::vector<std::string> TemporaryFilesOn(const TreeSnapshot& tree, char drive) {
  std::vector<std::string> temporary;
  const std::string root = std::string("/") + drive + "/";
  for (const auto& [path, entry] : tree) {
    if (path.starts_with(root) && IsTemporaryFile(path)) temporary.push_back(path);
  }
  return temporary;
}

// The broken rules of one faulted run, as lines of text. The temporary
// files in kept are allowed.
std::vector<std::string> CheckClaims(const Claims& claimed, const TreeSnapshot& before,
                                     const TreeSnapshot& after, const TreeSnapshot& now,
                                     const std::vector<std::string>& kept = {}) {
  const Claims claims = InTreeSpelling(claimed, {&before, &after, &now});
  std::vector<std::string> broken;
  for (const std::string& wrong : NeitherBeforeNorAfter(before, after, now)) {
    const std::string path = wrong.substr(0, wrong.find(": "));
    if (std::find(kept.begin(), kept.end(), path) == kept.end())
      broken.push_back("half-done: " + wrong);
  }
  for (const std::string& path : claims.done) {
    if (EntryAt(now, path) != EntryAt(after, path))
      broken.push_back("reported written but is not new: " + path);
  }
  // A copy that failed and was made later in the command (folder identity's
  // second pass takes up what the first could not copy) counts as made.
  for (const std::string& path : claims.failed) {
    if (std::find(claims.done.begin(), claims.done.end(), path) != claims.done.end()) continue;
    if (EntryAt(now, path) != EntryAt(before, path))
      broken.push_back("reported failed but changed: " + path);
  }
  for (const std::string& path : claims.left_alone) {
    if (std::find(claims.done.begin(), claims.done.end(), path) != claims.done.end()) continue;
    if (EntryAt(now, path) != EntryAt(before, path))
      broken.push_back("listed as not copied but changed: " + path);
  }
  int unnamed_done = 0;
  int unnamed_missing = 0;
  std::vector<std::string> missing;
  for (const std::string& path : ChangedFiles(before, after)) {
    const auto holds = [&](const std::vector<std::string>& paths) {
      return std::find(paths.begin(), paths.end(), path) != paths.end();
    };
    const bool named = holds(claims.done) || holds(claims.failed) || holds(claims.left_alone) ||
                       holds(claims.maybe);
    if (named) continue;
    if (InFolders(path, claims.failed_folders)) {
      if (EntryAt(now, path) != EntryAt(before, path))
        broken.push_back("in a folder reported unread, changed: " + path);
      continue;
    }
    if (EntryAt(now, path) == EntryAt(after, path)) {
      ++unnamed_done;
    } else {
      ++unnamed_missing;
      missing.push_back(path);
    }
  }
  if (unnamed_done != claims.done_count) {
    broken.push_back("written without being reported: " + std::to_string(unnamed_done) +
                     " files, reported " + std::to_string(claims.done_count));
  }
  if (unnamed_missing > claims.failed_count) {
    broken.push_back("not written and not reported as failed (" +
                     std::to_string(claims.failed_count) + " failures counted):" + Join(missing));
  }
  return broken;
}

// The drive-form code page 932 path of a snapshot path: /H/Mydir is H:\Mydir.
std::string DrivePath(const std::string& snapshot_path) {
  std::string utf8 = snapshot_path.substr(1, 1) + ":" + snapshot_path.substr(2);
  std::replace(utf8.begin(), utf8.end(), '/', '\\');
  if (utf8.size() == 2) utf8 += '\\';
  return test_support::Sjis(utf8);
}

}  // namespace

std::string SnapshotPath(const test_support::TempDrives& drives, std::string_view cp932_path) {
  const std::optional<std::string> utf8 = platform::Cp932ToUtf8(cp932_path);
  if (!utf8) return "(not code page 932)";
  return drives.Native(*utf8).substr(drives.base().size());
}

MatrixCount RunFaultMatrix(CommandCase& command, const MatrixOptions& options) {
  MatrixCount count;
  TreeSnapshot before;
  TreeSnapshot after;
  std::vector<Fault> faults;
  {
    Run clean(options);
    command.Build(*clean.drives);
    const std::vector<std::string> contents_only = command.ContentsOnly(*clean.drives);
    before = Snapshot(*clean.drives, contents_only);
    clean.faults.ResetCounts();
    clean.faults.ResetDriveCount();
    const Claims claims = command.Run(*clean.drives);
    after = Snapshot(*clean.drives, contents_only);
    ++count.fixtures;
    const std::vector<std::string> broken = CheckClaims(claims, before, after, after);
    EXPECT_TRUE(broken.empty()) << command.Name() << ", no fault:" << Join(broken);
    EXPECT_TRUE(claims.failed.empty() && claims.failed_folders.empty() && claims.failed_count == 0)
        << command.Name() << ": the fault-free run reports a failure";
    EXPECT_FALSE(ChangedFiles(before, after).empty())
        << command.Name() << ": the fixture gives nothing to do";
    faults = FaultPoints(clean.faults, options);
  }

  int failing_points = 0;
  for (const Fault& fault : faults) {
    Run run(options);
    command.Build(*run.drives);
    const std::vector<std::string> contents_only = command.ContentsOnly(*run.drives);
    run.faults.ResetCounts();
    run.faults.ResetDriveCount();
    fault.arm(run.faults);
    const Claims claims = command.Run(*run.drives);
    run.faults.Restore();
    const TreeSnapshot now = Snapshot(*run.drives, contents_only);
    const bool medium = options.faults == MatrixOptions::Faults::Medium;
    const std::vector<std::string> kept =
        medium ? TemporaryFilesOn(now, options.backup_letter) : std::vector<std::string>{};
    std::vector<std::string> broken = CheckClaims(claims, before, after, now, kept);
    if (kept.size() > 1)
      broken.push_back("more than the one temporary file of the copy under way:" + Join(kept));

    // The next command works: run again without the fault, it finishes the
    // job; the next listing of a folder removes what a pulled medium kept.
    const Claims again = command.Run(*run.drives);
    for (const std::string& path : kept) {
      (void)run.drives->fs().ListDirectory(DrivePath(path.substr(0, path.rfind('/'))));
    }
    const std::vector<std::string> left = Differences(after, Snapshot(*run.drives, contents_only));
    for (const std::string& wrong : left)
      broken.push_back("after a second run without the fault: " + wrong);
    if (!again.failed.empty() || !again.failed_folders.empty() || again.failed_count != 0) {
      broken.push_back("the second run without the fault reports a failure");
    }
    ++count.faults;
    ++count.fixtures;
    if (!broken.empty() && ++failing_points <= kShownFailures) {
      ADD_FAILURE() << command.Name() << ", " << fault.name << ":" << Join(broken);
    }
  }
  EXPECT_EQ(failing_points, 0) << command.Name() << ": fault points with a broken rule";
  return count;
}

}  // namespace twindir::faults
