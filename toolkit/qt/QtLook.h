#pragma once
// Turning the toolkit's texts, colours, fonts and pictures into Qt's.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <string>
#include <string_view>

#include "toolkit/FontSpec.h"
#include "toolkit/Picture.h"
#include "toolkit/Rgb.h"

class QWidget;

namespace twindir::toolkit::qt {

// Code page 932 to Qt's Unicode; bytes that are not code page 932 show as U+FFFD.
[[nodiscard]] QString ToQString(std::string_view cp932);
// What the user typed, to code page 932; a character that code page 932
// cannot hold becomes "?".
[[nodiscard]] std::string FromQString(const QString& text);

[[nodiscard]] QColor ToQColor(Rgb color);
// The Japanese Gothic of the layouts is drawn with IPA P Gothic, at the
// font's pixel height.
[[nodiscard]] QFont ToQFont(const FontSpec& font);
[[nodiscard]] QImage ToQImage(const Bitmap& bitmap);

// Paints the widget's background in background and its texts in text
// (grey while the widget is disabled).
void ApplyColors(QWidget& widget, Rgb background, Rgb text);

}  // namespace twindir::toolkit::qt
