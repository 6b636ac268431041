// The title screen driven with real mouse events: its picture menu and labels, the start-up
// tables it fills, its flag lists and what its picture shows.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "core/mail/mail_texts.h"
#include "core/progression/calendar_advance.h"
#include "core/records/match_records.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/browser.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/message_box.h"
#include "richtext/html_label.h"
#include "screens/common/art/cursor_art.h"
#include "screens/common/form_references.h"
#include "screens/common/game_page.h"
#include "screens/common/game_form.h"
#include "screens/common/screen_registry.h"
#include "screens/start/title_screen.h"
#include "screens/screens_registration.h"
#include "tests/platform/forms_test_support.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

class TitleScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static const bool registered = [] {
            RegisterGameScreens();
            return true;
        }();
        (void)registered;
        ASSERT_TRUE(folder_.isValid());
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        SetOpenUrlHook([this](const std::string& url) {
            links_.push_back(url);
            return true;
        });
    }

    void TearDown() override
    {
        for (int i = Screen->FormCount() - 1; i >= 0; --i) {
            if (Screen->Forms(i) != title_)
                delete Screen->Forms(i);
        }
        delete title_;
        SetOpenUrlHook({});
        Application->ResetTerminated();
        Screen->SetCursor(crDefault);
        QDir::setCurrent(previousFolder_);
    }

    TForm1* OpenTitle()
    {
        title_ = dynamic_cast<TForm1*>(CreateScreen("TForm1", Application));
        EXPECT_NE(title_, nullptr);
        title_->Show();
        test::Pump();
        return title_;
    }

    QWidget* Window() { return title_->Widget(); }

    void Click(int x, int y)
    {
        test::SendMouse(Window(), QEvent::MouseButtonPress, QPoint(x, y), Qt::LeftButton, Qt::LeftButton);
        test::SendMouse(Window(), QEvent::MouseButtonRelease, QPoint(x, y), Qt::LeftButton, Qt::NoButton);
        test::Pump();
    }

    std::vector<std::string> OpenFormClasses() const
    {
        std::vector<std::string> classes;
        for (int i = 0; i < Screen->FormCount(); ++i) {
            if (Screen->Forms(i) != title_)
                classes.push_back(Screen->Forms(i)->ClassName());
        }
        return classes;
    }

    QTemporaryDir folder_;
    QString previousFolder_;
    std::vector<std::string> links_;
    TForm1* title_ = nullptr;
};

// The longest run of near-white pixels on one row inside the rectangle.
int LongestWhiteRun(const QImage& image, const QRect& area)
{
    int best = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int run = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            run = (c.red() > 200 && c.green() > 200 && c.blue() > 200) ? run + 1 : 0;
            best = std::max(best, run);
        }
    }
    return best;
}

