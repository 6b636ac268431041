#include "core/settings/option_changes.h"

#include <algorithm>
#include <string>

#include "core/records/game_state.h"
#include "core/settings/color_text.h"
#include "core/settings/game_options.h"
#include "core/settings/settings.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

void WriteOption(const std::string& key, int value) { WriteSetting(OptionsSection, key, std::to_string(value)); }

void WriteSwitch(const char* key, std::uint8_t& field, bool on)
{
    field = on ? 1 : 0;
    WriteSetting(OptionsSection, key, on ? "1" : "0");
}

int ClampedItem(int index, int last) { return std::clamp(index, 0, last); }

}  // namespace

int SpeedIndexOfTick(int tick, bool withHyperSpeed)
{
    const int rows = withHyperSpeed ? 7 : 6;
    for (int row = 0; row < rows; ++row)
        if (TickOfSpeedIndex(row, withHyperSpeed) == tick)
            return row;
    return 4;  // 600 ms
}

void ChooseHumanMatchSpeed(int index)
{
    index = ClampedItem(index, 5);
    Game.TickIntervalHuman = TickOfSpeedIndex(index, false);
    WriteOption("opvelocidade", index);
}

void ChooseOtherMatchSpeed(int index)
{
    index = ClampedItem(index, 6);
    Game.TickIntervalCpu = TickOfSpeedIndex(index, true);
    WriteOption("opnhvelocidade", index);
}

void ChooseAutosave(int index)
{
    Game.autosave = ClampedItem(index, 3);
    WriteOption("opsalvar", Game.autosave);
}

void ChooseContractNotices(int index)
{
    Game.contractNotices = ClampedItem(index, 3);
    WriteOption("opemails", Game.contractNotices);
}

void ChooseContinentalDisplay(int cup, int index)
{
    static const char* const kKeys[] = {"opver41", "opver42", "opver61", "opver62"};
    if (cup < 0 || cup > 3)
        return;
    Game.continentalMatchDisplay[cup] = ClampedItem(index, 1);
    WriteOption(kKeys[cup], Game.continentalMatchDisplay[cup]);
}

void ChooseWatchOtherShootouts(bool on) { WriteSwitch("op_verpenalty", Game.ShowPenalties, on); }
void ChooseShowCoachChanges(bool on) { WriteSwitch("opvertrocatecnicos", Game.showCoachChanges, on); }
void ChooseHalfTimeSubstitutions(bool on) { WriteSwitch("opintervalo", Game.HalfTimeScreen, on); }
void ChooseSound(bool on) { WriteSwitch("opsom", Game.SoundOption, on); }
void ChooseBoldHomeEvents(bool on) { WriteSwitch("opnegrito", Game.BoldHomeEvents, on); }
void ChooseColouredPlayerLists(bool on) { WriteSwitch("opcornalista", Game.colouredPlayerLists, on); }
void ChooseAutomaticContracts(bool on) { WriteSwitch("opcontrato", Game.autoContractExtension, on); }

void ChooseLeagueShown(int league, bool shown)
{
    if (league >= 0 && league < static_cast<int>(Leagues.size()))
        Leagues[static_cast<std::size_t>(league)].shown = shown ? 1 : 0;
}

void ChooseListColor(int position, TColor color)
{
    if (position < 0 || position > 4)
        return;
    Game.listColours[position] = color;
    WriteSetting(OptionsSection, "cor" + std::to_string(position), ColorToText(color));
}

void ResetListColors()
{
    for (int position = 0; position < 5; ++position)
        ChooseListColor(position, DefaultListColors[static_cast<std::size_t>(position)]);
}

}  // namespace tarvelon
