#include "core/economy/youth.h"

#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/economy/loans.h"
#include "core/economy/player_value.h"
#include "core/economy/table_access.h"
#include "core/season/calendar.h"

namespace tarvelon {

namespace {

int DrawYouthAge()
{
    const int r = Random(100);
    if (r < 35) return 20;
    if (r < 75) return 19;
    if (r < 89) return 18;
    return 17;
}

int DrawStrengthAtBigClub()
{
    const int r = Random(100) + 1;
    if (r <= 10) return 10 + Random(2);
    if (r <= 30) return 10 + Random(4);
    if (r <= 40) return 12 + Random(4);
    if (r <= 60) return 14 + Random(4);
    if (r <= 80) return 15 + Random(4);
    if (r <= 99) return 15 + Random(5);
    return 20 + Random(7);
}

int DrawStrengthAtGoodClub()
{
    const int r = Random(100);
    if (r < 10) return 8 + Random(2);
    if (r < 80) return 8 + Random(4);
    if (r < 99) return 10 + Random(5);
    return 10 + Random(7);
}

int DrawStrengthElsewhere()
{
    const int r = Random(100);
    if (r < 35) return 2 + Random(5);
    if (r < 80) return 4 + Random(8);
    if (r < 99) return 7 + Random(5);
    return 10 + Random(5);
}

// By the club's level, for computer clubs; a human club (or none) brings up weaker juniors.
int DrawYouthStrength(int club)
{
    const bool computerRun = IsClubIndex(club) && !Clubs[club].IsHuman;
    const int level = IsClubIndex(club) ? Clubs[club].Level : 0;
    if (computerRun && level >= 20)
        return DrawStrengthAtBigClub();
    if (computerRun && level >= 18)
        return DrawStrengthAtGoodClub();
    return DrawStrengthElsewhere();
}

// The bonus a strong old player passes on: three steps for each band of his strength.
int DrawLegacyBonus(int oldStrength)
{
    const int k = Random(3);
    static constexpr int kBonus[4][3] = {{30, 20, 10}, {20, 15, 10}, {10, 7, 5}, {5, 3, 2}};
    if (oldStrength >= 90) return kBonus[0][k];
    if (oldStrength >= 70) return kBonus[1][k];
    if (oldStrength >= 50) return kBonus[2][k];
    if (oldStrength >= 35) return kBonus[3][k];
    return 0;
}

void DrawTraitsForPosition(TPlayer& p, int position)
{
    struct TraitPair {
        int first;
        int second;
    };
    static constexpr TraitPair kGoalkeeper[] = {{0, 2}, {2, 3}, {3, 0}};
    static constexpr TraitPair kFullBack[] = {{6, 10}, {6, 13}, {10, 11}};
    static constexpr TraitPair kCentreBack[] = {{7, 10}, {7, 12}, {7, 5}};
    static constexpr TraitPair kMidfielder[] = {{7, 10}, {7, 11}, {4, 11}, {4, 9}};
    static constexpr TraitPair kForward[] = {{9, 5}, {13, 9}, {8, 9}};
    TraitPair pair{p.Trait1, p.Trait2};
    switch (position) {
    case 0: pair = kGoalkeeper[Random(3)]; break;
    case 1: pair = kFullBack[Random(3)]; break;
    case 2: pair = kCentreBack[Random(3)]; break;
    case 3: pair = kMidfielder[Random(4)]; break;
    case 4: pair = kForward[Random(3)]; break;
    default: break;
    }
    p.Trait1 = pair.first;
    p.Trait2 = pair.second;
}

void ClearPlayerHistory(TPlayer& p)
{
    p.playingTimeCounter = 0;
    p.complained = 0;
    p.moraleCountdown = 0;
    p.contractTalk = 0;
    p.contractFlag = 0;
    p.TiredWarning = 0;
    for (int kind = 0; kind < kCompetitionKinds; ++kind) {
        p.YellowCards[kind] = 0;
        p.Bans[kind] = 0;
    }
}

}  // namespace

void CreateYouthReplacement(int player, const std::string& name, int position)
{
    if (!IsPlayerIndex(player))
        return;
    CloseLoansOfPlayer(player);
    const int club = Players[player].Club;
    Players.push_back(Players[player]);
    Players[player].Club = -1;
    PlayerClubsChanged();
    const int youth = static_cast<int>(Players.size()) - 1;
    TPlayer& p = Players[youth];
    p.loanStatus = 0;

    const int oldStrength = p.Strength;
    const bool wasStar = p.Star != 0;
    p.Age = DrawYouthAge();
    p.Strength = DrawYouthStrength(club);  // drawn before the old player's bonus
    p.Strength += DrawLegacyBonus(oldStrength);
    p.Star = wasStar ? (Random(2) == 1) : (Random(70) == 1);
    if (p.Star)
        p.Strength += 10 + Random(10);
    if (!name.empty())
        p.Name.set(name);

    p.InjuredUntil = TodayDate();
    p.Energy = 100;
    p.Value = CurrencyFromUnits(ComputePlayerValue(youth));  // valued on the career goals copied over
    p.wage = CurrencyFromUnits(ComputePlayerWage(youth));
    p.Morale = 3;
    p.ShirtNumber = 0;
    SetContractWeeks(4, youth);
    p.DevelopmentAccumulator = 0;
    p.careerGoals = 0;
    p.careerCards = 0;
    p.careerGames = 0;
    p.youthFlag = 0;

    if (position >= 0) {
        p.Position = position;
        DrawTraitsForPosition(p, position);
    }
    ClearPlayerHistory(p);
}

}  // namespace tarvelon
