// Odd and hostile media: a table of fixtures on real folders (links,
// special files, unreadable entries, entries that change under the
// commands, names code page 932 cannot hold or Windows forbids, very long
// names and paths). Every command that reads or writes the registered pair
// runs over each fixture, under a watchdog, and then:
//
// - nothing outside the registered folders and their mirrors has changed
//   (the whole temporary tree is compared, the list file apart);
// - inside them only regular files with names the program can write have
//   changed or appeared: no link, special file or folder was touched, no
//   file of a name that code page 932 or Windows cannot hold, no temporary
//   file is left;
// - the fixture's own outcome shows: the entry is skipped, failed, or listed.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <mutex>
#include <thread>

#include "engine/EngineTexts.h"
#include "engine/FileAdd.h"
#include "engine/FolderIdentity.h"
#include "engine/FolderView.h"
#include "engine/SoleFileActions.h"
#include "engine/SoleFiles.h"
#include "engine/UndefinedFolders.h"
#include "engine/UpdateRun.h"
#include "folders/FolderList.h"
#include "folders/StartupPaths.h"
#include "platform/Cp932.h"
#include "platform/NativeName.h"
#include "platform/NativeTime.h"
#include "platform/PathText.h"
#include "tests/engine/EngineTestSupport.h"
#include "tests/faults/TreeSnapshot.h"
#include "tests/support/MediumFaults.h"
#include "tests/support/TempDrives.h"

namespace twindir::faults {
namespace {

using engine::testing::CollectingSoleSink;
using engine::testing::FixedClock;
using engine::testing::ObservedFileSystem;
using engine::testing::RecordingProgress;
using engine::testing::ScriptedQuestions;
using test_support::Sjis;
namespace texts = engine::texts;

constexpr platform::FileTime kT0 = 127'395'363'090'000'000;
constexpr platform::FileTime kSecond = 10'000'000;

// Ends the test program when a step does not end in time: a command that
// hangs (on a FIFO, in a link loop) fails the test instead of stalling it.
class Watchdog {
 public:
  Watchdog(std::string step, std::chrono::seconds limit) : step_(std::move(step)) {
    thread_ = std::thread([this, limit] {
      std::unique_lock lock(mutex_);
      if (!done_cv_.wait_for(lock, limit, [this] { return done_; })) {
        std::fprintf(stderr, "hang: %s did not end within %lld s\n", step_.c_str(),
                     static_cast<long long>(limit.count()));
        std::_Exit(2);
      }
    });
  }
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    done_cv_.notify_one();
    thread_.join();
  }

 private:
  std::string step_;
  std::mutex mutex_;
  std::condition_variable done_cv_;
  bool done_ = false;
  std::thread thread_;
};

// The file services with hooks into the moments between a command's steps.
class HookedFileSystem : public ObservedFileSystem {
 public:
  HookedFileSystem(platform::FileSystem& inner, test_support::FaultySyscalls& syscalls)
      : ObservedFileSystem(inner, syscalls) {}
  std::function<void(std::string_view folder)> after_listing;
  std::function<void(std::string_view source, std::string_view target)> before_copy;

