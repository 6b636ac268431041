#include "core/views/cup_brackets.h"

#include "core/history/history_lookups.h"
#include "core/records/cup_tie.h"
#include "core/records/game_state.h"
#include "core/records/history_records.h"
#include "core/records/match_records.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kNationalCupChampionStage = 6;

bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }
bool IsLeague(int league) { return league >= 0 && league < static_cast<int>(Leagues.size()); }

// The round of the national cup's tie t (1-31): the round of 32 is round 1, the final round 5.
int NationalCupRoundOfTie(int tie)
{
    if (tie <= 16) return 1;
    if (tie <= 24) return 2;
    if (tie <= 28) return 3;
    if (tie <= 30) return 4;
    return 5;
}

// The round of the continental knockout tie t (1-15): the round of 16 is round 4, the final 7.
int ContinentalRoundOfTie(int tie)
{
    if (tie <= 8) return 4;
    if (tie <= 12) return 5;
    if (tie <= 14) return 6;
    return 7;
}

// A fixture of the bracket being walked: inside the table and of its kind, region and round.
bool IsBracketFixture(int index, int kind, int region, int round)
{
    if (index < 0 || index >= static_cast<int>(Fixtures.size()))
        return false;
    const TFixture& f = Fixtures[static_cast<std::size_t>(index)];
    return f.kind == kind && f.region == region && f.round == round;
}

// Walks the two-legged ties from `firstTie` to `lastTie`, two fixtures per tie, from the first
// fixture of the first tie's round. The walk stops at the first tie whose legs are not both records
// of this bracket and round, or whose clubs are not drawn yet: that tie and the later ones stay empty.
template <std::size_t N>
void WalkTwoLeggedTies(std::array<BracketTie, N>& ties, int kind, int region, int firstTie, int (*roundOfTie)(int))
{
    int index = FindFixture(region, kind, roundOfTie(firstTie));
    for (int tie = firstTie; tie <= static_cast<int>(N) && index >= 0; ++tie, index += 2) {
        const int round = roundOfTie(tie);
        if (!IsBracketFixture(index, kind, region, round) || !IsBracketFixture(index + 1, kind, region, round))
            return;
        const TFixture& first = Fixtures[static_cast<std::size_t>(index)];
        const TFixture& second = Fixtures[static_cast<std::size_t>(index) + 1];
        if (!IsClub(first.home) || !IsClub(first.away))
            return;
        BracketTie& shown = ties[static_cast<std::size_t>(tie - 1)];
        shown.team1 = first.home;
        shown.team2 = first.away;
        shown.score = TieScoreText(first, second);
    }
}

int NationalCupChampion(int league)
{
    if (Game.NationalCupStage < kNationalCupChampionStage)
        return -1;
    const int competition = FindCompetition(kKindNationalCup, Leagues[static_cast<std::size_t>(league)].country, -1, -1, -1);
    for (auto it = Placings.rbegin(); it != Placings.rend(); ++it)
        if (it->season == Game.Season && it->competition == competition && it->place == 1)
            return IsClub(it->club) ? it->club : -1;
    return -1;
}

// The tournament ties' round keys of the archive and their positions in the table.
struct TournamentRound {
    int firstTie;     // in NationalCupTies
    int ties;
    int firstPosition;
    int stageKey;     // shown once the stage reached it; the report's round
};

constexpr TournamentRound kWorldCupRounds[] = {{1, 8, 1, 4}, {9, 4, 9, 5}, {13, 2, 13, 6}, {15, 2, 15, 7}};
constexpr TournamentRound kContinentalRounds[] = {{1, 4, 9, 4}, {5, 2, 13, 5}, {7, 2, 15, 6}};

// The score of the archived match of that round in which `team` played, from its side.
void ScoreFromArchive(BracketTie& tie, int kind, int stageKey)
{
    const int report = FindTournamentMatch(kind, stageKey, tie.team1);
    if (report < 0 || report >= static_cast<int>(MatchReports.size()))
        return;
    const TMatchReport& r = MatchReports[static_cast<std::size_t>(report)];
    const int side = r.club[0] == tie.team1 ? 0 : 1;
    tie.score = std::to_string(r.goals[side]) + "x" + std::to_string(r.goals[1 - side]);
    tie.report = report;
}

}  // namespace

