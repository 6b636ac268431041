// The team editor's tables: loading every database file, writing one back, deleting a club's file.
#include "editor/model/editor_tables.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/persist/file_io.h"
#include "editor/model/editor_text.h"

namespace tarvelon {

std::vector<TClubHeader> EditorClubHeaders;
std::vector<TClubSquad> EditorClubSquads;
std::vector<std::string> EditorClubPaths;
std::vector<bool> EditorClubDeleted;
std::array<TNationalSquad, kEditorCountryCount> EditorNationalSquads{};

int EditorCurrentClub = 0;
int EditorCurrentNation = 0;
bool EditorNationalView = false;
bool EditorPickerForCurrent = false;
int EditorClubFileCount = 0;
bool NationalDialogEditMode = false;
std::string ChosenImageName;
int LastAddedNationality = 0;
int EditorSelectedSlot = 0;

namespace {

namespace fs = std::filesystem;

// The regular files of `folder` whose extension is `extension` in any case, as folder + "/" + name.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> paths;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        // Every entry but a folder is offered: one that cannot be read is named after loading.
        if (it->is_directory(error))
            continue;
        const std::string name = it->path().filename().string();
        if (EndsWithNoCase(name, extension))
            paths.push_back(folder + "/" + name);
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

// Copies what the file holds over a zeroed record image; a short file leaves the rest zero.
template <typename Record>
void CopyAvailable(const std::string& bytes, std::size_t offset, Record& record)
{
    record = Record{};
    if (bytes.size() <= offset)
        return;
    std::memcpy(&record, bytes.data() + offset, std::min(sizeof(Record), bytes.size() - offset));
}

bool LoadClubFile(const std::string& path)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes, kClubFileSize))
        return false;
    TClubHeader header;
    TClubSquad squad;
    CopyAvailable(bytes, 4, header);
    CopyAvailable(bytes, 4 + sizeof(TClubHeader) + 4, squad);
    // The name field follows the file's real name: a file renamed on disk is written back under it.
    // The club is always written to the path it was read from: a name field with every ".tcf"
    // removed "(case-sensitive), cut to 25 characters" would name another file for "Clube.TCF" or a
    // longer name, and each save would leave a second copy of the club in "teams".
    header.fileName.set(StripExtensionNoCase(fs::path(path).filename().string(), ".tcf"));
    EditorClubHeaders.push_back(header);
    EditorClubSquads.push_back(squad);
    EditorClubPaths.push_back(path);
    EditorClubDeleted.push_back(false);
    return true;
}

bool LoadNationalSquadFile(const std::string& path)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes, kNationalSquadFileSize))
        return false;
    TNationalSquad squad;
    CopyAvailable(bytes, 4, squad);
    if (IsEditorNation(squad.country))
        EditorNationalSquads[static_cast<std::size_t>(squad.country)] = squad;
    return true;
}

std::string FileNameOf(const std::string& path) { return fs::path(path).filename().string(); }

}  // namespace

std::vector<std::string> ListClubFiles() { return ListFiles("teams", ".tcf"); }

std::vector<std::string> ListNationalSquadFiles() { return ListFiles("teams/selecoes", ".nsx"); }

std::vector<std::string> LoadEditorTables(const std::function<void(int loaded)>& progress)
{
    EditorClubHeaders.clear();
    EditorClubSquads.clear();
    EditorClubPaths.clear();
    EditorClubDeleted.clear();
    std::vector<std::string> unreadable;
    int loaded = 0;
    for (const std::string& path : ListClubFiles()) {
        if (progress)
            progress(loaded);
        if (LoadClubFile(path))
            ++loaded;
        else
            unreadable.push_back(FileNameOf(path));
    }
    for (const std::string& path : ListNationalSquadFiles()) {
        if (!LoadNationalSquadFile(path))
            unreadable.push_back(FileNameOf(path));
    }
    return unreadable;
}

bool IsEditorClub(int club) { return club >= 0 && club < static_cast<int>(EditorClubHeaders.size()); }

bool IsLiveEditorClub(int club) { return IsEditorClub(club) && !EditorClubDeleted[static_cast<std::size_t>(club)]; }

bool IsEditorNation(int country) { return country >= 0 && country < kEditorCountryCount; }

bool IsNationPresent(int country)
{
    return IsEditorNation(country) &&
           IsNationalSquadListedInEditor(EditorNationalSquads[static_cast<std::size_t>(country)]);
}

bool SaveEditorClub(int club)
{
    if (!IsLiveEditorClub(club))
        return false;
    const auto i = static_cast<std::size_t>(club);
    ClubFile file{EditorClubHeaders[i], EditorClubSquads[i]};
    StampClubFileForSave(file);
    EditorClubHeaders[i] = file.header;
    if (EditorClubPaths[i].empty())
        EditorClubPaths[i] = ClubFilePath(file.header.fileName.str());
    return WriteClubFile(EditorClubPaths[i], file) == DatabaseFileError::None;
}

bool SaveEditorNation(int country)
{
    if (!IsEditorNation(country))
        return false;
    TNationalSquad& squad = EditorNationalSquads[static_cast<std::size_t>(country)];
    StampNationalSquadForSave(squad);
    std::string path = FindNationalSquadFile(country);
    if (path.empty())
        path = NationalSquadFilePath(country);
    return WriteNationalSquadFile(path, squad) == DatabaseFileError::None;
}

void DeleteEditorClub(int club)
{
    if (!IsEditorClub(club))
        return;
    const auto i = static_cast<std::size_t>(club);
    std::error_code ignored;
    fs::remove(EditorClubPaths[i], ignored);
    EditorClubDeleted[i] = true;
}

void ClearEditorTables()
{
    EditorClubHeaders.clear();
    EditorClubSquads.clear();
    EditorClubPaths.clear();
    EditorClubDeleted.clear();
    EditorNationalSquads.fill(TNationalSquad{});
    EditorCurrentClub = 0;
    EditorCurrentNation = 0;
    EditorNationalView = false;
    EditorPickerForCurrent = false;
    EditorClubFileCount = 0;
    NationalDialogEditMode = false;
    ChosenImageName.clear();
    LastAddedNationality = 0;
    EditorSelectedSlot = 0;
}

}  // namespace tarvelon
