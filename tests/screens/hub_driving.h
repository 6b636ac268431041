#pragma once
// Driving the hub as a coach does: "Escalar Time", a formation picked on the line-up screen with
// the keyboard (its automatic selection), and "Jogar >>".
#include <QElapsedTimer>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "controls/dc_combo.h"
#include "controls/dc_glow_button.h"
#include "grid/dg_grid.h"
#include "core/lineup/auto_lineup.h"
#include "core/records/game_state.h"
#include "core/vocab/tactics_board.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/menus.h"
#include "screens/club/hub_screen.h"
#include "screens/common/form_references.h"
#include "screens/common/game_form.h"
#include "screens/common/navigator.h"
#include "screens/matchday/lineup_screen.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/board_drags.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon::test {

// The game folder's background picture "img/f01.jpg" replaced while the object lives by what `write`
// writes there (nothing: a game folder without it) and loaded; the picture that was there before is
// put back and loaded again afterwards.
class BackgroundPictureForTest {
public:
    explicit BackgroundPictureForTest(const std::function<bool(const QString& path)>& write)
    {
        std::filesystem::create_directories("img");
        if (std::ifstream before{kPath, std::ios::binary})
            before_ = std::string(std::istreambuf_iterator<char>(before), {});
        std::filesystem::remove(kPath);
        loaded_ = write(QString::fromLatin1(kPath)) && LoadBackgroundBitmap();
    }
    ~BackgroundPictureForTest()
    {
        std::filesystem::remove(kPath);
        if (before_)
            std::ofstream(kPath, std::ios::binary) << *before_;
        LoadBackgroundBitmap();
    }
    BackgroundPictureForTest(const BackgroundPictureForTest&) = delete;
    BackgroundPictureForTest& operator=(const BackgroundPictureForTest&) = delete;
    bool Loaded() const { return loaded_; }

private:
    static constexpr const char* kPath = "img/f01.jpg";
    std::optional<std::string> before_;
    bool loaded_ = false;
};

// The background picture plain red (so a screen that tiles it shows red).
class RedBackgroundPicture : public BackgroundPictureForTest {
public:
    RedBackgroundPicture()
        : BackgroundPictureForTest([](const QString& path) {
              QImage red(32, 32, QImage::Format_RGB32);
              red.fill(QColor(220, 0, 0));
              return red.save(path, "JPG");
          })
    {
    }
};

// Runs `act` once on what `find` returns as soon as it returns a form, from inside whatever modal
// loop shows it. A timer looks for it, so that nothing waits nested under the loop it must act in
// (a nested wait would keep the loops opened before it from ending); it gives up after `ms`.
template <typename T>
void ActWhenFound(std::function<T*()> find, std::function<void(T&)> act, int ms)
{
    auto* timer = new QTimer();
    auto* clock = new QElapsedTimer();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, find, act, ms] {
        T* form = find();
        if (form == nullptr && clock->elapsed() < ms)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (form != nullptr)
            act(*form);
    });
    timer->start(5);
}

// Runs `act` once on the form of class T as soon as one shows and `ready` holds for it (a screen
// that fills itself on activation is shown before it is ready).
template <typename T>
void ActWhenShown(std::function<void(T&)> act, int ms = 10000, std::function<bool(T&)> ready = {})
{
    ActWhenFound<T>(
        [ready]() -> T* {
            T* form = Shown<T>();
            return form != nullptr && (!ready || ready(*form)) ? form : nullptr;
        },
        std::move(act), ms);
}

// The visible form of a registered class (null when none is shown).
inline TGameForm* ShownScreen(const std::string& formClass)
{
    for (int i = Screen->FormCount() - 1; i >= 0; --i)
        if (auto* form = dynamic_cast<TGameForm*>(Screen->Forms(i));
            form && form->Visible() && form->FormClass() == formClass)
            return form;
    return nullptr;
}