TEST_F(TitleScreenTest, StartUpFillsTheGameTablesFlagListsAndCursor)
{
    QDir(folder_.path()).mkpath("img");
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(QColor(90, 120, 160));
    ASSERT_TRUE(tile.save(folder_.filePath("img/F01.JPG"), "JPG"));  // found without regard to case
    AuctionPlayer = 7;
    MailTexts.fill("old");

    TForm1* title = OpenTitle();
    EXPECT_TRUE(Form1 == title);
    ASSERT_NE(BackgroundBitmap, nullptr);
    EXPECT_EQ(BackgroundBitmap->Width(), 16);
    EXPECT_EQ(AuctionPlayer, -1);
    EXPECT_EQ(MailTexts[49], "");
    EXPECT_EQ(MailTexts[1].rfind("Seja bem vind@", 0), 0u);
    EXPECT_EQ(MailSubjects[19], " não pode voltar.");
    EXPECT_EQ(Referees[1].technique, 3);
    EXPECT_EQ(Referees[42].pool, 1);
    EXPECT_TRUE(Screen->HasCursor(art::kTitleLabelCursor));

    ASSERT_NE(title->ImageList1, nullptr);
    ASSERT_NE(title->estados, nullptr);
    EXPECT_EQ(title->ImageList1->Count(), 204);
    EXPECT_EQ(title->estados->Count(), 27);
    EXPECT_EQ(title->estados->Width(), 20);
    EXPECT_EQ(title->estados->Height(), 14);
    // Brazil (29): the blue disc in the middle; São Paulo (24): the red canton; a dark edge around.
    const QColor brazil = title->ImageList1->Image(29).pixelColor(10, 7);
    EXPECT_GT(brazil.blue(), brazil.red() + 40);
    const QColor saoPaulo = title->estados->Image(24).pixelColor(1, 1);
    EXPECT_GT(saoPaulo.red(), saoPaulo.green() + 80);
    EXPECT_EQ(title->estados->Image(0).pixelColor(0, 0), QColor(70, 70, 70));

    const char* names[] = {"labinii1", "labinii2", "labinii3"};
    for (int i = 0; i < 3; ++i) {
        auto* label = title->FindChild<TRichLabel>(names[i]);
        ASSERT_NE(label, nullptr) << names[i];
        EXPECT_EQ(label->Tag(), i + 1);
        ASSERT_EQ(label->HTMLText().size(), 1u);
        EXPECT_EQ(label->HTMLText()[0], MenuCaption(i + 1));
    }
    auto* credit = title->FindChild<TRichLabel>("labinii5");
    ASSERT_NE(credit, nullptr);
    EXPECT_TRUE(credit->Font().Color() == clBlack || credit->Font().Color() == clWhite);
    EXPECT_EQ(credit->Font().Name(), "Tahoma");
    EXPECT_EQ(credit->Font().Size(), 8);
    EXPECT_TRUE(credit->Font().Style().Contains(fsBold));  // the menu labels' bold kept
    EXPECT_TRUE(title->ReadProblems().Ok()) << title->ReadProblems().Message();
}

TEST_F(TitleScreenTest, WithoutTheBackgroundFileTheBackgroundStaysEmpty)
{
    OpenTitle();
    EXPECT_EQ(BackgroundBitmap, nullptr);
}

TEST_F(TitleScreenTest, NewGameCornerOpensTheChooserAndJustOutsideNothingHappens)
{
    TForm1* title = OpenTitle();
    Click(226, 160);
    EXPECT_TRUE(OpenFormClasses().empty());
    EXPECT_TRUE(title->Visible());

    Click(51, 154);
    EXPECT_EQ(OpenFormClasses(), std::vector<std::string>{"TForm9"});
    EXPECT_TRUE(Screen->Forms(Screen->FormCount() - 1)->Visible());
    EXPECT_FALSE(title->Visible());  // hidden, still alive as Form1
    EXPECT_TRUE(Form1 == title);
    EXPECT_FALSE(title->Label2->Visible());
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

// Five quick clicks on "Novo Jogo": the first opens the chooser and puts the title away; the others,
// which the desktop hands to the title's window after that, find no title to take them.
TEST_F(TitleScreenTest, QuickClicksOnNewGameOpenTheChooserOnce)
{
    OpenTitle();
    for (int click = 0; click < 5; ++click)
        QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, QPoint(51, 154));
    test::Pump();
    EXPECT_EQ(OpenFormClasses(), std::vector<std::string>{"TForm9"});
}

TEST_F(TitleScreenTest, LoadAndEditorOpenTheirScreensModally)
{
    OpenTitle();
    std::vector<std::string> seen;
    const auto closeWhenOpen = [&seen] {
        test::AnswerFound<TForm>(
            []() -> TForm* {
                TForm* top = Screen->Forms(Screen->FormCount() - 1);
                return top->ClassName() != "TForm1" && top->Visible() ? top : nullptr;
            },
            [&seen](TForm& top) {
                seen.push_back(top.ClassName() + (top.Modal() ? " modal" : ""));
                top.Close();
            },
            "the screen the title opens");
    };
    closeWhenOpen();
    Click(60, 200);  // the load entry's hot spot, left of its label
    closeWhenOpen();
    Click(200, 240);  // on the label "Editor Equipes"
    EXPECT_EQ(seen, (std::vector<std::string>{"TForm21 modal", "TForm2 modal"}));
}

