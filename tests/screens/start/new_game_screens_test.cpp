// A new game from the title screen by real clicks and keys: the mode chooser, the coach set-up
// screens (lists of divisions of 20, radio buttons of divisions of 10), the builder and the game's
// first screen; and the game the screens build equals the headless new game of the same choices.
#include <gtest/gtest.h>

#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "app/startup.h"
#include "controls/grad_button.h"
#include "core/basics/random.h"
#include "core/draws/club_catalogue.h"
#include "core/hooks.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/new_game_setup.h"
#include "core/persist/saved_game_image.h"
#include "core/records/game_state.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/ranges.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/tick_list.h"
#include "screens/start/coach_setup_lists.h"
#include "screens/start/coach_setup_radios.h"
#include "screens/start/custom_championship.h"
#include "screens/start/game_mode_chooser.h"
#include "screens/start/new_game_builder.h"
#include "screens/start/title_screen.h"
#include "screens/screens_registration.h"
#include "tests/screens/game_folder_fixture.h"

namespace tarvelon {
namespace {

using test::TickCountry;

constexpr std::uint64_t kSeed = 11;

class NewGameScreensTest : public test::GameFolderScreensTest {
protected:
    void SetUp() override
    {
        GameFolderScreensTest::SetUp();
        title_ = CreateTitleScreen();
        title_->Show();
        test::Pump();
    }

    static void Type(TEdit* edit, const QString& text)
    {
        QTest::keyClicks(edit->Widget(), text);
        test::Pump();
    }

    TForm9* OpenChooser()
    {
        ClickAt(title_->Widget(), QPoint(51, 154));  // "Novo Jogo"
        return Open<TForm9>("TForm9");
    }

    // A seeded start for what follows, the same for the screens and the headless game.
    static void Reseed()
    {
        RandSeed = 12345;
        InstallDeterministicClock(kSeed);
    }

    TForm1* title_ = nullptr;
};

// The pixel at the centre of a radio button's round box.
QRgb IndicatorCentre(TRadioButton* button)
{
    QWidget* widget = button->Widget();
    QStyleOptionButton option;
    option.initFrom(widget);
    const QRect box = widget->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, widget);
    return widget->grab().toImage().pixel(box.center());
}

std::size_t FirstDifference(const std::string& a, const std::string& b)
{
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return i;
}

TEST_F(NewGameScreensTest, OneCoachOnDivisionsOf20FromTheTitleToTheHubEqualsTheHeadlessGame)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_FALSE(title_->Visible());
    // Countries with at least 22 playable club files; Colômbia's 24 make it, the small ones do not.
    std::vector<int> offered;
    for (int row = 0; row < chooser->Countries().RowCount(); ++row)
        offered.push_back(chooser->Countries().Id(row));
    EXPECT_EQ(offered, (std::vector<int>{11, 29, 46, 104}));
    EXPECT_TRUE(chooser->ckestadual->Visible());
    EXPECT_EQ(chooser->ckcopa->Caption(), "Jogar Copa do Brasil");

    TickCountry(chooser->Countries(), 29);
    EXPECT_EQ(chooser->Countries().TickedIds(), std::vector<int>{29});
    NextEntry(chooser->ComboBox1);
    EXPECT_EQ(chooser->ComboBox1->ItemIndex(), 1);
    Reseed();
    Click(chooser->GradButton2);
    EXPECT_FALSE(IsOpen("TForm9"));

    auto* setup = Open<TForm56>("TForm56");
    ASSERT_NE(setup, nullptr);
    EXPECT_FALSE(setup->Label10->Visible());  // one coach: no "Time 1"
    EXPECT_EQ(setup->Button1->Caption(), "Iniciar jogo");
    EXPECT_FALSE(setup->Button1->Enabled());
    EXPECT_EQ(setup->combod[0]->Items()[0], "1ª divisão");
    EXPECT_FALSE(setup->combod[4]->Visible());

    Type(setup->Edit1, "   ");
    NextEntry(setup->combod[1]);
    EXPECT_FALSE(setup->Button1->Enabled());  // a name of blanks is no name
    setup->Edit1->SetText("");
    Type(setup->Edit1, "Ana Souza");
    EXPECT_TRUE(setup->Button1->Enabled());
    NextEntry(setup->combod[0], 2);  // picking in one list puts the others back on their heading
    EXPECT_EQ(setup->combod[1]->ItemIndex(), 0);
    const int club = setup->ListClubs(0)[1];
    const std::string clubFile = ClubFileNames[static_cast<std::size_t>(club)];

