#include "core/progression/brackets.h"

#include <string>

#include "core/basics/random.h"
#include "core/records/cup_tie.h"
#include "core/hooks.h"
#include "core/history/history_appenders.h"
#include "core/records/match_records.h"
#include "core/progression/club_money.h"
#include "core/progression/cup_prizes.h"
#include "core/progression/day_matches.h"
#include "core/progression/progression_services.h"
#include "core/records/table_reset.h"
#include "core/season/competition_kind.h"
#include "core/tables.h"

namespace tarvelon {

std::vector<int> PendingShootouts;

namespace {
const GameTableReset shootoutsReset([] { PendingShootouts.clear(); });

constexpr int kGoals1 = 0;
constexpr int kGoals2 = 1;
constexpr int kClubWorldCupQuarterFinalPlace = 10;
// The live matchday's word after the round's shoot-outs is held this long.
constexpr int kShootoutsNoticeMilliseconds = 3000;

// One bracket: its ties, the stage counter it moves, and what its rounds look like.
struct Bracket {
    int kind;
    bool nationalTeams;
    // First tie of the round played at `stage`; 0 when the stage is no knockout round.
    int (*firstTieOfStage)(int stage);
    int (*tiesOfStage)(int stage);
    // The loser leaves while the new stage is below this (the semi-final losers stay in).
    int lastStageThatEliminates;
    // From this new stage on the round's ties get their winners.
    int firstDecidedStage;
    int finalStage;  // new stage after the final
};

int WorldCupFirstTie(int stage)
{
    static constexpr int kFirst[4] = {1, 9, 13, 15};
    return stage >= 4 && stage <= 7 ? kFirst[stage - 4] : 0;
}

int WorldCupTies(int stage)
{
    static constexpr int kCount[4] = {8, 4, 2, 2};
    return stage >= 4 && stage <= 7 ? kCount[stage - 4] : 0;
}

int ContinentalFirstTie(int stage)
{
    static constexpr int kFirst[3] = {1, 5, 7};
    return stage >= 4 && stage <= 6 ? kFirst[stage - 4] : 0;
}

int ContinentalTies(int stage)
{
    static constexpr int kCount[3] = {4, 2, 2};
    return stage >= 4 && stage <= 6 ? kCount[stage - 4] : 0;
}

int ClubWorldCupFirstTie(int stage) { return stage >= 1 && stage <= 3 ? 2 * stage - 1 : 0; }

int ClubWorldCupTiesOfStage(int stage) { return stage >= 1 && stage <= 3 ? 2 : 0; }

const Bracket kWorldCup{kKindWorldCup, true, WorldCupFirstTie, WorldCupTies, 7, 5, 8};
const Bracket kCopaAmerica{kKindCopaAmerica, true, ContinentalFirstTie, ContinentalTies, 6, 5, 7};
const Bracket kEurocopa{kKindEurocopa, true, ContinentalFirstTie, ContinentalTies, 6, 5, 7};
const Bracket kClubWorldCup{kKindClubWorldCup, false, ClubWorldCupFirstTie, ClubWorldCupTiesOfStage, 3, 2, 4};

TCupTie& TieOf(const Bracket& bracket, int tie)
{
    return bracket.nationalTeams ? NationalCupTies[tie] : ClubWorldCupTies[tie];
}

int StageOf(const Bracket& bracket) { return bracket.nationalTeams ? Game.TournamentStage : Game.ClubWorldCupStage; }

void NextStage(const Bracket& bracket)
{
    if (bracket.nationalTeams)
        ++Game.TournamentStage;
    else
        ++Game.ClubWorldCupStage;
}

int TeamOfSide(const TCupTie& tie, int side) { return side == 1 ? tie.firstTeam : tie.secondTeam; }

int LoserOf(const TCupTie& tie) { return tie.winner == tie.firstTeam ? tie.secondTeam : tie.firstTeam; }

void ClearTournamentEntry(const Bracket& bracket, int club)
{
    if (!IsClubEntry(club))
        return;
    if (bracket.nationalTeams)
        Clubs[club].NationalTeamCupEntry = 0;
    else
        Clubs[club].clubWorldCupEntry = 0;
}

void SetTieWinner(const Bracket& bracket, int tie, int side)
{
    TCupTie& t = TieOf(bracket, tie);
    t.winner = TeamOfSide(t, side);
    if (StageOf(bracket) < bracket.lastStageThatEliminates)
        ClearTournamentEntry(bracket, TeamOfSide(t, 3 - side));
}

// The day's match of tie `tie` gives its goals, seen from the tie's first team.
void WriteTieResult(const Bracket& bracket, int tie, int m)
{
    TCupTie& t = TieOf(bracket, tie);
    const jogos& match = Matches[m];
    const bool firstAtHome = match.club[0] == t.firstTeam || match.club[1] != t.firstTeam;
    t.results[kGoals1] = match.goals[firstAtHome ? 0 : 1];
    t.results[kGoals2] = match.goals[firstAtHome ? 1 : 0];
    if (bracket.nationalTeams)
        t.scoreText.set(std::to_string(t.results[kGoals1]) + "x" + std::to_string(t.results[kGoals2]));
}

void WriteRoundResults(const Bracket& bracket, int stage)
{
    const int first = bracket.firstTieOfStage(stage);
    if (first == 0)
        return;
    for (int i = 0; i < bracket.tiesOfStage(stage) && i + 1 <= MatchCount; ++i)
        WriteTieResult(bracket, first + i, i + 1);
}

void DecideRound(const Bracket& bracket, int stage)
{
    const int first = bracket.firstTieOfStage(stage);
    for (int i = 0; first > 0 && i < bracket.tiesOfStage(stage); ++i) {
        const TCupTie& t = TieOf(bracket, first + i);
        if (t.firstTeam < 0 || t.secondTeam < 0)
            continue;  // a tie never drawn has no match and no winner
        if (t.results[kGoals1] > t.results[kGoals2])
            SetTieWinner(bracket, first + i, 1);
        else if (t.results[kGoals2] > t.results[kGoals1])
            SetTieWinner(bracket, first + i, 2);
        else
            PendingShootouts.push_back(first + i);
    }
}

bool IsHumanSide(int club) { return IsClubEntry(club) && Clubs[club].IsHuman; }

// Two computer sides without the option to watch: a quick random shoot-out, the loser one short.
int RandomBracketShootout(const Bracket& bracket, int tie)
{
    TCupTie& t = TieOf(bracket, tie);
    const int a = Random(7) + 3;
    const int b = Random(7) + 3;
    const bool firstWins = b <= a;
    const int goals1 = firstWins ? a : b - 1;
    const int goals2 = firstWins ? a - 1 : b;
    RecordDayShootout(t.firstTeam, t.secondTeam, goals1, goals2);
    if (bracket.nationalTeams)
        t.scoreText.set(t.scoreText.str() + ";" + "P:" + std::to_string(goals1) + "x" + std::to_string(goals2));
    return firstWins ? 1 : 2;
}

void PlayPendingShootouts(const Bracket& bracket)
{
    for (const int tie : PendingShootouts) {
        const TCupTie& t = TieOf(bracket, tie);
        const bool watched = IsHumanSide(t.firstTeam) || IsHumanSide(t.secondTeam) || Game.ShowPenalties;
        const int side = watched && Progression().playBracketShootout
                             ? Progression().playBracketShootout(tie, t.firstTeam, t.secondTeam)
                             : RandomBracketShootout(bracket, tie);
        SetTieWinner(bracket, tie, side == 2 ? 2 : 1);
    }
    if (!PendingShootouts.empty() && Hooks().shootoutNotice)
        Hooks().shootoutNotice(kShootoutsNoticeMilliseconds);
    PendingShootouts.clear();
}

void PairTie(TCupTie& tie, int first, int second)
{
    tie.firstTeam = first;
    tie.secondTeam = second;
    tie.winner = -1;
}

int Winner(const Bracket& bracket, int tie) { return TieOf(bracket, tie).winner; }

int Loser(const Bracket& bracket, int tie) { return LoserOf(TieOf(bracket, tie)); }

void AddClubWorldCupPlacing(int club, int place)
{
    if (IsClubEntry(club))
        AddClubPlacing(club, place, kKindClubWorldCup, 0);
}

// Results, stage + 1, winners from the first decided stage on, shoot-outs, next round.
void AfterBracketMatchday(const Bracket& bracket, void (*advance)(), void (*finish)())
{
    const int played = StageOf(bracket);
    WriteRoundResults(bracket, played);
    NextStage(bracket);
    if (StageOf(bracket) >= bracket.firstDecidedStage && bracket.firstTieOfStage(played) > 0) {
        DecideRound(bracket, played);
        PlayPendingShootouts(bracket);
        advance();
    }
    if (StageOf(bracket) == bracket.finalStage)
        finish();
}

}  // namespace

void SetTournamentTieWinner(int tie, int side) { SetTieWinner(kWorldCup, tie, side); }

void SetTournamentTieWinner16(int tie, int side) { SetTieWinner(kEurocopa, tie, side); }

void SetClubWorldCupTieWinner(int tie, int side) { SetTieWinner(kClubWorldCup, tie, side); }

void AdvanceBracket32()
{
    const Bracket& b = kWorldCup;
    switch (Game.TournamentStage) {
    case 5:
        PairTie(NationalCupTies[9], Winner(b, 1), Winner(b, 2));
        PairTie(NationalCupTies[10], Winner(b, 5), Winner(b, 6));
        PairTie(NationalCupTies[11], Winner(b, 3), Winner(b, 4));
        PairTie(NationalCupTies[12], Winner(b, 7), Winner(b, 8));
        break;
    case 6:
        PairTie(NationalCupTies[13], Winner(b, 9), Winner(b, 10));
        PairTie(NationalCupTies[14], Winner(b, 11), Winner(b, 12));
        break;
    case 7:
        PairTie(NationalCupTies[15], Winner(b, 13), Winner(b, 14));
        PairTie(NationalCupTies[16], Loser(b, 13), Loser(b, 14));
        break;
    default: break;
    }
}

void AdvanceBracket16()
{
    const Bracket& b = kEurocopa;
    switch (Game.TournamentStage) {
    case 5:
        PairTie(NationalCupTies[5], Winner(b, 1), Winner(b, 3));
        PairTie(NationalCupTies[6], Winner(b, 2), Winner(b, 4));
        break;
    case 6:
        PairTie(NationalCupTies[7], Winner(b, 5), Winner(b, 6));
        PairTie(NationalCupTies[8], Loser(b, 5), Loser(b, 6));
        break;
    default: break;
    }
}

void AdvanceClubWorldCupBracket()
{
    const Bracket& b = kClubWorldCup;
    switch (Game.ClubWorldCupStage) {
    case 2:
        ClubWorldCupTies[3].secondTeam = Winner(b, 1);
        ClubWorldCupTies[4].secondTeam = Winner(b, 2);
        AddClubWorldCupPlacing(Loser(b, 1), kClubWorldCupQuarterFinalPlace);
        AddClubWorldCupPlacing(Loser(b, 2), kClubWorldCupQuarterFinalPlace);
        break;
    case 3:
        PairTie(ClubWorldCupTies[5], Winner(b, 3), Winner(b, 4));
        PairTie(ClubWorldCupTies[6], Loser(b, 3), Loser(b, 4));
        break;
    case 4:
        AddClubWorldCupPlacing(Winner(b, 5), 1);
        AddClubWorldCupPlacing(Loser(b, 5), 2);
        AddClubWorldCupPlacing(Winner(b, 6), 3);
        AddClubWorldCupPlacing(Loser(b, 6), 4);
        break;
    default: break;
    }
}

void WorldCupAfterMatchday() { AfterBracketMatchday(kWorldCup, AdvanceBracket32, FinishWorldCup); }

void ContinentalTournamentAfterMatchday()
{
    if (Game.DayKind == kKindCopaAmerica)
        AfterBracketMatchday(kCopaAmerica, AdvanceBracket16, FinishCopaAmerica);
    else
        AfterBracketMatchday(kEurocopa, AdvanceBracket16, FinishEurocopa);
}

void ClubWorldCupAfterMatchday()
{
    AfterBracketMatchday(kClubWorldCup, AdvanceClubWorldCupBracket, FinishClubWorldCup);
}

}  // namespace tarvelon