  platform::Result<std::vector<platform::DirEntry>> ListDirectory(
      std::string_view folder) override {
    auto entries = ObservedFileSystem::ListDirectory(folder);
    if (after_listing) after_listing(folder);
    return entries;
  }
  platform::Status CopyFile(std::string_view source, std::string_view target) override {
    if (before_copy) before_copy(source, target);
    return ObservedFileSystem::CopyFile(source, target);
  }
};

// The temporary drives C and H, the pair C:\<reg> / H:\<reg> registered in
// the list file H:\TWINDIR\TWINDIR.DAT, and a folder outside every drive's
// registered folders, base/outside, with files a link may point at.
class World {
 public:
  explicit World(std::string reg) : reg_(std::move(reg)) {
    std::filesystem::create_directories(Native('C'));
    std::filesystem::create_directories(Native('H'));
    drives_.MakeFolder("H:\\TWINDIR");
    std::filesystem::create_directories(Outside());
    drives_.WriteFile("H:\\TWINDIR\\TWINDIR.DAT", Sjis("C:\\" + reg_ + "\r\n"), kT0);
    WriteNative(Outside() + "/secret.txt", "secret", kT0);
    WriteNative(Outside() + "/victim.txt", "victim", kT0);
    // An ordinary pair beside the odd entry: a file newer on each side.
    WriteNative(Native('H') + "/a.txt", "a, newer in the backup", kT0 + kSecond);
    WriteNative(Native('C') + "/a.txt", "a, old", kT0);
    WriteNative(Native('H') + "/b.txt", "b, old", kT0);
    WriteNative(Native('C') + "/b.txt", "b, newer on the hard disk", kT0 + kSecond);
  }

  // A tree deeper than the longest path is more than the drives' own
  // clean-up removes.
  ~World() { RemoveTreeContents(drives_.base()); }

  test_support::MediumFaults& sys() { return sys_; }
  test_support::TempDrives& drives() { return drives_; }
  const test_support::TempDrives& drives() const { return drives_; }
  HookedFileSystem& fs() { return fs_; }
  const std::string& reg() const { return reg_; }
  std::string Folder(char drive) const { return std::string(1, drive) + ":\\" + reg_; }  // UTF-8
  // The native registered folder of a drive, and an entry in it.
  std::string Native(char drive) const {
    std::string native = drives_.Root(drive) + "/" + reg_;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
  }
  std::string Native(char drive, std::string_view name) const {
    return Native(drive) + "/" + std::string(name);
  }
  std::string Outside() const { return drives_.base() + "/outside"; }

  static void WriteNative(const std::string& path, std::string_view contents,
                          platform::FileTime time) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(contents.data(), 1, contents.size(), file);
    std::fclose(file);
    const timespec t = platform::TimespecFromFileTime(time);
    const timespec times[2] = {t, t};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
  }
  static void Link(const std::string& target, const std::string& path) {
    ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0) << path;
  }

 private:
  std::string reg_;
  test_support::MediumFaults sys_;
  test_support::TempDrives drives_{
      {.letters = "CH", .current_directory = "H:\\TWINDIR", .syscalls = &sys_}};
  HookedFileSystem fs_{drives_.fs(), sys_};
};

// What every command gave over one fixture.
struct Road {
  engine::UpdateReport update;
  std::vector<std::string> sole_in_backup;
  engine::IdentityReport identity;
  std::optional<engine::FolderView> view;
  engine::SoleFilesInBackup sole_backup;
  engine::SoleFilesOnDisk sole_disk;
  engine::FileAddOutcome file_add;
  engine::FolderFill fill;
};

class RecordingListSink : public engine::FolderListSink {
 public:
  void ApplyLoad(const folders::LoadResult&) override {}
  void ShowRewriteFailure(const folders::RewriteResult&) override {}
};

