#pragma once
// A disk that fills up, for the tests of the file writers: while a FullDisk lives, a write that takes
// a file past `bytes` fails (EFBIG) as it would on a full disk. The signal such a write raises is
// ignored meanwhile, so the writer sees the error instead of the program ending.
#include <sys/resource.h>

#include <csignal>
#include <cstddef>

namespace tarvelon::testsupport {

class FullDisk {
public:
    explicit FullDisk(std::size_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = nullptr;
};

}  // namespace tarvelon::testsupport
