// The game-form base, the form references, the registry and the grid helpers, on forms of their own
// (no game needed).
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

#include "controls/grad_button.h"
#include "core/hooks.h"
#include "core/records/club.h"
#include "core/tables.h"
#include "platform/forms/application.h"
#include "platform/forms/keys.h"
#include "platform/forms/screen.h"
#include "platform/graphics/bitmap.h"
#include "platform/stdctrls/image_list_component.h"
#include "screens/common/form_references.h"
#include "screens/common/game_form.h"
#include "screens/common/grid_helpers.h"
#include "screens/common/queued_call.h"
#include "screens/common/screen_registry.h"
#include "screens/common/view_helpers.h"
#include "screens/screens_registration.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

const char* const kPlainForm = R"(object FormTeste: TFormTeste
  ClientWidth = 200
  ClientHeight = 120
  Color = clBlue
end
)";

class TTestForm : public TGameForm {
public:
    explicit TTestForm(TComponent* owner, TGameFormStyle style = {}) : TGameForm(owner, "TFormTeste", style)
    {
        ReadDescriptionText(kPlainForm, "TFormTeste.dfm");
    }
};

class GameFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterGameScreens(); }
    void TearDown() override
    {
        BackgroundBitmap = nullptr;
        test::Pump();
    }

    // A 10 x 10 picture, blue with a red top-left pixel: where it repeats shows the tiling.
    static TBitmap& TilePicture()
    {
        static TBitmap picture;
        if (picture.Width() == 0) {
            picture.SetSize(10, 10);
            picture.Canvas().Brush.SetColor(clBlue);
            picture.Canvas().FillRect(Rect(0, 0, 10, 10));
            picture.Canvas().SetPixel(0, 0, clRed);
        }
        return picture;
    }
};

TEST_F(GameFormTest, TilesTheBackgroundRowByRowFromTheTopLeft)
{
    BackgroundBitmap = &TilePicture();
    auto* form = CreateForm<TTestForm>(Application, TGameFormStyle{});
    form->Show();
    form->Repaint();
    QWidget* window = form->Widget();
    EXPECT_EQ(test::GrabbedPixel(window, 0, 0), 0xFF0000u);
    EXPECT_EQ(test::GrabbedPixel(window, 10, 0), 0xFF0000u);
    EXPECT_EQ(test::GrabbedPixel(window, 190, 110), 0xFF0000u);
    EXPECT_EQ(test::GrabbedPixel(window, 5, 5), 0x0000FFu);
    EXPECT_EQ(test::GrabbedPixel(window, 11, 10), 0x0000FFu);
    form->Close();
}

TEST_F(GameFormTest, WithoutThePictureTheFormKeepsItsColour)
{
    auto* form = CreateForm<TTestForm>(Application, TGameFormStyle{.background = TBackground::None});
    BackgroundBitmap = &TilePicture();
    form->Show();
    form->Repaint();
    EXPECT_EQ(test::GrabbedPixel(form->Widget(), 0, 0), 0x0000FFu);
    EXPECT_EQ(test::GrabbedPixel(form->Widget(), 10, 10), 0x0000FFu);
    form->Close();
}

TEST_F(GameFormTest, CentresItselfFreesItselfOnCloseAndEmptiesItsReference)
{
    auto* hub = CreateScreen("TForm13", Application);
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(hub->ClassName(), "TForm13");
    EXPECT_TRUE(Form13 == hub);
    hub->Show();
    const TRect work = Screen->WorkAreaRect();
    EXPECT_NEAR(hub->Left() + hub->Width() / 2, (work.Left + work.Right) / 2, 20);
    const int forms = Screen->FormCount();
    hub->Close();
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), forms - 1);
    EXPECT_FALSE(Form13);
}

TEST_F(GameFormTest, AnAnsweredDialogSwallowsAltF4AndEscapeClosesWhereAsked)
{
    auto* dialog = CreateForm<TTestForm>(Application, TGameFormStyle{.swallowAltF4 = true});
    dialog->Show();
    unsigned short key = VK_F4;
    EXPECT_TRUE(dialog->DoKeyDown(key, ssAlt));
    test::PressKey(dialog->Widget(), Qt::Key_Escape);
    test::Pump();
    EXPECT_TRUE(dialog->Visible());
    dialog->Close();
    test::Pump();

    auto* view = CreateForm<TTestForm>(Application, TGameFormStyle{.closeOnEscape = true});
    view->Show();
    key = VK_F4;
    EXPECT_FALSE(view->DoKeyDown(key, ssAlt));
    const int forms = Screen->FormCount();
    test::PressKey(view->Widget(), Qt::Key_Escape);
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), forms - 1);
}