// Every command over the registered pair, each under the watchdog.
Road RunEveryCommand(World& world) {
  using namespace std::chrono_literals;
  platform::NameOrder order("ja");
  FixedClock clock;
  ScriptedQuestions questions;
  engine::Services services{world.fs(), order, clock, questions};
  folders::FolderList list(world.fs(), order, folders::StartupPathsFor(Sjis("H:\\TWINDIR")));
  folders::FolderTable table;
  Road road;
  {
    Watchdog watch("the list file's load", 30s);
    table = list.LoadFolderList(folders::FolderTable{}).table;
  }
  {
    Watchdog watch("the update run", 30s);
    RecordingProgress progress;
    CollectingSoleSink sole(table);
    road.update = engine::RunUpdate(services, table, "H:", progress, sole);
    road.sole_in_backup = sole.paths;
  }
  {
    Watchdog watch("folder identity", 30s);
    questions.confirm_answers = {true};
    CollectingSoleSink sole(table);
    road.identity = engine::MakeFoldersIdentical(services, table, 0, "H:", sole)
                        .value_or(engine::IdentityReport{});
  }
  {
    Watchdog watch("the folder view", 30s);
    road.view = engine::ViewFolder(services, table, 0, 'H');
  }
  {
    Watchdog watch("the sole-file searches and copies", 30s);
    road.sole_backup = engine::SearchSoleFilesInBackup(services, table, 'H');
    for (const std::string& path : road.sole_in_backup) {
      (void)engine::RestoreSoleFileFromBackup(world.fs(), path, 'H');
    }
    const std::string reference = table.FolderCount > 0 ? table.RefFolders[0] : std::string();
    road.sole_disk = engine::SearchSoleFilesOnDisk(services, 0, reference, 'H');
    for (std::size_t i = 0; i + 1 < road.sole_disk.rows.size(); ++i) {
      (void)engine::CopySoleFileToBackup(world.fs(), reference, road.sole_disk.rows[i], 'H');
    }
  }
  {
    Watchdog watch("File Add", 30s);
    std::vector<std::string> chosen;
    const std::string reference = Sjis(world.Folder('C'));
    for (const std::string& name : engine::ListFolderFiles(world.fs(), order, reference)) {
      chosen.push_back(platform::JoinPath(reference, name));
    }
    questions.dialog_answers = {chosen.empty() ? std::nullopt : std::make_optional(chosen)};
    RecordingListSink sink;
    road.file_add = engine::AddFilesToBackup(services, list, table, sink);
  }
  {
    Watchdog watch("Dir Create's fill", 30s);
    road.fill = engine::CopyFolderFiles(world.fs(), order, Sjis(world.Folder('H')),
                                        Sjis(world.Folder('C')));
  }
  return road;
}

// Whether the program can name a native file: code page 932 holds its name
// exactly, and Windows allows it.
bool Reachable(std::string_view native_name) {
  std::string cp932;
  return platform::AppendReachableName(native_name, cp932);
}

// The rule broken by the change of one entry, or empty.
std::string JudgeChange(const World& world, const std::string& path,
                        const std::optional<TreeEntry>& before,
                        const std::optional<TreeEntry>& after) {
  const std::string base = world.drives().base();
  const std::string list_file = "/H/TWINDIR/TWINDIR.DAT";
  if (path == list_file) return {};
  const std::size_t slash = path.rfind('/');
  const std::string folder = path.substr(0, slash);
  const std::string name = path.substr(slash + 1);
  const bool registered = folder == world.Native('C').substr(base.size()) ||
                          folder == world.Native('H').substr(base.size());
  if (!registered) return "changed outside the registered folders";
  if (name.starts_with(".twindir-")) return "a temporary file is left";
  if (before && before->kind != TreeEntry::Kind::File)
    return "a link, special file or folder was touched";
  if (!after || after->kind != TreeEntry::Kind::File)
    return "an entry became other than a regular file";
  if (!Reachable(name)) return "a file the program cannot name was written";
  return {};
}

std::string MarkOf(const engine::ReportRows& rows, std::string_view name) {
  for (const engine::ReportRow& row : rows) {
    if (row.name == name) return row.mark;
  }
  return {};
}

bool Names(const engine::ReportRows& rows, std::string_view name) {
  return std::any_of(rows.begin(), rows.end(),
                     [&](const engine::ReportRow& row) { return row.name == name; });
}

