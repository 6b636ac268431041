#pragma once
// Whole-file reads and safe whole-file writes for the game's data files, settings and saved games.
// Only regular files are read: a folder, a FIFO or a device (/dev/zero) is refused at once, without
// waiting for a writer or reading without end.
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvelon {

// Reads at most `maxBytes` bytes from the front of the file into `bytes`; false when it is not a
// regular file or cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes = std::string::npos);

enum class WholeFileRead {
    kRead,
    kUnreadable,  // missing, not a regular file, or a read error
    kTooLarge,    // more than the limit: refused before any of it is read
};

// Reads the whole file into `bytes` when it holds at most `limit` bytes.
WholeFileRead ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit);

// Writes `bytes` to a temporary file of its own beside `path` (a unique name, so that saves to one
// path at once never share it), then renames it over `path`: a failed write leaves the previous file
// whole, and of writes that succeed at once the last to rename is the one in the file. False when
// anything fails; the temporary file is removed then.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace tarvelon
