#include "bench/TreeModel.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace twindir::bench {

namespace {

std::uint64_t Mix(std::uint64_t x) {  // splitmix64's finaliser
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

std::uint64_t Hash(FileId f, std::uint64_t salt) {
  return Mix((static_cast<std::uint64_t>(f.folder) << 32) ^ static_cast<std::uint64_t>(f.index) ^ (salt << 56));
}

timespec Add(timespec t, long seconds, long nanoseconds) {
  t.tv_sec += seconds;
  t.tv_nsec += nanoseconds;
  if (t.tv_nsec >= 1'000'000'000) {
    t.tv_nsec -= 1'000'000'000;
    ++t.tv_sec;
  }
  return t;
}

int NewerCount(int files, double fraction) { return static_cast<int>(std::lround(files * fraction)); }

}  // namespace

bool TreeModel::HasExtras(int folder) const { return w_.extras_every > 0 && folder % w_.extras_every == 0; }

int TreeModel::FileCount(int folder) const { return w_.files + (HasExtras(folder) ? 2 : 0); }

Role TreeModel::RoleOf(FileId f) const {
  if (f.index == w_.files) return Role::BackupOnly;
  if (f.index == w_.files + 1) return Role::HddOnly;
  // Spread over the folder, in another place in each folder.
  const int place = static_cast<int>((f.index + 13LL * f.folder) % w_.files);
  const int backup_newer = NewerCount(w_.files, w_.backup_newer);
  if (place < backup_newer) return Role::BackupNewer;
  if (place < backup_newer + NewerCount(w_.files, w_.hdd_newer)) return Role::HddNewer;
  return Role::Equal;
}

// Mostly ASCII folders, now and then a Japanese one.
std::string TreeModel::FolderNative(int folder) const {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, folder % 25 == 7 ? "Bench/仕事%04d" : "Bench/F%04d", folder);
  return buffer;
}

std::string TreeModel::FolderDriveForm(int folder) const {
  std::string path = "C:\\" + FolderNative(folder);
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

// A mix of the names users keep: lower and upper case, blanks, Japanese in
// full-width and half-width characters. No two differ only in letter case.
std::string TreeModel::Name(FileId f) const {
  char buffer[64];
  if (f.index == w_.files) {
    std::snprintf(buffer, sizeof buffer, "only-on-backup-%04d.txt", f.folder);
  } else if (f.index == w_.files + 1) {
    std::snprintf(buffer, sizeof buffer, "only-on-disk-%04d.txt", f.folder);
  } else {
    static constexpr const char* kPatterns[] = {
        "file_%05d.dat", "Memo %05d.txt", "file_%05d.dat", "資料_%05d.txt", "file_%05d.dat",
        "ﾃﾞｰﾀ_%05d.csv", "file_%05d.dat", "REPORT_%05d.DOC", "Photo%05d.jpg", "file_%05d.dat",
    };
    std::snprintf(buffer, sizeof buffer, kPatterns[f.index % 10], f.index);
  }
  return buffer;
}

std::uint64_t TreeModel::SizeOf(FileId f, int contents) const {
  if (w_.file_size > 0) return w_.file_size;
  const std::uint64_t size = 100 + Hash(f, 1) % 900;
  return contents == 0 ? size : size + 1 + static_cast<std::uint64_t>(f.index % 7);
}

// Nanosecond parts throughout. One in three newer files is newer by only
// 100 ns, the least difference the program tells, across a second's
// boundary: rsync --update compares whole seconds and would copy the older
// of two files written within one second over the newer.
timespec TreeModel::BaseTime(FileId f) const {
  timespec t{};
  t.tv_sec = 1'700'000'000 + static_cast<time_t>(f.folder) * 10'000 + f.index;
  const Role role = RoleOf(f);
  const bool newer_by_100ns = (role == Role::BackupNewer || role == Role::HddNewer) && f.index % 3 == 0;
  t.tv_nsec = newer_by_100ns ? 999'999'950 : static_cast<long>(Hash(f, 2) % 999'999'800) + 1;
  return t;
}

timespec TreeModel::NewerTime(FileId f) const {
  switch (f.index % 3) {
    case 0: return Add(BaseTime(f), 0, 100);
    case 1: return Add(BaseTime(f), 1, 234'567);
    default: return Add(BaseTime(f), 3 * 86'400, 0);
  }
}

Version TreeModel::VersionOf(FileId f, Side side, State state) const {
  const Role role = RoleOf(f);
  Version v;
  v.present = !(role == Role::BackupOnly && side == Side::Hdd) && !(role == Role::HddOnly && side == Side::Backup);
  if (!v.present) return v;
  const bool newer_here = (role == Role::BackupNewer && side == Side::Backup) ||
                          (role == Role::HddNewer && side == Side::Hdd);
  const bool copied_here = state == State::Updated && (role == Role::BackupNewer || role == Role::HddNewer);
  v.contents = newer_here || copied_here ? 1 : 0;
  v.size = SizeOf(f, v.contents);
  v.time = v.contents == 1 ? NewerTime(f) : BaseTime(f);
  return v;
}

void TreeModel::Contents(FileId f, int contents, std::uint64_t size, std::string& out) const {
  out.resize(size);
  char header[96];
  const int length =
      std::snprintf(header, sizeof header, "twindir bench folder %d file %d version %d\n", f.folder, f.index, contents);
  std::uint64_t state = Hash(f, 3 + static_cast<std::uint64_t>(contents));
  std::size_t at = 0;
  for (; at + 8 <= size; at += 8) {
    state = Mix(state);
    std::memcpy(out.data() + at, &state, 8);
  }
  state = Mix(state);
  std::memcpy(out.data() + at, &state, size - at);
  std::memcpy(out.data(), header, std::min<std::size_t>(static_cast<std::size_t>(length), size));
}

std::uint64_t TreeModel::BackupFiles() const {
  std::uint64_t count = 0;
  for (int i = 0; i < w_.folders; ++i) count += static_cast<std::uint64_t>(w_.files) + (HasExtras(i) ? 1 : 0);
  return count;
}

std::uint64_t TreeModel::NewerFiles() const {
  const int per_folder = NewerCount(w_.files, w_.backup_newer) + NewerCount(w_.files, w_.hdd_newer);
  return static_cast<std::uint64_t>(per_folder) * static_cast<std::uint64_t>(w_.folders);
}

std::uint64_t TreeModel::BackupOnlyFiles() const {
  std::uint64_t count = 0;
  for (int i = 0; i < w_.folders; ++i) count += HasExtras(i) ? 1 : 0;
  return count;
}

std::uint64_t TreeModel::CopiedBytes() const {
  std::uint64_t bytes = 0;
  for (int i = 0; i < w_.folders; ++i) {
    for (int j = 0; j < w_.files; ++j) {
      const Role role = RoleOf({i, j});
      if (role == Role::BackupNewer || role == Role::HddNewer) bytes += SizeOf({i, j}, 1);
    }
  }
  return bytes;
}

}  // namespace twindir::bench
