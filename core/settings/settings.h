#pragma once
// The game's settings file "tarvelon.ini", which lies in the folder of the program file (not the
// working folder). All the game's options live in its section "opcoes".
#include <filesystem>
#include <string>

namespace tarvelon {

constexpr const char* SettingsFileName = "tarvelon.ini";
constexpr const char* OptionsSection = "opcoes";
constexpr const char* SettingNotFound = "nofound";  // what ReadSetting gives for a missing key

// The folder of the program file, set once at start-up (tests point it at a folder of their own).
// Until it is set, the settings file is looked for in the working folder.
void SetProgramFolder(const std::filesystem::path& folder);
const std::filesystem::path& ProgramFolder();
std::filesystem::path SettingsFilePath();

// The stored text of a key, or "nofound" when the key, its section or the file is missing.
std::string ReadSetting(const std::string& section, const std::string& key);

// Stores the text of one key; creates the file or the section when missing. A failure to write
// throws std::runtime_error (the application's handler reports it) and leaves the old file whole.
void WriteSetting(const std::string& section, const std::string& key, const std::string& value);

}  // namespace tarvelon
