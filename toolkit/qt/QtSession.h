#pragma once
// A Qt session, for code that must not include Qt itself: it owns the Qt
// application, the real message boxes and file dialogs, and, while an
// application is attached, the Qt windows of its forms.
//
// A session is either on the user's display, with the program's command
// line, or on the offscreen platform, which needs no screen (pictures of the
// windows can still be saved). There is one session per process.

#include <memory>
#include <string>
#include <string_view>

#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"
#include "toolkit/qt/QtDialogs.h"

namespace twindir::toolkit::qt {

class QtSession {
 public:
  // The choice of the offscreen platform, with the program name Qt is told.
  struct Offscreen {
    std::string_view program_name;
  };

  // On the user's display. Qt takes its own options out of the command line
  // and keeps references to argc and argv: both must outlive the session.
  QtSession(int& argc, char** argv, PathTranslator to_drive_form);
  // On the offscreen platform (it sets QT_QPA_PLATFORM=offscreen for the
  // process). Its file dialog knows no drive.
  explicit QtSession(Offscreen offscreen);
  QtSession(const QtSession&) = delete;
  QtSession& operator=(const QtSession&) = delete;
  ~QtSession();

  // Real message boxes, and the file dialog that turns the chosen files into
  // drive form. Valid for the life of the session.
  [[nodiscard]] toolkit::Dialogs& Dialogs();

  // Shows the application's forms, those created so far and every later
  // one, as Qt windows until Detach. The application must outlive the
  // attachment; attaching another one detaches the first.
  void Attach(Application& application);
  void Detach();

  // Attach for the life of a scope.
  class [[nodiscard]] Attached {
   public:
    Attached(QtSession& session, Application& application) : session_(session) {
      session_.Attach(application);
    }
    Attached(const Attached&) = delete;
    Attached& operator=(const Attached&) = delete;
    ~Attached() { session_.Detach(); }

   private:
    QtSession& session_;
  };

  // Shows the main form and runs the event loop until the program ends.
  // Needs an attached application.
  int Run();
  // Handles the events waiting now (the windows catch up with their forms).
  void ProcessEvents();
  // Saves a picture of the form's window as it is drawn now, to a native
  // (UTF-8) path; false when the form has no window or the file cannot be
  // written.
  [[nodiscard]] bool SaveShot(const Form& form, const std::string& png_path) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace twindir::toolkit::qt
