#pragma once
// Test doubles for the engine's commands: scripted answers to its questions,
// recorders for its progress and sole-in-backup paths, a fixed clock, and a
// file system that passes every call to the real one over temporary drives
// but can fail chosen copies and writes, reports a set free space and
// counts copies and flushes. A chosen copy fails inside the real safe copy,
// through a system call that fails on cue, so what it leaves behind is what
// a real failure leaves.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/FolderListing.h"
#include "engine/Progress.h"
#include "engine/Questions.h"
#include "folders/FolderTable.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/FileSystem.h"
#include "tests/support/FaultySyscalls.h"

namespace twindir::engine::testing {

// The code page 932 bytes of a UTF-8 text.
inline std::string Cp(std::string_view utf8) {
  const std::optional<std::string> cp932 = platform::Utf8ToCp932(utf8);
  EXPECT_TRUE(cp932.has_value()) << "not code page 932: " << utf8;
  return cp932.value_or(std::string());
}

// For failure messages: code page 932 back to UTF-8.
inline std::string Utf8(std::string_view cp932) { return platform::Cp932ToUtf8Lossy(cp932); }

class ScriptedQuestions : public Questions {
 public:
  struct Box {
    std::string text;
    std::string caption;  // empty for an OK box
    BoxIcon icon = BoxIcon::None;
  };

  std::deque<bool> confirm_answers;  // true for OK
  std::deque<std::optional<std::vector<std::string>>> dialog_answers;
  std::vector<Box> confirms;
  std::vector<std::string> informs;
  int dialogs = 0;

  bool Confirm(std::string_view text, std::string_view caption, BoxIcon icon) override {
    confirms.push_back({std::string(text), std::string(caption), icon});
    if (confirm_answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << Utf8(text);
      return false;
    }
    const bool answer = confirm_answers.front();
    confirm_answers.pop_front();
    return answer;
  }

  void Inform(std::string_view text) override { informs.emplace_back(text); }

  std::optional<std::vector<std::string>> ChooseFiles() override {
    ++dialogs;
    if (dialog_answers.empty()) {
      ADD_FAILURE() << "unexpected file dialog";
      return std::nullopt;
    }
    auto answer = dialog_answers.front();
    dialog_answers.pop_front();
    return answer;
  }
};

// Each call as one text: "stage ...", "file ...", "count N", "index N".
class RecordingProgress : public ProgressSink {
 public:
  std::vector<std::string> events;
  void ShowStage(std::string_view text) override { events.push_back("stage " + std::string(text)); }
  void ShowFile(std::string_view text) override { events.push_back("file " + std::string(text)); }
  void SetFolderCount(int count) override { events.push_back("count " + std::to_string(count)); }
  void SetFolderIndex(int index) override { events.push_back("index " + std::to_string(index)); }
};

// Records each path with the row the folder table says it goes into.
class CollectingSoleSink : public SoleInBackupSink {
 public:
  explicit CollectingSoleSink(const folders::FolderTable& table) : table_(table) {}
  std::vector<std::string> paths;
  std::vector<int> rows;
  void AppendSoleInBackup(const std::string& hard_disk_path) override {
    paths.push_back(hard_disk_path);
    rows.push_back(table_.SoleInBackupCount);
  }

 private:
  const folders::FolderTable& table_;
};

class FixedClock : public platform::Clock {
 public:
  platform::LocalTime now{2004, 9, 13, 8, 5, 9};
  platform::LocalTime Now() override { return now; }
};

class ObservedFileSystem : public platform::FileSystem {
 public:
  // inner runs its system calls through syscalls.
  ObservedFileSystem(platform::FileSystem& inner, test_support::FaultySyscalls& syscalls)
      : inner_(inner), syscalls_(syscalls) {}

  // CopyFile to these paths runs and fails at the system call copy_fault
  // (by default the rename of the finished temporary file over the target).
  std::set<std::string> failing_copy_targets;
  test_support::Call copy_fault = test_support::Call::RenameAt;
  std::set<std::string> failing_write_paths;   // WriteWholeFile of these fails: write-protected
  // ReadableFileTime of these is refused, as for a file that another program
  // holds open for writing; the files are there all the same.
  std::set<std::string> unreadable_files;
  std::optional<platform::Result<std::uint64_t>> free_bytes{std::uint64_t{51'200'000}};
  std::map<std::string, int> flushes;  // path given to Flush -> calls
  int copies = 0;                      // CopyFile calls

  std::string CurrentDirectory() override { return inner_.CurrentDirectory(); }
  bool FileExists(std::string_view path) override { return inner_.FileExists(path); }
  bool DirectoryExists(std::string_view path) override { return inner_.DirectoryExists(path); }
  platform::Status CreateDirectory(std::string_view path) override {
    return inner_.CreateDirectory(path);
  }
  platform::Status ForceDirectories(std::string_view path) override {
    return inner_.ForceDirectories(path);
  }
  platform::Result<platform::FileTime> ReadableFileTime(std::string_view path) override {
    if (unreadable_files.count(std::string(path)) != 0) return platform::Error::AccessDenied;
    return inner_.ReadableFileTime(path);
  }
  platform::Result<std::vector<platform::DirEntry>> ListDirectory(
      std::string_view folder) override {
    return inner_.ListDirectory(folder);
  }
  platform::Status CopyFile(std::string_view source, std::string_view target) override {
    ++copies;
    if (failing_copy_targets.count(std::string(target)) == 0) return inner_.CopyFile(source, target);
    syscalls_.FailAll(copy_fault, EIO);
    const platform::Status status = inner_.CopyFile(source, target);
    syscalls_.Heal();
    return status;
  }
  platform::Status DeleteFile(std::string_view path) override { return inner_.DeleteFile(path); }
  platform::Result<std::uint64_t> FreeBytes(std::string_view root) override {
    return free_bytes ? *free_bytes : inner_.FreeBytes(root);
  }
  platform::Result<std::string> ReadWholeFile(std::string_view path) override {
    return inner_.ReadWholeFile(path);
  }
  platform::Status WriteWholeFile(std::string_view path, std::string_view bytes) override {
    if (failing_write_paths.count(std::string(path)) != 0) return platform::Error::AccessDenied;
    return inner_.WriteWholeFile(path, bytes);
  }
  platform::Status Flush(std::string_view path) override {
    ++flushes[std::string(path)];
    return inner_.Flush(path);
  }

 private:
  platform::FileSystem& inner_;
  test_support::FaultySyscalls& syscalls_;
};

}  // namespace twindir::engine::testing
