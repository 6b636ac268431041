// The hub on a seeded sample game with two human coaches, driven by real clicks, drags and keys:
// turns of the coaches, the line-up the match engine plays, the roster grid and card, the keys and
// the top bar, autosaving. The line-up screen's own tests are in
// tests/screens/matchday/lineup_screen_test.cpp, the save dialogs' in save_dialogs_test.cpp.
#include <gtest/gtest.h>

#include <QMenu>
#include <QScreen>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <tuple>
#include <set>
#include <utility>

#include "controls/dc_combo.h"
#include "controls/dc_glow_button.h"
#include "controls/dc_smooth_label.h"
#include "controls/dc_smooth_message_dialog.h"
#include "controls/grad_button.h"
#include "controls/gradient.h"
#include "core/career/career_state.h"
#include "core/career/coach_sacking.h"
#include "core/format/money_format.h"
#include "core/hooks.h"
#include "core/lineup/hub_turns.h"
#include "core/lineup/lineup_board.h"
#include "core/club_rosters.h"
#include "core/economy/between_rounds.h"
#include "core/mail/inbox.h"
#include "core/mail/mail.h"
#include "core/records/match_records.h"
#include "core/records/session_globals.h"
#include "core/season/calendar.h"
#include "core/season/fixtures.h"
#include "core/vocab/tactics_board.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/system_metrics.h"
#include "platform/stdctrls/browser.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/menus.h"
#include "richtext/html_label.h"
#include "screens/club/club_screens.h"
#include "screens/club/dismissal_notice.h"
#include "screens/club/hub_refresh.h"
#include "screens/club/inbox_screen.h"
#include "screens/common/art/cursor_art.h"
#include "screens/common/art/hub_art.h"
#include "screens/common/game_page.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/matchday/pitch_board.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/grid_columns_fit.h"
#include "tests/screens/player_clicks.h"
#include "tests/screens/screen_size_for_test.h"
#include "tests/screens/two_coach_hub_suite.h"
#include "tests/screens/hub_game.h"
#include "tests/screens/in_match_answerer.h"
#include "tests/controls/shown_text.h"
#include "tests/platform/modal_answer_each.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

using test::Shown;
using test::CloseEveryForm;

using test::HubGame;

// The whole mini-HTML text of a rich label.
std::string Html(const TRichLabel* label)
{
    std::string text;
    for (const std::string& line : label->HTMLText())
        text += line;
    return text;
}

class HubScreenTest : public test::TwoCoachHubSuite {};

std::multiset<int> Eleven(const LineupBoard& board)
{
    std::multiset<int> players;
    for (int shirt = 1; shirt <= kStarterShirts; ++shirt)
        players.insert(board.shirts[static_cast<std::size_t>(shirt)].player);
    return players;
}

TEST_F(HubScreenTest, TwoCoachesTakeTheirTurnsAndTheMatchdayPlaysTheLineupsTheyMade)
{
    // The matchday screen plays the day at once and passes its in-match screens.
    Game.InstantPlay = 1;
    test::InMatchAnswerer answerer;
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const std::size_t reportsBefore = MatchReports.size();
    const int clubs[2] = {Game.HumanClubs[0], Game.HumanClubs[1]};
    ASSERT_TRUE(ClubPlaysToday(Game.DayKind, clubs[0]) && ClubPlaysToday(Game.DayKind, clubs[1]));
    EXPECT_EQ(Game.CurrentHumanClub, clubs[0]);
    EXPECT_EQ(hub->nometime->Caption().Text(), Clubs[clubs[0]].name.str());
    EXPECT_NE(Html(hub->labmoney).find(FormatMoneyWords64(CurrencyUnits(Clubs[clubs[0]].cash))), std::string::npos);
    EXPECT_EQ(hub->gridview1->RowCount(), static_cast<int>(SquadInListOrder(clubs[0]).size()));

    LineupBoard boards[2];
    for (int turn = 0; turn < 2; ++turn) {
        const int downs = turn == 0 ? 4 : 9;  // "4-4-2", then "3-5-2"
        test::WhenLineupOpens([&boards, turn, downs](TForm87& lineup) {
            lineup.combtat->SetFocus();
            for (int i = 0; i < downs; ++i)
                QTest::keyClick(lineup.combtat->Widget(), Qt::Key_Down);
            boards[turn] = lineup.Board();
            QTest::mouseClick(lineup.bt_irprojogo->Widget(), Qt::LeftButton);
        });
        QTest::mouseClick(hub->btjogar->Widget(), Qt::LeftButton);
        if (turn == 0) {
            // The hub stays and serves the second coach.
            ASSERT_EQ(test::OpenHub(), hub);
            EXPECT_EQ(Game.CurrentHumanClub, clubs[1]);
            EXPECT_EQ(CurrentHumanTurn, 2);
            EXPECT_EQ(hub->nometime->Caption().Text(), Clubs[clubs[1]].name.str());
        }
    }
    // The last coach's "Jogar >>" opens the matchday and closes the hub.
    ASSERT_TRUE(test::PumpUntil([] { return Shown<TGameForm>() && Shown<TGameForm>()->FormClass() == "TForm46"; }));
    EXPECT_EQ(test::OpenHub(), nullptr);
    for (int t = 0; t < 2; ++t) {
        ASSERT_TRUE(StartersComplete(boards[t]));
        const TLineup& L = Lineups[static_cast<std::size_t>(Clubs[clubs[t]].LineupIndex)];
        EXPECT_EQ(L.starters[10], boards[t].shirts[1].player);
        for (int shirt = 2; shirt <= kStarterShirts; ++shirt) {
            EXPECT_EQ(L.starters[shirt - 2], boards[t].shirts[shirt].player);
            EXPECT_EQ(L.pitchSlots[shirt - 2], FormationSlots[t == 0 ? 4 : 9][shirt]);
        }
    }
    // The match engine plays those elevens on the matchday screen: the archived reports hold them.
    // The day is over when its results are on screen.
    ASSERT_TRUE(test::PumpUntil([] { return Shown<TGameForm>() && Shown<TGameForm>()->FormClass() == "TForm67"; }, 120000));
    Game.InstantPlay = 0;
    for (int t = 0; t < 2; ++t) {
        bool found = false;
        for (std::size_t r = reportsBefore; r < MatchReports.size(); ++r)
            for (int side = 0; side < 2; ++side)
                if (MatchReports[r].club[side] == clubs[t]) {
                    found = true;
                    std::multiset<int> played(MatchReports[r].startingEleven[side], MatchReports[r].startingEleven[side] + 11);
                    EXPECT_EQ(played, Eleven(boards[t])) << "club " << clubs[t];
                }
        EXPECT_TRUE(found) << "no report of club " << clubs[t];
    }
}

