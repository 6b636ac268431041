#include "core/persist/save_names.h"

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

bool SaveNameTaken(const std::string& typed)
{
    if (typed.empty() || !IsValidSaveName(SaveNameFromTyped(typed)))
        return false;
    return FindFileIgnoringCase(SavePath(SaveNameFromTyped(typed))).has_value();
}

}  // namespace tarvelon
