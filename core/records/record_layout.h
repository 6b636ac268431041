#pragma once
// Records are raw images of the saved game and of the database files: every field stands at a
// fixed offset. These checks keep the C++ layout honest.
#include <cstddef>
#include <cstdint>
#include <type_traits>

// Asserts that `field` of `Record` starts at byte `offset`.
#define TARVELON_FIELD_AT(Record, field, offset) \
    static_assert(offsetof(Record, field) == (offset), #Record "::" #field " must start at byte " #offset)

// Asserts the size of a record and that it can be copied as raw bytes.
#define TARVELON_RECORD_SIZE(Record, size)                                              \
    static_assert(sizeof(Record) == (size), #Record " must be " #size " bytes");        \
    static_assert(std::is_trivially_copyable_v<Record>, #Record " must be raw-copyable"); \
    static_assert(std::is_standard_layout_v<Record>, #Record " must have a plain layout")
