#pragma once
// The game's seven short sounds. Each is opened once at start-up under a fixed alias and then played
// by alias from its beginning, through the sound commands of core/hooks.h:
//   "open <file> type waveaudio alias <alias>"      "play <alias> from 0"
// A sound that cannot be opened or played is skipped silently. Sounds stay open until the program
// ends.
#include <array>
#include <cstdint>
#include <string>

namespace tarvelon {

struct GameSound {
    const char* alias;
    const char* file;  // relative to the working folder
};

// "gol" a goal of a human club, "goladv" a goal against one, "fimjogo" the end of the matchday,
// "penalty" the penalty dialogs, "contusao" the injury dialog, "intervalo" half time,
// "expulsao" a sending-off.
extern const std::array<GameSound, 7> GameSounds;

// Opens one wave file under an alias.
void OpenSound(const std::string& file, const std::string& alias);

// Opens each of the seven sounds whose file is there (names found without regard to case).
void OpenGameSounds();

// Plays the sound of an alias from its beginning (restarting it if it is still playing), unless
// the game's sound option is off. Does not wait for it to end.
void PlaySound(const std::string& alias);

// The text of a sound error, at most 127 characters, trimmed. The game looks it up and drops it.
std::string GetMciErrorText(std::uint32_t code);

}  // namespace tarvelon
