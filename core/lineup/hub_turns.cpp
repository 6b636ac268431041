#include "core/lineup/hub_turns.h"

#include "core/match/lineup_access.h"
#include "core/records/matchday_globals.h"
#include "core/progression/post_round.h"
#include "core/records/game_state.h"
#include "core/records/table_reset.h"
#include "core/season/competition_kind.h"

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

// The slot's club becomes the current one (an emptied slot, a coach who resigned, leaves the
// current club as it was rather than none).
void TakeSlot(int turn)
{
    CurrentHumanTurn = turn;
    if (SlotClub(turn) >= 0)
        Game.CurrentHumanClub = SlotClub(turn);
}

// The current club's coach is the one served.
void ServeCurrentClub()
{
    if (const TClub* club = ClubAt(Game.CurrentHumanClub))
        Game.CurrentHumanCoach = club->coach;
}

}  // namespace

bool ChooseFirstHumanTurn()
{
    CurrentHumanTurn = 1;
    for (int turn = 1; turn <= UsedSlots(); ++turn)
        if (ClubPlaysToday(Game.DayKind, SlotClub(turn))) {
            TakeSlot(turn);
            ServeCurrentClub();
            const TClub* club = ClubAt(Game.CurrentHumanClub);
            // The state shown first on a state day is the first coach's, for the whole day.
            if (club != nullptr && Game.DayKind == kKindStateChampionship)
                CurrentState = club->State;
            return true;
        }
    return false;
}

bool NextHumanTurn()
{
    while (CurrentHumanTurn < UsedSlots()) {
        const int turn = CurrentHumanTurn + 1;
        TakeSlot(turn);
        if (ClubPlaysToday(Game.DayKind, SlotClub(turn))) {
            ServeCurrentClub();
            return true;
        }
    }
    return false;
}

void PassHubAutomatically()
{
    PrepareHubStart();
    // When no human club plays today the hub shows the club it showed last, and its coach's round
    // goes by as any other before he kicks off.
    const bool someonePlays = ChooseFirstHumanTurn();
    do {
        const int club = Game.CurrentHumanClub;
        if (const TClub* c = ClubAt(club)) {
            Game.CurrentHumanCoach = c->coach;
            PrepareClubForHub(club);
        }
        AnswerPostRoundAutomatically(club);
    } while (someonePlays && NextHumanTurn());
}

}  // namespace tarvelon
