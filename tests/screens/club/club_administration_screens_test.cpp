// The club's administration screens driven by real clicks and keys on the gallery's seeded game:
// friendlies booked (fee paid under "Diversos", a human opponent free, a short purse refused) and
// played on their day, the pre-season question, human coaches added and removed, and a national
// squad called up that goes back to its clubs after the tournament.
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "controls/grad_button.h"
#include "core/career/human_coaches.h"
#include "core/club_rosters.h"
#include "core/format/money_format.h"
#include "core/progression/calendar_advance.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/fixtures.h"
#include "core/economy/friendly_booking.h"
#include "core/tables.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"
#include "richtext/html_label.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/forms/win_control.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/list_view.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/message_box.h"
#include "screens/club/call_up_screen.h"
#include "screens/club/friendly_screens.h"
#include "screens/club/hub_screen.h"
#include "screens/club/human_coaches_screens.h"
#include "screens/common/game_flow.h"
#include "screens/common/screen_registry.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/gallery_game_suite.h"
#include "tests/tools/sim_checks.h"

namespace tarvelon {
namespace {

class ClubAdministrationScreensTest : public test::GalleryGameSuite {
protected:
    static void SetUpTestSuite() { PrepareGame(5, 0); }
    void SetUp() override
    {
        GalleryGameSuite::SetUp();
        SetMessageBoxAnswerer([this](const TMessageBoxRequest& request) {
            messages_.push_back(request.text);
            return mrOk;
        });
    }
    void TearDown() override
    {
        SetMessageBoxAnswerer({});
        while (Screen->FormCount() > 0) {
            Screen->Forms(Screen->FormCount() - 1)->Close();
            test::Pump();
        }
    }

    template <typename T>
    static T* Show(const std::string& formClass)
    {
        auto* form = dynamic_cast<T*>(CreateScreen(formClass, Application));
        if (form) {
            form->Show();
            test::Pump();
        }
        return form;
    }

