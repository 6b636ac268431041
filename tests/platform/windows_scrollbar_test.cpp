// The window's own scroll bars: range, page and position as the platform keeps them, shown when
// the range needs them (or disabled with SIF_DISABLENOSCROLL), taking their room from the client
// area, and the scroll messages a click on them sends.
#include <gtest/gtest.h>

#include <QScrollBar>

#include <string>
#include <vector>

#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/graphics/system_metrics.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::Pump;

// Records scroll messages; moves its bar by line and page as a list would.
class TScroller : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<std::string> messages;
    bool follow = true;

    QScrollBar* Bar(TScrollBarKind kind)
    {
        for (auto* bar : Widget()->findChildren<QScrollBar*>()) {
            if ((bar->orientation() == Qt::Vertical) == (kind == sbVertical))
                return bar;
        }
        return nullptr;
    }

protected:
    void ScrollMessage(TScrollBarKind kind, TScrollCode code, int trackPos) override
    {
        messages.push_back(std::string(kind == sbVertical ? "V" : "H") + std::to_string(code) + "@" +
                           std::to_string(trackPos));
        if (!follow)
            return;
        const int pos = GetScrollPos(kind);
        switch (code) {
        case SB_LINEDOWN: SetScrollPos(kind, pos + 1); break;
        case SB_LINEUP: SetScrollPos(kind, pos - 1); break;
        case SB_PAGEDOWN: SetScrollPos(kind, pos + 10); break;
        case SB_THUMBPOSITION: SetScrollPos(kind, trackPos); break;
        case SB_BOTTOM: SetScrollPos(kind, 1000); break;
        default: break;
        }
    }
};

TScrollInfo Range(int min, int max, unsigned page, int pos, unsigned extra = 0)
{
    TScrollInfo info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | extra;
    info.nMin = min;
    info.nMax = max;
    info.nPage = page;
    info.nPos = pos;
    return info;
}

class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 300, 300);
        scroller = new TScroller(form);
        scroller->SetParent(form);
        scroller->SetBounds(10, 10, 200, 150);
        form->Show();
        Pump();
    }
    void TearDown() override { Free(form); }

    TForm* form = nullptr;
    TScroller* scroller = nullptr;
};

TEST_F(ScrollBarTest, RangeBeyondThePageShowsTheBarAndNarrowsTheClientArea)
{
    int resizes = 0;
    scroller->OnResize = [&](TObject*) { ++resizes; };
    scroller->SetScrollInfo(sbVertical, Range(0, 100, 10, 0));
    const int size = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_TRUE(scroller->ScrollBarVisible(sbVertical));
    EXPECT_EQ(scroller->ClientWidth(), 200 - size);
    EXPECT_EQ(scroller->ClientHeight(), 150);
    EXPECT_EQ(scroller->BackingImage().width(), 200 - size);
    EXPECT_EQ(resizes, 1);
    QScrollBar* bar = scroller->Bar(sbVertical);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->geometry(), QRect(200 - size, 0, size, 150));
    // The last position still shows a whole page: 100 - 10 + 1.
    EXPECT_EQ(bar->maximum(), 91);
    EXPECT_EQ(bar->pageStep(), 10);
    scroller->SetScrollInfo(sbVertical, Range(0, 5, 10, 0));
    EXPECT_FALSE(scroller->ScrollBarVisible(sbVertical));
    EXPECT_EQ(scroller->ClientWidth(), 200);
}

