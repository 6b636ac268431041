#include "screens/competitions/competition_screens.h"

#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/competitions/champions_history_screen.h"
#include "screens/competitions/club_fixtures_screen.h"
#include "screens/competitions/club_record_screen.h"
#include "screens/competitions/clubs_ranking_screen.h"
#include "screens/competitions/coach_ranking_screen.h"
#include "screens/competitions/head_to_head_screen.h"
#include "screens/competitions/player_career_screen.h"
#include "screens/competitions/round_fixtures_screen.h"
#include "screens/competitions/title_screen.h"
#include "screens/competitions/top_scorers_screen.h"
#include "screens/competitions/trophy_cabinet_screen.h"
#include "screens/competitions/trophy_gallery_screen.h"

namespace tarvelon {

void RegisterCompetitionScreens()
{
    RegisterBuiltScreen<TForm1>("TForm1", "screens/competitions/title_screen.cpp");
    RegisterBuiltScreen<TForm15>("TForm15", "screens/competitions/head_to_head_screen.cpp", [] {
        HeadToHeadClubs = {SubjectClub(), SubjectRivalClub()};
    });
    RegisterBuiltScreen<TForm16>("TForm16", "screens/competitions/player_career_screen.cpp");
    RegisterBuiltScreen<TForm18>("TForm18", "screens/competitions/club_fixtures_screen.cpp");
    RegisterBuiltScreen<TForm19>("TForm19", "screens/competitions/trophy_gallery_screen.cpp",
                                 [] { SelectedRecord = SubjectChampionCoach(); });
    RegisterBuiltScreen<TForm20>("TForm20", "screens/competitions/top_scorers_screen.cpp");
    RegisterBuiltScreen<TForm29>("TForm29", "screens/competitions/champions_history_screen.cpp");
    RegisterBuiltScreen<TForm47>("TForm47", "screens/competitions/coach_ranking_screen.cpp");
    RegisterBuiltScreen<TForm55>("TForm55", "screens/competitions/club_record_screen.cpp");
    RegisterBuiltScreen<TForm71>("TForm71", "screens/competitions/clubs_ranking_screen.cpp");
    RegisterBuiltScreen<TForm74>("TForm74", "screens/competitions/trophy_cabinet_screen.cpp",
                                 [] { TrophyCabinetClub = SubjectChampionClub(); });
    RegisterBuiltScreen<TForm63>("TForm63", "screens/competitions/round_fixtures_screen.cpp");
}

}  // namespace tarvelon
