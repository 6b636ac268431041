#include "screens/competitions/competition_screens.h"

#include <filesystem>
#include <string>

#include "core/hooks.h"
#include "core/persist/saved_game.h"
#include "core/progression/post_round_invitations.h"
#include "core/records/game_state.h"
#include "platform/stdctrls/file_search.h"
#include "screens/common/screen_registry.h"
#include "screens/start/coach_setup_lists.h"
#include "screens/start/coach_setup_radios.h"
#include "screens/start/custom_championship.h"
#include "screens/start/game_mode_chooser.h"
#include "screens/start/load_game_screen.h"
#include "screens/competitions/national_cup_bracket_screen.h"
#include "screens/competitions/national_hub_screen.h"
#include "screens/competitions/national_invitations_screen.h"
#include "screens/start/new_game_builder.h"
#include "screens/common/subjects.h"
#include "screens/history/champions_history_screen.h"
#include "screens/competitions/club_fixtures_screen.h"
#include "screens/history/club_record_screen.h"
#include "screens/history/clubs_ranking_screen.h"
#include "screens/history/coach_ranking_screen.h"
#include "screens/competitions/continental_bracket_screen.h"
#include "screens/history/head_to_head_screen.h"
#include "screens/history/player_career_screen.h"
#include "screens/competitions/round_fixtures_screen.h"
#include "screens/competitions/season_summary_screen.h"
#include "screens/competitions/standings_screen.h"
#include "screens/history/state_champions_screen.h"
#include "screens/start/title_screen.h"
#include "screens/competitions/top_scorers_screen.h"
#include "screens/competitions/tournament_table_screen.h"
#include "screens/history/trophy_cabinet_screen.h"
#include "screens/history/trophy_gallery_screen.h"

namespace tarvelon {

namespace {

// A game folder without saves gets one of the running game, so that the list has a row to show.
void SavedGameSubject()
{
    if (!std::filesystem::is_directory(kSaveFolder) ||
        !FindFileNames(kSaveFolder, std::string("*") + kSaveExtension).empty())
        return;
    const std::string name = Game.saveName.str();
    Game.saveName.set("rodada.nsx");
    SaveGame();
    Game.saveName.set(name);
}

}  // namespace

void RegisterCompetitionScreens()
{
    RegisterBuiltScreen<TForm1>("TForm1", "screens/start/title_screen.cpp");
    RegisterBuiltScreen<TForm9>("TForm9", "screens/start/game_mode_chooser.cpp");
    RegisterBuiltScreen<TForm11>("TForm11", "screens/start/coach_setup_radios.cpp");
    RegisterBuiltScreen<TForm12>("TForm12", "screens/start/new_game_builder.cpp");
    RegisterBuiltScreen<TForm21>("TForm21", "screens/start/load_game_screen.cpp", SavedGameSubject);
    RegisterBuiltScreen<TForm39>("TForm39", "screens/start/custom_championship.cpp");
    RegisterBuiltScreen<TForm56>("TForm56", "screens/start/coach_setup_lists.cpp");
    // Their creation starts a new game's set-up from an empty game.
    for (const char* formClass : {"TForm9", "TForm11", "TForm12", "TForm56"})
        MarkScreenReplacesGame(formClass);
    RegisterBuiltScreen<TForm15>("TForm15", "screens/history/head_to_head_screen.cpp", [] {
        HeadToHeadClubs = {SubjectClub(), SubjectRivalClub()};
    });
    RegisterBuiltScreen<TForm16>("TForm16", "screens/history/player_career_screen.cpp");
    RegisterBuiltScreen<TForm18>("TForm18", "screens/competitions/club_fixtures_screen.cpp");
    RegisterBuiltScreen<TForm19>("TForm19", "screens/history/trophy_gallery_screen.cpp",
                                 [] { SelectedRecord = SubjectChampionCoach(); });
    RegisterBuiltScreen<TForm20>("TForm20", "screens/competitions/top_scorers_screen.cpp");
    RegisterBuiltScreen<TForm29>("TForm29", "screens/history/champions_history_screen.cpp");
    RegisterBuiltScreen<TForm47>("TForm47", "screens/history/coach_ranking_screen.cpp");
    RegisterBuiltScreen<TForm55>("TForm55", "screens/history/club_record_screen.cpp");
    RegisterBuiltScreen<TForm71>("TForm71", "screens/history/clubs_ranking_screen.cpp");
    RegisterBuiltScreen<TForm74>("TForm74", "screens/history/trophy_cabinet_screen.cpp",
                                 [] { TrophyCabinetClub = SubjectChampionClub(); });
    RegisterBuiltScreen<TForm63>("TForm63", "screens/competitions/round_fixtures_screen.cpp");
    RegisterBuiltScreen<TForm36>("TForm36", "screens/competitions/standings_screen.cpp");
    RegisterBuiltScreen<TForm66>("TForm66", "screens/history/state_champions_screen.cpp");
    RegisterBuiltScreen<TForm26>("TForm26", "screens/competitions/season_summary_screen.cpp");
    // Its creation rolls the season over: a probe keeps the game aside.
    MarkScreenReplacesGame("TForm26");
    RegisterBuiltScreen<TForm35>("TForm35", "screens/competitions/national_cup_bracket_screen.cpp");
    RegisterBuiltScreen<TForm69>("TForm69", "screens/competitions/continental_bracket_screen.cpp");
    RegisterBuiltScreen<TForm75>("TForm75", "screens/competitions/national_hub_screen.cpp");
    RegisterBuiltScreen<TForm78>("TForm78", "screens/competitions/tournament_table_screen.cpp");
    RegisterBuiltScreen<TForm76>("TForm76", "screens/competitions/national_invitations_screen.cpp", [] {
        InvitationCompetition = 7;
        InvitationOfferTier = 1;
        // The fixed draw leaves the rows of offers as they were: the groups' heads are offered then.
        if (Game.tournamentRows[0][0] <= 0)
            for (int slot = 0; slot < 8; ++slot)
                Game.tournamentRows[0][slot] = Game.NationalGroups[slot][0];
    });
}

void InstallCompetitionScreenHooks() { Hooks().showStateChampions = ShowStateChampionsOnScreen; }

}  // namespace tarvelon
