#pragma once
// One fuzz target per reader of the game. Built with libFuzzer (TARVELON_FUZZ_DRIVER), a target is the
// program's LLVMFuzzerTestOneInput; in the ordinary suite every target registers under its name and the
// replay test runs it over its seed corpus and over every input that ever broke it.
//
//   TARVELON_FUZZ_TARGET(settings_file)
//   {
//       ... read `data`, `size` with the reader; fuzz::Expect(promise, "what the reader promises");
//   }
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelon::fuzz {

using TargetFunction = void (*)(const std::uint8_t* data, std::size_t size);

struct Target {
    std::string name;
    TargetFunction function;
};

// Every target of this program, in the order they registered.
std::vector<Target>& Targets();
bool RegisterTarget(const char* name, TargetFunction function);

// A promise the reader broke for this input: under libFuzzer a finding (the program aborts and keeps
// the input), in the replay a failure of the test naming the input.
void Expect(bool kept, const char* promise);

// Where the replay reports a broken promise; the fuzzing program aborts instead.
using BrokenPromiseReport = void (*)(const char* promise);
void SetBrokenPromiseReport(BrokenPromiseReport report);

// The QApplication the windows, fonts and pictures need (offscreen), made once.
void EnsureApplication();

// A folder of its own for this run of the program, made once and removed at exit.
const std::string& ScratchFolder();

// A whole file's bytes (empty when it cannot be read), and a file made of the bytes.
std::string FileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, std::string_view bytes);

// Reads the input from its front: fixed-size numbers, then the rest as text or bytes.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t Byte();
    std::uint16_t Word();
    std::uint32_t Long();
    std::string_view Take(std::size_t count);
    std::string_view Rest() { return Take(rest_.size()); }
    bool Empty() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

}  // namespace tarvelon::fuzz

#ifdef TARVELON_FUZZ_DRIVER
#define TARVELON_FUZZ_TARGET(name)                                                          \
    static void name##_input(const std::uint8_t* data, std::size_t size);                   \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)       \
    {                                                                                       \
        name##_input(data, size);                                                           \
        return 0;                                                                           \
    }                                                                                       \
    static void name##_input(const std::uint8_t* data, std::size_t size)
#else
#define TARVELON_FUZZ_TARGET(name)                                                          \
    static void name##_input(const std::uint8_t* data, std::size_t size);                   \
    [[maybe_unused]] static const bool name##_registered =                                  \
        ::tarvelon::fuzz::RegisterTarget(#name, name##_input);                              \
    static void name##_input(const std::uint8_t* data, std::size_t size)
#endif
