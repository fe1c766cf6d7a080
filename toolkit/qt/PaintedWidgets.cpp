#include "toolkit/qt/PaintedWidgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <optional>

#include "toolkit/qt/QtCanvas.h"
#include "toolkit/qt/QtLook.h"

namespace twindir::toolkit::qt {

namespace {

std::optional<MouseButton> ToMouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return std::nullopt;
  }
}

}  // namespace

PanelWidget::PanelWidget(Panel& panel, QWidget* parent) : QWidget(parent), panel_(panel) {}

void PanelWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QtCanvas canvas(painter);
  panel_.Paint(canvas);
}

void PanelWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (std::optional<MouseButton> button = ToMouseButton(event->button())) panel_.UserMouseDown(*button, at.x(), at.y());
}

void PanelWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (std::optional<MouseButton> button = ToMouseButton(event->button())) panel_.UserMouseUp(*button, at.x(), at.y());
}

ImageWidget::ImageWidget(Image& image, QWidget* parent) : QWidget(parent), image_(image) {}

void ImageWidget::paintEvent(QPaintEvent*) {
  const Bitmap* graphic = image_.Picture().Graphic();
  if (!graphic) return;
  QPainter painter(this);
  const QImage picture = ToQImage(*graphic);
  if (image_.Stretch()) {
    painter.drawImage(rect(), picture);
  } else {
    painter.drawImage(QPoint(0, 0), picture);
  }
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) image_.UserClick();
}

}  // namespace twindir::toolkit::qt