    Click(setup->Button1);  // the builder runs modally inside this click
    const std::string fromScreens = WriteSavedGameImage();
    ASSERT_TRUE(test::PumpUntil([] { return IsOpen("TForm13"); }));
    EXPECT_EQ(LastOpenedScreen(), "TForm13");
    for (const char* gone : {"TForm9", "TForm56", "TForm12"})
        EXPECT_FALSE(IsOpen(gone)) << gone;
    EXPECT_EQ(Game.HumanClubs[0], club);
    EXPECT_EQ(Game.CurrentHumanClub, club);
    EXPECT_EQ(Coaches[static_cast<std::size_t>(club)].name.str(), "Ana Souza");
    EXPECT_EQ(Game.LeagueFormat, kLeagueFormatDivisionsOf20);
    EXPECT_EQ(Screen->Cursor(), crDefault);

    NewGameChoices choices;
    choices.countries = {29};
    choices.leagueFormat = kLeagueFormatDivisionsOf20;
    choices.humanCoaches = {{"Ana Souza", clubFile}};
    Reseed();
    ASSERT_NE(StartNewGame(choices), FirstScreen::None);
    const std::string headless = WriteSavedGameImage();
    EXPECT_EQ(fromScreens.size(), headless.size());
    EXPECT_TRUE(fromScreens == headless) << "first difference at byte " << FirstDifference(fromScreens, headless);
}

TEST_F(NewGameScreensTest, TwoCoachesOnDivisionsOf10TakeTurnsAndCannotShareAClub)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    TickCountry(chooser->Countries(), 11);
    NextEntry(chooser->ComboBox2);  // two human coaches
    Click(chooser->GradButton2);

    auto* setup = Open<TForm11>("TForm11");
    ASSERT_NE(setup, nullptr);
    EXPECT_TRUE(setup->Label10->Visible());
    EXPECT_EQ(setup->Label10->Caption(), "Time 1");
    EXPECT_EQ(setup->Button1->Caption(), "Escolher time 2");
    // Argentina's 44 clubs: four divisions of 10 buttons, nothing after them.
    EXPECT_TRUE(setup->timeradio[39]->Visible());
    EXPECT_FALSE(setup->timeradio[40]->Visible());

    Type(setup->Edit1, "Ana");
    ClickBox(setup->timeradio[0]);
    EXPECT_TRUE(setup->Button1->Enabled());
    // The chosen club's button shows a dark dot on its white disc, though its caption is white.
    EXPECT_LT(qGray(IndicatorCentre(setup->timeradio[0])), 100);
    EXPECT_GT(qGray(IndicatorCentre(setup->timeradio[1])), 200);
    const int first = setup->ButtonClub(0);
    Click(setup->Button1);
    EXPECT_EQ(setup->Label10->Caption(), "Time 2");
    EXPECT_EQ(setup->Button1->Caption(), "Iniciar jogo");
    EXPECT_EQ(setup->Edit1->Text(), "");
    EXPECT_FALSE(setup->Button1->Enabled());
    EXPECT_FALSE(setup->timeradio[0]->Enabled());

    Type(setup->Edit1, "Bruno");
    ClickBox(setup->timeradio[0]);  // taken: nothing is chosen
    EXPECT_FALSE(setup->Button1->Enabled());
    ClickBox(setup->timeradio[12]);
    const int second = setup->ButtonClub(12);
    Click(setup->Button1);
    ASSERT_TRUE(test::PumpUntil([] { return IsOpen("TForm13"); }));
    EXPECT_FALSE(IsOpen("TForm11"));
    EXPECT_EQ(Game.HumanClubs[0], first);
    EXPECT_EQ(Game.HumanClubs[1], second);
    EXPECT_EQ(Game.HumanClubs[2], -1);
    EXPECT_EQ(Coaches[static_cast<std::size_t>(first)].name.str(), "Ana");
    EXPECT_EQ(Coaches[static_cast<std::size_t>(second)].name.str(), "Bruno");
    EXPECT_TRUE(Clubs[static_cast<std::size_t>(second)].IsHuman);
}

