#include "toolkit/qt/QtBackend.h"

#include <QApplication>
#include <QStyleFactory>

#include "toolkit/qt/FormWindow.h"

namespace twindir::toolkit::qt {

QtBackend::QtBackend(Application& app) : app_(app) {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setQuitOnLastWindowClosed(false);
  for (Form* form : app_.Forms()) FormCreated(*form);
  app_.SetPeer(this);
}

QtBackend::~QtBackend() { app_.SetPeer(nullptr); }

void QtBackend::FormCreated(Form& form) { windows_.push_back(std::make_unique<FormWindow>(form)); }

void QtBackend::Terminated() { QCoreApplication::quit(); }

int QtBackend::Run() {
  app_.ShowMainForm();
  if (!app_.Terminated()) QApplication::exec();
  return 0;
}

FormWindow* QtBackend::WindowOf(const Form& form) const {
  for (const std::unique_ptr<FormWindow>& window : windows_) {
    if (window->GetForm() == &form) return window.get();
  }
  return nullptr;
}

QWidget* QtBackend::WidgetOf(const Control& control) const {
  for (const std::unique_ptr<FormWindow>& window : windows_) {
    if (window->GetForm() == &control.Owner()) return window->WidgetOf(control);
  }
  return nullptr;
}

}  // namespace twindir::toolkit::qt
