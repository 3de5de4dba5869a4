#pragma once

#include <cstdint>

namespace korvane::model {

using WindowId = std::uint32_t;
using UnitId = std::uint32_t;  // a window's own unit or a control

// The high byte of an id tells what it names; the low 24 bits are a running
// number and never 0.
enum class IdClass : std::uint8_t { Window = 0x52, WindowUnit = 0x06, Control = 0x16 };

constexpr IdClass idClassOf(std::uint32_t id) { return static_cast<IdClass>(id >> 24); }
constexpr std::uint32_t runningNumberOf(std::uint32_t id) { return id & 0x00FFFFFFu; }

constexpr bool isIdOfClass(std::uint32_t id, IdClass idClass) {
  return idClassOf(id) == idClass && runningNumberOf(id) != 0;
}

}  // namespace korvane::model
