#pragma once
// The data files of one kind in a folder of the game, as the builder walks them.
#include <string>
#include <vector>

namespace tarvelon {

// Names (without folder) of the regular files in `folder` whose extension is `extension` (".tcf"),
// compared without regard to case; in name order, so a build repeats exactly. Empty when the folder
// is missing.
std::vector<std::string> ListDataFiles(const std::string& folder, const std::string& extension);

}  // namespace tarvelon
