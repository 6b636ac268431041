#include "core/settings/game_options.h"

#include <optional>
#include <string>

#include "core/basics/str_to_int.h"
#include "core/settings/color_text.h"
#include "core/settings/settings.h"

namespace tarvelon {

std::int32_t TickOfSpeedIndex(int index, bool withHyperSpeed)
{
    switch (index) {
    case 0: return 4000;
    case 1: return 2500;
    case 2: return 1500;
    case 3: return 800;
    case 5: return 100;
    case 6: return withHyperSpeed ? 10 : 600;
    default: return 600;
    }
}

namespace {

std::optional<std::int32_t> ReadNumber(const char* key)
{
    return TryStrToInt(ReadSetting(OptionsSection, key));
}

// A key's number through its mapping, or the key's fallback when it is not a number.
template <typename Mapping>
std::int32_t ReadOption(const char* key, std::int32_t fallback, Mapping mapping)
{
    const std::optional<std::int32_t> n = ReadNumber(key);
    return n ? mapping(*n) : fallback;
}

std::int32_t AsItIs(std::int32_t n) { return n; }
// Automatic saving: a number above the list's last item (3) reads as "Não salvar"; one below it stays.
std::int32_t AutosaveItem(std::int32_t n) { return n > 3 ? 0 : n; }

// A list colour is a plain RGB value or one of the system colours.
bool IsListColor(TColor color)
{
    const auto bits = static_cast<std::uint32_t>(color);
    return bits <= 0x00FFFFFFu || (bits & 0xFFFFFF00u) == 0xFF000000u;
}
std::int32_t OffOnlyForZero(std::int32_t n) { return n == 0 ? 0 : 1; }
std::int32_t OnOnlyForOne(std::int32_t n) { return n == 1 ? 1 : 0; }

std::uint8_t ReadSwitch(const char* key, std::uint8_t fallback, std::int32_t (*mapping)(std::int32_t))
{
    return static_cast<std::uint8_t>(ReadOption(key, fallback, mapping));
}

std::optional<std::array<TColor, 5>> ReadListColors()
{
    std::array<TColor, 5> colors{};
    for (int k = 0; k < 5; ++k) {
        const std::optional<TColor> color = TextToColor(ReadSetting(OptionsSection, "cor" + std::to_string(k)));
        if (!color || !IsListColor(*color))
            return std::nullopt;
        colors[k] = *color;
    }
    return colors;
}

}  // namespace

GameOptions ReadGameOptions()
{
    GameOptions o;
    o.tickWithHumanMatch = ReadOption("opvelocidade", 800, [](std::int32_t n) { return TickOfSpeedIndex(n, false); });
    o.tickWithoutHumanMatch = ReadOption("opnhvelocidade", 600, [](std::int32_t n) { return TickOfSpeedIndex(n, true); });
    o.halfTimeSubstitutions = ReadSwitch("opintervalo", 1, OffOnlyForZero);
    o.watchOtherShootouts = ReadSwitch("op_verpenalty", 0, OnOnlyForOne);
    o.showCoachChanges = ReadSwitch("opvertrocatecnicos", 0, OffOnlyForZero);
    o.sound = ReadSwitch("opsom", 1, OffOnlyForZero);
    o.automaticContractExtension = ReadSwitch("opcontrato", 0, OffOnlyForZero);
    o.colouredPlayerLists = ReadSwitch("opcornalista", 0, OnOnlyForOne);
    o.boldHomeEvents = ReadSwitch("opnegrito", 0, OnOnlyForOne);
    o.keepLineup = ReadSwitch("opescalacao", 0, OffOnlyForZero);
    o.autosave = ReadOption("opsalvar", 0, AutosaveItem);
    o.contractNotices = ReadOption("opemails", 0, AsItIs);
    const char* displayKeys[] = {"opver41", "opver42", "opver61", "opver62"};
    for (int k = 0; k < 4; ++k)
        o.continentalMatchDisplay[k] = ReadOption(displayKeys[k], 0, AsItIs);
    if (const auto colors = ReadListColors())
        o.listColors = *colors;
    return o;
}

}  // namespace tarvelon
