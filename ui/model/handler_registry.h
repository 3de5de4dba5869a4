#pragma once

#include "ui/model/events.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace korvane::model {

using Handler = std::function<void(const EventArgs&)>;

class HandlerRegistry {
 public:
  void add(std::string_view name, Handler handler);
  // Throws for a name that nobody registered: a definition that binds it is wrong.
  const Handler& at(std::string_view name) const;
  bool has(std::string_view name) const;

 private:
  std::map<std::string, Handler, std::less<>> handlers_;
};

}  // namespace korvane::model
