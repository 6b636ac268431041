#include "tools/savesweep/sweep_play.h"

#include <algorithm>
#include <fstream>
#include <memory>

#include "core/club_rosters.h"
#include "core/history/career_text.h"
#include "core/persist/file_io.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_blocks.h"
#include "core/persist/saved_game_image.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/rollover/season_rollover.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/seasonloop/season_loop.h"
#include "core/services/rule_services.h"
#include "core/tables.h"
#include "core/views/champions.h"
#include "core/views/club_record.h"
#include "core/views/coach_honours.h"
#include "core/views/cup_brackets.h"
#include "core/views/hub_views.h"
#include "core/views/market_views.h"
#include "core/views/match_report_view.h"
#include "core/views/meetings.h"
#include "core/views/season_summary.h"
#include "core/views/transfer_list.h"
#include "tools/savesweep/refusal_reason.h"
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

bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

// The history a player opens from the hub: each human club's record, titles and transfers, its
// head-to-head and meetings with every other club, its coach's career and titles, its players'
// careers; the latest coach hirings and transfers, and every competition's champions.
void OpenHistory()
{
    for (const std::int32_t club : Game.HumanClubs) {
        if (!IsClub(club))
            continue;
        ClubRecordRows(club);
        ClubTitlesLine(club);
        ClubTransferRows(club);
        for (int other = 0; other < static_cast<int>(Clubs.size()); ++other) {
            HeadToHeadOf(club, other);
            MeetingRows(club, other);
            MeetingSummaryTexts(club, other);
        }
        const int coach = Clubs[static_cast<std::size_t>(club)].coach;
        if (coach >= 0 && coach < static_cast<int>(Coaches.size())) {
            CoachCareerText(coach, 0);
            CoachTitleRows(coach);
        }
        for (const int player : PlayersOfClub(club))
            PlayerCareerText(player, 0);
    }
    CoachHireRows();
    RecentTransferRows();
    for (int competition = 0; competition < static_cast<int>(Competitions.size()); ++competition)
        for (const ChampionRow& row : ChampionRows(competition))
            ChampionLine(row, "", "", "");
}

CaseResult Fault(std::string reason) { return CaseResult{CaseOutcome::Fault, std::move(reason)}; }

// The loader's check that refuses the game's save as it would be written now; "" when it loads.
std::string RefusalOfTodaysSave()
{
    const std::string bytes = WriteSavedGameImage();
    auto image = std::make_unique<SavedGameImage>();
    if (ReadSavedGameImage(bytes, *image) == SavedGameCheck::kValid)
        return {};
    const std::string reason = RefusalReason(bytes);
    return reason.empty() ? "refused, yet loads when read again" : reason;
}

// The last of the first days of the state championship, the national cup and the two continental
// cups in the season's calendar (0 when none is played): the competitions drawn at the season's turn.
int LastFirstDayOfTheCups()
{
    int last = 0;
    for (const int kind : {kKindStateChampionship, kKindNationalCup, kKindFirstContinentalCup, kKindSecondContinentalCup})
        for (int day = 1; day <= kCalendarDays; ++day)
            if (Calendar[static_cast<std::size_t>(day)].dayKind == kind) {
                last = std::max(last, day);
                break;
            }
    return last;
}

std::string DayText() { return "season " + std::to_string(Game.Season) + " day " + std::to_string(Game.DayIndex); }

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
    OpenHistory();
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

CaseResult PlayCheckingEachDay()
{
    bool turned = false;
    int lastDay = 0;
    for (int day = 0; day < kCalendarDays + kSpareDays + kCalendarDays; ++day) {
        std::string played = DayText();
        if (PlayDay() == DayOutcome::SeasonOver) {
            if (turned)
                break;
            TurnToNewSeason();
            turned = true;
            lastDay = LastFirstDayOfTheCups();
            played += " and the season's turn";
        }
        if (const std::string refusal = RefusalOfTodaysSave(); !refusal.empty())
            return Fault("the save after " + played + " is refused: " + refusal);
        if (turned && Game.DayIndex > lastDay)
            return CaseResult{CaseOutcome::Played, {}};
    }
    return Fault(turned ? "the new season's cups never start" : "the season does not end");
}

CaseResult PlayCase(const std::string& bytes, const std::string& path, bool everyDay)
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
    if (everyDay) {
        if (const CaseResult days = PlayCheckingEachDay(); days.outcome != CaseOutcome::Played)
            return days;
    } else if (!PlayThroughSeasonTurn()) {
        return Fault("the season does not end");
    }
    const std::string again = path + ".again";
    if (!sim::SaveSimGame(again))
        return Fault("the game cannot save");
    if (!sim::LoadSimGame(again, message))
        return Fault("its own save is refused: " + message + " (" + RefusalReason(ReadFile(again)) + ")");
    OpenViewsAfterLoad();
    return CaseResult{CaseOutcome::Played, {}};
}

}  // namespace tarvelon::savesweep
