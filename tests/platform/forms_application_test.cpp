// The application's queued calls run after the event being handled; its pause repaints the windows
// but drops the user's input and holds the game's timers.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include <stdexcept>

#include "platform/forms/application.h"
#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/forms/timer.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::Pump;
using test::PumpUntil;

// A shown form with one clickable control.
struct ClickForm {
    TForm form{nullptr};
    TCustomControl* button = new TCustomControl(&form);
    int clicks = 0;
    ClickForm()
    {
        button->SetParent(&form);
        button->SetBounds(10, 10, 60, 20);
        button->OnClick = [this](TObject*) { ++clicks; };
        form.Show();
    }
    void Click() { QTest::mouseClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }
};

TEST(QueueTest, CallRunsAfterTheHandlerThatQueuedItAndItsErrorsAreShown)
{
    ClickForm screen;
    std::vector<std::string> order;
    screen.button->OnClick = [&](TObject*) {
        Application->Queue([&] { order.push_back("queued"); });
        Application->Queue([] { throw std::runtime_error("Erro ao carregar o arquivo"); });
        order.push_back("handler");
    };
    std::string shown;
    Application->OnException = [&](TObject*, const std::exception& error) { shown = error.what(); };
    screen.Click();
    EXPECT_EQ(order, (std::vector<std::string>{"handler"}));
    EXPECT_TRUE(PumpUntil([&] { return !shown.empty(); }));
    EXPECT_EQ(order, (std::vector<std::string>{"handler", "queued"}));
    EXPECT_EQ(shown, "Erro ao carregar o arquivo");
    Application->OnException = nullptr;
}

TEST(PauseTest, RepaintsForItsTimeWhileInputAndTimersWait)
{
    ClickForm screen;
    int paints = 0;
    screen.form.OnPaint = [&](TObject*) { ++paints; };
    ASSERT_TRUE(PumpUntil([&] { return paints > 0; }));
    TTimer clock(nullptr);
    clock.SetInterval(5);
    int ticks = 0;
    clock.OnTimer = [&](TObject*) { ++ticks; };
    Pump(20);
    const int paintsBefore = paints;
    const int ticksBefore = ticks;
    screen.form.Invalidate();
    QTimer::singleShot(20, [&] {
        screen.Click();
        test::PressKey(screen.form.Widget(), Qt::Key_Escape);
    });
    QElapsedTimer clockTime;
    clockTime.start();
    Application->PauseRepaintingOnly(120);
    EXPECT_GE(clockTime.elapsed(), 120);
    EXPECT_GT(paints, paintsBefore);
    EXPECT_EQ(screen.clicks, 0);
    EXPECT_EQ(ticks, ticksBefore);
    EXPECT_FALSE(Application->Pausing());
    // Input and ticks come through again after the pause.
    screen.Click();
    EXPECT_EQ(screen.clicks, 1);
    EXPECT_TRUE(PumpUntil([&] { return ticks > ticksBefore; }));
}

}  // namespace
}  // namespace tarvelon

namespace tarvelon {
namespace {

// A program that opens a game at once has shown its own first window: the run leaves the main
// form hidden, and closing the main form ends the run.
TEST(RunTest, TheMainFormStaysHiddenWhenTheProgramShowedItsOwnFirstWindowAndClosingItEndsTheRun)
{
    TForm* main = new TForm(nullptr);
    TForm* previousMain = Application->MainForm();
    Application->SetMainForm(main);
    Application->ShowMainForm = false;
    bool mainShownDuringRun = true;
    Application->Queue([&] {
        mainShownDuringRun = main->Visible();
        main->Close();
    });
    Application->Run();
    EXPECT_FALSE(mainShownDuringRun);
    EXPECT_TRUE(Application->Terminated());
    Application->ResetTerminated();
    Application->ShowMainForm = true;
    Application->SetMainForm(previousMain);
    delete main;
}

}  // namespace
}  // namespace tarvelon
