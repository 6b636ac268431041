#include "core/persist/file_paths.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace tarvelon {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> SplitPath(std::string_view path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        if (end > start) {
            parts.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

bool Exists(const fs::path& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

// The entry of `dir` whose name equals `part` without regard to case; empty when none.
fs::path FindEntryNoCase(const fs::path& dir, const std::string& part)
{
    if (part == "." || part == "..") {
        return dir / part;
    }
    if (Exists(dir / part)) {
        return dir / part;
    }
    const std::string wanted = FoldFileNameCase(part);
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        if (FoldFileNameCase(it->path().filename().string()) == wanted) {
            return it->path();
        }
    }
    return {};
}

// Walks the parts from `start`, matching each without regard to case.
fs::path ResolveParts(fs::path current, const std::vector<std::string>& parts)
{
    for (const std::string& part : parts) {
        current = FindEntryNoCase(current, part);
        if (current.empty()) {
            return {};
        }
    }
    return current;
}

fs::path ResolveDir(std::string_view dir)
{
    if (dir.empty()) {
        return fs::path(".");
    }
    const fs::path asWritten{std::string(dir)};
    if (Exists(asWritten)) {
        return asWritten;
    }
    const fs::path root = dir.front() == '/' ? fs::path("/") : fs::path(".");
    return ResolveParts(root, SplitPath(dir));
}

}  // namespace

std::string FoldFileNameCase(std::string_view name)
{
    std::string folded(name);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        auto& c = reinterpret_cast<unsigned char&>(folded[i]);
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<unsigned char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < folded.size()) {
            // U+00C0..U+00DE (accented capitals, except the multiplication sign) -> U+00E0..U+00FE.
            auto& next = reinterpret_cast<unsigned char&>(folded[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) {
                next = static_cast<unsigned char>(next + 0x20);
            }
            ++i;
        }
    }
    return folded;
}

std::string FindFileNoCase(std::string_view dir, std::string_view name)
{
    const fs::path base = ResolveDir(dir);
    if (base.empty()) {
        return {};
    }
    const fs::path found = ResolveParts(base, SplitPath(name));
    if (found.empty()) {
        return {};
    }
    std::string path = found.generic_string();
    if (path.rfind("./", 0) == 0 && (dir.empty() || dir.rfind("./", 0) != 0)) {
        path.erase(0, 2);
    }
    return path;
}

}  // namespace tarvelon
