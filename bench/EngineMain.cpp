// The engine's update run alone, without windows: the folder table loaded
// from a benchmark tree's list file as at start-up, then RunUpdate over the
// program's Linux file services, progress and sole-in-backup paths counted
// and dropped.
//
//   twindir-bench-engine TREE-ROOT
//
// TREE-ROOT holds hdd/ (drive C:) and mo/ (drive H:, with TWINDIR\TWINDIR.DAT).
// Prints "copied=N failed=N sole=N".

#include <cstdio>
#include <string>

#include "engine/Questions.h"
#include "engine/UpdateRun.h"
#include "folders/FolderList.h"
#include "folders/StartupPaths.h"
#include "platform/DriveMap.h"
#include "platform/LinuxFileSystem.h"
#include "platform/NameOrder.h"

namespace {

using namespace twindir;

class NoQuestions final : public engine::Questions {
 public:
  bool Confirm(std::string_view, std::string_view, engine::BoxIcon) override { return false; }
  void Inform(std::string_view) override {}
  std::optional<std::vector<std::string>> ChooseFiles() override { return std::nullopt; }
};

class CountingProgress final : public engine::ProgressSink {
 public:
  void ShowStage(std::string_view) override { ++calls; }
  void ShowFile(std::string_view) override { ++calls; }
  void SetFolderCount(int) override { ++calls; }
  void SetFolderIndex(int) override { ++calls; }
  long calls = 0;
};

class CountingSole final : public engine::SoleInBackupSink {
 public:
  void AppendSoleInBackup(const std::string&) override { ++count; }
  long count = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: twindir-bench-engine TREE-ROOT\n");
    return 2;
  }
  const std::string root = argv[1];
  platform::DriveMap drives;
  drives.Map('C', root + "/hdd");
  drives.Map('H', root + "/mo");
  const std::string current_directory = "H:\\TWINDIR";
  platform::LinuxFileSystem fs(drives, current_directory);
  const platform::NameOrder order;
  platform::SystemClock clock;
  NoQuestions questions;
  const engine::Services services{fs, order, clock, questions};

  folders::FolderList list(fs, order, folders::StartupPathsFor(current_directory));
  folders::LoadResult load = list.LoadAtStartUp();
  if (load.status != folders::LoadStatus::Loaded) {
    std::fprintf(stderr, "cannot load %s/mo/TWINDIR/TWINDIR.DAT\n", root.c_str());
    return 1;
  }
  CountingProgress progress;
  CountingSole sole;
  const engine::UpdateReport report =
      engine::RunUpdate(services, load.table, list.Paths().BackupDrive, progress, sole);
  std::printf("copied=%d failed=%d sole=%ld\n", report.copied, report.failed, sole.count);
  return 0;
}
