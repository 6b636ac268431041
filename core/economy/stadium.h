#pragma once
// A club's stadium: the ticket price of each sector, the quote of an expansion, its works paid at
// once, and their completion when the calendar reaches the end date. Sectors are always in the order
// G (general), A (stands), C (chairs), Cm (boxes), index 0..3.
#include <array>
#include <cstdint>
#include <string>

#include "core/basics/datetime.h"
#include "core/records/game_records.h"

namespace tarvelon {

using SectorSeats = std::array<std::int32_t, kStadiumSectors>;

// A ticket price one step up (+1) or down (-1); the return is whether the price moved. The range a
// coach may set is the price spinners' (G never free): a price read from a club's file beyond it
// can still be stepped back.
bool StepTicketPrice(int club, int sector, int direction);

// The most seats a sector may hold in a season (1 the first), as the engineers know how to build.
SectorSeats MaxSectorSeats(int season);

// What the engineers charge for one seat of a sector whose new total is `newTotal`.
std::int32_t SeatPrice(int sector, std::int32_t newTotal);
// The building cost of `asked` seats added to `current`, times the division's factor.
std::int64_t SectorExpansionCost(int sector, std::int32_t asked, std::int32_t current, int division);

// The seats typed for a sector: the number when the text is a whole number above 0, else 0.
std::int32_t SeatsAsked(const std::string& text);

inline constexpr std::int32_t kExpansionProjectCost = 100000;

enum class QuoteOutcome {
    Nothing,   // no seat asked: no quote
    TooLarge,  // a sector asked for more than it may still grow
    Quoted,
};

// A quote keeps what it was given for: the seats, the cost and the date the works end.
struct ExpansionQuote {
    QuoteOutcome outcome = QuoteOutcome::Nothing;
    SectorSeats seats{};
    std::int64_t cost = 0;  // whole units, the initial project included
    TDateTime endDate = 0;
};

// Days the works take: 3 to start, then one day per thousand seats (at least one).
int ExpansionDays(std::int32_t totalSeats);

// The quote for the club's stadium on the season's limits, works starting on `start`.
ExpansionQuote QuoteExpansion(int club, const SectorSeats& asked, int season, TDateTime start);

// The club's first work still running; null when none.
const TStadiumWork* StadiumWorkInProgress(int club);

// Starts the quoted works when the cash covers the cost (exactly enough is enough): the work is
// recorded, the cost leaves the cash and is booked on the "Estádio" account. False (nothing
// moves) when the cash is short, the quote is no quote, or a work of the club is running.
bool StartExpansion(int club, const ExpansionQuote& quote);

// The club's first running work whose end date has come: its seats join the sectors and it stops.
// At most one completes a call; true when one did.
bool CompleteStadiumWorks(int club, TDateTime today);

}  // namespace tarvelon
