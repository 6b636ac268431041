// The national-team screens on a seeded game made into a World Cup day: the invitation taken with
// the mouse (a team led by another human coach disabled, empty offers hidden, "OK" only after a
// choice), the national-team hub serving two human nations in turn and going on without itself when
// no human nation is still in, and the tournament table's group order, group choice and a played
// score that opens its report.
#include <QMenu>

#include "controls/dc_glow_button.h"
#include "controls/grad_button.h"
#include "core/club_rosters.h"
#include "core/lineup/lineup_board.h"
#include "core/progression/national_invitations.h"
#include "core/progression/post_round_invitations.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "core/views/national_tournament.h"
#include "grid/dg_combo_box.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/menus.h"
#include "screens/club/club_screens.h"
#include "screens/common/form_references.h"
#include "screens/common/navigator.h"
#include "screens/common/subjects.h"
#include "screens/competitions/national_hub_screen.h"
#include "screens/competitions/national_invitations_screen.h"
#include "screens/competitions/tournament_table_screen.h"
#include "screens/matchday/lineup_screen.h"
#include "screens/matchday/pitch_board.h"
#include "tests/screens/board_drags.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/player_clicks.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

constexpr int kFirstNation = 10;

class NationalTeamScreensTest : public ViewsScreenTest {
protected:
    void SetUp() override
    {
        ViewsScreenTest::SetUp();
        Game.DayKind = 7;
        Game.TournamentStage = 1;
        Game.TournamentHost = 1;
        Game.HumanNationCount = 0;
        for (int g = 0; g < 8; ++g)
            for (int p = 0; p < 4; ++p) {
                const int club = kFirstNation + 4 * g + p;
                Game.NationalGroups[g][p] = club;
                Clubs[club].NationalTeamGroup = g + 1;
                Clubs[club].NationalTeamCupEntry = 1;
                Clubs[club].IsHuman = 0;
            }
    }

    // The hub of the first nation, the only human one, with the squad of club 1 called up.
    TForm75* OpenTheHubOfTheFirstNation()
    {
        Game.HumanNationCount = 1;
        Game.HumanNations[0] = kFirstNation;
        for (int player : SquadInListOrder(1))
            Players[player].Club = kFirstNation;
        PlayerClubsChanged();
        return Open<TForm75>("TForm75");
    }
};

TEST_F(NationalTeamScreensTest, AnInvitationIsTakenWithTheMouseOnlyAmongTheTeamsFreeToLead)
{
    const int coach = Game.CurrentHumanCoach;
    ASSERT_GE(coach, 0);
    for (int slot = 0; slot < 8; ++slot)
        Game.tournamentRows[0][slot] = slot < 6 ? kFirstNation + slot : 0;
    Clubs[kFirstNation + 1].IsHuman = 1;  // led by another human coach
    InvitationCompetition = 9;
    InvitationOfferTier = 1;
    auto* form = Open<TForm76>("TForm76");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Label1->Caption(), "Escolha da seleção para treinar na Eurocopa");
    EXPECT_EQ(form->radios[0]->Caption(), Clubs[kFirstNation].name.str());
    EXPECT_FALSE(form->radios[1]->Enabled());
    EXPECT_FALSE(form->radios[6]->Visible());
    EXPECT_FALSE(form->images[7]->Visible());
    EXPECT_FALSE(form->btfechar->Enabled());
    Click(form->radios[1], QPoint(8, 10));  // disabled: nothing chosen
    EXPECT_FALSE(form->btfechar->Enabled());
    Click(form->radios[2], QPoint(8, 10));
    EXPECT_EQ(form->SelectedOffer, 3);
    EXPECT_TRUE(form->btfechar->Enabled());
    const int open = Screen->FormCount();
    Click(form->btfechar);
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), open - 1);
    EXPECT_EQ(Game.HumanNationCount, 1);
    EXPECT_EQ(Game.HumanNations[0], kFirstNation + 2);
    EXPECT_EQ(Clubs[kFirstNation + 2].coach, coach);
    EXPECT_TRUE(Clubs[kFirstNation + 2].IsHuman);
}

