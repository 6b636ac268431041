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
    bool everyRecord = false;
};

// The element of an array field that first holds data in some record; 0 when none does.
int ElementHoldingData(const std::string& bytes, const TableInFile& table, std::size_t recordSize, const IntField& field)
{
    for (int e = 0; e < field.elements; ++e)
        for (std::size_t r = 0; r < table.count; ++r)
            if (WordAt(bytes, table.start + r * recordSize + field.offset + 4 * e) != 0) return e;
    return 0;
}

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
    std::set<int> elements{0, field.elements - 1, ElementHoldingData(bytes, table, recordSize, field)};
    std::vector<Place> places;
    for (const int e : elements)
        places.push_back(Place{static_cast<std::size_t>(std::max(firstHolding(e), 0L)), e});
    return places;
}

bool IsHumanClub(const SavedGameImage& image, std::int32_t club)
{
    const int humans = std::clamp(image.game.HumanClubCount, 0, 6);
    return club >= 0 && std::find(image.game.HumanClubs, image.game.HumanClubs + humans, club) !=
                            image.game.HumanClubs + humans;
}

// The clubs whose records play reaches: the human clubs, the last champion of the history and the
// club of the last top scorer (prize winners both).
std::set<std::size_t> ReachedClubs(const SavedGameImage& image)
{
    std::set<std::size_t> clubs;
    for (int h = 0; h < std::clamp(image.game.HumanClubCount, 0, 6); ++h)
        clubs.insert(static_cast<std::size_t>(image.game.HumanClubs[h]));
    for (auto p = image.placings.rbegin(); p != image.placings.rend(); ++p)
        if (p->place == 1) {
            clubs.insert(static_cast<std::size_t>(p->club));
            break;
        }
    if (!image.scorers.empty())
        clubs.insert(static_cast<std::size_t>(image.scorers.back().club));
    return clubs;
}

// The records of table `name` that play reaches and a first record seldom is; each below `count`.
std::set<std::size_t> ReachedRecords(const std::string& name, const SavedGameImage& image, std::size_t count)
{
    std::set<std::size_t> records{count - 1};
    if (name == "Clubs" || name == "ClubFinances") {
        const std::set<std::size_t> clubs = ReachedClubs(image);
        records.insert(clubs.begin(), clubs.end());
    } else if (name == "Coaches") {
        for (const std::int32_t coach : image.game.HumanCoachSlots)
            records.insert(static_cast<std::size_t>(coach));
    } else if (name == "Players") {
        for (const std::size_t club : ReachedClubs(image)) {
            const auto first = std::find_if(image.players.begin() + 1, image.players.end(), [club](const TPlayer& p) {
                return p.Club >= 0 && static_cast<std::size_t>(p.Club) == club;
            });
            if (first != image.players.end())
                records.insert(static_cast<std::size_t>(first - image.players.begin()));
        }
    } else if (name == "PastMatches") {
        const auto human = [&image](const TPastMatch& m) {
            return IsHumanClub(image, m.homeClub) || IsHumanClub(image, m.awayClub);
        };
        const auto first = std::find_if(image.pastMatches.begin(), image.pastMatches.end(), human);
        const auto last = std::find_if(image.pastMatches.rbegin(), image.pastMatches.rend(), human);
        if (first != image.pastMatches.end()) {
            records.insert(static_cast<std::size_t>(first - image.pastMatches.begin()));
            records.insert(static_cast<std::size_t>(image.pastMatches.rend() - last - 1));
        }
    }
    for (auto r = records.begin(); r != records.end();)
        r = *r < count ? std::next(r) : records.erase(r);
    return records;
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

// The field holds the value already wherever the case would write it.
bool HeldAlready(const std::string& bytes, const SweepCase& c)
{
    for (std::size_t r = 0; r < c.records; ++r)
        if (WordAt(bytes, c.fileOffset + r * c.stride) != c.value) return false;
    return true;
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
            const std::int32_t size = PointedTableSize(field.name, *image, inFile[t].count);
            const std::set<std::int32_t> values = {-2, -1, size, size + 1, 100000, INT_MAX};
            for (const Place& place : AllPlacesOf(bytes, inFile[t], table.recordSize, field, reached)) {
                SweepCase c;
                c.base = base;
                c.table = table.name;
                c.record = place.record;
                c.field = field.elements > 1 ? field.name + "[" + std::to_string(place.element) + "]" : field.name;
                c.fileOffset = inFile[t].start + place.record * table.recordSize + field.offset + 4 * place.element;
                c.records = place.everyRecord ? inFile[t].count : 1;
                c.stride = table.recordSize;
                for (const std::int32_t value : values) {
                    c.value = value;
                    // A value the field holds already would play the base itself.
                    if (!HeldAlready(bytes, c))
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
    for (std::size_t r = 0; r < c.records; ++r)
        std::memcpy(mutated.data() + c.fileOffset + r * c.stride, &c.value, sizeof c.value);
    return mutated;
}

std::string CaseLabel(const SweepCase& c)
{
    const std::string record = c.records > 1 ? "*" : std::to_string(c.record);
    return std::string(BaseName(c.base)) + " " + c.table + "[" + record + "] " + c.field + " = " + std::to_string(c.value);
}

}  // namespace tarvelon::savesweep
