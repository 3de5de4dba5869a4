#pragma once

#include <QByteArray>

#include <string_view>
#include <vector>

namespace korvane::assets {

// The stored bytes of a picture asset, without a copy: the bytes live in the
// executable for the whole run. Empty for a name the catalogue does not hold.
QByteArray assetBytes(std::string_view name);

// Every asset name, in a stable order.
const std::vector<std::string_view>& assetNames();

// The stored bytes of the application icon file (Windows .ico, ten images),
// without a copy.
QByteArray iconBytes();

}  // namespace korvane::assets
