#pragma once
// Listing a component's properties as NAME=VALUE records.
//
// Names are qualified by form and component ("Form1.Button3.Caption");
// booleans are 0 or 1, integers decimal, colours #RRGGBB. Texts stay code
// page 932: whoever prints them converts and escapes them.

#include <functional>
#include <string>
#include <string_view>

#include "toolkit/FontSpec.h"
#include "toolkit/Rgb.h"

namespace twindir::toolkit {

using PropertyVisitor = std::function<void(std::string_view name, std::string_view value)>;

class PropertyWriter {
 public:
  // prefix is put before every name, e.g. "Form1.Button3.".
  PropertyWriter(std::string prefix, const PropertyVisitor& visitor);

  void Text(std::string_view name, std::string_view value) const;
  void Bool(std::string_view name, bool value) const;
  void Int(std::string_view name, int value) const;
  void Color(std::string_view name, Rgb value) const;
  // FontName, FontHeight, FontBold, FontColor.
  void Font(const FontSpec& font) const;

 private:
  std::string prefix_;
  const PropertyVisitor& visitor_;
};

}  // namespace twindir::toolkit
