// A case-sensitive file system can hold a.txt and A.TXT in one folder. To
// the commands they are one name, and a lookup of either spelling in the
// other folder of the pair could land on the file of the other spelling, so
// neither takes part: every command leaves them, and their namesakes on the
// other side, as they were.

#include <array>
#include <string>
#include <vector>

#include "engine/FolderIdentity.h"
#include "engine/UndefinedFolders.h"
#include "engine/UpdateRun.h"
#include "tests/engine/EngineFixture.h"

namespace twindir::engine::testing {
namespace {

struct TwinFile {
  std::string_view name;
  bool on_backup;
  std::string_view contents;
  platform::FileTime time;
};

struct Probe {
  const char* label;
  std::vector<TwinFile> files;
  bool fill_from_backup;  // the direction of Dir Create's copy loop
};

// Each pair that a wrong lookup would form is unequal in time, so that a
// command that formed it would copy.
const auto kProbes = std::to_array<Probe>({
    {"twins on the hard disk",
     {{"a.txt", false, "hard disk a", kT0 + kSecond},
      {"A.TXT", false, "hard disk A", kT0},
      {"a.txt", true, "backup a", kT0 + kSecond}},
     false},
    {"twins on the backup",
     {{"a.txt", true, "backup a", kT0},
      {"A.TXT", true, "backup A", kT0 + 2 * kSecond},
      {"a.txt", false, "hard disk a", kT0}},
     true},
    {"twins on both sides",
     {{"a.txt", true, "backup a", kT0},
      {"A.TXT", true, "backup A", kT0 + 2 * kSecond},
      {"a.txt", false, "hard disk a", kT0 + kSecond},
      {"A.TXT", false, "hard disk A", kT0 + 3 * kSecond}},
     true},
});

enum class Command { Update, Identity, DirCreate };
constexpr auto kCommands = std::to_array<Command>({Command::Update, Command::Identity,
                                                   Command::DirCreate});

class CaseTwinsTest : public EngineTest {
 protected:
  void RunCommand(Command command, const std::string& reference, bool fill_from_backup) {
    folders::FolderTable table = Table({reference});
    CollectingSoleSink sole(table);
    const std::string hard_disk = Cp(reference);
    const std::string backup = platform::MirrorPath(hard_disk, kBackupLetter);
    switch (command) {
      case Command::Update: {
        RecordingProgress progress;
        (void)RunUpdate(services_, table, kBackupDrive, progress, sole);
        break;
      }
      case Command::Identity:
        questions_.confirm_answers = {true};
        (void)MakeFoldersIdentical(services_, table, 0, kBackupDrive, sole);
        break;
      case Command::DirCreate:
        (void)CopyFolderFiles(fs_, order_, fill_from_backup ? backup : hard_disk,
                              fill_from_backup ? hard_disk : backup);
        break;
    }
  }
};

TEST_F(CaseTwinsTest, NoCommandTouchesNamesWithACaseTwin) {
  int folder = 0;
  for (std::size_t p = 0; p < kProbes.size(); ++p) {
    for (std::size_t c = 0; c < kCommands.size(); ++c) {
      SCOPED_TRACE(::testing::Message() << "probe " << p << " (" << kProbes[p].label
                                        << "), command " << c);
      const std::string reference = "C:\\d" + std::to_string(folder++);
      const std::string mirror = platform::MirrorPath(reference, kBackupLetter);
      MakeFolder(reference);
      MakeFolder(mirror);
      auto path = [&](const TwinFile& file) {
        return (file.on_backup ? mirror : reference) + "\\" + std::string(file.name);
      };
      for (const TwinFile& file : kProbes[p].files) Write(path(file), file.contents, file.time);
      const std::vector<std::string> backup_names = NamesIn(mirror);
      const std::vector<std::string> hard_disk_names = NamesIn(reference);

      RunCommand(kCommands[c], reference, kProbes[p].fill_from_backup);

      for (const TwinFile& file : kProbes[p].files) {
        EXPECT_EQ(ContentsOf(path(file)), file.contents) << path(file);
        EXPECT_EQ(TimeOf(path(file)), file.time) << path(file);
      }
      EXPECT_EQ(NamesIn(mirror), backup_names);
      EXPECT_EQ(NamesIn(reference), hard_disk_names);
    }
  }
  EXPECT_EQ(fs_.copies, 0);
}

}  // namespace
}  // namespace twindir::engine::testing
