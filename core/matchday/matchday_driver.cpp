#include "core/matchday/matchday_driver.h"

#include "core/match/engine_step.h"
#include "core/match/events_by_player.h"
#include "core/match/match_day.h"
#include "core/records/match_records.h"
#include "core/matchday/match_ratings.h"
#include "core/records/matchday_globals.h"
#include "core/matchday/result_effects.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kLastFullTick = kFirstAddedTimeTick - 1;

// The fixture of each match of the day, by match index (entry 0 unused).
std::vector<int> MatchFixtures;

int ArchiveRoundOfToday(int kind)
{
    switch (kind) {
    case kKindNationalLeague:
        if (Game.LeagueTurn != 2)
            return Game.LeagueRound;
        return Game.LeagueRound + (Game.LeagueFormat == kDivisionsOf10 ? 9 : 19);
    case kKindNationalCup: return Game.nationalCupRound;
    case kKindStateChampionship: return Game.StateStage + (Game.StateTurn == 2 ? 5 : 0);
    case kKindFirstContinentalCup: return Game.FirstContinentalStage + (Game.FirstContinentalTurn == 2 ? 3 : 0);
    case kKindClubWorldCup: return 1;
    case kKindSecondContinentalCup: return Game.SecondContinentalStage + (Game.SecondContinentalTurn == 2 ? 3 : 0);
    case kKindWorldCup:
    case kKindCopaAmerica:
    case kKindEurocopa: return Game.TournamentStage;
    default: return 0;
    }
}

int ArchiveRegionOfToday(int kind)
{
    if (kind == kKindStateChampionship)
        return CurrentState;
    if (kind == kKindNationalLeague || kind == kKindNationalCup || kind == kKindFirstContinentalCup ||
        kind == kKindSecondContinentalCup)
        return CurrentLeague;
    return 0;
}

// Copies the match's events into ReportEvents, now pointing at the report.
void ArchiveMatchEvents(int report, int m)
{
    for (const TMatchEventEntry& event : MatchEvents) {
        if (event.match != m)
            continue;
        TMatchEventEntry copy = event;
        copy.match = report;
        ReportEvents.push_back(copy);
    }
}

TMatchReport ReportOfMatch(const jogos& match, const MatchdayRecord& record)
{
    TMatchReport report{};
    report.gate = match.gate;
    report.attendance = match.attendance;
    report.kind = record.kind;
    report.round = record.round;
    report.turn = record.turn;
    report.region = record.region;
    report.date = record.date;
    report.shootout = match.shootout;
    for (int s = 0; s < 2; ++s) {
        const TClub& club = Clubs[match.club[s]];
        report.club[s] = match.club[s];
        report.goals[s] = match.goals[s];
        report.shootoutGoals[s] = match.shootoutGoals[s];
        report.stats[s][rsPossession] = match.possession[s];
        report.stats[s][rsBallsWon] = match.ballsWon[s];
        report.stats[s][rsShots] = match.shots[s];
        report.stats[s][rsBadPasses] = match.badPasses[s];
        report.stats[s][rsFouls] = match.fouls[s];
        report.stats[s][rsPasses] = match.passes[s];
        report.playingStyle[s] = club.PlayingStyle;
        report.attackSide[s] = club.AttackFocus;
        report.marking[s] = club.Pressing;
        for (int p = 0; p < 11; ++p) {
            report.startingEleven[s][p] = match.startingEleven[s][p];
            report.startingSlots[s][p] = match.startingSlots[s][p];
        }
    }
    for (int sector = 0; sector < 4; ++sector)
        report.sectorAttendance[sector] = match.sectorAttendance[sector];
    return report;
}

void ArchiveMatch(int m, const MatchdayRecord& record)
{
    const int report = static_cast<int>(MatchReports.size());
    ArchiveMatchEvents(report, m);
    RecordSubstituteRatings(report, m);
    RecordStarterRatings(report, m);
    MatchReports.push_back(ReportOfMatch(Matches[m], record));
}

}  // namespace

