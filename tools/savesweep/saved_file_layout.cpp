#include "tools/savesweep/saved_file_layout.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "core/persist/saved_game_image.h"
#include "tools/savesweep/saved_fields.h"

namespace tarvelon::savesweep {

std::string LowerFieldName(const std::string& field)
{
    std::string lower = field.substr(field.find("::") + 2);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool NameHas(const std::string& lower, std::initializer_list<const char*> words)
{
    return std::any_of(words.begin(), words.end(), [&](const char* w) { return lower.find(w) != std::string::npos; });
}

int TableNamed(const std::string& name)
{
    const auto& tables = SavedTables();
    const auto found = std::find_if(tables.begin(), tables.end(), [&](const SavedTable& t) { return t.name == name; });
    return found == tables.end() ? -1 : static_cast<int>(found - tables.begin());
}

std::vector<TableInFile> TablesInFile(const SavedGameImage& image)
{
    std::vector<TableInFile> tables{TableInFile{4, 1}};
    std::size_t at = kSavedGameHeaderBytes;
    VisitSavedBlocks(image, [&](int, const auto& table, auto&) {
        tables.push_back(TableInFile{at + 4, table.size()});
        at += 4 + table.size() * sizeof(table[0]);
    });
    return tables;
}

std::int64_t NumberAt(const std::string& bytes, std::size_t at, int width)
{
    if (width == 8) {
        std::int64_t number = 0;
        std::memcpy(&number, bytes.data() + at, sizeof number);
        return number;
    }
    std::int32_t word = 0;
    std::memcpy(&word, bytes.data() + at, sizeof word);
    return word;
}

void WriteNumber(std::string& bytes, std::size_t at, int width, std::int64_t value)
{
    if (width == 8) {
        std::memcpy(bytes.data() + at, &value, sizeof value);
        return;
    }
    const auto word = static_cast<std::int32_t>(value);
    std::memcpy(bytes.data() + at, &word, sizeof word);
}

int PointedTable(const std::string& field)
{
    const std::string lower = LowerFieldName(field);
    if (NameHas(lower, {"player", "captain", "settaker", "starter", "bench", "scorer", "assist"}))
        return TableNamed("Players");
    if (NameHas(lower, {"coach"}))
        return TableNamed("Coaches");
    if (NameHas(lower, {"club", "home", "away", "entry", "nation", "team", "winner"}))
        return TableNamed("Clubs");
    if (NameHas(lower, {"report"}))
        return TableNamed("MatchReports");
    if (NameHas(lower, {"competition"}))
        return TableNamed("Competitions");
    if (NameHas(lower, {"league"}))
        return TableNamed("Leagues");
    return -1;
}

}  // namespace tarvelon::savesweep
