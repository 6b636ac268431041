#include "core/progression/knockout_ties.h"

#include <vector>

#include "core/basics/random.h"
#include "core/history/history_appenders.h"
#include "core/records/matchday_globals.h"
#include "core/progression/club_money.h"
#include "core/progression/cup_prizes.h"
#include "core/progression/day_matches.h"
#include "core/progression/progression_services.h"
#include "core/season/competition_kind.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kMaxStageWinners = 16;
constexpr int kNationalCupChampionStage = 6;
constexpr int kContinentalChampionStage = 8;

struct KnockoutDay {
    int kind;
    int stage;
    int leg;
};

KnockoutDay TodaysKnockout()
{
    switch (Game.DayKind) {
    case kKindNationalCup: return {kKindNationalCup, Game.NationalCupStage, Game.NationalCupLeg};
    case kKindFirstContinentalCup:
        return {kKindFirstContinentalCup, Game.FirstContinentalStage, Game.FirstContinentalLeg};
    case kKindSecondContinentalCup:
        return {kKindSecondContinentalCup, Game.SecondContinentalStage, Game.SecondContinentalLeg};
    default: return {-1, 0, 0};
    }
}

bool IsKnockoutReturnDay(const KnockoutDay& day)
{
    if (day.leg != 2)
        return false;
    if (day.kind == kKindNationalCup)
        return day.stage >= 1 && day.stage <= 5;
    return (day.kind == kKindFirstContinentalCup || day.kind == kKindSecondContinentalCup) && day.stage >= 4 &&
           day.stage <= 7;
}

// Offset of the stage's last fixture from its first.
int LastFixtureOffset(int kind, int stage)
{
    static constexpr int kNationalCup[5] = {31, 15, 7, 3, 1};
    static constexpr int kContinental[4] = {15, 7, 3, 1};
    return kind == kKindNationalCup ? kNationalCup[stage - 1] : kContinental[stage - 4];
}

int NewTieCount(int kind, int nextStage)
{
    if (kind == kKindNationalCup)
        return nextStage >= 2 && nextStage <= 5 ? 1 << (5 - nextStage) : 0;
    return nextStage >= 5 && nextStage <= 7 ? 1 << (7 - nextStage) : 0;
}

std::uint8_t* EntryFlag(int club, int kind)
{
    TClub& c = Clubs[club];
    switch (kind) {
    case kKindNationalCup: return &c.nationalCupEntry;
    case kKindFirstContinentalCup: return &c.FirstContinentalEntry;
    case kKindSecondContinentalCup: return &c.SecondContinentalEntry;
    default: return nullptr;
    }
}

void LeaveCompetition(int club, int kind)
{
    if (!IsClubEntry(club))
        return;
    if (std::uint8_t* flag = EntryFlag(club, kind))
        *flag = 0;
}

bool IsFixture(int fixture) { return fixture >= 0 && fixture < static_cast<int>(Fixtures.size()); }

// The winner of the tie that starts at `first` (its return leg follows it).
int DecideTie(int first)
{
    const TFixture& firstLeg = Fixtures[first];
    const TFixture& returnLeg = Fixtures[first + 1];
    int result = DecideTwoLegTie(firstLeg.homeGoals, firstLeg.awayGoals, returnLeg.homeGoals, returnLeg.awayGoals);
    // The shoot-out is the first leg's: its home club kicks first and its record keeps the counts.
    if (result == 3)
        result = Progression().playShootout ? Progression().playShootout(first) : RandomClubCupShootout(first);
    return result == 1 ? firstLeg.home : firstLeg.away;
}

void CrownChampion(const KnockoutDay& day, int champion, int finalFixture, int championStage)
{
    LeaveCompetition(champion, day.kind);
    AwardCupFinal(champion, finalFixture);
    AddClubPlacing(champion, 1, day.kind, championStage);
}