// No human club plays today: the hub stays on the club it shows, its round's questions come as on
// any day, and its play button kicks off.
TEST_F(HubScreenTest, WithNoHumanClubPlayingTodayTheHubStaysAndItsPlayButtonKicksOff)
{
    Game.DayKind = 0;  // a day of friendlies, and none booked for the human clubs
    Game.autosave = 0;
    const int shown = Game.CurrentHumanClub;
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(Game.CurrentHumanClub, shown) << "the club it showed last";
    EXPECT_EQ(CurrentHumanTurn, 1);
    ASSERT_TRUE(test::PumpUntil([] { return !PostRoundPending; }));
    test::Pump(50);
    EXPECT_EQ(test::OpenHub(), hub) << "the hub waits for its coach";
    EXPECT_EQ(SeasonStartPending, 0) << "its round's dispatch ran";
    QTest::mouseClick(hub->btjogar->Widget(), Qt::LeftButton);
    ASSERT_TRUE(test::PumpUntil([] { return Shown<TGameForm>() && Shown<TGameForm>()->FormClass() == "TForm46"; }));
    EXPECT_EQ(test::OpenHub(), nullptr);
}

// A club without a match today: the head-to-head icon stays and puts the panel in the card's place,
// showing the club alone; the next match's text shows the arrow, having no opponent to open.
TEST_F(HubScreenTest, WithoutAMatchTodayTheHeadToHeadIconShowsTheClubAlone)
{
    const int club = Game.HumanClubs[0];
    for (TFixture& fixture : Fixtures)
        if (fixture.date == TodayDate() && (fixture.home == club || fixture.away == club))
            fixture.date += 1;
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    ASSERT_EQ(Game.CurrentHumanClub, club);
    EXPECT_EQ(hub->lb_infonext->Tag(), -1);
    EXPECT_EQ(hub->lb_infonext->Cursor(), crDefault);
    ASSERT_TRUE(hub->Image13->Visible());
    QTest::mouseClick(hub->Widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(hub->Image13->Left() + 10, hub->Image13->Top() + 10));
    EXPECT_TRUE(hub->p_conf->Visible());
    EXPECT_FALSE(hub->pinfo_panel->Visible());
    EXPECT_NE(Html(hub->lb_conft1).find(Clubs[club].name.str()), std::string::npos);
    EXPECT_EQ(hub->lb_conft2->Tag(), -1);
    for (TRichLabel* empty : {hub->lb_conft2, hub->lb_conf1, hub->lb_conf2, hub->lb_conf3, hub->lb_conf4})
        EXPECT_EQ(Html(empty), "") << empty->Name();
}

// With no referee for the turn the referee's icon stays on the panel, keeping its hint and tag.
TEST_F(HubScreenTest, TheRefereesIconStaysWithoutARefereeForTheTurn)
{
    Game.DayKind = 0;  // a day of friendlies, and none booked: the referee comes from the day's pool
    Game.autosave = 0;
    std::fill(std::begin(Game.MatchReferees), std::end(Game.MatchReferees), 0);
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    EXPECT_FALSE(hub->icon_arbitro->Picture().Empty());
    EXPECT_TRUE(hub->icon_arbitro->Visible());
    EXPECT_EQ(hub->icon_arbitro->Hint(), "");
    EXPECT_EQ(hub->icon_arbitro->Tag(), 0);
}

TEST_F(HubScreenTest, TheHeaderWearsTheClubsColours)
{
    const int club = Game.HumanClubs[0];
    Clubs[club].BackColor = 0x00203040;  // dark: red 0x40, green 0x30, blue 0x20
    Clubs[club].TextColor = clWhite;
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    // The background gradient, reversed and centred on the bottom-left corner, shows the background
    // colour far from that corner (top right, under the top bar) and runs lighter toward it.
    const QImage picture = hub->Widget()->grab().toImage();
    const QColor top = picture.pixelColor(hub->ClientWidth() - 2, hub->nova_barra->Height() + 2);
    EXPECT_NEAR(top.red(), 0x40, 12);
    EXPECT_NEAR(top.green(), 0x30, 12);
    EXPECT_NEAR(top.blue(), 0x20, 12);
    const QColor bottom = picture.pixelColor(1, hub->ClientHeight() - 2);
    EXPECT_GT(bottom.blue(), top.blue() + 25);
    EXPECT_EQ(hub->gridview1->SelectionColor(), 0x00203040);
    EXPECT_EQ(hub->gridview1->HighlightedTextColor(), clWhite);
    EXPECT_EQ(hub->btjogar->Appearance().BorderColorHot(), 0x00203040);
    EXPECT_EQ(hub->btjogar->Appearance().BorderColorDown(), 0x00203040);
    // The player card is a fill framed in the background colour; the head-to-head panel shows the
    // form's colour. The listed labels, the date, the cash and the next match's heading take the
    // text colour.
    const QImage card = hub->pinfo_panel->Widget()->grab().toImage();
    const QColor frame = card.pixelColor(card.width() / 2, 0);
    EXPECT_NEAR(frame.red(), 0x40, 6);
    EXPECT_NEAR(frame.green(), 0x30, 6);
    EXPECT_NEAR(frame.blue(), 0x20, 6);
    EXPECT_NE(hub->pinfo_panel->ClassName(), "TPanel");
    EXPECT_EQ(hub->p_conf->Color(), 0x00203040);
    Clubs[club].BackColor = clNavy;
    Clubs[club].TextColor = clYellow;
    hub->RefreshHubHeader();
    EXPECT_EQ(hub->p_conf->Color(), clNavy);
    EXPECT_EQ(hub->Label24->Font().Color(), clYellow);
    for (TRichLabel* themed : {hub->lab_data, hub->labmoney, hub->lb_infonext, hub->lb_infojog, hub->lb_infojogn,
                               hub->lb_cd, hub->lb_ct, hub->lb_tec, hub->lb_infot, hub->lb_conf1, hub->lb_conf4,
                               hub->lb_conft2, hub->label32, hub->lb_total, hub->lb_cores})
        EXPECT_EQ(themed->Font().Color(), clYellow) << themed->Name();
    EXPECT_EQ(hub->Label12->Font().Color(), clYellow);
    EXPECT_EQ(hub->Label23->Font().Color(), clYellow);
    EXPECT_EQ(hub->Font().Color(), clYellow);

    // The text links show the game's arrow with a ball: white arrow at the top left, ball below right.
    for (TRichLabel* link : {hub->labmoney, hub->label32, hub->lb_tec, hub->lb_cores})
        EXPECT_EQ(link->Cursor(), kHubLinkCursor);
    const QImage arrow = Screen->CursorShape(kHubLinkCursor).pixmap().toImage();
    ASSERT_EQ(arrow.width(), art::kCursorSize);
    EXPECT_GT(qAlpha(arrow.pixel(3, 8)), 200);
    EXPECT_GT(qAlpha(arrow.pixel(22, 22)), 200);
    EXPECT_EQ(qAlpha(arrow.pixel(28, 3)), 0);
}