// The name is in no report, listing or sole-file list: it was passed over.
::testing::AssertionResult Skipped(const Road& road, std::string_view name) {
  const auto in = [&](const std::vector<std::string>& rows) {
    return std::any_of(rows.begin(), rows.end(), [&](const std::string& row) {
      return row == name || row.ends_with("\\" + std::string(name));
    });
  };
  if (Names(road.update.rows, name)) return ::testing::AssertionFailure() << "in the update report";
  if (Names(road.identity.rows, name))
    return ::testing::AssertionFailure() << "in the identity report";
  if (road.view && Names(road.view->rows, name))
    return ::testing::AssertionFailure() << "in the folder view";
  if (in(road.sole_in_backup) || in(road.sole_backup.rows) || in(road.sole_disk.rows)) {
    return ::testing::AssertionFailure() << "in a sole-file list";
  }
  return ::testing::AssertionSuccess();
}

struct Fixture {
  const char* label;
  std::string reg = "Reg";            // the registered folder below each drive's root
  std::function<void(World&)> build;  // may plant entries while the commands run
  std::function<void(const Road&, World&)> expect;
  // Entries of the registered folders that the fixture itself changes into
  // something else than a regular file while the commands run.
  std::vector<std::string> planted = {};
};

// A registered folder of folders of 200 letters whose path is about length bytes.
std::string LongFolder(std::size_t length) {
  std::string reg;
  while (reg.size() + 201 < length) reg += std::string(200, 'd') + "\\";
  return reg + "end";
}

