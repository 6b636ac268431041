// The settings file, read from a disk that may fail part-way: input = where the read fails (2 bytes,
// 0xFFFF for never) + the file. Reading never crashes; a failed read never lets a write replace the
// file, and a whole read lets a write change one line and keep every other.
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "core/settings/settings_file.h"
#include "tests/fuzz/fuzz_target.h"
#include "tests/support/failing_stream.h"

namespace {

using namespace tarvelon;

std::size_t LineCount(const std::string& text)
{
    std::size_t lines = 0;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        ++lines;
    return lines;
}

}  // namespace

TARVELON_FUZZ_TARGET(settings_file)
{
    fuzz::InputReader input(data, size);
    const std::uint16_t failAt = input.Word();
    const std::string text(input.Rest());
    const std::filesystem::path path = std::filesystem::path(fuzz::ScratchFolder()) / "tarvelon.ini";
    fuzz::WriteFileBytes(path, text);
    const bool fails = failAt != 0xFFFF && failAt < text.size();
    const SettingsFile file(path, [&](const std::filesystem::path& p) {
        return std::make_unique<testing::FailingStream>(fuzz::FileBytes(p), fails ? failAt : std::string::npos);
    });
    file.ReadString("opcoes", "opsom", "nofound");
    file.ReadString("", "", "");
    bool written = true;
    try {
        file.WriteString("Opcoes", "opsom", "0");
    } catch (const std::runtime_error&) {
        written = false;
    }
    const std::string after = fuzz::FileBytes(path);
    if (fails) {
        fuzz::Expect(!written, "a read error part-way refuses the next write");
        fuzz::Expect(after == text, "a refused write leaves the file as it was");
        return;
    }
    fuzz::Expect(written, "a file read whole can be written");
    const std::size_t before = LineCount(text), now = LineCount(after);
    fuzz::Expect(now >= before && now <= before + 2, "writing one key keeps every other line");
    fuzz::Expect(file.ReadString("OPCOES", "OpSom", "nofound") == "0", "a written value reads back");
}
