// The rewrite behind AddFolder, RemoveFolder and ReplaceFolder.
//
// The new file is built from the folder table: its folders, less the one
// taken out, plus the one put in, as a sorted name list (a name equal to an
// earlier one is dropped, so the spelling registered first stays). The
// lines of a hand-edited file that the load did not take (those after the
// 500th) follow in their file order, less the folder taken out and any name
// already written, so that no line the user wrote is lost and the next load
// takes the same folders as before, apart from the edit.

#include <optional>
#include <unordered_set>

#include "folders/FolderList.h"

namespace twindir::folders {

struct FolderList::Edit {
  std::optional<std::string_view> take_out;  // matched without regard to ASCII letter case
  std::optional<std::string_view> put_in;
};

RewriteResult FolderList::Rewrite(const FolderTable& table, const Edit& edit) {
  const auto taken_out = [&](const std::string& line) {
    return edit.take_out && platform::AsciiCaseEqual(line, *edit.take_out);
  };

  // A list file that exists but could not be read is not in the table:
  // writing the table would replace the user's folders.
  if (table.ListReadError != platform::Error::None && fs_.FileExists(paths_.ListFilePath)) {
    return {RewriteStatus::WriteFailed, {}, table.ListReadError, paths_.ListFilePath};
  }

  std::vector<std::string> names;
  for (int i = 0; i < table.FolderCount; ++i) {
    if (!taken_out(table.RefFolders[i])) names.push_back(table.RefFolders[i]);
  }
  if (edit.put_in) names.emplace_back(*edit.put_in);
  std::vector<std::string> lines = platform::SortedNameList(std::move(names), order_);
  if (edit.put_in && lines.size() > MaxFolderCount) {
    return {RewriteStatus::TooManyFolders, {}, platform::Error::None, {}};
  }

  std::unordered_set<std::string> written;
  for (const std::string& line : lines) written.insert(order_.SortKey(line));
  for (const std::string& line : table.UnloadedLines) {
    if (!taken_out(line) && written.insert(order_.SortKey(line)).second) lines.push_back(line);
  }

  if (const platform::Status status = WriteFolderList(lines); !status.ok()) {
    return {RewriteStatus::WriteFailed, {}, status.error(), paths_.ListFilePath};
  }
  return {RewriteStatus::Reloaded, LoadFolderList(table), platform::Error::None, {}};
}

RewriteResult FolderList::AddFolder(const FolderTable& table, std::string_view folder) {
  return Rewrite(table, {std::nullopt, folder});
}

RewriteResult FolderList::RemoveFolder(const FolderTable& table, std::string_view folder) {
  return Rewrite(table, {folder, std::nullopt});
}

RewriteResult FolderList::ReplaceFolder(const FolderTable& table, std::string_view old_folder,
                                        std::string_view new_folder) {
  return Rewrite(table, {old_folder, new_folder});
}

}  // namespace twindir::folders