    static void Click(TWinControl* control, QPoint at = QPoint(-1, -1))
    {
        ASSERT_NE(control, nullptr);
        QWidget* widget = control->Widget();
        const QPoint p = at.x() < 0 ? widget->rect().center() : at;
        test::SendMouse(widget, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        test::SendMouse(widget, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        test::Pump();
    }

    static void ClickRow(TDataGrid* grid, int row) { Click(grid, QPoint(80, grid->RowTop(row) + 5)); }

    // The arrow keys move a closed list to the entry wanted, as the player does it.
    static void ChooseEntry(TComboBox* combo, int index)
    {
        while (combo->ItemIndex() < index) test::PressKey(combo->Widget(), Qt::Key_Down);
        while (combo->ItemIndex() > index) test::PressKey(combo->Widget(), Qt::Key_Up);
        test::Pump();
    }

    // Runs `act` on the top form once it is `formClass` (from inside its modal loop).
    static void WhenOpen(const std::string& formClass, std::function<void(TForm*)> act)
    {
        auto poll = std::make_shared<std::function<void()>>();
        *poll = [formClass, act, poll] {
            TForm* top = Screen->FormCount() > 0 ? Screen->Forms(Screen->FormCount() - 1) : nullptr;
            if (top && top->ClassName() == formClass && top->Visible()) {
                act(top);
                return;
            }
            QTimer::singleShot(10, *poll);
        };
        QTimer::singleShot(10, *poll);
    }

    static int HumanClub() { return Game.HumanClubs[0]; }

    // A computer club of the human club's country and division `division`.
    static int ComputerClub(int division, int other = -1)
    {
        for (int c = 0; c < Game.LeagueClubCount; ++c)
            if (c != HumanClub() && c != other && !Clubs[c].IsHuman && Clubs[c].Country == Clubs[HumanClub()].Country &&
                Clubs[c].Division == division)
                return c;
        return -1;
    }

    static int EntryOf(TForm81* form, int club)
    {
        for (int i = 0; i < form->ComboBox1->Items().Count(); ++i)
            if (form->ComboBox1->Items()[i] == Clubs[club].name.str())
                return i;
        return -1;
    }

    std::vector<std::string> messages_;
};

TEST_F(ClubAdministrationScreensTest, AFriendlyIsBookedPaidUnderSundriesAndPlayedOnItsDay)
{
    const int club = HumanClub();
    const int opponent = ComputerClub(2);
    ASSERT_GE(opponent, 0);
    Game.CurrentHumanClub = club;
    Clubs[club].cash = CurrencyFromUnits(1000000);
    Game.autosave = 0;
    auto* hub = Show<TForm13>("TForm13");  // the hub below shows the new cash
    ASSERT_NE(hub, nullptr);
    Game.CurrentHumanClub = club;
    ClickRow(hub->gridview1, 3);
    ASSERT_EQ(hub->gridview1->SelectedRow(), 3);
    const int selected = hub->SelectedPlayer();
    const int sundriesBefore = ClubFinances[club].miscellaneous;
    const simcheck::Ledger before = simcheck::TakeLedger();
    auto* form = Show<TForm81>("TForm81");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(test::GrabbedPixel(form->Widget(), 4, 4), 0x306A30u);  // the green heading
    EXPECT_EQ(form->Label6->Caption(), "(" + Clubs[club].name.str() + ")");
    EXPECT_FALSE(form->ComboBox1->Enabled());
    EXPECT_FALSE(form->bt1->Enabled());
    const int datesBefore = form->combo1->Items().Count();
    ASSERT_GT(datesBefore, 0);

    ChooseEntry(form->combo1, 0);
    const std::string date = form->combo1->Items()[0];
    EXPECT_TRUE(form->ComboBox1->Enabled());
    ChooseEntry(form->ComboBox1, EntryOf(form, opponent));
    EXPECT_TRUE(form->bt1->Enabled());
    ChooseEntry(form->combo3, 1);  // "Em casa"
    std::string asked;
    WhenOpen("TForm84", [&asked](TForm* confirmation) {
        auto* dialog = static_cast<TForm84*>(confirmation);
        asked = dialog->Label2->Caption();
        EXPECT_TRUE(dialog->Label3->Visible());
        Click(dialog->GradButton1);  // "Sim"
    });
    Click(form->bt1);
    EXPECT_EQ(asked, "O clube " + Clubs[opponent].name.str() + " quer uma cota de " + FormatMoneyWords(100000));
    EXPECT_EQ(form->Label4->Caption(), "amistoso marcado");
    EXPECT_TRUE(form->Label4->Visible());
    EXPECT_EQ(Clubs[club].cash, CurrencyFromUnits(900000));
    EXPECT_EQ(ClubFinances[club].miscellaneous, sundriesBefore + 100000);
    simcheck::ExpectLedgerBalanced(before, simcheck::TakeLedger(), {});
    std::string money;
    for (const std::string& line : hub->labmoney->HTMLText())
        money += line;
    EXPECT_NE(money.find(FormatMoneyWords64(900000)), std::string::npos) << money;
    EXPECT_EQ(hub->gridview1->SelectedRow(), 3) << "the hub stays on the coach's player";
    EXPECT_EQ(hub->SelectedPlayer(), selected);
    ASSERT_FALSE(Friendlies.empty());
    const TFriendly booked = Friendlies.back();
    EXPECT_EQ(booked.home, club);
    EXPECT_EQ(booked.away, opponent);
    EXPECT_EQ(DateToStr(booked.date), date);
    EXPECT_EQ(form->combo1->Items().Count(), datesBefore - 1);  // the date is taken
    EXPECT_FALSE(form->bt1->Enabled());
    EXPECT_FALSE(form->ComboBox1->Enabled());
    form->Close();
    hub->Close();
    test::Pump();

    // The calendar reaches the friendly's day and plays it.
    for (int days = 0; days < 60 && TodayDate() <= booked.date; ++days)
        PlayMatchdayFromHub();
    bool played = false;
    for (const TFixture& f : Fixtures)
        if (f.kind == kKindFriendlies && f.home == club && f.away == opponent && f.date == booked.date)
            played = f.played != 0;
    EXPECT_TRUE(played);
}

TEST_F(ClubAdministrationScreensTest, AHumanOpponentPlaysForNothingAndAShortPurseIsRefused)
{
    const int club = HumanClub();
    const int human = ComputerClub(1);
    const int rich = ComputerClub(1, human);
    ASSERT_GE(rich, 0);
    Game.CurrentHumanClub = club;
    Clubs[club].cash = 0;
    Clubs[human].IsHuman = 1;
    const std::size_t friendliesBefore = Friendlies.size();
    auto* form = Show<TForm81>("TForm81");
    ChooseEntry(form->combo1, 0);
    ChooseEntry(form->ComboBox1, EntryOf(form, human));
    bool shown = false;
    WhenOpen("TForm84", [&shown](TForm* confirmation) {
        auto* dialog = static_cast<TForm84*>(confirmation);
        shown = true;
        EXPECT_EQ(dialog->Label2->Caption(),
                  "Este será um amistoso entre dois times humanos, clique em sim para que seja marcado.");
        EXPECT_FALSE(dialog->Label3->Visible());
        Click(dialog->GradButton1);
    });
    Click(form->bt1);
    EXPECT_TRUE(shown);
    EXPECT_EQ(form->Label4->Caption(), "amistoso marcado");
    EXPECT_EQ(Friendlies.size(), friendliesBefore + 1);
    EXPECT_EQ(Clubs[club].cash, 0);
    Clubs[human].IsHuman = 0;

    // An opponent with a friendly of his own on that date is refused at once.
    ChooseEntry(form->combo1, 0);
    TDateTime date = 0;
    ASSERT_TRUE(TryStrToDate(form->combo1->Items()[0], date));
    TFriendly busy;
    busy.home = rich;
    busy.away = human;
    busy.date = date;
    Friendlies.push_back(busy);
    ChooseEntry(form->ComboBox1, EntryOf(form, rich));
    Click(form->bt1);
    EXPECT_EQ(form->Label4->Caption(), Clubs[rich].name.str() + " já tem amistoso nesta data");
    Friendlies.pop_back();

    Click(form->bt1);  // no confirmation: the money is short
    EXPECT_EQ(form->Label4->Caption(), "dinheiro insuficiente para a cota de " + FormatMoneyWords(50000));
    EXPECT_EQ(Friendlies.size(), friendliesBefore + 1);

    Clubs[club].cash = CurrencyFromUnits(50000);  // exactly the fee: asked, and refused with "Não"
    WhenOpen("TForm84", [](TForm* confirmation) { Click(static_cast<TForm84*>(confirmation)->GradButton2); });
    Click(form->bt1);
    EXPECT_EQ(form->Label4->Caption(), "amistoso rejeitado");
    EXPECT_EQ(Clubs[club].cash, CurrencyFromUnits(50000));
}

TEST_F(ClubAdministrationScreensTest, HumanCoachesAreAddedAndRemovedDuringTheGame)
{
    auto* form = Show<TForm50>("TForm50");
    ASSERT_NE(form, nullptr);
    const int rowsBefore = form->list1->Items().Count();
    EXPECT_EQ(rowsBefore, static_cast<int>(HumanCoachRows().size()));
    EXPECT_FALSE(form->bt1->Enabled());
    const std::size_t recordsBefore = Coaches.size();

    bool okAtFirst = true;
    WhenOpen("TForm51", [&okAtFirst](TForm* dialog) {
        auto* name = static_cast<TForm51*>(dialog);
        okAtFirst = name->bt2->Enabled();
        name->Edit1->SetFocus();
        QTest::keyClicks(name->Edit1->Widget(), "Novato da Silva");
        test::Pump();
        EXPECT_TRUE(name->bt2->Enabled());
        Click(name->bt2);
    });
    Click(form->bt2);
    EXPECT_FALSE(okAtFirst);
    ASSERT_EQ(form->list1->Items().Count(), rowsBefore + 1);
    TListItem* added = form->list1->Items()[rowsBefore];
    EXPECT_EQ(added->Caption(), std::to_string(rowsBefore + 1));
    EXPECT_EQ(added->SubItems()[0], "Novato da Silva");
    EXPECT_EQ(added->SubItems()[1], "");
    const int coach = std::stoi(added->SubItems()[2]);
    EXPECT_EQ(Coaches[coach].human, 1);
    EXPECT_EQ(Coaches[coach].club, -1);
    EXPECT_LE(Coaches.size(), recordsBefore + 1);

    // The coach of the human club keeps his place: he must be dismissed first.
    form->list1->Items()[0]->SetSelected(true);
    test::Pump();
    EXPECT_TRUE(form->bt1->Enabled());
    Click(form->bt1);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "Para remover um técnico antes é necessário demiti-lo do time.");
    EXPECT_EQ(form->list1->Items().Count(), rowsBefore + 1);

    added->SetSelected(true);
    test::Pump();
    Click(form->bt1);
    EXPECT_EQ(form->list1->Items().Count(), rowsBefore);
    EXPECT_TRUE(Coaches[coach].name.str().empty());
    for (int slot : Game.HumanCoachSlots)
        EXPECT_NE(slot, coach);
    Click(form->GradButton2);
    EXPECT_EQ(Screen->FormCount(), 0);

    for (int i = static_cast<int>(HumanCoachRows().size()); i < kHumanCoachSlots; ++i)
        AddHumanCoach("Extra " + std::to_string(i));
    form = Show<TForm50>("TForm50");
    EXPECT_EQ(form->list1->Items().Count(), kHumanCoachSlots);
    EXPECT_FALSE(form->bt2->Enabled());  // six coaches: nobody more
    for (const HumanCoachRow& row : HumanCoachRows())
        if (row.clubName.empty())
            RemoveHumanCoach(row.coach);
}

TEST_F(ClubAdministrationScreensTest, ANationalSquadIsCalledUpAndGoesBackToItsClubsAfterTheTournament)
{
    int entry = -1;
    for (const TNationalTeam& team : NationalTeams)
        if (team.country == CountryBrazil)
            entry = team.clubEntry;
    ASSERT_GE(entry, 0);
    // Core's call-up question opens the screen on the human national team it names.
    const int nationsBefore = Game.HumanNationCount;
    const int firstNationBefore = Game.HumanNations[0];
    Game.HumanNationCount = 1;
    Game.HumanNations[0] = entry;
    CallUpNationEntry = -1;
    std::string shownTeam;
    WhenOpen("TForm77", [&shownTeam](TForm* callUp) {
        shownTeam = static_cast<TForm77*>(callUp)->Label16->Caption();
        callUp->Close();
    });
    ShowNationalCallUpOnScreen(1);
    EXPECT_EQ(shownTeam, Clubs[entry].name.str());
    const std::vector<int> ownSquad = PlayersOfClub(entry);
    auto* form = Show<TForm77>("TForm77");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Label16->Caption(), Clubs[entry].name.str());
    EXPECT_FALSE(form->bt2->Enabled());

