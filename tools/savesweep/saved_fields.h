#pragma once
// The int32 fields of a saved game's records, read from the layout asserts of core's headers (a list
// made at configure time from TARVELON_FIELD_AT and static_assert(offsetof(...)) lines), so that the
// sweep writes every field the layout names and no list of fields is kept by hand.
#include <cstddef>
#include <string>
#include <typeindex>
#include <vector>

namespace tarvelon::savesweep {

// A field whose offset a header asserts: its extent in the record and whether it is made of int32s
// (an int32, or an array of them of any rank).
struct AssertedField {
    const char* record;
    std::type_index recordType;
    const char* name;
    std::size_t offset;
    std::size_t size;
    bool int32Elements;
};
const std::vector<AssertedField>& AssertedFields();

// An int32 field of a record as the sweep writes it: an array is one entry of `elements` int32s.
struct IntField {
    std::string name;        // "TClub::Points"
    std::size_t offset = 0;  // in the record
    int elements = 1;
};
std::vector<IntField> IntFieldsOf(std::type_index record);

// Bytes of a record of `size` bytes that no asserted field covers: a field without an assert would be
// a field the sweep never writes.
std::size_t UncoveredBytes(std::type_index record, std::size_t size);

// The tables of a saved game in file order: 0 the game state, then blocks 1..34.
struct SavedTable {
    std::string name;        // "Game", "Players", "NationalCupTies.ties", ...
    std::type_index record;
    std::size_t recordSize;
};
const std::vector<SavedTable>& SavedTables();

}  // namespace tarvelon::savesweep
