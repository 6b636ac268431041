#include "core/settings/settings.h"

#include "core/settings/settings_file.h"

namespace tarvelon {

namespace {

std::filesystem::path& ProgramFolderStore()
{
    static std::filesystem::path folder;
    return folder;
}

}  // namespace

void SetProgramFolder(const std::filesystem::path& folder)
{
    ProgramFolderStore() = folder;
}

const std::filesystem::path& ProgramFolder()
{
    return ProgramFolderStore();
}

std::filesystem::path SettingsFilePath()
{
    return ProgramFolder() / SettingsFileName;
}

std::string ReadSetting(const std::string& section, const std::string& key)
{
    return SettingsFile(SettingsFilePath()).ReadString(section, key, SettingNotFound);
}

void WriteSetting(const std::string& section, const std::string& key, const std::string& value)
{
    SettingsFile(SettingsFilePath()).WriteString(section, key, value);
}

}  // namespace tarvelon
