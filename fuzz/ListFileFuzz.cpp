// The list file: the input is a list file as anyone may have written it.
// Loading takes its first 500 lines whole; a rewrite that registers a
// folder keeps every line of the file (but those the name order finds
// equal to one kept), comes out sorted without equal lines, and loads back
// as the table it wrote; unregistering the folder again gives the same
// lines less that folder.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "folders/FolderList.h"
#include "folders/StartupPaths.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/ListFileLines.h"
#include "platform/NameOrder.h"

namespace {

using namespace twindir;
using platform::Error;

// File services holding files in memory, enough for the list file: whole
// files are read and written, nothing else exists.
class MemoryFiles final : public platform::FileSystem {
 public:
  std::map<std::string, std::string, std::less<>> files;

  std::string CurrentDirectory() override { return "H:\\"; }
  bool FileExists(std::string_view path) override { return files.find(path) != files.end(); }
  bool DirectoryExists(std::string_view) override { return false; }
  platform::Status CreateDirectory(std::string_view) override { return Error::NotFound; }
  platform::Status ForceDirectories(std::string_view) override { return Error::NotFound; }
  platform::Result<platform::FileTime> ReadableFileTime(std::string_view) override {
    return Error::NotFound;
  }
  platform::Result<std::vector<platform::DirEntry>> ListDirectory(std::string_view) override {
    return Error::NotFound;
  }
  platform::Status CopyFile(std::string_view, std::string_view) override { return Error::NotFound; }
  platform::Status DeleteFile(std::string_view) override { return Error::NotFound; }
  platform::Result<std::uint64_t> FreeBytes(std::string_view) override { return Error::NotFound; }
  platform::Result<std::string> ReadWholeFile(std::string_view path) override {
    const auto found = files.find(path);
    if (found == files.end()) return Error::NotFound;
    return found->second;
  }
  platform::Status WriteWholeFile(std::string_view path, std::string_view bytes) override {
    files[std::string(path)] = std::string(bytes);
    return {};
  }
  platform::Status Flush(std::string_view) override { return {}; }
};

constexpr std::string_view kListFile = "H:\\TWINDIR.DAT";
constexpr std::string_view kAdded = "C:\\Fuzz";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const platform::NameOrder order("ja");
  MemoryFiles fs;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  fs.files[std::string(kListFile)] = bytes;
  folders::FolderList list(fs, order, folders::StartupPathsFor("H:\\"));
  const std::vector<std::string> written = fuzz::ListFileLines(bytes);

  const folders::LoadResult load = list.LoadFolderList(folders::FolderTable{});
  FUZZ_CHECK(load.status == folders::LoadStatus::Loaded);
  const std::size_t taken = std::min<std::size_t>(written.size(), folders::MaxFolderCount);
  FUZZ_CHECK(load.table.FolderCount == static_cast<int>(taken));
  FUZZ_CHECK(std::equal(written.begin(), written.begin() + static_cast<std::ptrdiff_t>(taken),
                        load.table.RefFolders.begin()));
  FUZZ_CHECK(load.too_many == (taken == folders::MaxFolderCount));

  const folders::RewriteResult added = list.AddFolder(load.table, kAdded);
  if (added.status == folders::RewriteStatus::TooManyFolders) {
    FUZZ_CHECK(fs.files[std::string(kListFile)] == bytes);
    return 0;
  }
  FUZZ_CHECK(added.status == folders::RewriteStatus::Reloaded);
  const std::string& rewritten_bytes = fs.files[std::string(kListFile)];
  const std::vector<std::string> rewritten = fuzz::ListFileLines(rewritten_bytes);
  FUZZ_CHECK(rewritten_bytes.empty() || rewritten_bytes.ends_with("\r\n"));
  const auto holds = [&](const std::string& line) {
    for (const std::string& kept : rewritten) {
      if (kept == line || order.Compare(kept, line) == 0) return true;
    }
    return false;
  };
  for (const std::string& line : written) FUZZ_CHECK(holds(line));
  FUZZ_CHECK(holds(std::string(kAdded)));
  const std::size_t table_lines = std::min<std::size_t>(rewritten.size(), folders::MaxFolderCount);
  for (std::size_t i = 1; i < table_lines; ++i)
    FUZZ_CHECK(order.Compare(rewritten[i - 1], rewritten[i]) < 0);
  FUZZ_CHECK(added.reload.table.FolderCount == static_cast<int>(table_lines));

  // Unregistering the folder again takes out its line and every line equal
  // to it but for the case of ASCII letters, and nothing else.
  const folders::RewriteResult removed = list.RemoveFolder(added.reload.table, kAdded);
  FUZZ_CHECK(removed.status == folders::RewriteStatus::Reloaded);
  std::vector<std::string> expected;
  for (const std::string& line : rewritten) {
    if (!platform::AsciiCaseEqual(line, kAdded)) expected.push_back(line);
  }
  FUZZ_CHECK(fuzz::ListFileLines(fs.files[std::string(kListFile)]) == expected);
  return 0;
}
