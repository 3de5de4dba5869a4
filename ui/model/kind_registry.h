#pragma once

#include "ui/model/live_control.h"
#include "ui/model/unit.h"

#include <functional>
#include <map>
#include <memory>

namespace korvane::model {

struct CreateContext {
  const Unit& unit;
  ControlHost& host;
  platform::Platform& platform;
  // Only for the window kind: who receives the native window's input, and
  // its owner window, if any.
  platform::WindowClient* client = nullptr;
  platform::NativeWindow* owner = nullptr;
};

// Null when the kind cannot create the control.
using KindConstructor = std::function<std::unique_ptr<LiveControl>(const CreateContext&)>;

// Maps each kind to its constructor. Creating a kind that nobody registered
// is a programming error and throws.
class KindRegistry {
 public:
  void add(Kind kind, KindConstructor constructor);
  std::unique_ptr<LiveControl> create(const CreateContext& context) const;
  bool has(Kind kind) const { return constructors_.contains(kind); }

  // The built-in hand pointer, shown over units whose pointer setting asks for it.
  void setHandPointer(const platform::PointerShape* shape) { handPointer_ = shape; }
  const platform::PointerShape* handPointer() const { return handPointer_; }

 private:
  std::map<Kind, KindConstructor> constructors_;
  const platform::PointerShape* handPointer_ = nullptr;
};

}  // namespace korvane::model
