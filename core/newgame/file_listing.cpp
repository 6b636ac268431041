#include "core/newgame/file_listing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/basics/ascii_text.h"

namespace tarvelon {

namespace {

bool HasExtension(const std::string& name, const std::string& extension)
{
    if (name.size() <= extension.size())
        return false;
    return SameTextIgnoringCase(std::string_view(name).substr(name.size() - extension.size()), extension);
}

}  // namespace

std::vector<std::string> ListDataFiles(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(error) && HasExtension(name, extension))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace tarvelon
