#include "core/persist/file_paths.h"

#include <algorithm>
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

bool IsNameInFolder(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('\0') == std::string_view::npos &&
           name.find('/') == std::string_view::npos && name.find('\\') == std::string_view::npos;
}

bool HoldsControlCharacters(std::string_view name)
{
    return std::any_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

bool IsPlainFileName(std::string_view name)
{
    return IsNameInFolder(name) && !HoldsControlCharacters(name) && name.find("..") == std::string_view::npos;
}

}  // namespace tarvelon
