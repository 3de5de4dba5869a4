#pragma once

#include "ui/model/contacts.h"

namespace korvane::app {

// The vendor's customer-service account and website, fixed at build time.
inline constexpr char kServiceAccount[] = "800123456";
inline constexpr char kWebsite[] = "https://example.com";

inline model::Contacts buildContacts() {
  return model::Contacts{QString::fromLatin1(kServiceAccount), QString::fromLatin1(kWebsite)};
}

// The messenger's chat URL for the customer-service account.
inline QString chatUrl() { return QStringLiteral("tencent://Message/?Uin=") + QString::fromLatin1(kServiceAccount); }

}  // namespace korvane::app