std::string TieScoreText(const TFixture& firstLeg, const TFixture& secondLeg)
{
    if (!firstLeg.played)
        return "";
    std::string text = std::to_string(firstLeg.homeGoals) + "x" + std::to_string(firstLeg.awayGoals);
    if (secondLeg.played)
        text += "-" + std::to_string(secondLeg.awayGoals) + "x" + std::to_string(secondLeg.homeGoals);
    int shootout1 = firstLeg.homeShootout;
    int shootout2 = firstLeg.awayShootout;
    if (shootout1 <= 0 && shootout2 <= 0 && secondLeg.played) {
        shootout1 = secondLeg.awayShootout;
        shootout2 = secondLeg.homeShootout;
    }
    if (shootout1 > 0 || shootout2 > 0)
        text += ";P:" + std::to_string(shootout1) + "x" + std::to_string(shootout2);
    return text;
}

NationalCupBracket NationalCupBracketOf(int league)
{
    NationalCupBracket bracket;
    if (!IsLeague(league))
        return bracket;
    bracket.sixteenEntrants = FindFixture(league, kKindNationalCup, 1) < 0;
    WalkTwoLeggedTies(bracket.ties, kKindNationalCup, league, bracket.sixteenEntrants ? 17 : 1,
                      NationalCupRoundOfTie);
    bracket.champion = NationalCupChampion(league);
    return bracket;
}

std::array<int, 16> SixteenEntrantsColumn(const NationalCupBracket& bracket)
{
    std::array<int, 16> column;
    column.fill(-1);
    for (int tie = 17; tie <= 24; ++tie) {
        const BracketTie& t = bracket.ties[static_cast<std::size_t>(tie - 1)];
        column[static_cast<std::size_t>(2 * (tie - 17))] = t.team1;
        column[static_cast<std::size_t>(2 * (tie - 17) + 1)] = t.team2;
    }
    return column;
}

ContinentalBracket ContinentalBracketOf(int kind, int edition)
{
    ContinentalBracket bracket;
    if (kind != kKindFirstContinentalCup && kind != kKindSecondContinentalCup)
        return bracket;
    WalkTwoLeggedTies(bracket.ties, kind, edition, 1, ContinentalRoundOfTie);
    const int champion = FindChampion(kind, edition, Game.Season);
    bracket.champion = IsClub(champion) ? champion : -1;
    return bracket;
}

std::array<BracketTie, kTournamentPositions> TournamentBracketOf(int kind, int stage)
{
    std::array<BracketTie, kTournamentPositions> positions{};
    if (kind != kKindWorldCup && kind != kKindCopaAmerica && kind != kKindEurocopa)
        return positions;
    const bool worldCup = kind == kKindWorldCup;
    const TournamentRound* rounds = worldCup ? kWorldCupRounds : kContinentalRounds;
    const int roundCount = worldCup ? 4 : 3;
    for (int r = 0; r < roundCount; ++r) {
        const TournamentRound& round = rounds[r];
        if (stage < round.stageKey)
            break;
        for (int i = 0; i < round.ties; ++i) {
            const int tieNumber = round.firstTie + i;
            if (tieNumber < 1 || tieNumber > NationalCupTies.count)
                continue;
            const TCupTie& tie = NationalCupTies[tieNumber];
            if (!IsClub(tie.firstTeam) || !IsClub(tie.secondTeam))
                continue;
            BracketTie& shown = positions[static_cast<std::size_t>(round.firstPosition + i - 1)];
            shown.team1 = tie.firstTeam;
            shown.team2 = tie.secondTeam;
            ScoreFromArchive(shown, kind, round.stageKey);
        }
    }
    return positions;
}

}  // namespace tarvelon
