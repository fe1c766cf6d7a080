#include "toolkit/Image.h"

#include "toolkit/ChangeField.h"

namespace twindir::toolkit {

Image::Image(Form& owner, std::string name) : Control(owner, std::move(name), Windowed::No) { SetSize(105, 105); }

void Image::SetPicture(const toolkit::Picture& picture) {
  picture_.Assign(picture);
  Notify(Property::Picture);
}

void Image::SetStretch(bool stretch) {
  if (ChangeField(stretch_, stretch)) Notify(Property::Picture);
}

void Image::WriteProperties(const PropertyWriter& out) const {
  Control::WriteProperties(out);
  out.Text("Picture", picture_.Summary());
  out.Bool("Stretch", stretch_);
}

}  // namespace twindir::toolkit
