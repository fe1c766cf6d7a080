// The one file of the runner that meets Qt: it owns the QApplication that
// the Qt backend needs (the backend offers no Qt-free way to start one).
#include "scenario/QtDisplay.h"

#include <QApplication>
#include <QString>
#include <cstdlib>

#include "scenario/ScenarioError.h"
#include "toolkit/qt/QtBackend.h"

namespace twindir::scenario {
namespace {

class QtDisplay : public Display {
 public:
  QtDisplay() : qt_(ArgumentCount(), Arguments()) {}

  void Attach(toolkit::Application& application) override {
    backend_ = std::make_unique<toolkit::qt::QtBackend>(application);
  }

  void Detach() override { backend_.reset(); }

  void Settle() override { QApplication::processEvents(); }

  void SaveShot(toolkit::Form& form, const std::string& png_file) override {
    QApplication::processEvents();
    if (!backend_->SaveShot(form, QString::fromStdString(png_file))) {
      throw ScenarioError("cannot save a picture of " + form.Name() + " to " + png_file);
    }
  }

 private:
  // QApplication keeps references to these for its whole life.
  static int& ArgumentCount() {
    static int count = 1;
    return count;
  }
  static char** Arguments() {
    static char name[] = "twindir-scenario";
    static char* arguments[] = {name, nullptr};
    return arguments;
  }

  QApplication qt_;
  std::unique_ptr<toolkit::qt::QtBackend> backend_;
};

}  // namespace

std::unique_ptr<Display> MakeQtDisplay() {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  return std::make_unique<QtDisplay>();
}

}  // namespace twindir::scenario
