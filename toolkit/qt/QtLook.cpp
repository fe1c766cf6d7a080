#include "toolkit/qt/QtLook.h"

#include <QPalette>
#include <QWidget>

#include "platform/Cp932.h"
#include "toolkit/ToolkitTexts.h"

namespace twindir::toolkit::qt {

QString ToQString(std::string_view cp932) { return QString::fromStdString(platform::Cp932ToUtf8Lossy(cp932)); }

std::string FromQString(const QString& text) {
  if (std::optional<std::string> whole = platform::Utf8ToCp932(text.toStdString())) return *whole;
  std::string cp932;
  for (char32_t code_point : text.toUcs4()) {
    const std::optional<std::string> one = platform::Utf8ToCp932(QString::fromUcs4(&code_point, 1).toStdString());
    cp932 += one ? *one : std::string("?");
  }
  return cp932;
}

QColor ToQColor(Rgb color) { return QColor(color.red, color.green, color.blue); }

QFont ToQFont(const FontSpec& font) {
  QString family = ToQString(font.name);
  if (font.name == texts::MsPGothic) {
    family = QStringLiteral("IPAPGothic");
  } else if (font.name == "News Gothic MT") {
    family = QStringLiteral("DejaVu Sans");
  }
  QFont qfont(family);
  qfont.setPixelSize(font.height > 0 ? font.height : 1);
  qfont.setBold(font.bold);
  return qfont;
}

QImage ToQImage(const Bitmap& bitmap) {
  QImage image(bitmap.width, bitmap.height, QImage::Format_ARGB32);
  for (int y = 0; y < bitmap.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < bitmap.width; ++x) {
      line[x] = bitmap.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.width) +
                              static_cast<std::size_t>(x)];
    }
  }
  return image;
}

void ApplyColors(QWidget& widget, Rgb background, Rgb text) {
  QPalette palette = widget.palette();
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
    palette.setColor(role, ToQColor(background));
  }
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Active, role, ToQColor(text));
    palette.setColor(QPalette::Inactive, role, ToQColor(text));
    palette.setColor(QPalette::Disabled, role, ToQColor(colors::ButtonShadow));
  }
  palette.setColor(QPalette::Highlight, ToQColor(colors::Highlight));
  palette.setColor(QPalette::HighlightedText, ToQColor(colors::HighlightText));
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace twindir::toolkit::qt