TEST_F(NewGameScreensTest, TheChooserAsksForALeagueCouplesTheCupsAndStartsAgainFromEmpty)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    const std::size_t listed = CustomChampionshipClubs.size();
    Click(chooser->GradButton2);
    EXPECT_EQ(messages_, std::vector<std::string>{"Selecione pelo menos uma liga"});
    EXPECT_TRUE(IsOpen("TForm9"));

    ClickBox(chooser->ckinter1);  // no first continental cup, no second either
    EXPECT_FALSE(chooser->ckinter1->Checked());
    EXPECT_FALSE(chooser->ckinter2->Checked());
    ClickBox(chooser->ckinter2);  // the second brings the first back
    EXPECT_TRUE(chooser->ckinter1->Checked());
    EXPECT_TRUE(chooser->ckinter2->Checked());

    ClickBox(chooser->rd2);  // the custom mode leaves the leagues alone
    EXPECT_FALSE(chooser->list1->Enabled());
    EXPECT_FALSE(chooser->ckcopa->Enabled());
    ClickBox(chooser->rd1);
    EXPECT_TRUE(chooser->list1->Enabled());

    Click(chooser->GradButton3);  // "Sel. todas"
    EXPECT_EQ(chooser->Countries().TickedRows(), chooser->Countries().RowCount());

    Click(chooser->GradButton1);  // "<< Voltar ao início"
    test::Pump();
    EXPECT_FALSE(IsOpen("TForm9"));
    EXPECT_TRUE(title_->Visible());
    EXPECT_TRUE(CustomChampionshipClubs.empty());

    TForm9* again = OpenChooser();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(CustomChampionshipClubs.size(), listed);  // each club file once
    EXPECT_EQ(again->Countries().TickedRows(), 0);
}

TEST_F(NewGameScreensTest, ACustomChampionshipOfTickedCountriesBecomesANewGame)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    ClickBox(chooser->rd2);
    Click(chooser->GradButton2);
    auto* custom = Open<TForm39>("TForm39");
    ASSERT_NE(custom, nullptr);
    EXPECT_FALSE(chooser->Visible());  // hidden behind, until the custom championship goes on
    // Every country with a playable club file, the small ones too.
    EXPECT_EQ(custom->Label4->Caption(), "10");
    EXPECT_FALSE(custom->bt1->Enabled());

    auto tick = [custom](int country) { TickCountry(custom->Countries(), country); };
    tick(46);   // Colômbia, 24 clubs
    tick(195);  // Uruguai, 12
    EXPECT_EQ(custom->Label5->Caption(), "2");
    EXPECT_EQ(custom->Label7->Caption(), "36");
    EXPECT_FALSE(custom->bt1->Enabled());
    tick(65);  // Espanha, 8: 44 clubs are enough
    EXPECT_EQ(custom->Label7->Caption(), "44");
    EXPECT_TRUE(custom->bt1->Enabled());
    tick(65);  // and unticking takes them back
    EXPECT_EQ(custom->Label5->Caption(), "2");
    EXPECT_EQ(custom->Label7->Caption(), "36");
    EXPECT_FALSE(custom->bt1->Enabled());
    tick(65);
    EXPECT_FALSE(custom->Label9->Visible());
    ClickBox(custom->ckcopaper);
    Click(custom->bt1);
    EXPECT_FALSE(IsOpen("TForm39"));
    test::Pump();
    EXPECT_EQ(Open("TForm9"), nullptr);
    for (int i = 0; i < Screen->FormCount(); ++i)
        EXPECT_NE(Screen->Forms(i)->ClassName(), "TForm9") << "the hidden chooser is freed";

    auto* setup = Open<TForm11>("TForm11");
    ASSERT_NE(setup, nullptr);
    EXPECT_FALSE(setup->Combo1->Visible());
    EXPECT_EQ(Game.playedCountry, 202);
    ASSERT_EQ(Leagues.size(), 1u);
    EXPECT_EQ(Game.cupName.str(), "Copa Internacional");
    EXPECT_EQ(Game.nationalCupOn, 1);
    EXPECT_EQ(Game.worldCupOn + Game.StateChampionshipsOn + Game.firstContinentalPairOn, 0);
    Type(setup->Edit1, "Carla");
    ClickBox(setup->timeradio[3]);
    const int club = setup->ButtonClub(3);
    Click(setup->Button1);
    ASSERT_TRUE(test::PumpUntil([] { return IsOpen("TForm13"); }));
    EXPECT_EQ(Game.HumanClubs[0], club);
    EXPECT_EQ(Clubs[static_cast<std::size_t>(club)].Country, 202);
    EXPECT_EQ(Game.ExtraClubCount, 0);
    EXPECT_TRUE(CustomChampionshipClubs.empty());
}

