#include "platform/DriveMap.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>

#include "platform/NativeName.h"
#include "platform/PathText.h"

namespace twindir::platform {

namespace {

// "/media/me/MO/" and "/media//me/MO" both become "/media/me/MO"; "/" stays.
std::string NormalizeRoot(std::string_view root) {
  std::string out;
  for (char c : root) {
    if (c == '/' && !out.empty() && out.back() == '/') continue;
    out.push_back(c);
  }
  if (out.size() > 1 && out.back() == '/') out.pop_back();
  return out;
}

// True when path is root or lies below it; both normalized.
bool IsUnder(std::string_view path, std::string_view root) {
  if (root == "/") return !path.empty() && path.front() == '/';
  return path.starts_with(root) && (path.size() == root.size() || path[root.size()] == '/');
}

// The mount point holding path: the highest folder on the same device.
std::string MountPointOf(const std::string& path) {
  std::string current = path;
  struct stat st {};
  if (stat(current.c_str(), &st) != 0) return "/";
  while (current != "/") {
    const std::size_t slash = current.rfind('/');
    std::string parent = slash == 0 ? "/" : current.substr(0, slash);
    struct stat parent_st {};
    if (stat(parent.c_str(), &parent_st) != 0 || parent_st.st_dev != st.st_dev) break;
    current = std::move(parent);
  }
  return current;
}

}  // namespace

void DriveMap::Map(char letter, std::string native_root) {
  const char upper = AsciiUpper(letter);
  std::string root = NormalizeRoot(native_root);
  auto it = std::find_if(drives_.begin(), drives_.end(), [&](const auto& d) { return d.first == upper; });
  if (it != drives_.end()) {
    it->second = std::move(root);
    return;
  }
  drives_.emplace_back(upper, std::move(root));
  std::sort(drives_.begin(), drives_.end());
}

std::optional<DriveMap> DriveMap::Parse(std::string_view map_text) {
  DriveMap map;
  while (!map_text.empty()) {
    const std::size_t end = std::min(map_text.find(';'), map_text.size());
    const std::string_view item = map_text.substr(0, end);
    map_text.remove_prefix(std::min(end + 1, map_text.size()));
    if (item.empty()) continue;  // a trailing or doubled ';'
    if (item.size() < 3 || !IsAsciiLetter(item[0]) || item[1] != '=' || item[2] != '/') return std::nullopt;
    map.Map(item[0], std::string(item.substr(2)));
  }
  if (map.drives_.empty()) return std::nullopt;
  return map;
}

DriveMap DriveMap::ForUser(const std::string& home, const std::string& start_dir) {
  if (const char* map_text = std::getenv("TWINDIR_DRIVES")) {
    if (auto parsed = Parse(map_text)) return *std::move(parsed);
  }
  DriveMap map;
  const std::string home_root = NormalizeRoot(home);
  map.Map('C', home_root);
  map.Map('Z', "/");
  char* real = realpath(start_dir.c_str(), nullptr);
  const std::string start = real ? real : NormalizeRoot(start_dir);
  std::free(real);
  const std::string mount = MountPointOf(start);
  if (mount != "/" && !IsUnder(mount, home_root)) {
    for (char letter = 'D'; letter < 'Z'; ++letter) {
      if (!map.Root(letter)) {
        map.Map(letter, mount);
        break;
      }
    }
  }
  return map;
}

const std::string* DriveMap::Root(char letter) const {
  const char upper = AsciiUpper(letter);
  for (const auto& [drive, root] : drives_) {
    if (drive == upper) return &root;
  }
  return nullptr;
}

std::vector<std::pair<char, std::string>> DriveMap::Drives() const { return drives_; }

std::optional<std::string> DriveMap::ToDriveForm(std::string_view native_path) const {
  const std::string path = NormalizeRoot(native_path);
  const std::pair<char, std::string>* best = nullptr;
  for (const auto& drive : drives_) {
    if (IsUnder(path, drive.second) && (!best || drive.second.size() > best->second.size())) best = &drive;
  }
  if (!best) return std::nullopt;
  std::string out{best->first, ':', '\\'};
  std::string_view rest = std::string_view(path).substr(best->second == "/" ? 1 : best->second.size());
  bool first = true;
  while (!rest.empty()) {
    if (rest.front() == '/') rest.remove_prefix(1);
    const std::size_t end = std::min(rest.find('/'), rest.size());
    const std::string_view name = rest.substr(0, end);
    rest.remove_prefix(end);
    if (name.empty() || name == ".") continue;
    if (name == "..") return std::nullopt;  // not worth resolving: dialogs give clean paths
    if (!first) out.push_back('\\');
    if (!AppendReachableName(name, out)) return std::nullopt;
    first = false;
  }
  return out;
}

}  // namespace twindir::platform
