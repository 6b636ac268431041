#include "core/squad/squad_duties.h"

#include "core/economy/table_access.h"
#include "core/match/computer_lineups.h"

namespace tarvelon {

void HandOverDutiesOf(int player, int club)
{
    if (!IsClubIndex(club))
        return;
    if (Clubs[club].Captain == player) {
        Clubs[club].Captain = 0;
        ChooseCaptain(club);
    }
    if (Clubs[club].SetPieceTaker == player) {
        Clubs[club].SetPieceTaker = 0;
        ChooseFreeKickTaker(club);
    }
}

}  // namespace tarvelon