// The gradient runs lighter from a background whose bytes average 127 or less, darker from one
// above: red 128, green 127, blue 127 averages 127.33.
TEST_F(HubScreenTest, TheGradientRunsDarkerFromABackgroundJustAboveTheMiddle)
{
    const int club = Game.HumanClubs[0];
    Clubs[club].BackColor = RGB(128, 127, 127);
    Clubs[club].TextColor = clWhite;
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(hub->Gradient1->ColorEnd(), RGB(93, 92, 62));
    Clubs[club].BackColor = RGB(127, 127, 127);
    hub->RefreshHubHeader();
    EXPECT_EQ(hub->Gradient1->ColorEnd(), RGB(162, 162, 182));
}

// At the season's start the large face stands with the form's hint; the round's mood update shows
// the small face and names the mood, and the header drawn again keeps to it.
TEST_F(HubScreenTest, TheMoodPictureNamesTheSquadsMoodInItsHint)
{
    SeasonStartPending = 1;
    for (int slot = 0; slot < Game.HumanClubCount; ++slot)
        Clubs[Game.HumanClubs[slot]].squadMood = 2;
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(hub->imgmoral->Picture().Width(), 24);
    EXPECT_EQ(hub->imgmoral->Hint(), "Ânimo do elenco");
    const int club = Game.HumanClubs[0];
    SeasonStartPending = 0;
    ForgetRoundUpdates();
    hub->RefreshHub();
    EXPECT_EQ(hub->imgmoral->Picture().Width(), 16);
    static constexpr const char* kHints[] = {"Moral do time: Ruim", "Moral do time: Boa", "Moral do time: Excelente"};
    EXPECT_EQ(hub->imgmoral->Hint(), kHints[Clubs[Game.CurrentHumanClub].squadMood - 1]);
    for (const auto& [mood, hint] : {std::pair{1, "Moral do time: Ruim"}, std::pair{2, "Moral do time: Boa"},
                                     std::pair{3, "Moral do time: Excelente"}}) {
        Clubs[club].squadMood = static_cast<decltype(Clubs[club].squadMood)>(mood);
        RefreshOpenHub();
        EXPECT_EQ(hub->imgmoral->Hint(), hint);
        EXPECT_TRUE(hub->imgmoral->ShowHint());
    }
}

// The news line counts the unread mail of the club on show each time the header is drawn, also
// when nothing is left unread (a coach who read his mail elsewhere, or the next coach's turn).
TEST_F(HubScreenTest, TheNewsLineFollowsTheUnreadMailWheneverTheHeaderIsDrawn)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int club = Game.CurrentHumanClub;
    for (TMailMessage& mail : MailMessages)
        if (mail.recipientClub == club)
            mail.read = 1;
    SendMail(club, mkPress, 1, 0, 0, 0);
    SendMail(club, mkPress, 1, 0, 0, 0);
    hub->RefreshHubHeader();
    EXPECT_EQ(Html(hub->label32), UnreadNewsText(2));
    ReadMail(static_cast<int>(MailMessages.size()) - 1);
    hub->RefreshHubHeader();
    EXPECT_EQ(Html(hub->label32), UnreadNewsText(1));
    ReadMail(static_cast<int>(MailMessages.size()) - 2);
    hub->RefreshHubHeader();
    EXPECT_EQ(Html(hub->label32), "<SHAD>Sem mensagens</SHAD>");  // as the hub opens with none
}

// With nothing unread, every coach's turn begins with the same words, whatever the coach before
// left on the line: the first coach's inbox closed says "Sem novas notícias", and the second coach,
// with nothing unread either, reads "Sem mensagens" as the first did when his turn began.
TEST_F(HubScreenTest, EachCoachsTurnBeginsWithTheSameNewsWordsWhenNothingIsUnread)
{
    for (TMailMessage& mail : MailMessages)
        mail.read = 1;
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    ASSERT_TRUE(test::PumpUntil([] { return !PostRoundPending; }));
    EXPECT_EQ(Html(hub->label32), "<SHAD>Sem mensagens</SHAD>");
    test::ActWhenShown<TForm62>([](TForm62& inbox) { QTest::mouseClick(inbox.bt1->Widget(), Qt::LeftButton); });
    QTest::keyClick(hub->Widget(), Qt::Key_F7);
    ASSERT_TRUE(test::OpenedAndClosedAgain("TForm62"));
    test::Pump(20);
    EXPECT_EQ(Html(hub->label32), "<shad>Sem novas notícias</shad>");
    test::PlayTurnFromHub(*hub);
    ASSERT_EQ(Game.CurrentHumanClub, Game.HumanClubs[1]);
    EXPECT_EQ(CountUnreadMail(Game.CurrentHumanClub), 0);
    EXPECT_EQ(Html(hub->label32), "<SHAD>Sem mensagens</SHAD>");
}

TEST_F(HubScreenTest, Label23OpensTheGamesPageAsTheTitleDoes)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    std::vector<std::string> links;
    SetOpenUrlHook([&links](const std::string& url) {
        links.push_back(url);
        return true;
    });
    TLabel* link = hub->Label23;
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(link->Visible());
    test::ClickAt(hub->Widget(), QPoint(link->Left() + link->Width() / 2, link->Top() + link->Height() / 2));
    SetOpenUrlHook(nullptr);
    EXPECT_EQ(links, std::vector<std::string>{GamePageUrl()});
    EXPECT_EQ(hub->Image13->Hint(), "Histórico confrontos");
}

