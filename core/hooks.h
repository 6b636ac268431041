#pragma once
// What the rules need from outside: questions to the player, the screen, the clock and sound output.
// The program fills these at start-up; tests and the headless tools fill them with fakes.
// Core never includes a window-system header: this is its only door to the rest of the program.
#include <cstdint>
#include <functional>
#include <string>

namespace tarvelon {

struct CoreHooks {
    // The high-resolution clock read to seed the random generator (and by the match engine before each
    // chance test). The program reads the real clock; tests install a deterministic one.
    std::function<std::uint64_t()> highResolutionClock;

    // Sends one multimedia command string (open, play, stop, close a wave sound by alias) and returns
    // its error code (0 = done). Empty: no sound device, nothing is played.
    std::function<std::uint32_t(const std::string& command)> sendSoundCommand;

    // Error text of a multimedia error code.
    std::function<std::string(std::uint32_t code)> soundErrorText;

    // A modal message box with the given text; returns when the player has closed it.
    std::function<void(const std::string& text)> showMessage;

    // Width and height of the screen in pixels.
    std::function<int()> screenWidth;
    std::function<int()> screenHeight;
};

// The one set of hooks of the program, with safe defaults: a real clock, no sound, no messages,
// an 800 x 600 screen.
CoreHooks& Hooks();

// A deterministic clock for tests and headless runs: it advances by varying steps drawn from a
// generator of its own, seeded with `seed`, as a real clock advances between two reads.
void InstallDeterministicClock(std::uint64_t seed);

}  // namespace tarvelon