// Winners 1 and 2 meet, then 3 and 4, ...; the earlier winner is at home in the first leg.
void FillNextStage(int kind, int nextStage, const std::vector<int>& winners)
{
    const int first = FindFixture(CurrentLeague, kind, nextStage);
    if (first < 0)
        return;
    const int ties = NewTieCount(kind, nextStage);
    for (int t = 0; t < ties && 2 * t + 1 < static_cast<int>(winners.size()); ++t) {
        const int leg = first + 2 * t;
        if (!IsFixture(leg + 1))
            return;
        Fixtures[leg].home = Fixtures[leg + 1].away = winners[2 * t];
        Fixtures[leg].away = Fixtures[leg + 1].home = winners[2 * t + 1];
    }
}

}  // namespace

int DecideTwoLegTie(int firstLegHomeGoals, int firstLegAwayGoals, int returnHomeGoals, int returnAwayGoals)
{
    const int x1 = firstLegHomeGoals, y1 = firstLegAwayGoals, y2 = returnHomeGoals, x2 = returnAwayGoals;
    const int legsX = (x1 > y1 ? 1 : 0) + (x2 > y2 ? 1 : 0);
    const int legsY = (y1 > x1 ? 1 : 0) + (y2 > x2 ? 1 : 0);
    if (legsX != legsY)
        return legsX > legsY ? 1 : 2;
    if (x1 + x2 != y1 + y2)
        return x1 + x2 > y1 + y2 ? 1 : 2;
    if (x2 != y1)
        return x2 > y1 ? 1 : 2;
    return 3;
}

void EliminateTieLoser(int fixture, int winner)
{
    if (!IsFixture(fixture))
        return;
    const TFixture& f = Fixtures[fixture];
    const int loser = f.home == winner ? f.away : f.home;
    if (!IsClubEntry(loser))
        return;
    LeaveCompetition(loser, f.kind);
    // Cup placings record the stage reached; the national cup's first stage counts as 0.
    const int stage = f.kind == kKindNationalCup && f.round == 1 ? 0 : f.round;
    AddClubPlacing(loser, stage, f.kind, stage);
}

int RandomClubCupShootout(int fixture)
{
    TFixture& f = Fixtures[fixture];
    const int x = Random(8) + 1;
    const int y = Random(8) + 1;
    const bool homeWins = y <= x;
    const int homeGoals = homeWins ? x : y - 1;
    const int awayGoals = homeWins ? x - 1 : y;
    f.homeShootout = homeGoals;
    f.awayShootout = awayGoals;
    RecordDayShootout(f.home, f.away, homeGoals, awayGoals);
    return homeWins ? 1 : 2;
}

void ResolveKnockoutStage()
{
    const KnockoutDay day = TodaysKnockout();
    if (!IsKnockoutReturnDay(day))
        return;
    const int first = FindFixture(CurrentLeague, day.kind, day.stage);
    if (first < 0)
        return;
    std::vector<int> winners;
    int lastTie = first;
    const int last = first + LastFixtureOffset(day.kind, day.stage);
    for (int tie = first; tie < last && IsFixture(tie + 1); tie += 2) {
        const TFixture& firstLeg = Fixtures[tie];
        if (firstLeg.home < 0 || firstLeg.away < 0)
            break;
        const int winner = DecideTie(tie);
        const int loser = winner == firstLeg.home ? firstLeg.away : firstLeg.home;
        if (static_cast<int>(winners.size()) < kMaxStageWinners)
            winners.push_back(winner);
        ApplyTieMood(day.kind, day.stage, loser, winner);
        EliminateTieLoser(tie, winner);
        lastTie = tie;
    }
    if (winners.empty())
        return;
    const int nextStage = day.stage + 1;
    const int championStage = day.kind == kKindNationalCup ? kNationalCupChampionStage : kContinentalChampionStage;
    if (nextStage == championStage) {
        CrownChampion(day, winners.front(), lastTie, championStage);
        return;
    }
    FillNextStage(day.kind, nextStage, winners);
}

}  // namespace tarvelon
