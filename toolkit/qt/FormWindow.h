#pragma once
// The Qt window of a form: a top-level widget holding the menu bar, if the
// form has one, above a client widget of exactly the form's client size,
// with one widget per control at its pixel place.

#include <QWidget>
#include <chrono>
#include <map>
#include <memory>
#include <vector>

#include "toolkit/Form.h"
#include "toolkit/Menu.h"
#include "toolkit/RepaintThrottle.h"
#include "toolkit/qt/ControlPeers.h"

class QMenu;
class QMenuBar;

namespace twindir::toolkit::qt {

class FormWindow : public QWidget, public FormPeer {
 public:
  explicit FormWindow(Form& form);
  ~FormWindow() override;

  void Changed(Property property) override;
  void BringToFront() override;

  // Draws the client area at once with its current state, at most a few
  // dozen times a second, and only when something changed since.
  void RepaintNow();
  void MarkDirty() { dirty_ = true; }
  // The peer's deferred part is mirrored before the window next draws: at
  // RepaintNow, when it is shown, or when the event loop next runs.
  void DeferToDrawing(WidgetPeer& peer);
  // Mirrors every deferred part now (before a drawing, or a look at a widget).
  void RunDeferredSyncs();
  void ShowPopup(toolkit::PopupMenu& menu, const QPoint& global_position);
  // Chains the focus through the windowed controls by their tab order.
  void SyncTabOrder();

  [[nodiscard]] QWidget& Client() const { return *client_; }
  [[nodiscard]] const Form* GetForm() const { return &form_; }
  // The widget of a control of this form, up to date, or nullptr.
  [[nodiscard]] QWidget* WidgetOf(const Control& control);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  template <class Container>
  void AddMenuItems(Container& container, const std::vector<MenuItem*>& items);
  void SyncFrame();
  void SyncVisible();
  void PlaceOnDesktop();
  void WaitUntilExposed();

  Form& form_;
  QWidget* client_;
  QMenuBar* menu_bar_ = nullptr;
  std::vector<std::unique_ptr<WidgetPeer>> control_peers_;
  std::vector<std::unique_ptr<Peer>> menu_peers_;
  std::map<const toolkit::PopupMenu*, QMenu*> popups_;
  std::vector<WidgetPeer*> deferred_peers_;
  bool deferred_run_posted_ = false;
  RepaintThrottle throttle_{std::chrono::milliseconds(40)};
  bool dirty_ = true;
  bool placed_ = false;
};

}  // namespace twindir::toolkit::qt
