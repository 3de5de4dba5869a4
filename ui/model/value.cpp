#include "ui/model/value.h"

namespace korvane::model {

ValueType valueTypeOf(Role role) {
  switch (role) {
    case Role::Left:
    case Role::Top:
    case Role::Width:
    case Role::Height:
    case Role::CurrentPage:
    case Role::WindowState: return ValueType::Integer;
    case Role::Tag: return ValueType::Text;
    case Role::Visible:
    case Role::Disabled: return ValueType::Logical;
    case Role::Picture: return ValueType::Bytes;
  }
  return ValueType::Integer;
}

Value emptyValueOf(ValueType type) {
  switch (type) {
    case ValueType::Logical: return false;
    case ValueType::Integer: return std::int32_t{0};
    case ValueType::Text: return QString();
    case ValueType::Bytes: return ByteSet();
  }
  return false;
}

bool isCommonRole(Role role) {
  return role != Role::Picture && role != Role::CurrentPage && role != Role::WindowState;
}

std::optional<bool> asLogical(const Value& value) {
  if (auto b = std::get_if<bool>(&value)) return *b;
  if (auto i = std::get_if<std::int32_t>(&value)) return *i != 0;
  return std::nullopt;
}

std::optional<std::int32_t> asInteger(const Value& value) {
  if (auto i = std::get_if<std::int32_t>(&value)) return *i;
  if (auto b = std::get_if<bool>(&value)) return *b ? 1 : 0;
  return std::nullopt;
}

}  // namespace korvane::model
