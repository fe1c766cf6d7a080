#pragma once
// How the windows are shown while a scenario runs. Headless runs have no
// display; the Qt display shows every form as real widgets on the offscreen
// platform and can save pictures of them.

#include <string>

namespace twindir::toolkit {
class Application;
class Form;
}  // namespace twindir::toolkit

namespace twindir::scenario {

class Display {
 public:
  virtual ~Display() = default;
  // Before the first form is created.
  virtual void Attach(toolkit::Application& application) = 0;
  // Before the application goes: lets go of its forms.
  virtual void Detach() = 0;
  // After each line: lets the widgets catch up with the controls' state.
  virtual void Settle() = 0;
  // Saves a picture of the form as it is drawn now; throws ScenarioError.
  virtual void SaveShot(toolkit::Form& form, const std::string& png_file) = 0;
};

}  // namespace twindir::scenario
