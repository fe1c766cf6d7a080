#include "toolkit/Component.h"

#include "toolkit/Form.h"

namespace twindir::toolkit {

Component::Component(Form& owner, std::string name) : owner_(owner), name_(std::move(name)) {
  owner_.Register(*this);
}

void Component::ListProperties(const PropertyVisitor& visitor) const {
  WriteProperties(PropertyWriter(owner_.Name() + "." + name_ + ".", visitor));
}

void Component::WriteProperties(const PropertyWriter&) const {}

void Component::Notify(Property property) const {
  if (peer_) peer_->Changed(property);
}

}  // namespace twindir::toolkit
