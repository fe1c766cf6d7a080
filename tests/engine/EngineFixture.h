#pragma once
// A fixture for the engine's commands over real temporary folders mapped as
// drive C (the hard disk) and drive H (the backup drive). Paths in the tests
// are UTF-8 drive-form texts; the fixture converts them to code page 932.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ReportRow.h"
#include "engine/Services.h"
#include "folders/FolderTable.h"
#include "platform/NameOrder.h"
#include "platform/PathText.h"
#include "tests/engine/EngineTestSupport.h"
#include "tests/support/TempDrives.h"

namespace twindir::engine {

// Report rows print as UTF-8 in failure messages.
inline void PrintTo(const ReportRow& row, std::ostream* os) {
  *os << "{\"" << testing::Utf8(row.name) << "\", \"" << testing::Utf8(row.mark) << "\", \""
      << testing::Utf8(row.folder) << "\"}";
}

}  // namespace twindir::engine

namespace twindir::engine::testing {

// 2004-09-13 08:05:09 UTC, in 100-nanosecond units since 1601.
inline constexpr platform::FileTime kT0 = 127'395'363'090'000'000;
inline constexpr platform::FileTime kSecond = 10'000'000;

class EngineTest : public ::testing::Test {
 protected:
  test_support::FaultySyscalls syscalls_;
  test_support::TempDrives drives_{{.syscalls = &syscalls_}};
  ObservedFileSystem fs_{drives_.fs(), syscalls_};
  platform::NameOrder order_{"ja"};
  FixedClock clock_;
  ScriptedQuestions questions_;
  Services services_{fs_, order_, clock_, questions_};

  static constexpr char kBackupLetter = 'H';
  static constexpr std::string_view kBackupDrive = "H:";

  // Writes a file with its folders and gives it the last-write time.
  void Write(std::string_view path, std::string_view contents, platform::FileTime time) {
    // A UTF-8 text has no backslash inside a character.
    drives_.MakeFolder(path.substr(0, path.rfind('\\') + 1));
    drives_.WriteFile(path, contents, time);
  }
  void MakeFolder(std::string_view path) { drives_.MakeFolder(path); }

  platform::FileTime TimeOf(std::string_view path) {
    const auto time = fs_.ReadableFileTime(Cp(path));
    EXPECT_TRUE(time.ok()) << path;
    return time.ok() ? time.value() : 0;
  }
  std::string ContentsOf(std::string_view path) {
    const auto contents = fs_.ReadWholeFile(Cp(path));
    EXPECT_TRUE(contents.ok()) << path;
    return contents.ok() ? contents.value() : std::string();
  }
  bool IsFile(std::string_view path) { return fs_.FileExists(Cp(path)); }
  // The native names in a folder, dot-files included: a temporary file that
  // a failed copy left behind shows here.
  std::vector<std::string> NamesIn(std::string_view folder) { return drives_.NativeNames(folder); }
  bool IsFolder(std::string_view path) { return fs_.DirectoryExists(Cp(path)); }

  // The table a load of these reference folders gives, in this order.
  folders::FolderTable Table(const std::vector<std::string_view>& references) {
    folders::FolderTable table;
    table.ListLoaded = true;
    for (std::string_view reference : references) {
      table.RefFolders.push_back(Cp(reference));
      table.MirrorFolders.push_back(platform::MirrorPath(Cp(reference), kBackupLetter));
      if (!fs_.DirectoryExists(table.RefFolders.back())) ++table.MissingOnHddCount;
      if (!fs_.DirectoryExists(table.MirrorFolders.back())) ++table.MissingOnBackupCount;
    }
    table.FolderCount = static_cast<int>(references.size());
    return table;
  }

  // The drive row for the free space the observed file system reports.
  static ReportRow DriveRow512() { return {Cp(" ﾊﾞｯｸｱｯﾌﾟﾄﾞﾗｲﾌﾞ H:"), "", Cp(" 51.2 MB フリー")}; }
};

// A report row from UTF-8 texts.
inline ReportRow Row(std::string_view name, std::string_view mark, std::string_view folder) {
  return {Cp(name), Cp(mark), Cp(folder)};
}

}  // namespace twindir::engine::testing
