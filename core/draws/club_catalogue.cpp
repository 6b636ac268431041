#include "core/draws/club_catalogue.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/persist/club_file.h"
#include "core/persist/file_paths.h"
#include "core/tables.h"

namespace tarvelon {

std::vector<TClubHeader> CustomChampionshipClubs;
std::vector<std::string> CustomChampionshipFiles;
std::vector<std::string> ClubFileNames;

namespace {

const GameTableReset resetFileNames([] { ClubFileNames.clear(); });

bool IsClubFileName(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".tcf";
}

std::vector<std::string> ClubFileNamesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(error) && IsClubFileName(name))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

void ListClubFilesForNewGame(const std::string& folder)
{
    std::vector<std::string> skipped;
    for (const std::string& name : ClubFileNamesIn(folder)) {
        ClubFile file;
        if (!IsPlainFileName(name) || ReadClubFile(folder + "/" + name, file) != DatabaseFileError::None) {
            skipped.push_back(folder + "/" + name);
            continue;
        }
        file.header.fileName.set(name);
        CustomChampionshipClubs.push_back(file.header);
        CustomChampionshipFiles.push_back(name);
    }
    NoticeSkippedDataFiles(skipped);
}

}  // namespace tarvelon
