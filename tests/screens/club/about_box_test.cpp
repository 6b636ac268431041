// The about box (TForm45), opened from the hub's "Opções" menu as the player opens it: what it says,
// its page link, and its ways out, driven by real clicks and keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "platform/stdctrls/browser.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/club/about_box.h"
#include "screens/club/hub_screen.h"
#include "screens/common/game_page.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/play_through.h"
#include "tests/screens/two_coach_hub_suite.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

using test::ChooseShown;
using test::OpenHub;
using test::Shown;

class AboutBoxTest : public test::TwoCoachHubSuite {
protected:
    void SetUp() override
    {
        test::TwoCoachHubSuite::SetUp();
        SetOpenUrlHook([this](const std::string& url) {
            links_.push_back(url);
            return true;
        });
    }
    void TearDown() override
    {
        SetOpenUrlHook(nullptr);
        test::TwoCoachHubSuite::TearDown();
    }

    // "Sobre o jogo" chosen in the hub's "Opções" menu; `act` runs on the box while it is up, and must
    // close it.
    void ChooseAboutTheGame(TForm13& hub, std::function<void(TForm45&)> act)
    {
        auto shown = std::make_shared<bool>(false);
        test::Answer<TForm45>([shown, act](TForm45& box) {  // a box left up fails the test and is closed
            *shown = true;
            act(box);
        });
        hub.OpenBarSpot(0);
        ASSERT_TRUE(ChooseShown(hub.BarMenuOfSpot(0), "Sobre o jogo"));
        // The box opens from the event loop, once the menu has closed; its modal loop runs in here.
        EXPECT_TRUE(test::PumpUntil([shown] { return *shown; }, test::ModalDeadlineMs())) << "the about box never showed";
        EXPECT_TRUE(test::PumpUntil([] { return Shown<TForm45>() == nullptr; }));
    }

    static TLabel* LabelOf(TForm45& box, const std::string& name)
    {
        return dynamic_cast<TLabel*>(box.FindComponent(name));
    }

    // A click in the middle of a label, through the box's window that it is drawn on.
    static void ClickLabel(TForm45& box, TLabel* label)
    {
        const QPoint middle(label->Left() + label->Width() / 2, label->Top() + label->Height() / 2);
        QTest::mouseClick(box.Widget(), Qt::LeftButton, Qt::NoModifier, middle);
        test::Pump(5);
    }

    std::vector<std::string> links_;
};

// The box is modal over the hub and names the game, its edition and its makers; either part of the
// page line opens the game's page and leaves the box up; "Fechar" closes it.
TEST_F(AboutBoxTest, ShowsTheGameAndItsPageAndFecharClosesIt)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    ChooseAboutTheGame(*hub, [this](TForm45& box) {
        EXPECT_EQ(QApplication::activeModalWidget(), box.Widget());
        EXPECT_EQ(LabelOf(box, "Label1")->Caption(), "Tarvelon");
        EXPECT_EQ(LabelOf(box, "Label2")->Caption(), "Edição 0.1 - jogo de gerenciamento de futebol");
        EXPECT_NE(LabelOf(box, "Label3")->Caption().find("Equipe Tarvelon"), std::string::npos);
        for (const char* page : {"Label5", "Label4"}) {
            ClickLabel(box, LabelOf(box, page));
            EXPECT_EQ(Shown<TForm45>(), &box) << "a click on the page link keeps the box up";
        }
        auto* close = dynamic_cast<TGradButton*>(box.FindComponent("GradButton2"));
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(close->Caption(), "Fechar");
        QTest::mouseClick(close->Widget(), Qt::LeftButton);
    });
    EXPECT_EQ(links_, (std::vector<std::string>{GamePageUrl(), GamePageUrl()}));
    EXPECT_EQ(OpenHub(), hub) << "the hub is back";
}

// Escape closes the box too, also while its button has the keyboard; another key leaves it up.
TEST_F(AboutBoxTest, EscapeClosesTheBox)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    ChooseAboutTheGame(*hub, [](TForm45& box) {
        auto* close = dynamic_cast<TGradButton*>(box.FindComponent("GradButton2"));
        ASSERT_NE(close, nullptr);
        close->SetFocus();
        QTest::keyClick(close->Widget(), Qt::Key_A);
        test::Pump(5);
        EXPECT_EQ(Shown<TForm45>(), &box);
        QTest::keyClick(close->Widget(), Qt::Key_Escape);
    });
    EXPECT_TRUE(links_.empty());
    EXPECT_EQ(OpenHub(), hub);
}

}  // namespace
}  // namespace tarvelon
