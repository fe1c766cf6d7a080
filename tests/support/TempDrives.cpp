#include "tests/support/TempDrives.h"

#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/Cp932.h"
#include "platform/NativeTime.h"

namespace twindir::test_support {

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
  throw std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

}  // namespace

std::string Sjis(std::string_view utf8) {
  auto converted = platform::Utf8ToCp932(utf8);
  if (!converted) throw std::invalid_argument("not code page 932: " + std::string(utf8));
  return *converted;
}

TempDrives::TempDrives() : TempDrives(Options{}) {}

TempDrives::TempDrives(Options options) : options_(std::move(options)) {
  std::string pattern = (std::filesystem::temp_directory_path() / "twindir-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) Fail("mkdtemp", pattern);
  base_ = pattern;
  for (char letter : options_.letters) {
    const std::string root = base_ + "/" + letter;
    if (mkdir(root.c_str(), 0777) != 0) Fail("mkdir", root);
    map_.Map(letter, root);
  }
  RebuildFileSystem();
}

TempDrives::~TempDrives() {
  fs_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(base_, ignored);
}

void TempDrives::RebuildFileSystem() {
  fs_.reset();
  fs_ = std::make_unique<platform::LinuxFileSystem>(
      map_, options_.current_directory, options_.syscalls ? *options_.syscalls : platform::Syscalls::Kernel());
}

std::string TempDrives::Root(char letter) const {
  const std::string* root = map_.Root(letter);
  if (!root) throw std::invalid_argument(std::string("drive not mapped: ") + letter);
  return *root;
}

std::string TempDrives::Native(std::string_view path) const {
  if (path.size() < 2 || path[1] != ':') throw std::invalid_argument("not drive form: " + std::string(path));
  std::string native = Root(path[0]);
  std::string_view rest = path.substr(2);
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find_first_of("\\/"), rest.size());
    if (end > 0) native.append("/").append(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return native;
}

void TempDrives::WriteFile(std::string_view path, std::string_view contents) {
  const std::string native = Native(path);
  std::ofstream out(native, std::ios::binary | std::ios::trunc);
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  if (!out.flush()) Fail("write", native);
}

void TempDrives::WriteFile(std::string_view path, std::string_view contents, platform::FileTime mtime) {
  WriteFile(path, contents, platform::TimespecFromFileTime(mtime));
}

void TempDrives::WriteFile(std::string_view path, std::string_view contents, timespec mtime) {
  WriteFile(path, contents);
  SetTime(path, mtime);
}

void TempDrives::SetTime(std::string_view path, timespec mtime) {
  const std::string native = Native(path);
  const timespec times[2] = {mtime, mtime};
  if (utimensat(AT_FDCWD, native.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) Fail("utimensat", native);
}

std::string TempDrives::ReadFile(std::string_view path) const {
  const std::string native = Native(path);
  std::ifstream in(native, std::ios::binary);
  if (!in) Fail("open", native);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

timespec TempDrives::ReadTimespec(std::string_view path) const {
  const std::string native = Native(path);
  struct stat st {};
  if (lstat(native.c_str(), &st) != 0) Fail("lstat", native);
  return st.st_mtim;
}

platform::FileTime TempDrives::ReadTime(std::string_view path) const {
  return platform::FileTimeFromTimespec(ReadTimespec(path));
}

void TempDrives::MakeFolder(std::string_view path) {
  std::filesystem::create_directories(Native(path));
}

bool TempDrives::Exists(std::string_view path) const {
  struct stat st {};
  return lstat(Native(path).c_str(), &st) == 0;
}

std::vector<std::string> TempDrives::NativeNames(std::string_view folder) const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(Native(folder))) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace twindir::test_support
