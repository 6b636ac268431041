#include "core/persist/file_io.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tarvelon {

namespace fs = std::filesystem;

bool ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.clear();
    char buffer[65536];
    // A regular file that may be larger than a step (a saved game) is read whole in one read into a
    // buffer of its size (asking its size costs more than a small file's read)...
    std::error_code failed;
    const bool large = maxBytes > sizeof(buffer);
    const std::uintmax_t size = large && fs::is_regular_file(path, failed) ? fs::file_size(path, failed) : 0;
    if (!failed && size > 0) {
        bytes.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxBytes)));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    // ... and anything else, or what a file grew by meanwhile, in steps to its end.
    while (bytes.size() < maxBytes && in) {
        const std::size_t want = std::min<std::size_t>(sizeof(buffer), maxBytes - bytes.size());
        in.read(buffer, static_cast<std::streamsize>(want));
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    return !in.bad();
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

}  // namespace tarvelon
