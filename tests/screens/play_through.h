#pragma once
// The game played through its screens as a player meets it, by real clicks and keys on the real
// widgets: the title's "Novo Jogo", the mode chooser (Brazil with its state championships and
// Argentina), two human coaches, one on a club of each country; the hub and the line-up of each
// coach; the first matchday live at the fastest key, then instant play; the results' "Continuar";
// automatic contracts chosen in the options (F3); a sale of the first coach's player by auction
// and a purchase in the market; F2 and a save name; back to the title and "Carregar Jogo", the
// loaded game compared table by table with the saved one; the first World Cup invitation reaching
// a coach taken, the national squad picked on the call-up screen and the national team played
// through the national-team hub and its line-up to its last match; the season's end, its summary
// and the next season's first matchday. After every day the headless season's invariants are
// checked (season_day_checks.h). A coach whose board loses patience is dismissed as the rules
// say; the game then goes on without him (a national team he took he still leads). The World Cup
// keeps the chooser's real 2010 groups.
//
// The state is only read, to choose what to click and to check; nothing is changed behind the
// screens' back, except the instant-play option, which no screen sets, and the pause the auction
// holds each result on screen, shortened as instant play shortens the matchday (the auctions
// between rounds would otherwise take half of the run). TARVELON_PLAY_TRACE=1 prints each step.
#include <QElapsedTimer>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/startup.h"
#include "controls/dc_glow_button.h"
#include "controls/grad_button.h"
#include "core/club_rosters.h"
#include "core/economy/market_deals.h"
#include "core/hooks.h"
#include "core/lineup/hub_turns.h"
#include "core/newgame/new_game_setup.h"
#include "core/progression/calendar_advance.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/season/competition_kind.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/message_box.h"
#include "screens/club/auction_screen.h"
#include "screens/club/call_up_screen.h"
#include "screens/club/club_screens.h"
#include "screens/club/hub_screen.h"
#include "screens/club/incoming_offers.h"
#include "screens/club/market_dialogs.h"
#include "screens/start/options_screen.h"
#include "screens/club/player_sale_screen.h"
#include "screens/club/save_dialogs.h"
#include "screens/club/transfer_market_screen.h"
#include "screens/common/form_references.h"
#include "screens/common/game_form.h"
#include "screens/common/subjects.h"
#include "screens/common/tick_list.h"
#include "screens/start/coach_setup_radios.h"
#include "screens/start/game_mode_chooser.h"
#include "screens/start/load_game_screen.h"
#include "screens/competitions/national_hub_screen.h"
#include "screens/competitions/national_invitations_screen.h"
#include "screens/competitions/season_summary_screen.h"
#include "screens/start/title_screen.h"
#include "screens/matchday/matchday_screen.h"
#include "screens/matchday/results_screen.h"
#include "screens/screens_registration.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/in_match_answerer.h"
#include "tests/screens/national_team_driving.h"
#include "tests/screens/player_clicks.h"
#include "tests/screens/season_day_checks.h"
#include "tests/screens/quick_clock.h"
#include "tests/screens/season_from_hub.h"
#include "tests/screens/tables_fingerprint.h"
#include "tools/sampledata/sample_database.h"

namespace tarvelon::test {

// What a play-through went through, for its checks and its report.
struct PlayThroughLog {
    int days = 0;
    int liveDays = 0;
    int hubTurns = 0;
    int nationalTurns = 0;
    int seasonsTurned = 0;
    int stateDays = 0;
    int playerSold = 0;
    int playerBought = 0;
    int nationTaken = 0;      // the national team's club entry
    int nationCoach = -1;     // the chosen club whose coach took it
    bool calledUp = false;    // its squad called up on the call-up screen
    int tournamentDays = 0;
    int clubDaysAfterTournament = 0;
    bool saved = false;
    bool loaded = false;
    std::vector<int> humanClubs;
    std::vector<int> dismissedFrom;  // chosen clubs whose coach the board dismissed
};

class PlayThrough {
public:
    static constexpr int kBrazil = 29;
    static constexpr int kArgentina = 11;
    static constexpr int kMostSteps = 3000;  // far more than a season and a half: a stuck game fails

    explicit PlayThrough(std::uint64_t seed) : seed_(seed) {}

