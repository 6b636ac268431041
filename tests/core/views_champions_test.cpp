// The champions history on a small made-up game: champions newest first, the runner-up looked up as
// place 2 of the same competition and season (also for the last record of the table, and never
// from a neighbouring record of another competition), the top scorer and the coach, and the line.
#include <gtest/gtest.h>

#include "core/views/champions.h"
#include "tests/core/views_world.h"

using namespace tarvelon;
using namespace tarvelon::viewsworld;

namespace {

TEST(ViewsChampions, ChampionsNewestFirstWithTheirOwnRunnerUpScorerAndCoach)
{
    Build();
    TCoach coach{};
    coach.name.set("Téc A");
    Coaches.push_back(coach);
    const int ana = AddPlayer("Ana Maria Albuquerque", 0, 4);
    // Season 1: the cup's record lies between the league's champion and runner-up.
    Placings = {{1, 1, 2, 1, 0}, {1, 3, 4, 1, -1}, {1, 1, 0, 2, -1}, {2, 1, 3, 2, -1}, {2, 1, 1, 1, 0}};
    Scorers = {{1, 1, 0, ana, 0, 12, 0}};
    const auto rows = ChampionRows(1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].season, 2);
    EXPECT_EQ(rows[0].championName, "Brisa");
    EXPECT_EQ(rows[0].runnerUpName, "Duna");  // recorded before the champion, last record of the table
    EXPECT_EQ(rows[0].scorer, "");
    EXPECT_EQ(rows[1].championName, "Cedro");
    EXPECT_EQ(rows[1].runnerUp, 0);            // not the cup's club that follows in the table
    EXPECT_EQ(rows[1].coach, "Téc A");
    EXPECT_EQ(rows[1].scorer, "Ana Maria Albuquerqu (Aurora) - 12 gols");  // names hold 20 characters
    const auto cup = ChampionRows(3);
    ASSERT_EQ(cup.size(), 1u);
    EXPECT_EQ(cup[0].runnerUp, -1);
    EXPECT_EQ(cup[0].runnerUpName, "");
    EXPECT_TRUE(ChampionRows(2).empty());
    EXPECT_EQ(ChampionsCompetition(1, kBrazil), 1);
    EXPECT_EQ(ChampionsCompetition(3, kSaoPaulo), 4);
    EXPECT_EQ(ChampionsCompetition(4, 3), 6);
    EXPECT_EQ(ChampionLine(rows[0], "idx:2", "", ""),
              "<FONT color=\"#008040\">2011<IND x=\"38\"><IMG src=\"idx:2\"><IND x=\"45\">Brisa<IND x=\"185\">"
              "<IMG src=\"\"><IND x=\"192\">Duna<IND x=\"330\"><IND x=\"580\">Téc A</FONT><br>");
    // A national tournament's scorer stands behind his country's flag.
    EXPECT_NE(ChampionLine(rows[1], "", "", "idx:29").find("<IND x=\"330\"><IMG src=\"idx:29\"><IND x=\"338\">Ana"),
              std::string::npos);
}

}  // namespace
