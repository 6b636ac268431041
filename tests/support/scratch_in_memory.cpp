#include "tests/support/scratch_in_memory.h"

#include <stdlib.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdint>

namespace tarvelon::testing {

namespace {

constexpr const char* kMemoryFolder = "/dev/shm";
// Several test programs run side by side, each with a database or two of some 20 MB.
constexpr std::uint64_t kLeastRoom = std::uint64_t{2} << 30;

bool HasRoom(const char* folder)
{
    struct statvfs fs {};
    return statvfs(folder, &fs) == 0 && std::uint64_t{fs.f_bavail} * fs.f_frsize >= kLeastRoom &&
           access(folder, W_OK | X_OK) == 0;
}

}  // namespace

void PutScratchFoldersInMemory()
{
    const char* chosen = getenv("TMPDIR");
    if ((chosen && *chosen) || !HasRoom(kMemoryFolder))
        return;
    setenv("TMPDIR", kMemoryFolder, 1);
}

}  // namespace tarvelon::testing
