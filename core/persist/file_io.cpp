#include "core/persist/file_io.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <optional>

namespace tarvelon {

namespace {

namespace fs = std::filesystem;

std::atomic<int> unflushedWriters{0};  // UnflushedWrites alive

FileWriteCalls& Calls()
{
    static FileWriteCalls calls = SystemFileWriteCalls();
    return calls;
}

// A file descriptor closed when it goes out of scope.
class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// Opens a regular file for reading; -1 for anything else. Opening without blocking keeps a FIFO with
// no writer from holding the program; the type is asked of what was opened, not of the name.
int OpenRegularFile(const std::string& path, std::uintmax_t& size)
{
    OpenFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.fd() < 0 || ::fstat(file.fd(), &status) != 0 || !S_ISREG(status.st_mode)) return -1;
    size = static_cast<std::uintmax_t>(status.st_size);
    return file.release();
}

// Appends up to `count` bytes; false on a read error. Stops early at the end of the file.
bool ReadUpTo(int fd, std::string& bytes, std::size_t count)
{
    const std::size_t start = bytes.size();
    bytes.resize(start + count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t read = ::read(fd, bytes.data() + start + got, count - got);
        if (read < 0 && errno == EINTR) continue;
        if (read < 0) {
            bytes.resize(start + got);
            return false;
        }
        if (read == 0) break;
        got += static_cast<std::size_t>(read);
    }
    bytes.resize(start + got);
    return true;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = Calls().write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a new file "<path>.<process>-<n>.tmp" beside `path`, a name no other save uses: the process
// id tells programs apart, the count the saves of one program. A name left by a killed program is
// passed over. -1 when no file can be made there.
int CreateTemporaryBeside(const std::string& path, std::string& temporary)
{
    static std::atomic<unsigned> count{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + "." + std::to_string(::getpid()) + "-" + std::to_string(count++) + ".tmp";
        const int fd = Calls().open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

fs::path FolderOf(const fs::path& file) { return file.has_parent_path() ? file.parent_path() : fs::path("."); }

// The process that wrote "<file>.<process>-<count>.tmp", a temporary file of a write to `file`; 0
// for any other name, the temporaries of other files among them.
pid_t ProcessOfTemporary(std::string_view name, std::string_view file)
{
    constexpr std::string_view kSuffix = ".tmp";
    if (name.size() <= file.size() + 1 + kSuffix.size() || name.substr(0, file.size()) != file ||
        name[file.size()] != '.' || name.substr(name.size() - kSuffix.size()) != kSuffix)
        return 0;
    const std::string_view tag = name.substr(file.size() + 1, name.size() - file.size() - 1 - kSuffix.size());
    const std::size_t dash = tag.find('-');
    if (dash == std::string_view::npos) return 0;
    const auto allDigits = [](std::string_view text) {
        return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const std::string_view process = tag.substr(0, dash);
    if (!allDigits(process) || !allDigits(tag.substr(dash + 1))) return 0;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(process.data(), process.data() + process.size(), pid);
    return error == std::errc() && end == process.data() + process.size() ? pid : 0;
}

// A process that no longer runs: its temporary files will never be renamed. One this program's own
// threads may be writing, or of another user, is alive.
bool ProcessGone(pid_t pid) { return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH; }

// Removes the temporary files a killed write of `file` left beside it (a machine that stopped, a
// kill -9, a file-size signal); a file whose writer still runs is left alone, and so is every other
// file of the folder, whatever its name.
void RemoveStaleTemporaries(const fs::path& file)
{
    const std::string fileName = file.filename().string();
    std::error_code failed;
    for (fs::directory_iterator entry(FolderOf(file), failed), end; !failed && entry != end; entry.increment(failed)) {
        const pid_t pid = ProcessOfTemporary(entry->path().filename().string(), fileName);
        std::error_code typeFailed;
        if (pid > 0 && entry->symlink_status(typeFailed).type() == fs::file_type::regular && ProcessGone(pid))
            Calls().unlink(entry->path().c_str());
    }
}

// The file a write to `path` replaces: a symbolic link is followed to the file it leads to, so that
// the link stays. Nothing for a loop of links.
std::optional<fs::path> FileBehindLinks(const fs::path& path)
{
    constexpr int kMaxLinks = 40;  // as many as the system follows in a path
    fs::path file = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        std::error_code failed;
        if (!fs::is_symlink(fs::symlink_status(file, failed))) return file;
        const fs::path target = fs::read_symlink(file, failed);
        if (failed) return std::nullopt;
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    return std::nullopt;
}

// The new file gets the owner and the permissions of the one it replaces (a file kept private
// stays private, and a save by another user over a player's file stays the player's); a file that
// did not exist gets those of any new file. The owner is kept where the process may give it: a
// process that may not (EPERM) leaves the new file its own, as any new file is.
bool KeepOwnerAndPermissions(const fs::path& replaced, int fd)
{
    struct stat status {};
    if (::stat(replaced.c_str(), &status) != 0) return errno == ENOENT;
    struct stat created {};
    if (::fstat(fd, &created) != 0) return false;
    if ((created.st_uid != status.st_uid || created.st_gid != status.st_gid) &&
        Calls().fchown(fd, status.st_uid, status.st_gid) != 0 && errno != EPERM)
        return false;
    // After the owner: a change of owner may clear the set-id bits.
    return Calls().fchmod(fd, status.st_mode & 07777) == 0;
}

// Flushes the folder's entries, so that the rename itself outlasts a stop of the machine. A file
// system whose folders cannot be flushed keeps the file as written.
void FlushFolder(const fs::path& folder)
{
    const int fd = Calls().open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return;
    Calls().fsync(fd);
    Calls().close(fd);
}

}  // namespace

FileWriteCalls SystemFileWriteCalls()
{
    FileWriteCalls calls;
    calls.open = [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); };
    calls.write = [](int fd, const void* bytes, std::size_t count) { return ::write(fd, bytes, count); };
    calls.fchmod = [](int fd, mode_t mode) { return ::fchmod(fd, mode); };
    calls.fchown = [](int fd, uid_t owner, gid_t group) { return ::fchown(fd, owner, group); };
    calls.fsync = [](int fd) { return ::fsync(fd); };
    calls.close = [](int fd) { return ::close(fd); };
    calls.rename = [](const char* from, const char* to) { return ::rename(from, to); };
    calls.unlink = [](const char* path) { return ::unlink(path); };
    return calls;
}

void SetFileWriteCalls(FileWriteCalls calls) { Calls() = std::move(calls); }

UnflushedWrites::UnflushedWrites() { ++unflushedWriters; }

UnflushedWrites::~UnflushedWrites() { --unflushedWriters; }

bool ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes)
{
    std::uintmax_t size = 0;
    OpenFile file(OpenRegularFile(path, size));
    if (file.fd() < 0) return false;
    bytes.clear();
    // The size is a first guess (a file may grow meanwhile); the reads go on to the end or the limit.
    bytes.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, std::min<std::size_t>(maxBytes, 1 << 26))));
    constexpr std::size_t kStep = 1 << 20;
    while (bytes.size() < maxBytes) {
        const std::size_t before = bytes.size();
        if (!ReadUpTo(file.fd(), bytes, std::min(kStep, maxBytes - before))) return false;
        if (bytes.size() - before < std::min(kStep, maxBytes - before)) break;
    }
    return true;
}

