#pragma once
// The base of everything a form owns: a name, the owning form, properties
// that can be listed, and the backend peer that mirrors it.
//
// A component registers itself with its form when it is constructed, so a
// window class that declares its controls as members gets them listed in
// declaration order. Components are neither copied nor moved.

#include <string>

#include "toolkit/Peer.h"
#include "toolkit/PropertyWriter.h"

namespace twindir::toolkit {

class Form;

class Component {
 public:
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;
  virtual ~Component() = default;

  [[nodiscard]] const std::string& Name() const { return name_; }
  [[nodiscard]] Form& Owner() const { return owner_; }

  // Every property, named "FORM.COMPONENT.PROPERTY", in a fixed order.
  void ListProperties(const PropertyVisitor& visitor) const;

  // The backend's mirror of this component, or nullptr (headless).
  void SetPeer(Peer* peer) { peer_ = peer; }
  [[nodiscard]] Peer* GetPeer() const { return peer_; }

 protected:
  Component(Form& owner, std::string name);

  // Writes the component's own properties with unqualified names.
  virtual void WriteProperties(const PropertyWriter& out) const;

  // Tells the peer, if any, that a property changed.
  void Notify(Property property) const;

 private:
  Form& owner_;
  std::string name_;
  Peer* peer_ = nullptr;
};

}  // namespace twindir::toolkit
