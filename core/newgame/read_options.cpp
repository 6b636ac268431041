#include "core/newgame/read_options.h"

#include "core/records/game_state.h"
#include "core/settings/game_options.h"

namespace tarvelon {

void ReadOptions()
{
    const GameOptions options = ReadGameOptions();
    Game.TickIntervalHuman = options.tickWithHumanMatch;
    Game.TickIntervalCpu = options.tickWithoutHumanMatch;
    Game.HalfTimeScreen = options.halfTimeSubstitutions;
    Game.ShowPenalties = options.watchOtherShootouts;
    Game.showCoachChanges = options.showCoachChanges;
    Game.SoundOption = options.sound;
    Game.autoContractExtension = options.automaticContractExtension;
    Game.colouredPlayerLists = options.colouredPlayerLists;
    Game.BoldHomeEvents = options.boldHomeEvents;
    Game.KeepLineup = options.keepLineup;
    Game.autosave = options.autosave;
    Game.contractNotices = options.contractNotices;
    for (int i = 0; i < 4; ++i)
        Game.continentalMatchDisplay[i] = options.continentalMatchDisplay[i];
    for (int i = 0; i < 5; ++i)
        Game.listColours[i] = options.listColors[i];
}

}  // namespace tarvelon
