#pragma once
// Widgets that the toolkit's controls paint themselves: the panel (and so
// the picture button) through the canvas, and the image.

#include <QWidget>

#include "toolkit/Image.h"
#include "toolkit/Panel.h"

namespace twindir::toolkit::qt {

// Paints through Panel::Paint and hands the mouse to the panel. Qt keeps
// the mouse with the widget from a press to the release, wherever the
// pointer goes, so the release reaches the panel that saw the press.
class PanelWidget : public QWidget {
 public:
  PanelWidget(Panel& panel, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Panel& panel_;
};

// Draws the picture at the top-left corner, or stretched; a left release
// inside is a click.
class ImageWidget : public QWidget {
 public:
  ImageWidget(Image& image, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Image& image_;
};

}  // namespace twindir::toolkit::qt
