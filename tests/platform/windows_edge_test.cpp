// The non-client edge of a window: the client area, the picture, the mouse, the child windows and
// the window's scroll bars all lie inside it; the sunken edge is drawn as the classic platform draws
// it; list views have it by default.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/graphics/system_metrics.h"
#include "platform/stdctrls/list_view.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::Pump;

// A grid-like window with the sunken edge; paints one red pixel at its client origin.
class TEdged : public TCustomControl {
public:
    explicit TEdged(TComponent* owner) : TCustomControl(owner) { SetWindowEdge(weSunken); }
    using TWinControl::SetWindowEdge;

protected:
    void Paint() override { Canvas().SetPixel(0, 0, clRed); }
};

unsigned Rgb(TColor color)
{
    return static_cast<unsigned>(ToQColor(ColorToRGB(color)).rgb() & 0xFFFFFFu);
}

class EdgeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(10, 10, 300, 200);
        edged = new TEdged(&form);
        edged->SetParent(&form);
        edged->SetBounds(20, 30, 100, 60);
        edged->SetColor(clWhite);
        form.Show();
        Pump(10);
    }

    TForm form{nullptr};
    TEdged* edged = nullptr;
};

TEST_F(EdgeTest, ClientAreaPictureAndEdgeLieWhereTheClassicPlatformPutsThem)
{
    EXPECT_EQ(edged->ClientWidth(), 96);
    EXPECT_EQ(edged->ClientHeight(), 56);
    EXPECT_EQ(edged->ClientRect(), Rect(0, 0, 96, 56));
    const QPoint origin = edged->Widget()->mapToGlobal(QPoint(2, 2));
    EXPECT_EQ(edged->ClientOrigin(), Point(origin.x(), origin.y()));
    EXPECT_EQ(edged->Widget()->geometry(), QRect(20, 30, 100, 60));

    QWidget* widget = edged->Widget();
    EXPECT_EQ(test::GrabbedPixel(widget, 0, 0), Rgb(clBtnShadow));
    EXPECT_EQ(test::GrabbedPixel(widget, 1, 1), Rgb(cl3DDkShadow));
    EXPECT_EQ(test::GrabbedPixel(widget, 99, 59), Rgb(clBtnHighlight));
    EXPECT_EQ(test::GrabbedPixel(widget, 98, 58), Rgb(cl3DLight));
    EXPECT_EQ(test::GrabbedPixel(widget, 2, 2), 0xFF0000u);  // the client's (0, 0)
    EXPECT_EQ(test::GrabbedPixel(widget, 3, 3), 0xFFFFFFu);

    edged->SetWindowEdge(weSingle);
    Pump(10);
    EXPECT_EQ(edged->ClientWidth(), 98);
    EXPECT_EQ(test::GrabbedPixel(widget, 0, 0), Rgb(clWindowFrame));
    EXPECT_EQ(test::GrabbedPixel(widget, 1, 1), 0xFF0000u);
    edged->SetWindowEdge(weStatic);
    Pump(10);
    EXPECT_EQ(edged->ClientWidth(), 98);
    EXPECT_EQ(test::GrabbedPixel(widget, 0, 0), Rgb(clBtnShadow));
    EXPECT_EQ(test::GrabbedPixel(widget, 99, 59), Rgb(clBtnHighlight));
    EXPECT_EQ(test::GrabbedPixel(widget, 1, 1), 0xFF0000u);
    edged->SetWindowEdge(weNone);
    EXPECT_EQ(edged->ClientWidth(), 100);
}

// A window that draws its frame itself, over the edge, and never over its client area.
class TSelfFramed : public TEdged {
public:
    using TEdged::TEdged;
    void PaintWindowFrame(TCanvas& canvas) override
    {
        canvas.Brush.SetColor(clLime);
        canvas.FillRect(Rect(0, 0, Width(), Height()));
    }
};

TEST_F(EdgeTest, AControlMayDrawItsOwnFrameOverTheEdge)
{
    auto* framed = new TSelfFramed(&form);
    framed->SetParent(&form);
    framed->SetBounds(150, 30, 100, 60);
    framed->SetWindowEdge(weStatic);
    framed->SetColor(clWhite);
    Pump(10);
    QWidget* widget = framed->Widget();
    EXPECT_EQ(test::GrabbedPixel(widget, 0, 0), Rgb(clLime));
    EXPECT_EQ(test::GrabbedPixel(widget, 99, 59), Rgb(clLime));
    EXPECT_EQ(test::GrabbedPixel(widget, 1, 1), 0xFF0000u);
    EXPECT_EQ(test::GrabbedPixel(widget, 50, 30), 0xFFFFFFu);
}

TEST_F(EdgeTest, MouseAndChildWindowsCountInClientCoordinates)
{
    TPoint down;
    edged->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { down = Point(x, y); };
    test::SendMouse(edged->Widget(), QEvent::MouseButtonPress, QPoint(12, 12), Qt::LeftButton, Qt::LeftButton);
    test::SendMouse(edged->Widget(), QEvent::MouseButtonRelease, QPoint(12, 12), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(down, Point(10, 10));

    auto* child = new TCustomControl(&form);
    child->SetParent(edged);
    child->SetBounds(0, 0, 10, 10);
    EXPECT_EQ(child->Widget()->pos(), QPoint(2, 2));
    EXPECT_EQ(child->ClientOrigin(), edged->ClientOrigin());
}

TEST_F(EdgeTest, ScrollBarsStandInsideTheEdgeBesideTheClientArea)
{
    TScrollInfo info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMax = 100;
    info.nPage = 10;
    edged->SetScrollInfo(sbVertical, info);
    const int size = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(edged->ClientWidth(), 96 - size);
    QScrollBar* bar = nullptr;
    for (auto* candidate : edged->Widget()->findChildren<QScrollBar*>()) {
        if (candidate->orientation() == Qt::Vertical)
            bar = candidate;
    }
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(), QRect(2 + 96 - size, 2, size, 56));
}

TEST(ListViewEdgeTest, ListViewHasTheSunkenEdgeUnlessItsBorderStyleIsNone)
{
    TForm form(nullptr);
    auto* list = new TListView(&form);
    list->SetParent(&form);
    list->SetBounds(0, 0, 200, 100);
    EXPECT_EQ(list->BorderStyle(), bsSingle);
    EXPECT_EQ(list->ClientWidth(), 196);
    list->SetBorderStyle(bsNone);
    EXPECT_EQ(list->ClientWidth(), 200);
}

}  // namespace
}  // namespace tarvelon
