#include "core/persist/file_paths.h"

#include <filesystem>
#include <optional>

#include "core/basics/find_file.h"

namespace tarvelon {

std::string FindFileNoCase(std::string_view dir, std::string_view name)
{
    const std::filesystem::path path = std::filesystem::path(std::string(dir)) / std::string(name);
    const std::optional<std::filesystem::path> found = FindFileIgnoringCase(path);
    return found ? found->generic_string() : std::string();
}

}  // namespace tarvelon
