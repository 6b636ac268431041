#pragma once
// The suite of the national teams' screens, on the gallery's seeded game made into a World Cup day:
// eight groups of four nations from club 10 on, none of them human until a test says so, and the
// hub of the first nation opened with the squad of club 1 called up.
#include "core/club_rosters.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "screens/competitions/national_hub_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon::test {

class NationalTeamSuite : public viewstest::ViewsScreenTest {
protected:
    static constexpr int kFirstNation = 10;

    void SetUp() override
    {
        ViewsScreenTest::SetUp();
        invitationCloser_.LeaveToTheTest("TForm76");  // the invitation is these tests' own subject
        Game.DayKind = 7;
        Game.TournamentStage = 1;
        Game.TournamentHost = 1;
        Game.HumanNationCount = 0;
        for (int g = 0; g < 8; ++g)
            for (int p = 0; p < 4; ++p) {
                const int club = kFirstNation + 4 * g + p;
                Game.NationalGroups[g][p] = club;
                Clubs[club].NationalTeamGroup = g + 1;
                Clubs[club].NationalTeamCupEntry = 1;
                Clubs[club].IsHuman = 0;
            }
    }

    // The hub of the first nation, the only human one, with the squad of club 1 called up.
    TForm75* OpenTheHubOfTheFirstNation()
    {
        Game.HumanNationCount = 1;
        Game.HumanNations[0] = kFirstNation;
        for (int player : SquadInListOrder(1))
            Players[player].Club = kFirstNation;
        PlayerClubsChanged();
        return Open<TForm75>("TForm75");
    }
};

}  // namespace tarvelon::test
