#pragma once
// What a standings table on screen must show for the rows of the game: each row's place text, name
// and numbers, and "--" in the rows beyond them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/tables.h"
#include "core/views/standings_view.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/competitions/standings_screen.h"

namespace tarvelon::test {

inline void ExpectTableShows(const TStandingTable& table, const std::vector<TStandingRow>& rows)
{
    const std::vector<std::string> places = PlaceTexts(rows);
    ASSERT_GE(table.rows.size(), rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        EXPECT_EQ(table.rows[r].place->Caption(), places[r]) << r;
        EXPECT_EQ(table.rows[r].name->Caption(), " " + Clubs[rows[r].club].name.str()) << r;
        EXPECT_EQ(table.rows[r].numbers[0]->Caption(), std::to_string(rows[r].points)) << r;
        EXPECT_EQ(table.rows[r].numbers[7]->Caption(), std::to_string(rows[r].goalDifference)) << r;
    }
    for (std::size_t r = rows.size(); r < table.rows.size(); ++r)
        EXPECT_EQ(table.rows[r].place->Caption(), "--");
}

}  // namespace tarvelon::test