TEST_F(TitleScreenTest, HoveringAMenuLabelUnderlinesItAndLeavingRestoresIt)
{
    TForm1* title = OpenTitle();
    TRichLabel* label = title->menuLabels[1];
    const QRect labelArea(label->Left(), label->Top(), label->Width(), label->Height());
    const int plainRun = LongestWhiteRun(Window()->grab().toImage(), labelArea);

    for (int dx = 0; dx < 3; ++dx)
        test::MoveMouse(Window(), QPoint(label->Left() + 20 + dx, label->Top() + 6));
    test::Pump();
    ASSERT_EQ(label->HTMLText().size(), 1u);
    EXPECT_EQ(label->HTMLText()[0], "<u>Carregar Jogo</u>");
    EXPECT_EQ(label->Cursor(), art::kTitleLabelCursor);
    const int underlinedRun = LongestWhiteRun(Window()->grab().toImage(), labelArea);
    EXPECT_GT(underlinedRun, 60);
    EXPECT_LT(plainRun, 30);

    test::MoveMouse(Window(), QPoint(320, 40));
    test::Pump();
    EXPECT_EQ(label->HTMLText()[0], "Carregar Jogo");
    EXPECT_LT(LongestWhiteRun(Window()->grab().toImage(), labelArea), 30);
}

TEST_F(TitleScreenTest, ThePictureShowsTheHandOverItsHotSpotsOnly)
{
    TForm1* title = OpenTitle();
    test::MoveMouse(Window(), QPoint(500, 355));
    EXPECT_EQ(title->Image2->Cursor(), crHandPoint);
    test::MoveMouse(Window(), QPoint(320, 40));
    EXPECT_EQ(title->Image2->Cursor(), crDefault);
}

TEST_F(TitleScreenTest, QuitEndsTheProgramAndTheWebSpotOpensTheLocalPage)
{
    OpenTitle();
    Click(100, 337);
    ASSERT_EQ(links_.size(), 1u);
    EXPECT_EQ(links_[0], GamePageUrl());
    EXPECT_EQ(links_[0].rfind("file://", 0), 0u);
    EXPECT_NE(links_[0].find("/tarvelon.html"), std::string::npos);
    EXPECT_FALSE(Application->Terminated());

    Click(500, 355);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(links_.size(), 1u);
}

// With no browser to start, the page's link says so instead of doing nothing.
TEST_F(TitleScreenTest, TheWebSpotSaysSoWhenNoBrowserCanBeStarted)
{
    OpenTitle();
    SetOpenUrlHook([](const std::string&) { return false; });
    std::vector<std::string> messages;
    SetMessageBoxAnswerer([&messages](const TMessageBoxRequest& request) {
        messages.push_back(request.caption + ": " + request.text);
        return mrOk;
    });
    Click(100, 337);
    SetMessageBoxAnswerer({});
    EXPECT_EQ(messages, std::vector<std::string>{std::string("Página do Tarvelon: ") + kNoBrowserText});
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(TitleScreenTest, ThePictureIsShownWithItsMenuAtTheHotSpots)
{
    OpenTitle();
    const QImage shot = Window()->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(561, 377));
    const auto dominant = [&shot](int x, int y, int channel) {
        const QColor c = shot.pixelColor(x, y);
        const int v[3] = {c.red(), c.green(), c.blue()};
        return v[channel] > v[(channel + 1) % 3] + 20 && v[channel] > v[(channel + 2) % 3] + 20;
    };
    EXPECT_TRUE(dominant(210, 158, 1));  // the green plate of "Novo Jogo"
    EXPECT_TRUE(dominant(210, 252, 1));  // the plate of "Editor Equipes"
    EXPECT_TRUE(dominant(496, 360, 0));  // the red "Sair"
    EXPECT_TRUE(dominant(280, 8, 2));    // the night sky
    EXPECT_TRUE(dominant(60, 300, 1));   // the pitch
}

TEST_F(TitleScreenTest, TheProgramStartsOnTheTitleAsItsMainForm)
{
    title_ = ShowTitleScreen();
    EXPECT_EQ(Application->MainForm(), title_);
    EXPECT_TRUE(title_->Visible());
    EXPECT_EQ(title_->Left(), (Screen->Width() - title_->Width()) / 2);
    EXPECT_EQ(title_->ClientWidth(), 561);
    EXPECT_EQ(title_->ClientHeight(), 377);
}

}  // namespace
}  // namespace tarvelon
