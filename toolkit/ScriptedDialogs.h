#pragma once
// Headless dialogs: the answers come from queues that the caller (the
// scenario runner, a test) fills beforehand, and every box and dialog is
// reported to an observer as it opens and as it is answered.
//
// A box with OK and Cancel, or a file dialog, that opens with no answer
// queued throws UnansweredDialog. That type does not derive from
// std::exception on purpose: the toolkit's handler boundary, and any
// handler's own catch of std::exception, let it through to the caller.

#include <deque>
#include <string>

#include "toolkit/Dialogs.h"

namespace twindir::toolkit {

class DialogObserver {
 public:
  virtual ~DialogObserver() = default;
  virtual void MessageBoxOpened(const MessageBoxRequest& request) = 0;
  virtual void MessageBoxAnswered(ModalResult answer) = 0;
  virtual void OpenDialogOpened(const OpenDialogRequest& request) = 0;
  virtual void OpenDialogAnswered(const OpenDialogResult& result) = 0;
  virtual void ErrorBoxShown(std::string_view title, std::string_view text) = 0;
};

class UnansweredDialog {
 public:
  explicit UnansweredDialog(std::string what) : what_(std::move(what)) {}
  [[nodiscard]] const std::string& What() const { return what_; }

 private:
  std::string what_;
};

class ScriptedDialogs : public Dialogs {
 public:
  // observer may be nullptr.
  explicit ScriptedDialogs(DialogObserver* observer = nullptr) : observer_(observer) {}

  // The button pressed in the next box with OK and Cancel.
  void QueueAnswer(ModalResult answer) { answers_.push_back(answer); }
  // The result of the next file-open dialog.
  void QueueOpenResult(OpenDialogResult result) { open_results_.push_back(std::move(result)); }
  [[nodiscard]] std::size_t QueuedAnswers() const { return answers_.size(); }
  [[nodiscard]] std::size_t QueuedOpenResults() const { return open_results_.size(); }

  ModalResult ShowMessageBox(const MessageBoxRequest& request) override;
  OpenDialogResult ShowOpenDialog(const OpenDialogRequest& request) override;
  void ShowErrorBox(std::string_view title, std::string_view text) override;

 private:
  DialogObserver* observer_;
  std::deque<ModalResult> answers_;
  std::deque<OpenDialogResult> open_results_;
};

}  // namespace twindir::toolkit
