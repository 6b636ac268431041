#include "screens/matchday/matchday_screens.h"

#include "core/hooks.h"
#include "core/match/lineup_access.h"
#include "core/match/match_flags.h"
#include "core/match/referees.h"
#include "core/matchday/referee_table.h"
#include "core/records/match_records.h"
#include "core/matchday_rules/shootout.h"
#include "core/records/game_state.h"
#include "screens/common/form_references.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/matchday/in_match_screen.h"
#include "screens/matchday/injury_dialog.h"
#include "screens/matchday/match_report_screen.h"
#include "screens/matchday/matchday_screen.h"
#include "screens/matchday/penalty_dialogs.h"
#include "screens/matchday/referee_card.h"
#include "screens/matchday/shootout_dialogs.h"
#include "screens/matchday/results_screen.h"

namespace tarvelon {

namespace {

// The human club against the first other club, as a penalty of today's match would set them.
void PenaltySubject(bool humanKicks)
{
    const int human = Game.CurrentHumanClub;
    const int other = human == 0 ? 1 : 0;
    PenaltyClubA = humanKicks ? human : other;
    PenaltyClubB = humanKicks ? other : human;
}

// The human club's first starter injured.
void InjurySubject()
{
    InjuredClub = Game.CurrentHumanClub;
    const TClub* club = ClubAt(InjuredClub);
    const TLineup* lineup = club ? LineupAt(club->LineupIndex) : nullptr;
    InjuredPlayer = lineup ? lineup->starters[0] : 0;
    ActiveMatch = 0;
}

// The human club against the first other club, level after their tie.
void ShootoutSubject()
{
    ShootoutClubA = Game.CurrentHumanClub;
    ShootoutClubB = ShootoutClubA == 0 ? 1 : 0;
    ShootoutUserTakers = 1;
    ShootoutResult = -1;
}

// The referee of the day's first match, else the first of the table. The table is filled when the
// title screen opens; a game started without it (the gallery) fills it here.
void RefereeSubject()
{
    if (RefereeNames.empty())
        FillReferees();
    const int referee = RefereeOfMatch(1);
    ShownReferee = referee >= 1 && referee <= kRefereeCount ? referee : 1;
}

// The first match of the day, on the side of a human club when one plays it.
void InMatchSubject()
{
    ActiveMatch = 1;
    ReportMode = 1;
}

}  // namespace

void RegisterMatchdayScreens()
{
    RegisterBuiltScreen<TForm46>("TForm46", "screens/matchday/matchday_screen.cpp");
    RegisterBuiltScreen<TForm67>("TForm67", "screens/matchday/results_screen.cpp",
                                 [] { TForm67::showLastArchivedDay = true; });
    RegisterBuiltScreen<TForm34>("TForm34", "screens/matchday/penalty_dialogs.cpp", [] { PenaltySubject(true); });
    RegisterBuiltScreen<TForm54>("TForm54", "screens/matchday/penalty_dialogs.cpp", [] { PenaltySubject(false); });
    RegisterBuiltScreen<TForm53>("TForm53", "screens/matchday/injury_dialog.cpp", InjurySubject);
    RegisterBuiltScreen<TForm88>("TForm88", "screens/matchday/in_match_screen.cpp", InMatchSubject);
    RegisterBuiltScreen<TForm52>("TForm52", "screens/matchday/match_report_screen.cpp");
    RegisterBuiltScreen<TForm37>("TForm37", "screens/matchday/shootout_dialogs.cpp", ShootoutSubject);
    RegisterBuiltScreen<TForm38>("TForm38", "screens/matchday/shootout_dialogs.cpp", ShootoutSubject);
    RegisterBuiltScreen<TForm80>("TForm80", "screens/matchday/referee_card.cpp", RefereeSubject);
}

void InstallMatchdayDialogs()
{
    InstallPenaltyDialogs();
    InstallInjuryDialog();
    InstallShootoutDialogs();
    Hooks().shootoutNotice = [](int milliseconds) {
        if (TForm46* screen = Form46.As<TForm46>())
            screen->ShowShootoutNotice(milliseconds);
    };
}

}  // namespace tarvelon
