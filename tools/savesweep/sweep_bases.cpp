#include "tools/savesweep/sweep_bases.h"

#include <algorithm>
#include <functional>
#include <vector>
#include <filesystem>

#include "core/basics/datetime.h"
#include "core/club_rosters.h"
#include "core/economy/friendly_booking.h"
#include "core/economy/loans.h"
#include "core/economy/stadium.h"
#include "core/economy/transfers.h"
#include "core/hooks.h"
#include "core/lineup/lineup_board.h"
#include "core/lineup/stored_lineups.h"
#include "core/newgame/new_game_setup.h"
#include "core/persist/saved_game_image.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"
#include "core/seasonloop/season_loop.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "core/views/national_tournament.h"
#include "core/vocab/countries.h"
#include "tools/sampledata/sample_database.h"

namespace tarvelon::savesweep {

namespace {

constexpr std::uint64_t kPlaySeed = 1;
constexpr int kMidSeasonDay = 74;

// The human club of slot `slot` (0 or 1); a coach may have lost his job by then: the other one's
// club, or the first club when nobody human is left.
int HumanClub(int slot)
{
    const int count = std::clamp(Game.HumanClubCount, 0, 6);
    return count == 0 ? 0 : Game.HumanClubs[std::min(slot, count - 1)];
}

TDateTime DayDate(int day) { return Calendar[std::clamp(day, 1, kCalendarDays)].date; }

bool HasOpenLoan()
{
    return std::any_of(Loans.begin(), Loans.end(), [](const TLoan& loan) { return loan.player > 0; });
}

// A player of a computer club with a squad to spare, loaned to the first human club for thirty days.
bool AddLoanIntoHumanClub()
{
    const int club = HumanClub(0);
    if (static_cast<int>(PlayersOfClub(club).size()) >= kSquadLimit)
        return false;
    for (int owner = 0; owner < Game.LeagueClubCount; ++owner) {
        const std::vector<int>& squad = PlayersOfClub(owner);
        if (Clubs[owner].IsHuman != 0 || squad.size() < 18)
            continue;
        const int player = squad.back();
        const TDateTime end = DayDate(Game.DayIndex + 30);
        AddLoan(player, owner, end);
        LoanPlayer(player, club, end);
        return true;
    }
    return false;
}

bool AddStadiumWork(int club)
{
    if (StadiumWorkInProgress(club) != nullptr)
        return true;
    const ExpansionQuote quote = QuoteExpansion(club, {1000, 0, 0, 0}, Game.Season, TodayDate());
    if (Clubs[club].cash < CurrencyFromUnits(quote.cost))
        Clubs[club].cash = CurrencyFromUnits(quote.cost);
    return StartExpansion(club, quote);
}

bool HasStoredLineup(int club)
{
    return std::any_of(TacticsPresets.begin(), TacticsPresets.end(),
                       [club](const TTacticsPreset& preset) { return preset.club == club; });
}

// The squad's first eighteen players who may play, on formation 1.
bool AddStoredLineup(int club)
{
    if (HasStoredLineup(club))
        return true;
    LineupBoard board = NewLineupBoard(club, false);
    PlaceFormation(board, 1);
    int shirt = 1;
    for (int row = 0; row < static_cast<int>(board.rowPlayers.size()) && shirt <= kShirtCount; ++row)
        if (board.rowCodes[static_cast<std::size_t>(row)] == kCodeFree && DropCandidateOnShirt(board, row, shirt))
            ++shirt;
    StoreLineup(club, board);
    return HasStoredLineup(club);
}

bool HasPendingFriendly()
{
    return std::any_of(Friendlies.begin(), Friendlies.end(),
                       [](const TFriendly& friendly) { return friendly.done == 0 && friendly.home >= 0; });
}

bool AddFriendly(int club)
{
    const FriendlyDates dates = FreeFriendlyDates(club, false);
    const auto opponents = FriendlyOpponents(club);
    if (dates.days.empty() || opponents.empty())
        return false;
    BookFriendly(club, opponents.front().second, dates.days.front(), true, 0);
    return true;
}

bool PlayUntil(const std::function<bool()>& reached)
{
    while (!reached())
        if (PlayDay() == DayOutcome::SeasonOver)
            return false;
    return true;
}

std::string BaseBytes(std::string& error, const char* name)
{
    const std::string missing = AddBaseHoldings();
    if (!missing.empty()) {
        error = std::string(name) + ": " + missing;
        return {};
    }
    return WriteSavedGameImage();
}

bool StartTwoCoachGame()
{
    StartRules({kPlaySeed});
    Hooks().showMessage = [](const std::string&) {};
    BeginNewGameSetup();
    ListNewGameClubFiles();
    NewGameChoices choices;
    choices.countries = {CountryBrazil};
    choices.stateChampionships = true;
    choices.humanCoaches = {HumanCoachChoice{"Técnico 1", {}}, HumanCoachChoice{"Técnico 2", {}}};
    if (!SetUpNewGameBeforeCoaches(choices))
        return false;
    const TLeague& brazil = Leagues[static_cast<std::size_t>(FindLeagueByCountry(CountryBrazil))];
    if (!ChooseHumanClub(1, brazil.divisions[0][0], "Técnico 1") ||
        !ChooseHumanClub(2, brazil.divisions[0][1], "Técnico 2"))
        return false;
    const FirstScreen first = RunNewGameBuilder();
    if (first == FirstScreen::None)
        return false;
    BeginSeasonLoop(first == FirstScreen::Matchday);
    return true;
}

}  // namespace

const char* BaseName(int base)
{
    static const char* const names[kBaseCount] = {"nova", "meio", "torneio", "virada"};
    return base >= 0 && base < kBaseCount ? names[base] : "?";
}

void EnterSweepFolder(const std::string& folder, std::uint64_t seed)
{
    const std::filesystem::path path = std::filesystem::absolute(folder);
    if (!std::filesystem::exists(path / "teams"))
        sampledata::WriteSampleDatabase(path, seed);
    std::filesystem::current_path(path);
    SetProgramFolder(path);
    StartRules({kPlaySeed});
    Hooks().showMessage = [](const std::string&) {};
}

std::string AddBaseHoldings()
{
    std::string missing;
    if (!HasOpenLoan() && !AddLoanIntoHumanClub())
        missing += " loan";
    if (!AddStadiumWork(HumanClub(1)))
        missing += " stadium-work";
    if (!AddStoredLineup(HumanClub(1)))
        missing += " line-up";
    if (!HasPendingFriendly() && !AddFriendly(HumanClub(0)))
        missing += " friendly";
    return missing;
}

std::string NewGameBase(std::string& error)
{
    if (!StartTwoCoachGame()) {
        error = "the new game cannot start";
        return {};
    }
    return BaseBytes(error, BaseName(0));
}

std::array<std::string, kBaseCount> BuildBases(std::string& error)
{
    std::array<std::string, kBaseCount> bases{};
    bases[0] = NewGameBase(error);
    if (bases[0].empty())
        return bases;
    if (!PlayUntil([] { return Game.DayIndex >= kMidSeasonDay; })) {
        error = "the season ended before its middle";
        return bases;
    }
    bases[1] = BaseBytes(error, BaseName(1));
    if (!PlayUntil([] { return IsNationalTournamentKind(Game.DayKind) && !CallUps.empty(); })) {
        error = "the season ended without a tournament with call-ups";
        return bases;
    }
    bases[2] = BaseBytes(error, BaseName(2));
    PlayUntil([] { return false; });
    TurnToNewSeason();
    bases[3] = BaseBytes(error, BaseName(3));
    return bases;
}

}  // namespace tarvelon::savesweep
