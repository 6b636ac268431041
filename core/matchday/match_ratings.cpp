#include "core/matchday/match_ratings.h"

#include "core/basics/random.h"
#include "core/basics/rounding.h"
#include "core/match/match_events.h"
#include "core/match/match_events_codes.h"
#include "core/records/match_records.h"
#include "core/tables.h"
#include "core/vocab/tactics_board.h"

namespace tarvelon {

namespace {

constexpr int kGoalkeeper = 0;

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

// What the rating reads of one side of the match, seen from the player's club.
struct SideFigures {
    int goals;
    int possession;
    int shots;
    int ballsWon;
};

SideFigures FiguresOf(const jogos& match, int sideIndex)
{
    return {match.goals[sideIndex], match.possession[sideIndex], match.shots[sideIndex], match.ballsWon[sideIndex]};
}

double BaseByResult(const TPlayer& player, int own, int opponent)
{
    if (player.Position == kGoalkeeper)
        return 4.5;
    if (own >= opponent)
        return player.Strength <= 60 ? 5.0 : 6.0;
    if (player.Strength <= 30)
        return 4.0;
    return player.Strength <= 60 ? 4.5 : 5.0;
}

// Midfielders are judged by possession.
double PossessionStep(const TPlayer& player, int slot, const SideFigures& own, const SideFigures& opp)
{
    if (!InRange(slot, 10, 17) || own.possession == opp.possession)
        return 0.0;
    const bool roleZero = player.Role == 0;
    if (opp.possession > own.possession) {
        double change = Random(3) == 1 ? -1.0 : -0.5;
        return roleZero ? change - 0.5 : change;
    }
    double change = Random(3) == 1 ? 0.5 : 1.0;
    return roleZero ? change + 0.5 : change;
}

// Defenders and defensive midfielders are judged by balls won.
double BallsWonStep(int slot, const SideFigures& own, const SideFigures& opp)
{
    if (!InRange(slot, 1, 13) || own.ballsWon == opp.ballsWon)
        return 0.0;
    if (opp.ballsWon > own.ballsWon) {
        double change = -0.5;
        if (InRange(slot, 3, 8) && Random(4) == 1)
            change -= 0.5;
        if (InRange(slot, 11, 13) && Random(4) == 1)
            change -= 0.5;
        return change;
    }
    double change = Random(3) == 1 ? 1.0 : 0.5;
    if (InRange(slot, 3, 8) && Random(4) == 1)
        change += 0.5;
    if (InRange(slot, 11, 13) && Random(4) == 1)
        change += 0.5;
    return change;
}

double GoalkeeperStep(const SideFigures& own, const SideFigures& opp)
{
    (void)own;
    const int saves = opp.shots - opp.goals;
    double change = saves > Round(opp.shots * 0.5) ? 1.0 : -1.0;
    if (opp.goals >= 4)
        change -= 2.5;
    else if (opp.goals >= 2)
        change -= 1.0;
    else if (opp.goals == 1)
        change -= 0.5;
    else
        change += 1.0;
    if (opp.shots < 5)
        change -= 1.0;
    return change;
}

// Attackers and attacking midfielders are judged by how many of their side's shots went in.
double FinishingStep(int slot, const SideFigures& own)
{
    if (!InRange(slot, 14, 25))
        return 0.0;
    double change = 0.0;
    for (double share : {0.1, 0.05}) {
        if (own.goals < Round(own.shots * share)) {
            change -= 1.0;
            if (InRange(slot, 18, 25) && Random(3) == 1)
                change -= 0.5;
        }
    }
    return change;
}

double GoalsConcededStep(int slot, const SideFigures& opp)
{
    if (!InRange(slot, 1, 13))
        return 0.0;
    const double sign = opp.goals > 0 ? -1.0 : 1.0;
    double change = opp.goals > 0 ? -0.5 * opp.goals : 0.5;
    if (InRange(slot, 3, 8) && Random(3) == 1)
        change += 0.5 * sign;
    if (InRange(slot, 11, 13) && Random(3) == 1)
        change += 0.5 * sign;
    return change;
}

double GoalkeeperOverride(double rating, const SideFigures& opp)
{
    if (opp.shots < 3)
        rating = 5 + Random(3);
    if (opp.shots > 15 && opp.goals < 4)
        rating = 6 + Random(3);
    if (opp.shots > 20 && opp.goals < 2)
        rating = 6 + Random(4);
    if (opp.shots > 20 && opp.goals == 0)
        rating = 7 + Random(4);
    return rating;
}

int CardGradeOf(const PlayerCardCounts& cards)
{
    if (cards.secondYellowRed > 0)
        return 3;
    if (cards.red > 0)
        return 2;
    return cards.yellow > 0 ? 1 : 0;
}

}  // namespace

int DefaultPitchSlotOfPosition(int position)
{
    static const int kSlots[5] = {1, 2, 7, 15, 23};
    return InRange(position, 0, 4) ? kSlots[position] : 15;
}

float ComputeMatchRating(int playerIndex, int matchIndex, int club, int slot)
{
    if (playerIndex <= 0 || playerIndex >= static_cast<int>(Players.size()))
        return 0.0f;
    const TPlayer& player = Players[playerIndex];
    const jogos& match = Matches[matchIndex];
    const int ownIndex = match.club[0] == club ? 0 : 1;
    const SideFigures own = FiguresOf(match, ownIndex);
    const SideFigures opp = FiguresOf(match, 1 - ownIndex);
    if (!PitchSlotRoles.contains(slot))
        slot = DefaultPitchSlotOfPosition(player.Position);

    double rating = BaseByResult(player, own.goals, opp.goals);
    if (player.Position != PitchSlotRoles[slot].position)
        rating -= 1.5;
    rating += PossessionStep(player, slot, own, opp);
    rating += BallsWonStep(slot, own, opp);
    if (slot == 1)
        rating += GoalkeeperStep(own, opp);
    rating += FinishingStep(slot, own);
    rating += GoalsConcededStep(slot, opp);

    const PlayerMatchCounts events = CountPlayerMatchEvents(playerIndex);
    rating += events.goals - events.ownGoals - events.missedPenalties - events.yellowCards - 2.0 * events.otherCards;
    rating += 2.0;

    if (rating < 6 && Random(11) == 1)
        rating = 8.0;
    if (rating < 5)
        rating = 3 + Random(2);
    if (slot == 1)
        rating = GoalkeeperOverride(rating, opp);
    if (rating >= 10)
        rating = Random(8) == 1 ? 10.0 : 8 + Random(2);

    if (events.ticksOnPitch < 30 && events.goals == 0)
        rating = 0.0;
    else if (events.ticksOnPitch < 60)
        rating -= 1.0;
    return static_cast<float>(rating);
}

void RecordStarterRatings(int report, int matchIndex)
{
    // The starters are the elevens copied at kick-off: a starter's place may hold his substitute by now.
    const jogos& match = Matches[matchIndex];
    for (int side = 0; side < 2; ++side) {
        for (int place = 0; place < 11; ++place) {
            const int player = match.startingEleven[side][place];
            if (player <= 0)
                continue;
            const int club = match.club[side];
            const int slot = match.startingSlots[side][place];
            const PlayerCardCounts cards = CountPlayerCards(player);
            TAppearance appearance{};
            appearance.report = report;
            appearance.player = player;
            appearance.pitchSlot = slot;
            appearance.rating = ComputeMatchRating(player, matchIndex, club, slot);
            appearance.onPitchAtEnd = Players[player].OnPitch ? 1 : 0;
            appearance.club = club;
            appearance.cardGrade = CardGradeOf(cards);
            appearance.injuries = cards.injuries;
            Appearances.push_back(appearance);
        }
    }
}

void RecordSubstituteRatings(int report, int matchIndex)
{
    // Appending to SubAppearances never touches MatchEvents, so the event list can be walked directly.
    for (const TMatchEventEntry& event : MatchEvents) {
        if (event.match != matchIndex || (event.code != meSubstitution && event.code != meInjurySubstitution))
            continue;
        const PlayerCardCounts cards = CountPlayerCards(event.player);
        TSubAppearance appearance{};
        appearance.player = event.player;
        appearance.second = event.second;
        appearance.tick = event.tick;
        // The substitute's own rating, judged on the time he played.
        appearance.rating = ComputeMatchRating(event.second, matchIndex, event.club, -1);
        appearance.report = report;
        appearance.club = event.club;
        appearance.cardGrade = CardGradeOf(cards);
        appearance.injuries = cards.injuries;
        SubAppearances.push_back(appearance);
    }
}

}  // namespace tarvelon
