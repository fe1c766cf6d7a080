#include "toolkit/qt/QtCanvas.h"

#include <QFontMetrics>

#include "toolkit/qt/QtLook.h"

namespace twindir::toolkit::qt {

namespace {

QRect ToQRect(const Rect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

Qt::Alignment ToQtAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Left: return Qt::AlignLeft;
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Center: return Qt::AlignHCenter;
  }
  return Qt::AlignHCenter;
}

}  // namespace

void QtCanvas::FillSolid(const Rect& rect, Rgb color) { painter_.fillRect(ToQRect(rect), ToQColor(color)); }

// The line height of the font, as a single-line text of any characters takes.
int QtCanvas::TextHeight(std::string_view) { return QFontMetrics(ToQFont(Font())).height(); }

void QtCanvas::DrawText(const Rect& rect, std::string_view text, Alignment alignment) {
  const QFont font = ToQFont(Font());
  const int flags = static_cast<int>(ToQtAlignment(alignment) | Qt::AlignVCenter) | Qt::TextSingleLine |
                    Qt::TextShowMnemonic | Qt::TextExpandTabs;
  const QString shown = ToQString(text);
  painter_.setFont(font);
  if (Brush()) {
    const QRect extent = painter_.boundingRect(ToQRect(rect), flags, shown);
    painter_.fillRect(extent, ToQColor(*Brush()));
  }
  painter_.setPen(ToQColor(Font().color));
  painter_.drawText(ToQRect(rect), flags, shown);
}

void QtCanvas::StretchDraw(const Rect& rect, const Picture& picture) {
  if (const Bitmap* graphic = picture.Graphic()) painter_.drawImage(ToQRect(rect), ToQImage(*graphic));
}

}  // namespace twindir::toolkit::qt