// Waits until the screen of `formClass` was the last one opened and is shown no more (a test's
// answerer closed it again).
inline ::testing::AssertionResult OpenedAndClosedAgain(const std::string& formClass)
{
    if (PumpUntil([&formClass] { return LastOpenedScreen() == formClass && !ShownScreen(formClass); }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the last screen opened is " << LastOpenedScreen() << ", not " << formClass
                                         << " closed again";
}

// The built hub on screen (null while none is).
inline TForm13* OpenHub()
{
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (auto* hub = dynamic_cast<TForm13*>(Screen->Forms(i)); hub && hub->Visible())
            return hub;
    return nullptr;
}

// Chooses an entry of a shown menu as the user does: the action under the mouse is triggered.
inline bool ChooseShown(TPopupMenu* menu, const std::string& caption)
{
    QMenu* shown = menu ? menu->ShownMenu() : nullptr;
    if (shown == nullptr)
        return false;
    for (QAction* action : shown->actions())
        if (action->text().toStdString().rfind(caption, 0) == 0 && action->isVisible() && action->isEnabled()) {
            QTest::mouseClick(shown, Qt::LeftButton, Qt::NoModifier, shown->actionGeometry(action).center());
            return true;
        }
    return false;
}

inline TForm87* OpenLineup() { return dynamic_cast<TForm87*>(Form87.Get()); }

// The formation a coach who accepts the automatic choice plays: "4-4-2", the layout the line-up
// screen opens with (the box's first item, "5-4-1", leaves one forward up front and loses).
inline constexpr int kAcceptedFormation = 4;

// On the line-up screen: each starter shirt the automatic selection left empty gets, dragged onto
// it with the mouse, the next substitute, or when the bench is used up the next fit player of the
// list, as a coach fills the places it could not.
inline void FillEmptyStartersFromTheBench(TForm87& lineup)
{
    QWidget* pitch = lineup.Panel1->Widget();
    TDataGrid* grid = lineup.gridview1;
    const LineupBoard& board = lineup.Board();
    int bench = kStarterShirts + 1;
    for (int shirt = 1; shirt <= kStarterShirts && !ReadyToKickOff(board); ++shirt) {
        if (board.HasPlayer(shirt))
            continue;
        const QPoint place = ShirtCentreOf(lineup.PitchBoard(), shirt);
        while (bench <= kShirtCount && !board.HasPlayer(bench))
            ++bench;
        if (bench <= kShirtCount) {
            DragMouse(pitch, ShirtCentreOf(lineup.PitchBoard(), bench), pitch, place);
            continue;
        }
        const auto free = std::find(board.rowCodes.begin(), board.rowCodes.end(), kCodeFree);
        if (free == board.rowCodes.end())
            return;
        const int row = static_cast<int>(free - board.rowCodes.begin());
        grid->ScrollToRow(row);
        DragMouse(grid->Widget(), QPoint(60, grid->RowTop(row) + 10), pitch, place);
    }
}

// On the open line-up screen: `downs` presses of the down key on the formation box (each runs
// the automatic selection), the places it left empty filled from the bench, then "Jogar >>".
inline void PickFormationAndPlay(TForm87& lineup, int downs)
{
    lineup.combtat->SetFocus();
    for (int i = 0; i < downs; ++i)
        QTest::keyClick(lineup.combtat->Widget(), Qt::Key_Down);
    FillEmptyStartersFromTheBench(lineup);
    QTest::mouseClick(lineup.bt_irprojogo->Widget(), Qt::LeftButton);
}

// The positions of the line-up's candidates, for a failure's message.
inline std::string CandidatePositions(const LineupBoard& board)
{
    int count[5] = {};
    for (const AutoCandidate& candidate : CollectAutoCandidates(board))
        if (candidate.position >= 0 && candidate.position < 5)
            ++count[candidate.position];
    int unavailable = 0;
    int blocked = 0;
    for (const int code : board.rowCodes) {
        unavailable += code == kCodeUnavailable;
        blocked += code == kCodeBlocked;
    }
    return "keepers " + std::to_string(count[0]) + ", full backs " + std::to_string(count[1]) + ", centre backs " +
           std::to_string(count[2]) + ", midfielders " + std::to_string(count[3]) + ", forwards " +
           std::to_string(count[4]) + " of " + std::to_string(board.rowPlayers.size()) + " (" +
           std::to_string(unavailable) + " injured or banned, " + std::to_string(blocked) +
           " out of contract or not yet eligible)";
}

// On the line-up screen: the accepted formation's automatic selection, the places it left empty
// filled from the bench, then "Jogar >>". A squad with fewer than eleven fit players kicks off
// short, as the screen lets it. When the screen would still refuse, it is left with "Voltar" and
// `leftShort` says why.
inline void PlayTheAutomaticEleven(TForm87& lineup, std::string& leftShort)
{
    lineup.combtat->SetFocus();
    for (int item = 0; item < kAcceptedFormation; ++item)  // the box starts with no item chosen
        QTest::keyClick(lineup.combtat->Widget(), Qt::Key_Down);
    FillEmptyStartersFromTheBench(lineup);
    if (ReadyToKickOff(lineup.Board())) {
        QTest::mouseClick(lineup.bt_irprojogo->Widget(), Qt::LeftButton);
        return;
    }
    leftShort = "the automatic selection and the bench leave the eleven of club " + std::to_string(Game.CurrentHumanClub) +
                " short on calendar day " + std::to_string(Game.DayIndex) + " (kind " + std::to_string(Game.DayKind) +
                "); candidates: " + CandidatePositions(lineup.Board());
    QTest::mouseClick(lineup.bt_voltar->Widget(), Qt::LeftButton);
}

// Runs `onLineup` on the line-up screen once it is open, from inside its modal loop (it may open
// only after the round's questions are answered).
template <typename F>
void WhenLineupOpens(F onLineup)
{
    ActWhenFound<TForm87>(
        [] {
            TForm87* lineup = OpenLineup();
            return lineup != nullptr && lineup->Visible() ? lineup : nullptr;
        },
        [onLineup](TForm87& lineup) { onLineup(lineup); }, 60000);
}

// One coach's turn: "Escalar Time", formation item downs - 1, "Jogar >>".
inline void PlayTurnFromHub(TForm13& hub, int downs = kAcceptedFormation)
{
    // The round's offers and notices come first (answered by the test), then the line-up.
    PumpUntil([] { return !PostRoundPending; });
    WhenLineupOpens([downs](TForm87& lineup) { PickFormationAndPlay(lineup, downs); });
    QTest::mouseClick(hub.btjogar->Widget(), Qt::LeftButton);
}

}  // namespace tarvelon::test
