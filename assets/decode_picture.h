#pragma once

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace korvane::assets {

// Decodes a whole JPEG or GIF file (told apart by its leading bytes) into
// opaque 24-bit colour pixels in the window system's bitmap format. Nothing
// for data that is no picture or cannot be decoded; never ends the process.
std::optional<QImage> decodePicture(const std::uint8_t* data, std::size_t size);
std::optional<QImage> decodePicture(const QByteArray& bytes);

}  // namespace korvane::assets
