// Menus: short cuts as numbers and texts, radio and auto-check items, OnPopup adjusting the items
// before they show, sub-menus, and items that leave their menu when freed.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include <cstdlib>

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/keys.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/menus.h"
#include "tests/platform/forms_test_support.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

TEST(MenuTest, ShortCutsReadAndWriteAsTexts)
{
    EXPECT_EQ(ShortCut(VK_F2, 0), 113);
    EXPECT_EQ(TextToShortCut("F2"), 113);
    EXPECT_EQ(TextToShortCut("Ctrl+F"), scCtrl | 'F');
    EXPECT_EQ(TextToShortCut("shift+ctrl+Del"), scShift | scCtrl | VK_DELETE);
    EXPECT_EQ(TextToShortCut("Hyper+F"), 0);
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F4, ssAlt)), "Alt+F4");
    EXPECT_EQ(ShortCutToText(scCtrl | 'F'), "Ctrl+F");
}

TEST(MenuTest, RadioItemsOfAGroupExcludeEachOtherAndAutoCheckToggles)
{
    TPopupMenu menu(nullptr);
    auto* speed1 = new TMenuItem(&menu);
    auto* speed2 = new TMenuItem(&menu);
    auto* sound = new TMenuItem(&menu);
    for (TMenuItem* item : {speed1, speed2, sound})
        menu.Items().Add(item);
    speed1->SetRadioItem(true);
    speed2->SetRadioItem(true);
    speed1->SetChecked(true);
    speed2->SetChecked(true);
    EXPECT_FALSE(speed1->Checked());
    sound->SetAutoCheck(true);
    int clicks = 0;
    sound->OnClick = [&](TObject*) { ++clicks; };
    sound->Click();
    EXPECT_TRUE(sound->Checked());
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(menu.IsShortCut(0, 0));  // items without a short cut are not chosen by no key
    Free(speed2);
    EXPECT_EQ(menu.Items().Count(), 2);
    EXPECT_EQ(menu.Items().IndexOf(sound), 1);
}

TEST(MenuTest, OnPopupAdjustsTheItemsBeforeTheyShow)
{
    TPopupMenu menu(nullptr);
    auto* copa = new TMenuItem(&menu);
    copa->SetCaption("Copa do Brasil");
    auto* lib = new TMenuItem(&menu);
    lib->SetCaption("Libertadores");
    auto* rankings = new TMenuItem(&menu);
    rankings->SetCaption("Rankings");
    auto* clubs = new TMenuItem(&menu);
    clubs->SetCaption("Ranking de clubes");
    clubs->SetShortCut(TextToShortCut("Ctrl+R"));
    rankings->Add(clubs);
    for (TMenuItem* item : {copa, lib, rankings})
        menu.Items().Add(item);
    menu.OnPopup = [&](TObject*) {
        copa->SetVisible(false);
        lib->SetEnabled(false);
    };
    menu.Popup(100, 120);
    QMenu* shown = menu.ShownMenu();
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(shown->actions().size(), 2);
    EXPECT_EQ(shown->actions()[0]->text(), QStringLiteral("Libertadores"));
    EXPECT_FALSE(shown->actions()[0]->isEnabled());
    QMenu* sub = shown->actions()[1]->menu();
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->actions()[0]->text(), QStringLiteral("Ranking de clubes\tCtrl+R"));
    int chosen = 0;
    clubs->OnClick = [&](TObject*) { ++chosen; };
    sub->actions()[0]->trigger();
    test::Pump();
    EXPECT_EQ(chosen, 1);
    EXPECT_TRUE(menu.IsShortCut('R', ssCtrl));
    EXPECT_EQ(chosen, 2);
    EXPECT_EQ(menu.Items().Find("ranking de clubes"), clubs);
    shown->close();
    test::Pump(10);
}

TEST(MenuTest, AMainMenuBecomesAMenuBar)
{
    TMainMenu menu(nullptr);
    auto* game = new TMenuItem(&menu);
    game->SetCaption("&Jogo");
    auto* save = new TMenuItem(&menu);
    save->SetCaption("Salvar");
    game->Add(save);
    menu.Items().Add(game);
    QWidget window;
    QMenuBar* bar = menu.BuildMenuBar(&window);
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions()[0]->text(), QStringLiteral("&Jogo"));
    EXPECT_EQ(bar->actions()[0]->menu()->actions()[0]->text(), QStringLiteral("Salvar"));
}

// A form with a popup menu whose first entry opens a modal dialog (closed again from a timer) and
// whose second one closes the form, as the game's menus do.
struct MenuWithADialog {
    TForm* form = new TForm(nullptr);
    TPopupMenu* menu = new TPopupMenu(form);
    TMenuItem* ask = new TMenuItem(menu);
    TMenuItem* close = new TMenuItem(menu);
    bool insideMenuEvent = false;  // a mouse or key event is being handed to the shown menu
    int asked = 0;
    int askedInsideMenuEvent = 0;

