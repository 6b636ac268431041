// The glossy button with real mouse and key events: hover fades, press and release, clicks, repeat
// while held, the keyboard's click, toggle groups, and what it paints in each state.
#include <gtest/gtest.h>

#include <QBuffer>

#include "controls/grad_button.h"
#include "tests/controls/glow_support.h"

namespace tarvelon {
namespace {

using test::BackingPixel;
using test::MoveMouse;
using test::Near;
using test::Rgb;
using test::SendMouse;

class GlowButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(50, 50, 320, 200);
        form->SetColor(0x00FF00);  // green, so the corners show the parent
        button = new TDcGlowButton(form);
        button->SetParent(form);
        button->SetBounds(20, 20, 100, 41);
        button->SetCaption("Jogar >>");
        button->SetParentFont(false);
        button->Font().SetName("Arial");
        button->Font().SetStyle(TFontStyles{fsBold});
        button->Font().SetColor(0x313131);
        button->OnClick = [this](TObject*) { ++clicks; };
        form->Show();
        test::Pump();
    }
    void TearDown() override { delete form; }

    QWidget* W() { return button->Widget(); }
    void Press(QPoint at) { SendMouse(W(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void Release(QPoint at) { SendMouse(W(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
    void RunFadeToEnd()
    {
        for (int i = 0; i < 10 && button->Fading(); ++i)
            button->FadeTick();
    }

    TForm* form = nullptr;
    TDcGlowButton* button = nullptr;
    int clicks = 0;
};

TEST_F(GlowButtonTest, CreatedWithTheDocumentedValues)
{
    TDcGlowButton fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 100);
    EXPECT_EQ(fresh.Height(), 41);
    EXPECT_EQ(fresh.AntiAlias(), aaClearType);
    EXPECT_EQ(fresh.Position(), bpStandalone);
    EXPECT_EQ(fresh.Layout(), blGlyphLeft);
    EXPECT_EQ(fresh.InitRepeatPause(), 400);
    EXPECT_EQ(fresh.RepeatPause(), 100);
    EXPECT_EQ(fresh.Spacing(), 2);
    EXPECT_TRUE(fresh.Rounded());
    EXPECT_TRUE(fresh.WordWrap());
    EXPECT_FALSE(fresh.TabStop());
    EXPECT_EQ(fresh.NotesFont().Name(), "Tahoma");
    EXPECT_EQ(fresh.Version(), "1.9.1.1");
    fresh.SetVersion("9");
    EXPECT_EQ(fresh.Version(), "1.9.1.1");
}

TEST_F(GlowButtonTest, RestingLeftButtonShowsTheMirrorFaceAndItsBorders)
{
    button->SetPosition(bpLeft);
    // Upper half white, lower half from white at the middle row to silver at the bottom.
    EXPECT_EQ(BackingPixel(button, 50, 8), 0xFFFFFFu);
    EXPECT_TRUE(Near(BackingPixel(button, 50, 20), 0xFFFFFF, 4));
    EXPECT_TRUE(Near(BackingPixel(button, 50, 39), 0xC0C0C0, 6));
    const unsigned mid = BackingPixel(button, 50, 30);
    EXPECT_LT(mid & 0xFF, 0xFAu);
    EXPECT_GT(mid & 0xFF, 0xC4u);
    // Silver top and left edges; the straight right edge one shade darker.
    EXPECT_EQ(BackingPixel(button, 50, 0), 0xC0C0C0u);
    EXPECT_EQ(BackingPixel(button, 0, 20), 0xC0C0C0u);
    EXPECT_EQ(BackingPixel(button, 99, 20), 0xB6B6B6u);
    // Rounded on the left: the parent shows in those corners, not in the right ones.
    EXPECT_EQ(BackingPixel(button, 0, 0), 0x00FF00u);
    EXPECT_EQ(BackingPixel(button, 0, 40), 0x00FF00u);
    EXPECT_NE(BackingPixel(button, 99, 0), 0x00FF00u);
}

TEST_F(GlowButtonTest, SquareButtonPaintsNoParentCorners)
{
    button->SetRounded(false);
    // The square frame's corners stay the button's (grey), never the parent's green.
    for (QPoint corner : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 40), QPoint(99, 40)}) {
        const unsigned pixel = BackingPixel(button, corner.x(), corner.y());
        EXPECT_EQ(pixel >> 16 & 0xFF, pixel & 0xFF);
    }
    EXPECT_EQ(BackingPixel(button, 0, 20), 0xC0C0C0u);
}

TEST_F(GlowButtonTest, HoverFadesToTheHotLookInSixTicksOfTwentyPercent)
{
    MoveMouse(W(), QPoint(30, 20));
    EXPECT_TRUE(button->Hot());
    EXPECT_TRUE(button->MouseInControl());
    ASSERT_TRUE(button->Fading());
    EXPECT_EQ(button->HotLevel(), 0);
    button->FadeTick();
    button->FadeTick();
    EXPECT_EQ(button->HotLevel(), 40);
    // Left of the radial glow the upper half keeps its solid colour: hot blended into normal by 40 %.
    EXPECT_EQ(BackingPixel(button, 5, 16), Rgb(BlendColor(0xF5F0E1, 0xFFFFFF, 40)));
    button->FadeTick();
    button->FadeTick();
    button->FadeTick();
    EXPECT_EQ(button->HotLevel(), 100);
    EXPECT_TRUE(button->Fading());
    button->FadeTick();  // the sixth tick ends the fade
    EXPECT_FALSE(button->Fading());
    EXPECT_EQ(button->HotLevel(), 100);
    // The hot set: solid surround beside the glow, blue border, the glow's centre at the top middle.
    EXPECT_EQ(BackingPixel(button, 5, 16), Rgb(0xF5F0E1));
    EXPECT_EQ(BackingPixel(button, 50, 0), Rgb(0xFF0000));
    EXPECT_TRUE(Near(BackingPixel(button, 50, 2), Rgb(0xF9D2B2), 10));
    EXPECT_TRUE(Near(BackingPixel(button, 50, 38), Rgb(0xFFF8F4), 10));

    // Leaving restarts from 100 and falls back to the normal look.
    MoveMouse(form->Widget(), QPoint(250, 150));
    EXPECT_FALSE(button->Hot());
    EXPECT_EQ(button->HotLevel(), 100);
    RunFadeToEnd();
    EXPECT_EQ(button->HotLevel(), 0);
    EXPECT_EQ(BackingPixel(button, 5, 16), 0xFFFFFFu);
}

TEST_F(GlowButtonTest, QuickReentryReversesTheFadeFromWhereItStands)
{
    MoveMouse(W(), QPoint(30, 20));
    RunFadeToEnd();
    MoveMouse(form->Widget(), QPoint(250, 150));
    button->FadeTick();
    button->FadeTick();
    EXPECT_EQ(button->HotLevel(), 60);
    MoveMouse(W(), QPoint(30, 20));
    button->FadeTick();
    EXPECT_EQ(button->HotLevel(), 80);
}

TEST_F(GlowButtonTest, TheFadeTimerRunsEveryThirtyMilliseconds)
{
    MoveMouse(W(), QPoint(30, 20));
    ASSERT_TRUE(button->Fading());
    EXPECT_TRUE(test::PumpUntil([this] { return !button->Fading(); }, 2000));
    EXPECT_EQ(button->HotLevel(), 100);
}

TEST_F(GlowButtonTest, PressAndReleaseInsideClicksOnce)
{
    MoveMouse(W(), QPoint(30, 20));
    Press(QPoint(30, 20));
    EXPECT_EQ(button->ButtonState(), glowDown);
    EXPECT_TRUE(button->IsPressed());
    RunFadeToEnd();
    EXPECT_EQ(button->DownLevel(), 100);
    // Pressed look: the down set, navy border.
    EXPECT_EQ(BackingPixel(button, 50, 0), Rgb(0x800000));
    Release(QPoint(30, 20));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->ButtonState(), glowUp);
    RunFadeToEnd();
    EXPECT_EQ(button->DownLevel(), 0);
    EXPECT_FALSE(button->IsPressed());
}

TEST_F(GlowButtonTest, DraggingOutShowsUpAndReleasingOutsideDoesNotClick)
{
    MoveMouse(W(), QPoint(30, 20));
    Press(QPoint(30, 20));
    MoveMouse(W(), QPoint(150, 20), Qt::LeftButton);
    EXPECT_EQ(button->ButtonState(), glowUp);
    MoveMouse(W(), QPoint(40, 20), Qt::LeftButton);
    EXPECT_EQ(button->ButtonState(), glowDown);
    // The row just below still counts as inside for the look.
    MoveMouse(W(), QPoint(40, 41), Qt::LeftButton);
    EXPECT_EQ(button->ButtonState(), glowDown);
    MoveMouse(W(), QPoint(150, 20), Qt::LeftButton);
    Release(QPoint(150, 20));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button->ButtonState(), glowUp);
}

TEST_F(GlowButtonTest, RepeatClickFiresAfterTheInitialPauseThenEveryRepeatPause)
{
    button->SetRepeatClick(true);
    MoveMouse(W(), QPoint(30, 20));
    Press(QPoint(30, 20));
    test::Pump(300);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(test::PumpUntil([this] { return clicks >= 1; }, 1000));
    EXPECT_TRUE(test::PumpUntil([this] { return clicks >= 4; }, 1000));
    Release(QPoint(30, 20));
    const int held = clicks;  // the release's own click comes on top
    test::Pump(350);
    EXPECT_EQ(clicks, held);
}

TEST_F(GlowButtonTest, DisabledButtonUsesTheDisabledSetEvenWhileFading)
{
    MoveMouse(W(), QPoint(30, 20));
    button->FadeTick();
    button->SetEnabled(false);
    ASSERT_TRUE(button->Fading());
    EXPECT_EQ(BackingPixel(button, 5, 16), Rgb(0xF2F2F2));
    EXPECT_EQ(BackingPixel(button, 50, 0), Rgb(0x808080));
    EXPECT_EQ(button->ButtonState(), glowDisabled);
    // The caption is grey: no pixel of the face is darker than the grey text.
    button->Update();
    const QImage& image = button->BackingImage();
    int darkest = 255;
    for (int y = 5; y < 36; ++y)
        for (int x = 5; x < 95; ++x)
            darkest = std::min(darkest, qGreen(image.pixel(x, y)));
    EXPECT_NEAR(darkest, 0x80, 8);
    button->SetEnabled(true);
    button->Update();
    EXPECT_EQ(button->ButtonState(), glowUp);
}

TEST_F(GlowButtonTest, SpaceClicksOncePerKeyPressAndSetsTheFormResult)
{
    button->SetTabStop(true);
    button->SetModalResult(mrOk);
    button->SetFocus();
    test::Pump();
    test::SendKey(W(), QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(button->ButtonState(), glowDown);
    EXPECT_EQ(clicks, 1);
    test::SendKey(W(), QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");  // auto-repeat
    EXPECT_EQ(clicks, 2);
    test::SendKey(W(), QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(button->ButtonState(), glowUp);
    EXPECT_EQ(form->ModalResult(), mrOk);
}

TEST_F(GlowButtonTest, EnterGoesToTheFocusedGlossyButtonOnly)
{
    auto* other = new TDcGlowButton(form);
    other->SetParent(form);
    other->SetBounds(150, 20, 100, 41);
    other->SetDefault(true);
    other->SetTabStop(true);
    int otherClicks = 0;
    other->OnClick = [&otherClicks](TObject*) { ++otherClicks; };
    button->SetTabStop(true);
    button->SetFocus();
    test::Pump();
    EXPECT_TRUE(button->ActiveDefault());
    EXPECT_FALSE(other->ActiveDefault());
    test::PressKey(W(), Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(otherClicks, 0);
}

// Beside a gradient push button: whichever button has the focus takes Enter, not the default one;
// Escape presses neither default button.
TEST_F(GlowButtonTest, EnterGoesToTheFocusedButtonOfEitherKind)
{
    auto* grad = new TGradButton(form);
    grad->SetParent(form);
    grad->SetBounds(150, 20, 75, 25);
    int gradClicks = 0;
    grad->OnClick = [&gradClicks](TObject*) { ++gradClicks; };
    button->SetTabStop(true);
    button->SetDefault(true);
    grad->SetFocus();
    test::Pump();
    test::PressKey(grad->Widget(), Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(gradClicks, 1);
    EXPECT_EQ(clicks, 0);
    button->SetDefault(false);
    grad->SetDefault(true);
    button->SetFocus();
    test::Pump();
    test::PressKey(W(), Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(gradClicks, 1);
    test::PressKey(W(), Qt::Key_Escape);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(gradClicks, 1);
}

TEST_F(GlowButtonTest, AltAndTheCaptionsAcceleratorClicks)
{
    button->SetCaption("&Jogar >>");
    auto* other = new TGradButton(form);
    other->SetParent(form);
    other->SetBounds(150, 20, 75, 25);
    other->SetCaption("Sair");
    other->SetFocus();
    test::Pump();
    test::SendKey(other->Widget(), QEvent::KeyPress, Qt::Key_J, Qt::AltModifier, "j");
    EXPECT_EQ(clicks, 1);
    // Without Alt the letter is not the glossy button's.
    test::PressKey(other->Widget(), Qt::Key_J, Qt::NoModifier, "j");
    EXPECT_EQ(clicks, 1);
    button->SetEnabled(false);
    test::SendKey(other->Widget(), QEvent::KeyPress, Qt::Key_J, Qt::AltModifier, "j");
    EXPECT_EQ(clicks, 1);
}

TEST_F(GlowButtonTest, GroupedButtonsReleaseEachOther)
{
    auto* other = new TDcGlowButton(form);
    other->SetParent(form);
    other->SetBounds(150, 20, 100, 41);
    button->SetGroupIndex(1);
    other->SetGroupIndex(1);
    button->SetDown(true);
    EXPECT_EQ(button->ButtonState(), glowExclusive);
    other->SetDown(true);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(button->ButtonState(), glowUp);
    // Without AllowAllUp the down button cannot be released through Down.
    other->SetDown(false);
    EXPECT_TRUE(other->Down());
    // A plain button never latches.
    TDcGlowButton plain(nullptr);
    plain.SetDown(true);
    EXPECT_FALSE(plain.Down());
}

TEST_F(GlowButtonTest, CheckButtonTogglesOnPressAndReturnsUpWhenReleasedOutside)
{
    button->SetStyle(bsCheck);
    MoveMouse(W(), QPoint(30, 20));
    Press(QPoint(30, 20));
    EXPECT_TRUE(button->Down());
    Release(QPoint(30, 20));
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(clicks, 1);
    Press(QPoint(30, 20));
    EXPECT_FALSE(button->Down());
    Press(QPoint(30, 20));
    EXPECT_TRUE(button->Down());
    MoveMouse(W(), QPoint(150, 20), Qt::LeftButton);
    Release(QPoint(150, 20));
    EXPECT_FALSE(button->Down());
}

TEST_F(GlowButtonTest, DrawEventReportsTheState)
{
    std::vector<int> states;
    button->OnDrawButton = [&states](TObject*, TCanvas&, TRect rect, int state) {
        EXPECT_EQ(rect.Right, 100);
        states.push_back(state);
    };
    button->Repaint();
    MoveMouse(W(), QPoint(30, 20));
    button->Repaint();
    Press(QPoint(30, 20));
    button->Repaint();
    ASSERT_GE(states.size(), 3u);
    EXPECT_EQ(states.front(), 0);
    EXPECT_EQ(states.back(), 2);
    EXPECT_NE(std::find(states.begin(), states.end(), 1), states.end());
}

TEST_F(GlowButtonTest, AButtonAskingForTheSystemFontTakesTahomaAtItsOwnSizeAndStyle)
{
    // The classic text output leaves the caption's font on the canvas the draw event receives.
    button->SetAntiAlias(aaNone);
    TFont drawn;
    button->OnDrawButton = [&drawn](TObject*, TCanvas& canvas, TRect, int) { drawn.Assign(canvas.Font); };
    button->Repaint();
    EXPECT_EQ(drawn.Name(), "Tahoma");
    EXPECT_EQ(drawn.Size(), button->Font().Size());
    EXPECT_TRUE(drawn.Style().Contains(fsBold));
    button->Appearance().SetSystemFont(false);
    button->Repaint();
    EXPECT_EQ(drawn.Name(), "Arial");
}

TEST_F(GlowButtonTest, AutoSizeFitsTheCaption)
{
    button->SetAutoSize(true);
    button->Update();
    EXPECT_LT(button->Width(), 100);
    EXPECT_GT(button->Width(), 40);
    EXPECT_LT(button->Height(), 41);
    // A caption changed while the button is off its form cannot be measured at once: the
    // recalculation is dropped, and the button keeps its size until the next re-measure.
    const int fitted = button->Width();
    button->SetParent(nullptr);
    button->SetCaption("Voltar ao jogo agora >>");
    button->SetParent(form);
    button->Repaint();
    EXPECT_EQ(button->Width(), fitted);
    button->SetCaption("Voltar ao jogo >>");
    EXPECT_GT(button->Width(), fitted);
}

TEST_F(GlowButtonTest, OnlyEnteringTheLargeSizeStateRestoresTheSavedLayout)
{
    button->SetAutoSize(true);
    button->SetLayout(blGlyphTop);
    button->SetMaxButtonSizeState(bsLarge);  // already large: the layout stays
    EXPECT_EQ(button->Layout(), blGlyphTop);
    button->SetMaxButtonSizeState(bsLabel);  // leaving saves it; smaller states lay the glyph left
    EXPECT_EQ(button->Layout(), blGlyphLeft);
    button->SetMaxButtonSizeState(bsGlyph);
    EXPECT_EQ(button->Layout(), blGlyphLeft);
    button->SetMaxButtonSizeState(bsLarge);  // entering restores it
    EXPECT_EQ(button->Layout(), blGlyphTop);
}

TEST_F(GlowButtonTest, AssignCopiesActionConstraintsDragKindAndTabOrder)
{
    auto* other = new TDcGlowButton(form);
    other->SetParent(form);
    other->SetBounds(150, 20, 100, 41);
    auto* first = new TDcGlowButton(form);
    first->SetParent(form);
    first->SetBounds(150, 100, 100, 41);
    auto* action = new TBasicAction(form);
    int executed = 0;
    action->OnExecute = [&](TObject*) { ++executed; };
    button->OnClick = nullptr;
    button->SetAction(action);
    button->SetConstraints({0, 0, 120, 30});
    button->SetDragKind(dkDock);
    button->SetTabOrder(2);
    EXPECT_EQ(button->Height(), 30);
    other->Assign(*button);
    EXPECT_EQ(other->Action(), action);
    EXPECT_EQ(other->Constraints(), (TSizeConstraints{0, 0, 120, 30}));
    EXPECT_EQ(other->Height(), 30);
    EXPECT_EQ(other->DragKind(), dkDock);
    EXPECT_EQ(other->TabOrder(), 2);
    EXPECT_NE(first->TabOrder(), 2);
    other->SetWidth(200);
    EXPECT_EQ(other->Width(), 120);
    // A click on the copy runs the action it took over.
    const QPoint at(40, 15);
    MoveMouse(other->Widget(), at);
    SendMouse(other->Widget(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(other->Widget(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(executed, 1);
    // A freed action is forgotten.
    delete action;
    EXPECT_EQ(other->Action(), nullptr);
    EXPECT_EQ(button->Action(), nullptr);
}

}  // namespace
}  // namespace tarvelon

namespace tarvelon {
namespace {

TBytes RedSquarePng(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 0));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return TBytes(data.begin(), data.end());
}

TEST_F(GlowButtonTest, PictureStandsLeftOfTheCaptionAsOneCentredGroup)
{
    button->Picture().LoadFromStream(RedSquarePng(16));
    button->SetWidth(160);
    button->Update();
    const QImage& image = button->BackingImage();
    int left = 1000, right = -1, top = 1000, bottom = -1, textLeft = 1000, textRight = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c.red() > 240 && c.green() < 20 && c.blue() < 20) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            } else if (c.red() < 120 && c.green() < 120 && c.blue() < 120) {
                textLeft = std::min(textLeft, x), textRight = std::max(textRight, x);
            }
        }
    EXPECT_EQ(right - left + 1, 16);
    EXPECT_EQ(top, (41 - 16) / 2);
    EXPECT_EQ(bottom, top + 15);
    EXPECT_LT(right, textLeft);
    // Picture and caption together sit about the middle.
    EXPECT_NEAR((left + textRight) / 2, 80, 8);
}

// Leftmost column of the red picture in the button's image (-1 when none shows).
int PictureLeft(const QImage& image)
{
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y) {
            const QColor c(image.pixel(x, y));
            if (c.red() > 240 && c.green() < 20 && c.blue() < 20)
                return x;
        }
    return -1;
}

TEST_F(GlowButtonTest, CaptionsOfFacesTheScreenLacksTakeTheClassicTextOutput)
{
    // The two text outputs place a picture left of the caption differently: GDI+ from the caption
    // centred beside it, the classic output from the caption's width alone.
    button->Appearance().SetSystemFont(false);
    button->Picture().LoadFromStream(RedSquarePng(16));
    button->SetWidth(160);
    button->Update();
    const int smoothLeft = PictureLeft(button->BackingImage());
    button->SetAntiAlias(aaNone);
    button->Update();
    const int classicLeft = PictureLeft(button->BackingImage());
    ASSERT_NE(smoothLeft, classicLeft);
    button->SetAntiAlias(aaClearType);
    button->Font().SetName("Fonte Inexistente");
    button->Update();
    EXPECT_EQ(PictureLeft(button->BackingImage()), classicLeft);
}

TEST_F(GlowButtonTest, LeftAdjustedPictureStandsAtTheLeftEdgeWithEitherTextOutput)
{
    button->Picture().LoadFromStream(RedSquarePng(16));
    button->SetWidth(160);
    button->SetLayout(blGlyphLeftAdjusted);
    for (TAntiAlias antiAlias : {aaClearType, aaNone}) {
        button->SetAntiAlias(antiAlias);
        button->Update();
        EXPECT_EQ(PictureLeft(button->BackingImage()), 2) << antiAlias;
    }
}

// First and last rows holding caption ink (dark pixels), {-1, -1} when none.
std::pair<int, int> InkRows(const QImage& image)
{
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c.red() < 0x80 && c.green() < 0x80 && c.blue() < 0x80) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
        }
    return {top, bottom};
}

TEST_F(GlowButtonTest, ClassicTextOutputCentresAWrappedCaptionAndDrawsTheNotesBelowIt)
{
    button->SetAntiAlias(aaNone);
    button->SetBounds(20, 20, 160, 80);
    button->Update();
    const auto [top, bottom] = InkRows(button->BackingImage());
    ASSERT_GE(top, 0);
    EXPECT_NEAR((top + bottom) / 2, 40, 4);

    button->SetNotes({"Escalação pronta"});
    button->Update();
    const auto [notesTop, notesBottom] = InkRows(button->BackingImage());
    EXPECT_EQ(notesTop, top);
    EXPECT_GT(notesBottom, bottom + 6);
}

TEST(GlowCaption, BackslashNBreaksTheLineUnlessThePictureSizeIsForced)
{
    EXPECT_EQ(GlowCaptionLines("Voltar\\nao jogo", false), "Voltar\r\nao jogo");
    EXPECT_EQ(GlowCaptionLines("Voltar\\Nao jogo", false), "Voltar\r\nao jogo");
    EXPECT_EQ(GlowCaptionLines("Voltar\\nao jogo", true), "Voltar ao jogo");
    EXPECT_EQ(GlowCaptionLines("a\\b", false), "a\\b");
}

}  // namespace
}  // namespace tarvelon