TEST_F(NationalTeamScreensTest, WithNoOfferFreeTheInvitationCanStillBeLeft)
{
    for (int slot = 0; slot < 8; ++slot)
        Game.tournamentRows[1][slot] = slot < 2 ? kFirstNation + slot : -1;
    Clubs[kFirstNation].IsHuman = Clubs[kFirstNation + 1].IsHuman = 1;
    InvitationOfferTier = 2;
    auto* form = Open<TForm76>("TForm76");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->btfechar->Enabled());
    const int open = Screen->FormCount();
    Click(form->btfechar);
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), open - 1);
    EXPECT_EQ(Game.HumanNationCount, 0);
}

TEST_F(NationalTeamScreensTest, TheDispatchOpensAnInvitationOnlyWithAnOfferFreeToLead)
{
    const int tier = InvitationTier(7, Game.CurrentHumanClub);
    for (int slot = 0; slot < 8; ++slot)
        Game.tournamentRows[tier - 1][slot] = -1;
    EXPECT_EQ(OfferNationalTeamInvitation(7), -1);  // nothing offered: no dialog
    Game.tournamentRows[tier - 1][3] = kFirstNation + 7;
    // The dialog opens modally; the coach takes the one offer with the mouse.
    QTimer::singleShot(0, [] {
        test::PumpUntil([] { return Screen->FormCount() > 0 && Screen->Forms(Screen->FormCount() - 1)->Visible(); });
        auto* dialog = dynamic_cast<TForm76*>(Screen->Forms(Screen->FormCount() - 1));
        if (dialog == nullptr)
            return;
        Click(dialog->radios[3], QPoint(8, 10));
        Click(dialog->btfechar);
    });
    EXPECT_EQ(OfferNationalTeamInvitation(7), kFirstNation + 7);
    EXPECT_EQ(InvitationCompetition, 7);
    EXPECT_EQ(InvitationOfferTier, tier);
}

TEST_F(NationalTeamScreensTest, TheHubServesTheHumanNationsStillInOneAfterTheOther)
{
    Game.HumanNationCount = 3;
    Game.HumanNations[0] = kFirstNation + 5;  // out of the tournament: skipped
    Game.HumanNations[1] = kFirstNation;
    Game.HumanNations[2] = kFirstNation + 6;
    Clubs[kFirstNation + 5].NationalTeamCupEntry = 0;
    for (int player : SquadInListOrder(1))
        Players[player].Club = kFirstNation;  // a squad to show
    PlayerClubsChanged();
    auto* hub = Open<TForm75>("TForm75");
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(hub->NationalHubSlot, 2);
    EXPECT_EQ(Game.coachedNationalTeam, kFirstNation);
    EXPECT_EQ(hub->Label1->Caption(), Clubs[kFirstNation].name.str());
    EXPECT_EQ(hub->Label22->Caption(), "Grupo A - 1ª rodada");
    EXPECT_EQ(hub->gridview1->RowCount(), static_cast<int>(SquadInListOrder(kFirstNation).size()));
    EXPECT_GT(hub->gridview1->RowCount(), 0);
    EXPECT_EQ(hub->Label6->Caption(), "Copa do Mundo");
    EXPECT_EQ(hub->gridview1->GetCellTextByName("gols", "0"), "");  // no club goals passed off as the tournament's
    // The shirt mark of an available player toggles with a click on it.
    int row = 0;
    while (row + 1 < hub->gridview1->RowCount() && hub->gridview1->GetCellTextByName("status", std::to_string(row)) != "10")
        ++row;
    ASSERT_EQ(hub->gridview1->GetCellTextByName("status", std::to_string(row)), "10");
    ClickRow(hub->gridview1, row, 14);
    EXPECT_EQ(hub->gridview1->GetCellTextByName("status", std::to_string(row)), "9");
    ClickRow(hub->gridview1, row, 14);
    EXPECT_EQ(hub->gridview1->GetCellTextByName("status", std::to_string(row)), "10");

    // "Escalar Time" opens the line-up screen for the served team; left without "Jogar >>" the
    // same team stays served.
    const auto seen = CloseWhatOpens(Screen->FormCount());
    Click(hub->btjogar);
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm87");
    EXPECT_EQ(Game.CurrentHumanClub, kFirstNation);
    EXPECT_EQ(hub->NationalHubSlot, 2);

    // The line-up confirmed: the next human nation still in takes the hub.
    hub->NextHumanNationOrKickOff();
    EXPECT_EQ(hub->NationalHubSlot, 3);
    EXPECT_EQ(hub->Label1->Caption(), Clubs[kFirstNation + 6].name.str());
    EXPECT_EQ(hub->Label22->Caption(), "Grupo B - 1ª rodada");

    // The table opens from "Tabela jogos".
    const auto table = CloseWhatOpens(Screen->FormCount());
    Click(hub->Label4);
    WaitForClosed(table);
    ASSERT_FALSE(table->empty());
    EXPECT_EQ(table->front(), "TForm78");
}

