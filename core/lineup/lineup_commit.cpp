#include "core/lineup/lineup_commit.h"

#include <algorithm>
#include <vector>

#include "core/mail/mail.h"
#include "core/match/computer_lineups.h"
#include "core/match/lineup_access.h"
#include "core/match/lineup_ratings.h"
#include "core/match/match_events.h"
#include "core/match/player_match_stats.h"
#include "core/records/matchday_globals.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

int AppendLineup(int club)
{
    Lineups.push_back(TLineup{});
    const int index = static_cast<int>(Lineups.size()) - 1;
    Clubs[static_cast<std::size_t>(club)].LineupIndex = index;
    return index;
}

void ClearMatchFlags(const LineupBoard& board)
{
    for (int player : board.rowPlayers)
        if (TPlayer* p = PlayerAt(player)) {
            p->OnPitch = 0;
            p->LineupStatus = 0;
            p->BlockedThisRound = 0;
        }
}

// A tired starter loses his good mood, and his coach hears about him.
void WarnIfTired(int club, int player)
{
    TPlayer* p = PlayerAt(player);
    if (p == nullptr || p->Energy >= kTiredEnergy || p->Trait1 == kStaminaTrait)
        return;
    p->Morale = 1;
    p->TiredWarning = 1;
    SendMail(club, mkPlayerMessage, 6, 0, 0, player);
}

// The board's players whose game today is counted already: a line-up of their club confirmed
// earlier this matchday put them on the pitch, a flag the save keeps and the day's end clears.
std::vector<int> CountedToday(const LineupBoard& board)
{
    std::vector<int> counted;
    for (int player : board.rowPlayers)
        if (const TPlayer* p = PlayerAt(player); p != nullptr && p->OnPitch != 0)
            counted.push_back(player);
    return counted;
}

// Counting each starter's game at every confirmation would count it twice when the club's line-up
// is confirmed again the same day: a game saved at a later coach's turn and loaded serves the
// coaches before him once more (the save holds no line-ups), and their starters' careers and season
// lines would gain a game they do not play. A starter counted already keeps that count, and was
// warned of his tiredness then.
void PutStarter(int club, int player, int place, const std::vector<int>& countedToday, bool nationalTeamMode)
{
    if (std::find(countedToday.begin(), countedToday.end(), player) != countedToday.end()) {
        PlacePlayerInLineupSlot(club, player, place);
        return;
    }
    PutPlayerInLineupSlot(club, player, place);
    if (!nationalTeamMode)
        WarnIfTired(club, player);
}

bool IsStarter(const TLineup& lineup, int player)
{
    for (int place = 1; place <= kStarterShirts; ++place)
        if (lineup.starters[place - 1] == player)
            return true;
    return false;
}

// A line-up confirmed again may leave out a starter whose game the first confirmation counted: he
// does not play it (nor twice, should he come on from the bench), so the count is taken back, and he
// rests at the day's end as a player who did not play.
void TakeBackGamesNotFielded(const TLineup& lineup, const std::vector<int>& countedToday)
{
    for (int player : countedToday)
        if (!IsStarter(lineup, player)) {
            TPlayer& p = Players[static_cast<std::size_t>(player)];
            TakeBackPlayerGame(player, p.Club);
            p.PlayedThisRound = 0;
        }
}

}  // namespace

bool CommitLineup(int club, const LineupBoard& board, bool nationalTeamMode)
{
    if (ClubAt(club) == nullptr || !ReadyToKickOff(board))
        return false;
    const std::vector<int> countedToday = CountedToday(board);
    ClearMatchFlags(board);
    const int index = AppendLineup(club);
    for (int shirt = 1; shirt <= kStarterShirts; ++shirt) {
        const ShirtSlot& s = board.shirts[static_cast<std::size_t>(shirt)];
        const int place = shirt == 1 ? kStarterShirts : shirt - 1;
        Lineups[static_cast<std::size_t>(index)].pitchSlots[place - 1] = s.pitchSlot;
        if (!board.HasPlayer(shirt))
            continue;  // a short side leaves the place empty
        PutStarter(club, s.player, place, countedToday, nationalTeamMode);
    }
    TakeBackGamesNotFielded(Lineups[static_cast<std::size_t>(index)], countedToday);
    int benchPlace = 0;
    for (int shirt = kStarterShirts + 1; shirt <= kShirtCount; ++shirt) {
        if (!board.HasPlayer(shirt))
            continue;
        const int player = board.shirts[static_cast<std::size_t>(shirt)].player;
        Lineups[static_cast<std::size_t>(index)].bench[benchPlace++] = player;
        TPlayer* p = PlayerAt(player);
        p->OnPitch = 0;
        p->LineupStatus = 2;
    }
    CountAvailablePlayers(0, club);
    ComputeLineupRatings(index);
    CurrentLeague = 0;
    return true;
}

}  // namespace tarvelon
