#pragma once
// File services that report a chosen free space for some drives, so that
// the drive row of a report is the same on every machine. Everything else
// goes to the wrapped file services unchanged.

#include <cstdint>
#include <map>

#include "platform/FileSystem.h"

namespace twindir::scenario {

class FreeSpaceOverride : public platform::FileSystem {
 public:
  // free_bytes holds the chosen amounts by upper-case drive letter; it is
  // read at every call, so amounts set later count at once.
  FreeSpaceOverride(platform::FileSystem& inner, const std::map<char, std::uint64_t>& free_bytes)
      : inner_(inner), free_bytes_(free_bytes) {}

  std::string CurrentDirectory() override { return inner_.CurrentDirectory(); }
  bool FileExists(std::string_view path) override { return inner_.FileExists(path); }
  bool DirectoryExists(std::string_view path) override { return inner_.DirectoryExists(path); }
  platform::Status CreateDirectory(std::string_view path) override { return inner_.CreateDirectory(path); }
  platform::Status ForceDirectories(std::string_view path) override { return inner_.ForceDirectories(path); }
  platform::Result<platform::FileTime> ReadableFileTime(std::string_view path) override {
    return inner_.ReadableFileTime(path);
  }
  std::unique_ptr<platform::FolderFiles> OpenFolderFiles(std::string_view folder) override {
    return inner_.OpenFolderFiles(folder);
  }
  platform::Result<std::vector<platform::DirEntry>> ListDirectory(std::string_view folder) override {
    return inner_.ListDirectory(folder);
  }
  platform::Status CopyFile(std::string_view source, std::string_view target) override {
    return inner_.CopyFile(source, target);
  }
  platform::Status DeleteFile(std::string_view path) override { return inner_.DeleteFile(path); }
  platform::Result<std::uint64_t> FreeBytes(std::string_view root) override;
  platform::Result<std::string> ReadWholeFile(std::string_view path) override {
    return inner_.ReadWholeFile(path);
  }
  platform::Status WriteWholeFile(std::string_view path, std::string_view bytes) override {
    return inner_.WriteWholeFile(path, bytes);
  }
  platform::Status Flush(std::string_view path) override { return inner_.Flush(path); }

 private:
  platform::FileSystem& inner_;
  const std::map<char, std::uint64_t>& free_bytes_;
};

}  // namespace twindir::scenario