TEST_F(NewGameScreensTest, ACoachPickingAClubAlreadyTakenIsToldSoAndChoosesAgain)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    TickCountry(chooser->Countries(), 104);
    NextEntry(chooser->ComboBox1);
    NextEntry(chooser->ComboBox2, 5);  // six coaches
    Click(chooser->GradButton2);
    auto* setup = Open<TForm56>("TForm56");
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(Game.HumanClubCount, 6);
    for (int slot = 1; slot <= 6; ++slot) {
        EXPECT_EQ(setup->Label10->Caption(), "Time " + std::to_string(slot));
        EXPECT_EQ(setup->Button1->Caption(), slot < 6 ? "Escolher time " + std::to_string(slot + 1) : "Iniciar jogo");
        Type(setup->Edit1, QString("Treinador %1").arg(slot));
        if (slot == 2) {  // the first club again: its entry reads "[Treinador 1]" and is refused
            NextEntry(setup->combod[0]);
            EXPECT_EQ(setup->combod[0]->Items()[1], "[Treinador 1]");
            Click(setup->Button1);
            EXPECT_EQ(messages_, std::vector<std::string>{"Este time já é de um treinador humano"});
            EXPECT_EQ(setup->CoachSlot(), 2);
        }
        NextEntry(setup->combod[0], slot == 2 ? 1 : slot);  // entry k for coach k
        if (slot == 6)
            break;
        Click(setup->Button1);
    }
    const int lastClub = setup->ListClubs(0)[5];
    Click(setup->Button1);
    ASSERT_TRUE(test::PumpUntil([] { return IsOpen("TForm13"); }));
    for (int slot = 0; slot < 6; ++slot) {
        const int club = Game.HumanClubs[slot];
        ASSERT_GE(club, 0) << slot;
        EXPECT_EQ(Coaches[static_cast<std::size_t>(club)].name.str(), "Treinador " + std::to_string(slot + 1));
    }
    EXPECT_EQ(Game.HumanClubs[5], lastClub);
    // The hub serves the coaches in the order of their slots: the first coach's turn comes first.
    EXPECT_EQ(Game.CurrentHumanClub, Game.HumanClubs[0]);
}

// The builder shows its progress and the game's first screen follows it.
TEST_F(NewGameScreensTest, TheBuilderReportsItsProgressOnItsBar)
{
    NewGameChoices choices;
    choices.countries = {11};
    choices.humanCoaches = {{"Ana", "c11_0.tcf"}};
    ASSERT_TRUE(SetUpNewGameBeforeCoaches(choices));
    ASSERT_TRUE(ChooseHumanClub(1, FindLeagueClubByFile("c11_0.tcf"), "Ana"));
    auto* builder = dynamic_cast<TForm12*>(CreateScreen("TForm12", Application));
    ASSERT_NE(builder, nullptr);
    builder->ShowModal();  // its timer builds the game, then it closes itself
    EXPECT_EQ(builder->Reported(), (std::vector<int>{10, 20, 30, 40, 60, 70, 80, 100}));
    EXPECT_EQ(builder->progress->Position(), 100);
    ASSERT_TRUE(test::PumpUntil([] { return IsOpen("TForm13"); }));
    EXPECT_FALSE(Hooks().newGameProgress);  // the bar's hooks go with the build
}

// With the state championships first and no human club in them, the day is played at once: the
// matchday screen is the game's first.
TEST_F(NewGameScreensTest, WithoutAHumanClubOnTheFirstDayTheMatchdayOpensFirst)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    TickCountry(chooser->Countries(), 11);
    TickCountry(chooser->Countries(), 29);
    ClickBox(chooser->ckestadual);
    Click(chooser->GradButton2);
    auto* setup = Open<TForm11>("TForm11");
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->Combo1->Items()[setup->Combo1->ItemIndex()], "Brasil");
    test::PressKey(setup->Combo1->Widget(), Qt::Key_Up);  // Argentina
    test::Pump();
    ASSERT_EQ(setup->ShownLeague(), 0);
    Type(setup->Edit1, "Ana");
    ClickBox(setup->timeradio[0]);
    const int club = setup->ButtonClub(0);
    EXPECT_EQ(Clubs[static_cast<std::size_t>(club)].Country, 11);
    Click(setup->Button1);
    ASSERT_TRUE(test::PumpUntil([] { return IsOpen("TForm46"); }));
    EXPECT_EQ(LastOpenedScreen(), "TForm46");
    EXPECT_FALSE(IsOpen("TForm13"));
    EXPECT_EQ(Game.DayKind, 3);
}

