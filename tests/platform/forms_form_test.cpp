// Forms: ShowModal runs its own loop (other forms' timers keep ticking) and returns ModalResult;
// Close asks OnCloseQuery and OnClose; caFree frees the form only after the closing handler has
// returned; closing the main form ends the program; placement, scaling and the form events.
#include <gtest/gtest.h>

#include <QCloseEvent>

#include <stdexcept>

#include "platform/forms/application.h"
#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/forms/keys.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "tests/platform/forms_test_support.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

using test::Pump;
using test::PumpUntil;

// Sets a flag when freed (owned by a form, it dies with it).
class TSentinel : public TComponent {
public:
    TSentinel(TComponent* owner, bool& freed) : TComponent(owner), freed_(freed) {}
    ~TSentinel() override { freed_ = true; }

private:
    bool& freed_;
};

TEST(ModalTest, ShowModalReturnsTheResultSetByATimerWhileAnotherFormsTimerTicks)
{
    TForm main(nullptr);
    main.Show();
    auto* ticker = new TTimer(&main);
    ticker->SetInterval(10);
    int ticks = 0;
    ticker->OnTimer = [&](TObject*) { ++ticks; };

    auto* dialog = CreateForm<TForm>(&main);
    auto* closer = new TTimer(dialog);
    closer->SetInterval(5);
    int ticksAtClose = -1;
    closer->OnTimer = [&](TObject*) {
        if (ticks >= 3 && ticksAtClose < 0) {
            ticksAtClose = ticks;
            dialog->SetModalResult(mrYes);
        }
    };
    bool shown = false;
    dialog->OnShow = [&](TObject*) { shown = dialog->Modal(); };
    const int ticksBefore = ticks;
    EXPECT_EQ(dialog->ShowModal(), mrYes);
    EXPECT_TRUE(shown);
    EXPECT_GE(ticksAtClose - ticksBefore, 3);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(dialog->Modal());
    EXPECT_THROW(
        {
            dialog->Show();
            dialog->ShowModal();
        },
        std::logic_error);
}

TEST(ModalTest, CloseEndsTheLoopWithCancelOnceCloseQueryAgrees)
{
    TForm dialog(nullptr);
    int queries = 0;
    dialog.OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries >= 2; };
    auto* closer = new TTimer(&dialog);
    closer->SetInterval(5);
    closer->OnTimer = [&](TObject*) { dialog.Close(); };
    TCloseAction seen = caNone;
    dialog.OnClose = [&](TObject*, TCloseAction& action) { seen = action; };
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(queries, 2);
    EXPECT_EQ(seen, caHide);
}

TEST(ModalTest, OnCloseWithCaNoneKeepsTheModalFormOpen)
{
    TForm dialog(nullptr);
    int closes = 0;
    dialog.OnClose = [&](TObject*, TCloseAction& action) {
        if (++closes == 1)
            action = caNone;
    };
    auto* closer = new TTimer(&dialog);
    closer->SetInterval(5);
    closer->OnTimer = [&](TObject*) { dialog.SetModalResult(mrOk); };
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(closes, 2);
}

TEST(ModalTest, TerminateEndsTheModalLoopWithCancel)
{
    TForm dialog(nullptr);
    auto* closer = new TTimer(&dialog);
    closer->SetInterval(5);
    closer->OnTimer = [&](TObject*) { Application->Terminate(); };
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_TRUE(Application->Terminated());
    Application->ResetTerminated();
}

TEST(CloseTest, FormFreedOnCloseLivesUntilTheClosingHandlerReturns)
{
    bool freed = false;
    bool destroyEvent = false;
    auto* form = new TForm(nullptr);
    new TSentinel(form, freed);
    form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    form->OnDestroy = [&](TObject*) { destroyEvent = true; };
    form->Show();
    auto* button = new TCustomControl(form);
    button->SetParent(form);
    button->SetBounds(0, 0, 50, 20);
    bool aliveAfterClose = false;
    button->OnClick = [&](TObject* sender) {
        form->Close();
        // Still whole: the handler may go on using the form and its controls.
        aliveAfterClose = !freed && static_cast<TControl*>(sender)->Width() == 50;
    };
    QTest::mouseClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(aliveAfterClose);
    EXPECT_FALSE(freed);
    EXPECT_TRUE(PumpUntil([&] { return freed; }));
    EXPECT_TRUE(destroyEvent);
}

