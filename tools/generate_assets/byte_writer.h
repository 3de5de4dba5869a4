#pragma once

#include <QByteArray>

#include <cstdint>
#include <string_view>

namespace korvane::generate {

// Appends integers in a fixed byte order to a growing file image.
class ByteWriter {
 public:
  explicit ByteWriter(bool bigEndian) : bigEndian_(bigEndian) {}

  void u8(std::uint32_t value) { bytes_.append(static_cast<char>(value & 0xFF)); }
  void u16(std::uint32_t value) {
    if (bigEndian_) {
      u8(value >> 8);
      u8(value);
    } else {
      u8(value);
      u8(value >> 8);
    }
  }
  void u32(std::uint32_t value) {
    if (bigEndian_) {
      u16(value >> 16);
      u16(value);
    } else {
      u16(value);
      u16(value >> 16);
    }
  }
  void s15Fixed16(double value) {
    const double scaled = value * 65536.0;
    u32(static_cast<std::uint32_t>(static_cast<std::int32_t>(scaled < 0 ? scaled - 0.5 : scaled + 0.5)));
  }
  void text(std::string_view value) { bytes_.append(value.data(), static_cast<qsizetype>(value.size())); }
  void raw(const QByteArray& value) { bytes_.append(value); }
  void zeros(qsizetype count) { bytes_.append(count, '\0'); }
  void padTo(qsizetype alignment) {
    while (bytes_.size() % alignment != 0) u8(0);
  }
  void patchU32(qsizetype at, std::uint32_t value) {
    ByteWriter patch(bigEndian_);
    patch.u32(value);
    bytes_.replace(at, 4, patch.bytes());
  }
  void patchU16(qsizetype at, std::uint32_t value) {
    ByteWriter patch(bigEndian_);
    patch.u16(value);
    bytes_.replace(at, 2, patch.bytes());
  }

  qsizetype size() const { return bytes_.size(); }
  const QByteArray& bytes() const { return bytes_; }

 private:
  bool bigEndian_;
  QByteArray bytes_;
};

}  // namespace korvane::generate
