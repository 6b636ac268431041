#pragma once
// Starting a new game once its set-up is done: the tables are built, the options read, the season's
// counters, calendar, fixtures, competitions and first draws made, and the first screen chosen.

namespace tarvelon {

// The screen a new game (or its builder) opens first.
enum class FirstScreen {
    None,             // nothing was started
    Hub,              // the hub of the human clubs; it opens with SeasonStartPending set
    Matchday,         // no human club plays on the first day: the matchday screen at once
    NationalTeamHub,  // the first day belongs to a national-team tournament
};

// The builder's work after the set-up screens: BuildNewGameTables, ReadOptions, the starting
// counters, the calendar, fixtures, Competitions, the national cup draws, the first match day,
// contracts, the World Cup draw, referees and the welcome mails. Says which screen opens first;
// for the matchday screen the computer clubs' line-ups are already prepared.
FirstScreen StartNewGame();

// Rebuilds `Competitions` from the played leagues and the competitions switched on.
void BuildCompetitionList();

// The first screen by the competition kind of the day, with what that choice changes: the
// national cup's first stage skipped when no league has a cup tie, or the line-ups of the
// matchday shown when no human club plays.
FirstScreen ChooseFirstScreen();

}  // namespace tarvelon
