#include "toolkit/qt/ControlPeers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <array>

#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/qt/FormWindow.h"
#include "toolkit/qt/GridWidget.h"
#include "toolkit/qt/PaintedWidgets.h"
#include "toolkit/qt/QtLook.h"

namespace twindir::toolkit::qt {

namespace {

// The place first and the visibility last: a widget shown before it has a
// size is given one by laying out its contents, fonts loaded and all.
constexpr auto kControlProperties = std::to_array<Property>(
    {Property::Bounds, Property::Caption, Property::Text, Property::Lines, Property::Hint, Property::ShowHint,
     Property::Enabled, Property::Color, Property::Font, Property::TabOrder, Property::Checked, Property::GridSize,
     Property::Cells, Property::Row, Property::Range, Property::Position, Property::Picture, Property::Appearance,
     Property::Visible});

class LabelPeer : public WidgetPeer {
 public:
  LabelPeer(FormWindow& window, Label& label, QLabel& widget) : WidgetPeer(window, label, widget), label_(label), widget_(widget) {
    widget_.setTextFormat(Qt::PlainText);
    widget_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }

 protected:
  void SyncOwn(Property property) override {
    if (property == Property::Caption) text_stale_ = true;
    const bool resizes = property == Property::Caption || property == Property::Font ||
                         property == Property::Bounds || property == Property::Appearance;
    if (resizes) size_stale_ = true;
    if (text_stale_ || size_stale_) DeferToDrawing();
  }

  // A label that sizes itself to its text lays the text out to learn its
  // size: the dearest step of a caption change.
  void SyncDeferred() override {
    if (text_stale_) widget_.setText(ToQString(label_.Caption()));
    if (size_stale_ && label_.AutoSize()) widget_.resize(widget_.sizeHint());
    text_stale_ = size_stale_ = false;
  }

 private:
  Label& label_;
  QLabel& widget_;
  bool text_stale_ = false;
  bool size_stale_ = false;
};

class ButtonPeer : public WidgetPeer {
 public:
  ButtonPeer(FormWindow& window, Button& button, QPushButton& widget)
      : WidgetPeer(window, button, widget), button_(button), widget_(widget) {
    QObject::connect(&widget_, &QPushButton::clicked, [this] { button_.UserClick(); });
  }

 protected:
  void SyncOwn(Property property) override {
    if (property == Property::Caption) widget_.setText(ToQString(button_.Caption()));
  }

 private:
  Button& button_;
  QPushButton& widget_;
};

// Qt ticks the box itself before it reports the click; the control then
// toggles its own state, and the box is set from that state.
class CheckBoxPeer : public WidgetPeer {
 public:
  CheckBoxPeer(FormWindow& window, CheckBox& box, QCheckBox& widget)
      : WidgetPeer(window, box, widget), box_(box), widget_(widget) {
    QObject::connect(&widget_, &QCheckBox::clicked, [this] {
      box_.UserClick();
      SyncOwn(Property::Checked);
    });
  }

 protected:
  void SyncOwn(Property property) override {
    if (property == Property::Caption) widget_.setText(ToQString(box_.Caption()));
    if (property == Property::Checked) widget_.setChecked(box_.Checked());
  }

 private:
  CheckBox& box_;
  QCheckBox& widget_;
};

class EditPeer : public WidgetPeer {
 public:
  EditPeer(FormWindow& window, Edit& edit, QLineEdit& widget) : WidgetPeer(window, edit, widget), edit_(edit), widget_(widget) {
    QObject::connect(&widget_, &QLineEdit::textEdited, [this](const QString& text) { edit_.UserEditText(FromQString(text)); });
  }

 protected:
  void SyncOwn(Property property) override {
    if (property == Property::Text) widget_.setText(ToQString(edit_.Text()));
  }

 private:
  Edit& edit_;
  QLineEdit& widget_;
};

class MemoPeer : public WidgetPeer {
 public:
  MemoPeer(FormWindow& window, Memo& memo, QPlainTextEdit& widget) : WidgetPeer(window, memo, widget), memo_(memo), widget_(widget) {
    QObject::connect(&widget_, &QPlainTextEdit::textChanged, [this] {
      if (!setting_text_) memo_.UserEditText(FromQString(widget_.toPlainText()));
    });
  }

 protected:
  void SyncOwn(Property property) override {
    if (property == Property::Lines) {
      QStringList lines;
      for (const std::string& line : memo_.Lines()) lines << ToQString(line);
      setting_text_ = true;
      widget_.setPlainText(lines.join(QLatin1Char('\n')));
      setting_text_ = false;
    }
    if (property == Property::Appearance) {
      widget_.setLineWrapMode(memo_.WordWrap() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
      const ScrollBars bars = memo_.ScrollBars();
      const bool vertical = bars == ScrollBars::Vertical || bars == ScrollBars::Both;
      const bool horizontal = bars == ScrollBars::Horizontal || bars == ScrollBars::Both;
      widget_.setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
      widget_.setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
      widget_.setReadOnly(memo_.ReadOnly());
      widget_.setFrameShape(memo_.BorderStyle() == BorderStyle::None ? QFrame::NoFrame : QFrame::StyledPanel);
    }
  }

 private:
  Memo& memo_;
  QPlainTextEdit& widget_;
  bool setting_text_ = false;
};

class GridPeer : public WidgetPeer {
 public:
  GridPeer(FormWindow& window, StringGrid& grid, GridWidget& widget) : WidgetPeer(window, grid, widget), grid_(grid), widget_(widget) {
    widget_.on_context_menu = [this](const QPoint& at) {
      if (toolkit::PopupMenu* menu = grid_.PopupMenu()) window_.ShowPopup(*menu, at);
    };
  }

