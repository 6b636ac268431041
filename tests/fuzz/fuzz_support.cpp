// What every fuzz target shares: the registry of the replay, broken promises, the application object,
// a scratch folder and the input reader.
#include "tests/fuzz/fuzz_target.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace tarvelon::fuzz {

namespace {

BrokenPromiseReport brokenPromiseReport = nullptr;

void Abort(const char* promise)
{
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

}  // namespace

std::vector<Target>& Targets()
{
    static std::vector<Target> targets;
    return targets;
}

bool RegisterTarget(const char* name, TargetFunction function)
{
    Targets().push_back(Target{name, function});
    return true;
}

void SetBrokenPromiseReport(BrokenPromiseReport report) { brokenPromiseReport = report; }

void Expect(bool kept, const char* promise)
{
    if (kept)
        return;
    (brokenPromiseReport ? brokenPromiseReport : Abort)(promise);
}

void EnsureApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tarvelon-fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}

const std::string& ScratchFolder()
{
    // Kept to the end of the program: the removal at exit still needs the name.
    static const std::string* const folder = [] {
        auto* pattern = new std::string((std::filesystem::temp_directory_path() / "tarvelon-fuzz-XXXXXX").string());
        if (!mkdtemp(pattern->data()))
            Abort("a scratch folder can be made");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchFolder(), ignored);
        });
        return pattern;
    }();
    return *folder;
}

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream whole;
    whole << in.rdbuf();
    return whole.str();
}

void WriteFileBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string_view InputReader::Take(std::size_t count)
{
    const std::string_view taken = rest_.substr(0, count);
    rest_.remove_prefix(taken.size());
    return taken;
}

std::uint8_t InputReader::Byte()
{
    const std::string_view b = Take(1);
    return b.empty() ? 0 : static_cast<std::uint8_t>(b[0]);
}

std::uint16_t InputReader::Word()
{
    const std::uint16_t low = Byte();
    return static_cast<std::uint16_t>(low | (Byte() << 8));
}

std::uint32_t InputReader::Long()
{
    const std::uint32_t low = Word();
    return low | (static_cast<std::uint32_t>(Word()) << 16);
}

}  // namespace tarvelon::fuzz