    // The whole play-through; gtest failures tell what went wrong.
    void Run()
    {
        const auto started = std::chrono::steady_clock::now();
        ASSERT_NO_FATAL_FAILURE(StartProgram());
        ASSERT_NO_FATAL_FAILURE(NewGameFromTheTitle());
        answerer_ = std::make_unique<InMatchAnswerer>();
        answerer_->LeaveToTheTest("TForm76");
        answerer_->LeaveToTheTest("TForm68");
        checks_ = std::make_unique<SeasonDayChecks>();
        // The offers and invitations open modally from the hub's own timer: answered from a timer.
        QObject::connect(&questions_, &QTimer::timeout, [this] {
            // An auction's result stays on screen for seconds: shortened wherever the auction opens.
            if (auto* auction = Shown<TForm23>())
                ShortenResultPause(*auction);
            if (auto* offer = Shown<TForm68>(); offer && offer->Tag() != kAnswered) {
                offer->SetTag(kAnswered);
                AnswerOffer(*offer);
            }
            if (auto* invitations = Shown<TForm76>(); invitations && invitations->Tag() != kAnswered) {
                invitations->SetTag(kAnswered);
                AnswerInvitation(*invitations);
            }
            // The call-up opens modally inside the results' "Continuar" before the tournament.
            if (auto* callUp = Shown<TForm77>(); callUp && callUp->Tag() != kAnswered) {
                callUp->SetTag(kAnswered);
                CallUpTheSquad(*callUp);
            }
            // The notices open modally inside a click of the day's flow (a dismissal inside the
            // results' "Continuar"): read and closed from here too.
            if (TGameForm* notice = NoticeShown(); notice && notice->Tag() != kAnswered) {
                notice->SetTag(kAnswered);
                PressKey(notice->Widget(), Qt::Key_Escape);
                if (notice == NoticeShown())
                    notice->Close();
            }
        });
        questions_.start(20);
        WatchForAStall();
        const int firstSeason = Game.Season;

        // The first day live (at the fastest key), then instant play.
        ASSERT_NO_FATAL_FAILURE(PlayUntil([this] { return log_.days >= 1; }, "the first day"));
        Game.InstantPlay = 1;
        // A few days on, the first coach sets the contracts to run on by themselves, sells and buys at
        // his hub, then saves with F2.
        ASSERT_NO_FATAL_FAILURE(PlayUntil([this] { return log_.days >= 4 && FirstCoachAtHub(); }, "the market"));
        ASSERT_NO_FATAL_FAILURE(ChooseAutomaticContracts());
        ASSERT_NO_FATAL_FAILURE(BuyAPlayer());
        ASSERT_NO_FATAL_FAILURE(SellAPlayer());
        ASSERT_NO_FATAL_FAILURE(SaveLeaveAndLoad());
        // The rest of the season (the World Cup invitation taken on the way), its end and the next
        // season's first matchday.
        ASSERT_NO_FATAL_FAILURE(PlayUntil([firstSeason] { return Game.Season > firstSeason; }, "the season's end"));
        const int daysBefore = log_.days;
        ASSERT_NO_FATAL_FAILURE(PlayUntil([daysBefore, this] { return log_.days > daysBefore; }, "the next season"));

        questions_.stop();
        answerer_.reset();
        Game.InstantPlay = 0;
        CloseEveryForm();
        ExpectWhatWasPlayed(firstSeason);
        const auto seconds =
            std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started).count();
        const std::string nation = log_.nationTaken > 0 ? Clubs[log_.nationTaken].name.str() : "none";
        std::printf("play-through seed %llu: %d days (%d live, %d state, %d of the World Cup), %d hub turns, %d "
                    "national turns (%s led by the coach of club %d), %zu coaches dismissed, %lld s\n",
                    static_cast<unsigned long long>(seed_), log_.days, log_.liveDays, log_.stateDays,
                    log_.tournamentDays, log_.hubTurns, log_.nationalTurns, nation.c_str(), log_.nationCoach,
                    log_.dismissedFrom.size(), static_cast<long long>(seconds));
    }

    ~PlayThrough()
    {
        questions_.stop();
        answerer_.reset();
        CloseEveryForm();
        SetMessageBoxAnswerer({});
        std::filesystem::current_path(savedFolder_);
    }

private:
    // ---- the program and the new game

