// Anchors of the rich-text label under real mouse events: the hand cursor and enter / exit events
// over links, a click reports the link and opens addresses, the hovered anchor is forgotten when
// the mouse leaves, and the hint shows the link or the plain text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "richtext/html_label.h"
#include "richtext/html_links.h"
#include "tests/richtext/checkradio_test_support.h"

namespace tarvelon {
namespace {

using test::MoveMouse;
using test::SendMouse;

// Opens the hint hook to the test.
class THintLabel : public TRichLabel {
public:
    using TRichLabel::TRichLabel;
    bool Hint(THintInfo& info) { return HintShow(info); }
};

class LabelAnchorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(50, 50, 400, 200);
        panel = new TCustomControl(form);
        panel->SetParent(form);
        panel->SetBounds(0, 0, 400, 200);
        label = new THintLabel(form);
        label->SetParent(panel);
        label->SetBounds(20, 20, 300, 40);
        label->SetHTMLText("<A href=\"tabela\">Tabela</A> e <A href=\"https://exemplo.invalid\">site</A>");
        label->OnAnchorClick = [this](TObject*, const std::string& a) { log.push_back("click " + a); };
        label->OnAnchorEnter = [this](TObject*, const std::string& a) { log.push_back("enter " + a); };
        label->OnAnchorExit = [this](TObject*, const std::string& a) { log.push_back("exit " + a); };
        LinkOpener() = [this](const std::string& link) { log.push_back("open " + link); };
        test::ShowActive(form);
    }
    void TearDown() override
    {
        LinkOpener() = nullptr;
        Free(form);
    }

    // A panel point over the label's client point.
    QPoint At(int x, int y) const { return QPoint(label->Left() + x, label->Top() + y); }

    TForm* form = nullptr;
    TCustomControl* panel = nullptr;
    THintLabel* label = nullptr;
    std::vector<std::string> log;
};

TEST_F(LabelAnchorTest, OverALinkTheCursorIsAHandAndEnterAndExitAreRaised)
{
    MoveMouse(panel->Widget(), At(10, 6));
    EXPECT_EQ(label->Cursor(), crHandPoint);
    EXPECT_EQ(label->HoveredAnchor(), 1);
    MoveMouse(panel->Widget(), At(12, 6));  // the same anchor: nothing new
    MoveMouse(panel->Widget(), At(250, 30));
    EXPECT_EQ(label->Cursor(), crDefault);
    EXPECT_EQ(log, (std::vector<std::string>{"enter tabela", "exit "}));
}

TEST_F(LabelAnchorTest, AClickReportsTheLinkAndOpensAddresses)
{
    SendMouse(panel->Widget(), QEvent::MouseButtonPress, At(10, 6), Qt::LeftButton, Qt::LeftButton);
    SendMouse(panel->Widget(), QEvent::MouseButtonRelease, At(10, 6), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(log, (std::vector<std::string>{"click tabela"}));
    log.clear();
    TBitmap scratch;
    scratch.SetSize(10, 10);
    scratch.Canvas().Font = label->Font();
    const int siteX = scratch.Canvas().TextWidth("Tabela e ") + 4;
    SendMouse(panel->Widget(), QEvent::MouseButtonPress, At(siteX, 6), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(log, (std::vector<std::string>{"click https://exemplo.invalid", "open https://exemplo.invalid"}));
    SendMouse(panel->Widget(), QEvent::MouseButtonRelease, At(siteX, 6), Qt::LeftButton, Qt::NoButton);
    // Off the links nothing is reported.
    log.clear();
    SendMouse(panel->Widget(), QEvent::MouseButtonPress, At(250, 30), Qt::LeftButton, Qt::LeftButton);
    SendMouse(panel->Widget(), QEvent::MouseButtonRelease, At(250, 30), Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(log.empty());
}

TEST_F(LabelAnchorTest, LeavingTheLabelForgetsTheHoveredAnchor)
{
    label->SetHover(true);
    MoveMouse(panel->Widget(), At(10, 6));
    EXPECT_EQ(label->HoveredAnchor(), 1);
    MoveMouse(panel->Widget(), QPoint(380, 180));  // off the label
    EXPECT_EQ(label->HoveredAnchor(), -1);
}

TEST_F(LabelAnchorTest, InHoverModeTheAnchorUnderTheMouseTakesTheHoverColours)
{
    label->SetHover(true);
    label->SetHoverColor(clYellow);
    auto yellow = [this] {
        const QImage image = test::Picture(panel);
        return test::CountPixels(image, QRect(label->Left(), label->Top(), label->Width(), label->Height()),
                                 [](unsigned c) { return c == 0xFFFF00u; });
    };
    EXPECT_EQ(yellow(), 0);
    MoveMouse(panel->Widget(), At(10, 6));
    EXPECT_GT(yellow(), 20);
    MoveMouse(panel->Widget(), QPoint(380, 180));  // off the label
    EXPECT_EQ(yellow(), 0);
}

TEST_F(LabelAnchorTest, TheHintShowsTheLinkOrThePlainText)
{
    label->SetAnchorHint(true);
    label->OnAnchorHint = [](TObject*, std::string& anchor) { anchor = "Ver " + anchor; };
    THintInfo info;
    info.CursorPos = Point(10, 6);
    ASSERT_TRUE(label->Hint(info));
    EXPECT_EQ(info.HintStr, "Ver tabela");
    const TPoint screen = label->ClientToScreen(Point(10, 6));
    EXPECT_EQ(info.HintPos.X, screen.X + 10);
    EXPECT_EQ(info.HintPos.Y, screen.Y - 10);
    // Off the links, with HintShowFull: the text without tags, <BR> as a line break, <Z> hidden.
    label->SetHTMLText("Gols<br>Cartões<Z>segredo</z> <B>3</B>");
    label->SetHintShowFull(true);
    info = THintInfo();
    info.CursorPos = Point(250, 30);
    ASSERT_TRUE(label->Hint(info));
    EXPECT_EQ(info.HintStr, "Gols\r\nCartões 3");
    label->SetHTMLHint(true);
    ASSERT_TRUE(label->Hint(info));
    EXPECT_EQ(info.HintStr, "Gols<br>Cartões<Z>segredo</z> <B>3</B>");
}

}  // namespace
}  // namespace tarvelon
