// Every entry of every popup menu of every screen, chosen through the real menu on a seeded game,
// with the mouse and with the keys: what an entry starts (a modal dialog, another screen, the end
// of the game) runs once the menu has closed, never inside the menu's own event handling; the
// dialogs that open are closed again, and the screen that showed the menu goes on.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/menus.h"
#include "platform/stdctrls/message_box.h"
#include "screens/club/club_screens.h"
#include "screens/common/game_form.h"
#include "screens/common/screen_registry.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/gallery_game_suite.h"

namespace tarvelon {
namespace {

class PopupMenusTest : public test::GalleryGameSuite {
protected:
    static void SetUpTestSuite()
    {
        PrepareGame(7, 0);
        InstallClubScreenHooks();
    }
};

void CollectPopupMenus(TComponent& owner, std::vector<TPopupMenu*>& menus)
{
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        TComponent* component = owner.Components(i);
        if (auto* menu = dynamic_cast<TPopupMenu*>(component))
            menus.push_back(menu);
        else
            CollectPopupMenus(*component, menus);
    }
}

std::vector<QAction*> ChoosableEntries(QMenu& shown)
{
    std::vector<QAction*> entries;
    for (QAction* action : shown.actions())
        if (!action->isSeparator() && action->isVisible() && action->isEnabled() && !action->menu())
            entries.push_back(action);
    return entries;
}

enum class TChoice { Mouse, Keys };

// Closes the modal dialogs that the entries open, as a player leaves them, and notes the ones that
// opened while the menu was still handling the click or key that chose the entry.
class TDialogCloser {
public:
    TDialogCloser()
    {
        timer_.setInterval(15);
        QObject::connect(&timer_, &QTimer::timeout, [this] { CloseModalForms(); });
        timer_.start();
    }
    bool insideMenuEvent = false;
    std::vector<std::string> openedInsideMenuEvent;
    std::set<std::string> closed;

private:
    void CloseModalForms()
    {
        for (int i = Screen->FormCount() - 1; i >= 0; --i) {
            auto* form = dynamic_cast<TGameForm*>(Screen->Forms(i));
            if (form == nullptr || !form->Modal() || !form->Visible())
                continue;
            if (insideMenuEvent)
                openedInsideMenuEvent.push_back(form->FormClass());
            closed.insert(form->FormClass());
            form->Close();
            return;
        }
    }
    QTimer timer_;
};

bool ModalFormShows()
{
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i)->Modal())
            return true;
    return false;
}

// Closes what an entry left open beside the screen of the menu.
void CloseEveryFormBut(const TForm* kept)
{
    for (int round = 0; round < 3; ++round) {
        test::Pump(30);
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            if (TForm* form = Screen->Forms(i); form != kept && form->Visible())
                form->Close();
    }
    test::Pump(30);
}

// Pops the menu over the screen and chooses its `index`-th choosable entry.
bool ChooseEntry(TGameForm& screen, TPopupMenu& menu, std::size_t index, TChoice how, TDialogCloser& closer)
{
    const TPoint at = screen.ClientToScreen(TPoint{screen.ClientWidth() / 3, screen.ClientHeight() / 3});
    menu.Popup(at.X, at.Y);
    QMenu* shown = menu.ShownMenu();
    if (shown == nullptr)
        return false;
    test::Pump(5);
    const std::vector<QAction*> entries = ChoosableEntries(*shown);
    if (index >= entries.size())
        return false;
    QAction* entry = entries[index];
    closer.insideMenuEvent = true;
    if (how == TChoice::Mouse) {
        QTest::mouseClick(shown, Qt::LeftButton, Qt::NoModifier, shown->actionGeometry(entry).center());
    } else {
        for (int presses = 0; presses <= shown->actions().size() && shown->activeAction() != entry; ++presses)
            QTest::keyClick(shown, Qt::Key_Down);
        const bool reached = shown->activeAction() == entry;
        QTest::keyClick(shown, Qt::Key_Return);
        if (!reached) {
            closer.insideMenuEvent = false;
            return false;
        }
    }
    closer.insideMenuEvent = false;
    return true;
}