    void StartProgram()
    {
        savedFolder_ = std::filesystem::current_path();
        ASSERT_TRUE(folder_.isValid());
        sampledata::WriteSampleDatabase(folder_.path().toStdString(), seed_);
        std::filesystem::current_path(folder_.path().toStdString());
        std::filesystem::create_directories("sav");
        SetProgramFolder(std::filesystem::current_path());
        StartApplication();
        StartRules(RulesStart{seed_});
        Hooks().showMessage = [this](const std::string& text) { messages_.push_back(text); };
        Hooks().screenWidth = [] { return 800; };
        Hooks().screenHeight = [] { return 600; };
        SetMessageBoxAnswerer([this](const TMessageBoxRequest& request) {
            messages_.push_back(request.text);
            return mrYes;
        });
        RegisterGameScreens();
        // The save name is asked on screen, as the program asks it; the match's own questions
        // (penalties, injuries, shoot-outs) keep their automatic answers.
        InstallClubScreenHooks();
        title_ = CreateTitleScreen();
        title_->Show();
        Pump();
    }

    static void Type(TEdit* edit, const QString& text)
    {
        edit->SetFocus();
        QTest::keyClick(edit->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit->Widget(), Qt::Key_Delete);
        QTest::keyClicks(edit->Widget(), text);
        Pump();
    }

    // The first radio button of the shown league whose club plays in its first division.
    static int FirstDivisionButton(TForm11& setup)
    {
        for (int i = 0; i < TForm11::kButtons; ++i) {
            const int club = setup.ButtonClub(i);
            if (club >= 0 && setup.timeradio[static_cast<std::size_t>(i)]->Visible() &&
                setup.timeradio[static_cast<std::size_t>(i)]->Enabled() && Clubs[static_cast<std::size_t>(club)].Division == 1)
                return i;
        }
        return -1;
    }

    void ChooseCoach(TForm11& setup, const QString& name)
    {
        Type(setup.Edit1, name);
        const int button = FirstDivisionButton(setup);
        ASSERT_GE(button, 0);
        ClickBox(setup.timeradio[static_cast<std::size_t>(button)]);
        log_.humanClubs.push_back(setup.ButtonClub(button));
    }

    void NewGameFromTheTitle()
    {
        ClickAt(title_->Widget(), QPoint(51, 154));  // "Novo Jogo"
        auto* chooser = Shown<TForm9>();
        ASSERT_NE(chooser, nullptr);
        TickCountry(chooser->Countries(), kBrazil);
        TickCountry(chooser->Countries(), kArgentina);
        ASSERT_EQ(chooser->Countries().TickedIds().size(), 2u);
        ClickBox(chooser->ckestadual);
        ASSERT_TRUE(chooser->ckestadual->Checked());
        ASSERT_TRUE(chooser->ckcopamundo->Checked());
        ASSERT_TRUE(chooser->ckcopa2->Checked());  // the first World Cup has the real 2010 groups
        PressKey(chooser->ComboBox2->Widget(), Qt::Key_Down);  // two human coaches
        Pump();
        Click(chooser->GradButton2);

        auto* setup = Shown<TForm11>();
        ASSERT_NE(setup, nullptr);
        ASSERT_EQ(Game.HumanClubCount, 2);
        ASSERT_EQ(setup->Combo1->Items()[setup->Combo1->ItemIndex()], "Brasil");
        ASSERT_NO_FATAL_FAILURE(ChooseCoach(*setup, "Ana"));
        Click(setup->Button1);  // "Escolher time 2"
        PressKey(setup->Combo1->Widget(), Qt::Key_Up);  // Argentina
        Pump();
        ASSERT_NO_FATAL_FAILURE(ChooseCoach(*setup, "Bruno"));
        Click(setup->Button1);  // "Iniciar jogo": the builder, then the game's first screen
        ASSERT_TRUE(PumpUntil([] { return Shown<TForm13>() != nullptr || Shown<TForm46>() != nullptr; }, 60000));
        ASSERT_EQ(Game.HumanClubs[0], log_.humanClubs[0]);
        ASSERT_EQ(Game.HumanClubs[1], log_.humanClubs[1]);
        ASSERT_EQ(Clubs[static_cast<std::size_t>(Game.HumanClubs[0])].Country, kBrazil);
        ASSERT_EQ(Clubs[static_cast<std::size_t>(Game.HumanClubs[1])].Country, kArgentina);
        ASSERT_EQ(Game.StateChampionshipsOn, 1);
        Game.autosave = 0;
    }

    // ---- the days

    bool FirstCoachAtHub() const { return HubReadyToPlay() != nullptr && Game.CurrentHumanClub == Game.HumanClubs[0]; }

    // A dialog of the game that waits for an answer the play-through gives by closing it.
    static TGameForm* NoticeShown()
    {
        for (const char* formClass : {"TForm85", "TForm30", "TForm31", "TForm57", "TForm66", "TForm72"})
            if (TGameForm* form = ShownScreen(formClass))
                return form;
        return nullptr;
    }

