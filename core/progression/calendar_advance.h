#pragma once
// "Continuar >>" of the results screen: the calendar moves on to the next day on which something is
// played, the stages the played day completed are closed, the updates that follow a round run
// (computer transfers, coach firings, job offers, revaluation, national call-ups), and the answer
// names the one screen that opens next.

namespace tarvelon {

enum class CalendarExit {
    SeasonEnd,     // the end-of-season summary (whose creation runs the new season)
    Hub,           // the club hub
    Auction,       // a player auction (AuctionRound 1..3, AuctionPlayer -1)
    NationalHub,   // the national-team hub, after any call-ups
    NextMatchday,  // no human side plays: the next live matchday at once (line-ups already built)
};

// Competition kind of the day reached by the advance; -1 when the season has no further day.
extern int NextDayKind;
// A human-coached club or national team plays on the day reached.
extern bool HumanMatchToday;
// What the screens opened by the advance read: the human national team called up (1..6), and the
// auction round (0 none) with its player (-1: the auction picks him).
extern int CallUpTeam;
extern int AuctionRound;
extern int AuctionPlayer;

// The whole advance, in the game's order.
CalendarExit AdvanceCalendar();

// HumanMatchToday from NextDayKind (left as it is for -1).
void UpdateHumanMatchToday();

// After a national-team tournament: every called-up player goes back to his club, the human
// national teams lose their coaches, TournamentJustEnded is cleared.
void EndTournamentCallUps();

// The first human national team whose country can field a squad goes into CallUpTeam; true only the
// first time in a tournament and when there is such a team.
bool NeedsNationalCallUp();

// Some human club has fewer than 25 players.
bool AnyHumanSquadShort();

// How many computer transfers follow a league round: in random leagues and in the league of the
// state championships' country, by the league format and the day reached (each Random(3) drawn on
// its own, the first count's first), three more each from the sixth season on.
struct TransferCounts {
    int anyLeague;
    int stateLeague;
};
TransferCounts AiTransferCounts();

// The exits (each also what AdvanceCalendar does at its end).
CalendarExit ReturnToHub();
// No human club plays on the day reached: the state shown on a state day is chosen here, then the
// day's line-ups and first league as the hub's kick-off has them.
CalendarExit OpenNextMatchday();
// The hub's kick-off: the computer clubs' line-ups of the day and its first league (the second
// edition's on continental days); the state shown stays the one the hub chose.
void PrepareTodaysLineupsAndLeague();
CalendarExit OpenSeasonEnd();

}  // namespace tarvelon
