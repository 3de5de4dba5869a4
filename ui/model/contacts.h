#pragma once

#include <QString>

namespace korvane::model {

// The vendor's contact values, chosen when the program is built. The window
// definitions show them and link to them.
struct Contacts {
  QString serviceAccount;  // decimal digits
  QString website;         // an https address
};

}  // namespace korvane::model