    ChooseEntry(form->c2, 0);  // "Goleiro"
    Click(form->GradButton3);
    const int keepers = form->gfind->RowCount();
    ASSERT_GE(keepers, 4);
    EXPECT_EQ(form->Label9->Caption(), std::to_string(keepers) + " jogadores encontrados");
    for (int row = 0; row < keepers; ++row) {
        const int player = std::stoi(form->gfind->GetCellTextByName("colid", row));
        EXPECT_EQ(Players[player].nationality, CountryBrazil);
        EXPECT_EQ(Players[player].Position, 0);
        EXPECT_LT(Players[player].Club, Game.LeagueClubCount + Game.ExtraClubCount);
    }
    // The traits' names are the hint of their abbreviations.
    const std::string traits = form->gfind->GetCell(form->gfind->ColumnByName("colhabilidade")->Index(), 0)->Hint();
    const TPlayer& first = Players[std::stoi(form->gfind->GetCellTextByName("colid", 0))];
    EXPECT_EQ(traits, std::string(TraitNames[first.Trait1]) + "/" + TraitNames[first.Trait2]);
    for (int row = 0; row < 3; ++row) {
        ClickRow(form->gfind, row);
        EXPECT_TRUE(form->GradButton1->Enabled());
        Click(form->GradButton1);
    }
    ClickRow(form->gfind, 3);
    EXPECT_FALSE(form->GradButton1->Enabled());  // a fourth goalkeeper cannot come

