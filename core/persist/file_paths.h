#pragma once
// Data files are looked up without regard to the case of their names: the database was made on a
// system that ignores case. Paths use "/" separators.
#include <string>
#include <string_view>

namespace tarvelon {

// The path of the file `name` inside the folder `dir`, matched without regard to case (ASCII and
// the accented Latin letters); `name` may hold sub-folders ("selecoes/29.nsx"), and `dir` itself is
// also matched that way when it does not exist as written. The exact spelling wins when it exists.
// Empty when nothing matches.
std::string FindFileNoCase(std::string_view dir, std::string_view name);

// A file name folded for comparison without regard to case (UTF-8 in, UTF-8 out).
std::string FoldFileNameCase(std::string_view name);

}  // namespace tarvelon