TEST_F(HubScreenTest, TheRosterGridSortsColoursAndShowsTheCardOfTheClickedPlayer)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    TDataGrid* grid = hub->gridview1;
    ASSERT_GT(grid->RowCount(), 11);
    // Rows alternate $ECFFFF and white; an odd row away from the selection.
    const QImage picture = grid->Widget()->grab().toImage();
    const QColor odd = picture.pixelColor(grid->ColumnByName("nome")->Index() >= 0 ? 100 : 100, grid->RowTop(2) + 3);
    EXPECT_EQ(odd.rgb() & 0xFFFFFF, 0xFFFFECu);  // TColor $00ECFFFF is red FF, green FF, blue EC
    const QColor even = picture.pixelColor(100, grid->RowTop(3) + 3);
    EXPECT_EQ(even.rgb() & 0xFFFFFF, 0xFFFFFFu);

    // A click on a row shows that player's card.
    QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::NoModifier, RowPoint(grid, 5));
    const int player = hub->SelectedPlayer();
    ASSERT_GT(player, 0);
    EXPECT_NE(Html(hub->lb_infojogn).find(Players[player].Name.str()), std::string::npos);
    EXPECT_TRUE(hub->pinfo_panel->Visible());

    // "Salário" sorts by the wage, dearest first, then the other way; "P" gives back the squad order.
    auto wages = [grid] {
        std::vector<long long> w;
        for (int row = 0; row < grid->RowCount(); ++row)
            w.push_back(std::stoll(grid->GetCellTextByName("salariot", row)));
        return w;
    };
    auto clickHeader = [grid](const char* column) {
        TDgCustomColumn* c = grid->ColumnByName(column);
        QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(grid->ColumnScreenLeft(c) + c->Width() / 2, 9));
    };
    clickHeader("salario");
    std::vector<long long> sorted = wages();
    EXPECT_TRUE(std::is_sorted(sorted.rbegin(), sorted.rend()));
    clickHeader("salario");
    sorted = wages();
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end()));
    clickHeader("posicaojog");
    EXPECT_EQ(grid->GetCellTextByName("posicaojog", 0), "G");
    // The other columns sort by their own values.
    clickHeader("idade");
    std::vector<int> ages;
    for (int row = 0; row < grid->RowCount(); ++row)
        ages.push_back(std::stoi(grid->GetCellTextByName("idade", row)));
    EXPECT_TRUE(std::is_sorted(ages.begin(), ages.end()) || std::is_sorted(ages.rbegin(), ages.rend()));
    EXPECT_NE(ages.front(), ages.back());
    clickHeader("posicaojog");

    // The head-to-head icon puts the record in the card's place.
    QTest::mouseClick(hub->Widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(hub->Image13->Left() + 10, hub->Image13->Top() + 10));
    EXPECT_TRUE(hub->p_conf->Visible());
    EXPECT_FALSE(hub->pinfo_panel->Visible());
    EXPECT_NE(Html(hub->lb_conf1).find("Histórico de Confrontos"), std::string::npos);
}

// The next match's text shows the hand over an opponent, whom a click opens in the market, but not
// over one of the extra clubs of the second continental cup.
TEST_F(HubScreenTest, TheNextMatchShowsTheHandButOverAnExtraClubOfTheSecondContinentalCup)
{
    const int club = Game.HumanClubs[0];
    TFixture* today = nullptr;
    for (TFixture& fixture : Fixtures)
        if (fixture.date == TodayDate() && (fixture.home == club || fixture.away == club))
            today = &fixture;
    ASSERT_NE(today, nullptr);
    const bool atHome = today->home == club;
    ASSERT_GT(static_cast<int>(Clubs.size()), Game.LeagueClubCount) << "the game has extra clubs";
    const int extra = Game.LeagueClubCount;
    const int leagueOpponent = atHome ? today->away : today->home;
    ASSERT_LT(leagueOpponent, Game.LeagueClubCount);

    struct Case {
        int kind;
        int opponent;
        TCursor cursor;
    };
    const Case cases[] = {{Game.DayKind, leagueOpponent, crHandPoint},
                          {6, extra, crDefault},
                          {6, leagueOpponent, crHandPoint},
                          {4, extra, crHandPoint}};
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << ", opponent " << c.opponent);
        Game.DayKind = c.kind;
        (atHome ? today->away : today->home) = c.opponent;
        hub->ShowNextMatch();
        EXPECT_EQ(hub->lb_infonext->Tag(), c.opponent);
        EXPECT_EQ(hub->lb_infonext->Cursor(), c.cursor);
    }
}

// The head-to-head left open by one coach is the next coach's own once the turn passes: his club
// against his opponent, never the clubs of the coach before.
TEST_F(HubScreenTest, TheHeadToHeadFollowsTheCoachWhoseTurnItIs)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int clubs[2] = {Game.HumanClubs[0], Game.HumanClubs[1]};
    ASSERT_TRUE(ClubPlaysToday(Game.DayKind, clubs[1]));
    QTest::mouseClick(hub->Widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(hub->Image13->Left() + 10, hub->Image13->Top() + 10));
    ASSERT_TRUE(hub->p_conf->Visible());
    EXPECT_NE(Html(hub->lb_conft1).find(Clubs[clubs[0]].name.str()), std::string::npos);
    hub->NextHumanCoachOrKickOff();  // as the first coach's line-up is confirmed
    ASSERT_EQ(test::OpenHub(), hub);
    ASSERT_EQ(Game.CurrentHumanClub, clubs[1]);
    const int opponent = static_cast<int>(hub->lb_infonext->Tag());
    EXPECT_GE(opponent, 0);
    EXPECT_EQ(hub->lb_infonext->Cursor(), crHandPoint);  // a click opens the market on the opponent
    EXPECT_EQ(hub->lb_conft1->Tag(), clubs[1]);
    EXPECT_EQ(hub->lb_conft2->Tag(), opponent);
    EXPECT_EQ(hub->lb_conf3->Tag(), opponent);
    EXPECT_NE(Html(hub->lb_conft1).find(Clubs[clubs[1]].name.str()), std::string::npos) << Html(hub->lb_conft1);
}

