#pragma once
// File search with wildcards: the names in a folder that match a pattern ("*.tcf", "sav?.nsx"),
// without regard to case, sorted by name the same way on every system. FindFirst / FindNext walk
// the same sorted list.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvelon {

enum : int {
    faReadOnly = 0x01,
    faHidden = 0x02,
    faSysFile = 0x04,
    faDirectory = 0x10,
    faArchive = 0x20,
    faAnyFile = 0x3F,
};

struct TSearchRec {
    std::string Name;        // the name alone, as on disk
    std::int64_t Size = 0;
    int Attr = 0;
    // Where FindNext goes on.
    std::vector<TSearchRec> found;
    std::size_t next = 0;
};

// '*' any run of characters, '?' one character; case ignored.
bool MatchesWildcard(const std::string& name, const std::string& pattern);

// The entries of `folder` matching `pattern`: files always, folders too when `attr` has faDirectory
// ("." and ".." never). Sorted by name without regard to case. Empty when the folder is missing.
std::vector<TSearchRec> FindFiles(const std::string& folder, const std::string& pattern, int attr = faAnyFile & ~faDirectory);
// Only the names.
std::vector<std::string> FindFileNames(const std::string& folder, const std::string& pattern);

// `path` is a folder and a pattern ("teams/*.tcf"). 0 when an entry was found (in rec), else
// non-zero (nothing found, or the folder is missing).
int FindFirst(const std::string& path, int attr, TSearchRec& rec);
int FindNext(TSearchRec& rec);
void FindClose(TSearchRec& rec);

// How a path is found on disk: the start-up routine installs the game's lookup, which ignores the
// case of names (the data was made on a system that does); until then a path is taken as written.
// The lookup answers the path as it is on disk, or nothing.
using TFileLookup = std::function<std::optional<std::string>(const std::string& path)>;
void SetFileLookup(TFileLookup lookup);
// The path as the lookup finds it on disk (nothing when there is no such file or folder).
std::optional<std::string> FindOnDisk(const std::string& path);
// Whether a file (not a folder) of that name exists, whatever the case of its name.
bool FileExists(const std::string& path);
// Deletes the file of that name, whatever the case of its name; false when there is none or it
// cannot be deleted.
bool DeleteFile(const std::string& path);

}  // namespace tarvelon
