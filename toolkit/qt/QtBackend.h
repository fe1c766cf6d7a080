#pragma once
// The Qt 6 Widgets backend: every form of the application becomes a real
// window, kept in step with the form's state, and the user's clicks,
// selections and typing reach the controls.
//
// It needs a QApplication. It sets the Fusion style, so that the windows
// look the same on every desktop, and keeps the program running until the
// application terminates (hiding every window does not end it). Destroy it
// before the Application.
//
// Code outside toolkit/qt reaches it through QtSession; Qt tests use it
// directly to reach the widgets.

#include <memory>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Control.h"
#include "toolkit/qt/FormWindow.h"

namespace twindir::toolkit::qt {

class QtBackend : public ApplicationPeer {
 public:
  // Mirrors the forms created so far and every later one.
  explicit QtBackend(Application& app);
  QtBackend(const QtBackend&) = delete;
  QtBackend& operator=(const QtBackend&) = delete;
  ~QtBackend() override;

  void FormCreated(Form& form) override;
  void Terminated() override;

  // Shows the main form and runs the event loop until the program ends.
  int Run();

  // The window of a form, or nullptr.
  [[nodiscard]] FormWindow* WindowOf(const Form& form) const;
  // The widget that shows a control, or nullptr.
  [[nodiscard]] QWidget* WidgetOf(const Control& control) const;

 private:
  Application& app_;
  std::vector<std::unique_ptr<FormWindow>> windows_;
};

}  // namespace twindir::toolkit::qt
