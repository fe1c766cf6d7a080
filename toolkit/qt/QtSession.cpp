#include "toolkit/qt/QtSession.h"

#include <QApplication>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <utility>

#include "toolkit/qt/QtBackend.h"

namespace twindir::toolkit::qt {

namespace {

// The command line of an offscreen session, made up here: QApplication
// keeps references to it for its whole life.
struct OwnCommandLine {
  explicit OwnCommandLine(std::string_view program_name) : name(program_name) {}
  OwnCommandLine(const OwnCommandLine&) = delete;
  OwnCommandLine& operator=(const OwnCommandLine&) = delete;

  int count = 1;
  std::string name;
  char* values[2] = {name.data(), nullptr};
};

// Chooses the offscreen platform before the Qt application starts.
std::unique_ptr<OwnCommandLine> OffscreenCommandLine(std::string_view program_name) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  return std::make_unique<OwnCommandLine>(program_name);
}

std::optional<std::string> NoDrive(std::string_view) { return std::nullopt; }

}  // namespace

// Declared in the order of construction: the Qt application comes before,
// and goes after, every widget.
struct QtSession::State {
  State(int& argc, char** argv, PathTranslator to_drive_form)
      : qt(argc, argv), dialogs(std::move(to_drive_form)) {}
  explicit State(std::string_view program_name)
      : own_command_line(OffscreenCommandLine(program_name)),
        qt(own_command_line->count, own_command_line->values),
        dialogs(NoDrive) {}

  std::unique_ptr<OwnCommandLine> own_command_line;
  QApplication qt;
  QtDialogs dialogs;
  std::unique_ptr<QtBackend> backend;
};

QtSession::QtSession(int& argc, char** argv, PathTranslator to_drive_form)
    : state_(std::make_unique<State>(argc, argv, std::move(to_drive_form))) {}

QtSession::QtSession(Offscreen offscreen)
    : state_(std::make_unique<State>(offscreen.program_name)) {}

QtSession::~QtSession() = default;

toolkit::Dialogs& QtSession::Dialogs() { return state_->dialogs; }

void QtSession::Attach(Application& application) {
  Detach();
  state_->backend = std::make_unique<QtBackend>(application);
}

void QtSession::Detach() { state_->backend.reset(); }

int QtSession::Run() {
  if (!state_->backend) throw std::logic_error("QtSession::Run without an attached application");
  return state_->backend->Run();
}

void QtSession::ProcessEvents() { QApplication::processEvents(); }

bool QtSession::SaveShot(const Form& form, const std::string& png_path) const {
  FormWindow* window = state_->backend ? state_->backend->WindowOf(form) : nullptr;
  if (window) window->RunDeferredSyncs();
  return window && window->grab().save(QString::fromStdString(png_path), "PNG");
}

}  // namespace twindir::toolkit::qt