// A click on a player's role opens a drop-down of his position's roles; the role picked shows in
// the list, and the player keeps his own.
TEST_F(NationalTeamScreensTest, TheRoleDropDownOffersTheRolesOfTheRowsPosition)
{
    test::GameKeptAside kept;
    auto* hub = OpenTheHubOfTheFirstNation();
    ASSERT_NE(hub, nullptr);
    TDataGrid* grid = hub->gridview1;
    const int roleColumn = grid->ColumnByName("funcaojog")->Index();
    auto rowOf = [grid](const char* letter) {
        for (int row = 0; row < grid->RowCount(); ++row)
            if (grid->GetCellTextByName("posicaojog", std::to_string(row)) == letter)
                return row;
        return -1;
    };
    auto openRoles = [&](int row) -> TDgComboBox* {
        grid->ScrollToRow(row);
        test::Pump();
        const TRect cell = grid->GetCellRect(roleColumn, row);
        test::ClickAt(grid->Widget(), QPoint(cell.Left + 10, (cell.Top + cell.Bottom) / 2));
        auto* editor = dynamic_cast<TDgComboBox*>(grid->InplaceEditor());
        if (editor == nullptr || !editor->Visible())
            return nullptr;
        // A press on the list-only box drops its list; the press's release comes to the list.
        test::SendMouse(editor->Widget(), QEvent::MouseButtonPress, QPoint(10, editor->Height() / 2), Qt::LeftButton,
                        Qt::LeftButton);
        test::SendMouse(editor->List().Widget(), QEvent::MouseButtonRelease, QPoint(10, -5), Qt::LeftButton, Qt::NoButton);
        test::Pump();
        return editor;
    };
    auto shown = [](TDgComboBox* editor) {
        std::vector<std::string> items;
        for (int i = 0; i < editor->List().Items()->Count(); ++i)
            items.push_back(editor->List().Items()->Strings(i));
        return items;
    };

    const int fullBackRow = rowOf("L");
    ASSERT_GE(fullBackRow, 0);
    const int fullBack = std::stoi(grid->GetCellTextByName("id", std::to_string(fullBackRow)));
    const int role = Players[fullBack].Role;
    TDgComboBox* editor = openRoles(fullBackRow);
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->Dropped());
    EXPECT_EQ(shown(editor), (std::vector<std::string>{"Defensivo", "Ofensivo", "Ala"}));
    EXPECT_EQ(editor->Text(), PlayerRoleNames[1][static_cast<std::size_t>(role)]);
    EXPECT_EQ(editor->ItemIndex(), role);
    QWidget* list = editor->List().Widget();
    const QPoint third(20, 2 + 2 * editor->List().ItemHeight() + 5);
    test::SendMouse(list, QEvent::MouseButtonPress, third, Qt::LeftButton, Qt::LeftButton);
    test::SendMouse(list, QEvent::MouseButtonRelease, third, Qt::LeftButton, Qt::NoButton);
    test::Pump();
    EXPECT_FALSE(editor->Dropped());
    EXPECT_EQ(editor->Text(), "Ala");
    test::PressKey(editor->Widget(), Qt::Key_Return);
    test::Pump();
    EXPECT_FALSE(grid->Editing());
    EXPECT_EQ(grid->GetCellTextByName("funcaojog", std::to_string(fullBackRow)), "Ala");
    EXPECT_EQ(Players[fullBack].Role, role);

    // A centre-back's list has his two roles, the goalkeeper's one.
    const std::pair<const char*, std::vector<std::string>> others[] = {{"G", {"Normal"}}, {"Z", {"Normal", "Líbero"}}};
    for (const auto& [letter, roles] : others) {
        const int row = rowOf(letter);
        ASSERT_GE(row, 0) << letter;
        TDgComboBox* box = openRoles(row);
        ASSERT_NE(box, nullptr) << letter;
        EXPECT_TRUE(box->Dropped()) << letter;
        EXPECT_EQ(shown(box), roles) << letter;
        const std::string shownRole = grid->GetCellTextByName("funcaojog", std::to_string(row));
        EXPECT_EQ(box->Text(), shownRole) << letter;
        // The list marks the role the cell shows, not the one picked on another row.
        const auto at = std::find(roles.begin(), roles.end(), shownRole);
        EXPECT_EQ(box->ItemIndex(), at == roles.end() ? -1 : static_cast<int>(at - roles.begin())) << letter;
        EXPECT_EQ(box->List().ItemIndex(), box->ItemIndex()) << letter;
        test::PressKey(box->Widget(), Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
        test::Pump();
        EXPECT_FALSE(box->Dropped()) << letter;
        EXPECT_FALSE(grid->Editing()) << letter;
    }
}