// Names are shown as they were typed, on the card and in the header, even when they look like the
// markup of the rich labels.
TEST_F(HubScreenTest, TheCardAndTheCoachShowNamesAsTyped)
{
    for (const TClub& club : Clubs)
        if (club.IsHuman && club.coach >= 0)
            Coaches[static_cast<std::size_t>(club.coach)].name.set("<b>Dois</b><i>x&amp;");
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(test::ShownText(*hub->lb_tec), "Téc:<b>Dois</b><i>x&amp;");
    TDataGrid* grid = hub->gridview1;
    const int player = std::stoi(grid->GetCellTextByName("id", 5));
    Players[player].Name.set("Lat <b>neg</b> &a");
    QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::NoModifier, RowPoint(grid, 5));
    ASSERT_EQ(hub->SelectedPlayer(), player);
    EXPECT_NE(test::ShownText(*hub->lb_infojogn).find("Lat <b>neg</b> &a"), std::string::npos)
        << test::ShownText(*hub->lb_infojogn);
}

TEST_F(HubScreenTest, KeysAndTheTopBarOpenTheirScreensForTheCurrentClub)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    // Closes the screen the key or spot opened once its modal loop runs.
    const auto opened = [hub](TForm& form) { return &form != hub && form.ClassName() != "TForm1"; };
    const auto close = [](TForm& form) { form.Close(); };
    auto closeScreenSoon = [&] { test::Answer<TForm>(close, test::ModalDeadlineMs(), opened); };
    MarketClub = 1;
    closeScreenSoon();
    QTest::keyClick(hub->Widget(), Qt::Key_F8);
    EXPECT_TRUE(test::OpenedAndClosedAgain("TForm14"));
    EXPECT_EQ(MarketClub, Game.CurrentHumanClub);  // the market opens on the coach's own club

    closeScreenSoon();
    QTest::keyClick(hub->Widget(), Qt::Key_J, Qt::ControlModifier);
    EXPECT_TRUE(test::OpenedAndClosedAgain("TForm18"));
    EXPECT_EQ(FixtureListClub, Game.CurrentHumanClub);

    // The top bar's "Estádio" spot, clicked where the bar draws it.
    const art::HubBarSpot& stadium = art::kHubBarSpots[4];
    closeScreenSoon();
    QTest::mouseClick(hub->Widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint((stadium.left + stadium.right) / 2, (stadium.top + stadium.bottom) / 2));
    EXPECT_TRUE(test::OpenedAndClosedAgain("TForm8"));
    EXPECT_EQ(hub->BarSpotAt(5, 5), -1);
    // The head-to-head's club names open the record of a league club, and of no other.
    hub->ShowHeadToHead(std::max(0, static_cast<int>(hub->lb_infonext->Tag())));
    ASSERT_TRUE(hub->p_conf->Visible());
    auto clickOpponentTitle = [hub](int club) {
        hub->lb_conft2->SetTag(club);
        QTest::mouseClick(hub->lb_conft2->Parent()->Widget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(hub->lb_conft2->Left() + 4, hub->lb_conft2->Top() + 6));
        test::Pump(150);
    };
    ASSERT_LT(Game.LeagueClubCount, static_cast<int>(Clubs.size()));
    clickOpponentTitle(Game.LeagueClubCount);  // the first club after the leagues'
    EXPECT_EQ(LastOpenedScreen(), "TForm8");
    closeScreenSoon();
    clickOpponentTitle(Game.LeagueClubCount - 1);
    EXPECT_EQ(LastOpenedScreen(), "TForm55");
    EXPECT_EQ(RecordClub, Game.LeagueClubCount - 1);
    // Only the spots answer: a click on the bar just beside a spot opens nothing, not even the
    // tile drawn around it ("Téc." starts at 550, "Campeões" at 596, "Artilheiros" ends at 664,
    // "Rank" at 716); the spots' own edges answer.
    for (const QPoint beside : {QPoint(545, 20), QPoint(549, 20), QPoint(592, 20), QPoint(667, 20), QPoint(720, 20),
                                QPoint(560, 38), QPoint(650, 1)}) {
        const std::string before = LastOpenedScreen();
        const test::AnswerEach<TForm> closeAnyScreen(close, opened);  // should a screen open all the same
        QTest::mouseClick(hub->Widget(), Qt::LeftButton, Qt::NoModifier, beside);
        test::Pump(80);
        EXPECT_EQ(LastOpenedScreen(), before) << beside.x() << "," << beside.y();
        for (const char* menu : {"PopupMenu2", "PopupMenu3", "PopupMenu4", "PopupMenu6", "PopupMenu7"}) {
            QMenu* shown = hub->FindChild<TPopupMenu>(menu)->ShownMenu();
            EXPECT_FALSE(shown != nullptr && shown->isVisible()) << menu << " at " << beside.x() << "," << beside.y();
            if (shown != nullptr)
                shown->close();
        }
    }
    EXPECT_EQ(hub->BarSpotAt(550, 4), 7);
    EXPECT_EQ(hub->BarSpotAt(664, 37), 9);
    closeScreenSoon();
    QTest::mouseClick(hub->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(664, 20));
    EXPECT_TRUE(test::OpenedAndClosedAgain("TForm20"));

    // The referee's icon opens the card of the referee it names.
    hub->icon_arbitro->SetTag(3);
    hub->icon_arbitro->SetVisible(true);
    closeScreenSoon();
    QTest::mouseClick(hub->icon_arbitro->Parent()->Widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(hub->icon_arbitro->Left() + hub->icon_arbitro->Width() / 2,
                             hub->icon_arbitro->Top() + hub->icon_arbitro->Height() / 2));
    EXPECT_TRUE(test::OpenedAndClosedAgain("TForm80"));
    EXPECT_EQ(ShownReferee, 3);
    // The money's and the mail's icons open the accounts and the inbox, like their labels.
    for (const auto& [icon, screen] : {std::pair{hub->Image9, "TForm22"}, std::pair{hub->imgj, "TForm62"}}) {
        ASSERT_NE(icon, nullptr);
        EXPECT_FALSE(icon->Picture().Empty());
        closeScreenSoon();
        QTest::mouseClick(hub->Widget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(icon->Left() + icon->Width() / 2, icon->Top() + icon->Height() / 2));
        EXPECT_TRUE(test::OpenedAndClosedAgain(screen));
    }
    EXPECT_EQ(hub->imgj->Hint(), "Abrir caixa de emails (F7)");
    // A bar drawn at another size finds its spots at the same places of the picture.
    hub->nova_barra->SetWidth(art::kHubBarWidth * 2);
    hub->nova_barra->SetHeight(art::kHubBarHeight * 2);
    EXPECT_EQ(hub->BarSpotAt(stadium.left * 2 + 4, stadium.top * 2 + 4), 4);
}

