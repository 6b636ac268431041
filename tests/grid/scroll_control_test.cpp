// The scroll control base: positions become pixel blits of the window, clipped to the control's
// rectangles, and only the uncovered strip is painted again; window bars follow; wheel and roll.
#include <gtest/gtest.h>

#include <QScrollBar>

#include <vector>

#include "grid/dg_cursors.h"
#include "grid/dg_scroll_control.h"
#include "platform/forms/form.h"
#include "platform/forms/keys.h"
#include "platform/forms/screen.h"
#include "platform/graphics/system_metrics.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::Pump;

constexpr int kRowHeight = 10;

TColor RowColor(int row)
{
    return RGB(row * 7 % 256, 255 - row * 5 % 256, row * 3 % 256);
}

// Rows of 10 pixels, one colour each; a vertical position is a row, a horizontal one a pixel.
class TStripes : public TDgScrollControl {
public:
    using TDgScrollControl::TDgScrollControl;
    std::vector<TRect> paintedClips;
    std::vector<TScrollBarKind> before;
    std::vector<TScrollBarKind> after;
    int wheelEvents = 0;
    bool lastWheelHandled = false;

    bool Wheel(int delta)
    {
        QWidget* widget = Widget();
        test::SendWheel(widget, QPoint(20, 20), delta);
        return lastWheelHandled;
    }

protected:
    int GetVertScrollDelta(int oldPos, int newPos) override { return (oldPos - newPos) * kRowHeight; }
    int GetHorzScrollDelta(int oldPos, int newPos) override { return oldPos - newPos; }
    void BeforeScroll(TScrollBarKind kind) override { before.push_back(kind); }
    void AfterScroll(TScrollBarKind kind) override { after.push_back(kind); }
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override
    {
        lastWheelHandled = TDgScrollControl::DoMouseWheelDown(shift, mousePos);
        return lastWheelHandled;
    }
    void Paint() override
    {
        TCanvas& canvas = Canvas();
        paintedClips.push_back(canvas.ClipRect());
        const int top = VertScrollBar().Position();
        for (int y = 0; y < ClientHeight(); y += kRowHeight) {
            canvas.Brush.SetColor(RowColor(top + y / kRowHeight));
            canvas.FillRect(Rect(0, y, ClientWidth(), y + kRowHeight));
        }
    }
};

class ScrollControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(50, 50, 300, 260);
        control = new TStripes(form);
        control->SetParent(form);
        control->SetBounds(10, 10, 200, 120);
        form->Show();
        control->VertScrollBar().SetPageSize(10);
        control->VertScrollBar().SetMax(100);
        control->VertClipRect = control->ClientRect();
        control->HorzClipRect = control->ClientRect();
        Pump(20);
        control->paintedClips.clear();
    }
    void TearDown() override { Free(form); }

    unsigned Pixel(int x, int y) { return control->BackingImage().pixel(x, y) & 0xFFFFFF; }
    static unsigned Rgb(TColor color)
    {
        return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    }

    TForm* form = nullptr;
    TStripes* control = nullptr;
};

TEST_F(ScrollControlTest, ALineDownBlitsThePictureAndRepaintsOnlyTheUncoveredStrip)
{
    const int height = control->ClientHeight();
    control->VertScrollBar().LineDown();
    EXPECT_EQ(control->VertScrollBar().Position(), 1);
    EXPECT_EQ(control->VertScrollBar().LastScrollKind(), skLine);
    // Before any paint the old row 1 already stands at the top: the pixels moved.
    EXPECT_EQ(Pixel(5, 0), Rgb(RowColor(1)));
    control->Update();
    ASSERT_EQ(control->paintedClips.size(), 1u);
    const TRect strip = control->paintedClips[0];
    EXPECT_EQ(strip.Top, height - kRowHeight);
    EXPECT_EQ(strip.Bottom, height);
    EXPECT_EQ(Pixel(5, height - 1), Rgb(RowColor(height / kRowHeight)));
    EXPECT_EQ(control->before, std::vector<TScrollBarKind>{sbVertical});
    EXPECT_EQ(control->after, std::vector<TScrollBarKind>{sbVertical});
    // The window's own bar follows.
    EXPECT_EQ(control->GetScrollPos(sbVertical), 1);
}

TEST_F(ScrollControlTest, ABlitStaysInsideTheClipRectangle)
{
    control->VertClipRect = Rect(0, 20, control->ClientWidth(), control->ClientHeight());
    const unsigned headerBefore = Pixel(5, 5);
    control->VertScrollBar().LineDown();
    EXPECT_EQ(Pixel(5, 5), headerBefore);
    EXPECT_EQ(Pixel(5, 20), Rgb(RowColor(3)));
}

