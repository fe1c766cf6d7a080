#pragma once
// The scenario's own set-up and checks of files: folders and files made
// before the program runs, and listings of what it left behind.
//
// These work on the native folders behind the drive map directly, not
// through the program's file services, so that a check reads the disk as it
// is and a set-up can make names the program cannot reach. Paths are drive
// form in UTF-8 (`C:\Mydir\a.txt`); every failure throws ScenarioError.

#include <string>
#include <string_view>

#include "platform/DriveMap.h"
#include "scenario/ScenarioParser.h"

namespace twindir::scenario {

class RecordPrinter;

class ScenarioFiles {
 public:
  explicit ScenarioFiles(const platform::DriveMap& drives) : drives_(drives) {}

  // The native path of a drive-form path; a `..` name is refused, so that
  // no path leaves its drive.
  [[nodiscard]] std::string NativePath(std::string_view drive_path) const;

  // Creates the folder with its missing parents.
  void MakeFolder(std::string_view drive_path) const;

  // Creates or replaces a file (and its missing folders) with these bytes
  // and this last-write time.
  void MakeFile(std::string_view drive_path, std::string_view bytes, const DateTime& utc) const;

  // Appends bytes to a file (created when missing), keeping the last-write
  // time an existing file had.
  void AppendToFile(std::string_view drive_path, std::string_view bytes) const;

  // `Ls.Count=N` and one `Ls[NAME]=TIME SIZE` per regular file, hidden ones
  // included, in byte order of the names; `Ls.Exists=0` for a missing folder.
  void PrintListing(std::string_view drive_path, RecordPrinter& printer) const;

  // `Cat.Text=CONTENTS` (code page 932 shown as UTF-8); `Cat.Exists=0` for a
  // missing file.
  void PrintContents(std::string_view drive_path, RecordPrinter& printer) const;

 private:
  const platform::DriveMap& drives_;
};

// `2026-01-02T03:04:05`, with `.nnnnnnnnn` only when the fraction is not zero.
[[nodiscard]] std::string FormatDateTime(const DateTime& time);

}  // namespace twindir::scenario
