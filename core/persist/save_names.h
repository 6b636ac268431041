#pragma once
// The save-name dialog's rules: the name typed becomes the file name with ".nsx", and a name whose
// file exists in the save folder (whatever the case of its letters) asks before it is overwritten.
#include <string>

namespace tarvelon {

// The typed name with ".nsx", cut to the record's 50 characters.
std::string SaveNameFromTyped(const std::string& typed);

// A saved game of that typed name is in the save folder.
bool SaveNameTaken(const std::string& typed);

}  // namespace tarvelon
