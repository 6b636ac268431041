#include "core/lineup/hub_turns.h"

#include "core/match/lineup_access.h"
#include "core/records/matchday_globals.h"
#include "core/progression/post_round.h"
#include "core/records/game_state.h"
#include "core/records/table_reset.h"

namespace tarvelon {

int CurrentHumanTurn = 1;

namespace {
// Every game starts on its first coach's turn.
const GameTableReset turnReset([] { CurrentHumanTurn = 1; });

constexpr int kHumanSlots = 6;

int SlotClub(int turn)
{
    return turn >= 1 && turn <= kHumanSlots ? Game.HumanClubs[turn - 1] : -1;
}

int UsedSlots() { return Game.HumanClubCount < kHumanSlots ? Game.HumanClubCount : kHumanSlots; }

void ServeTurn(int turn)
{
    CurrentHumanTurn = turn;
    const int club = SlotClub(turn);
    Game.CurrentHumanClub = club;
    if (const TClub* c = ClubAt(club)) {
        Game.CurrentHumanCoach = c->coach;
        if (Game.DayKind == 3)
            CurrentState = c->State;
    }
}

}  // namespace

bool ChooseFirstHumanTurn()
{
    for (int turn = 1; turn <= UsedSlots(); ++turn)
        if (ClubPlaysToday(Game.DayKind, SlotClub(turn))) {
            ServeTurn(turn);
            return true;
        }
    return false;
}

bool NextHumanTurn()
{
    while (CurrentHumanTurn < UsedSlots()) {
        const int turn = CurrentHumanTurn + 1;
        CurrentHumanTurn = turn;
        if (ClubPlaysToday(Game.DayKind, SlotClub(turn))) {
            ServeTurn(turn);
            return true;
        }
    }
    return false;
}

void PassHubAutomatically()
{
    PrepareHubStart();
    const bool someonePlays = ChooseFirstHumanTurn();
    if (!someonePlays)
        CurrentHumanTurn = 1;
    do {
        const int club = Game.CurrentHumanClub;
        if (const TClub* c = ClubAt(club)) {
            Game.CurrentHumanCoach = c->coach;
            PrepareClubForHub(club);
        }
        if (!someonePlays)
            return;
        AnswerPostRoundAutomatically(club);
    } while (NextHumanTurn());
}

}  // namespace tarvelon
