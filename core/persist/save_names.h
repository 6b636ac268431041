#pragma once
// The save-name dialog's rules: the name typed becomes the file name with ".nsx", and a name whose
// file exists in the save folder asks before it is overwritten. Save names, as every data file name,
// are matched without regard to case, in the question and in the write alike: "baseup" names the
// save "BASEUP.NSX", and overwriting it writes that file, never a second one beside it.
#include <optional>
#include <string>

namespace tarvelon {

// The typed name with ".nsx", cut to the record's 50 characters.
std::string SaveNameFromTyped(const std::string& typed);

// The name on disk of the saved game the typed name names (whatever the case of its letters), or
// nothing when the save folder holds none.
std::optional<std::string> ExistingSaveName(const std::string& typed);

// A saved game of that typed name is in the save folder.
bool SaveNameTaken(const std::string& typed);

// The save name the typed name is saved under: the existing saved game's own name, or the typed
// name with ".nsx".
std::string SaveNameToWrite(const std::string& typed);

}  // namespace tarvelon
