#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace korvane::bench {

// What the floor decoders leave behind: the decoded samples in a plain
// buffer, three bytes a pixel for JPEG and one palette index for GIF.
struct PlainPicture {
  int width = 0;
  int height = 0;
  std::unique_ptr<std::uint8_t[]> samples;
};

// The bare libjpeg-turbo decompression loop with the library's defaults.
bool floorDecodeJpeg(const std::uint8_t* data, std::size_t size, PlainPicture& out);

// The bare giflib loop: the first image's indices, in one read.
bool floorDecodeGif(const std::uint8_t* data, std::size_t size, PlainPicture& out);

// Either of the two, told apart by the leading bytes as the program does.
bool floorDecode(const std::uint8_t* data, std::size_t size, PlainPicture& out);

}  // namespace korvane::bench
