#pragma once
// What a command asks the user in the middle of its work. The windows answer
// through their message boxes and file dialog, the scenario runner from its
// queued answers, the tests from a script.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace twindir::engine {

enum class BoxIcon { None, Question };

class Questions {
 public:
  virtual ~Questions() = default;

  // A box with OK and Cancel whose text is the object concerned and whose
  // caption is the question; true only when the user pressed OK.
  virtual bool Confirm(std::string_view text, std::string_view caption, BoxIcon icon) = 0;

  // A plain OK box, titled with the application title.
  virtual void Inform(std::string_view text) = 0;

  // The main window's file-open dialog, switched to multiple selection: the
  // chosen files as full drive-form paths in the order the dialog returns
  // them, or nullopt when the user cancelled.
  virtual std::optional<std::vector<std::string>> ChooseFiles() = 0;
};

}  // namespace twindir::engine