// A top-bar spot clicked in its middle, where the (stretched) bar draws it.
void ClickBarSpot(TForm13& hub, int spot)
{
    const art::HubBarSpot& s = art::kHubBarSpots[static_cast<std::size_t>(spot)];
    QTest::mouseClick(hub.Widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint((s.left + s.right) / 2 * hub.nova_barra->Width() / art::kHubBarWidth,
                             (s.top + s.bottom) / 2 * hub.nova_barra->Height() / art::kHubBarHeight));
    test::Pump(20);
}

// Closes the screen the hub opened once its modal loop runs, handing it to `note` first. A timer
// looks for it until it shows: a busy machine may build it later than any fixed delay.
void CloseOpenedSoon(TForm13* hub, std::function<void(TGameForm&)> note)
{
    test::ActWhenFound<TGameForm>(
        [hub]() -> TGameForm* {
            for (int i = Screen->FormCount() - 1; i >= 0; --i)
                if (auto* form = dynamic_cast<TGameForm*>(Screen->Forms(i));
                    form && form != hub && form->Visible() && form->FormClass() != "TForm1")
                    return form;
            return nullptr;
        },
        [note = std::move(note)](TGameForm& form) {
            note(form);
            form.Close();
        },
        60000);
}

// The screens the hub opens, watched: the cursor each one was built under.
class ScreenBuildWatch {
public:
    explicit ScreenBuildWatch(std::initializer_list<const char*> formClasses)
    {
        for (const char* formClass : formClasses) {
            const TScreenRecord* entry = FindScreen(formClass);
            if (entry == nullptr)
                continue;
            originals_.push_back(*entry);
            TScreenRecord watched = *entry;
            watched.create = [this, create = entry->create, name = std::string(formClass)](TComponent* owner) {
                cursors_[name] = Screen->Cursor();
                return create(owner);
            };
            RegisterScreen(std::move(watched));
        }
    }
    ~ScreenBuildWatch()
    {
        for (TScreenRecord& entry : originals_)
            RegisterScreen(std::move(entry));
    }
    // The cursor while the screen was built last, crDefault when it was not built.
    TCursor CursorOf(const std::string& formClass) const
    {
        const auto it = cursors_.find(formClass);
        return it == cursors_.end() ? crDefault : it->second;
    }
    void Forget() { cursors_.clear(); }

private:
    std::vector<TScreenRecord> originals_;
    std::map<std::string, TCursor> cursors_;
};

TEST_F(HubScreenTest, TheTablesHistoriesFixturesAndBracketsAreBuiltUnderTheHourglass)
{
    Game.nationalCupOn = 1;
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    ScreenBuildWatch watch({"TForm36", "TForm29", "TForm20", "TForm63", "TForm35", "TForm71", "TForm8", "TForm18"});
    // The opened screens are closed once their modal loop runs, noting the cursor they show under.
    std::vector<TCursor> cursorsWhileShown;
    auto closeSoon = [hub, &cursorsWhileShown] {
        CloseOpenedSoon(hub, [&cursorsWhileShown](TGameForm&) { cursorsWhileShown.push_back(Screen->Cursor()); });
    };
    auto clickSpot = [hub](int spot) { ClickBarSpot(*hub, spot); };
    auto expectOpened = [&watch](const char* formClass, TCursor built, const char* how) {
        test::Pump(200);
        EXPECT_EQ(LastOpenedScreen(), formClass) << how;
        EXPECT_EQ(watch.CursorOf(formClass), built) << how;
        EXPECT_EQ(Screen->Cursor(), crDefault) << how;
    };
    closeSoon();
    QTest::keyClick(hub->Widget(), Qt::Key_F5);
    expectOpened("TForm36", crHourGlass, "F5");
    closeSoon();
    clickSpot(3);
    expectOpened("TForm36", crHourGlass, "Tabela de classificação");
    closeSoon();
    clickSpot(8);
    expectOpened("TForm29", crHourGlass, "Campeões");
    closeSoon();
    clickSpot(9);
    expectOpened("TForm20", crHourGlass, "Artilheiros");
    closeSoon();
    QTest::keyClick(hub->Widget(), Qt::Key_T, Qt::ControlModifier);
    expectOpened("TForm63", crHourGlass, "Ctrl+T");
    for (const auto& [spot, entry, formClass] : {std::tuple{1, "Tabela de jogos", "TForm63"},
                                                 std::tuple{1, "Tabela Copa", "TForm35"},
                                                 std::tuple{10, "Ranking de clubes", "TForm71"}}) {
        watch.Forget();
        closeSoon();
        clickSpot(spot);
        ASSERT_TRUE(test::ChooseShown(hub->BarMenuOfSpot(spot), entry)) << entry;
        expectOpened(formClass, crHourGlass, entry);
    }
    // The quick screens open without it.
    closeSoon();
    QTest::keyClick(hub->Widget(), Qt::Key_F6);
    expectOpened("TForm8", crDefault, "F6");
    closeSoon();
    QTest::keyClick(hub->Widget(), Qt::Key_F4);
    expectOpened("TForm18", crDefault, "F4");
    // Each screen showed under the ordinary cursor.
    EXPECT_EQ(cursorsWhileShown, std::vector<TCursor>(cursorsWhileShown.size(), crDefault));
    EXPECT_EQ(cursorsWhileShown.size(), 10u);
}

using test::ScreenSizeForTest;