TEST_F(GameFormTest, TheScreenSizeRuleScalesNarrowAndWideScreens)
{
    const auto savedWidth = Hooks().screenWidth;
    const auto savedHeight = Hooks().screenHeight;
    struct Case {
        int width, height, expectedClientWidth;
    };
    for (const Case c : {Case{800, 600, 200}, Case{1024, 768, 256}, Case{1280, 720, 266}}) {
        Hooks().screenWidth = [c] { return c.width; };
        Hooks().screenHeight = [c] { return c.height; };
        auto* form = CreateForm<TTestForm>(Application, TGameFormStyle{.scaleToScreen = true});
        EXPECT_EQ(form->ClientWidth(), c.expectedClientWidth) << c.width << " x " << c.height;
        EXPECT_EQ(form->Scaled(), c.width != 800);
        Free(form);
    }
    Hooks().screenWidth = savedWidth;
    Hooks().screenHeight = savedHeight;
}

TEST_F(GameFormTest, AScreenThatFillsTheWindowStillFillsItWhenItGrowsWithTheScreen)
{
    const auto savedWidth = Hooks().screenWidth;
    const auto savedHeight = Hooks().screenHeight;
    Hooks().screenWidth = [] { return 1024; };
    Hooks().screenHeight = [] { return 768; };
    auto* form = CreateForm<TTestForm>(Application, TGameFormStyle{.scaleToScreen = true, .fillsWindow = true});
    EXPECT_TRUE(form->Scaled());
    EXPECT_TRUE(form->BoundsRect() == Screen->WorkAreaRect());
    Free(form);
    Hooks().screenWidth = savedWidth;
    Hooks().screenHeight = savedHeight;
}

TEST_F(GameFormTest, ABrowsingScreenFillsTheWindowOnlyOnTheSmallScreensItIsMadeOn)
{
    const auto savedWidth = Hooks().screenWidth;
    const auto savedHeight = Hooks().screenHeight;
    struct Case {
        int width, height;
        bool fills;
    };
    // One style, written once, for every size the screen is made on.
    const TGameFormStyle browsing = BrowsingScreenStyle();
    for (const Case c : {Case{640, 480, true}, Case{800, 600, true}, Case{1024, 768, false}}) {
        Hooks().screenWidth = [c] { return c.width; };
        Hooks().screenHeight = [c] { return c.height; };
        auto* form = CreateForm<TTestForm>(Application, browsing);
        EXPECT_EQ(form->Style().fillsWindow, c.fills) << c.width << " x " << c.height;
        EXPECT_EQ(form->BoundsRect() == Screen->WorkAreaRect(), c.fills) << c.width << " x " << c.height;
        Free(form);
    }
    Hooks().screenWidth = savedWidth;
    Hooks().screenHeight = savedHeight;
}

TEST(QueuedCallTest, RunsAfterTheCurrentEventAndHandsAnExceptionToTheApplication)
{
    std::string caught;
    Application->OnException = [&caught](TObject*, const std::exception& error) { caught = error.what(); };
    bool ran = false;
    RunQueued([&ran] { ran = true; });
    RunQueued([] { throw std::runtime_error("falhou"); });
    EXPECT_FALSE(ran);
    test::Pump();
    EXPECT_TRUE(ran);
    EXPECT_EQ(caught, "falhou");
    Application->OnException = nullptr;
}

TEST(GridHelpersTest, RowColoursAlternateAndHeadingsStandOut)
{
    EXPECT_EQ(AlternateRowColor(1), 0x00ECFFFF);
    EXPECT_EQ(AlternateRowColor(2), clWhite);
    EXPECT_EQ(AlternateRowColor(3), 0x00ECFFFF);
    EXPECT_EQ(GridRowColor(2, ""), 0x00AED7FF);
    EXPECT_EQ(GridRowColor(2, "1"), clWhite);
    EXPECT_EQ(PositionColor(1), RGB(62, 158, 255));
    EXPECT_EQ(PositionColor(7), clWhite);
}

TEST(GridHelpersTest, AMiniCrestIsAppendedOncePerClubAndOnlyAt18By18)
{
    QTemporaryDir folder;
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(folder.path().toStdString());
    std::filesystem::create_directories("teams/miniescudos");
    auto writeCrest = [](const char* name, int size) {
        TBitmap crest;
        crest.SetSize(size, size);
        crest.SaveToFile(std::string("teams/miniescudos/mini_") + name + ".bmp");
    };
    writeCrest("leoes", 18);
    writeCrest("grande", 20);
    Clubs.assign(3, TClub{});
    Clubs[0].crestName = "leoes";
    Clubs[1].crestName = "grande";
    Clubs[2].crestName = "sumido";

    TCustomImageList list(nullptr);
    list.SetSize(18, 18);
    list.AddImage(QImage(18, 18, QImage::Format_ARGB32));  // a fixed image of the screen
    EXPECT_EQ(MiniCrestIndex(list, 0), 1);
    EXPECT_EQ(MiniCrestIndex(list, 0), 1);
    EXPECT_EQ(MiniCrestIndex(list, 1), -1);
    EXPECT_EQ(MiniCrestIndex(list, 2), -1);
    EXPECT_EQ(list.Count(), 2);
    Clubs.clear();
    std::filesystem::current_path(saved);
}

}  // namespace
}  // namespace tarvelon
