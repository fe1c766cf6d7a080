#pragma once
// Where the update run shows how far it is: the progress window's two
// labels and its bar. The run reports each change of a label's text, not
// every file it looks at, so that a run over many unchanged files costs no
// drawing per file.

#include <string_view>

namespace twindir::engine {

class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  virtual void ShowStage(std::string_view text) = 0;  // the stage, then the folder in hand
  virtual void ShowFile(std::string_view text) = 0;   // the copy in hand, or empty
  virtual void SetFolderCount(int count) = 0;         // the bar's maximum
  virtual void SetFolderIndex(int index) = 0;         // the bar's position
};

}  // namespace twindir::engine