const std::vector<Fixture>& Fixtures() {
  static const std::vector<Fixture> fixtures = {
      {"a link to a file in the mirror folder", "Reg",
       [](World& w) {
         World::Link("a.txt", w.Native('H', "link.txt"));
         World::WriteNative(w.Native('C', "link.txt"), "a file where the backup has a link", kT0);
       },
       [](const Road& road, World&) {
         EXPECT_EQ(MarkOf(road.update.rows, "link.txt"), "");
         EXPECT_EQ(MarkOf(road.identity.rows, "link.txt"), texts::IdentityCopyFailedMark);
       }},
      {"a link to a folder outside, in the reference folder", "Reg",
       [](World& w) { World::Link(w.Outside(), w.Native('C', "sub")); },
       [](const Road& road, World&) { EXPECT_TRUE(Skipped(road, "sub")); }},
      {"a dangling link in the mirror folder", "Reg",
       [](World& w) {
         World::Link("nowhere.txt", w.Native('H', "gone.txt"));
         World::WriteNative(w.Native('C', "gone.txt"), "gone", kT0);
       },
       [](const Road& road, World&) {
         EXPECT_EQ(MarkOf(road.update.rows, "gone.txt"), "");
         EXPECT_EQ(MarkOf(road.identity.rows, "gone.txt"), texts::IdentityCopyFailedMark);
       }},
      {"a link in the mirror folder to a file outside", "Reg",
       [](World& w) {
         World::Link(w.Outside() + "/secret.txt", w.Native('H', "secret.txt"));
         World::WriteNative(w.Native('C', "secret.txt"), "newer on the hard disk",
                            kT0 + 9 * kSecond);
       },
       [](const Road& road, World&) {
         EXPECT_EQ(MarkOf(road.update.rows, "secret.txt"), "");
         EXPECT_EQ(MarkOf(road.identity.rows, "secret.txt"), texts::IdentityCopyFailedMark);
       }},
      {"link loops in both folders", "Reg",
       [](World& w) {
         World::Link("loop.txt", w.Native('H', "loop.txt"));
         World::Link("knot", w.Native('C', "knot"));
       },
       [](const Road& road, World&) {
         EXPECT_TRUE(Skipped(road, "loop.txt"));
         EXPECT_TRUE(Skipped(road, "knot"));
       }},
      {"a link planted where a copy lands", "Reg",
       [](World& w) {
         ASSERT_EQ(unlink(w.Native('C', "a.txt").c_str()), 0);
         World::Link(w.Outside() + "/victim.txt", w.Native('C', "a.txt"));
       },
       [](const Road& road, World& w) {
         EXPECT_EQ(MarkOf(road.update.rows, "a.txt"), "")
             << "a twin that is a link is no file to copy over";
         EXPECT_EQ(road.sole_in_backup, std::vector<std::string>{Sjis(w.Folder('C') + "\\a.txt")});
         EXPECT_EQ(MarkOf(road.identity.rows, "a.txt"), texts::IdentityCopyFailedMark);
       }},
      {"a link planted just before the copy",
       "Reg",
       [](World& w) {
         const std::string target = Sjis(w.Folder('C') + "\\a.txt");
         w.fs().before_copy = [&w, target](std::string_view, std::string_view to) {
           if (to != target || !w.fs().before_copy) return;
           unlink(w.Native('C', "a.txt").c_str());
           World::Link(w.Outside() + "/victim.txt", w.Native('C', "a.txt"));
           w.fs().before_copy = nullptr;
         };
       },
       [](const Road& road, World&) {
         EXPECT_EQ(MarkOf(road.update.rows, "a.txt"), texts::CopyFailedMark);
       },
       {"/C/Reg/a.txt"}},
      {"FIFOs in both folders", "Reg",
       [](World& w) {
         ASSERT_EQ(mkfifo(w.Native('H', "fifo.txt").c_str(), 0666), 0);
         World::WriteNative(w.Native('C', "fifo.txt"), "a file where the backup has a FIFO", kT0);
         ASSERT_EQ(mkfifo(w.Native('C', "pipe.txt").c_str(), 0666), 0);
         World::WriteNative(w.Native('H', "pipe.txt"), "a file where the hard disk has a FIFO",
                            kT0);
       },
       [](const Road& road, World& w) {
         EXPECT_EQ(MarkOf(road.update.rows, "fifo.txt"), "");
         EXPECT_EQ(MarkOf(road.identity.rows, "fifo.txt"), texts::IdentityCopyFailedMark);
         EXPECT_EQ(road.sole_in_backup,
                   std::vector<std::string>{Sjis(w.Folder('C') + "\\pipe.txt")});
         EXPECT_EQ(MarkOf(road.identity.rows, "pipe.txt"), texts::IdentityCopyFailedMark);
       }},
      {"a socket in the mirror folder", "Reg",
       [](World& w) {
         const int s = socket(AF_UNIX, SOCK_STREAM, 0);
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         const std::string path = w.Native('H', "sock.txt");
         ASSERT_LT(path.size(), sizeof address.sun_path);
         std::copy(path.begin(), path.end(), address.sun_path);
         ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
         close(s);
       },
       [](const Road& road, World&) { EXPECT_TRUE(Skipped(road, "sock.txt")); }},
      {"a file that cannot be read", "Reg", [](World& w) { w.sys().Deny(w.Native('H', "a.txt")); },
       [](const Road& road, World&) {
         EXPECT_EQ(MarkOf(road.update.rows, "a.txt"), texts::CopyFailedMark);
       }},
      {"a folder that cannot be listed", "Reg", [](World& w) { w.sys().Deny(w.Native('H')); },
       [](const Road& road, World&) {
         EXPECT_EQ(MarkOf(road.update.rows, texts::FolderUnreadableRow), texts::CopyFailedMark);
         EXPECT_EQ(MarkOf(road.identity.rows, texts::FolderUnreadableRow),
                   texts::IdentityCopyFailedMark);
         EXPECT_TRUE(road.fill.source_unreadable);
       }},
      {"a file replaced by a folder between listing and copy",
       "Reg",
       [](World& w) {
         const std::string source = Sjis(w.Folder('H') + "\\a.txt");
         w.fs().before_copy = [&w, source](std::string_view from, std::string_view) {
           if (from != source || !w.fs().before_copy) return;
           unlink(w.Native('H', "a.txt").c_str());
           mkdir(w.Native('H', "a.txt").c_str(), 0777);
           w.fs().before_copy = nullptr;
         };
       },
       [](const Road& road, World&) {
         EXPECT_EQ(MarkOf(road.update.rows, "a.txt"), texts::CopyFailedMark);
       },
       {"/H/Reg/a.txt"}},
      {"a file that vanishes between listing and comparison", "Reg",
       [](World& w) {
         const std::string mirror = Sjis(w.Folder('H'));
         w.fs().after_listing = [&w, mirror](std::string_view folder) {
           if (folder != mirror || !w.fs().after_listing) return;
           unlink(w.Native('H', "a.txt").c_str());
           w.fs().after_listing = nullptr;
         };
       },
       [](const Road& road, World&) { EXPECT_EQ(MarkOf(road.update.rows, "a.txt"), ""); }},
      {"names that are not code page 932 (nor UTF-8)", "Reg",
       [](World& w) {
         World::WriteNative(w.Native('H', "\x83\x5c.txt"), "raw Shift-JIS bytes", kT0 + kSecond);
         World::WriteNative(w.Native('C', "\xff\xfe.txt"), "not UTF-8", kT0 + kSecond);
       },
       [](const Road& road, World&) {
         EXPECT_TRUE(Skipped(road, "\x83\x5c.txt"));
         EXPECT_TRUE(Skipped(road, "\xff\xfe.txt"));
       }},
      {"names code page 932 cannot hold, one of them spelling another file's name", "Reg",
       [](World& w) {
         World::WriteNative(w.Native('H', "é.txt"), "e acute", kT0 + kSecond);
         World::WriteNative(w.Native('C', "😀.txt"), "emoji", kT0 + kSecond);
         // U+301C becomes 81 60, which reads back as U+FF5E: another file.
         World::WriteNative(w.Native('H', "\u301c.txt"), "wave dash, old", kT0);
         World::WriteNative(w.Native('C', "\uff5e.txt"), "full-width tilde, newer", kT0 + kSecond);
       },
       [](const Road& road, World&) {
         EXPECT_EQ(MarkOf(road.update.rows, Sjis("\uff5e.txt")), "")
             << "a twin by another native name";
       }},
      {"names that differ only in letter case", "Reg",
       [](World& w) {
         World::WriteNative(w.Native('H', "Case.txt"), "Case", kT0);
         World::WriteNative(w.Native('H', "case.txt"), "case", kT0);
         World::WriteNative(w.Native('C', "CASE.TXT"), "CASE, newer", kT0 + kSecond);
       },
       [](const Road&, World& w) {
         EXPECT_EQ(w.drives().ReadFile("H:\\Reg\\Case.txt"), "Case");
         EXPECT_EQ(w.drives().ReadFile("H:\\Reg\\case.txt"), "case");
       }},
      {"names with characters Windows forbids", "Reg",
       [](World& w) {
         for (const char* name :
              {"a:b.txt", "q?.txt", "<x>.txt", "p|q.txt", "tab\t.txt", "back\\slash.txt"}) {
           World::WriteNative(w.Native('H', name), "forbidden, newer", kT0 + kSecond);
           World::WriteNative(w.Native('C', name), "forbidden, old", kT0);
         }
         // What the backslash name would stand for, were it taken apart.
         std::filesystem::create_directories(w.Native('C', "back"));
         World::WriteNative(w.Native('C', "back/slash.txt"), "not the file", kT0);
       },
       [](const Road& road, World&) {
         EXPECT_TRUE(Skipped(road, "a:b.txt"));
         EXPECT_TRUE(Skipped(road, "back\\slash.txt"));
       }},
      {"very long names", "Reg",
       [](World& w) {
         World::WriteNative(w.Native('H', std::string(251, 'n') + ".txt"), "long", kT0 + kSecond);
         World::WriteNative(w.Native('C', std::string(251, 'n') + ".txt"), "long, old", kT0);
         std::string japanese;
         for (int i = 0; i < 85; ++i) japanese += "あ";  // 255 bytes of UTF-8, 170 of code page 932
         World::WriteNative(w.Native('H', japanese), "long", kT0 + kSecond);
         World::WriteNative(w.Native('C', japanese), "long, old", kT0);
       },
       [](const Road& road, World&) {
         EXPECT_EQ(MarkOf(road.update.rows, std::string(251, 'n') + ".txt"), texts::CopiedMark);
         std::string japanese;
         for (int i = 0; i < 85; ++i) japanese += "あ";
         EXPECT_EQ(MarkOf(road.update.rows, Sjis(japanese)), texts::CopiedMark);
       }},
      {"very long paths", LongFolder(3900),
       [](World& w) {
         // Files whose paths pass PATH_MAX: the kernel takes no such path.
         const int dir = open(w.Native('H').c_str(), O_RDONLY | O_DIRECTORY);
         ASSERT_GE(dir, 0);
         const int file =
             openat(dir, (std::string(250, 'x') + ".txt").c_str(), O_WRONLY | O_CREAT, 0666);
         close(file);
         close(dir);
       },
       [](const Road& road, World&) {
         EXPECT_EQ(MarkOf(road.update.rows, "a.txt"), texts::CopiedMark);
         EXPECT_EQ(MarkOf(road.update.rows, "b.txt"), texts::CopiedMark);
       }},
      {"a mirror folder that is a link to a folder outside", "Reg",
       [](World& w) {
         std::filesystem::remove_all(w.Native('H'));
         World::Link(w.Outside(), w.Native('H'));
         World::WriteNative(w.Native('C', "victim.txt"), "newer on the hard disk",
                            kT0 + 9 * kSecond);
       },
       [](const Road& road, World&) {
         EXPECT_EQ(MarkOf(road.update.rows, texts::FolderUnreadableRow), texts::CopyFailedMark);
         EXPECT_EQ(MarkOf(road.identity.rows, texts::FolderUnreadableRow),
                   texts::IdentityCopyFailedMark);
       }},
      {"a reference folder that is a link to a folder outside", "Reg",
       [](World& w) {
         std::filesystem::remove_all(w.Native('C'));
         World::Link(w.Outside(), w.Native('C'));
         World::WriteNative(w.Native('H', "victim.txt"), "newer in the backup", kT0 + 9 * kSecond);
       },
       [](const Road& road, World&) {
         EXPECT_EQ(MarkOf(road.update.rows, "victim.txt"), texts::CopyFailedMark);
         EXPECT_EQ(MarkOf(road.identity.rows, texts::FolderUnreadableRow),
                   texts::IdentityCopyFailedMark);
       }},
  };
  return fixtures;
}

