#pragma once
// Where a saved game's tables and numbers stand in its file, and which table a field's numbers name:
// what the sweep's cases are written with.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace tarvelon {
struct SavedGameImage;
}

namespace tarvelon::savesweep {

// Where a table's records stand in the file.
struct TableInFile {
    std::size_t start = 0;
    std::size_t count = 0;
};

// The tables of SavedTables() (saved_fields.h) as the file of `image` lays them out.
std::vector<TableInFile> TablesInFile(const SavedGameImage& image);

// The integer of `width` bytes (4 or 8) at `at`.
std::int64_t NumberAt(const std::string& bytes, std::size_t at, int width);
void WriteNumber(std::string& bytes, std::size_t at, int width, std::int64_t value);

// The name of a field after its record's ("coach" of "TClub::coach"), in lower case.
std::string LowerFieldName(const std::string& field);
// The name holds one of the words.
bool NameHas(const std::string& lower, std::initializer_list<const char*> words);
// The index in SavedTables() of the table named `name` ("Clubs"); -1 when none is.
int TableNamed(const std::string& name);

// The table (an index of SavedTables()) whose records a field's numbers name, guessed from its name:
// "TClub::coach" names Coaches, "TLoan::ownerClub" Clubs; -1 when its name names none.
int PointedTable(const std::string& field);

}  // namespace tarvelon::savesweep
