#include "core/economy/stadium.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "core/basics/rounding.h"
#include "core/basics/typed_text.h"
#include "core/economy/table_access.h"

namespace tarvelon {

namespace {

constexpr int kG = 0;
constexpr int kA = 1;
constexpr int kC = 2;

TClub* StadiumClub(int club)
{
    return IsClubIndex(club) ? &Clubs[club] : nullptr;
}

bool ValidSector(int sector)
{
    return sector >= 0 && sector < kStadiumSectors;
}

// The cost grows with the division: the top clubs build dearer stadiums.
std::int64_t ApplyDivisionFactor(std::int64_t cost, int division)
{
    switch (division) {
    case 1: return cost * 4;
    case 2: return cost * 3;
    case 3: return Round(cost * 1.5);
    default: return cost;
    }
}

}  // namespace

bool StepTicketPrice(int club, int sector, int direction)
{
    TClub* c = StadiumClub(club);
    if (c == nullptr || !ValidSector(sector) || direction == 0)
        return false;
    const std::int64_t price = static_cast<std::int64_t>(c->SectorPrices[sector]) + (direction > 0 ? 1 : -1);
    if (price < INT32_MIN || price > INT32_MAX)
        return false;
    c->SectorPrices[sector] = static_cast<std::int32_t>(price);
    return true;
}

SectorSeats MaxSectorSeats(int season)
{
    if (season < 2) return {18000, 80000, 9000, 500};
    if (season <= 5) return {20000, 100000, 10000, 500};
    if (season <= 9) return {22000, 110000, 10000, 600};
    if (season <= 19) return {25000, 120000, 10000, 700};
    return {30000, 125000, 10000, 800};
}

std::int32_t SeatPrice(int sector, std::int32_t t)
{
    switch (sector) {
    case kG: return t < 10000 ? 50 : t < 15000 ? 75 : t < 20000 ? 100 : 200;
    case kA: return t < 10000 ? 80 : t < 20000 ? 85 : t < 40000 ? 100 : t < 60000 ? 150 : t < 80000 ? 250 : 300;
    case kC: return t < 10000 ? 150 : t < 15000 ? 200 : t < 20000 ? 250 : 300;
    default: return t < 100 ? 800 : t < 200 ? 1200 : t < 400 ? 1500 : 2000;
    }
}

std::int64_t SectorExpansionCost(int sector, std::int32_t asked, std::int32_t current, int division)
{
    if (asked <= 0)
        return 0;
    const std::int64_t newTotal = static_cast<std::int64_t>(asked) + current;
    const std::int32_t t = static_cast<std::int32_t>(std::min<std::int64_t>(newTotal, INT32_MAX));
    return ApplyDivisionFactor(static_cast<std::int64_t>(asked) * SeatPrice(sector, t), division);
}

std::int32_t SeatsAsked(const std::string& text)
{
    const std::optional<std::int32_t> value = ReadWholeNumber(text);
    return value && *value > 0 ? *value : 0;
}

int ExpansionDays(std::int32_t totalSeats)
{
    const std::int64_t building = totalSeats < 1001 ? 1 : Round(totalSeats / 1000.0);
    return 3 + static_cast<int>(building);
}

ExpansionQuote QuoteExpansion(int club, const SectorSeats& asked, int season, TDateTime start)
{
    ExpansionQuote quote;
    const TClub* c = StadiumClub(club);
    if (c == nullptr)
        return quote;
    const SectorSeats maxima = MaxSectorSeats(season);
    for (int s = 0; s < kStadiumSectors; ++s)
        if (static_cast<std::int64_t>(maxima[s]) - c->SectorSeats[s] < asked[s]) {
            quote.outcome = QuoteOutcome::TooLarge;
            return quote;
        }
    std::int64_t total = 0;
    for (int s = 0; s < kStadiumSectors; ++s)
        total += std::max(asked[s], 0);
    if (total == 0)
        return quote;
    quote.outcome = QuoteOutcome::Quoted;
    for (int s = 0; s < kStadiumSectors; ++s) {
        quote.seats[s] = std::max(asked[s], 0);
        quote.cost += SectorExpansionCost(s, quote.seats[s], c->SectorSeats[s], c->Division);
    }
    quote.cost += kExpansionProjectCost;
    quote.endDate = start + ExpansionDays(static_cast<std::int32_t>(total));
    return quote;
}

const TStadiumWork* StadiumWorkInProgress(int club)
{
    for (const TStadiumWork& work : StadiumWorks)
        if (work.club == club && work.inProgress != 0)
            return &work;
    return nullptr;
}

bool StartExpansion(int club, const ExpansionQuote& quote)
{
    TClub* c = StadiumClub(club);
    if (c == nullptr || quote.outcome != QuoteOutcome::Quoted || StadiumWorkInProgress(club) != nullptr)
        return false;
    if (c->cash < CurrencyFromUnits(quote.cost))
        return false;
    TStadiumWork work;
    work.club = club;
    work.endDate = quote.endDate;
    for (int s = 0; s < kStadiumSectors; ++s)
        work.seatsAdded[s] = quote.seats[s];
    work.inProgress = 1;
    StadiumWorks.push_back(work);
    AddUnitsToCash(c->cash, -quote.cost);
    if (club < static_cast<int>(ClubFinances.size()))
        AddToAccount(ClubFinances[static_cast<std::size_t>(club)].stadium, quote.cost);
    return true;
}

bool CompleteStadiumWorks(int club, TDateTime today)
{
    TClub* c = StadiumClub(club);
    if (c == nullptr)
        return false;
    for (TStadiumWork& work : StadiumWorks) {
        if (work.club != club || work.inProgress == 0 || work.endDate > today)
            continue;
        work.inProgress = 0;
        for (int s = 0; s < kStadiumSectors; ++s)
            if (work.seatsAdded[s] > 0)
                c->SectorSeats[s] += work.seatsAdded[s];
        return true;
    }
    return false;
}

}  // namespace tarvelon