TEST(HostileMedia, NoHangNoCrashNoWriteOutsideAndAClearOutcome) {
  const std::vector<Fixture>& fixtures = Fixtures();
  for (std::size_t i = 0; i < fixtures.size(); ++i) {
    const Fixture& fixture = fixtures[i];
    SCOPED_TRACE(::testing::Message() << "fixture " << i << ": " << fixture.label);
    World world(fixture.reg);
    fixture.build(world);
    const TreeSnapshot before = TakeSnapshot(world.drives().base());
    const Road road = RunEveryCommand(world);
    world.sys().Restore();
    const TreeSnapshot after = TakeSnapshot(world.drives().base());
    for (const std::string& path : ChangedPaths(before, after)) {
      if (std::find(fixture.planted.begin(), fixture.planted.end(), path) != fixture.planted.end())
        continue;
      const std::string broken =
          JudgeChange(world, path, EntryAt(before, path), EntryAt(after, path));
      EXPECT_TRUE(broken.empty()) << broken << ": " << path;
    }
    fixture.expect(road, world);
  }
  std::cout << "[ hostile  ] " << fixtures.size() << " fixtures, each through every command\n";
  ::testing::Test::RecordProperty("hostile_fixtures", static_cast<int>(fixtures.size()));
}

}  // namespace
}  // namespace twindir::faults
