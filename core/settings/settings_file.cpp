#include "core/settings/settings_file.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/basics/ascii_text.h"
#include "core/persist/file_io.h"

namespace tarvelon {

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The file as lines, without their line ends; the style of line end is kept for writing back.
struct SettingsText {
    std::vector<std::string> lines;
    bool crlf = false;
};

// Far above the few dozen lines the game writes: a larger file is not a settings file and is not
// read into memory.
constexpr std::size_t kMaxSettingsFileBytes = std::size_t{1} << 20;

std::unique_ptr<std::istream> OpenFromDisk(const std::filesystem::path& path)
{
    std::string content;
    if (ReadWholeFile(path.string(), content, kMaxSettingsFileBytes) != WholeFileRead::kRead)
        return nullptr;
    return std::make_unique<std::istringstream>(std::move(content));
}

// The whole content, or nothing when reading stopped on an error before the end. The error must not
// pass for the end of the file: a stream copy (`out << in.rdbuf()`) would swallow it.
std::optional<std::string> ReadWhole(std::istream& in)
{
    std::string content;
    char chunk[4096];
    while (content.size() <= kMaxSettingsFileBytes && (in.read(chunk, sizeof chunk) || in.gcount() > 0))
        content.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad() || content.size() > kMaxSettingsFileBytes)
        return std::nullopt;
    return content;
}

std::optional<SettingsText> LoadText(const std::filesystem::path& path, const SettingsStreamOpener& opener)
{
    const std::unique_ptr<std::istream> in = opener ? opener(path) : OpenFromDisk(path);
    if (!in)
        return std::nullopt;
    const std::optional<std::string> content = ReadWhole(*in);
    if (!content)
        return std::nullopt;
    SettingsText text;
    std::string line;
    std::istringstream lines(*content);
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
            text.crlf = true;
        }
        text.lines.push_back(line);
    }
    return text;
}

// What a line is, once blanks and a leading byte-order mark are set aside.
struct ParsedLine {
    enum Kind { Other, Section, Entry } kind = Other;
    std::string_view name;   // section or key name
    std::string_view value;  // value of an entry
};

ParsedLine Parse(std::string_view line, bool first)
{
    if (first && line.substr(0, Utf8Bom.size()) == Utf8Bom)
        line.remove_prefix(Utf8Bom.size());
    line = Trim(line);
    ParsedLine parsed;
    if (!line.empty() && line.front() == '[') {
        parsed.kind = ParsedLine::Section;
        const std::size_t close = line.find(']');
        parsed.name = Trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        return parsed;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return parsed;
    parsed.kind = ParsedLine::Entry;
    parsed.name = Trim(line.substr(0, equals));
    parsed.value = Trim(line.substr(equals + 1));
    // A value in matching quotes is read without them.
    if (parsed.value.size() >= 2 && (parsed.value.front() == '"' || parsed.value.front() == '\'') &&
        parsed.value.back() == parsed.value.front())
        parsed.value = parsed.value.substr(1, parsed.value.size() - 2);
    return parsed;
}

// Where a key stands in the text: the line of its section's header (if any), the line of the key
// (if any), and the line after which a new key of that section goes.
struct KeyPlace {
    std::optional<std::size_t> sectionLine;
    std::optional<std::size_t> keyLine;
    std::size_t lastSectionLine = 0;
};

KeyPlace Locate(const SettingsText& text, std::string_view section, std::string_view key)
{
    KeyPlace place;
    bool inSection = false;
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        const ParsedLine parsed = Parse(text.lines[i], i == 0);
        if (parsed.kind == ParsedLine::Section) {
            if (inSection)
                break;  // only the first section of the name counts
            inSection = SameTextIgnoringCase(parsed.name, section);
            if (inSection)
                place.sectionLine = place.lastSectionLine = i;
            continue;
        }
        if (!inSection)
            continue;
        if (!Trim(text.lines[i]).empty())
            place.lastSectionLine = i;
        if (parsed.kind == ParsedLine::Entry && !place.keyLine && SameTextIgnoringCase(parsed.name, key))
            place.keyLine = i;
    }
    return place;
}

[[noreturn]] void WriteFailed(const std::filesystem::path& path)
{
    throw std::runtime_error("Não foi possível gravar o arquivo " + path.string());
}

void ReplaceFile(const std::filesystem::path& path, const SettingsText& text)
{
    const char* end = text.crlf ? "\r\n" : "\n";
    std::string content;
    for (const std::string& line : text.lines)
        content.append(line).append(end);
    // A file past the limit would read as no file at all: every option its default, every change refused.
    if (content.size() > kMaxSettingsFileBytes || !WriteFileReplacing(path.string(), content))
        WriteFailed(path);
}

}  // namespace

SettingsFile::SettingsFile(std::filesystem::path path, SettingsStreamOpener opener)
    : path_(std::move(path)), opener_(std::move(opener))
{
}

std::string SettingsFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& fallback) const
{
    const std::optional<SettingsText> text = LoadText(path_, opener_);
    if (!text)
        return fallback;
    const KeyPlace place = Locate(*text, section, key);
    if (!place.keyLine)
        return fallback;
    return std::string(Parse(text->lines[*place.keyLine], *place.keyLine == 0).value);
}

void SettingsFile::WriteString(const std::string& section, const std::string& key, const std::string& value) const
{
    SettingsText text;
    if (std::filesystem::exists(path_)) {
        std::optional<SettingsText> old = LoadText(path_, opener_);
        if (!old)
            WriteFailed(path_);  // never replace a file that could not be read whole
        text = std::move(*old);
    }
    const KeyPlace place = Locate(text, section, key);
    if (place.keyLine) {
        // Keep the key as it is spelt in the file; only the value changes.
        const std::string_view line = text.lines[*place.keyLine];
        text.lines[*place.keyLine] = std::string(line.substr(0, line.find('='))) + "=" + value;
    } else if (place.sectionLine) {
        text.lines.insert(text.lines.begin() + static_cast<std::ptrdiff_t>(place.lastSectionLine) + 1,
                          key + "=" + value);
    } else {
        text.lines.push_back("[" + section + "]");
        text.lines.push_back(key + "=" + value);
    }
    ReplaceFile(path_, text);
}

}  // namespace tarvelon