TEST_F(ScrollControlTest, BottomAndLastStopWhereAFullPageStillShows)
{
    control->PerformScroll(sbVertical, SB_BOTTOM);
    EXPECT_EQ(control->VertScrollBar().Position(), 91);
    EXPECT_EQ(control->VertScrollBar().LastScrollKind(), skTopBottom);
    control->VertScrollBar().First();
    EXPECT_EQ(control->VertScrollBar().Position(), 0);
    control->VertScrollBar().Last();
    EXPECT_EQ(control->VertScrollBar().Position(), 91);
    EXPECT_TRUE(control->VertScrollBar().IsLast());
}

TEST_F(ScrollControlTest, LineUpAtTheTopStaysAndStillReportsThePosition)
{
    std::vector<int> reported;
    control->OnVertScroll = [&](TObject*, int position) { reported.push_back(position); };
    control->VertScrollBar().LineUp();
    EXPECT_EQ(control->VertScrollBar().Position(), 0);
    EXPECT_EQ(reported, std::vector<int>{0});
}

TEST_F(ScrollControlTest, ShrinkingTheRangeBelowThePositionScrollsByTheControlsDelta)
{
    control->VertScrollBar().MoveTo(9);
    control->before.clear();
    control->Update();
    control->VertScrollBar().SetMax(5);
    EXPECT_EQ(control->VertScrollBar().Position(), 5);
    EXPECT_EQ(control->VertScrollBar().PrevPosition(), 9);
    // 9 -> 5 moves the contents 40 pixels down: old row 9 (at the top) now stands at y 40.
    EXPECT_EQ(Pixel(5, 40), Rgb(RowColor(9)));
    EXPECT_EQ(control->before.size(), 1u);
}

TEST_F(ScrollControlTest, RangeAndPageAreClampedAndUpdatingDoesNotScroll)
{
    TDgScrollBar& bar = control->VertScrollBar();
    bar.SetPageSize(0);
    EXPECT_EQ(bar.PageSize(), 1);
    bar.SetMax(-4);
    EXPECT_EQ(bar.Max(), 0);
    bar.SetMax(50);
    bar.BeginUpdate();
    control->before.clear();
    bar.MoveTo(70);
    EXPECT_EQ(bar.Position(), 50);
    EXPECT_TRUE(control->before.empty());
    bar.EndUpdate();
    bar.MoveTo(-3);
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(ScrollControlTest, AWindowBarThatDoesNotAutoHideStaysVisibleAndDisabled)
{
    TDgScrollBar& bar = control->HorzScrollBar();
    EXPECT_FALSE(control->ScrollBarVisible(sbHorizontal));
    bar.SetAutoHide(false);
    EXPECT_TRUE(control->ScrollBarVisible(sbHorizontal));
    EXPECT_FALSE(control->ScrollBarEnabled(sbHorizontal));
    bar.SetPageSize(50);
    bar.SetMax(300);
    EXPECT_TRUE(control->ScrollBarEnabled(sbHorizontal));
}

TEST_F(ScrollControlTest, TheCornerBetweenTheTwoWindowBarsTakesTheBarsFace)
{
    TDgScrollBar& bar = control->HorzScrollBar();
    bar.SetAutoHide(false);
    bar.SetPageSize(50);
    bar.SetMax(300);
    ASSERT_TRUE(control->ScrollBarVisible(sbHorizontal));
    ASSERT_TRUE(control->ScrollBarVisible(sbVertical));
    Pump(20);
    QWidget* widget = control->Widget();
    const QImage shown = widget->grab().toImage();
    const int size = GetSystemMetrics(SM_CXVSCROLL);
    const QColor corner = shown.pixelColor(widget->width() - 2 - size / 2, widget->height() - 2 - size / 2);
    EXPECT_EQ(corner, widget->palette().color(QPalette::Button));
    EXPECT_EQ(shown.pixel(5, 5) & 0xFFFFFF, Rgb(RowColor(0)) + 0u);  // the client area as painted
}

TEST_F(ScrollControlTest, ClickingTheWindowBarSendsTheScrollMessage)
{
    QScrollBar* vertical = nullptr;
    for (QScrollBar* bar : control->Widget()->findChildren<QScrollBar*>()) {
        if (bar->orientation() == Qt::Vertical)
            vertical = bar;
    }
    ASSERT_NE(vertical, nullptr);
    ASSERT_TRUE(vertical->isVisible());
    control->VertScrollBar().SetLargeChange(10);
    vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(control->VertScrollBar().Position(), 10);
    EXPECT_EQ(control->VertScrollBar().LastScrollKind(), skPage);
    control->HorzScrollBar().SetPageSize(100);
    control->HorzScrollBar().SetMax(400);
    control->HorzScrollBar().SetSmallChange(7);
    control->PerformScroll(sbHorizontal, SB_LINEDOWN);
    EXPECT_EQ(control->HorzScrollBar().Position(), 7);
    EXPECT_EQ(control->before.back(), sbHorizontal);
}

TEST_F(ScrollControlTest, TheWheelIsTheGridsWhileEnabledElseTheEventsFire)
{
    int downEvents = 0;
    control->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) {
        ++downEvents;
        handled = true;
    };
    EXPECT_TRUE(control->Wheel(-120));
    EXPECT_EQ(downEvents, 0);
    control->SetMouseWheelEnabled(false);
    control->Wheel(-120);
    EXPECT_EQ(downEvents, 1);
}