    ChooseEntry(form->c2, 3);  // "Meio Campo"
    Click(form->GradButton3);
    ASSERT_GE(form->gfind->RowCount(), 14);
    for (int row = 0; row < 14; ++row) {
        ClickRow(form->gfind, row);
        Click(form->GradButton1);
    }
    ChooseEntry(form->c2, 4);  // "Atacante"
    Click(form->GradButton3);
    ASSERT_GE(form->gfind->RowCount(), 7);
    for (int row = 0; row < 7; ++row) {
        ClickRow(form->gfind, row);
        if (row < 6) Click(form->GradButton1);
    }
    EXPECT_FALSE(form->GradButton1->Enabled());  // a twenty-first outfield player cannot come
    EXPECT_EQ(form->gsel->RowCount(), 23);
    EXPECT_TRUE(form->bt2->Enabled());

    ClickRow(form->gsel, 3);
    Click(form->GradButton2);  // "<<": one midfielder less
    EXPECT_FALSE(form->bt2->Enabled());
    EXPECT_EQ(form->Label15->Caption(), "Jogadores de linha: 19 / 20");
    ClickRow(form->gfind, 6);
    Click(form->GradButton1);
    ASSERT_TRUE(form->bt2->Enabled());

    const std::vector<int> called = form->Squad().Players();
    std::vector<int> homes;
    for (int p : called) homes.push_back(Players[p].Club);
    Click(form->bt2);
    EXPECT_EQ(Screen->FormCount(), 0);
    std::vector<int> sorted = called;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(PlayersOfClub(entry), sorted);
    for (int p : ownSquad) EXPECT_EQ(Players[p].Club, -1);
    for (std::size_t i = 0; i < called.size(); ++i) {
        const auto& squad = PlayersOfClub(homes[i]);
        EXPECT_EQ(std::count(squad.begin(), squad.end(), called[i]), 0);
    }