    MenuWithADialog()
    {
        form->SetBounds(10, 10, 300, 200);
        ask->SetCaption("Salvar jogo");
        close->SetCaption("Sair");
        menu->Items().Add(ask);
        menu->Items().Add(close);
        ask->OnClick = [this](TObject*) {
            ++asked;
            askedInsideMenuEvent += insideMenuEvent;
            TForm dialog(nullptr);
            test::AnswerForm<TForm>(dialog, [](TForm& shown) { shown.Close(); });
            dialog.ShowModal();
        };
        close->OnClick = [this](TObject*) { form->Close(); };
        form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
        form->Show();
        test::Pump(10);
    }
    QMenu* Pop()
    {
        menu->Popup(40, 40);
        return menu->ShownMenu();
    }
    void Click(QMenu* shown, int entry)
    {
        insideMenuEvent = true;
        QTest::mouseClick(shown, Qt::LeftButton, {}, shown->actionGeometry(shown->actions()[entry]).center());
        insideMenuEvent = false;
    }
    void Choose(QMenu* shown, int entry)
    {
        insideMenuEvent = true;
        for (int i = 0; i <= entry; ++i)
            QTest::keyClick(shown, Qt::Key_Down);
        QTest::keyClick(shown, Qt::Key_Return);
        insideMenuEvent = false;
    }
};

// The entry chosen with the mouse or the keys runs once the menu has closed and its event has
// returned: a modal dialog it opens never runs inside the menu's own event handling (Qt's menu code
// went on writing to the menu freed meanwhile), and an entry that closes the form frees it safely.
TEST(MenuTest, AChosenEntryRunsOnceTheMenuHasClosedAndItsEventHasReturned)
{
    MenuWithADialog game;
    QPointer<QMenu> shown = game.Pop();
    ASSERT_NE(shown, nullptr);
    game.Click(shown, 0);
    EXPECT_EQ(game.asked, 0);  // not yet: the menu's click is still being handled
    EXPECT_TRUE(test::PumpUntil([&] { return game.asked == 1; }));
    shown = game.Pop();
    game.Choose(shown, 0);
    EXPECT_TRUE(test::PumpUntil([&] { return game.asked == 2; }));
    EXPECT_EQ(game.askedInsideMenuEvent, 0);
    test::Pump(30);
    EXPECT_TRUE(shown.isNull());  // the menu closed and freed itself

    // An entry freed before its click runs is not clicked.
    shown = game.Pop();
    game.Click(shown, 0);
    Free(game.ask);
    test::Pump(30);
    EXPECT_EQ(game.asked, 2);

    // The entry that closes the form: the form is freed once the click has returned.
    QPointer<QWidget> window = game.form->Widget();
    shown = game.Pop();
    game.Click(shown, 0);
    EXPECT_TRUE(test::PumpUntil([&] { return window.isNull(); }));
}

// A reference to a form kept by the game in a global: it hears of the form's end, and the form of
// its own when the program's statics go.
class TFormWatch : public TComponent {
public:
    TFormWatch() : TComponent(nullptr) {}
};

// The player quits from a popup menu of a form that stays open to the end: the program ends at once
// (it once looped, or read freed memory, in the menu's notification while the statics were destroyed).
void QuitFromAFormWithAPopupMenu()
{
    static TFormWatch watch;  // made before the first popup menu, so destroyed after the menus' registry
    auto* form = new TForm(nullptr);
    form->SetBounds(10, 10, 300, 200);
    auto* roster = new TPanel(form);
    roster->SetParent(form);
    roster->SetBounds(0, 0, 300, 200);
    auto* menu = new TPopupMenu(form);
    auto* quit = new TMenuItem(menu);
    quit->SetCaption("Sair do jogo");
    quit->OnClick = [](TObject*) { Application->Terminate(); };
    menu->Items().Add(quit);
    SetPopupMenu(roster, menu);
    watch.FreeNotification(form);
    form->Show();
    test::Pump(10);
    test::SendMouse(roster->Widget(), QEvent::MouseButtonPress, QPoint(40, 40), Qt::RightButton, Qt::RightButton);
    test::SendMouse(roster->Widget(), QEvent::MouseButtonRelease, QPoint(40, 40), Qt::RightButton, Qt::NoButton);
    QMenu* shown = menu->ShownMenu();
    if (!shown || shown->actions().isEmpty())
        std::exit(3);
    QTest::mouseClick(shown, Qt::LeftButton, {}, shown->actionGeometry(shown->actions()[0]).center());
    test::Pump(10);
    std::exit(Application->Terminated() ? 0 : 4);
}

TEST(MenuTest, QuittingWhileAFormWithAPopupMenuIsOpenEndsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh program: its statics made in this order
    EXPECT_EXIT(QuitFromAFormWithAPopupMenu(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace tarvelon
