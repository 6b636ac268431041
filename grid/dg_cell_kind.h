#pragma once
// The kind of value a column's cells hold; the store creates its cells by it.
#include <cstdint>

namespace tarvelon {

using TCellKind = std::uint8_t;

constexpr TCellKind ckIncrement = 0;  // the row number
constexpr TCellKind ckBoolean = 1;
constexpr TCellKind ckDateTime = 3;
constexpr TCellKind ckFloat = 4;
constexpr TCellKind ckObject = 5;
constexpr TCellKind ckGuid = 6;
constexpr TCellKind ckInteger = 7;
constexpr TCellKind ckText = 8;
constexpr TCellKind ckVirtual = 11;

enum TSortType : std::uint8_t { stAlphabetic, stBoolean, stCaseInsensitive, stCustom, stNumeric, stDate, stIP };
enum TSortKind : std::uint8_t { skAscending, skDescending };

}  // namespace tarvelon
