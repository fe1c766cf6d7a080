#include "scenario/ScenarioFiles.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/TextFormat.h"
#include "scenario/RecordPrinter.h"
#include "scenario/ScenarioError.h"

namespace twindir::scenario {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(std::string_view what, std::string_view path, const std::error_code& error) {
  throw ScenarioError(std::string(what) + " " + std::string(path) + ": " + error.message());
}

std::error_code LastError() { return {errno, std::generic_category()}; }

timespec ToTimespec(const DateTime& utc) {
  std::tm fields{};
  fields.tm_year = utc.year - 1900;
  fields.tm_mon = utc.month - 1;
  fields.tm_mday = utc.day;
  fields.tm_hour = utc.hour;
  fields.tm_min = utc.minute;
  fields.tm_sec = utc.second;
  return timespec{timegm(&fields), utc.nanosecond};
}

DateTime FromTimespec(const timespec& time) {
  std::tm fields{};
  gmtime_r(&time.tv_sec, &fields);
  return DateTime{fields.tm_year + 1900,
                  fields.tm_mon + 1,
                  fields.tm_mday,
                  fields.tm_hour,
                  fields.tm_min,
                  fields.tm_sec,
                  static_cast<int>(time.tv_nsec)};
}

void SetLastWriteTime(const std::string& native, const timespec& time, std::string_view drive_path) {
  const timespec times[2] = {time, time};
  if (utimensat(AT_FDCWD, native.c_str(), times, 0) != 0)
    Fail("cannot set the time of", drive_path, LastError());
}

void WriteBytes(const std::string& native, std::string_view bytes, std::ios::openmode mode,
                std::string_view drive_path) {
  std::ofstream out(native, std::ios::binary | mode);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) Fail("cannot write", drive_path, LastError());
}

void MakeParentFolders(const std::string& native, std::string_view drive_path) {
  std::error_code error;
  fs::create_directories(fs::path(native).parent_path(), error);
  if (error) Fail("cannot create the folder of", drive_path, error);
}

}  // namespace

std::string FormatDateTime(const DateTime& time) {
  std::string text = platform::Format("%04d-%02d-%02dT%02d:%02d:%02d", time.year, time.month, time.day,
                                      time.hour, time.minute, time.second);
  if (time.nanosecond != 0) text += platform::Format(".%09d", time.nanosecond);
  return text;
}

std::string ScenarioFiles::NativePath(std::string_view drive_path) const {
  if (drive_path.size() < 2 || drive_path[1] != ':') {
    throw ScenarioError("not a drive-form path: " + std::string(drive_path));
  }
  const std::string* root = drives_.Root(drive_path[0]);
  if (root == nullptr) throw ScenarioError("no drive " + std::string(drive_path.substr(0, 2)));
  std::string native = *root;
  std::string_view rest = drive_path.substr(2);
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\\'), rest.size());
    const std::string_view name = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (name.empty() || name == ".") continue;
    if (name == "..") throw ScenarioError("a path may not go up with ..: " + std::string(drive_path));
    if (native.empty() || native.back() != '/') native += '/';
    native += name;
  }
  return native;
}

void ScenarioFiles::MakeFolder(std::string_view drive_path) const {
  std::error_code error;
  fs::create_directories(NativePath(drive_path), error);
  if (error) Fail("cannot create", drive_path, error);
}

void ScenarioFiles::MakeFile(std::string_view drive_path, std::string_view bytes, const DateTime& utc) const {
  const std::string native = NativePath(drive_path);
  MakeParentFolders(native, drive_path);
  WriteBytes(native, bytes, std::ios::trunc, drive_path);
  SetLastWriteTime(native, ToTimespec(utc), drive_path);
}

void ScenarioFiles::AppendToFile(std::string_view drive_path, std::string_view bytes) const {
  const std::string native = NativePath(drive_path);
  struct stat before {};
  const bool existed = stat(native.c_str(), &before) == 0;
  if (!existed) MakeParentFolders(native, drive_path);
  WriteBytes(native, bytes, std::ios::app, drive_path);
  if (existed) SetLastWriteTime(native, before.st_mtim, drive_path);
}

void ScenarioFiles::PrintListing(std::string_view drive_path, RecordPrinter& printer) const {
  const std::string native = NativePath(drive_path);
  std::error_code error;
  if (!fs::is_directory(native, error)) {
    printer.PrintUtf8("Ls.Exists", "0");
    return;
  }
  std::vector<std::pair<std::string, struct stat>> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(native, error)) {
    struct stat st {};
    if (lstat(entry.path().c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
      files.emplace_back(entry.path().filename().string(), st);
    }
  }
  if (error) Fail("cannot list", drive_path, error);
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  printer.PrintUtf8("Ls.Count", std::to_string(files.size()));
  for (const auto& [name, st] : files) {
    printer.PrintUtf8("Ls[" + name + "]",
                      FormatDateTime(FromTimespec(st.st_mtim)) + " " + std::to_string(st.st_size));
  }
}

void ScenarioFiles::PrintContents(std::string_view drive_path, RecordPrinter& printer) const {
  const std::string native = NativePath(drive_path);
  std::error_code error;
  if (!fs::is_regular_file(native, error)) {
    printer.PrintUtf8("Cat.Exists", "0");
    return;
  }
  std::ifstream in(native, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) Fail("cannot read", drive_path, LastError());
  printer.Print("Cat.Text", bytes);
}

}  // namespace twindir::scenario
