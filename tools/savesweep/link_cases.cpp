#include "tools/savesweep/link_cases.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>

#include "tools/savesweep/reached_records.h"
#include "tools/savesweep/saved_fields.h"
#include "tools/savesweep/saved_file_layout.h"

namespace tarvelon::savesweep {

namespace {

// A list field of a table and the table its entries name.
struct ListField {
    std::size_t table;
    IntField field;
    std::size_t pointed;
};

// The base read as the link cases read it, and the cases made so far.
class LinkCaseMaker {
public:
    LinkCaseMaker(const std::string& bytes, const SavedGameImage& image, int base, std::vector<SweepCase>& cases)
        : bytes_(bytes), image_(image), base_(base), inFile_(TablesInFile(image)), cases_(cases)
    {
        for (const SweepCase& c : cases) labels_.insert(CaseLabel(c));
    }

    std::size_t Count(std::size_t table) const { return inFile_[table].count; }

    std::size_t At(std::size_t table, std::size_t record, const IntField& field, int element) const
    {
        return inFile_[table].start + record * SavedTables()[table].recordSize + field.offset +
               static_cast<std::size_t>(element * field.width);
    }

    std::int32_t Number(std::size_t table, std::size_t record, const IntField& field, int element = 0) const
    {
        return static_cast<std::int32_t>(NumberAt(bytes_, At(table, record, field, element), 4));
    }

    // The number names a record of the table (a player's first record, 0, is "no player").
    bool Names(std::size_t table, std::int64_t number) const
    {
        const std::int64_t first = SavedTables()[table].name == "Players" ? 1 : 0;
        return number >= first && number < static_cast<std::int64_t>(Count(table));
    }

    CaseWrite Write(std::size_t table, std::size_t record, const IntField& field, int element, std::int64_t value) const
    {
        return CaseWrite{At(table, record, field, element), 4, value};
    }

    std::set<std::size_t> Reached(std::size_t table) const
    {
        return ReachedRecords(SavedTables()[table].name, image_, Count(table));
    }

