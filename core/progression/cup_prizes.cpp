#include "core/progression/cup_prizes.h"

#include "core/records/cup_tie.h"
#include "core/history/history_appenders.h"
#include "core/history/top_scorer.h"
#include "core/prizes/prize_tables.h"
#include "core/prizes/prize_payment.h"
#include "core/progression/club_money.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon {

bool TournamentJustEnded = false;

namespace {
// A tournament that ended on the last day a game was played does not end again in the next game.
const GameTableReset tournamentEndReset([] { TournamentJustEnded = false; });

struct TieMood {
    int winner;
    int loser;
};

// Amounts by stage played; the second continental cup moves nothing but the fixed parts.
TieMood TieMoodAmounts(int kind, int stage)
{
    static constexpr TieMood kNationalCup[5] = {{3, 7}, {5, 5}, {7, 2}, {10, 1}, {12, 1}};
    static constexpr TieMood kFirstContinental[4] = {{5, 7}, {7, 5}, {10, 2}, {12, 1}};
    if (kind == kKindNationalCup && stage >= 1 && stage <= 5)
        return kNationalCup[stage - 1];
    if (kind == kKindFirstContinentalCup && stage >= 4 && stage <= 7)
        return kFirstContinental[stage - 4];
    return {0, 0};
}

bool CountryHasPlayedLeague(int club) { return IsClubEntry(club) && FindLeagueByCountry(Clubs[club].Country) >= 0; }

int CoachOf(int club) { return IsClubEntry(club) ? Clubs[club].coach : -1; }

bool IsCoach(int coach) { return coach >= 0 && coach < static_cast<int>(Coaches.size()); }

void AddTitleToCoach(int coach, int club, int kind)
{
    if (!IsCoach(coach))
        return;
    ++Coaches[coach].titles[kind - 1];
    AddCoachSeasonStat(coach, club, 1, "tit");
}

void AddRankingPoints(int coach, int club, int points)
{
    if (IsCoach(coach))
        AddCoachSeasonStat(coach, club, points, "pr");
}

void AddHonourPoints(int club, int kind, int points)
{
    if (IsClubEntry(club))
        Clubs[club].honourPoints[kind - 1] += points;
}

PrizePair FinalPrizeOf(int kind, int champion)
{
    return CupFinalPrize(kind, ConfederationOfCountry(Clubs[champion].Country) == kConfEurope);
}

int CupFinalRankingPoints(int kind)
{
    switch (kind) {
    case kKindNationalCup: return 20;
    case kKindFirstContinentalCup: return 30;
    case kKindSecondContinentalCup: return 25;
    default: return 0;
    }
}

PrizePair CupFinalHonourPoints(int kind)
{
    switch (kind) {
    case kKindNationalCup: return {10, 7};
    case kKindFirstContinentalCup: return {20, 15};
    case kKindSecondContinentalCup: return {12, 10};
    default: return {0, 0};
    }
}

int OtherTeam(const TCupTie& tie, int team) { return tie.firstTeam == team ? tie.secondTeam : tie.firstTeam; }

// Champion, runner-up, third and fourth of a bracket from its final and third-place ties.
struct Podium {
    int places[4];
};

template <int N>
Podium PodiumOf(const TCupTieTable<N>& ties, int finalTie, int thirdPlaceTie)
{
    const TCupTie& final = ties[finalTie];
    const TCupTie& third = ties[thirdPlaceTie];
    return {{final.winner, OtherTeam(final, final.winner), third.winner, OtherTeam(third, third.winner)}};
}

void AddPodiumPlacings(int kind, const Podium& podium)
{
    for (int place = 1; place <= 4; ++place)
        if (IsClubEntry(podium.places[place - 1]))
            AddCompetitionPlacing(kind, podium.places[place - 1], -1, -1, -1, -1, place);
}

void CountTournamentEdition(int kind)
{
    if (kind == kKindWorldCup)
        ++Game.worldCupEditions;
    else if (kind == kKindCopaAmerica)
        ++Game.copaAmericaEditions;
    else
        ++Game.eurocopaEditions;
}

void FinishNationalTournament(int kind, int finalTie, int thirdPlaceTie)
{
    Game.tournamentOver = 1;
    for (TCoach& coach : Coaches)
        coach.nationalTeamCoach = 0;
    CountTournamentEdition(kind);
    const Podium podium = PodiumOf(NationalCupTies, finalTie, thirdPlaceTie);
    AddPodiumPlacings(kind, podium);
    const int champion = podium.places[0];
    // The honour names the champion's own entry as its club. With "AddCoachHonour(kind, the
    // champion's country, coach, place 1, the champion's country)" the country id would stand as a
    // club index and the honour would name some unrelated club of the table.
    if (IsClubEntry(champion) && Clubs[champion].coach >= 0)
        AddCoachHonour(kind, champion, Clubs[champion].coach, -1, 1, Clubs[champion].Country);
    AwardTopScorer(kind, -1, -1, -1, -1);
    TournamentJustEnded = true;
}

}  // namespace