 protected:
  void SyncOwn(Property property) override {
    switch (property) {
      case Property::GridSize: widget_.SyncShape(); break;
      case Property::Row: widget_.SyncRow(); break;
      case Property::Hint:
      case Property::ShowHint: widget_.viewport()->setToolTip(widget_.toolTip()); break;
      case Property::Appearance:
        widget_.setFrameShape(grid_.BorderStyle() == BorderStyle::None ? QFrame::NoFrame : QFrame::Box);
        widget_.viewport()->update();
        break;
      default: widget_.viewport()->update(); break;
    }
  }

 private:
  StringGrid& grid_;
  GridWidget& widget_;
};

class ProgressBarPeer : public WidgetPeer {
 public:
  ProgressBarPeer(FormWindow& window, ProgressBar& bar, QProgressBar& widget)
      : WidgetPeer(window, bar, widget), bar_(bar), widget_(widget) {
    widget_.setTextVisible(false);
  }

 protected:
  void SyncOwn(Property property) override {
    if (property == Property::Position || property == Property::Range) DeferToDrawing();
  }

  // QProgressBar repaints at once on a new value, outside the throttle.
  void SyncDeferred() override {
    widget_.setRange(bar_.Min(), bar_.Max());
    widget_.setValue(bar_.Position());
  }

 private:
  ProgressBar& bar_;
  QProgressBar& widget_;
};

class ImagePeer : public WidgetPeer {
 public:
  ImagePeer(FormWindow& window, Image& image, ImageWidget& widget) : WidgetPeer(window, image, widget), widget_(widget) {}

 protected:
  void SyncOwn(Property property) override {
    if (property == Property::Picture) widget_.update();
  }

 private:
  ImageWidget& widget_;
};

// A panel repaints at once when its look changes, so that a pressed
// picture button is drawn pressed before its click handler runs.
class PanelPeer : public WidgetPeer {
 public:
  PanelPeer(FormWindow& window, Panel& panel, PanelWidget& widget) : WidgetPeer(window, panel, widget), widget_(widget) {}

 protected:
  void SyncOwn(Property property) override {
    if (property == Property::Bounds || property == Property::Visible || property == Property::Enabled) return;
    if (widget_.isVisible()) {
      widget_.repaint();
    } else {
      widget_.update();
    }
  }

 private:
  PanelWidget& widget_;
};

template <class PeerType, class WidgetType, class ControlType, class... Args>
std::unique_ptr<WidgetPeer> Make(FormWindow& window, ControlType& control, QWidget& client, Args&&... args) {
  auto* widget = new WidgetType(std::forward<Args>(args)..., &client);
  return std::make_unique<PeerType>(window, control, *widget);
}

}  // namespace

WidgetPeer::WidgetPeer(FormWindow& window, Control& control, QWidget& widget)
    : window_(window), control_(control), widget_(widget) {}

void WidgetPeer::Changed(Property property) {
  switch (property) {
    case Property::Bounds:
      widget_.setGeometry(control_.Left(), control_.Top(), control_.Width(), control_.Height());
      break;
    case Property::Enabled: widget_.setEnabled(control_.Enabled()); break;
    case Property::Visible: widget_.setVisible(control_.Visible()); break;
    case Property::Hint:
    case Property::ShowHint:
      widget_.setToolTip(control_.ShowHint() ? ToQString(control_.Hint()) : QString());
      break;
    case Property::Color:
    case Property::Font:
      ApplyColors(widget_, control_.Color(), control_.Font().color);
      widget_.setFont(ToQFont(control_.Font()));
      break;
    case Property::TabOrder:
      widget_.setFocusPolicy(control_.IsWindowed() && control_.TabStop() ? Qt::StrongFocus : Qt::NoFocus);
      window_.SyncTabOrder();
      break;
    default: break;
  }
  SyncOwn(property);
  window_.MarkDirty();
}

void WidgetPeer::RepaintNow() { window_.RepaintNow(); }

void WidgetPeer::SyncAll() {
  for (Property property : kControlProperties) Changed(property);
}

void WidgetPeer::DeferToDrawing() {
  if (deferred_) return;
  deferred_ = true;
  window_.DeferToDrawing(*this);
}

void WidgetPeer::RunDeferred() {
  if (!deferred_) return;
  deferred_ = false;
  SyncDeferred();
}

std::unique_ptr<WidgetPeer> MakeControlPeer(FormWindow& window, Control& control, QWidget& client) {
  if (auto* panel = dynamic_cast<Panel*>(&control)) return Make<PanelPeer, PanelWidget>(window, *panel, client, *panel);
  if (auto* label = dynamic_cast<Label*>(&control)) return Make<LabelPeer, QLabel>(window, *label, client);
  if (auto* button = dynamic_cast<Button*>(&control)) return Make<ButtonPeer, QPushButton>(window, *button, client);
  if (auto* box = dynamic_cast<CheckBox*>(&control)) return Make<CheckBoxPeer, QCheckBox>(window, *box, client);
  if (auto* edit = dynamic_cast<Edit*>(&control)) return Make<EditPeer, QLineEdit>(window, *edit, client);
  if (auto* memo = dynamic_cast<Memo*>(&control)) return Make<MemoPeer, QPlainTextEdit>(window, *memo, client);
  if (auto* grid = dynamic_cast<StringGrid*>(&control)) return Make<GridPeer, GridWidget>(window, *grid, client, *grid);
  if (auto* bar = dynamic_cast<ProgressBar*>(&control)) return Make<ProgressBarPeer, QProgressBar>(window, *bar, client);
  if (auto* image = dynamic_cast<Image*>(&control)) return Make<ImagePeer, ImageWidget>(window, *image, client, *image);
  return nullptr;
}

}  // namespace twindir::toolkit::qt
