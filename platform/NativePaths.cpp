#include "platform/NativePaths.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>

#include "platform/Cp932.h"
#include "platform/DirectoryReader.h"
#include "platform/NativeName.h"
#include "platform/PathText.h"
#include "platform/UniqueFd.h"

namespace twindir::platform {

namespace {

// Where the names begin in a native path of the drive: "/" roots are not
// written, so that "/" + "a" gives "/a".
std::size_t NamesStart(const Drive& drive) { return drive.root == "/" ? 0 : drive.root.size(); }

}  // namespace

Error ErrorFromErrno(int error) {
  switch (error) {
    case ENOENT: return Error::NotFound;
    case ENOTDIR: return Error::NotADirectory;
    case EACCES:
    case EPERM:
    case EROFS: return Error::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return Error::NoSpace;
    case ELOOP:
    case EISDIR: return Error::NotAFile;
    case EEXIST: return Error::AlreadyExists;
    case ENAMETOOLONG: return Error::BadPath;
    default: return Error::Io;
  }
}

NativePaths::NativePaths(const DriveMap& map, Syscalls& sys) : sys_(sys) {
  for (const auto& [letter, root] : map.Drives()) {
    Drive drive;
    drive.letter = letter;
    drive.root = root;
    struct stat st {};
    drive.present = sys_.FStatAt(AT_FDCWD, root.c_str(), &st, 0) == 0 && S_ISDIR(st.st_mode);
    drive.device = st.st_dev;
    drive.inode = st.st_ino;
    drives_.push_back(std::move(drive));
  }
}

Status NativePaths::ToNative(std::string_view path, std::string& native, const Drive*& drive) {
  if (path.size() < 2 || !IsAsciiLetter(path[0]) || path[1] != ':') return Error::BadPath;
  const char letter = AsciiUpper(path[0]);
  const auto found = std::find_if(drives_.begin(), drives_.end(), [&](const Drive& d) { return d.letter == letter; });
  if (found == drives_.end()) return Error::NotFound;
  drive = &*found;
  utf8_.clear();
  if (!AppendCp932AsUtf8(path.substr(2), utf8_)) return Error::BadPath;
  native.assign(drive->root, 0, NamesStart(*drive));
  const std::size_t names_start = native.size();
  std::string_view rest = utf8_;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find_first_of("\\/"), rest.size());
    const std::string_view name = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      if (native.size() > names_start) native.resize(native.rfind('/'));
      continue;
    }
    if (std::any_of(name.begin(), name.end(), IsForbiddenInName)) return Error::BadPath;
    native.push_back('/');
    native.append(name);
  }
  if (native.empty()) native = "/";
  return {};
}

bool NativePaths::IsGone(const Drive& drive) {
  if (!drive.present) return true;
  struct stat st {};
  if (sys_.FStatAt(AT_FDCWD, drive.root.c_str(), &st, 0) != 0) return true;
  return st.st_dev != drive.device || st.st_ino != drive.inode;
}

// The remembered folder is checked only in the folders where it took a
// caseless match; a folder below them matched exactly may since have been
// renamed or removed. A walk from it that fails is therefore tried again
// from the root, and the memory dropped.
Status NativePaths::FindCaseless(const Drive& drive, std::string& native, Missing missing) {
  const FoundFolder& remembered = found_folder_;
  const bool resumable = missing != Missing::RestMayBeMissing && remembered.drive == &drive &&
                         native.size() > remembered.asked.size() && native.starts_with(remembered.asked) &&
                         native[remembered.asked.size()] == '/' && StillHolds(remembered);
  if (resumable) {
    if (Walk(drive, native, missing, true).ok()) return {};
    found_folder_ = FoundFolder();
  }
  const Status walked = Walk(drive, native, missing, false);
  // A name missing from a medium that was there and is gone now is gone
  // with it: the commands show that as a failure, a missing name they pass over.
  if (walked.error() == Error::NotFound && drive.present && IsGone(drive)) return Error::DriveGone;
  return walked;
}

