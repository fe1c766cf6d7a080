#include "scenario/QtDisplay.h"

#include "scenario/ScenarioError.h"
#include "toolkit/qt/QtSession.h"

namespace twindir::scenario {
namespace {

class QtDisplay : public Display {
 public:
  void Attach(toolkit::Application& application) override { session_.Attach(application); }

  void Detach() override { session_.Detach(); }

  void Settle() override { session_.ProcessEvents(); }

  void SaveShot(toolkit::Form& form, const std::string& png_file) override {
    session_.ProcessEvents();
    if (!session_.SaveShot(form, png_file)) {
      throw ScenarioError("cannot save a picture of " + form.Name() + " to " + png_file);
    }
  }

 private:
  toolkit::qt::QtSession session_{toolkit::qt::QtSession::Offscreen{"twindir-scenario"}};
};

}  // namespace

std::unique_ptr<Display> MakeQtDisplay() { return std::make_unique<QtDisplay>(); }

}  // namespace twindir::scenario
