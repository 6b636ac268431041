#pragma once
// The suite of the club's administration screens, on the gallery's seeded game before its first day:
// the screens shown as the hub shows them, real clicks on their controls, entries chosen with the
// arrow keys, modal screens driven from inside their loop, and the messages shown kept.
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/records/game_state.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/message_box.h"
#include "screens/club/friendly_screens.h"
#include "screens/common/screen_registry.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/gallery_game_suite.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon::test {

class ClubAdministrationSuite : public GalleryGameSuite {
protected:
    static void SetUpTestSuite() { PrepareGame(5, 0); }
    void SetUp() override
    {
        GalleryGameSuite::SetUp();
        SetMessageBoxAnswerer([this](const TMessageBoxRequest& request) {
            messages_.push_back(request.text);
            return mrOk;
        });
    }
    void TearDown() override
    {
        SetMessageBoxAnswerer({});
        test::CloseEveryForm();
    }

    template <typename T>
    static T* Show(const std::string& formClass)
    {
        auto* form = dynamic_cast<T*>(CreateScreen(formClass, Application));
        if (form) {
            form->Show();
            test::Pump();
        }
        return form;
    }

    static void Click(TWinControl* control, QPoint at = QPoint(-1, -1))
    {
        ASSERT_NE(control, nullptr);
        QWidget* widget = control->Widget();
        const QPoint p = at.x() < 0 ? widget->rect().center() : at;
        test::SendMouse(widget, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        test::SendMouse(widget, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        test::Pump();
    }

    static void ClickRow(TDataGrid* grid, int row) { Click(grid, QPoint(80, grid->RowTop(row) + 5)); }

    // The arrow keys move a closed list to the entry wanted, as the player does it.
    static void ChooseEntry(TComboBox* combo, int index)
    {
        while (combo->ItemIndex() < index) test::PressKey(combo->Widget(), Qt::Key_Down);
        while (combo->ItemIndex() > index) test::PressKey(combo->Widget(), Qt::Key_Up);
        test::Pump();
    }

    // Runs `act` on the top form once it is `formClass` (from inside its modal loop).
    static void WhenOpen(const std::string& formClass, std::function<void(TForm*)> act)
    {
        AnswerTopForm(formClass, [act](TForm& top) { act(&top); });
    }

    static int HumanClub() { return Game.HumanClubs[0]; }

    // A computer club of the human club's country and division `division`.
    static int ComputerClub(int division, int other = -1)
    {
        for (int c = 0; c < Game.LeagueClubCount; ++c)
            if (c != HumanClub() && c != other && !Clubs[c].IsHuman && Clubs[c].Country == Clubs[HumanClub()].Country &&
                Clubs[c].Division == division)
                return c;
        return -1;
    }

    static int EntryOf(TForm81* form, int club)
    {
        for (int i = 0; i < form->ComboBox1->Items().Count(); ++i)
            if (form->ComboBox1->Items()[i] == Clubs[club].name.str())
                return i;
        return -1;
    }

    std::vector<std::string> messages_;
};

}  // namespace tarvelon::test
