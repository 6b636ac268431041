#pragma once
// Whole-file reads and safe whole-file writes for the game's data files, settings and saved games.
// Only regular files are read: a folder, a FIFO or a device (/dev/zero) is refused at once, without
// waiting for a writer or reading without end.
#include <sys/types.h>

#include <cstddef>
#include <functional>
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
// path at once never share it), flushes it to the disk and renames it over `path`, then flushes the
// folder: a failed write, or a machine that stops at any moment, leaves the previous file whole, and
// of writes that succeed at once the last to rename is the one in the file. The new file keeps the
// owner (where the process may give it) and the permissions of the one it replaces; when `path` is a
// symbolic link, the file it leads to is replaced and the link stays. Temporary files of a write to
// this same file ("<file>.<process>-<n>.tmp") left beside it by a program that was killed are removed
// first; no other file of the folder is touched. False when anything fails; the temporary file is
// removed then.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

// The system calls of a replacing write. Tests put their own in place to see the order of the calls
// or to make one fail, as a failing disk does.
struct FileWriteCalls {
    std::function<int(const char* path, int flags, mode_t mode)> open;
    std::function<ssize_t(int fd, const void* bytes, std::size_t count)> write;
    std::function<int(int fd, mode_t mode)> fchmod;
    std::function<int(int fd, uid_t owner, gid_t group)> fchown;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char* from, const char* to)> rename;
    std::function<int(const char* path)> unlink;
};

// The operating system's own calls.
FileWriteCalls SystemFileWriteCalls();

// Replaces the calls every later write makes (SystemFileWriteCalls() puts the real ones back).
void SetFileWriteCalls(FileWriteCalls calls);

// While one lives, replacing writes are neither flushed to the disk nor look for leftovers: for a
// program that fills a new folder with thousands of files at once (the sample database), which a
// stop of the machine costs only a new run, and which the flushes and a look through the growing
// folder at every file would slow down a hundredfold.
class UnflushedWrites {
public:
    UnflushedWrites();
    ~UnflushedWrites();
    UnflushedWrites(const UnflushedWrites&) = delete;
    UnflushedWrites& operator=(const UnflushedWrites&) = delete;
};

}  // namespace tarvelon
