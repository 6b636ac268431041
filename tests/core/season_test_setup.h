#pragma once
// A fresh game of the given season and league format with every competition switched on, and its
// calendar built: the common start of the season tests.
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "tests/core/test_world.h"

namespace tarvelon {

inline void SetUpSeasonGame(int season, int leagueFormat)
{
    testbuild::StartEmptyGame(season, leagueFormat);
    Game.nationalCupOn = 1;
    Game.StateChampionshipsOn = 1;
    Game.firstContinentalPairOn = 1;
    Game.secondContinentalPairOn = 1;
    Game.worldCupOn = 1;
    Game.copaAmericaOn = 1;
    Game.eurocopaOn = 1;
    BuildCalendar();
}

}  // namespace tarvelon
