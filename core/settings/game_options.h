#pragma once
// The game options as a new game reads them from the settings file (section "opcoes"), each key
// with its own mapping and fallback. ReadOptions copies them into the game state; the options
// screens write each key back the moment the player changes it.
#include <array>
#include <cstdint>

#include "core/basics/color.h"

namespace tarvelon {

// Milliseconds per match-clock tick of each row of the speed lists ('Lento' .. 'Hiper rápido').
// Rows outside the list, and the seventh row where there is none, give 600.
std::int32_t TickOfSpeedIndex(int index, bool withHyperSpeed);

// The list colours of the five positions ("Cores Padrão"): shades from the goalkeepers' darkest to
// the forwards' lightest. The colour screen's reset writes them, and a game whose settings hold no
// readable colours starts with them.
inline constexpr std::array<TColor, 5> DefaultListColors = {
    RgbColor(148, 148, 73), RgbColor(179, 179, 100), RgbColor(192, 192, 129),
    RgbColor(209, 209, 163), RgbColor(222, 222, 188),
};

struct GameOptions {
    std::int32_t tickWithHumanMatch = 800;     // "opvelocidade"
    std::int32_t tickWithoutHumanMatch = 600;  // "opnhvelocidade"
    std::uint8_t halfTimeSubstitutions = 1;    // "opintervalo"
    std::uint8_t watchOtherShootouts = 0;      // "op_verpenalty"
    std::uint8_t showCoachChanges = 0;         // "opvertrocatecnicos"
    std::uint8_t sound = 1;                    // "opsom"
    std::uint8_t automaticContractExtension = 0;  // "opcontrato"
    std::uint8_t colouredPlayerLists = 0;      // "opcornalista"
    std::uint8_t boldHomeEvents = 0;           // "opnegrito"
    std::uint8_t keepLineup = 0;               // "opescalacao"
    std::int32_t autosave = 0;                 // "opsalvar": above 3 read as 0, any other number kept
    std::int32_t contractNotices = 0;          // "opemails": the number as it is
    std::array<std::int32_t, 4> continentalMatchDisplay{};  // "opver41", "opver42", "opver61", "opver62": as they are
    std::array<TColor, 5> listColors = DefaultListColors;  // "cor0" .. "cor4"
};

// Reads every key of section "opcoes", each on its own: a missing key or one whose text is not a
// number takes its fallback and leaves the others alone. The five colours are read together: one
// that fails gives all five their default shades.
GameOptions ReadGameOptions();

}  // namespace tarvelon
