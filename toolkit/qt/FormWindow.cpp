#include "toolkit/qt/FormWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/qt/QtLook.h"

namespace twindir::toolkit::qt {

namespace {

// The menus draw in the Japanese Gothic at the size of the desktop's menus.
constexpr int kMenuFontHeight = 12;

class MenuItemPeer : public Peer {
 public:
  MenuItemPeer(MenuItem& item, QAction& action) : item_(item), action_(action) {
    Changed(Property::Caption);
    Changed(Property::Enabled);
    Changed(Property::Visible);
  }

  void Changed(Property property) override {
    if (property == Property::Caption && !item_.IsSeparator()) action_.setText(ToQString(item_.Caption()));
    if (property == Property::Enabled) action_.setEnabled(item_.Enabled());
    if (property == Property::Visible) action_.setVisible(item_.Visible());
  }

 private:
  MenuItem& item_;
  QAction& action_;
};

QFont MenuFont() {
  FontSpec font = DefaultFont();
  font.height = kMenuFontHeight;
  return ToQFont(font);
}

}  // namespace

FormWindow::FormWindow(Form& form) : form_(form), client_(new QWidget(this)) {
  for (Component* component : form_.Components()) {
    auto* control = dynamic_cast<Control*>(component);
    if (!control) continue;
    if (std::unique_ptr<WidgetPeer> peer = MakeControlPeer(*this, *control, *client_)) {
      control->SetPeer(peer.get());
      control_peers_.push_back(std::move(peer));
    }
  }
  BuildMenus();
  for (const std::unique_ptr<WidgetPeer>& peer : control_peers_) peer->SyncAll();
  form_.SetPeer(this);
  Changed(Property::Caption);
  Changed(Property::Color);
  SyncFrame();
  SyncTabOrder();
  SyncVisible();
}

// The widgets go first, while the peers their signals reach still exist.
FormWindow::~FormWindow() {
  form_.SetPeer(nullptr);
  for (Component* component : form_.Components()) component->SetPeer(nullptr);
  delete client_;
  delete menu_bar_;
  qDeleteAll(findChildren<QMenu*>(Qt::FindDirectChildrenOnly));
}

void FormWindow::BuildMenus() {
  if (MainMenu* menu = form_.Menu()) {
    menu_bar_ = new QMenuBar(this);
    menu_bar_->setFont(MenuFont());
    AddMenuItems(*menu_bar_, menu->Items());
  }
  for (Component* component : form_.Components()) {
    if (auto* popup = dynamic_cast<toolkit::PopupMenu*>(component)) {
      auto* qmenu = new QMenu(this);
      qmenu->setFont(MenuFont());
      AddMenuItems(*qmenu, popup->Items());
      popups_[popup] = qmenu;
    }
  }
}

template <class Container>
void FormWindow::AddMenuItems(Container& container, const std::vector<MenuItem*>& items) {
  for (MenuItem* item : items) {
    QAction* action = nullptr;
    if (item->IsSeparator()) {
      action = container.addSeparator();
    } else if (!item->Items().empty()) {
      QMenu* submenu = container.addMenu(ToQString(item->Caption()));
      submenu->setFont(MenuFont());
      AddMenuItems(*submenu, item->Items());
      action = submenu->menuAction();
    } else {
      action = container.addAction(ToQString(item->Caption()));
      QObject::connect(action, &QAction::triggered, [item] { item->UserClick(); });
    }
    auto peer = std::make_unique<MenuItemPeer>(*item, *action);
    item->SetPeer(peer.get());
    menu_peers_.push_back(std::move(peer));
  }
}

void FormWindow::Changed(Property property) {
  switch (property) {
    case Property::Caption: setWindowTitle(ToQString(form_.Caption())); break;
    case Property::Color:
    case Property::Font: ApplyColors(*client_, form_.Color(), form_.Font().color); break;
    case Property::Frame: SyncFrame(); break;
    case Property::Visible: SyncVisible(); break;
    default: break;
  }
}

void FormWindow::SyncFrame() {
  Qt::WindowFlags flags = Qt::Window;
  if (form_.TitleButtons()) {
    flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  }
  if (windowFlags() != flags) {
    const bool shown = isVisible();
    setWindowFlags(flags);  // hides the window
    if (shown) show();
  }
  const int menu_height = menu_bar_ ? menu_bar_->sizeHint().height() : 0;
  if (menu_bar_) menu_bar_->setGeometry(0, 0, form_.ClientWidth(), menu_height);
  client_->setGeometry(0, menu_height, form_.ClientWidth(), form_.ClientHeight());
  const QSize size(form_.ClientWidth(), form_.ClientHeight() + menu_height);
  if (form_.BorderStyle() == BorderStyle::Sizeable) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(size);
  } else {
    setFixedSize(size);
  }
}

