#include "core/persist/save_names.h"

#include <filesystem>

#include "core/basics/find_file.h"
#include "core/basics/short_string.h"
#include "core/persist/saved_game.h"

namespace tarvelon {

std::string SaveNameFromTyped(const std::string& typed)
{
    ShortString<50> name;
    name.set(typed + kSaveExtension);
    return name.str();
}

std::optional<std::string> ExistingSaveName(const std::string& typed)
{
    if (typed.empty() || !IsValidSaveName(SaveNameFromTyped(typed)))
        return std::nullopt;
    const std::optional<std::filesystem::path> found = FindFileIgnoringCase(SavePath(SaveNameFromTyped(typed)));
    if (!found)
        return std::nullopt;
    return found->filename().string();
}

bool SaveNameTaken(const std::string& typed) { return ExistingSaveName(typed).has_value(); }

std::string SaveNameToWrite(const std::string& typed)
{
    return ExistingSaveName(typed).value_or(SaveNameFromTyped(typed));
}

}  // namespace tarvelon