// On a screen of 1024 x 768 the set-up is scaled by 1024 / 800, the clubs placed at run time too.
TEST_F(NewGameScreensTest, OnALargerScreenTheClubButtonsScaleWithTheirPanels)
{
    Hooks().screenWidth = [] { return 1024; };
    Hooks().screenHeight = [] { return 768; };
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    TickCountry(chooser->Countries(), 11);
    Click(chooser->GradButton2);
    auto* setup = Open<TForm11>("TForm11");
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->ClientWidth(), 1024);
    for (int k = 0; k < 4; ++k) {
        const TShape& panel = *setup->panels[static_cast<std::size_t>(k)];
        EXPECT_EQ(panel.Left(), setup->headings[static_cast<std::size_t>(k)]->Left()) << k;
        EXPECT_EQ(panel.Width(), 243) << k;  // 190 design pixels
        for (int row = 0; row < 10; ++row) {
            const TControl& button = *setup->timeradio[static_cast<std::size_t>(k * 10 + row)];
            EXPECT_GE(button.Left(), panel.Left());
            EXPECT_LE(button.Left() + button.Width(), panel.Left() + panel.Width());
            EXPECT_GE(button.Top(), panel.Top());
            EXPECT_LE(button.Top() + button.Height(), panel.Top() + panel.Height());
        }
    }
    EXPECT_GT(setup->panels[0]->Top(), setup->headings[0]->Top() + setup->headings[0]->Height() - 1);
    Type(setup->Edit1, "Ana");
    ClickBox(setup->timeradio[25]);
    EXPECT_TRUE(setup->Button1->Enabled());
}

// Brazil in four divisions of 20 with the state championships: the regional division's clubs, by
// name, in place of the fourth division.
TEST_F(NewGameScreensTest, TheBrazilianFourthDivisionOf20GivesWayToTheRegionalDivision)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    TickCountry(chooser->Countries(), 29);
    NextEntry(chooser->ComboBox1);
    ClickBox(chooser->ckestadual);
    ASSERT_TRUE(chooser->ckestadual->Checked());
    Click(chooser->GradButton2);
    auto* setup = Open<TForm56>("TForm56");
    ASSERT_NE(setup, nullptr);
    ASSERT_EQ(Leagues[0].divisionCount, 4);
    EXPECT_EQ(Game.RegionalFourthDivision, 1);
    EXPECT_FALSE(setup->combod[3]->Visible());
    ASSERT_TRUE(setup->combod[4]->Visible());
    EXPECT_EQ(setup->combod[4]->Items()[0], "Divisão regional");
    const std::vector<int>& regional = setup->ListClubs(4);
    ASSERT_FALSE(regional.empty());
    EXPECT_EQ(setup->combod[4]->Items().Count(), static_cast<int>(regional.size()) + 1);
    for (std::size_t i = 0; i < regional.size(); ++i) {
        EXPECT_EQ(Clubs[static_cast<std::size_t>(regional[i])].Division, 0);
        if (i > 0) {
            EXPECT_LE(Clubs[static_cast<std::size_t>(regional[i - 1])].name.raw(),
                      Clubs[static_cast<std::size_t>(regional[i])].name.raw());
        }
    }
}

TEST_F(NewGameScreensTest, GoingBackFromTheCustomChampionshipShowsTheTitle)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    ClickBox(chooser->rd2);
    Click(chooser->GradButton2);
    auto* custom = Open<TForm39>("TForm39");
    ASSERT_NE(custom, nullptr);
    Click(custom->GradButton1);
    test::Pump();
    EXPECT_TRUE(title_->Visible());
    EXPECT_EQ(Screen->FormCount(), 1);  // the title alone
}

}  // namespace
}  // namespace tarvelon