// The role drop-down follows the selected row also from the keyboard: after the goalkeepers, the
// arrow down to the first full-back and a typed letter choose among the full-back's roles.
TEST_F(NationalTeamScreensTest, TheRoleDropDownFollowsTheRowReachedWithTheKeys)
{
    test::GameKeptAside kept;
    auto* hub = OpenTheHubOfTheFirstNation();
    ASSERT_NE(hub, nullptr);
    TDataGrid* grid = hub->gridview1;
    int fullBackRow = 0;
    while (fullBackRow < grid->RowCount() && grid->GetCellTextByName("posicaojog", std::to_string(fullBackRow)) != "L")
        ++fullBackRow;
    ASSERT_GT(fullBackRow, 0);
    ASSERT_LT(fullBackRow, grid->RowCount());
    ASSERT_EQ(grid->GetCellTextByName("posicaojog", std::to_string(fullBackRow - 1)), "G");
    const TRect cell = grid->GetCellRect(grid->ColumnByName("funcaojog")->Index(), fullBackRow - 1);
    test::ClickAt(grid->Widget(), QPoint(cell.Left + 10, (cell.Top + cell.Bottom) / 2));
    ASSERT_TRUE(grid->Editing());
    test::PressKey(grid->InplaceEditor()->Widget(), Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
    test::Pump();
    ASSERT_FALSE(grid->Editing());
    PressKey(grid, Qt::Key_Down);
    ASSERT_EQ(grid->SelectedRow(), fullBackRow);
    test::PressKey(grid->Widget(), Qt::Key_O, Qt::NoModifier, "o");
    test::Pump();
    ASSERT_TRUE(grid->Editing());
    EXPECT_EQ(grid->EditRow(), fullBackRow);
    EXPECT_EQ(grid->InplaceEditor()->Text(), "Ofensivo");
}

// A national team's players wear their clubs' numbers: the line-up list opens with plain shirts;
// a player put on a shirt shows the shirt's number, and the automatic selection shows every row's.
TEST_F(NationalTeamScreensTest, TheNationalLineupListOpensWithPlainShirts)
{
    test::GameKeptAside kept;
    int number = 0;
    for (int player : SquadInListOrder(1)) {
        Players[player].Club = kFirstNation;
        Players[player].ShirtNumber = ++number;  // the numbers they wear at their club
    }
    PlayerClubsChanged();
    const std::vector<int> squad = SquadInListOrder(kFirstNation);
    const int injured = squad[4];
    Players[injured].InjuredUntil = TodayDate() + 20;
    Game.KeepLineup = 0;
    Game.CurrentHumanClub = kFirstNation;
    NationalTeamMatch = true;
    auto* lineup = Open<TForm87>("TForm87");
    ASSERT_NE(lineup, nullptr);
    TDataGrid* grid = lineup->gridview1;
    ASSERT_EQ(grid->RowCount(), static_cast<int>(squad.size()));
    auto status = [grid](int row) { return grid->GetCellTextByName("status", std::to_string(row)); };
    auto numbered = [](int player, int first) { return std::to_string(first + std::clamp(Players[player].ShirtNumber, 0, 28)); };
    for (int row = 0; row < grid->RowCount(); ++row) {
        const int player = lineup->Board().rowPlayers[static_cast<std::size_t>(row)];
        EXPECT_EQ(status(row), player == injured ? "87" : "58") << row;
    }

    // The goalkeeper of the first row dragged onto shirt 1: his row shows the starter's number.
    const int keeper = lineup->Board().rowPlayers[0];
    QWidget* pitch = lineup->Panel1->Widget();
    const QPoint rowPoint(60, grid->RowTop(0) + 10);
    QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::NoModifier, rowPoint);
    test::DragMouse(grid->Widget(), rowPoint, pitch, test::ShirtCentreOf(lineup->PitchBoard(), 1));
    ASSERT_EQ(lineup->Board().shirts[1].player, keeper);
    EXPECT_EQ(status(0), numbered(keeper, 0));
    EXPECT_EQ(status(1), "58");

    // An automatic "4-4-2": every row left off the shirts shows its number.
    lineup->combtat->SetFocus();
    for (int i = 0; i < test::kAcceptedFormation; ++i)
        QTest::keyClick(lineup->combtat->Widget(), Qt::Key_Down);
    int left = 0;
    for (int row = 0; row < grid->RowCount(); ++row) {
        const int player = lineup->Board().rowPlayers[static_cast<std::size_t>(row)];
        if (lineup->Board().rowCodes[static_cast<std::size_t>(row)] != kCodeFree)
            continue;
        ++left;
        EXPECT_EQ(status(row), numbered(player, 58)) << row;
    }
    EXPECT_GT(left, 0);
    lineup->Close();
    test::Pump();
    NationalTeamMatch = false;
}

