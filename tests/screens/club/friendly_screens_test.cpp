// The friendlies (TForm81, TForm84, TForm85) driven by real clicks and keys on the gallery's seeded
// game: a friendly booked (its fee paid under "Diversos") and played on its day, a human opponent
// free, a short purse refused, and the new season's question about pre-season friendlies.
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "controls/grad_button.h"
#include "core/career/human_coaches.h"
#include "core/club_rosters.h"
#include "core/economy/friendly_booking.h"
#include "core/format/money_format.h"
#include "core/progression/calendar_advance.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/fixtures.h"
#include "core/tables.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/forms/win_control.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/list_view.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/message_box.h"
#include "richtext/html_label.h"
#include "screens/club/friendly_screens.h"
#include "screens/club/hub_screen.h"
#include "screens/common/game_flow.h"
#include "screens/common/screen_registry.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/club/club_administration_suite.h"
#include "tests/tools/sim_checks.h"

namespace tarvelon {
namespace {

class FriendlyScreensTest : public test::ClubAdministrationSuite {};

TEST_F(FriendlyScreensTest, AFriendlyIsBookedPaidUnderSundriesAndPlayedOnItsDay)
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

TEST_F(FriendlyScreensTest, AHumanOpponentPlaysForNothingAndAShortPurseIsRefused)
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

    // Alt+F4 closes the confirmation unanswered: the friendly is not booked.
    bool closedByAltF4 = false;
    WhenOpen("TForm84", [&closedByAltF4](TForm* confirmation) {
        test::PressKey(confirmation->Widget(), Qt::Key_F4, Qt::AltModifier);
        closedByAltF4 = confirmation->ModalResult() != mrNone;
        if (!closedByAltF4)
            Click(static_cast<TForm84*>(confirmation)->GradButton2);
    });
    Click(form->bt1);
    EXPECT_TRUE(closedByAltF4);
    EXPECT_EQ(form->Label4->Caption(), "amistoso rejeitado");
    EXPECT_EQ(Friendlies.size(), friendliesBefore + 1);
    EXPECT_EQ(Clubs[club].cash, CurrencyFromUnits(50000));
}

// Alt+F4 closes the pre-season question unanswered: no friendlies are booked before the season.
TEST_F(FriendlyScreensTest, AltF4ClosesThePreseasonQuestionWithoutFriendlies)
{
    bool closedByAltF4 = false;
    bool bookingOpened = false;
    QTimer watch;  // closes a booking screen, should one open; it stops with the test
    QObject::connect(&watch, &QTimer::timeout, [&bookingOpened] {
        TForm* top = Screen->FormCount() > 0 ? Screen->Forms(Screen->FormCount() - 1) : nullptr;
        if (top && top->ClassName() == "TForm81" && top->Visible()) {
            bookingOpened = true;
            top->Close();
        }
    });
    watch.start(10);
    WhenOpen("TForm85", [&](TForm* question) {
        test::PressKey(question->Widget(), Qt::Key_F4, Qt::AltModifier);
        closedByAltF4 = question->ModalResult() != mrNone;
        if (!closedByAltF4)
            Click(static_cast<TForm85*>(question)->GradButton2);
    });
    OfferPreseasonFriendliesOnScreen();
    test::Pump();
    EXPECT_TRUE(closedByAltF4);
    EXPECT_FALSE(bookingOpened);
}

// It plays the season to its end, and gives the suite its game back.
TEST_F(FriendlyScreensTest, TheNewSeasonAsksForPreseasonFriendliesAndTheOneBookedIsPlayed)
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
    bool escapeIgnored = false;
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
            test::PressKey(form->Widget(), Qt::Key_Escape);  // the screen handles no keys: "X" closes it
            escapeIgnored = form->ModalResult() == mrNone;
            Click(form->GradButton1);
        });
        Click(static_cast<TForm85*>(question)->GradButton1);  // "Sim"
    });
    OfferPreseasonFriendlies = OfferPreseasonFriendliesOnScreen;
    ContinueIntoNewSeason();
    OfferPreseasonFriendlies = {};
    test::Pump();
    EXPECT_EQ(title, "Marcar amistosos pré-temporada");
    EXPECT_TRUE(escapeIgnored);
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