void FormWindow::PlaceOnDesktop() {
  if (form_.Position() == FormPosition::ScreenCenter) {
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    move(desktop.center() - QPoint(width() / 2, height() / 2));
  } else {
    move(form_.Left(), form_.Top());
  }
  placed_ = true;
}

void FormWindow::SyncVisible() {
  if (!form_.Visible()) {
    hide();
    return;
  }
  if (isVisible()) return;
  if (!placed_) PlaceOnDesktop();
  RunDeferredSyncs();
  show();
  WaitUntilExposed();
}

// A handler that shows a window and then keeps the event loop busy (the
// update run with its progress window) can draw into the window only once
// the window system has exposed it. User input stays queued meanwhile.
void FormWindow::WaitUntilExposed() {
  QElapsedTimer waited;
  waited.start();
  while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 500) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
  }
}

// The offscreen platform has no stacking order (and says so on every raise).
void FormWindow::BringToFront() {
  if (!isVisible() || QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  raise();
  activateWindow();
}

void FormWindow::RepaintNow() {
  if (!dirty_ || !isVisible()) return;
  if (!throttle_.Request(RepaintThrottle::Clock::now())) return;
  dirty_ = false;
  RunDeferredSyncs();
  client_->repaint();
}

// A hidden window keeps its deferred parts until it is shown.
void FormWindow::DeferToDrawing(WidgetPeer& peer) {
  deferred_peers_.push_back(&peer);
  if (deferred_run_posted_ || !isVisible()) return;
  deferred_run_posted_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        deferred_run_posted_ = false;
        if (isVisible()) RunDeferredSyncs();
      },
      Qt::QueuedConnection);
}

void FormWindow::RunDeferredSyncs() {
  std::vector<WidgetPeer*> peers;
  peers.swap(deferred_peers_);
  for (WidgetPeer* peer : peers) peer->RunDeferred();
}

void FormWindow::ShowPopup(toolkit::PopupMenu& menu, const QPoint& global_position) {
  const auto found = popups_.find(&menu);
  if (found != popups_.end()) found->second->exec(global_position);
}

QWidget* FormWindow::WidgetOf(const Control& control) {
  RunDeferredSyncs();
  for (const std::unique_ptr<WidgetPeer>& peer : control_peers_) {
    if (&peer->GetControl() == &control) return &peer->Widget();
  }
  return nullptr;
}

void FormWindow::SyncTabOrder() {
  std::vector<WidgetPeer*> chain;
  for (const std::unique_ptr<WidgetPeer>& peer : control_peers_) {
    if (peer->GetControl().IsWindowed() && peer->GetControl().TabStop()) chain.push_back(peer.get());
  }
  std::stable_sort(chain.begin(), chain.end(), [](const WidgetPeer* a, const WidgetPeer* b) {
    return a->GetControl().TabOrder() < b->GetControl().TabOrder();
  });
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(&chain[i - 1]->Widget(), &chain[i]->Widget());
}

// The close box hides the window (closing the main form ends the program);
// a window without title buttons has no close box and stays.
void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!form_.TitleButtons()) return;
  form_.App().RunHandler([this] { form_.Close(); });
}

}  // namespace twindir::toolkit::qt
