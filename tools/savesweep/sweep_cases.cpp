#include "tools/savesweep/sweep_cases.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <set>

#include "core/persist/saved_game_image.h"
#include "core/persist/saved_game_ranges.h"
#include "tools/savesweep/link_cases.h"
#include "tools/savesweep/reached_records.h"
#include "tools/savesweep/saved_fields.h"
#include "tools/savesweep/saved_file_layout.h"
#include "tools/savesweep/sweep_bases.h"

namespace tarvelon::savesweep {

namespace {

// The size of the table a field points into, guessed from its name; else its own table's size.
std::int32_t PointedTableSize(const std::string& field, const std::vector<TableInFile>& inFile, std::size_t ownCount)
{
    const int pointed = PointedTable(field);
    return static_cast<std::int32_t>(pointed < 0 ? ownCount : inFile[static_cast<std::size_t>(pointed)].count);
}

struct Place {
    std::size_t record;
    int element;
    bool everyRecord = false;
};

// The element of an array field that first holds data in some record; 0 when none does.
int ElementHoldingData(const std::string& bytes, const TableInFile& table, std::size_t recordSize, const IntField& field)
{
    for (int e = 0; e < field.elements; ++e)
        for (std::size_t r = 0; r < table.count; ++r)
            if (NumberAt(bytes, table.start + r * recordSize + field.offset + field.width * e, field.width) != 0)
                return e;
    return 0;
}

// The elements written of an array field and, for each, the record holding data there.
std::vector<Place> PlacesOf(const std::string& bytes, const TableInFile& table, std::size_t recordSize,
                            const IntField& field)
{
    auto at = [&](std::size_t r, int e) { return table.start + r * recordSize + field.offset + field.width * e; };
    auto firstHolding = [&](int e) {
        for (std::size_t r = 0; r < table.count; ++r)
            if (NumberAt(bytes, at(r, e), field.width) != 0) return static_cast<long>(r);
        return -1L;
    };
    std::set<int> elements{0, field.elements - 1, ElementHoldingData(bytes, table, recordSize, field)};
    std::vector<Place> places;
    for (const int e : elements)
        places.push_back(Place{static_cast<std::size_t>(std::max(firstHolding(e), 0L)), e});
    return places;
}

// Where the field is written: its places in the first records, then its element of the data in
// the records play reaches, then in every record at once.
std::vector<Place> AllPlacesOf(const std::string& bytes, const TableInFile& table, std::size_t recordSize,
                               const IntField& field, const std::set<std::size_t>& reached)
{
    std::vector<Place> places = PlacesOf(bytes, table, recordSize, field);
    const int element = ElementHoldingData(bytes, table, recordSize, field);
    for (const std::size_t record : reached) {
        const bool known = std::any_of(places.begin(), places.end(), [&](const Place& p) {
            return p.record == record && p.element == element;
        });
        if (!known)
            places.push_back(Place{record, element});
    }
    if (table.count > 1)
        places.push_back(Place{0, element, true});
    return places;
}

// Where the case writes its value: each element of each record.
template <typename Write>
void ForEachNumberOf(const SweepCase& c, Write&& write)
{
    for (std::size_t r = 0; r < c.records; ++r)
        for (int e = 0; e < c.elements; ++e)
            write(c.fileOffset + r * c.stride + static_cast<std::size_t>(e * c.width));
}

// The field holds the value already wherever the case would write it.
bool HeldAlready(const std::string& bytes, const SweepCase& c)
{
    bool held = true;
    ForEachNumberOf(c, [&](std::size_t at) { held = held && NumberAt(bytes, at, c.width) == c.value; });
    return held;
}

// The hostile values of a field: for an int32, -1 and -2 (below "none"), the size of the table it
// points into and one more, a large number and INT_MAX, and where every record is written the ends of
// that table too, 0 and its last index, which the loader takes; for money, the limits of int64 and
// both sides of the loader's bound.
std::set<std::int64_t> HostileValues(const IntField& field, std::int32_t pointedSize, bool everyRecord)
{
    if (field.width == 8)
        return {INT64_MIN, -kMaxSavedMoney - 1, -kMaxSavedMoney, kMaxSavedMoney, kMaxSavedMoney + 1, INT64_MAX};
    std::set<std::int64_t> values{-2, -1, pointedSize, std::int64_t{pointedSize} + 1, 100000, INT_MAX};
    if (everyRecord)
        values.insert({0, std::int64_t{pointedSize} - 1});
    return values;
}

// A number the loader holds to a range, as it lies in a record: an array field whole.
struct RangedField {
    std::size_t table = 0;
    std::string name;
    std::size_t offset = 0;
    int width = 4;
    int elements = 1;
    SavedRange range{};
};

// The ranged fields of every table, found by walking the ranges over a record of each table that has
// one, in the file's order of the tables.
std::vector<RangedField> RangedFields(const SavedGameImage& image)
{
    std::vector<RangedField> fields;
    std::size_t table = 0;
    const auto probe = [&](const auto& record) {
        const auto* start = reinterpret_cast<const char*>(&record);
        VisitSavedRanges(record, [&](const auto& number, const SavedRange& range) {
            const auto offset = static_cast<std::size_t>(reinterpret_cast<const char*>(&number) - start);
            const std::string name = FieldNameAt(typeid(record), offset);
            RangedField* last = fields.empty() ? nullptr : &fields.back();
            if (last && last->table == table && last->name == name)
                ++last->elements;
            else
                fields.push_back(RangedField{table, name, offset, static_cast<int>(sizeof number), 1, range});
        });
    };
    probe(image.game);
    VisitSavedBlocks(image, [&](int, const auto& records, const auto&) {
        ++table;
        if (!records.empty()) probe(records[0]);
    });
    return fields;
}

// Every ranged field at each end of its range, in all its elements and all the records of its table.
void AddRangeEndCases(const std::string& bytes, const SavedGameImage& image, const std::vector<TableInFile>& inFile,
                      int base, std::vector<SweepCase>& cases)
{
    for (const RangedField& field : RangedFields(image)) {
        SweepCase c;
        c.base = base;
        c.table = SavedTables()[field.table].name;
        c.field = field.elements > 1 ? field.name + "[*]" : field.name;
        c.fileOffset = inFile[field.table].start + field.offset;
        c.records = inFile[field.table].count;
        c.stride = SavedTables()[field.table].recordSize;
        c.width = field.width;
        c.elements = field.elements;
        c.rangeEnd = true;
        for (const std::int64_t end : {field.range.lo, field.range.hi}) {
            c.value = end;
            if (!HeldAlready(bytes, c))
                cases.push_back(c);
        }
    }
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
        const std::set<std::size_t> reached = ReachedRecords(table.name, *image, inFile[t].count);
        for (const IntField& field : IntFieldsOf(table.record)) {
            const std::int32_t pointedSize = PointedTableSize(field.name, inFile, inFile[t].count);
            for (const Place& place : AllPlacesOf(bytes, inFile[t], table.recordSize, field, reached)) {
                SweepCase c;
                c.base = base;
                c.table = table.name;
                c.record = place.record;
                c.field = field.elements > 1 ? field.name + "[" + std::to_string(place.element) + "]" : field.name;
                c.fileOffset =
                    inFile[t].start + place.record * table.recordSize + field.offset + field.width * place.element;
                c.records = place.everyRecord ? inFile[t].count : 1;
                c.stride = table.recordSize;
                c.width = field.width;
                for (const std::int64_t value : HostileValues(field, pointedSize, place.everyRecord)) {
                    c.value = value;
                    // A value the field holds already would play the base itself.
                    if (!HeldAlready(bytes, c))
                        cases.push_back(c);
                }
            }
        }
    }
    AddRangeEndCases(bytes, *image, inFile, base, cases);
    AddLinkCases(bytes, *image, base, cases);
    return cases;
}

std::string CaseBytes(const std::string& bytes, const SweepCase& c)
{
    std::string mutated = bytes;
    if (c.IsLink())
        for (const CaseWrite& write : c.writes)
            WriteNumber(mutated, write.fileOffset, write.width, write.value);
    else
        ForEachNumberOf(c, [&](std::size_t at) { WriteNumber(mutated, at, c.width, c.value); });
    return mutated;
}

std::string CaseLabel(const SweepCase& c)
{
    const std::string record = c.records > 1 ? "*" : std::to_string(c.record);
    if (c.IsLink())
        return std::string(BaseName(c.base)) + " " + c.table + "[" + record + "] " + c.field + " = " + c.valueText + " (link)";
    return std::string(BaseName(c.base)) + " " + c.table + "[" + record + "] " + c.field + " = " + std::to_string(c.value) +
           (c.rangeEnd ? " (range end)" : "");
}

}  // namespace tarvelon::savesweep
