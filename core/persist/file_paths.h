#pragma once
// Data files are looked up without regard to the case of their names: the database was made on a
// system that ignores case. Paths use "/" separators.
#include <string>
#include <string_view>

namespace tarvelon {

// The path of the file `name` inside the folder `dir` as it is on disk, every folder and the name
// matched without regard to case (core/basics/find_file.h); `name` may hold sub-folders
// ("selecoes/29.nsx"). Empty when nothing matches.
std::string FindFileNoCase(std::string_view dir, std::string_view name);

// A file name taken from the data (a saved game, a club file) or from the player stays inside the
// folder it is looked up in: no folder separators, no "..", no control characters (a NUL would cut
// the path short), not empty.
bool IsPlainFileName(std::string_view name);

}  // namespace tarvelon
