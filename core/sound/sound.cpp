#include "core/sound/sound.h"

#include <optional>

#include "core/basics/cp1252.h"
#include "core/basics/find_file.h"
#include "core/hooks.h"
#include "core/records/game_state.h"

namespace tarvelon {

const std::array<GameSound, 7> GameSounds = {{
    {"gol", "sons/gol1.wav"},
    {"goladv", "sons/goladv.wav"},
    {"fimjogo", "sons/fimjogo.wav"},
    {"penalty", "sons/penalty.wav"},
    {"contusao", "sons/contusao.wav"},
    {"intervalo", "sons/intervalo.wav"},
    {"expulsao", "sons/expulsao.wav"},
}};

namespace {

// Sends a command to the sound device, if there is one; an error is looked up and dropped.
void SendSoundCommand(const std::string& command)
{
    const auto& send = Hooks().sendSoundCommand;
    if (!send)
        return;
    if (const std::uint32_t code = send(command))
        GetMciErrorText(code);
}

std::string TrimControlsAndBlanks(const std::string& text)
{
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t first = 0, last = text.size();
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

}  // namespace

void OpenSound(const std::string& file, const std::string& alias)
{
    SendSoundCommand("open " + file + " type waveaudio alias " + alias);
}

void OpenGameSounds()
{
    for (const GameSound& sound : GameSounds)
        if (const std::optional<std::filesystem::path> file = FindFileIgnoringCase(sound.file))
            OpenSound(file->generic_string(), sound.alias);
}

void PlaySound(const std::string& alias)
{
    if (Game.SoundOption != 0)
        SendSoundCommand("play " + alias + " from 0");
}

std::string GetMciErrorText(std::uint32_t code)
{
    const auto& errorText = Hooks().soundErrorText;
    if (!errorText)
        return {};
    return TrimControlsAndBlanks(Utf8Left(errorText(code), 127));
}

}  // namespace tarvelon