    // A case whose label is new and that changes the base.
    void Add(std::size_t table, std::size_t record, const std::string& field, const std::string& valueText,
             std::vector<CaseWrite> writes)
    {
        const bool changes = std::any_of(writes.begin(), writes.end(), [&](const CaseWrite& w) {
            return NumberAt(bytes_, w.fileOffset, w.width) != w.value;
        });
        if (writes.empty() || !changes)
            return;
        SweepCase c;
        c.base = base_;
        c.table = SavedTables()[table].name;
        c.record = record;
        c.field = field;
        c.value = writes.front().value;
        c.fileOffset = writes.front().fileOffset;
        c.stride = SavedTables()[table].recordSize;
        c.valueText = valueText;
        c.writes = std::move(writes);
        if (labels_.insert(CaseLabel(c)).second)
            cases_.push_back(std::move(c));
    }

private:
    const std::string& bytes_;
    const SavedGameImage& image_;
    int base_;
    std::vector<TableInFile> inFile_;
    std::vector<SweepCase>& cases_;
    std::set<std::string> labels_;
};

std::string ShortName(const std::string& field) { return field.substr(field.find("::") + 2); }

std::string Entry(const IntField& field, int element) { return field.name + ElementText(field.extents, element); }

// The table whose records an array field lists, read from its name: a pointer's name, or one of the
// lists of clubs the competitions keep (a league's divisions and final order, a state's groups and
// finalists, the tournament draw's rows); none for a count per kind ("playersPerPosition", "ExtraClubCounts").
std::optional<std::size_t> ListedTable(const IntField& field)
{
    if (field.elements < 2 || field.width != 4)
        return std::nullopt;
    const std::string lower = LowerFieldName(field.name);
    if (NameHas(lower, {"count", "per"}))
        return std::nullopt;
    int table = PointedTable(field.name);
    if (table < 0 && NameHas(lower, {"divisions", "groups", "order", "finalists", "rows"}))
        table = TableNamed("Clubs");
    if (table < 0)
        return std::nullopt;
    return static_cast<std::size_t>(table);
}

std::vector<ListField> ListFields(const LinkCaseMaker& base)
{
    std::vector<ListField> lists;
    for (std::size_t t = 0; t < SavedTables().size(); ++t)
        for (const IntField& field : IntFieldsOf(SavedTables()[t].record))
            if (const std::optional<std::size_t> pointed = ListedTable(field); pointed && base.Count(*pointed) > 0)
                lists.push_back(ListField{t, field, *pointed});
    return lists;
}

// The elements of the list in a record that name a record.
std::vector<int> EntriesOf(const LinkCaseMaker& base, const ListField& list, std::size_t record)
{
    std::vector<int> entries;
    for (int e = 0; e < list.field.elements; ++e)
        if (base.Names(list.pointed, base.Number(list.table, record, list.field, e)))
            entries.push_back(e);
    return entries;
}

// The first two records of the table whose list holds an entry.
std::vector<std::size_t> RecordsWithEntries(const LinkCaseMaker& base, const ListField& list)
{
    std::vector<std::size_t> records;
    for (std::size_t r = 0; r < base.Count(list.table) && records.size() < 2; ++r)
        if (!EntriesOf(base, list, r).empty())
            records.push_back(r);
    return records;
}

int RowLength(const IntField& field) { return field.extents.empty() ? field.elements : field.extents.back(); }

// What a count of the list would count: its rows holding entries when it is a list of rows, else its
// entries.
int ListedCount(const ListField& list, const std::vector<int>& entries)
{
    if (list.field.extents.size() < 2)
        return static_cast<int>(entries.size());
    std::set<int> rows;
    for (const int e : entries) rows.insert(e / RowLength(list.field));
    return static_cast<int>(rows.size());
}

// An entry copied onto another of its row, onto one of another row, and onto the same list of
// another record.
void AddCopies(LinkCaseMaker& base, const ListField& list, const std::vector<std::size_t>& records)
{
    const std::size_t r0 = records.front();
    const std::vector<int> entries = EntriesOf(base, list, r0);
    const int row = RowLength(list.field);
    const auto copy = [&](std::size_t record, int to, const std::string& fromText, std::size_t fromRecord, int from) {
        base.Add(list.table, record, Entry(list.field, to), fromText,
                 {base.Write(list.table, record, list.field, to, base.Number(list.table, fromRecord, list.field, from))});
    };
    for (std::size_t i = 0; i + 1 < entries.size(); ++i)
        if (entries[i] / row == entries[i + 1] / row) {
            copy(r0, entries[i + 1], ShortName(Entry(list.field, entries[i])), r0, entries[i]);
            break;
        }
    const int first = entries.front();
    const auto otherRow = std::find_if(entries.begin(), entries.end(), [&](int e) { return e / row != first / row; });
    if (otherRow != entries.end())
        copy(r0, *otherRow, ShortName(Entry(list.field, first)), r0, first);
    if (records.size() > 1)
        copy(records[1], EntriesOf(base, list, records[1]).front(),
             SavedTables()[list.table].name + "[" + std::to_string(r0) + "] " + ShortName(Entry(list.field, first)), r0,
             first);
}

// The first and the last entry emptied; the first set to a record the list lacks.
void AddHolesAndStrangers(LinkCaseMaker& base, const ListField& list, std::size_t record)
{
    const std::vector<int> entries = EntriesOf(base, list, record);
    for (const int e : {entries.front(), entries.back()})
        base.Add(list.table, record, Entry(list.field, e), "-1", {base.Write(list.table, record, list.field, e, -1)});
    std::set<std::int32_t> listed;
    for (int e = 0; e < list.field.elements; ++e) listed.insert(base.Number(list.table, record, list.field, e));
    for (std::int32_t stranger = 0; stranger < static_cast<std::int64_t>(base.Count(list.pointed)); ++stranger)
        if (base.Names(list.pointed, stranger) && listed.count(stranger) == 0) {
            base.Add(list.table, record, Entry(list.field, entries.front()), std::to_string(stranger),
                     {base.Write(list.table, record, list.field, entries.front(), stranger)});
            break;
        }
}

// Every element of the list set to the record its first entry names, and to none.
void AddWholeLists(LinkCaseMaker& base, const ListField& list, std::size_t record)
{
    const std::int32_t first = base.Number(list.table, record, list.field, EntriesOf(base, list, record).front());
    for (const std::int32_t value : {first, -1}) {
        std::vector<CaseWrite> writes;
        for (int e = 0; e < list.field.elements; ++e) writes.push_back(base.Write(list.table, record, list.field, e, value));
        base.Add(list.table, record, list.field.name + "[*]", std::to_string(value), std::move(writes));
    }
}

// The list a count of the same record counts, by their names: "HumanClubCount" counts "HumanClubs".
const ListField* CountedList(const std::vector<ListField>& lists, std::size_t table, const IntField& count)
{
    const std::string lower = LowerFieldName(count.name);
    const std::size_t stem = lower.size() - std::string("count").size();
    if (count.elements != 1 || count.width != 4 || lower.size() <= 5 || lower.compare(stem, 5, "count") != 0)
        return nullptr;
    for (const ListField& list : lists)
        if (list.table == table && LowerFieldName(list.field.name).compare(0, stem, lower, 0, stem) == 0)
            return &list;
    return nullptr;
}

void AddCounts(LinkCaseMaker& base, const std::vector<ListField>& lists)
{
    for (std::size_t t = 0; t < SavedTables().size(); ++t)
        for (const IntField& count : IntFieldsOf(SavedTables()[t].record)) {
            const ListField* list = CountedList(lists, t, count);
            if (list == nullptr || base.Count(t) == 0)
                continue;
            // A list empty in every record is counted in the first (no human national team: 0 of them).
            const std::vector<std::size_t> records = RecordsWithEntries(base, *list);
            const std::size_t record = records.empty() ? 0 : records.front();
            const int listed = ListedCount(*list, EntriesOf(base, *list, record));
            const std::int32_t held = base.Number(t, record, count);
            for (const std::int64_t value : std::set<std::int64_t>{0, listed - 1, listed + 1, held - 1, held + 1})
                if (value >= 0)
                    base.Add(t, record, count.name, std::to_string(value), {base.Write(t, record, count, 0, value)});
        }
}

// A pointer of one table and a number of the table it points into that, in every record holding the
// pointer, names that record back (a club's coach and the coach's club).
struct Pair {
    std::size_t table;
    IntField pointer;
    std::size_t pointed;
    IntField back;
    std::vector<std::size_t> linked;  // the records whose pointer names a record
};

constexpr std::size_t kPairEvidence = 4;

std::optional<Pair> PairOf(const LinkCaseMaker& base, std::size_t table, const IntField& pointer, std::size_t pointed,
                           const IntField& back)
{
    Pair pair{table, pointer, pointed, back, {}};
    for (std::size_t r = 0; r < base.Count(table); ++r) {
        const std::int32_t named = base.Number(table, r, pointer);
        if (!base.Names(pointed, named))
            continue;
        if (base.Number(pointed, static_cast<std::size_t>(named), back) != static_cast<std::int64_t>(r))
            return std::nullopt;
        pair.linked.push_back(r);
    }
    // A few records that happen to agree are no pair (two friendlies whose home clubs' title counts
    // are their indexes).
    if (pair.linked.size() < kPairEvidence)
        return std::nullopt;
    return pair;
}

bool IsScalarInt32(const IntField& field) { return field.elements == 1 && field.width == 4; }

std::vector<Pair> Pairs(const LinkCaseMaker& base)
{
    std::vector<Pair> pairs;
    const auto known = [&](std::size_t table, const IntField& field) {
        return std::any_of(pairs.begin(), pairs.end(), [&](const Pair& p) {
            return p.pointed == table && p.back.name == field.name;
        });
    };
    for (std::size_t t = 0; t < SavedTables().size(); ++t)
        for (const IntField& pointer : IntFieldsOf(SavedTables()[t].record)) {
            const int pointed = PointedTable(pointer.name);
            if (!IsScalarInt32(pointer) || pointed < 0 || known(t, pointer))
                continue;
            const auto p = static_cast<std::size_t>(pointed);
            for (const IntField& back : IntFieldsOf(SavedTables()[p].record))
                if (IsScalarInt32(back) && back.name != pointer.name)
                    if (std::optional<Pair> pair = PairOf(base, t, pointer, p, back)) {
                        pairs.push_back(std::move(*pair));
                        break;
                    }
        }
    return pairs;
}

// In the pair's first linked record and the linked records play reaches: each side set to the other
// side of the next linked record, and to none.
void AddDisagreements(LinkCaseMaker& base, const Pair& pair)
{
    std::set<std::size_t> records{pair.linked.front()};
    for (const std::size_t r : base.Reached(pair.table))
        if (std::binary_search(pair.linked.begin(), pair.linked.end(), r))
            records.insert(r);
    for (const std::size_t r : records) {
        const auto at = std::find(pair.linked.begin(), pair.linked.end(), r);
        const std::size_t other = at + 1 == pair.linked.end() ? pair.linked.front() : *(at + 1);
        const auto named = static_cast<std::size_t>(base.Number(pair.table, r, pair.pointer));
        const std::int32_t otherNamed = base.Number(pair.table, other, pair.pointer);
        for (const std::int64_t value : {std::int64_t{otherNamed}, std::int64_t{-1}})
            base.Add(pair.table, r, pair.pointer.name, std::to_string(value),
                     {base.Write(pair.table, r, pair.pointer, 0, value)});
        for (const std::int64_t value : {static_cast<std::int64_t>(other), std::int64_t{-1}})
            base.Add(pair.pointed, named, pair.back.name, std::to_string(value),
                     {base.Write(pair.pointed, named, pair.back, 0, value)});
    }
}

// Two pointers of one record into the same table (a match's home and away clubs, a cup tie's two
// teams): in the first record naming a record with both, the second set to the first's record (a
// club meets itself); in the next such record, the first set to it as well (a club in two ties).
void AddSiblingCopies(LinkCaseMaker& base)
{
    for (std::size_t t = 0; t < SavedTables().size(); ++t) {
        if (base.Count(t) < 2)
            continue;  // the game state's pointers are the acting coach's, each of its own kind
        std::map<int, std::vector<IntField>> byPointed;
        for (const IntField& field : IntFieldsOf(SavedTables()[t].record))
            if (IsScalarInt32(field) && PointedTable(field.name) >= 0 &&
                !NameHas(LowerFieldName(field.name), {"count", "available", "nationality"}))
                byPointed[PointedTable(field.name)].push_back(field);
        for (const auto& [pointed, fields] : byPointed) {
            if (fields.size() < 2)
                continue;
            const IntField& first = fields[0];
            const IntField& second = fields[1];
            std::vector<std::size_t> records;
            for (std::size_t r = 0; r < base.Count(t) && records.size() < 2; ++r)
                if (base.Names(static_cast<std::size_t>(pointed), base.Number(t, r, first)) &&
                    base.Names(static_cast<std::size_t>(pointed), base.Number(t, r, second)))
                    records.push_back(r);
            if (records.empty())
                continue;
            const std::int32_t named = base.Number(t, records[0], first);
            base.Add(t, records[0], second.name, ShortName(first.name), {base.Write(t, records[0], second, 0, named)});
            if (records.size() > 1)
                base.Add(t, records[1], first.name,
                         SavedTables()[t].name + "[" + std::to_string(records[0]) + "] " + ShortName(first.name),
                         {base.Write(t, records[1], first, 0, named)});
        }
    }
}

}  // namespace

void AddLinkCases(const std::string& bytes, const SavedGameImage& image, int base, std::vector<SweepCase>& cases)
{
    LinkCaseMaker maker(bytes, image, base, cases);
    const std::vector<ListField> lists = ListFields(maker);
    for (const ListField& list : lists) {
        const std::vector<std::size_t> records = RecordsWithEntries(maker, list);
        if (records.empty())
            continue;
        AddCopies(maker, list, records);
        AddHolesAndStrangers(maker, list, records.front());
        AddWholeLists(maker, list, records.front());
    }
    AddSiblingCopies(maker);
    AddCounts(maker, lists);
    for (const Pair& pair : Pairs(maker))
        AddDisagreements(maker, pair);
}

}  // namespace tarvelon::savesweep
