#include "core/services/program_start.h"

#include "core/hooks.h"
#include "core/mail/mail_texts.h"
#include "core/matchday/referee_table.h"
#include "core/progression/auction.h"
#include "core/progression/calendar_advance.h"
#include "core/records/game_state.h"
#include "core/sound/sound.h"

namespace tarvelon {

void PrepareProgramStart()
{
    Randomize();
    AuctionPriceMargin = 0;
    OpenGameSounds();
    Randomize();
    AuctionPlayer = -1;
    Game.RegionalFourthDivision = 0;
    FillReferees();
    FillMailTexts();
}

}  // namespace tarvelon