TEST_F(HubScreenTest, OnALargerScreenTheTopBarStretchesWithTheForm)
{
    const ScreenSizeForTest screen(1024, 768);
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(hub->nova_barra->Width(), 1024);
    // The bar's picture fills the scaled bar: its last column of pixels at the bar's right end.
    const QImage bar = art::DrawHubTopBar();
    const QImage shown = hub->Widget()->grab().toImage();
    const QColor drawn = bar.pixelColor(art::kHubBarWidth - 3, art::kHubBarHeight / 2);
    const QColor seen = shown.pixelColor(1024 - 4, hub->nova_barra->Height() / 2);
    EXPECT_NEAR(seen.red(), drawn.red(), 24);
    EXPECT_NEAR(seen.green(), drawn.green(), 24);
    EXPECT_NEAR(seen.blue(), drawn.blue(), 24);
    // A spot is clicked where the stretched bar shows it.
    const art::HubBarSpot& stadium = art::kHubBarSpots[4];
    test::Answer<TForm>([](TForm& form) { form.Close(); }, test::ModalDeadlineMs(),
                        [hub](TForm& form) { return &form != hub && form.ClassName() != "TForm1"; });
    QTest::mouseClick(hub->Widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint((stadium.left + stadium.right) / 2 * 1024 / 800,
                             (stadium.top + stadium.bottom) / 2 * hub->nova_barra->Height() / art::kHubBarHeight));
    EXPECT_TRUE(test::OpenedAndClosedAgain("TForm8"));
    CloseEveryForm();
}

// Everything on the hub grows with a larger screen, the roster's text with it: whatever a column of
// the roster shows whole at 800 x 600 it shows whole at 1024 x 768, 1280 x 1024 and on the wide
// 1280 x 720, measured by the grid in its fonts at the form's scale; and the columns still reach
// across the grid without passing its right edge, the room its frame and scroll bar leave (they
// keep their size) going to the columns that ask to be wider there.
TEST_F(HubScreenTest, OnALargerScreenTheRosterShowsWholeWhatItShowsAt800x600)
{
    // The roster on a screen of that size; `design` (the roster at 800 x 600) is given its font
    // height and spare room at the form's scale.
    bool first = true;
    auto measure = [this, &first](int width, int height, test::GridFit design) {
        if (!std::exchange(first, false))
            SetUp();
        const ScreenSizeForTest screen(width, height);
        TForm13* hub = OpenTheHub();
        EXPECT_NE(hub, nullptr);
        test::GridFit fit;
        if (hub != nullptr) {
            fit = test::MeasureShownSquad(*hub, *hub->gridview1);
            design.fontHeight = hub->ScaledLength(design.fontHeight);
            design.spare = hub->ScaledLength(design.spare);
        }
        CloseEveryForm();
        return std::pair{fit, design};
    };
    const test::GridFit design = measure(800, 600, {}).first;
    ASSERT_FALSE(design.columns.empty());
    // The squad's names and traits are laid out to show whole on the design screen.
    EXPECT_TRUE(design.columns.at("nome").Whole()) << design.Describe();
    EXPECT_TRUE(design.columns.at("habilidades").Whole()) << design.Describe();
    for (const auto& [width, height] : {std::pair{1024, 768}, std::pair{1280, 1024}, std::pair{1280, 720}}) {
        const auto [larger, grown] = measure(width, height, design);
        const std::string at = std::to_string(width) + " x " + std::to_string(height);
        EXPECT_EQ(larger.fontHeight, grown.fontHeight) << at;
        test::ExpectWholeWhereTheDesignIsWhole(design, larger, at);
        // No blank strip at the roster's right: no more room there than the design's, grown.
        EXPECT_LE(larger.spare, grown.spare + 1) << at << ": " << larger.Describe();
    }
}

// The card spreads out only on a form grown for a larger screen: on an 800 x 800 screen the form
// keeps its design size, and a second column at 200 of the 240-pixel card would wrap "Idade".
TEST_F(HubScreenTest, TheCardKeepsItsColumnsOnAFormOfDesignSize)
{
    const ScreenSizeForTest screen(800, 800);
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(hub->ClientHeight(), 600);
    TDataGrid* grid = hub->gridview1;
    QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::NoModifier, RowPoint(grid, 3));
    const std::string card = Html(hub->lb_infojog);
    EXPECT_NE(card.find("<IND x=\"150\"><B>Idade</B>"), std::string::npos) << card;
    EXPECT_NE(card.find("<BR><B>Valor Passe:</B>"), std::string::npos) << card;
    CloseEveryForm();
}

TEST_F(HubScreenTest, OnSmallScreensTheRankingsAndHistoriesFillTheWindow)
{
    bool first = true;
    for (const auto& [width, height] : {std::pair{800, 600}, std::pair{1024, 768}}) {
        if (!std::exchange(first, false))
            SetUp();
        const ScreenSizeForTest screen(width, height);
        const bool small = width == 800;
        TForm13* hub = OpenTheHub();
        ASSERT_NE(hub, nullptr);
        // The bounds of the screen opened, taken while it shows, then it is closed.
        std::map<std::string, TRect> shownBounds;
        auto closeSoon = [hub, &shownBounds] {
            CloseOpenedSoon(hub, [&shownBounds](TGameForm& form) { shownBounds[form.FormClass()] = form.BoundsRect(); });
        };
        auto clickSpot = [hub](int spot) { ClickBarSpot(*hub, spot); };
        for (const auto& [spot, entry, formClass] : {std::tuple{8, "", "TForm29"}, std::tuple{9, "", "TForm20"},
                                                     std::tuple{7, "Ranking de Técnicos", "TForm47"},
                                                     std::tuple{10, "Ranking de clubes", "TForm71"}}) {
            closeSoon();
            clickSpot(spot);
            if (*entry != '\0') {
                ASSERT_TRUE(test::ChooseShown(hub->BarMenuOfSpot(spot), entry)) << entry;
            }
            test::Pump(200);
            ASSERT_EQ(LastOpenedScreen(), formClass);
            ASSERT_TRUE(shownBounds.contains(formClass)) << formClass;
            EXPECT_EQ(shownBounds[formClass] == Screen->WorkAreaRect(), small) << formClass << " at " << width;
        }
        CloseEveryForm();
    }
}

