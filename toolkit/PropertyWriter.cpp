#include "toolkit/PropertyWriter.h"

namespace twindir::toolkit {

PropertyWriter::PropertyWriter(std::string prefix, const PropertyVisitor& visitor)
    : prefix_(std::move(prefix)), visitor_(visitor) {}

void PropertyWriter::Text(std::string_view name, std::string_view value) const {
  std::string full = prefix_;
  full += name;
  visitor_(full, value);
}

void PropertyWriter::Bool(std::string_view name, bool value) const { Text(name, value ? "1" : "0"); }

void PropertyWriter::Int(std::string_view name, int value) const { Text(name, std::to_string(value)); }

void PropertyWriter::Color(std::string_view name, Rgb value) const { Text(name, value.ToHex()); }

void PropertyWriter::Font(const FontSpec& font) const {
  Text("FontName", font.name);
  Int("FontHeight", font.height);
  Bool("FontBold", font.bold);
  Color("FontColor", font.color);
}

}  // namespace twindir::toolkit
