#pragma once
// The integer fields (int32, and int64 money) of a saved game's records, read from the layout asserts of core's headers (a list
// made at configure time from TARVELON_FIELD_AT and static_assert(offsetof(...)) lines), so that the
// sweep writes every field the layout names and no list of fields is kept by hand.
#include <cstddef>
#include <string>
#include <typeindex>
#include <vector>

namespace tarvelon::savesweep {

// A field whose offset a header asserts: its extent in the record and the width of the integers it is
// made of (an integer, or an array of them of any rank): 4 for int32s, 8 for int64s (money), else 0.
struct AssertedField {
    const char* record;
    std::type_index recordType;
    const char* name;
    std::size_t offset;
    std::size_t size;
    int intWidth;
    std::vector<int> extents;  // of an array, outermost first: {4, 20} for [4][20]; empty for one number
};
const std::vector<AssertedField>& AssertedFields();

// "TClub::Points": the asserted field of the record that holds the byte at `offset`; empty when none.
std::string FieldNameAt(std::type_index record, std::size_t offset);

// An integer field of a record as the sweep writes it: an array is one entry of `elements` integers.
struct IntField {
    std::string name;        // "TClub::Points"
    std::size_t offset = 0;  // in the record
    int elements = 1;
    int width = 4;           // bytes of each: 4, or 8 for money
    std::vector<int> extents;  // of an array, outermost first; empty for one number
};

// "[1][3]": the indexes of the flat element `element` of an array of `extents`; "" for one number.
std::string ElementText(const std::vector<int>& extents, int element);
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
