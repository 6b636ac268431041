#pragma once
// Watches the system calls of the replacing writes (core/persist/file_io.h) while it lives: each call
// is noted as "<call> <file>", the file named by its role: "temporary" (the new file before its
// rename), "folder" (the folder flushed after it), or the name of the file replaced. Writes in a row
// are noted once.
#include <fcntl.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/persist/file_io.h"

namespace tarvelon::testsupport {

class RecordedFileCalls {
public:
    RecordedFileCalls()
    {
        const FileWriteCalls system = SystemFileWriteCalls();
        FileWriteCalls calls = system;
        calls.open = [this, system](const char* path, int flags, mode_t mode) {
            const int fd = system.open(path, flags, mode);
            files_[fd] = (flags & O_DIRECTORY) ? "folder" : Role(path);
            Note("open " + files_[fd]);
            return fd;
        };
        calls.write = [this, system](int fd, const void* bytes, std::size_t count) {
            if (log_.empty() || log_.back() != "write " + files_[fd]) Note("write " + files_[fd]);
            return system.write(fd, bytes, count);
        };
        calls.fchmod = [this, system](int fd, mode_t mode) { Note("fchmod " + files_[fd]); return system.fchmod(fd, mode); };
        calls.fchown = [this, system](int fd, uid_t owner, gid_t group) {
            Note("fchown " + files_[fd]);
            return system.fchown(fd, owner, group);
        };
        calls.fsync = [this, system](int fd) { Note("fsync " + files_[fd]); return system.fsync(fd); };
        calls.close = [this, system](int fd) { Note("close " + files_[fd]); return system.close(fd); };
        calls.rename = [this, system](const char* from, const char* to) {
            Note("rename " + Role(from) + " " + Role(to));
            return system.rename(from, to);
        };
        calls.unlink = [this, system](const char* path) { Note("unlink " + Role(path)); return system.unlink(path); };
        SetFileWriteCalls(calls);
    }
    ~RecordedFileCalls() { SetFileWriteCalls(SystemFileWriteCalls()); }
    RecordedFileCalls(const RecordedFileCalls&) = delete;
    RecordedFileCalls& operator=(const RecordedFileCalls&) = delete;

    const std::vector<std::string>& log() const { return log_; }

private:
    static std::string Role(const std::string& path)
    {
        const std::string name = std::filesystem::path(path).filename().string();
        return name.size() > 4 && name.substr(name.size() - 4) == ".tmp" ? "temporary" : name;
    }
    void Note(const std::string& call) { log_.push_back(call); }

    std::vector<std::string> log_;
    std::map<int, std::string> files_;
};

}  // namespace tarvelon::testsupport
