#pragma once
// Whole-file reads and safe whole-file writes for the game's data files and saved games.
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvelon {

// Reads at most `maxBytes` bytes of the file into `bytes`; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes = std::string::npos);

// Writes `bytes` to a temporary file beside `path`, then renames it over `path`, so that a failed
// write leaves the previous file whole. False when anything fails (the temporary file is removed).
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace tarvelon