    bool AwaitsThePlayer() const
    {
        return GameAwaitsTheCoach() || NoticeShown() != nullptr ||
               (Shown<TForm46>() != nullptr && !Game.InstantPlay && !fastKeyPressed_);
    }

    // A chosen club's board, league record and cash, for the trace.
    static std::string StandingOf(int club)
    {
        if (!simcheck::IsClub(club))
            return "-";
        const TClub& c = Clubs[static_cast<std::size_t>(club)];
        const int kind = kKindNationalLeague;
        return "board " + std::to_string(c.boardConfidence) + " supporters " + std::to_string(c.SupportersMood) +
               " league " + std::to_string(c.Won[kind]) + "-" + std::to_string(c.Played[kind] - c.Won[kind] - c.Lost[kind]) +
               "-" + std::to_string(c.Lost[kind]) + " cash " + std::to_string(CurrencyUnits(c.cash));
    }

    static std::string VisibleForms()
    {
        std::string list;
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (Screen->Forms(i)->Visible())
                list += Screen->Forms(i)->ClassName() + " ";
        return list;
    }

    // Answers whatever awaits the player until `done` holds.
    void PlayUntil(const std::function<bool()>& done, const char* what)
    {
        for (int step = 0; step < kMostSteps; ++step) {
            if (done())
                return;
            ASSERT_TRUE(PumpUntil([this, &done] { return done() || AwaitsThePlayer(); }, 120000))
                << "nothing awaits the player on the way to " << what << " after day " << log_.days
                << "; shown: " << VisibleForms();
            if (done())
                return;
            ASSERT_NO_FATAL_FAILURE(AnswerOneStep());
        }
        FAIL() << "not reached within " << kMostSteps << " steps: " << what;
    }