TEST_F(HubScreenTest, TheTopBarsMenusOpenAtTheirFixedPointsAtEveryScreenSize)
{
    struct Case { int width, height; };
    bool first = true;
    for (const Case size : {Case{800, 600}, Case{1024, 768}, Case{1280, 1024}}) {
        if (!std::exchange(first, false))
            SetUp();
        const ScreenSizeForTest screen(size.width, size.height);
        TForm13* hub = OpenTheHub();
        ASSERT_NE(hub, nullptr);
        const double scale = double(hub->nova_barra->Width()) / art::kHubBarWidth;
        // "Opções", "Jogos", "$", "Téc." and "Rank", clicked where the stretched bar draws them,
        // open their menus at their fixed points of the bar: (4, 5), (52, 5), (96, 5), (355, 5),
        // (458, 5) on the design screen, at the bar's scale on a larger one.
        struct MenuCase { int spot; const char* menuName; int x, y; };
        for (const auto& [spot, menuName, x, y] : {MenuCase{0, "PopupMenu2", 4, 5}, MenuCase{1, "PopupMenu7", 52, 5},
                                                   MenuCase{2, "PopupMenu6", 96, 5}, MenuCase{7, "PopupMenu3", 355, 5},
                                                   MenuCase{10, "PopupMenu4", 458, 5}}) {
            const art::HubBarSpot& s = art::kHubBarSpots[static_cast<std::size_t>(spot)];
            const QPoint middle(int((s.left + s.right) / 2 * scale),
                                (s.top + s.bottom) / 2 * hub->nova_barra->Height() / art::kHubBarHeight);
            QTest::mouseClick(hub->Widget(), Qt::LeftButton, Qt::NoModifier, middle);
            test::Pump(20);
            auto* menu = hub->FindChild<TPopupMenu>(menuName);
            ASSERT_NE(menu, nullptr);
            QMenu* shown = menu->ShownMenu();
            ASSERT_TRUE(shown != nullptr && shown->isVisible()) << menuName << " at " << size.width;
            const QPoint opened = shown->pos();
            const QPoint button = hub->Widget()->mapToGlobal(
                QPoint(x * hub->nova_barra->Width() / art::kHubBarWidth, y * hub->nova_barra->Height() / art::kHubBarHeight));
            // At its point, unless an edge of the (test's smaller) screen pushes it in.
            const QRect screenArea = shown->screen()->geometry();
            if (button.x() >= screenArea.left() && button.x() + shown->width() <= screenArea.right()) {
                EXPECT_NEAR(opened.x(), button.x(), 2) << menuName << " at " << size.width;
            }
            if (button.y() >= screenArea.top()) {
                EXPECT_NEAR(opened.y(), button.y(), 2) << menuName << " at " << size.width;
            }
            shown->close();
            test::Pump(10);
        }
        CloseEveryForm();
    }
}

// A squad of any size the game allows, in the list colours of the positions or in stripes: the
// roster opens fully painted, scrolls by the wheel, every row clicked shows its player, and
// "Escalar Time" opens the line-up; nothing raises (the empty rows below a short squad once did).
TEST_F(HubScreenTest, ARosterOfAnySquadSizeShowsScrollsAndOpensTheLineup)
{
    bool first = true;
    for (const int size : {11, 14, 16, 18, 23})
        for (const bool listColours : {true, false}) {
            if (!std::exchange(first, false))
                SetUp();
            const int club = Game.HumanClubs[0];
            // A squad short of the size is made up with players of another club.
            for (std::size_t p = 1; p < Players.size() && SquadInListOrder(club).size() < std::size_t(size); ++p)
                if (Players[p].Club >= 0 && Players[p].Club != club) {
                    Players[p].Club = club;
                    PlayerClubsChanged();
                }
            const std::vector<int> squad = SquadInListOrder(club);
            ASSERT_GE(squad.size(), std::size_t(size));
            for (std::size_t i = size; i < squad.size(); ++i)
                Players[squad[i]].Club = -1;
            PlayerClubsChanged();
            Game.colouredPlayerLists = listColours ? 1 : 0;
            std::vector<std::string> raised;
            Application->OnException = [&raised](TObject*, const std::exception& error) { raised.push_back(error.what()); };
            TForm13* hub = OpenTheHub();
            ASSERT_NE(hub, nullptr);
            hub->Widget()->grab();
            TDataGrid& grid = *hub->gridview1;
            EXPECT_EQ(grid.RowCount(), size);
            for (int notch = 0; notch < 8; ++notch)
                test::SendWheel(grid.Widget(), QPoint(100, 100), -120);
            test::Pump(20);
            for (int row = grid.TopRow(); row < grid.RowCount() && grid.RowTop(row) + 10 < grid.ClientHeight(); ++row) {
                QTest::mouseClick(grid.Widget(), Qt::LeftButton, Qt::NoModifier, RowPoint(&grid, row));
                test::Pump(5);
                hub->Widget()->grab();
                EXPECT_EQ(grid.SelectedRow(), row);
                EXPECT_EQ(hub->SelectedPlayer(), std::atoi(grid.GetCellTextByName("id", row).c_str()));
            }
            test::WhenLineupOpens([](TForm87& lineup) {
                lineup.Widget()->grab();
                QTest::mouseClick(lineup.bt_voltar->Widget(), Qt::LeftButton);
            });
            QTest::mouseClick(hub->btjogar->Widget(), Qt::LeftButton);
            test::Pump(20);
            hub->Widget()->grab();
            EXPECT_TRUE(raised.empty()) << size << " players: " << (raised.empty() ? "" : raised.front());
            Application->OnException = nullptr;
            CloseEveryForm();
            for (std::size_t i = size; i < squad.size(); ++i)
                Players[squad[i]].Club = club;
            PlayerClubsChanged();
        }
}

TEST_F(HubScreenTest, AutosaveEveryThirdHubOrEveryHubAsTheOptionsSay)
{
    Game.saveName.set("auto.nsx");
    std::filesystem::remove("sav/auto.nsx");
    Game.autosave = 1;  // "A cada 3 jogos"
    SeasonStartPending = 0;
    for (int visit = 1; visit <= 3; ++visit) {
        ASSERT_NE(OpenTheHub(), nullptr);
        EXPECT_EQ(std::filesystem::exists("sav/auto.nsx"), visit == 3) << "visit " << visit;
        CloseEveryForm();
    }
    EXPECT_EQ(AutosaveCounter, 0);
    std::filesystem::remove("sav/auto.nsx");
    Game.autosave = 2;  // "A cada jogo"
    ASSERT_NE(OpenTheHub(), nullptr);
    EXPECT_TRUE(std::filesystem::exists("sav/auto.nsx"));
    CloseEveryForm();
    std::filesystem::remove("sav/auto.nsx");
    Game.autosave = 0;  // "Não salvar"
    ASSERT_NE(OpenTheHub(), nullptr);
    EXPECT_FALSE(std::filesystem::exists("sav/auto.nsx"));
}

}  // namespace
}  // namespace tarvelon
