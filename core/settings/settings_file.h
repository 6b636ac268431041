#pragma once
// A text settings file of sections and keys:
//   [section]
//   key=value
// Section and key names are found without regard to case; the first section and the first key of a
// name count. Values are kept as text (UTF-8). Every call reads the file afresh, so what another
// writer stored is seen at once.
#include <filesystem>
#include <string>

namespace tarvelon {

class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }

    // The stored value, or `fallback` when the file, the section or the key is missing.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback) const;

    // Stores one value, creating the file, the section or the key when missing; every other line
    // stays as it was. The new file is written beside the old one and then renamed over it, so a
    // failed write leaves the old file whole. Throws std::runtime_error when it cannot write.
    void WriteString(const std::string& section, const std::string& key, const std::string& value) const;

private:
    std::filesystem::path path_;
};

}  // namespace tarvelon
