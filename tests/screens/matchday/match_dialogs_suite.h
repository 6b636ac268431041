#pragma once
// The suite of the in-match dialogs' tests, on the gallery's seeded game after its first day: a match
// of the human club at kick-off (both line-ups built, their starters on the pitch), the matchday's
// dialogs installed, the dialogs' pauses ending at once, and list rows clicked with the mouse.
#include <QTest>
#include <QTreeWidget>

#include "core/match/computer_lineups.h"
#include "core/match/lineup_access.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/list_view.h"
#include "screens/matchday/matchday_screens.h"
#include "tests/screens/gallery_game_suite.h"
#include "tests/screens/quick_clock.h"

namespace tarvelon::test {

class MatchDialogsSuite : public GalleryGameSuite {
protected:
    template <typename T>
    static T* OpenForm()
    {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (auto* form = dynamic_cast<T*>(Screen->Forms(i)); form && form->Visible())
                return form;
        return nullptr;
    }

    static void ClickRow(TListView* list, int row)
    {
        auto* tree = qobject_cast<QTreeWidget*>(list->Widget());
        ASSERT_NE(tree, nullptr);
        const QRect rect = tree->visualItemRect(tree->topLevelItem(row));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // Whether a row's cell of the given column is drawn with the star: a golden pixel at the cell's
    // left, where the picture stands before the text.
    static bool DrawsStar(TListView* list, int row, int column)
    {
        auto* tree = qobject_cast<QTreeWidget*>(list->Widget());
        if (!tree)
            return false;
        tree->clearSelection();
        const QRect cell = tree->visualRect(tree->model()->index(row, column));
        const QImage drawn = tree->viewport()->grab().toImage();
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x < cell.left() + 22 && x <= cell.right(); ++x) {
                const QColor c = drawn.pixelColor(x, y);
                if (c.red() > 200 && c.green() > 160 && c.blue() < 90)
                    return true;
            }
        return false;
    }

    static void SetUpTestSuite()
    {
        PrepareGame(7, 1);
        if (!ready_)
            return;
        InstallMatchdayDialogs();
        // A match of the human club at kick-off: both line-ups built, their starters on the pitch.
        human_ = Game.CurrentHumanClub;
        other_ = human_ == 0 ? 1 : 0;
        for (int club : {human_, other_}) {
            BuildCpuLineup(club);
            ChooseCpuTactics(club);
            const TLineup* lineup = LineupAt(Clubs[club].LineupIndex);
            ASSERT_NE(lineup, nullptr);
            for (int player : lineup->starters)
                if (TPlayer* p = PlayerAt(player))
                    p->OnPitch = 1;
        }
        match_ = 1;
        Matches.assign(kMatchSlots, jogos{});
        Matches[1].club[0] = human_;
        Matches[1].club[1] = other_;
        Matches[1].subsLeft[0] = Matches[1].subsLeft[1] = 3;
        Matches[1].lineup[0] = Clubs[human_].LineupIndex;
        Matches[1].lineup[1] = Clubs[other_].LineupIndex;
        MatchCount = 1;
    }
    static void TearDownTestSuite()
    {
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            delete Screen->Forms(i);
        GalleryGameSuite::TearDownTestSuite();
    }

    static inline int match_ = 0;
    static inline int human_ = -1;
    static inline int other_ = -1;
    const test::QuickClock clock_;  // the dialogs' pauses after each kick end at once
};

}  // namespace tarvelon::test