TEST(CloseTest, ModalFormFreedOnCloseIsFreedAfterShowModalReturns)
{
    bool freed = false;
    auto* dialog = new TForm(nullptr);
    new TSentinel(dialog, freed);
    dialog->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    auto* closer = new TTimer(dialog);
    closer->SetInterval(5);
    closer->OnTimer = [&](TObject*) { dialog->SetModalResult(mrNo); };
    EXPECT_EQ(dialog->ShowModal(), mrNo);
    EXPECT_FALSE(freed);
    EXPECT_EQ(dialog->ModalResult(), mrNo);  // readable until the next events are handled
    EXPECT_TRUE(PumpUntil([&] { return freed; }));
}

TEST(CloseTest, FormClosedFromADialogThatItsHandlerOpenedLivesUntilThatHandlerReturns)
{
    // The hub's button opens a modal dialog whose own button closes the hub (caFree).
    bool hubFreed = false;
    auto* hub = new TForm(nullptr);
    new TSentinel(hub, hubFreed);
    hub->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    hub->Show();
    auto* play = new TCustomControl(hub);
    play->SetParent(hub);
    play->SetBounds(0, 0, 50, 20);
    auto* dialog = CreateForm<TForm>(nullptr);
    auto* ok = new TCustomControl(dialog);
    ok->SetParent(dialog);
    ok->SetBounds(0, 0, 50, 20);
    ok->OnClick = [&](TObject*) {
        hub->Close();
        dialog->SetModalResult(mrOk);
    };
    bool aliveAfterDialog = false;
    play->OnClick = [&](TObject*) {
        test::AnswerForm<TForm>(*dialog, [&](TForm&) {
            QTest::mouseClick(ok->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        });
        EXPECT_EQ(dialog->ShowModal(), mrOk);
        Pump(20);  // events handled after the dialog, still inside this handler
        aliveAfterDialog = !hubFreed && play->Width() == 50;
    };
    QTest::mouseClick(play->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(aliveAfterDialog);
    EXPECT_TRUE(PumpUntil([&] { return hubFreed; }));
    Free(dialog);
}

TEST(CloseTest, ClosingTheMainFormEndsTheProgram)
{
    TForm main(nullptr);
    Application->SetMainForm(&main);
    main.Show();
    main.Close();
    EXPECT_TRUE(Application->Terminated());
    Application->ResetTerminated();
    Application->SetMainForm(nullptr);
}

TEST(CloseTest, WindowCloseButtonAsksTheFormFirst)
{
    TForm form(nullptr);
    bool allow = false;
    form.OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    form.Show();
    QCloseEvent refused;
    QApplication::sendEvent(form.Widget(), &refused);
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.Widget()->isVisible());
    allow = true;
    QCloseEvent accepted;
    QApplication::sendEvent(form.Widget(), &accepted);
    EXPECT_FALSE(form.Visible());
    // That was the program's last window: the program ends rather than live on unseen.
    EXPECT_TRUE(PumpUntil([] { return Application->Terminated(); }));
    Application->ResetTerminated();
}

TEST(CloseTest, TheDesktopsCloseRequestIsTheFormsAltF4)
{
    TForm main(nullptr);
    main.Show();
    TForm dialog(nullptr);
    int altF4 = 0;
    dialog.SetKeyPreview(true);
    dialog.OnKeyDown = [&](TObject*, unsigned short& key, TShiftState shift) {
        if (key == VK_F4 && shift == ssAlt) {
            ++altF4;
            key = 0;  // swallowed: the dialog must be answered with its buttons
        }
    };
    dialog.Show();
    dialog.Widget()->close();  // the frame's close button: no Alt held
    EXPECT_EQ(altF4, 1);
    EXPECT_TRUE(dialog.Visible());
    dialog.OnKeyDown = nullptr;
    dialog.Widget()->close();
    EXPECT_FALSE(dialog.Visible());
    Pump(10);
    EXPECT_FALSE(Application->Terminated());  // another window still shows
}

TEST(CloseTest, HiddenFormCloseHidesIt)
{
    TForm form(nullptr);
    bool hidden = false;
    form.OnHide = [&](TObject*) { hidden = true; };
    form.Show();
    EXPECT_TRUE(form.Widget()->isVisible());
    form.Close();
    EXPECT_TRUE(hidden);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Widget()->isVisible());
}

