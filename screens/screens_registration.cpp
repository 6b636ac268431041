#include "screens/screens_registration.h"

#include "controls/controls_registration.h"
#include "editor/editor_screens.h"
#include "grid/dg_grid_control_registration.h"
#include "grid/dg_grid_registration.h"
#include "richtext/html_controls_registration.h"
#include "richtext/picture_store.h"
#include "screens/club/about_box.h"
#include "screens/club/auction_screen.h"
#include "screens/club/bank_loan_screen.h"
#include "screens/club/call_up_screen.h"
#include "screens/club/club_accounts_screen.h"
#include "screens/club/coach_change_notice.h"
#include "screens/club/contract_renewal_screen.h"
#include "screens/club/dismissal_notice.h"
#include "screens/club/friendly_screens.h"
#include "screens/club/hub_screen.h"
#include "screens/club/human_coaches_screens.h"
#include "screens/club/inbox_screen.h"
#include "screens/club/incoming_offers.h"
#include "screens/club/job_offers_screen.h"
#include "screens/club/list_colours_screen.h"
#include "screens/club/market_dialogs.h"
#include "screens/club/player_sale_screen.h"
#include "screens/club/player_search_screen.h"
#include "screens/club/recent_transfers_screen.h"
#include "screens/club/resignation_dialog.h"
#include "screens/club/retirement_dialog.h"
#include "screens/club/save_dialogs.h"
#include "screens/club/squad_dialogs.h"
#include "screens/club/stadium_screen.h"
#include "screens/club/transfer_market_screen.h"
#include "screens/common/screen_registry.h"
#include "screens/competitions/club_fixtures_screen.h"
#include "screens/competitions/continental_bracket_screen.h"
#include "screens/competitions/national_cup_bracket_screen.h"
#include "screens/competitions/national_hub_screen.h"
#include "screens/competitions/national_invitations_screen.h"
#include "screens/competitions/round_fixtures_screen.h"
#include "screens/competitions/season_summary_screen.h"
#include "screens/competitions/standings_screen.h"
#include "screens/competitions/top_scorers_screen.h"
#include "screens/competitions/tournament_table_screen.h"
#include "screens/history/champions_history_screen.h"
#include "screens/history/club_record_screen.h"
#include "screens/history/clubs_ranking_screen.h"
#include "screens/history/coach_ranking_screen.h"
#include "screens/history/head_to_head_screen.h"
#include "screens/history/player_career_screen.h"
#include "screens/history/state_champions_screen.h"
#include "screens/history/trophy_cabinet_screen.h"
#include "screens/history/trophy_gallery_screen.h"
#include "screens/matchday/in_match_screen.h"
#include "screens/matchday/injury_dialog.h"
#include "screens/matchday/lineup_screen.h"
#include "screens/matchday/match_report_screen.h"
#include "screens/matchday/matchday_screen.h"
#include "screens/matchday/penalty_dialogs.h"
#include "screens/matchday/referee_card.h"
#include "screens/matchday/results_screen.h"
#include "screens/matchday/shootout_dialogs.h"
#include "screens/start/coach_setup_lists.h"
#include "screens/start/coach_setup_radios.h"
#include "screens/start/custom_championship.h"
#include "screens/start/game_mode_chooser.h"
#include "screens/start/load_game_screen.h"
#include "screens/start/new_game_builder.h"
#include "screens/start/options_screen.h"
#include "screens/start/title_screen.h"

namespace tarvelon {

namespace {

void RegisterComponentClasses()
{
    RegisterRichTextControls();
    RegisterPictureContainerClass();
    RegisterDataGridClasses();
    RegisterGridControlProperties();
    RegisterDrawnControls();
}

// Every screen of the game by its form number; the editor lists its own (RegisterEditorScreens).
const TScreenRecord* const kGameScreens[] = {
    &TForm1::kScreen, &TForm8::kScreen, &TForm9::kScreen, &TForm10::kScreen, &TForm11::kScreen,
    &TForm12::kScreen, &TForm13::kScreen, &TForm14::kScreen, &TForm15::kScreen, &TForm16::kScreen,
    &TForm18::kScreen, &TForm19::kScreen, &TForm20::kScreen, &TForm21::kScreen, &TForm22::kScreen,
    &TForm23::kScreen, &TForm24::kScreen, &TForm25::kScreen, &TForm26::kScreen, &TForm27::kScreen,
    &TForm28::kScreen, &TForm29::kScreen, &TForm30::kScreen, &TForm31::kScreen, &TForm32::kScreen,
    &TForm34::kScreen, &TForm35::kScreen, &TForm36::kScreen, &TForm37::kScreen, &TForm38::kScreen,
    &TForm39::kScreen, &TForm40::kScreen, &TForm41::kScreen, &TForm44::kScreen, &TForm45::kScreen,
    &TForm46::kScreen, &TForm47::kScreen, &TForm48::kScreen, &TForm49::kScreen, &TForm50::kScreen,
    &TForm51::kScreen, &TForm52::kScreen, &TForm53::kScreen, &TForm54::kScreen, &TForm55::kScreen,
    &TForm56::kScreen, &TForm57::kScreen, &TForm58::kScreen, &TForm59::kScreen, &TForm60::kScreen,
    &TForm61::kScreen, &TForm62::kScreen, &TForm63::kScreen, &TForm64::kScreen, &TForm65::kScreen,
    &TForm66::kScreen, &TForm67::kScreen, &TForm68::kScreen, &TForm69::kScreen, &TForm71::kScreen,
    &TForm72::kScreen, &TForm74::kScreen, &TForm75::kScreen, &TForm76::kScreen, &TForm77::kScreen,
    &TForm78::kScreen, &TForm80::kScreen, &TForm81::kScreen, &TForm82::kScreen, &TForm84::kScreen,
    &TForm85::kScreen, &TForm86::kScreen, &TForm87::kScreen, &TForm88::kScreen
};

}  // namespace

void RegisterGameScreens()
{
    RegisterComponentClasses();
    for (const TScreenRecord* screen : kGameScreens)
        RegisterScreen(*screen);
    RegisterEditorScreens();
}

}  // namespace tarvelon
