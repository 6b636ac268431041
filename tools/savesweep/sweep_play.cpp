#include "tools/savesweep/sweep_play.h"

#include <fstream>

#include "core/club_rosters.h"
#include "core/persist/file_io.h"
#include "core/persist/saved_game.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/rollover/season_rollover.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/seasonloop/season_loop.h"
#include "core/services/rule_services.h"
#include "core/tables.h"
#include "core/views/cup_brackets.h"
#include "core/views/hub_views.h"
#include "core/views/market_views.h"
#include "core/views/match_report_view.h"
#include "core/views/season_summary.h"
#include "tools/sim/sim_run.h"

namespace tarvelon::savesweep {

namespace {

// Days beyond the calendar's a season may take before the sweep calls it a season that never ends.
constexpr int kSpareDays = 20;

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string ReadFile(const std::string& path)
{
    std::string bytes;
    ReadFileBytes(path, bytes);
    return bytes;
}

void OpenReports()
{
    for (int report = 0; report < static_cast<int>(MatchReports.size()); ++report) {
        ReportEventsHtml(report);
        ReportStatsHtml(report);
        ReportCrowdTexts(report);
        ReportHomeStadium(report);
        for (int side = 1; side <= 2; ++side) {
            FormatReportFormation(report, side);
            ReportSideTactics(report, side);
        }
    }
}

void OpenBrackets()
{
    for (int league = 0; league < static_cast<int>(Leagues.size()); ++league)
        NationalCupBracketOf(league);
    for (const int kind : {kKindFirstContinentalCup, kKindSecondContinentalCup})
        for (int edition = 1; edition <= 2; ++edition)
            ContinentalBracketOf(kind, edition);
    for (const int kind : {kKindWorldCup, kKindCopaAmerica, kKindEurocopa})
        TournamentBracketOf(kind, Game.TournamentStage);
}

void OpenSeasonSummary()
{
    for (const int season : {Game.Season - 1, Game.Season, static_cast<int>(SummarySeason)}) {
        for (int league = 0; league < static_cast<int>(Leagues.size()); ++league)
            DivisionChampionRows(league, season);
        SeasonChampionRows(season);
    }
}

void OpenRosters()
{
    for (const std::int32_t club : Game.HumanClubs) {
        if (club < 0 || club >= static_cast<int>(Clubs.size()))
            continue;
        for (const int player : PlayersOfClub(club)) {
            RosterRowOf(player);
            PlayerCardText(player, true);
        }
    }
}

CaseResult Fault(std::string reason) { return CaseResult{CaseOutcome::Fault, std::move(reason)}; }

}  // namespace

void OpenViewsAfterLoad()
{
    for (const MarketTreeRow& row : MarketTreeRows())
        if (row.club >= 0)
            MarketDivisionText(row.club);
    OpenSeasonSummary();
    OpenReports();
    OpenBrackets();
    OpenRosters();
}

bool PlayThroughSeasonTurn()
{
    for (int day = 0; day < kCalendarDays + kSpareDays; ++day)
        if (PlayDay() == DayOutcome::SeasonOver) {
            TurnToNewSeason();
            return true;
        }
    return false;
}

CaseResult PlayCase(const std::string& bytes, const std::string& path)
{
    if (!WriteFile(path, bytes))
        return Fault("cannot write " + path);
    std::string message;
    if (!sim::LoadSimGame(path, message)) {
        if (message != kInvalidSaveMessage)
            return Fault("refused with \"" + message + "\"");
        if (ReadFile(path) != bytes)
            return Fault("refused, but the file on disk changed");
        return CaseResult{CaseOutcome::Refused, {}};
    }
    SeedRepeatableRun(1);
    OpenViewsAfterLoad();
    if (!PlayThroughSeasonTurn())
        return Fault("the season does not end");
    const std::string again = path + ".again";
    if (!sim::SaveSimGame(again))
        return Fault("the game cannot save");
    if (!sim::LoadSimGame(again, message))
        return Fault("its own save is refused: " + message);
    OpenViewsAfterLoad();
    return CaseResult{CaseOutcome::Played, {}};
}

}  // namespace tarvelon::savesweep
