#pragma once
// A fresh temporary folder with one subfolder per drive letter, mapped as
// drives, with a LinuxFileSystem over them; removed with everything in it
// when the object goes.
//
// The helpers take drive-form paths as the tests write them, in UTF-8
// (`C:\データ\ソ.txt`, slashes work too), and work on the native files
// directly, by their exact names, without the file services under test.
// Sjis() gives the code page 932 form that the file services take.

#include <time.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DriveMap.h"
#include "platform/FileSystem.h"
#include "platform/LinuxFileSystem.h"
#include "platform/Syscalls.h"

namespace twindir::test_support {

// The code page 932 form of a UTF-8 text; throws std::invalid_argument when
// code page 932 cannot hold it.
std::string Sjis(std::string_view utf8);

class TempDrives {
 public:
  struct Options {
    std::string letters = "CH";
    std::string current_directory = "H:\\";  // code page 932, as CurrentDirectory() reports it
    platform::Syscalls* syscalls = nullptr;   // the kernel when null
  };

  TempDrives();
  explicit TempDrives(Options options);
  ~TempDrives();
  TempDrives(const TempDrives&) = delete;
  TempDrives& operator=(const TempDrives&) = delete;

  platform::LinuxFileSystem& fs() { return *fs_; }
  const platform::DriveMap& map() const { return map_; }
  const std::string& base() const { return base_; }  // the temporary folder

  // A new LinuxFileSystem over the same map, which takes the drive roots as
  // they are now.
  void RebuildFileSystem();

  std::string Root(char letter) const;  // the native root of a drive
  std::string Native(std::string_view path) const;

  // Writes a file (folders must exist), with the given last-write time or now.
  void WriteFile(std::string_view path, std::string_view contents);
  void WriteFile(std::string_view path, std::string_view contents, platform::FileTime mtime);
  void WriteFile(std::string_view path, std::string_view contents, timespec mtime);
  void SetTime(std::string_view path, timespec mtime);

  std::string ReadFile(std::string_view path) const;
  platform::FileTime ReadTime(std::string_view path) const;
  timespec ReadTimespec(std::string_view path) const;

  void MakeFolder(std::string_view path);  // with every missing parent
  bool Exists(std::string_view path) const;  // anything, links not followed
  // The native names in a folder, dot-files included, sorted byte-wise.
  std::vector<std::string> NativeNames(std::string_view folder) const;

 private:
  Options options_;
  std::string base_;
  platform::DriveMap map_;
  std::unique_ptr<platform::LinuxFileSystem> fs_;
};

}  // namespace twindir::test_support
