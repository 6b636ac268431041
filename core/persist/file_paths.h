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

// A name of a file found in a folder stays inside it: not empty, no folder separators, no NUL (it
// would cut the path short), and not "." or ".." (the folder itself and its parent). Dots inside or
// at the end of a name ("a..b", "jogo.") are plain characters of the name.
bool IsNameInFolder(std::string_view name);

// A name holding a control character (a newline, a tab, a DEL).
bool HoldsControlCharacters(std::string_view name);

// A file name taken from the data (a club file, a crest) or from the editor: a name in the folder
// (above) with no control characters and no ".." anywhere in it.
bool IsPlainFileName(std::string_view name);

}  // namespace tarvelon