TEST_F(NationalTeamScreensTest, TheHubsOptionsMenuAndKeysOpenTheOptionsAndSave)
{
    Game.HumanNationCount = 1;
    Game.HumanNations[0] = kFirstNation;
    auto* hub = Open<TForm75>("TForm75");
    ASSERT_NE(hub, nullptr);
    // "Opções" pops up the menu; its entry "Opções" opens the options.
    Click(hub->Label13);
    ASSERT_NE(hub->PopupMenu2->ShownMenu(), nullptr);
    QStringList entries;
    for (QAction* action : hub->PopupMenu2->ShownMenu()->actions())
        entries << action->text();
    EXPECT_EQ(entries, (QStringList{"Salvar jogo", "Opções", "Sair do jogo"}));
    hub->PopupMenu2->ShownMenu()->close();
    test::Pump();
    auto seen = CloseWhatOpens(Screen->FormCount());
    hub->FindChild<TMenuItem>("opcoes")->Click();
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm32");
    // F3: the options; F2: a game without a name asks for one first.
    seen = CloseWhatOpens(Screen->FormCount());
    PressKey(hub, Qt::Key_F3);
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm32");
    InstallClubScreenHooks();
    Game.saveName.set("");
    seen = CloseWhatOpens(Screen->FormCount());
    PressKey(hub, Qt::Key_F2);
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm40");
}

TEST_F(NationalTeamScreensTest, WithNoHumanNationStillInTheDayGoesOnToTheMatchday)
{
    Game.HumanNationCount = 1;
    Game.HumanNations[0] = kFirstNation + 3;
    Clubs[kFirstNation + 3].NationalTeamCupEntry = 0;
    auto* hub = Open<TForm75>("TForm75");
    ASSERT_NE(hub, nullptr);
    test::PumpUntil([] { return Form75.Get() == nullptr && LastOpenedScreen() == "TForm46"; }, 3000);
    EXPECT_EQ(Form75.Get(), nullptr);
    EXPECT_EQ(LastOpenedScreen(), "TForm46");
}

TEST_F(NationalTeamScreensTest, TheResultsOpenTheTournamentTableOnItsDaysAndTheStandingsOnOthers)
{
    Game.InstantPlay = 0;
    auto* results = Open<TGameForm>("TForm67");
    ASSERT_NE(results, nullptr);
    auto seen = CloseWhatOpens(Screen->FormCount());
    Click(Child(results, "bt2"));
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm78");
    Game.DayKind = 1;
    seen = CloseWhatOpens(Screen->FormCount());
    Click(Child(results, "bt2"));
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm36");
}