    EndTournamentCallUps();
    Game.HumanNationCount = nationsBefore;
    Game.HumanNations[0] = firstNationBefore;
    for (std::size_t i = 0; i < called.size(); ++i)
        EXPECT_EQ(Players[called[i]].Club, homes[i]);
    EXPECT_EQ(PlayersOfClub(entry), ownSquad);
}

// It plays the season to its end, and gives the suite its game back.
TEST_F(ClubAdministrationScreensTest, TheNewSeasonAsksForPreseasonFriendliesAndTheOneBookedIsPlayed)
{
    const test::GameKeptAside kept;
    const int club = HumanClub();
    for (int days = 0; days < 400 && PlayMatchdayFromHub() != CalendarExit::SeasonEnd; ++days) {
    }
    // The coach's results with the automatic line-ups may have cost him the job: he is back.
    Game.HumanClubCount = 1;
    Game.HumanClubs[0] = club;
    Clubs[club].IsHuman = 1;
    Clubs[club].cash = CurrencyFromUnits(1000000);
    std::string title;
    std::vector<TDateTime> offered;
    int firstLeagueDay = 0;
    WhenOpen("TForm85", [&](TForm* question) {
        WhenOpen("TForm81", [&](TForm* booking) {
            auto* form = static_cast<TForm81*>(booking);
            title = form->Label1->Caption();
            for (int day = kCalendarDays; day >= 1; --day)
                if (Calendar[day].dayKind == kKindNationalLeague || Calendar[day].dayKind == kKindStateChampionship)
                    firstLeagueDay = day;
            EXPECT_NE(form->Label7->Caption().find(" se inicia em " + DateToStr(Calendar[firstLeagueDay].date)),
                      std::string::npos);
            for (int i = 0; i < form->combo1->Items().Count(); ++i) {
                TDateTime when = 0;
                EXPECT_TRUE(TryStrToDate(form->combo1->Items()[i], when));
                offered.push_back(when);
            }
            if (offered.empty())
                return booking->Close();
            ChooseEntry(form->combo1, 0);
            ChooseEntry(form->ComboBox1, EntryOf(form, ComputerClub(1)));
            WhenOpen("TForm84", [](TForm* confirmation) { Click(static_cast<TForm84*>(confirmation)->GradButton1); });
            Click(form->bt1);
            EXPECT_EQ(form->Label4->Caption(), "amistoso marcado");
            test::PressKey(form->Widget(), Qt::Key_Escape);
        });
        Click(static_cast<TForm85*>(question)->GradButton1);  // "Sim"
    });
    OfferPreseasonFriendlies = OfferPreseasonFriendliesOnScreen;
    ContinueIntoNewSeason();
    OfferPreseasonFriendlies = {};
    test::Pump();
    EXPECT_EQ(title, "Marcar amistosos pré-temporada");
    ASSERT_FALSE(offered.empty());
    for (TDateTime when : offered)
        EXPECT_LE(when, Calendar[firstLeagueDay].date);
    EXPECT_FALSE(WantsPreseasonFriendlies);
    ASSERT_EQ(Friendlies.size(), 1u);
    const TFriendly booked = Friendlies[0];
    EXPECT_EQ(booked.away, club);
    EXPECT_EQ(booked.date, offered[0]);

    // The new season's calendar stops on the friendly's day and plays it.
    for (int days = 0; days < 30 && TodayDate() <= booked.date; ++days)
        PlayMatchdayFromHub();
    EXPECT_EQ(Friendlies[0].done, 1);
    bool played = false;
    for (const TFixture& f : Fixtures)
        if (f.kind == kKindFriendlies && f.away == club && f.date == booked.date)
            played = f.played != 0;
    EXPECT_TRUE(played);

    WhenOpen("TForm85", [](TForm* question) { Click(static_cast<TForm85*>(question)->GradButton2); });
    OfferPreseasonFriendliesOnScreen();  // "Não": no booking screen
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), 0);
}

}  // namespace
}  // namespace tarvelon