// FindCaseless from the drive's root, or from the remembered folder.
Status NativePaths::Walk(const Drive& drive, std::string& native, Missing missing, bool resumed) {
  std::size_t start = NamesStart(drive);
  walked_.assign(native, 0, start);
  if (resumed) {
    walked_ = found_folder_.found;
    start = found_folder_.asked.size();
  }
  stamps_.clear();
  std::size_t folder_stamps = 0;  // stamps taken for folders, not for the last name
  std::string_view rest = std::string_view(native).substr(start);
  bool past_missing = false;  // a name was missing: it and the names below it stay as given
  while (!rest.empty()) {
    rest.remove_prefix(1);  // the '/' before each name
    const std::size_t end = std::min(rest.find('/'), rest.size());
    const std::string_view name = rest.substr(0, end);
    rest.remove_prefix(end);
    const bool last = rest.empty();
    const std::size_t parent_size = walked_.size();
    walked_.push_back('/');
    walked_.append(name);
    struct stat st {};
    if (!past_missing) {
      if (sys_.FStatAt(AT_FDCWD, walked_.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) continue;
      if (errno != ENOENT) return ErrorFromErrno(errno);
      walked_.resize(parent_size);
      Stamp stamp;
      stamp.folder = walked_.empty() ? std::string("/") : walked_;
      const Result<int> matches = MatchesInFolder(stamp.folder, name, match_, stamp);
      if (!matches.ok()) return matches.error();
      if (matches.value() == 1) {
        walked_.push_back('/');
        walked_.append(match_);
        stamps_.push_back(std::move(stamp));
        if (!last) folder_stamps = stamps_.size();
        continue;
      }
      walked_.push_back('/');
      walked_.append(name);
      if (missing == Missing::Fail) return Error::NotFound;
      if (missing == Missing::LastMayBeMissing) {
        if (!last) return Error::NotFound;
        continue;
      }
      past_missing = true;
    }
  }
  if (!resumed && missing != Missing::RestMayBeMissing && folder_stamps > 0) {
    found_folder_.drive = &drive;
    found_folder_.asked.assign(native, 0, native.rfind('/'));
    found_folder_.found.assign(walked_, 0, walked_.rfind('/'));
    stamps_.resize(folder_stamps);
    found_folder_.stamps.swap(stamps_);
  }
  native.swap(walked_);
  if (native.empty()) native = "/";
  return {};
}

bool NativePaths::StillHolds(const FoundFolder& found) {
  for (const Stamp& stamp : found.stamps) {
    struct stat st {};
    if (sys_.FStatAt(AT_FDCWD, stamp.folder.c_str(), &st, 0) != 0 || st.st_ino != stamp.inode ||
        st.st_mtim.tv_sec != stamp.modified.tv_sec || st.st_mtim.tv_nsec != stamp.modified.tv_nsec) {
      return false;
    }
  }
  return true;
}

// The number of reachable entries of folder equal to name without regard
// to case (counting stops at two: more than one is as good as none), the
// last of them in match, and the folder's stamp as it was read. A folder
// that cannot be read gives its error, not "no such name": a name missing
// for a failed read would be created anew over the entry it has.
Result<int> NativePaths::MatchesInFolder(const std::string& folder, std::string_view name, std::string& match,
                                         Stamp& stamp) {
  UniqueFd dir(sys_, sys_.OpenAt(AT_FDCWD, folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
  if (!dir.valid()) return ErrorFromErrno(errno);
  struct stat st {};
  if (sys_.FStat(dir.get(), &st) != 0) return ErrorFromErrno(errno);
  stamp.inode = st.st_ino;
  stamp.modified = st.st_mtim;
  int matches = 0;
  const int failed = ForEachEntry(sys_, dir.get(), dents_, [&](std::string_view entry, unsigned char) {
    if (matches > 1 || !CaselessEqual(entry, name)) return;
    reachable_.clear();
    if (!AppendReachableName(entry, reachable_)) return;
    match.assign(entry);
    ++matches;
  });
  if (failed) return ErrorFromErrno(failed);
  return matches;
}

}  // namespace twindir::platform
