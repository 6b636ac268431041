#include "core/progression/state_finals.h"

#include "core/basics/cp1252.h"
#include "core/career/career_state.h"
#include "core/career/coach_sacking.h"
#include "core/draws/state_championship.h"
#include "core/history/history_appenders.h"
#include "core/history/history_lookups.h"
#include "core/records/history_records.h"
#include "core/history/top_scorer.h"
#include "core/prizes/prize_tables.h"
#include "core/prizes/prize_payment.h"
#include "core/progression/club_money.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/sort/record_sort.h"
#include "core/tables.h"
#include "core/vocab/countries.h"

namespace tarvelon {

std::vector<StateChampionRow> StateChampionRows;

namespace {
const GameTableReset stateChampionRowsReset([] { StateChampionRows.clear(); });

constexpr int kStateFinalTier = 1;
constexpr int kFourthDivisionClubs = 20;
constexpr int kScorerNameLength = 51;

bool InPlay(int state) { return StateChampionships[state].active; }

std::string ClubName(int club) { return IsClubEntry(club) ? Clubs[club].name.str() : std::string(); }

int StateCompetition(int state, int tier) { return FindCompetition(kKindStateChampionship, -1, -1, tier, state); }

void AwardStateTopScorers()
{
    for (int state = 0; state < kStateCount; ++state)
        if (InPlay(state))
            for (int tier = 1; tier <= StateChampionships[state].groupCount; ++tier)
                AwardTopScorer(kKindStateChampionship, -1, -1, tier, state);
}

// Player and club, cut to 51 characters, then the goals.
std::string ScorerText(const TScorer& scorer)
{
    const std::string name = Players[scorer.player].Name.str() + " (" + ClubName(scorer.club) + ") - ";
    const std::string cut = Cp1252ToUtf8(Utf8ToCp1252(name).substr(0, kScorerNameLength));
    return cut + std::to_string(scorer.goals) + " gols";
}

void MarkStateResultPlace(int club, int place)
{
    for (TStateResult& result : StateResults)
        if (result.club == club)
            result.place = place;
}

void RecordStateTitle(int state, int champion, int runnerUp)
{
    const int coach = Clubs[champion].coach;
    AddCompetitionPlacing(kKindStateChampionship, champion, -1, -1, kStateFinalTier, state, 1);
    AddCompetitionPlacing(kKindStateChampionship, runnerUp, -1, -1, kStateFinalTier, state, 2);
    AddCoachHonour(kKindStateChampionship, champion, coach, state, 1, kStateCountry);
    if (Game.RegionalFourthDivision) {
        MarkStateResultPlace(champion, 1);
        MarkStateResultPlace(runnerUp, 2);
    }
}

void RecordClubsAndCoach(int champion, int runnerUp)
{
    const int coach = Clubs[champion].coach;
    if (coach >= 0)
        AddCoachSeasonStat(coach, champion, 1, "tit");
    ++Clubs[champion].stateTitles;
    AddClubPlacing(champion, 1, kKindStateChampionship, 1);
    AddClubPlacing(runnerUp, 2, kKindStateChampionship, 1);
    if (coach >= 0)
        AddCoachSeasonStat(coach, champion, 15, "pr");
    Clubs[champion].honourPoints[kKindStateChampionship - 1] += 5;
    Clubs[runnerUp].honourPoints[kKindStateChampionship - 1] += 3;
}

void DecideOneState(int state)
{
    const TStateChampionship& s = StateChampionships[state];
    const int a = s.finalists[0];
    const int b = s.finalists[1];
    if (!IsClubEntry(a) || !IsClubEntry(b))
        return;
    const bool aWins = DecideStateFinal(s.finalGoals[0], s.finalGoals[1], s.finalGoals[2], s.finalGoals[3]) == 1;
    const int champion = aWins ? a : b;
    const int runnerUp = aWins ? b : a;
    RecordStateTitle(state, champion, runnerUp);

    StateChampionRow row;
    row.state = state;
    row.stateCode = StateCodes[state];
    row.champion = ClubName(champion);
    row.runnerUp = ClubName(runnerUp);
    const int scorer = FindSeasonTopScorer(StateCompetition(state, kStateFinalTier), Game.Season);
    if (scorer >= 0)
        row.topScorer = ScorerText(Scorers[scorer]);
    StateChampionRows.push_back(row);

    RecordClubsAndCoach(champion, runnerUp);
    PayClubPrize(champion, StateChampionshipPrize().champion);
    PayClubPrize(runnerUp, StateChampionshipPrize().runnerUp);
    if (scorer >= 0)
        PayClubPrize(Scorers[scorer].club, TopScorerPrize(kKindStateChampionship));
}

// The candidates of one pass: human clubs first, then points and goals for descending.
int CompareFourthDivisionCandidates(const TStateResult& a, const TStateResult& b)
{
    if (a.human != b.human)
        return a.human > b.human ? -1 : 1;
    if (a.points != b.points)
        return a.points > b.points ? -1 : 1;
    if (a.goalsFor != b.goalsFor)
        return a.goalsFor > b.goalsFor ? -1 : 1;
    return 0;
}

// Tier, then place ascending; then as the candidates of a pass.
int CompareStateResults(const TStateResult& a, const TStateResult& b)
{
    if (a.tier != b.tier)
        return a.tier < b.tier ? -1 : 1;
    if (a.place != b.place)
        return a.place < b.place ? -1 : 1;
    return CompareFourthDivisionCandidates(a, b);
}

// Index in StateResults of the state's first entry (sorted order) still to qualify; -1 none.
int StateQualifier(int state)
{
    for (std::size_t i = 0; i < StateResults.size(); ++i) {
        const TStateResult& r = StateResults[i];
        if (r.state == state && IsClubEntry(r.club) && Clubs[r.club].Division == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void Qualify(std::vector<int>& qualified, int entry)
{
    qualified.push_back(StateResults[entry].club);
    StateResults[entry].club = -1;
}

void QualifyStateWinnersByMerit(std::vector<int>& qualified)
{
    std::vector<TStateResult> candidates;
    for (int state = 0; state < kStateCount; ++state) {
        const int entry = InPlay(state) ? StateQualifier(state) : -1;
        if (entry >= 0) {
            candidates.push_back(StateResults[entry]);
            StateResults[entry].club = -1;
        }
    }
    if (candidates.empty())
        return;
    SortRecords(candidates.data(), 0, static_cast<int>(candidates.size()) - 1, CompareFourthDivisionCandidates);
    for (const TStateResult& candidate : candidates)
        qualified.push_back(candidate.club);
}

void FillFourthDivision(const std::vector<int>& qualified)
{
    const int league = FindLeagueByCountry(kStateCountry);
    if (league < 0)
        return;
    TLeague& l = Leagues[league];
    for (int slot = 0; slot < kFourthDivisionClubs; ++slot) {
        const int club = qualified[slot];
        l.divisions[3][slot] = club;
        l.finalOrder[3][slot] = club;
        Clubs[club].Division = 4;
    }
    l.divisionCount = 4;
    BuildFourthDivisionFixtures(league);
}

}  // namespace

std::string StateChampionsTitle() { return "Campeões Estaduais " + std::to_string(Game.Season + 2009); }

int DecideStateFinal(int a1, int b1, int a2, int b2)
{
    const int legsA = (a1 > b1 ? 1 : 0) + (a2 > b2 ? 1 : 0);
    const int legsB = (b1 > a1 ? 1 : 0) + (b2 > a2 ? 1 : 0);
    if (legsA != legsB)
        return legsA > legsB ? 1 : 2;
    return a1 + a2 >= b1 + b2 ? 1 : 2;
}

bool DecideStateFinals()
{
    if (Game.stateFinalsSeason == Game.Season)
        return false;
    Game.stateFinalsSeason = Game.Season;
    StateChampionRows.clear();
    AwardStateTopScorers();
    for (int state = 0; state < kStateCount; ++state)
        if (InPlay(state))
            DecideOneState(state);
    if (Game.RegionalFourthDivision) {
        RegionalFourthDivisionDraw();
        StateResults.clear();
    }
    return true;
}

std::vector<int> RegionalFourthDivisionDraw()
{
    std::vector<int> qualified;
    if (!StateResults.empty())
        SortRecords(StateResults.data(), 0, static_cast<int>(StateResults.size()) - 1, CompareStateResults);
    for (const int state : {25, 18, 10, 22}) {
        const int entry = StateQualifier(state);
        if (entry >= 0)
            Qualify(qualified, entry);
    }
    for (int pass = 0; pass < 2; ++pass)
        QualifyStateWinnersByMerit(qualified);
    if (static_cast<int>(qualified.size()) < kFourthDivisionClubs)
        for (std::size_t i = 0; i < StateResults.size(); ++i)
            if (IsClubEntry(StateResults[i].club))
                Qualify(qualified, static_cast<int>(i));
    if (static_cast<int>(qualified.size()) >= kFourthDivisionClubs)
        FillFourthDivision(qualified);
    return qualified;
}

namespace {
bool dismissalsWithoutDivisionDone = false;
}  // namespace

void ExpectDismissalsWithoutDivision() { dismissalsWithoutDivisionDone = false; }

void DismissCoachesWithoutDivision()
{
    if (dismissalsWithoutDivisionDone)
        return;
    dismissalsWithoutDivisionDone = true;
    for (int club = 0; club < Game.LeagueClubCount && club < static_cast<int>(Clubs.size()); ++club) {
        if (!Clubs[club].IsHuman || Clubs[club].Division != 0)
            continue;
        CoachChangeClub = club;
        DismissHumanCoach();
        ResetCoachChange();
    }
}

}  // namespace tarvelon
