#include "core/persist/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

namespace tarvelon {

namespace {

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
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
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
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

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
    std::string temporary;
    OpenFile file(CreateTemporaryBeside(path, temporary));
    if (file.fd() < 0) return false;
    bool written = WriteAll(file.fd(), bytes);
    written = ::close(file.release()) == 0 && written;
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace tarvelon
