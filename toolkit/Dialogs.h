#pragma once
// The boxes and dialogs a handler can open, behind one interface: a backend
// shows real ones, the headless ScriptedDialogs answers from a queue.
// All texts and paths are code page 932.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace twindir::toolkit {

enum class MessageButtons { OK, OKCancel };
enum class MessageIcon { None, Question, Error };
enum class ModalResult { OK, Cancel };

[[nodiscard]] const char* ToString(MessageButtons buttons);
[[nodiscard]] const char* ToString(ModalResult result);

struct MessageBoxRequest {
  std::string text;
  std::string caption;
  MessageButtons buttons = MessageButtons::OK;
  MessageIcon icon = MessageIcon::None;
};

struct OpenDialogRequest {
  bool multiple = false;  // several files may be chosen
};

// The chosen files as full drive-form paths (C:\Mydir\a.txt); nullopt when
// the user cancelled.
using OpenDialogResult = std::optional<std::vector<std::string>>;

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Returns the button pressed; a box with only OK returns OK.
  virtual ModalResult ShowMessageBox(const MessageBoxRequest& request) = 0;
  virtual OpenDialogResult ShowOpenDialog(const OpenDialogRequest& request) = 0;
  // The error box for an exception that no handler caught.
  virtual void ShowErrorBox(std::string_view title, std::string_view text) = 0;
};

}  // namespace twindir::toolkit
