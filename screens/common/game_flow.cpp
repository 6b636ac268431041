#include "screens/common/game_flow.h"

#include "core/newgame/new_game_setup.h"
#include "core/records/game_state.h"
#include "core/seasonloop/season_loop.h"
#include "core/tables.h"
#include "core/vocab/countries.h"

namespace tarvelon {

std::function<void()> OfferPreseasonFriendlies;

namespace {

int QuickHumanClub()
{
    int fallback = -1;
    for (int club = 0; club < static_cast<int>(Clubs.size()); ++club) {
        if (!IsClubOfferedToHumanCoach(club))
            continue;
        if (Clubs[club].Country == CountryBrazil)
            return club;
        if (fallback < 0)
            fallback = club;
    }
    return fallback;
}

}  // namespace

FirstScreen StartQuickNewGame()
{
    BeginNewGameSetup();
    ListNewGameClubFiles();
    NewGameChoices choices;
    choices.countries = OfferedLeagueCountries();
    choices.leagueFormat = kLeagueFormatDivisionsOf20;
    if (choices.countries.empty() || !SetUpNewGameBeforeCoaches(choices))
        return FirstScreen::None;
    const int club = QuickHumanClub();
    Game.HumanClubCount = club >= 0 ? 1 : 0;
    if (club >= 0 && !ChooseHumanClub(1, club, "Técnico"))
        return FirstScreen::None;
    return RunNewGameBuilder();
}

CalendarExit PlayMatchdayFromHub()
{
    return PlayDayToNextScreen();
}

CalendarExit ContinueFromResults()
{
    const CalendarExit exit = AdvanceCalendar();
    BeginSeasonLoop(exit == CalendarExit::NextMatchday);
    return exit;
}

SeasonStartScreen ContinueIntoNewSeason()
{
    BeginSeasonSummary();
    const SeasonStartScreen next = StartNewSeason(OfferPreseasonFriendlies);
    BeginSeasonLoop(next == SeasonStartScreen::Matchday);
    return next;
}

void AfterGameStarted(FirstScreen first)
{
    BeginSeasonLoop(first == FirstScreen::Matchday);
}

void AfterGameLoaded()
{
    BeginSeasonLoop(false);
}

}  // namespace tarvelon