TEST(FormTest, CreateFormFiresOnCreateOnceAndShowFiresOnShow)
{
    struct TCounting : TForm {
        explicit TCounting(TComponent* owner) : TForm(owner)
        {
            OnCreate = [this](TObject*) { ++creates; };
            OnShow = [this](TObject*) { ++shows; };
        }
        int creates = 0;
        int shows = 0;
    };
    auto* form = CreateForm<TCounting>(nullptr);
    EXPECT_EQ(form->creates, 1);
    form->Show();
    form->Hide();
    form->Show();
    EXPECT_EQ(form->creates, 1);
    EXPECT_EQ(form->shows, 2);
    Free(form);
}

TEST(FormTest, ScreenCenterPlacesTheFormInTheMiddleOfTheWorkArea)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    form.SetPosition(poScreenCenter);
    form.Show();
    const TRect area = Screen->WorkAreaRect();
    EXPECT_EQ(form.Left(), area.Left + (area.Width() - 200) / 2);
    EXPECT_EQ(form.Top(), area.Top + (area.Height() - 100) / 2);
}

TEST(FormTest, OwnerFormCenterPlacesADialogOverItsOwner)
{
    TForm owner(nullptr);
    owner.SetBounds(100, 100, 400, 300);
    owner.Show();
    auto* dialog = new TForm(&owner);
    dialog->SetBounds(0, 0, 100, 50);
    dialog->SetPosition(poOwnerFormCenter);
    dialog->Show();
    EXPECT_EQ(dialog->Left(), 100 + 150);
    EXPECT_EQ(dialog->Top(), 100 + 125);
}

TEST(FormTest, MainAndOwnerFormCenterUseTheScreenWhileThatFormIsHidden)
{
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->SetBounds(10, 10, 400, 300);
    main->Show();
    main->Hide();
    const TRect area = Screen->WorkAreaRect();
    for (TPosition position : {poMainFormCenter, poOwnerFormCenter}) {
        auto* dialog = new TForm(main);
        dialog->SetBounds(0, 0, 100, 50);
        dialog->SetPosition(position);
        auto* closer = new TTimer(dialog);
        closer->SetInterval(5);
        closer->OnTimer = [dialog](TObject*) { dialog->SetModalResult(mrOk); };
        dialog->ShowModal();
        EXPECT_EQ(dialog->Left(), area.Left + (area.Width() - 100) / 2) << position;
        EXPECT_EQ(dialog->Top(), area.Top + (area.Height() - 50) / 2) << position;
    }
    Free(main);
}

TEST(FormTest, TopLevelFormAlignedToClientFillsTheWorkArea)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    form.SetAlign(alClient);
    form.Show();
    EXPECT_EQ(form.BoundsRect(), Screen->WorkAreaRect());
    EXPECT_EQ(form.Widget()->size(), QSize(form.Width(), form.Height()));
}

TEST(FormTest, ModalFormOpenedFromAStayOnTopFormFloatsAboveItWhileModal)
{
    TForm top(nullptr);
    top.SetFormStyle(fsStayOnTop);
    top.Show();
    TForm dialog(nullptr);
    bool onTopWhileModal = false;
    auto* closer = new TTimer(&dialog);
    closer->SetInterval(5);
    closer->OnTimer = [&](TObject*) {
        onTopWhileModal = dialog.Widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint) && dialog.Visible();
        dialog.SetModalResult(mrOk);
    };
    dialog.ShowModal();
    EXPECT_TRUE(onTopWhileModal);
    EXPECT_FALSE(dialog.Widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(FormTest, ScaleByScalesControlsFontsAndTheForm)
{
    TForm form(nullptr);
    form.SetClientWidth(200);
    form.SetClientHeight(100);
    form.Font().SetHeight(-12);
    auto* child = new TCustomControl(&form);
    child->SetParent(&form);
    child->SetBounds(10, 20, 30, 40);
    auto* own = new TCustomControl(&form);
    own->SetParent(&form);
    own->Font().SetHeight(-10);
    form.ScaleBy(3, 2);
    EXPECT_EQ(child->BoundsRect(), Bounds(15, 30, 45, 60));
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.ClientHeight(), 150);
    EXPECT_EQ(form.Font().Height(), -18);
    EXPECT_EQ(child->Font().Height(), -18);  // follows the form's font
    EXPECT_EQ(own->Font().Height(), -15);
}

