#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

namespace korvane::model {

// A length and that many bytes; empty stands for none.
using ByteSet = QByteArray;

// The value types of properties: logical, integer, text and byte set.
using Value = std::variant<bool, std::int32_t, QString, ByteSet>;

enum class ValueType { Logical, Integer, Text, Bytes };

enum class Role {
  Left, Top, Width, Height, Tag, Visible, Disabled,  // every kind
  Picture,      // PicBox
  CurrentPage,  // PageControl
  WindowState,  // window
};

ValueType valueTypeOf(Role role);
Value emptyValueOf(ValueType type);
bool isCommonRole(Role role);

// Conversions a write applies: a logical is false for 0 and true otherwise.
// Nothing when the value cannot stand for the type.
std::optional<bool> asLogical(const Value& value);
std::optional<std::int32_t> asInteger(const Value& value);

}  // namespace korvane::model