TEST_F(NationalTeamScreensTest, ACopaAmericaTableHasThreeGroupsAndPlacesForTheBestThirds)
{
    Game.DayKind = 8;
    auto* form = Open<TForm78>("TForm78");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->groups[2]->Visible());
    EXPECT_FALSE(form->groups[3]->Visible());
    EXPECT_FALSE(form->tieTeams[0][0]->Visible());  // no last sixteen
    EXPECT_TRUE(form->Image1->Visible());
    EXPECT_EQ(form->tieTeams[8][0]->Caption(), "1º Grupo A ");
    EXPECT_EQ(form->tieTeams[8][1]->Caption(), "2º Grupo B ");
    EXPECT_EQ(form->tieTeams[9][1]->Caption(), "2º melhor 3º col. ");
    EXPECT_EQ(form->tieTeams[15][1]->Caption(), "Perdedor jogo 6 ");
    EXPECT_EQ(form->tieTeams[11][0]->Caption(), "1º melhor 3º col. ");
    EXPECT_EQ(form->tieNumbers[8]->Caption(), "1");
    EXPECT_EQ(form->tieTeams[8][0]->Top(), form->tieTeams[0][0]->Top());  // moved up into the empty place
    EXPECT_EQ(form->tieTeams[15][0]->Caption(), "Perdedor jogo 5 ");
    EXPECT_EQ(form->tieVenues[8]->Caption(), TournamentHostCity(8, 1));
    Click(form->groups[3]);  // hidden: nothing changes
    EXPECT_EQ(form->ShownGroup, 1);
}

void ArchiveGroupMatch(int home, int away, int homeGoals, int awayGoals)
{
    TMatchReport report{};
    report.club[0] = home;
    report.club[1] = away;
    report.goals[0] = homeGoals;
    report.goals[1] = awayGoals;
    report.kind = 7;
    report.round = 1;
    MatchReports.push_back(report);
}

TEST_F(NationalTeamScreensTest, TheTableShowsAGroupInTheRulesOrderAndAPlayedScoreOpensItsReport)
{
    const int a = kFirstNation + 4, b = a + 1, c = a + 2, d = a + 3;  // group B
    for (int club : {a, b, c, d})
        Clubs[club].Played[7] = Clubs[club].Won[7] = Clubs[club].Points[7] = Clubs[club].Lost[7] = 0;
    Clubs[b].Points[7] = 3;
    Clubs[b].Played[7] = Clubs[b].Won[7] = 1;
    Clubs[b].GoalsFor[7] = 2;
    Clubs[a].Played[7] = Clubs[a].Lost[7] = 1;
    Clubs[a].GoalsAgainst[7] = 2;
    ArchiveGroupMatch(b, a, 2, 0);  // matchday 1 pairs the first and second teams: a at b
    auto* form = Open<TForm78>("TForm78");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->ShownGroup, 1);
    EXPECT_TRUE(form->groups[7]->Visible());  // the World Cup's eight groups
    Click(form->groups[1]);
    EXPECT_EQ(form->ShownGroup, 2);
    EXPECT_EQ(form->labgrupo->Caption(), "Grupo B");
    EXPECT_EQ(form->standings[0].name->Caption(), Clubs[b].name.str());
    EXPECT_EQ(form->standings[0].place->Caption(), "1º");
    EXPECT_EQ(form->standings[0].numbers[0]->Caption(), "3");
    EXPECT_EQ(form->standings[3].name->Caption(), Clubs[a].name.str());
    // The first match, a against b, read from a's side.
    EXPECT_EQ(form->matchTeams[0]->Caption(), Clubs[a].name.str());
    EXPECT_EQ(form->matchScores[0]->Caption(), "0x2");
    EXPECT_EQ(form->matchScores[1]->Caption(), "x");
    EXPECT_FALSE(form->matchVenues[0]->Caption().empty());
    // Before the knockout stage the bracket keeps its places.
    EXPECT_EQ(form->tieTeams[0][0]->Caption(), "1º grupo A ");

    const auto seen = CloseWhatOpens(Screen->FormCount());
    Click(form->matchScores[0]);
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm52");
    EXPECT_EQ(MatchReportIndex, static_cast<int>(MatchReports.size()) - 1);

    const auto none = CloseWhatOpens(Screen->FormCount());
    Click(form->matchScores[1]);  // not played: nothing opens
    WaitForClosed(none, 400);
    EXPECT_TRUE(none->empty());
    const int open = Screen->FormCount();
    PressKey(form, Qt::Key_Return);  // Enter closes
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), open - 1);
}

}  // namespace
}  // namespace tarvelon
