#pragma once
// What the hub shows of the current human club: the next-match text, the head-to-head panel, the
// roster rows and the player card. Read-only, except that a trait code out of range is repaired in
// the player record the first time a list shows it.
#include <cstdint>
#include <string>

namespace tarvelon {

// The next match of the club today: the opponent (-1 none) and the panel's mini-HTML.
struct NextMatchView {
    int opponent = -1;
    std::string html;
    // The text shows the hand cursor (a click opens the market on the opponent), except against
    // one of the extra clubs of the second continental cup.
    bool handCursor = false;
};
NextMatchView NextMatchOf(int club);

struct HeadToHeadView {
    std::string ownTitle;       // lb_conft1
    std::string opponentTitle;  // lb_conft2
    std::string summary;        // lb_conf1
    std::string lines;          // lb_conf2
    std::string lastGame;       // lb_conf3
    std::string seasons;        // lb_conf4
};
// With no opponent (-1) only the club's own title is filled.
HeadToHeadView HeadToHeadOf(int own, int opponent);

// A trait code outside 0..13 is stored back as the position's default (outfield 13 / 11,
// goalkeeper 0 / 1).
void RepairTraits(int player);

// One row of a squad list.
struct RosterRowView {
    int player = 0;
    std::string position;      // first letter of the position name
    std::string name;
    std::string side;          // "E" left, "D" right
    int strength = 0;
    int energy = 0;
    std::int64_t wage = 0;     // whole units
    std::string wageText;
    std::string wageHint;      // contract warning
    std::int64_t price = 0;    // asking price when listed, else value, whole units
    std::string priceText;
    std::string priceHint;
    int goals = 0;
    std::string traits;
    std::string traitsHint;    // both trait names, only when they differ (club hub)
    std::string bothTraitNames;  // both trait names, "Name/Name" also when they are equal (national hub)
    int age = 0;
    int moraleImage = 0;       // morale + 7
    int condition = 0;         // condition icon (0 none)
    std::string colstatus;     // "3" out, "4" only from the next match, "" available
    int contractDays = 0;      // days of contract left (negative: expired)
};
RosterRowView RosterRowOf(int player);

// The player's goals this season for the club he plays for now.
int SeasonGoalsOfPlayer(int player);

// The player card: the name line and the text (`tall`: screens taller than 600 pixels; the second
// column stands at least at `leastIndent` pixels, what the form's scale makes of the first column's width).
std::string PlayerCardName(int player, bool tall, int leastIndent = 0);
std::string PlayerCardText(int player, bool tall, int leastIndent = 0);

// The referee the club's match today will have: on league, cup, state and continental days the
// match takes its place in the day's list of that competition and region in fixture order, and
// the day's referees are dealt to the matches in turn; on other days the referee of the turn's
// slot in the pool of the club's country. 0 when there is none.
int RefereeOfClubsMatchToday(int club, int turn);

// The header's division line: "2ª divisão - 5º colocado" (or "3ª divisão estadual" on state days).
std::string DivisionText(int club);

// The club's unread news: messages older than 14 days are flagged as read on the way; the rest count.
int CountUnreadNews(int club);

// "<shad>" + text + "</shad>".
std::string Shadowed(const std::string& text);

}  // namespace tarvelon