MatchdayRecord MatchdayRecordOfToday()
{
    MatchdayRecord record;
    record.kind = Game.DayKind;
    record.round = ArchiveRoundOfToday(record.kind);
    record.turn = Game.LeagueTurn;
    record.region = ArchiveRegionOfToday(record.kind);
    record.date = TodayDate();
    return record;
}

void BeginMatchday(const std::vector<MatchdayFixture>& fixtures)
{
    ResetMatchday(static_cast<int>(fixtures.size()));
    MatchFixtures.assign(MatchCount + 1, -1);
    for (int m = 1; m <= MatchCount; ++m) {
        const MatchdayFixture& fixture = fixtures[m - 1];
        KickOffMatch(m, fixture.competition, fixture.homeClub, fixture.awayClub);
        MatchFixtures[m] = fixture.fixture;
    }
}

int FixtureOfMatch(int m)
{
    return m >= 1 && m < static_cast<int>(MatchFixtures.size()) ? MatchFixtures[m] : -1;
}

void RecordFixtureResult(int fixture, int m)
{
    if (fixture < 0 || fixture >= static_cast<int>(Fixtures.size()))
        return;
    TFixture& f = Fixtures[fixture];
    const jogos& match = Matches[m];
    f.homeGoals = match.goals[0];
    f.awayGoals = match.goals[1];
    if (match.shootout) {
        f.homeShootout = match.shootoutGoals[0];
        f.awayShootout = match.shootoutGoals[1];
    }
    f.played = 1;
    f.gate = match.gate;
    f.attendance = match.sectorAttendance[0] + match.sectorAttendance[1] + match.sectorAttendance[2] +
                   match.sectorAttendance[3];
}

bool MatchPlaysAtTick(int m, int tick)
{
    return tick <= kLastFullTick || Matches[m].endTick >= tick;
}

void KeepTodaysKickOffLineups()
{
    for (int m = 1; m <= MatchCount; ++m)
        KeepKickOffLineups(m);
}

void PlayMatchdayTick(int tick, std::vector<int>* eventOfMatch)
{
    if (tick == 1)
        KeepTodaysKickOffLineups();
    if (eventOfMatch != nullptr)
        eventOfMatch->assign(MatchCount + 1, -1);
    for (int m = 1; m <= MatchCount; ++m) {
        if (!MatchPlaysAtTick(m, tick))
            continue;
        const int event = MatchStep(m);
        if (eventOfMatch != nullptr)
            (*eventOfMatch)[m] = event;
    }
}

void FinishMatchday(const MatchdayRecord& record)
{
    for (int m = 1; m <= MatchCount; ++m) {
        RecordFixtureResult(FixtureOfMatch(m), m);
        if (record.bookResult)
            record.bookResult(m);
        const jogos& match = Matches[m];
        if (record.updateMorale)
            UpdateMoraleAfterResult(record.kind, match.club[0], match.club[1], match.goals[0], match.goals[1], 0);
    }
    if (record.afterResults)
        record.afterResults();
    {
        // The ratings of every player who played count his events of the day through an index.
        const MatchEventsByPlayer eventsByPlayer;
        for (int m = 1; m <= MatchCount; ++m)
            ArchiveMatch(m, record);
    }
    if (record.keepLineups) {
        MatchEvents.clear();
        BookedPlayers.clear();
    } else {
        ClearMatchdayTables();
    }
    MatchFixtures.clear();
}

void PlayWholeMatchday(const std::vector<MatchdayFixture>& fixtures, const MatchdayRecord& record)
{
    BeginMatchday(fixtures);
    for (int tick = 1; tick <= kLastMatchdayTick; ++tick)
        PlayMatchdayTick(tick);
    FinishMatchday(record);
}

}  // namespace tarvelon
