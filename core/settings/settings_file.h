#pragma once
// A text settings file of sections and keys:
//   [section]
//   key=value
// Section and key names are found without regard to case; the first section and the first key of a
// name count. Values are kept as text (UTF-8). Every call reads the file afresh, so what another
// writer stored is seen at once.
#include <filesystem>
#include <functional>
#include <istream>
#include <memory>
#include <string>

namespace tarvelon {

// Opens the file for reading (null when it cannot be opened). The default opens it from disk; tests
// give a stream that fails part-way, as a failing disk does.
using SettingsStreamOpener = std::function<std::unique_ptr<std::istream>(const std::filesystem::path&)>;

class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path path, SettingsStreamOpener opener = {});

    const std::filesystem::path& path() const { return path_; }

    // The stored value, or `fallback` when the file, the section or the key is missing, or when the
    // file could not be read to its end.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback) const;

    // Stores one value, creating the file, the section or the key when missing; every other line
    // stays as it was. The new file is written beside the old one and then renamed over it, so a
    // failed write leaves the old file whole. Throws std::runtime_error when it cannot write, when
    // the file would grow past the size the reader takes (1 MiB), and when the file exists but could
    // not be read to its end: writing back only the lines that were read would lose the others.
    void WriteString(const std::string& section, const std::string& key, const std::string& value) const;

private:
    std::filesystem::path path_;
    SettingsStreamOpener opener_;
};

}  // namespace tarvelon
