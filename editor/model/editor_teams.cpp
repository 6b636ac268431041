// The team editor's rules for clubs, national teams and their pictures.
#include "editor/model/editor_teams.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/basics/cp1252.h"
#include "core/persist/club_file.h"
#include "core/persist/file_paths.h"
#include "core/records/club_file.h"
#include "core/sort/record_sort.h"
#include "core/vocab/countries.h"
#include "editor/model/editor_tables.h"
#include "editor/model/editor_text.h"

namespace tarvelon {

namespace {

namespace fs = std::filesystem;

constexpr const char* kPictureExtensions[] = {".png", ".gif", ".bmp"};

bool IsPictureFile(const std::string& name)
{
    return std::any_of(std::begin(kPictureExtensions), std::end(kPictureExtensions),
                       [&name](const char* extension) { return EndsWithNoCase(name, extension); });
}

TClubHeader& Header(int club) { return EditorClubHeaders[static_cast<std::size_t>(club)]; }

}  // namespace

ClubListRow ClubListRowOf(int club)
{
    const TClubHeader& header = Header(club);
    return {club, header.shortName.str(), header.country, header.level, header.playable != 0};
}

std::vector<ClubListRow> ClubListRows()
{
    std::vector<ClubListRow> rows;
    for (int club = 0; club < static_cast<int>(EditorClubHeaders.size()); ++club) {
        if (IsClubListedInEditor(Header(club)) && IsLiveEditorClub(club))
            rows.push_back(ClubListRowOf(club));
    }
    return rows;
}

std::vector<NationListRow> NationListRows()
{
    std::vector<NationListRow> rows;
    for (int country = 0; country < kEditorCountryCount; ++country) {
        if (IsNationPresent(country))
            rows.push_back({country, EditorNationalSquads[static_cast<std::size_t>(country)].level});
    }
    return rows;
}

void SortClubRowsByCountryAndLevel(std::vector<ClubListRow>& rows)
{
    // The game's one sort over record indexes (the names stay in the rows).
    std::vector<int> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    if (order.size() > 1) {
        SortRecords(order.data(), 0, static_cast<int>(order.size()) - 1, [&rows](int a, int b) {
            const ClubListRow& x = rows[static_cast<std::size_t>(a)];
            const ClubListRow& y = rows[static_cast<std::size_t>(b)];
            if (x.country != y.country)
                return x.country < y.country ? -1 : 1;
            if (x.level != y.level)
                return x.level > y.level ? -1 : 1;
            return x.name.compare(y.name) < 0 ? -1 : (x.name == y.name ? 0 : 1);
        });
    }
    std::vector<ClubListRow> sorted;
    for (int i : order)
        sorted.push_back(rows[static_cast<std::size_t>(i)]);
    rows = std::move(sorted);
}

bool IsValidClubFileName(const std::string& name)
{
    // Stored in the club's header as typed: a character with no stored form would name another file.
    const std::string stored = Utf8ToCp1252(name);
    if (stored.empty() || stored.size() > static_cast<std::size_t>(kMaxNewClubFileName) || Cp1252ToUtf8(stored) != name)
        return false;
    return IsPlainFileName(name);
}

std::string NewClubProblem(const NewClubFields& fields)
{
    if (fields.fullName.empty())
        return "Nome completo não informado";
    if (fields.shortName.empty())
        return "Nome abreviado não informado";
    if (fields.coach.empty())
        return "Técnico não informado";
    if (fields.stadium.empty())
        return "Estádio não informado";
    if (fields.fileName.empty())
        return "Nome arquivo não informado";
    // The name becomes a file of "teams": nothing that could leave the folder.
    if (!IsValidClubFileName(fields.fileName))
        return "Nome de arquivo inválido: sem barras, \"..\" nem caracteres de controle (até 21)";
    if (!FindClubFile(fields.fileName).empty())
        return "Arquivo já existe, escolha outro nome";
    return "";
}

int AddEditorClub(const NewClubFields& fields)
{
    TClubHeader header;
    header.fileName.set(fields.fileName);
    header.shortName.set(fields.shortName);
    header.fullName.set(fields.fullName);
    header.coachName.set(fields.coach);
    header.stadium.set(fields.stadium);
    header.formatValue = kDatabaseFormatValue;
    header.country = static_cast<std::uint8_t>(fields.country);
    header.level = static_cast<std::uint8_t>(fields.level);
    header.backColor = fields.backColor;
    header.textColor = fields.textColor;
    header.state = static_cast<std::uint8_t>(fields.state);
    header.crestName.set(fields.crest);
    TClubSquad squad;
    for (auto& name : squad.names)
        name.setRaw(kFreeSlotName);
    EditorClubHeaders.push_back(header);
    EditorClubSquads.push_back(squad);
    EditorClubPaths.push_back(ClubFilePath(fields.fileName));
    EditorClubDeleted.push_back(false);
    EditorCurrentClub = static_cast<int>(EditorClubHeaders.size()) - 1;
    return EditorCurrentClub;
}

bool ClubChanges::Any() const
{
    return fullName || shortName || coach || stadium || level || country || state || backColor || textColor;
}

void ApplyClubChanges(int club, const ClubChanges& changes)
{
    if (!IsEditorClub(club))
        return;
    TClubHeader& header = Header(club);
    auto applyText = [](auto& field, const std::optional<std::string>& text) {
        if (text && !text->empty())
            field.set(*text);
    };
    applyText(header.fullName, changes.fullName);
    applyText(header.shortName, changes.shortName);
    applyText(header.coachName, changes.coach);
    applyText(header.stadium, changes.stadium);
    if (changes.level)
        header.level = static_cast<std::uint8_t>(*changes.level);
    if (changes.country)
        header.country = static_cast<std::uint8_t>(*changes.country);
    if (changes.backColor)
        header.backColor = *changes.backColor;
    if (changes.textColor)
        header.textColor = *changes.textColor;
    if (changes.state)
        header.state = static_cast<std::uint8_t>(*changes.state);
}

void AddEditorNation(int country, const NationFields& fields)
{
    if (!IsEditorNation(country))
        return;
    TNationalSquad& squad = EditorNationalSquads[static_cast<std::size_t>(country)];
    squad.country = country;
    squad.playerCount = 0;
    squad.symbolName.set(fields.symbol);
    EditEditorNation(country, fields);
}

void EditEditorNation(int country, const NationFields& fields)
{
    if (!IsEditorNation(country))
        return;
    TNationalSquad& squad = EditorNationalSquads[static_cast<std::size_t>(country)];
    squad.coach.set(fields.coach);
    squad.level = fields.level;
    squad.backColor = fields.backColor;
    squad.textColor = fields.textColor;
}

int CountryForKey(char key)
{
    const std::string prefix = key == 'M' ? "Ma" : std::string(1, key);
    for (int country = 0; country < kEditorCountryCount; ++country) {
        if (std::string_view(CountryNames[static_cast<std::size_t>(country)]).starts_with(prefix))
            return country;
    }
    return -1;
}

std::vector<std::string> ListPictureFiles(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(error) && IsPictureFile(name))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

// Taken as "the file name with every occurrence of ".png", ".gif" and ".bmp" removed
// (case-sensitive)", a picture listed as "Escudo.PNG" would keep "Escudo.PNG" and "a.gif.png" would
// become "a": the club would show no crest, or another picture, from then on. Only the picture
// extension at the end goes, in any case, so that the name found again is the file chosen.
std::string PictureBaseName(const std::string& fileName)
{
    for (const char* extension : kPictureExtensions) {
        if (EndsWithNoCase(fileName, extension))
            return StripExtensionNoCase(fileName, extension);
    }
    return fileName;
}

std::string PictureNameProblem(const std::string& baseName, bool national)
{
    // A short string's record field is its length byte and its characters.
    const std::size_t capacity =
        (national ? sizeof(decltype(TNationalSquad::symbolName)) : sizeof(decltype(TClubHeader::crestName))) - 1;
    const std::string what = national ? "símbolo" : "escudo";
    if (Utf8Length(baseName) > capacity)
        return "O nome do arquivo \"" + baseName + "\" é longo demais: o nome do " + what + " tem no máximo " +
               std::to_string(capacity) + " caracteres, sem a extensão.";
    if (Cp1252ToUtf8(Utf8ToCp1252(baseName)) != baseName)
        return "O nome do arquivo \"" + baseName + "\" tem caracteres que o arquivo da equipe não guarda.";
    return "";
}

namespace {

template <std::size_t N>
std::string FirstPictureOf(const std::string& folder, const std::string& baseName, const char* const (&extensions)[N])
{
    if (!IsPlainFileName(baseName))  // a name from a club file that leads out of the folder shows nothing
        return "";
    for (const char* extension : extensions) {
        std::string path = FindFileNoCase(folder, baseName + extension);
        if (!path.empty())
            return path;
    }
    return "";
}

}  // namespace

std::string ResolvePicture(const std::string& folder, const std::string& baseName)
{
    return FirstPictureOf(folder, baseName, kPictureExtensions);
}

std::string StoredSymbolPreviewPath(const std::string& baseName)
{
    static constexpr const char* kPreviewExtensions[] = {".gif", ".bmp"};
    return FirstPictureOf(kSymbolFolder, baseName, kPreviewExtensions);
}

namespace {

std::string PictureOrNoCrest(const std::string& folder, const std::string& baseName)
{
    std::string path = ResolvePicture(folder, baseName);
    return path.empty() ? FindFileNoCase(kCrestFolder, kNoCrestName) : path;
}

}  // namespace

std::string ClubCrestPath(int club)
{
    return IsEditorClub(club) ? PictureOrNoCrest(kCrestFolder, Header(club).crestName.str()) : "";
}

std::string NationSymbolPath(int country)
{
    if (!IsEditorNation(country))
        return "";
    return PictureOrNoCrest(kSymbolFolder, EditorNationalSquads[static_cast<std::size_t>(country)].symbolName.str());
}

}  // namespace tarvelon