    // A play that stalls (a screen nobody answers, inside a modal loop) ends the run at once with
    // what was shown, rather than when the suite's time runs out. The timer also fires inside the
    // modal loops.
    void WatchForAStall()
    {
        lastStep_.start();
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            if (lastStep_.elapsed() < kStallMs)
                return;
            std::fprintf(stderr, "the play-through stalled after day %d; shown: %s; messages: %s\n", log_.days,
                         VisibleForms().c_str(), Messages().c_str());
            std::abort();
        });
        watchdog_.start(1000);
    }

    void AnswerOneStep()
    {
        lastStep_.restart();
        if (std::getenv("TARVELON_PLAY_TRACE"))  // each step on the error stream, to find where a run stalls
            std::fprintf(stderr, "day %d kind %d round %d/%d: %s| clubs %d %d, %s; %s\n", log_.days, Game.DayKind,
                         Game.LeagueRound, Game.LeagueTurn, VisibleForms().c_str(), Game.HumanClubs[0], Game.HumanClubs[1],
                         StandingOf(log_.humanClubs[0]).c_str(), StandingOf(log_.humanClubs[1]).c_str());
        if (auto* results = Shown<TForm67>())
            return EndTheDay(*results);
        if (auto* summary = Shown<TForm26>())
            return TurnTheSeason(*summary);

        if (auto* nationalHub = Shown<TForm75>())
            return PlayNationalTurn(*nationalHub);
        if (TForm23* auction = AuctionAwaitingBid()) {  // no bid: the computer clubs settle it
            ShortenResultPause(*auction);
            QTest::mouseClick(auction->CHButton1->Widget(), Qt::LeftButton);
            Pump(10);
            return;
        }
        if (TGameForm* notice = NoticeShown()) {
            PressKey(notice->Widget(), Qt::Key_Escape);
            Pump(10);
            if (notice == NoticeShown())
                notice->Close();
            Pump(10);
            return;
        }
        if (auto* matchday = Shown<TForm46>(); matchday && !Game.InstantPlay && !fastKeyPressed_) {
            PressKey(matchday->Widget(), Qt::Key_F5);  // the fastest of the speed keys
            fastKeyPressed_ = true;
            ++log_.liveDays;
            return;
        }
        if (TForm13* hub = HubReadyToPlay())
            return PlayHubTurn(*hub);
    }

    static void ShortenResultPause(TForm23& auction)
    {
        constexpr int kResultPauseMs = 100;
        auction.Timer1->SetInterval(kResultPauseMs);
        auction.Timer2->SetInterval(kResultPauseMs);
    }

    void PlayHubTurn(TForm13& hub)
    {
        ++log_.hubTurns;
        std::string leftShort;
        WhenLineupOpens([&leftShort](TForm87& lineup) { PlayTheAutomaticEleven(lineup, leftShort); });
        QTest::mouseClick(hub.btjogar->Widget(), Qt::LeftButton);
        ASSERT_TRUE(leftShort.empty()) << leftShort;
        Pump(10);
    }

    void PlayNationalTurn(TForm75& hub)
    {
        ++log_.nationalTurns;
        std::string leftShort;
        WhenLineupOpens([&leftShort](TForm87& lineup) { PlayTheAutomaticEleven(lineup, leftShort); });
        QTest::mouseClick(hub.btjogar->Widget(), Qt::LeftButton);
        // The line-up stands beside the national hub: the turn ends when the hub has closed it.
        ASSERT_TRUE(PumpUntil([] { return Form87.Get() == nullptr; }, 60000));
        ASSERT_TRUE(leftShort.empty()) << leftShort;
        ASSERT_TRUE(PumpUntil([&hub] { return Shown<TForm75>() != &hub || Game.CurrentHumanCoach >= 0; }));
        Pump(10);
    }

    // The day's results: the checks, "Continuar" (the calendar moves on), the checks again.
    void EndTheDay(TForm67& results)
    {
        results.Timer1->SetEnabled(false);  // instant play's own "Continuar" is the click below
        if (Game.DayKind == kKindStateChampionship)
            ++log_.stateDays;
        if (Game.DayKind == kKindWorldCup)
            ++log_.tournamentDays;
        else if (log_.tournamentDays > 0)
            ++log_.clubDaysAfterTournament;
        checks_->AtResults();
        QTest::mouseClick(results.bt3->Widget(), Qt::LeftButton);
        NoteDismissals();
        NoteListedSale();
        ++log_.days;
        fastKeyPressed_ = false;
        checks_->AfterDay();
        ASSERT_FALSE(::testing::Test::HasFailure()) << "day " << log_.days << " (calendar day " << Game.DayIndex << ")";
        ASSERT_TRUE(PumpUntil([&results] { return Shown<TForm67>() != &results; }));
    }

    static bool LedByAHuman(int club)
    {
        for (int slot = 0; slot < 6; ++slot)
            if (Game.HumanClubs[slot] == club)
                return true;
        return false;
    }

    // A chosen club no longer led by a human: its board dismissed the coach (boards judge results).
    void NoteDismissals()
    {
        for (int club : log_.humanClubs)
            if (!LedByAHuman(club) &&
                std::find(log_.dismissedFrom.begin(), log_.dismissedFrom.end(), club) == log_.dismissedFrom.end())
                log_.dismissedFrom.push_back(club);
    }

    void TurnTheSeason(TForm26& summary)
    {
        summary.Timer1->SetEnabled(false);
        ++log_.seasonsTurned;
        checks_->AfterSeasonTurn();
        QTest::mouseClick(summary.bt3->Widget(), Qt::LeftButton);  // "Continuar >>"
        ASSERT_TRUE(PumpUntil([&summary] { return Shown<TForm26>() != &summary; }, 30000));
    }

    // The first World Cup invitation reaching a coach is taken (its first offer free to lead); the
    // others are declined.
    void AnswerInvitation(TForm76& invitations)
    {
        const int club = Game.CurrentHumanClub;
        const bool take = log_.nationTaken == 0;
        if (take)
            ClickFirstFreeOffer(invitations);
        const int nationsBefore = Game.HumanNationCount;
        if (std::getenv("TARVELON_PLAY_TRACE"))
            std::fprintf(stderr, "invitation to club %d (take %d), nations %d\n", Game.CurrentHumanClub, take ? 1 : 0,
                         nationsBefore);
        QTest::mouseClick(invitations.btfechar->Widget(), Qt::LeftButton);
        Pump(10);
        if (take && Game.HumanNationCount > nationsBefore) {
            log_.nationTaken = Game.HumanNations[nationsBefore];
            log_.nationCoach = club;
        }
        if (Shown<TForm76>() == &invitations)
            invitations.Close();
        Pump(10);
    }

    // The call-up of the best of the country, then "Continuar >>".
    void CallUpTheSquad(TForm77& callUp)
    {
        const std::vector<int> squad = CallUpTheStrongest(callUp);
        if (std::getenv("TARVELON_PLAY_TRACE"))
            std::fprintf(stderr, "call-up of %s: %d found, %d goalkeepers and %d outfield players chosen\n",
                         Clubs[log_.nationTaken].name.str().c_str(), callUp.gfind->RowCount(),
                         callUp.Squad().Goalkeepers(), callUp.Squad().Outfield());
        ASSERT_TRUE(callUp.bt2->Enabled()) << "the call-up is not complete";
        Click(callUp.bt2);
        log_.calledUp = !squad.empty() && std::all_of(squad.begin(), squad.end(), [this](int player) {
            return Players[player].Club == log_.nationTaken;
        });
    }

    // A computer club's offer for a player: the first one taken with "Sim" while no player was
    // sold, the others answered "Não".
    void AnswerOffer(TForm68& offer)
    {
        const int player = DealPlayer;
        const int club = Game.CurrentHumanClub;
        const bool take = log_.playerSold == 0;
        QTest::mouseClick((take ? offer.bt3 : offer.GradButton1)->Widget(), Qt::LeftButton);
        Pump(10);
        if (take && player > 0 && Players[player].Club != club)
            log_.playerSold = player;
        if (Shown<TForm68>() == &offer)
            offer.Close();
        Pump(10);
    }

    // ---- the market

    // The hub's squad row of a player, selected with a click.
    static void SelectHubRow(TForm13& hub, int player)
    {
        if (const int row = RowWithId(*hub.gridview1, "id", player); row >= 0)
            ClickRow(*hub.gridview1, row, 60);
    }

    // The first coach's least valuable outfield player offered at his own auction ("Vender" on
    // the hub, a start price of 1 thousand): the computer clubs bid and one of them buys him.
    void SellAPlayer()
    {
        TForm13* hub = HubReadyToPlay();
        ASSERT_NE(hub, nullptr);
        const int club = Game.CurrentHumanClub;
        int player = 0;
        for (int p : PlayersOfClub(club))
            if (Players[p].Position != 0 && Players[p].loanStatus == 0 &&
                (player == 0 || Players[p].Value < Players[player].Value))
                player = p;
        ASSERT_GT(player, 0);
        SelectHubRow(*hub, player);
        ASSERT_EQ(hub->SelectedPlayer(), player);
        ActWhenShown<TForm44>([](TForm44& sale) {
            Type(sale.Edit1, "1");
            // Inside the sale's click the auction runs modally: the other coach passes.
            QTimer passer;
            QObject::connect(&passer, &QTimer::timeout, [] {
                if (TForm23* auction = AuctionAwaitingBid(); auction && auction->CHButton1->Enabled())
                    QTest::mouseClick(auction->CHButton1->Widget(), Qt::LeftButton);
            });
            passer.start(20);
            QTest::mouseClick(sale.bt1->Widget(), Qt::LeftButton);
            passer.stop();
        });
        QTest::mouseClick(hub->btvender->Widget(), Qt::LeftButton);
        ASSERT_TRUE(PumpUntil([] { return Shown<TForm44>() == nullptr && Shown<TForm23>() == nullptr; }, 60000))
            << VisibleForms();
        // Early in a season the computer clubs' squads are often full and nobody bids: the player
        // is then listed at a fixed price of 1 thousand ("Vender" again, the second way), which a
        // club of the division takes between rounds, unless a computer club's offer, taken with
        // "Sim", comes first.
        if (Players[player].Club != club) {
            log_.playerSold = player;
            return;
        }
        ASSERT_NO_FATAL_FAILURE(ListForSale(*hub, player));
        listed_ = player;
        listedFrom_ = club;
    }

    void ListForSale(TForm13& hub, int player)
    {
        SelectHubRow(hub, player);
        ASSERT_EQ(hub.SelectedPlayer(), player);
        ActWhenShown<TForm44>([](TForm44& sale) {
            QTest::mouseClick(sale.ck2->Widget(), Qt::LeftButton, {}, QPoint(8, sale.ck2->Height() / 2));
            Type(sale.Edit2, "1");
            QTest::mouseClick(sale.bt1->Widget(), Qt::LeftButton);
        });
        QTest::mouseClick(hub.btvender->Widget(), Qt::LeftButton);
        ASSERT_TRUE(PumpUntil([] { return Shown<TForm44>() == nullptr; }, 20000)) << VisibleForms();
        ASSERT_TRUE(Players[player].ListedForSale);
        ASSERT_EQ(CurrencyUnits(Players[player].AskingPrice), 1000);
    }

    // The listed player gone to another club: sold.
    void NoteListedSale()
    {
        if (log_.playerSold == 0 && listed_ > 0 && Players[listed_].Club != listedFrom_)
            log_.playerSold = listed_;

    }

    // A player listed for sale by a computer club of the coach's country, within his cash, bought
    // with "Comprar" in the market (F8, the club picked in the tree, the player in its squad).
    static int AffordableListedPlayer(int buyer, int& seller)
    {
        for (int c = 0; c < Game.LeagueClubCount; ++c) {
            if (c == buyer || Clubs[c].IsHuman)
                continue;
            for (int p : PlayersOfClub(c))
                if (Players[p].ListedForSale && Players[p].loanStatus == 0 && Players[p].AskingPrice > 0 &&
                    Players[p].AskingPrice <= Clubs[buyer].cash) {
                    seller = c;
                    return p;
                }
        }
        return 0;
    }

    static int RowWithId(TDataGrid& grid, const char* column, int id)
    {
        return RowWithText(grid, column, std::to_string(id));
    }

    void BuyAPlayer()
    {
        TForm13* hub = HubReadyToPlay();
        ASSERT_NE(hub, nullptr);
        const int club = Game.CurrentHumanClub;
        ASSERT_LT(Clubs[club].squadSize, kSquadLimit);
        int seller = -1;
        const int player = AffordableListedPlayer(club, seller);
        ASSERT_GT(player, 0) << "no player listed for sale within the cash";
        // The market is modal: what the coach does in it runs from inside its loop.
        bool done = false;
        ActWhenShown<TForm14>([this, seller, player, &done](TForm14& market) {
            BuyInTheMarket(market, seller, player);
            PressKey(market.Widget(), Qt::Key_Return);  // Enter closes the market
            done = true;
        });
        PressKey(hub->Widget(), Qt::Key_F8);
        ASSERT_TRUE(PumpUntil([&done] { return done && Shown<TForm14>() == nullptr; }, 20000));
        EXPECT_EQ(Players[player].Club, club) << "the purchase in the market";
        if (Players[player].Club == club)
            log_.playerBought = player;
    }

    // In the market: the seller picked in the tree, the player in its squad, "Comprar".
    void BuyInTheMarket(TForm14& market, int seller, int player)
    {
        TDataGrid& tree = *market.DataGrid1;
        const int clubRow = RowWithId(tree, "treeid", seller);
        ASSERT_GE(clubRow, 0);
        ClickRow(tree, clubRow, 80);
        ASSERT_EQ(MarketClub, seller);
        TDataGrid& squad = *market.joglist;
        const int playerRow = RowWithId(squad, "id", player);
        ASSERT_GE(playerRow, 0);
        ClickRow(squad, playerRow, 140);
        ASSERT_EQ(market.SelectedPlayer(), player);
        // A player may ask for a higher wage first: his demand is accepted ("Aceitar").
        ActWhenShown<TForm61>([](TForm61& demand) { QTest::mouseClick(demand.bt2->Widget(), Qt::LeftButton); }, 10000);
        Click(market.bt1);  // "Comprar"
    }

    // ---- the options

    // F3 on the hub, "automatic contracts" ticked, Escape: the contracts running out are extended
    // as the hub opens, so that the squads stay eligible through the season.
    void ChooseAutomaticContracts()
    {
        TForm13* hub = HubReadyToPlay();
        ASSERT_NE(hub, nullptr);
        bool done = false;
        ActWhenShown<TForm32>([&done](TForm32& options) {
            if (!options.ckcontrato->Checked())
                ClickBox(options.ckcontrato);
            PressKey(options.Widget(), Qt::Key_Escape);
            done = true;
        });
        PressKey(hub->Widget(), Qt::Key_F3);
        ASSERT_TRUE(PumpUntil([&done] { return done && Shown<TForm32>() == nullptr; }, 20000)) << VisibleForms();
        ASSERT_EQ(Game.autoContractExtension, 1);
    }

    // ---- save and load

    void SaveLeaveAndLoad()
    {
        TForm13* hub = HubReadyToPlay();
        ASSERT_NE(hub, nullptr);
        const std::string name = "jogo" + std::to_string(seed_);
        ActWhenShown<TForm40>([name](TForm40& dialog) {
            Type(dialog.Edit1, QString::fromStdString(name));
            QTest::mouseClick(dialog.bt1->Widget(), Qt::LeftButton);
        });
        QTest::keyClick(hub->Widget(), Qt::Key_F2);
        Pump(10);

        const std::string file = "sav/" + name + ".nsx";
        std::string found;
        for (const auto& entry : std::filesystem::directory_iterator("sav"))
            found += entry.path().filename().string() + " ";
        ASSERT_TRUE(std::filesystem::exists(file)) << file << "; the folder holds " << found << "; messages: " << Messages();
        log_.saved = true;
        const std::map<std::string, std::uint64_t> saved = TableFingerprints();

        // Back to the title (the program's main form, hidden while a game runs) and "Carregar Jogo".
        answerer_.reset();
        CloseEveryFormBut(title_);  // the title left alive
        title_->Show();
        Pump();
        // The screen lists the saves when it is first activated, which may come after it shows.
        const std::string listed = name + ".nsx";
        ActWhenShown<TForm21>(
            [listed](TForm21& screen) {
                const int row = RowWithText(*screen.grid1, "colarquivo", listed);
                ClickAt(screen.grid1->Widget(), QPoint(60, screen.grid1->RowTop(row) + 10));
                QTest::mouseClick(screen.BitBtn1->Widget(), Qt::LeftButton);
            },
            60000, [listed](TForm21& screen) { return RowWithText(*screen.grid1, "colarquivo", listed) >= 0; });
        ClickAt(title_->Widget(), QPoint(60, 200));  // "Carregar Jogo": modal until the load closes it
        ASSERT_TRUE(PumpUntil([] { return Shown<TForm13>() != nullptr; }, 30000)) << VisibleForms();
        EXPECT_FALSE(title_->Visible());
        log_.loaded = true;
        const std::map<std::string, std::uint64_t> loaded = TableFingerprints();
        for (const auto& [table, number] : saved)
            EXPECT_EQ(loaded.at(table), number) << "the loaded " << table << " differ from the saved";
        answerer_ = std::make_unique<InMatchAnswerer>();
        answerer_->LeaveToTheTest("TForm76");
        answerer_->LeaveToTheTest("TForm68");
        checks_->TakeLedgerAnew();
    }

    std::string Messages() const
    {
        std::string all;
        for (const std::string& message : messages_)
            all += "\"" + message + "\" ";
        return all;
    }

    // ---- what the game went through

    void ExpectWhatWasPlayed(int firstSeason)
    {
        EXPECT_EQ(Game.Season, firstSeason + 1);
        EXPECT_EQ(log_.seasonsTurned, 1);
        EXPECT_EQ(checks_->SeasonsChecked(), 1) << "the season's last day was checked";
        EXPECT_GE(log_.liveDays, 1);
        EXPECT_GT(log_.stateDays, 0) << "the state championships were played";
        EXPECT_GT(log_.hubTurns, 20);
        EXPECT_GT(log_.playerSold, 0);
        EXPECT_GT(log_.playerBought, 0);
        EXPECT_TRUE(log_.saved && log_.loaded);
        // A World Cup invitation taken, its squad called up and the national team led through the
        // national-team hub.
        EXPECT_GT(log_.nationTaken, 0) << "no invitation was taken";
        EXPECT_TRUE(log_.calledUp) << "the national squad was not called up";
        EXPECT_GT(log_.nationalTurns, 0) << "the national team was never led";
        // The tournament over, the called-up players are back at their clubs and the club season goes on.
        EXPECT_TRUE(CallUps.empty());
        EXPECT_GT(log_.clubDaysAfterTournament, 0);
        // Each coach still leads the club he chose, unless its board dismissed him on the way.
        for (int club : log_.humanClubs)
            EXPECT_TRUE(LedByAHuman(club) ||
                        std::find(log_.dismissedFrom.begin(), log_.dismissedFrom.end(), club) != log_.dismissedFrom.end())
                << "club " << club;
    }

    std::uint64_t seed_;
    // The match clock's ticks and the animations run at once; the screens' own pauses keep their
    // time, long enough for the play-through to find each screen before it goes on by itself.
    const QuickClock quickTicks_{kShortWaits};
    QTemporaryDir folder_;
    std::filesystem::path savedFolder_;
    TForm1* title_ = nullptr;
    std::unique_ptr<InMatchAnswerer> answerer_;
    std::unique_ptr<SeasonDayChecks> checks_;
    std::vector<std::string> messages_;
    PlayThroughLog log_;
    bool fastKeyPressed_ = false;
    int listed_ = 0;  // the player listed for sale after his auction found no buyer
    int listedFrom_ = -1;
    QTimer questions_;
    QTimer watchdog_;
    QElapsedTimer lastStep_;
    static constexpr int kStallMs = 300000;  // far above the longest wait of a step
    static constexpr int kAnswered = 68;
};

}  // namespace tarvelon::test