void ApplyTieMood(int kind, int stage, int loser, int winner)
{
    const TieMood amounts = TieMoodAmounts(kind, stage);
    if (CountryHasPlayedLeague(winner))
        MoveClubMood(winner, amounts.winner, amounts.winner - 3);
    if (CountryHasPlayedLeague(loser))
        MoveClubMood(loser, -(amounts.loser + 3), -amounts.loser);
}

void AwardCupFinal(int champion, int finalFixture)
{
    if (!IsClubEntry(champion) || finalFixture < 0 || finalFixture >= static_cast<int>(Fixtures.size()))
        return;
    const TFixture& final = Fixtures[finalFixture];
    const int kind = final.kind;
    const int runnerUp = final.home == champion ? final.away : final.home;
    const int country = Clubs[champion].Country;

    AddCompetitionPlacing(kind, champion, country, -1, -1, -1, 1);
    if (IsClubEntry(runnerUp)) {
        AddCompetitionPlacing(kind, runnerUp, Clubs[runnerUp].Country, -1, -1, -1, 2);
    }
    AddCoachHonour(kind, champion, CoachOf(champion), -1, 1, country);
    if (IsClubEntry(runnerUp))
        AddCoachHonour(kind, runnerUp, CoachOf(runnerUp), -1, 2, Clubs[runnerUp].Country);
    AwardTopScorer(kind, country, -1, -1, -1);

    AddTitleToCoach(CoachOf(champion), champion, kind);

    const PrizePair prize = FinalPrizeOf(kind, champion);
    const bool leagueClubsOnly = kind != kKindNationalCup;
    if (!leagueClubsOnly || IsLeagueClub(champion))
        PayClubPrize(champion, prize.champion);
    if (IsClubEntry(runnerUp) && (!leagueClubsOnly || IsLeagueClub(runnerUp)))
        PayClubPrize(runnerUp, prize.runnerUp);

    AddRankingPoints(CoachOf(champion), champion, CupFinalRankingPoints(kind));

    const PrizePair honour = CupFinalHonourPoints(kind);
    AddHonourPoints(champion, kind, static_cast<int>(honour.champion));
    AddHonourPoints(runnerUp, kind, static_cast<int>(honour.runnerUp));
}

void FinishClubWorldCup()
{
    const Podium podium = PodiumOf(ClubWorldCupTies, 5, 6);
    const int champion = podium.places[0];
    const int runnerUp = podium.places[1];
    AddRankingPoints(CoachOf(champion), champion, 50);
    AddHonourPoints(champion, kKindClubWorldCup, 30);
    AddHonourPoints(runnerUp, kKindClubWorldCup, 15);
    AddHonourPoints(podium.places[2], kKindClubWorldCup, 10);
    // Booked in the season's prizes as every other prize, so that the accounts show the money: as
    // "prize money to cash only (no finance entry)" the season's accounts would leave out money the
    // club was paid, and their income would not add up to what came into the cash.
    if (IsLeagueClub(champion))
        PayClubPrize(champion, CupFinalPrize(kKindClubWorldCup, false).champion);
    if (IsLeagueClub(runnerUp))
        PayClubPrize(runnerUp, CupFinalPrize(kKindClubWorldCup, false).runnerUp);
    const int coach = CoachOf(champion);
    if (IsCoach(coach))
        ++Coaches[coach].titles[kKindClubWorldCup - 1];
    AwardTopScorer(kKindClubWorldCup, -1, -1, -1, -1);
    AddPodiumPlacings(kKindClubWorldCup, podium);
    if (IsClubEntry(champion))
        AddCoachHonour(kKindClubWorldCup, champion, CoachOf(champion), -1, 1, -1);
    if (IsClubEntry(runnerUp))
        AddCoachHonour(kKindClubWorldCup, runnerUp, CoachOf(runnerUp), -1, 2, -1);
}

void FinishWorldCup() { FinishNationalTournament(kKindWorldCup, 15, 16); }

void FinishCopaAmerica() { FinishNationalTournament(kKindCopaAmerica, 7, 8); }

void FinishEurocopa() { FinishNationalTournament(kKindEurocopa, 7, 8); }

}  // namespace tarvelon
