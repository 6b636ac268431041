#pragma once
// A folder of a test's own: made anew under the system's temporary folder (TMPDIR when set) with a
// name no other run shares, so that tests running side by side never meet; removed with everything
// in it when the object goes.
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace tarvelon::test {

class ScratchFolder {
public:
    // `stem` starts the folder's name, for whoever finds one left behind by a crash.
    explicit ScratchFolder(const std::string& stem)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / (stem + "-XXXXXX")).string();
        if (mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Empty when the folder could not be made.
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace tarvelon::test
