#include "core/matchday_rules/standings.h"

#include <algorithm>

#include "core/records/cup_tie.h"
#include "core/draws/state_championship.h"
#include "core/history/history_appenders.h"
#include "core/history/top_scorer.h"
#include "core/records/matchday_globals.h"
#include "core/matchday/result_effects.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/prizes/prize_payment.h"
#include "core/prizes/prize_tables.h"
#include "core/rollover/season_rollover.h"
#include "core/season/calendar.h"
#include "core/season/fixtures.h"
#include "core/sort/record_sort.h"
#include "core/tables.h"

namespace tarvelon {

std::array<int, 16> QualifierSlots{};

namespace {

bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

int ThreeWay(int a, int b) { return a > b ? -1 : a < b ? 1 : 0; }

int At(const std::vector<int>& ranked, int place) { return place <= static_cast<int>(ranked.size()) ? ranked[place - 1] : -1; }

void CountChampionTitle(int champion, int division)
{
    const int coach = Clubs[champion].coach;
    if (coach < 0 || coach >= static_cast<int>(Coaches.size()))
        return;
    // The first division's titles are the coach's league titles; the lower ones have their counters.
    if (division == 1)
        Coaches[coach].titles[0] += 1;
    else
        Coaches[coach].divisionTitles[division - 1] += 1;
    AddCoachSeasonStat(coach, champion, 1, "tit");
    if (division == 1)
        AddCoachSeasonStat(coach, champion, 25, "pr");
}

void CloseSeasonOfDivision(const TLeague& league, int division, const std::vector<int>& ranked)
{
    const int country = league.country;
    for (int place = 1; place <= 2; ++place) {
        const int club = At(ranked, place);
        if (!IsClub(club))
            continue;
        AddCompetitionPlacing(1, club, Clubs[club].Country, division, -1, -1, place);
        AddCoachHonour(1, club, Clubs[club].coach, division, place, country);
    }
    for (int place = 1; place <= static_cast<int>(ranked.size()); ++place)
        AddClubPlacing(ranked[place - 1], place, 1, division);
    const PrizePair prize = DivisionPrize(division, Game.LeagueFormat == kDivisionsOf20);
    if (IsClub(At(ranked, 1))) {
        PayClubPrize(At(ranked, 1), prize.champion);
        CountChampionTitle(At(ranked, 1), division);
    }
    if (IsClub(At(ranked, 2)))
        PayClubPrize(At(ranked, 2), prize.runnerUp);
    if (division == 1) {
        static constexpr int kHonour[10] = {12, 10, 8, 7, 6, 5, 4, 3, 2, 1};
        for (int place = 1; place <= 10 && place <= static_cast<int>(ranked.size()); ++place)
            Clubs[ranked[place - 1]].honourPoints[0] += kHonour[place - 1];
    }
    AwardTopScorer(1, country, division, -1, -1);
}

// The rows of the clubs (entries below 0 left out) in table order.
std::vector<int> GroupClubs(const std::int32_t* members, int count)
{
    return std::vector<int>(members, members + count);
}

// Ranks the four groups' members of a national-team tournament table; returns each group's order.
std::vector<std::vector<int>> RankNationalGroups(int kind, int groups)
{
    std::vector<std::vector<int>> ranked;
    for (int g = 0; g < groups; ++g)
        ranked.push_back(RankTable(GroupClubs(Game.NationalGroups[g], 4), kind));
    return ranked;
}

void SetTie(int tie, int first, int second)
{
    NationalCupTies[tie].firstTeam = first;
    NationalCupTies[tie].secondTeam = second;
}

void DropNationalTeam(int club)
{
    if (IsClub(club))
        Clubs[club].NationalTeamCupEntry = 0;
}

// Winners and runners-up into the qualifier slots; the third and fourth are out.
void QualifyTopTwo(const std::vector<std::vector<int>>& ranked)
{
    QualifierSlots.fill(-1);
    for (int g = 0; g < static_cast<int>(ranked.size()) && 2 * g + 1 < 16; ++g) {
        QualifierSlots[2 * g] = At(ranked[g], 1);
        QualifierSlots[2 * g + 1] = At(ranked[g], 2);
        DropNationalTeam(At(ranked[g], 3));
        DropNationalTeam(At(ranked[g], 4));
    }
}

void ClearEntry(int club, int kind)
{
    if (!IsClub(club))
        return;
    if (kind == kKindFirstContinentalCup)
        Clubs[club].FirstContinentalEntry = 0;
    else
        Clubs[club].SecondContinentalEntry = 0;
}

// The round of sixteen of a continental edition: each tie's first leg at the runner-up's ground.
void PairContinentalRoundOfSixteen(int kind, int edition, const std::vector<std::vector<int>>& ranked)
{
    // (group of the runner-up, group of the winner), groups 0..7 = A..H
    static constexpr int kTies[8][2] = {{4, 0}, {0, 4}, {5, 1}, {1, 5}, {6, 2}, {2, 6}, {7, 3}, {3, 7}};
    const int first = FindFixture(edition, kind, 4);
    if (first < 0)
        return;
    for (int t = 0; t < 8; ++t) {
        const int runnerUp = At(ranked[kTies[t][0]], 2);
        const int winner = At(ranked[kTies[t][1]], 1);
        for (int leg = 0; leg < 2; ++leg) {
            const int f = first + 2 * t + leg;
            if (f >= static_cast<int>(Fixtures.size()) || Fixtures[f].kind != kind || Fixtures[f].region != edition)
                return;
            Fixtures[f].home = leg == 0 ? runnerUp : winner;
            Fixtures[f].away = leg == 0 ? winner : runnerUp;
        }
    }
}

void CloseStateGroup(int state, int group, const std::vector<int>& ranked, const std::vector<TDateTime>& dates)
{
    const bool firstGroup = group == 1;
    for (int place = firstGroup ? 3 : 1; place <= static_cast<int>(ranked.size()); ++place)
        AddClubPlacing(ranked[place - 1], place, kKindStateChampionship, group);
    if (Game.RegionalFourthDivision != 0) {
        for (int place = 1; place <= static_cast<int>(ranked.size()); ++place) {
            const TClub& club = Clubs[ranked[place - 1]];
            if (club.Division != 0)
                continue;
            StateResults.push_back(TStateResult{ranked[place - 1], state, place, group,
                                                club.Points[kKindStateChampionship],
                                                club.GoalsFor[kKindStateChampionship], club.IsHuman});
        }
    }
    if (firstGroup) {
        const int winner = At(ranked, 1);
        const int runnerUp = At(ranked, 2);
        auto dateOf = [&dates](std::size_t n) { return n < dates.size() ? dates[n] : TDateTime{0}; };
        AppendFixture(runnerUp, winner, 8, kKindStateChampionship, state, 1, -1, dateOf(10));
        AppendFixture(winner, runnerUp, 8, kKindStateChampionship, state, 2, -1, dateOf(11));
        StateChampionships[state].finalists[0] = winner;
        StateChampionships[state].finalists[1] = runnerUp;
    }
    for (int place = firstGroup ? 3 : 1; place <= static_cast<int>(ranked.size()); ++place)
        Clubs[ranked[place - 1]].StateEntry = 0;
}

}  // namespace

std::vector<TStandingRow> RankedStandingRows(const std::vector<int>& clubs, int kind)
{
    std::vector<TStandingRow> rows;
    for (int club : clubs)
        if (IsClub(club))
            rows.push_back(StandingRowOf(club, kind));
    if (!rows.empty())
        SortRecords(rows.data(), 0, static_cast<int>(rows.size()) - 1, CompareStandingRows);
    return rows;
}

int CompareStandingRows(const TStandingRow& a, const TStandingRow& b)
{
    if (int c = ThreeWay(a.points, b.points))
        return c;
    if (int c = ThreeWay(a.wins, b.wins))
        return c;
    if (int c = ThreeWay(a.goalDifference, b.goalDifference))
        return c;
    return ThreeWay(a.goalsFor, b.goalsFor);
}

TStandingRow StandingRowOf(int club, int kind)
{
    const TClub& c = Clubs[club];
    TStandingRow row;
    row.club = club;
    row.points = c.Points[kind];
    row.games = c.Played[kind];
    row.wins = c.Won[kind];
    row.losses = c.Lost[kind];
    row.draws = c.Played[kind] - (c.Won[kind] + c.Lost[kind]);
    row.goalsFor = c.GoalsFor[kind];
    row.goalsAgainst = c.GoalsAgainst[kind];
    row.goalDifference = c.GoalsFor[kind] - c.GoalsAgainst[kind];
    return row;
}

std::vector<int> RankTable(const std::vector<int>& clubs, int kind)
{
    const std::vector<TStandingRow> rows = RankedStandingRows(clubs, kind);
    std::vector<int> ranked;
    for (int place = 1; place <= static_cast<int>(rows.size()); ++place) {
        Clubs[rows[place - 1].club].Place[kind] = place;
        ranked.push_back(rows[place - 1].club);
    }
    return ranked;
}

void UpdateMoraleForDay(int kind)
{
    if (MatchdayDayIndex < 1 || MatchdayDayIndex > kCalendarDays)
        return;
    const TDateTime day = Calendar[MatchdayDayIndex].date;
    for (const TFixture& f : Fixtures)
        if (f.kind == kind && f.date == day && f.played != 0 && IsClub(f.home) && IsClub(f.away))
            UpdateMoraleAfterResult(kind, f.home, f.away, f.homeGoals, f.awayGoals, 0);
}

void CloseLeagueTables()
{
    const int size = Game.LeagueFormat == kDivisionsOf20 ? 20 : 10;
    for (int l = 0; l < static_cast<int>(Leagues.size()); ++l) {
        CurrentLeague = l;
        TLeague& league = Leagues[l];
        const int divisions = std::clamp(league.divisionCount, 0, kDivisions);
        for (int d = 1; d <= divisions; ++d) {
            const std::vector<int> ranked = RankTable(GroupClubs(league.divisions[d - 1], size), kKindNationalLeague);
            std::fill(std::begin(league.finalOrder[d - 1]), std::end(league.finalOrder[d - 1]), 0);
            std::copy(ranked.begin(), ranked.end(), league.finalOrder[d - 1]);
            if (SeasonMatchesOver)
                CloseSeasonOfDivision(league, d, ranked);
        }
    }
    UpdateMoraleForDay(kKindNationalLeague);
}

void CloseWorldCupGroups()
{
    if (Game.TournamentStage >= 5)
        return;
    const auto ranked = RankNationalGroups(kKindWorldCup, 8);
    if (Game.TournamentStage != 4)
        return;
    QualifyTopTwo(ranked);
    // (winner's group, runner-up's group) of ties 1..8, groups 0..7 = A..H
    static constexpr int kTies[8][2] = {{0, 1}, {2, 3}, {1, 0}, {3, 2}, {4, 5}, {6, 7}, {5, 4}, {7, 6}};
    for (int t = 0; t < 8; ++t)
        SetTie(t + 1, QualifierSlots[2 * kTies[t][0]], QualifierSlots[2 * kTies[t][1] + 1]);
}

void CloseNationalCupGroups(int kind)
{
    if (Game.TournamentStage != 4 || (kind != kKindCopaAmerica && kind != kKindEurocopa))
        return;
    const int groups = kind == kKindCopaAmerica ? 3 : 4;
    const auto ranked = RankNationalGroups(kind, groups);
    QualifyTopTwo(ranked);
    if (kind == kKindCopaAmerica) {
        std::vector<int> thirds;
        for (const auto& group : ranked)
            thirds.push_back(At(group, 3));
        const std::vector<TStandingRow> rows = RankedStandingRows(thirds, kind);
        for (int i = 0; i < 2 && i < static_cast<int>(rows.size()); ++i) {
            QualifierSlots[6 + i] = rows[i].club;
            Clubs[rows[i].club].NationalTeamCupEntry = 1;
        }
    }
    SetTie(1, QualifierSlots[0], QualifierSlots[3]);
    SetTie(2, QualifierSlots[4], QualifierSlots[7]);
    SetTie(3, QualifierSlots[2], QualifierSlots[1]);
    SetTie(4, QualifierSlots[6], QualifierSlots[5]);
}

void CloseContinentalGroups(int kind)
{
    const bool first = kind == kKindFirstContinentalCup;
    if (!first && kind != kKindSecondContinentalCup)
        return;
    const int stage = first ? Game.FirstContinentalStage : Game.SecondContinentalStage;
    const int leg = first ? Game.FirstContinentalLeg : Game.SecondContinentalLeg;
    if (stage > 4 || leg > 1)
        return;
    for (int edition = 1; edition <= 2; ++edition) {
        QualifierSlots.fill(-1);
        const int table = ContinentalGroupTable(kind, edition);
        std::vector<std::vector<int>> ranked;
        for (int g = 0; g < 8; ++g)
            ranked.push_back(RankTable(GroupClubs(Game.ContinentalGroups[table][g], 4), kind));
        if (stage != 4)
            continue;
        for (int g = 0; g < 8; ++g) {
            QualifierSlots[2 * g] = At(ranked[g], 1);
            QualifierSlots[2 * g + 1] = At(ranked[g], 2);
            for (int place = 3; place <= 4; ++place) {
                const int club = At(ranked[g], place);
                ClearEntry(club, kind);
                if (IsClub(club) && club < Game.LeagueClubCount)
                    AddClubPlacing(club, 3, kind, edition);
            }
        }
        PairContinentalRoundOfSixteen(kind, edition, ranked);
    }
    UpdateMoraleForDay(kind);
}

void CloseStateGroups()
{
    std::vector<TDateTime> dates;
    if (Game.StateStage == 6)
        dates = CompetitionDates(kKindStateChampionship);
    if (Game.StateStage == 7)
        return;
    const bool lastGroupDay = Game.StateStage == 6;
    if (Game.RegionalFourthDivision != 0 && lastGroupDay)
        StateResults.clear();
    for (int state = 0; state < kStateCount; ++state) {
        const TStateChampionship& championship = StateChampionships[state];
        if (championship.active == 0 || championship.groupCount <= 0)
            continue;
        const int groups = std::min(championship.groupCount, kStateTierCount);
        for (int g = 1; g <= groups; ++g) {
            const std::vector<int> ranked =
                RankTable(GroupClubs(championship.groups[g - 1], kStateTierSize), kKindStateChampionship);
            if (lastGroupDay)
                CloseStateGroup(state, g, ranked, dates);
        }
    }
    UpdateMoraleForDay(kKindStateChampionship);
}

}  // namespace tarvelon