TEST(FormTest, OnPaintDrawsOnTheFormsCanvas)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 100);
    form.SetColor(clWhite);
    form.OnPaint = [&](TObject*) {
        form.Canvas().Brush.SetColor(clRed);
        form.Canvas().FillRect(Rect(0, 0, 10, 10));
    };
    form.Show();
    form.Update();
    EXPECT_EQ(form.BackingImage().pixel(5, 5) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(form.BackingImage().pixel(50, 50) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(FormTest, CaptionIsTheWindowTitle)
{
    TForm form(nullptr);
    form.SetCaption("Transferências");
    form.Show();
    EXPECT_EQ(form.Widget()->windowTitle(), QString::fromUtf8("Transferências"));
}

TEST(FormTest, WindowIsDraggedByItsCaptionAreaOnly)
{
    struct TCaptionForm : TForm {
        using TForm::TForm;
        THitTest HitTest(int x, int y) const override { return y < 20 ? HTCAPTION : HTCLIENT; }
    };
    TCaptionForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(100, 100, 200, 100);
    form.Show();
    int downs = 0;
    form.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    QWidget* widget = form.Widget();
    test::SendMouse(widget, QEvent::MouseButtonPress, QPoint(10, 5), Qt::LeftButton, Qt::LeftButton);
    test::MoveMouse(widget, QPoint(40, 25), Qt::LeftButton);
    test::SendMouse(widget, QEvent::MouseButtonRelease, QPoint(10, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(form.Left(), 130);
    EXPECT_EQ(form.Top(), 120);
    EXPECT_EQ(downs, 0);
    test::SendMouse(widget, QEvent::MouseButtonPress, QPoint(10, 50), Qt::LeftButton, Qt::LeftButton);
    test::MoveMouse(widget, QPoint(40, 70), Qt::LeftButton);
    test::SendMouse(widget, QEvent::MouseButtonRelease, QPoint(40, 70), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(form.Left(), 130);
    EXPECT_EQ(downs, 1);
}

TEST(ApplicationTest, ExceptionInAHandlerIsShownAndTheProgramGoesOn)
{
    std::string shown;
    Application->OnException = [&](TObject*, const std::exception& error) { shown = error.what(); };
    TForm form(nullptr);
    form.Show();
    auto* control = new TCustomControl(&form);
    control->SetParent(&form);
    control->SetBounds(0, 0, 20, 20);
    control->OnClick = [](TObject*) { throw std::runtime_error("Erro ao carregar o arquivo"); };
    QTest::mouseClick(control->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_EQ(shown, "Erro ao carregar o arquivo");
    auto* timer = new TTimer(&form);
    timer->SetInterval(5);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) {
        ++ticks;
        throw std::runtime_error("tick");
    };
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    EXPECT_EQ(shown, "tick");
    Application->OnException = nullptr;
}

TEST(ApplicationTest, RunShowsTheMainFormAndReturnsOnTerminate)
{
    TForm* main = nullptr;
    Application->CreateForm(main);
    EXPECT_EQ(Application->MainForm(), main);
    EXPECT_EQ(main->Owner(), Application);
    auto* timer = new TTimer(main);
    timer->SetInterval(5);
    int ticks = 0;
    bool shownWhileRunning = false;
    timer->OnTimer = [&](TObject*) {
        shownWhileRunning = main->Visible();
        if (++ticks == 2)
            Application->Terminate();
    };
    Application->Run();
    EXPECT_EQ(ticks, 2);
    EXPECT_TRUE(shownWhileRunning);
    Application->ResetTerminated();
    Application->SetMainForm(nullptr);
    Free(main);
}

TEST(ApplicationTest, ProcessMessagesRunsWaitingPaints)
{
    TForm form(nullptr);
    int paints = 0;
    form.OnPaint = [&](TObject*) { ++paints; };
    form.Show();
    ASSERT_TRUE(PumpUntil([&] { return paints > 0; }));  // the window is on the screen
    Pump(20);
    const int before = paints;
    form.Invalidate();
    Application->ProcessMessages();
    EXPECT_EQ(paints, before + 1);
}

}  // namespace
}  // namespace tarvelon
