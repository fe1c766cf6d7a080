#pragma once
// The fault matrix: a command is run once on its fixture to count the system
// calls it makes, then once more on a fresh fixture for every fault point
// (each call of each kind failing in turn with each error, the backup drive
// pulled or filled up at each of its calls). After each faulted run:
//
// - every entry under the temporary folder is as it was before the command
//   or as the command leaves it without a fault: each file in its old or
//   its complete new version (contents and last-write time), no temporary
//   file, the list file old or new;
// - what the command says it did is true: a file it reports copied is the
//   new version, one it reports as failed (or lists as a sole file, or lies
//   in a folder it reports it could not read) is the old one;
// - every file the fault-free run changes and this run did not is shown as
//   a failure, by name or in a count of failures;
// - with the fault gone, the same command on the same file services brings
//   the whole tree to what the fault-free run leaves.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/MediumFaults.h"
#include "tests/support/TempDrives.h"

namespace twindir::faults {

// What a command says it did, in snapshot paths (see SnapshotPath).
struct Claims {
  std::vector<std::string> done;            // files it reports written
  std::vector<std::string> failed;          // files it reports not written, or not looked at
  std::vector<std::string> failed_folders;  // folders it reports it could not read
  std::vector<std::string> left_alone;      // files it lists as not copied, as sole files are
  // Files it reports it could not write whose new version may be in place
  // all the same: the list file, when making its replacement durable failed.
  std::vector<std::string> maybe;
  int done_count = 0;    // files it reports written without naming them
  int failed_count = 0;  // failures it reports without naming the files
};

class CommandCase {
 public:
  virtual ~CommandCase() = default;
  [[nodiscard]] virtual std::string Name() const = 0;
  // Makes the files the command starts from.
  virtual void Build(test_support::TempDrives& drives) = 0;
  // Runs the command over drives.fs() on the fixture Build made.
  [[nodiscard]] virtual Claims Run(test_support::TempDrives& drives) = 0;
  // Files compared by contents alone, their time being the moment they
  // were written (the list file).
  [[nodiscard]] virtual std::vector<std::string> ContentsOnly(
      const test_support::TempDrives&) const {
    return {};
  }
};

// The path below the temporary folder of a drive-form code page 932 path,
// as TakeSnapshot names it.
[[nodiscard]] std::string SnapshotPath(const test_support::TempDrives& drives,
                                       std::string_view cp932_path);

struct MatrixCount {
  int faults = 0;    // faulted runs, each on a fixture of its own
  int fixtures = 0;  // fixtures built, the fault-free runs included
};

struct MatrixOptions {
  // Which faults: each call of each kind failing in turn, or the backup
  // drive pulled or filled up at each of its calls.
  enum class Faults { EachCall, Medium };
  Faults faults = Faults::EachCall;
  char backup_letter = 'H';  // the drive that is pulled and filled
  // copy_file_range fails with EXDEV, as between a hard disk and a medium,
  // so that copies read and write.
  bool cross_device = true;
};

// Runs the matrix for one command, reporting each broken rule as a test
// failure that names the fault.
MatrixCount RunFaultMatrix(CommandCase& command, const MatrixOptions& options);

}  // namespace twindir::faults