TEST_F(ScrollBarTest, DisableNoScrollKeepsAnEmptyRangeVisibleButDisabled)
{
    scroller->SetScrollInfo(sbHorizontal, Range(0, 0, 1, 0, SIF_DISABLENOSCROLL));
    EXPECT_TRUE(scroller->ScrollBarVisible(sbHorizontal));
    EXPECT_FALSE(scroller->ScrollBarEnabled(sbHorizontal));
    EXPECT_FALSE(scroller->Bar(sbHorizontal)->isEnabled());
    EXPECT_EQ(scroller->ClientHeight(), 150 - GetSystemMetrics(SM_CYHSCROLL));
    scroller->SetScrollInfo(sbHorizontal, Range(0, 50, 10, 0, SIF_DISABLENOSCROLL));
    EXPECT_TRUE(scroller->Bar(sbHorizontal)->isEnabled());
    scroller->EnableScrollBar(sbHorizontal, false);
    EXPECT_FALSE(scroller->Bar(sbHorizontal)->isEnabled());
}

TEST_F(ScrollBarTest, PositionIsClampedToTheRange)
{
    scroller->SetScrollInfo(sbVertical, Range(0, 100, 10, 500));
    EXPECT_EQ(scroller->GetScrollPos(sbVertical), 91);
    scroller->SetScrollPos(sbVertical, -4);
    EXPECT_EQ(scroller->GetScrollPos(sbVertical), 0);
    TScrollInfo info;
    info.fMask = SIF_ALL;
    scroller->GetScrollInfo(sbVertical, info);
    EXPECT_EQ(info.nMax, 100);
    EXPECT_EQ(info.nPage, 10u);
}

TEST_F(ScrollBarTest, ClicksOnTheBarSendScrollMessagesAndTheControlPlacesTheThumb)
{
    scroller->SetScrollInfo(sbVertical, Range(0, 100, 10, 0));
    QScrollBar* bar = scroller->Bar(sbVertical);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(scroller->GetScrollPos(sbVertical), 11);
    EXPECT_EQ(bar->value(), 11);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(bar->value(), 91);
    EXPECT_EQ(scroller->messages, (std::vector<std::string>{"V1@0", "V3@0", "V7@0"}));
    // A control that does not move its bar leaves the thumb where it was.
    scroller->follow = false;
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(bar->value(), 91);
    EXPECT_EQ(scroller->GetScrollPos(sbVertical), 91);
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksAndThenSetsThePosition)
{
    scroller->SetScrollInfo(sbVertical, Range(0, 100, 10, 0));
    QScrollBar* bar = scroller->Bar(sbVertical);
    bar->setSliderDown(true);
    bar->setSliderPosition(40);
    TScrollInfo info;
    info.fMask = SIF_TRACKPOS;
    scroller->GetScrollInfo(sbVertical, info);
    EXPECT_EQ(info.nTrackPos, 40);
    EXPECT_EQ(scroller->GetScrollPos(sbVertical), 0);
    bar->setSliderDown(false);
    EXPECT_EQ(scroller->GetScrollPos(sbVertical), 40);
    EXPECT_EQ(scroller->messages, (std::vector<std::string>{"V5@40", "V4@40", "V8@40"}));
}

TEST_F(ScrollBarTest, PerformScrollSendsTheMessageAsAClickWould)
{
    scroller->SetScrollInfo(sbHorizontal, Range(0, 300, 100, 20));
    scroller->PerformScroll(sbHorizontal, SB_LINEUP);
    EXPECT_EQ(scroller->messages, (std::vector<std::string>{"H0@20"}));
    EXPECT_EQ(scroller->GetScrollPos(sbHorizontal), 19);
    EXPECT_EQ(scroller->Bar(sbHorizontal)->value(), 19);
}

TEST(ScrollBarBeforeWindowTest, StateSetBeforeTheWindowExistsReachesIt)
{
    TForm form(nullptr);
    auto* scroller = new TScroller(&form);
    scroller->SetParent(&form);
    scroller->SetBounds(0, 0, 100, 100);
    scroller->SetScrollInfo(sbVertical, Range(0, 50, 5, 7));
    EXPECT_FALSE(scroller->HandleAllocated());
    form.Show();
    QScrollBar* bar = scroller->Bar(sbVertical);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->value(), 7);
}

}  // namespace
}  // namespace tarvelon
