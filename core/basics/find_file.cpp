#include "core/basics/find_file.h"

#include <system_error>

#include "core/basics/ascii_text.h"

namespace tarvelon {

namespace {

std::optional<std::filesystem::path> FindEntry(const std::filesystem::path& folder, const std::filesystem::path& name)
{
    std::error_code error;
    const std::filesystem::path exact = folder / name;
    if (std::filesystem::exists(exact, error))
        return exact;
    const std::filesystem::path listed = folder.empty() ? std::filesystem::path(".") : folder;
    for (const auto& entry : std::filesystem::directory_iterator(listed, error)) {
        if (SameTextIgnoringCase(entry.path().filename().string(), name.string()))
            return folder / entry.path().filename();
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path& path)
{
    std::error_code error;
    if (std::filesystem::exists(path, error))
        return path;
    std::filesystem::path found = path.root_path();
    for (const std::filesystem::path& part : path.relative_path()) {
        if (part == "." || part == "..") {
            found /= part;
            continue;
        }
        const std::optional<std::filesystem::path> entry = FindEntry(found, part);
        if (!entry)
            return std::nullopt;
        found = *entry;
    }
    return found;
}

}  // namespace tarvelon