WholeFileRead ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit)
{
    std::uintmax_t size = 0;
    OpenFile file(OpenRegularFile(path, size));
    if (file.fd() < 0) return WholeFileRead::kUnreadable;
    if (size > limit) return WholeFileRead::kTooLarge;
    bytes.clear();
    // One byte past the limit tells a file that grew beyond it after it was measured.
    if (!ReadUpTo(file.fd(), bytes, static_cast<std::size_t>(size))) return WholeFileRead::kUnreadable;
    std::string more;
    while (bytes.size() <= limit) {
        more.clear();
        if (!ReadUpTo(file.fd(), more, std::min<std::size_t>(1 << 20, limit + 1 - bytes.size())))
            return WholeFileRead::kUnreadable;
        if (more.empty()) break;
        bytes += more;
    }
    if (bytes.size() > limit) {
        bytes.clear();
        return WholeFileRead::kTooLarge;
    }
    return WholeFileRead::kRead;
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes)
{
    const std::optional<fs::path> target = FileBehindLinks(path);
    if (!target) return false;
    const fs::path folder = FolderOf(*target);
    const bool flushed = unflushedWriters == 0;
    if (flushed) RemoveStaleTemporaries(*target);
    std::string temporary;
    const int fd = CreateTemporaryBeside(target->string(), temporary);
    if (fd < 0) return false;
    // Flushed before the rename: renamed first, a stop of the machine could leave it empty or short.
    bool written = KeepOwnerAndPermissions(*target, fd) && WriteAll(fd, bytes) && (!flushed || Calls().fsync(fd) == 0);
    written = Calls().close(fd) == 0 && written;
    if (!written || Calls().rename(temporary.c_str(), target->c_str()) != 0) {
        Calls().unlink(temporary.c_str());
        return false;
    }
    if (flushed) FlushFolder(folder);
    return true;
}

}  // namespace tarvelon
