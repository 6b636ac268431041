#include "core/matchday_rules/matchday_setup.h"

#include <vector>

#include "core/draws/state_championship.h"
#include "core/format/names.h"
#include "core/match/match_flags.h"
#include "core/matchday/matchday_driver.h"
#include "core/matchday_rules/attendance.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/matchday_rules/tournament_venues.h"
#include "core/records/cup_tie.h"
#include "core/records/match_records.h"
#include "core/records/matchday_globals.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/season/pairing.h"
#include "core/tables.h"
#include "core/vocab/countries.h"

namespace tarvelon {

namespace {

constexpr int kMaxMatches = kMatchSlots - 1;
constexpr int kSubstitutionsInFriendlies = 5;

bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

// A state match counts for its state's championship at the home club's tier (the group is the
// tier, the state the key), as the close-outs, the top scorers and the history look it up.
int CompetitionOfFixture(int kind, int home)
{
    const TClub& club = Clubs[home];
    return FindCompetition(kind, club.Country, club.Division, club.stateGroup, club.State);
}

// Kicks every match off through the driver and lists those with a human club. The day being played
// is today, whichever way the set-up was reached (the close-outs look up its fixtures by it).
void StartMatches(const std::vector<MatchdayFixture>& fixtures)
{
    MatchdayDayIndex = Game.DayIndex;
    BeginMatchday(fixtures);
    for (int m = 1; m <= MatchCount; ++m)
        NoteHumanMatch(m, Matches[m].club[0], Matches[m].club[1]);
}

// A club match is played at the home club's stadium before the crowd of the kind's rule.
void FinishClubMatches(int kind)
{
    for (int m = 1; m <= MatchCount; ++m) {
        jogos& match = Matches[m];
        const int home = match.club[0];
        MatchVenues[m] = Clubs[home].Stadium.str();
        const SectorCrowd crowd = AttendanceOfKind(kind, home, match.club[1]);
        for (int s = 0; s < 4; ++s)
            match.sectorAttendance[s] = crowd[s];
        match.attendance = TotalAttendance(crowd);
        match.gate = MatchGate(home, crowd);
    }
}

// Today's unplayed fixtures of one kind and region, in fixture order.
std::vector<MatchdayFixture> FixturesOfToday(int kind, int region)
{
    std::vector<MatchdayFixture> list;
    const TDateTime today = TodayDate();
    for (int i = 0; i < static_cast<int>(Fixtures.size()) && static_cast<int>(list.size()) < kMaxMatches; ++i) {
        const TFixture& f = Fixtures[i];
        if (f.region != region || f.kind != kind || f.date != today || f.played != 0)
            continue;
        if (!IsClub(f.home) || !IsClub(f.away))
            continue;  // a tie whose clubs are not known yet is not played
        list.push_back(MatchdayFixture{CompetitionOfFixture(kind, f.home), f.home, f.away, i});
    }
    return list;
}

// A bracket tie of a tournament becomes a match when both its teams are known.
void AddTie(std::vector<MatchdayFixture>& list, const TCupTie& tie, int kind)
{
    if (IsClub(tie.firstTeam) && IsClub(tie.secondTeam))
        list.push_back(MatchdayFixture{FindCompetition(kind, -1, -1, -1, -1), tie.firstTeam, tie.secondTeam, -1});
}

std::string Ordinal(int n, const char* sign) { return std::to_string(n) + sign; }

std::string TurnRoundText(int turn, int round)
{
    return " - " + Ordinal(turn, "º") + " turno - " + Ordinal(round, "ª") + " rodada";
}

void SetHeading(const std::string& heading, const std::string& roundText)
{
    MatchdayHeading = heading;
    MatchdayRoundText = roundText;
}

void SetLeagueCupHeading(int kind)
{
    const int country = CurrentLeague >= 0 && CurrentLeague < static_cast<int>(Leagues.size())
                            ? Leagues[CurrentLeague].country
                            : 0;
    if (kind == kKindNationalLeague) {
        const std::string round = TurnRoundText(Game.LeagueTurn, Game.LeagueRound);
        SetHeading("Campeonato " + NationalityName(country) + round, round);
        return;
    }
    if (kind == kKindNationalCup) {
        static const char* const kStages[] = {" - 1ª fase - ", " - Oitavas de Final - ", " - Quartas de Final - ",
                                              " - Semi-final - ", " - Final - "};
        const int stage = Game.NationalCupStage;
        const std::string round =
            std::string(stage >= 1 && stage <= 5 ? kStages[stage - 1] : "") + Ordinal(Game.NationalCupLeg, "º") + " jogo";
        SetHeading("Copa " + CountryPhrase(country) + round, round);
        return;
    }
    const bool first = kind == kKindFirstContinentalCup;
    const bool southAmerica = CurrentLeague == kRegionSouthAmerica;
    const std::string cup = first ? (southAmerica ? "Taça Libertadores" : "Copa dos Campeões")
                                  : (southAmerica ? "Copa Sul-Americana" : "Liga Europa da UEFA");
    const int stage = first ? Game.FirstContinentalStage : Game.SecondContinentalStage;
    const int leg = first ? Game.FirstContinentalLeg : Game.SecondContinentalLeg;
    const int turn = first ? Game.FirstContinentalTurn : Game.SecondContinentalTurn;
    if (stage >= 4) {
        static const char* const kStages[] = {" - Oitavas de final - ", " - Quartas de final - ", " - Semi-final - ",
                                              " - Final - "};
        const std::string round = std::string(stage <= 7 ? kStages[stage - 4] : "") + Ordinal(leg, "º") + " jogo";
        SetHeading(cup + round, round);
    } else {
        const std::string round = TurnRoundText(turn, stage);
        SetHeading(cup + round, round);
    }
}

// The first state whose championship is played, preferring São Paulo, Rio de Janeiro, Minas Gerais.
int FirstPlayedState()
{
    for (int state : {25, 18, 10})
        if (StateChampionships[state].active != 0)
            return state;
    for (int state = 0; state < kStateCount; ++state)
        if (StateChampionships[state].active != 0)
            return state;
    return 0;
}

const char* CityOf(const RangeArray<HostCityQuad, 1, 7>& table, int city)
{
    const int host = Game.TournamentHost;
    if (!table.contains(host) || city < 1 || city > 4)
        return "";
    return table[host][city];
}

const char* WorldCupCity(int city)
{
    const int host = Game.TournamentHost;
    if (!WorldCupHostCities.contains(host) || city < 1 || city > 8)
        return "";
    return WorldCupHostCities[host][city];
}

// The two World Cup cities of a group: A and G, B and E, C and F, D and H share a pair.
TPairing WorldCupGroupCities(int group)
{
    switch (group) {
    case 1: case 7: return {5, 6};
    case 2: case 5: return {7, 8};
    case 3: case 6: return {3, 4};
    case 4: case 8: return {1, 2};
    default: return {0, 0};
    }
}

void GroupStageTies(std::vector<MatchdayFixture>& list, int kind, int stage, int groups)
{
    const int competition = FindCompetition(kind, -1, -1, -1, -1);
    for (int g = 1; g <= groups; ++g) {
        for (int k = 1; k <= 2; ++k) {
            const TPairing pair = GetPairing4(stage, 1, k);
            if (pair.home < 1 || pair.away < 1)
                continue;
            const int home = Game.NationalGroups[g - 1][pair.home - 1];
            const int away = Game.NationalGroups[g - 1][pair.away - 1];
            if (IsClub(home) && IsClub(away))
                list.push_back(MatchdayFixture{competition, home, away, -1});
        }
    }
}

void KnockoutTies(std::vector<MatchdayFixture>& list, int kind, int firstTie, int count)
{
    for (int i = 1; i <= count; ++i)
        AddTie(list, NationalCupTies[firstTie + i], kind);
}

}  // namespace

int DayClockInterval(int kind)
{
    if (Game.InstantPlay != 0)
        return 1;
    bool human = false;
    switch (kind) {
    case kKindFriendlies: human = true; break;
    case kKindNationalLeague: human = HasHumanClubs(); break;
    case kKindNationalCup: human = AnyHumanClubInNationalCup(); break;
    case kKindStateChampionship: human = AnyHumanClubInStateChampionship(); break;
    case kKindFirstContinentalCup:
        human = AnyHumanClubInFirstContinentalCupOf(CurrentLeague == kRegionSouthAmerica ? kConfSouthAmerica : kConfEurope);
        break;
    case kKindClubWorldCup: human = AnyHumanClubInClubWorldCupRound(); break;
    case kKindSecondContinentalCup:
        human = AnyHumanClubInSecondContinentalCupOf(CurrentLeague == kRegionSouthAmerica ? kConfSouthAmerica : kConfEurope);
        break;
    default: human = AnyHumanNationInTournament(); break;
    }
    return human ? Game.TickIntervalHuman : Game.TickIntervalCpu;
}

void SetupLeagueCupMatchday(int kind)
{
    HumanMatchCount = 0;
    HumanMatches.fill(0);
    MatchdayTickInterval = DayClockInterval(kind);
    if (!SilentMatchday)
        SetLeagueCupHeading(kind);
    StartMatches(FixturesOfToday(kind, CurrentLeague));
    FinishClubMatches(kind);
}

void SetupFriendliesMatchday()
{
    const TDateTime today = TodayDate();
    std::vector<MatchdayFixture> list;
    std::vector<bool> fixtureTaken(Fixtures.size(), false);
    for (TFriendly& friendly : Friendlies) {
        if (friendly.date != today || friendly.done != 0 || static_cast<int>(list.size()) >= kMaxMatches)
            continue;
        friendly.done = 1;
        if (!IsClub(friendly.home) || !IsClub(friendly.away))
            continue;
        // The friendly's own fixture, never another competition's match of the day. Taking "the i-th
        // collected fixture" of all the day's unplayed fixtures, any kind, would pair a friendly with
        // a league or cup match of the day and book the friendly's result on that match.
        int fixture = -1;
        for (int i = 0; i < static_cast<int>(Fixtures.size()) && fixture < 0; ++i) {
            const TFixture& f = Fixtures[i];
            if (!fixtureTaken[i] && f.kind == kKindFriendlies && f.home == friendly.home && f.away == friendly.away &&
                f.date == today && f.played == 0)
                fixture = i;
        }
        if (fixture >= 0)
            fixtureTaken[fixture] = true;
        list.push_back(MatchdayFixture{0, friendly.home, friendly.away, fixture});
    }
    MatchdayTickInterval = DayClockInterval(kKindFriendlies);
    SetHeading("Amistosos", "");
    StartMatches(list);
    for (int m = 1; m <= MatchCount; ++m)
        Matches[m].subsLeft[0] = Matches[m].subsLeft[1] = kSubstitutionsInFriendlies;
    FinishClubMatches(kKindFriendlies);
}

void SetupStateMatchday()
{
    if (CurrentState == 0 && StateChampionships[0].groupCount == 0)
        CurrentState = FirstPlayedState();
    if (CurrentState < 0 || CurrentState >= kStateCount)
        CurrentState = 0;
    StateChampionships[CurrentState].roundDone = 1;
    MatchdayTickInterval = DayClockInterval(kKindStateChampionship);
    std::string round;
    if (Game.StateStage < 6)
        round = TurnRoundText(Game.StateTurn, Game.StateStage);
    else
        round = Game.StateStage == 6 ? " - Final - 1º jogo" : " - Final - 2º jogo";
    SetHeading(std::string("Campeonato ") + StateDemonyms[CurrentState] + round, round);
    StartMatches(FixturesOfToday(kKindStateChampionship, CurrentState));
    FinishClubMatches(kKindStateChampionship);
}

void SetupClubWorldCupMatchday()
{
    static const char* const kStages[] = {"Quartas de final", "Semi-final", "Final"};
    const int stage = Game.ClubWorldCupStage;
    MatchdayTickInterval = DayClockInterval(kKindClubWorldCup);
    std::vector<MatchdayFixture> list;
    if (stage >= 1 && stage <= 3) {
        SetHeading(std::string("Mundial Interclubes - ") + kStages[stage - 1], "");
        for (int i = 1; i <= 2; ++i)
            AddTie(list, ClubWorldCupTies[2 * (stage - 1) + i], kKindClubWorldCup);
    }
    StartMatches(list);
    for (int m = 1; m <= MatchCount; ++m)
        MatchVenues[m] = kClubWorldCupVenue;
}

void SetupWorldCupMatchday()
{
    const int s = Game.TournamentStage;
    MatchdayTickInterval = DayClockInterval(kKindWorldCup);
    static const char* const kKnockout[] = {"Oitavas de final", "Quartas de final", "Semi-final", "Final"};
    std::vector<MatchdayFixture> list;
    if (s <= 3) {
        SetHeading("Copa do Mundo - " + Ordinal(s, "ª") + " rodada", "");
        GroupStageTies(list, kKindWorldCup, s, 8);
    } else if (s <= 7) {
        static const int kOffset[] = {0, 8, 12, 14};
        static const int kCount[] = {8, 4, 2, 2};
        SetHeading(std::string("Copa do Mundo - ") + kKnockout[s - 4], "");
        KnockoutTies(list, kKindWorldCup, kOffset[s - 4], kCount[s - 4]);
    }
    StartMatches(list);
    for (int m = 1; m <= MatchCount; ++m)
        MatchVenues[m] = TournamentVenue(s, Clubs[Matches[m].club[0]].NationalTeamGroup, m);
}

void SetupContinentalTournamentMatchday()
{
    const int kind = Game.DayKind == kKindEurocopa ? kKindEurocopa : kKindCopaAmerica;
    const int groups = kind == kKindCopaAmerica ? 3 : 4;
    const std::string name = kind == kKindCopaAmerica ? "Copa América" : "Eurocopa";
    const int s = Game.TournamentStage;
    MatchdayTickInterval = DayClockInterval(kind);
    static const char* const kKnockout[] = {"Quartas de final", "Semi-final", "Final"};
    std::vector<MatchdayFixture> list;
    if (s <= 3) {
        SetHeading(name + " - " + Ordinal(s, "ª") + " rodada", "");
        GroupStageTies(list, kind, s, groups);
    } else if (s <= 6) {
        static const int kOffset[] = {0, 4, 6};
        static const int kCount[] = {4, 2, 2};
        SetHeading(name + " - " + kKnockout[s - 4], "");
        KnockoutTies(list, kind, kOffset[s - 4], kCount[s - 4]);
    }
    StartMatches(list);
    for (int m = 1; m <= MatchCount; ++m) {
        const int group = Clubs[Matches[m].club[0]].NationalTeamGroup;
        MatchVenues[m] = s > 3 ? TournamentVenue(s, group, m) : TournamentGroupVenue(s, group, m);
    }
}

void SetupMatchdayOfToday()
{
    ResetMatchdayState();
    SilentMatchday = false;
    switch (Game.DayKind) {
    case kKindFriendlies: SetupFriendliesMatchday(); break;
    case kKindNationalLeague:
    case kKindNationalCup:
    case kKindFirstContinentalCup:
    case kKindSecondContinentalCup: SetupLeagueCupMatchday(Game.DayKind); break;
    case kKindStateChampionship: SetupStateMatchday(); break;
    case kKindClubWorldCup: SetupClubWorldCupMatchday(); break;
    case kKindWorldCup: SetupWorldCupMatchday(); break;
    case kKindCopaAmerica:
    case kKindEurocopa: SetupContinentalTournamentMatchday(); break;
    default: BeginMatchday({}); break;
    }
}

std::string TournamentVenue(int stage, int group, int m)
{
    if (Game.DayKind == kKindWorldCup) {
        if (stage >= 4)
            return WorldCupCity(m);
        const TPairing pair = WorldCupGroupCities(group);
        const bool firstCity = (m % 2 == 1) == (stage == 1 || stage == 3);
        return WorldCupCity(firstCity ? pair.home : pair.away);
    }
    const auto& table = Game.DayKind == kKindEurocopa ? HostCitiesEurope : HostCitiesSouthAmerica;
    return CityOf(table, m);
}

std::string TournamentGroupVenue(int stage, int group, int m)
{
    (void)stage;
    const auto& table = Game.DayKind == kKindEurocopa ? HostCitiesEurope : HostCitiesSouthAmerica;
    const bool secondPair = group == 2 || (group == 4 && Game.DayKind == kKindEurocopa);
    const int first = secondPair ? 3 : 1;
    return CityOf(table, m % 2 == 1 ? first : first + 1);
}

}  // namespace tarvelon
