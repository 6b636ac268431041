#include <algorithm>

#include "core/basics/prefetch.h"
#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/players_to_settle.h"
#include "core/match/computer_lineups.h"
#include "core/match/lineup_access.h"
#include "core/match/match_day.h"

namespace tarvelon {

namespace {

bool IsOneOf(int value, std::initializer_list<int> set)
{
    return std::find(set.begin(), set.end(), value) != set.end();
}

int FullBackRole(int t1, int t2)
{
    if (IsOneOf(t1, {13, 6})) return 1;
    if (IsOneOf(t1, {7, 10})) return 0;
    if (IsOneOf(t2, {13, 6})) return 1;
    if (IsOneOf(t2, {7, 10})) return 0;
    if (IsOneOf(t1, {8, 9, 11, 4})) return 1;
    return 0;
}

int MidfielderRole(int t1, int t2)
{
    if (IsOneOf(t1, {11, 9, 8, 4})) return 1;
    if (IsOneOf(t1, {7, 10})) return 0;
    if (IsOneOf(t2, {11, 9, 8, 4})) return 1;
    if (IsOneOf(t2, {7, 10})) return 0;
    return 1;
}

int ForwardRole(int t1)
{
    if (IsOneOf(t1, {8, 10})) return 0;
    if (IsOneOf(t1, {13, 6})) return 2;
    return 1;
}

// The first regular of the club (player-index order) for whom `accept` holds, or -1.
template <typename Accept>
int FirstRegular(int club, Accept accept)
{
    for (int p : PlayersOfClub(club))
        if (Players[p].LineupStatus == 1 && accept(Players[p]))
            return p;
    return -1;
}

}  // namespace

bool IsAvailableToday(int player)
{
    const TPlayer* p = PlayerAt(player);
    int kind = TodayKind();
    return p != nullptr && p->YellowCards[kind] < 3 && p->Bans[kind] <= 0 && p->InjuredUntil <= TodayDate();
}

void ChooseCpuTactics(int club)
{
    TClub* c = ClubAt(club);
    if (c == nullptr)
        return;
    int r = Random(100);
    c->PlayingStyle = r < 70 ? 0 : (r < 80 ? 1 : 2);
    r = Random(100);
    c->Pressing = r < 5 ? 2 : (r < 70 ? 0 : 1);
    r = Random(100);
    c->AttackFocus = r < 70 ? 0 : 1;
}

namespace {

void ServeSuspensionOf(TPlayer& player, int kind)
{
    if (player.Bans[kind] > 0)
        player.Bans[kind] -= 1;
    if (player.YellowCards[kind] > 2)
        player.YellowCards[kind] = 0;
}

// Whether a matchday's settling could still change the player, on a day of any kind.
bool NeedsSettling(const TPlayer& player)
{
    if (player.BlockedThisRound != 0 || player.Strength < 1 || player.Strength > 100 || player.Age < 16 ||
        player.Age > 70)
        return true;
    for (int kind = 0; kind < kCompetitionKinds; ++kind)
        if (player.Bans[kind] > 0 || player.YellowCards[kind] > 2)
            return true;
    return false;
}

void ClampAttributesOf(TPlayer& player)
{
    player.BlockedThisRound = 0;
    player.Strength = std::clamp<int>(player.Strength, 1, 100);
    player.Age = std::clamp<int>(player.Age, 16, 70);
}

}  // namespace

void ServeSuspensions()
{
    const int kind = TodayKind();
    for (int p : PlayersWithAClub())
        ServeSuspensionOf(Players[p], kind);
}

void ClampPlayerAttributes()
{
    for (int p : PlayersWithAClub())
        ClampAttributesOf(Players[p]);
}

void ClampAttributesAndServeSuspensions()
{
    const int kind = TodayKind();
    SettleMarkedPlayers(
        [kind](int p) {
            ClampAttributesOf(Players[p]);
            ServeSuspensionOf(Players[p], kind);
        },
        [](int p) { return NeedsSettling(Players[p]); });
}

void CountAvailablePlayers(int spare, int club)
{
    TClub* c = ClubAt(club);
    if (c == nullptr)
        return;
    c->AvailablePlayers = 0;
    // The first look at the club's players before a line-up: their records are asked for ahead.
    ForEachIndexedRecord(PlayersOfClub(club), Players, [c](int p) {
        if (IsAvailableToday(p))
            c->AvailablePlayers += 1;
    });
}

int ChooseTacticalRole(int player)
{
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return 0;
    switch (p->Position) {
    case 1: return FullBackRole(p->Trait1, p->Trait2);
    case 3: return MidfielderRole(p->Trait1, p->Trait2);
    case 4: return ForwardRole(p->Trait1);
    default: return 0;
    }
}

void ChooseCaptain(int club)
{
    TClub* c = ClubAt(club);
    if (c == nullptr)
        return;
    int captain = FirstRegular(club, [](const TPlayer&) { return true; });
    if (captain <= 0 && !PlayersOfClub(club).empty())
        captain = PlayersOfClub(club).front();  // a club without regulars: its first player leads it
    if (captain > 0)
        c->Captain = captain;
}

void ChooseFreeKickTaker(int club)
{
    TClub* c = ClubAt(club);
    if (c == nullptr)
        return;
    for (int trait : {9, 4, 11}) {
        int taker = FirstRegular(club, [trait](const TPlayer& p) { return p.Trait1 == trait; });
        if (taker > 0) {
            c->SetPieceTaker = taker;
            return;
        }
    }
    int first = FirstRegular(club, [](const TPlayer&) { return true; });
    if (first > 0)
        c->SetPieceTaker = first;
}

}  // namespace tarvelon
