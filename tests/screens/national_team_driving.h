#pragma once
// Leading a national team through its screens as a coach does: the invitation (TForm76) taken with
// a click on its first offer free to lead, and the call-up (TForm77) of the best of the country.
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "core/tables.h"
#include "core/views/call_up_search.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/buttons.h"
#include "screens/club/call_up_screen.h"
#include "screens/competitions/national_invitations_screen.h"
#include "tests/screens/player_clicks.h"

namespace tarvelon::test {

// The invitation's first offer that is shown and free to lead, clicked (its radio button);
// "OK" is left to the caller. The offer's radio index, or -1 when none is free.
inline int ClickFirstFreeOffer(TForm76& invitation)
{
    for (int i = 0; i < static_cast<int>(invitation.radios.size()); ++i) {
        TRadioButton* radio = invitation.radios[static_cast<std::size_t>(i)];
        if (radio->Visible() && radio->Enabled()) {
            QTest::mouseClick(radio->Widget(), Qt::LeftButton, {}, QPoint(8, radio->Height() / 2));
            return i;
        }
    }
    return -1;
}

// The call-up: every player of the country searched ("Procurar" with every filter on "any"), the
// three strongest goalkeepers and the twenty strongest outfield players among them added one by
// one (a click on the row, ">>"). Returns the squad chosen; "Continuar >>" is left to the caller.
inline std::vector<int> CallUpTheStrongest(TForm77& callUp)
{
    Click(callUp.GradButton3);
    TDataGrid& found = *callUp.gfind;
    std::vector<int> keepers;
    std::vector<int> outfield;
    for (int row = 0; row < found.RowCount(); ++row) {
        const int player = std::stoi(found.GetCellTextByName("colid", row));
        (Players[player].Position == 0 ? keepers : outfield).push_back(player);
    }
    const auto keepStrongest = [](std::vector<int>& players, int count) {
        std::stable_sort(players.begin(), players.end(),
                         [](int a, int b) { return Players[a].Strength > Players[b].Strength; });
        if (static_cast<int>(players.size()) > count)
            players.resize(static_cast<std::size_t>(count));
    };
    keepStrongest(keepers, kCallUpGoalkeepers);
    keepStrongest(outfield, kCallUpOutfield);
    for (const std::vector<int>* chosen : {&keepers, &outfield})
        for (int player : *chosen) {
            ClickRow(found, RowWithText(found, "colid", std::to_string(player)), 120);
            Click(callUp.GradButton1);
        }
    return callUp.Squad().Players();
}

}  // namespace tarvelon::test
