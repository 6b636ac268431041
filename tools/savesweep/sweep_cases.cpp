#include "tools/savesweep/sweep_cases.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <memory>
#include <set>

#include "core/persist/saved_game_image.h"
#include "tools/savesweep/saved_fields.h"
#include "tools/savesweep/sweep_bases.h"

namespace tarvelon::savesweep {

namespace {

// Where a table's records stand in the file.
struct TableInFile {
    std::size_t start = 0;
    std::size_t count = 0;
};

std::vector<TableInFile> TablesInFile(SavedGameImage& image)
{
    std::vector<TableInFile> tables{TableInFile{4, 1}};
    std::size_t at = kSavedGameHeaderBytes;
    VisitSavedBlocks(image, [&](int, auto& table, auto&) {
        tables.push_back(TableInFile{at + 4, table.size()});
        at += 4 + table.size() * sizeof(table[0]);
    });
    return tables;
}

std::int32_t WordAt(const std::string& bytes, std::size_t at)
{
    std::int32_t word = 0;
    std::memcpy(&word, bytes.data() + at, sizeof word);
    return word;
}

bool NameHas(const std::string& lower, std::initializer_list<const char*> words)
{
    return std::any_of(words.begin(), words.end(), [&](const char* w) { return lower.find(w) != std::string::npos; });
}

// The size of the table a field points into, guessed from its name; else its own table's size.
std::int32_t PointedTableSize(const std::string& field, const SavedGameImage& image, std::size_t ownCount)
{
    std::string lower = field.substr(field.find("::") + 2);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::size_t size = ownCount;
    if (NameHas(lower, {"player", "captain", "settaker", "starter", "bench", "scorer", "assist"}))
        size = image.players.size();
    else if (NameHas(lower, {"coach"}))
        size = image.coaches.size();
    else if (NameHas(lower, {"club", "home", "away", "entry", "nation", "team", "winner"}))
        size = image.clubs.size();
    else if (NameHas(lower, {"report"}))
        size = image.matchReports.size();
    else if (NameHas(lower, {"competition"}))
        size = image.competitions.size();
    else if (NameHas(lower, {"league"}))
        size = image.leagues.size();
    return static_cast<std::int32_t>(size);
}

struct Place {
    std::size_t record;
    int element;
};

// The elements written of an array field and, for each, the record holding data there.
std::vector<Place> PlacesOf(const std::string& bytes, const TableInFile& table, std::size_t recordSize,
                            const IntField& field)
{
    auto at = [&](std::size_t r, int e) { return table.start + r * recordSize + field.offset + 4 * e; };
    auto firstHolding = [&](int e) {
        for (std::size_t r = 0; r < table.count; ++r)
            if (WordAt(bytes, at(r, e)) != 0) return static_cast<long>(r);
        return -1L;
    };
    std::set<int> elements{0, field.elements - 1};
    for (int e = 0; e < field.elements; ++e)
        if (firstHolding(e) >= 0) {
            elements.insert(e);
            break;
        }
    std::vector<Place> places;
    for (const int e : elements)
        places.push_back(Place{static_cast<std::size_t>(std::max(firstHolding(e), 0L)), e});
    return places;
}

}  // namespace

std::vector<SweepCase> CasesOfBase(const std::string& bytes, int base)
{
    auto image = std::make_unique<SavedGameImage>();
    if (ReadSavedGameImage(bytes, *image) != SavedGameCheck::kValid)
        return {};
    const std::vector<TableInFile> inFile = TablesInFile(*image);
    std::vector<SweepCase> cases;
    for (std::size_t t = 0; t < SavedTables().size(); ++t) {
        const SavedTable& table = SavedTables()[t];
        if (inFile[t].count == 0)
            continue;
        for (const IntField& field : IntFieldsOf(table.record)) {
            const std::int32_t size = PointedTableSize(field.name, *image, inFile[t].count);
            const std::int32_t values[] = {-2, -1, size, size + 1, 100000, INT_MAX};
            for (const Place& place : PlacesOf(bytes, inFile[t], table.recordSize, field)) {
                SweepCase c;
                c.base = base;
                c.table = table.name;
                c.record = place.record;
                c.field = field.elements > 1 ? field.name + "[" + std::to_string(place.element) + "]" : field.name;
                c.fileOffset = inFile[t].start + place.record * table.recordSize + field.offset + 4 * place.element;
                // A value the field holds already would play the base itself.
                const std::int32_t held = WordAt(bytes, c.fileOffset);
                for (const std::int32_t value : values) {
                    c.value = value;
                    if (value != held && (cases.empty() || cases.back().fileOffset != c.fileOffset ||
                                          cases.back().value != value))
                        cases.push_back(c);
                }
            }
        }
    }
    return cases;
}

std::string CaseBytes(const std::string& bytes, const SweepCase& c)
{
    std::string mutated = bytes;
    std::memcpy(mutated.data() + c.fileOffset, &c.value, sizeof c.value);
    return mutated;
}

std::string CaseLabel(const SweepCase& c)
{
    return std::string(BaseName(c.base)) + " " + c.table + "[" + std::to_string(c.record) + "] " + c.field + " = " +
           std::to_string(c.value);
}

}  // namespace tarvelon::savesweep
