#include "platform/stdctrls/file_search.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/stdctrls/strings.h"

namespace tarvelon {
namespace {

// Matches over characters (not bytes), so "?" takes one accented letter.
bool Matches(const std::u32string& name, std::size_t n, const std::u32string& pattern, std::size_t p)
{
    while (p < pattern.size()) {
        if (pattern[p] == U'*') {
            while (p < pattern.size() && pattern[p] == U'*')
                ++p;
            if (p == pattern.size())
                return true;
            for (std::size_t start = n; start <= name.size(); ++start) {
                if (Matches(name, start, pattern, p))
                    return true;
            }
            return false;
        }
        if (n >= name.size())
            return false;
        if (pattern[p] != U'?' && pattern[p] != name[n])
            return false;
        ++n;
        ++p;
    }
    return n == name.size();
}

std::u32string Folded(const std::string& text)
{
    const QList<uint> codes = QString::fromUtf8(text.c_str()).toCaseFolded().toUcs4();
    return std::u32string(codes.begin(), codes.end());
}

constexpr int kNotFound = 18;  // "no more files"

}  // namespace

bool MatchesWildcard(const std::string& name, const std::string& pattern)
{
    // "*.*" is every name, also one without a dot.
    if (pattern == "*.*")
        return true;
    return Matches(Folded(name), 0, Folded(pattern), 0);
}

std::vector<TSearchRec> FindFiles(const std::string& folder, const std::string& pattern, int attr)
{
    namespace fs = std::filesystem;
    std::vector<TSearchRec> found;
    std::error_code error;
    fs::directory_iterator entries(folder.empty() ? fs::path(".") : fs::path(folder), error);
    if (error)
        return found;
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        const bool isFolder = entry.is_directory(error);
        if (isFolder && !(attr & faDirectory))
            continue;
        if (!MatchesWildcard(name, pattern))
            continue;
        TSearchRec rec;
        rec.Name = name;
        rec.Attr = isFolder ? faDirectory : faArchive;
        if (!name.empty() && name[0] == '.')
            rec.Attr |= faHidden;
        if (!isFolder)
            rec.Size = static_cast<std::int64_t>(entry.file_size(error));
        found.push_back(std::move(rec));
    }
    std::sort(found.begin(), found.end(), [](const TSearchRec& a, const TSearchRec& b) {
        const int compare = CompareTextNoCase(a.Name, b.Name);
        return compare != 0 ? compare < 0 : a.Name < b.Name;
    });
    return found;
}

std::vector<std::string> FindFileNames(const std::string& folder, const std::string& pattern)
{
    std::vector<std::string> names;
    for (const TSearchRec& rec : FindFiles(folder, pattern))
        names.push_back(rec.Name);
    return names;
}

int FindFirst(const std::string& path, int attr, TSearchRec& rec)
{
    const std::size_t slash = path.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    const std::string pattern = slash == std::string::npos ? path : path.substr(slash + 1);
    rec.found = FindFiles(folder, pattern, attr);
    rec.next = 0;
    return FindNext(rec);
}

int FindNext(TSearchRec& rec)
{
    if (rec.next >= rec.found.size())
        return kNotFound;
    const TSearchRec& entry = rec.found[rec.next++];
    rec.Name = entry.Name;
    rec.Size = entry.Size;
    rec.Attr = entry.Attr;
    return 0;
}

void FindClose(TSearchRec& rec)
{
    rec.found.clear();
    rec.next = 0;
}

namespace {

bool IsFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

TFileLookup& InstalledLookup()
{
    static TFileLookup lookup;
    return lookup;
}

}  // namespace

void SetFileLookup(TFileLookup lookup)
{
    InstalledLookup() = std::move(lookup);
}

std::optional<std::string> FindOnDisk(const std::string& path)
{
    if (InstalledLookup())
        return InstalledLookup()(path);
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::path(path), error))
        return path;
    return std::nullopt;
}

bool FileExists(const std::string& path)
{
    const std::optional<std::string> found = FindOnDisk(path);
    return found && IsFile(*found);
}

bool DeleteFile(const std::string& path)
{
    const std::optional<std::string> found = FindOnDisk(path);
    std::error_code error;
    return found && IsFile(*found) && std::filesystem::remove(std::filesystem::path(*found), error);
}

}  // namespace tarvelon