// The entries' captions of a menu as it pops over the screen now.
std::vector<std::string> EntryCaptions(TGameForm& screen, TPopupMenu& menu)
{
    const TPoint at = screen.ClientToScreen(TPoint{screen.ClientWidth() / 3, screen.ClientHeight() / 3});
    menu.Popup(at.X, at.Y);
    std::vector<std::string> captions;
    if (QMenu* shown = menu.ShownMenu()) {
        for (QAction* action : ChoosableEntries(*shown))
            captions.push_back(action->text().toStdString());
        shown->close();
    }
    test::Pump(10);
    return captions;
}

TEST_F(PopupMenusTest, EveryEntryOfEveryPopupMenuWorksThroughTheRealMenuWithTheMouseAndTheKeys)
{
    SetMessageBoxAnswerer([](const TMessageBoxRequest& request) {
        return request.buttons.empty() ? mrOk : request.buttons.back();  // "Não", "Cancelar" or "OK"
    });
    TDialogCloser closer;
    std::set<std::string> screensWithMenus;
    std::map<std::string, int> chosen;  // per screen, entries chosen
    for (const TScreenRecord* record : RegisteredScreens()) {
        const test::GameKeptAside kept;
        QPointer<QWidget> window;
        auto open = [&]() -> TGameForm* {
            TGameForm* form = CreateScreen(*record, Application, true);
            if (form == nullptr)
                return nullptr;
            window = form->Widget();
            form->Show();
            test::Pump(20);
            return window.isNull() ? nullptr : form;
        };
        TGameForm* screen = open();
        ASSERT_NE(screen, nullptr) << record->formClass;
        std::vector<TPopupMenu*> menus;
        CollectPopupMenus(*screen, menus);
        if (!menus.empty())
            screensWithMenus.insert(record->formClass);
        for (std::size_t m = 0; m < menus.size(); ++m) {
            const std::string menuName = menus[m]->Name();
            const std::size_t count = EntryCaptions(*screen, *menus[m]).size();
            for (TChoice how : {TChoice::Mouse, TChoice::Keys}) {
                for (std::size_t entry = 0; entry < count; ++entry) {
                    const std::string what = record->formClass + " " + menuName + " entry " + std::to_string(entry) +
                                             (how == TChoice::Mouse ? " (mouse)" : " (keys)");
                    // An entry may end the screen or the game: the next one starts on a fresh screen.
                    if (window.isNull() || !screen->Visible()) {
                        CloseEveryFormBut(nullptr);
                        screen = open();
                        ASSERT_NE(screen, nullptr) << what;
                    }
                    TPopupMenu* menu = screen->FindChild<TPopupMenu>(menuName);
                    ASSERT_NE(menu, nullptr) << what;
                    EXPECT_TRUE(ChooseEntry(*screen, *menu, entry, how, closer)) << what;
                    test::Pump(30);
                    EXPECT_TRUE(test::PumpUntil([] { return !ModalFormShows(); }, 10000)) << what;
                    EXPECT_EQ(closer.openedInsideMenuEvent, std::vector<std::string>{}) << what;
                    closer.openedInsideMenuEvent.clear();
                    Application->ResetTerminated();  // "Sair do jogo"
                    CloseEveryFormBut(window.isNull() ? nullptr : screen);
                    ++chosen[record->formClass];
                }
            }
        }
        if (!window.isNull())
            screen->Close();
        CloseEveryFormBut(nullptr);
    }
    SetMessageBoxAnswerer({});
    EXPECT_EQ(screensWithMenus, (std::set<std::string>{"TForm13", "TForm14", "TForm3", "TForm75"}));
    // The entries this game shows, each chosen twice: the hub's twenty-three, the market's player
    // history, the editor's four squad entries and the national hub's three.
    EXPECT_EQ(chosen, (std::map<std::string, int>{{"TForm13", 46}, {"TForm14", 2}, {"TForm3", 8}, {"TForm75", 6}}));
    // Among the dialogs the entries opened: the save-name dialog ("Salvar jogo"), the resignation's
    // confirmation ("Se demitir"), the sale of a player and the editor's new player.
    for (const char* dialog : {"TForm40", "TForm65", "TForm44", "TForm5"})
        EXPECT_TRUE(closer.closed.contains(dialog)) << dialog;
}

}  // namespace
}  // namespace tarvelon