TEST_F(ScrollControlTest, TheControlWantsTheArrowsAndHandsTabToItsParent)
{
    EXPECT_EQ(control->DialogCode(), static_cast<unsigned>(DLGC_WANTARROWS));
    unsigned short seen = 0;
    form->SetKeyPreview(true);
    form->OnKeyDown = [&](TObject*, unsigned short& key, TShiftState) { seen = key; };
    control->SendTab();
    Pump(20);
    EXPECT_EQ(seen, VK_TAB);
}

TEST_F(ScrollControlTest, RollScrollingHasADeadBandAndSpeedsUpWithTheDistance)
{
    QWidget* widget = control->Widget();
    test::SendMouse(widget, QEvent::MouseButtonPress, QPoint(100, 60), Qt::MiddleButton, Qt::MiddleButton);
    ASSERT_TRUE(control->Rolling());
    EXPECT_TRUE(control->RollShadow().Visible());
    const TPoint screen = control->ClientToScreen(Point(100, 60));
    EXPECT_EQ(control->RollShadow().Left(), screen.X - 7);
    EXPECT_EQ(control->RollShadow().Top(), screen.Y - 11);
    EXPECT_EQ(control->RollShadow().Width(), 32);

    test::MoveMouse(widget, QPoint(100, 57), Qt::MiddleButton);
    EXPECT_EQ(control->RollDirection(), 0u);
    EXPECT_EQ(Screen->Cursor(), crRoll);
    Pump(60);
    EXPECT_EQ(control->VertScrollBar().Position(), 0);

    test::MoveMouse(widget, QPoint(100, 110), Qt::MiddleButton);
    EXPECT_EQ(control->RollDirection(), static_cast<unsigned>(rdDown));
    EXPECT_EQ(Screen->Cursor(), crRollDown);
    Pump(330);
    // One line every 50 ms at 50 pixels: about six lines in 330 ms (timers may run late).
    const int lines = control->VertScrollBar().Position();
    EXPECT_GE(lines, 3);
    EXPECT_LE(lines, 8);
    EXPECT_EQ(control->RollTimer().Interval(), 50);

    test::MoveMouse(widget, QPoint(100, 50), Qt::MiddleButton);
    EXPECT_EQ(control->RollDirection(), static_cast<unsigned>(rdUp));
    EXPECT_EQ(Screen->Cursor(), crRollUp);

    test::SendMouse(widget, QEvent::MouseButtonRelease, QPoint(100, 50), Qt::MiddleButton, Qt::NoButton);
    EXPECT_FALSE(control->Rolling());
    EXPECT_FALSE(control->RollShadow().Visible());
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_FALSE(control->RollTimer().Enabled());
}

TEST(RollShadowTest, TheIndicatorIsTwoTrianglesAndADot)
{
    const TRegion shape = TRollShadow::ShapeRegion();
    EXPECT_TRUE(shape.Contains(7, 3));     // upward triangle
    EXPECT_TRUE(shape.Contains(6, 17));    // downward triangle
    EXPECT_TRUE(shape.Contains(7, 11));    // the dot
    EXPECT_FALSE(shape.Contains(20, 11));  // beside it
    EXPECT_FALSE(shape.Contains(1, 11));   // between the triangles, left of the dot
}

}  // namespace
}  // namespace tarvelon
