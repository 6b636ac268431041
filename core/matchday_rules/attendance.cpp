#include "core/matchday_rules/attendance.h"

#include <algorithm>
#include <initializer_list>
#include <limits>

#include "core/basics/random.h"
#include "core/basics/rounding.h"
#include "core/records/matchday_globals.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr double kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr double kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr int kBrazil = 29;

// Rounds a crowd figure, stopping at the 32-bit range instead of wrapping round.
std::int32_t RoundCrowd(double value)
{
    return static_cast<std::int32_t>(Round(std::clamp(value, kInt32Min, kInt32Max)));
}

bool In(int value, std::initializer_list<int> set) { return std::find(set.begin(), set.end(), value) != set.end(); }

// The working figures of one match's crowd, sector s at [s - 1].
struct Crowd {
    const TClub& home;
    const TClub& away;
    SectorCrowd capacity{};   // the seats, lowered by a division's cap
    SectorCrowd seats{};      // the stadium's seats as built
    SectorCrowd priceDiff{};  // reference price minus the club's price
    SectorCrowd att{};
};

Crowd StartCrowd(int home, int away, int firstPricedDivision)
{
    Crowd c{Clubs[home], Clubs[away]};
    const int division = c.home.Division;
    const bool priced = division >= firstPricedDivision && division < kTicketPriceRows;
    for (int s = 0; s < 4; ++s) {
        c.capacity[s] = c.home.SectorSeats[s];
        c.seats[s] = c.home.SectorSeats[s];
        if (priced) {
            const double diff = static_cast<double>(TicketPrices[division].sectors[s]) - c.home.SectorPrices[s];
            c.priceDiff[s] = RoundCrowd(diff);
        }
    }
    return c;
}

// A P rule: every sector is filled to P per cent of its capacity, with a new P drawn for each.
template <typename DrawP>
void FillByPercent(Crowd& c, DrawP drawP)
{
    for (int s = 0; s < 4; ++s) {
        const double p = drawP();
        c.att[s] = RoundCrowd(p / 100.0 * c.capacity[s]);
    }
}

// The smaller stadiums the lower divisions are allowed to fill.
void CapByDivision(Crowd& c)
{
    auto cap = [&c](int s, int above, int base, int spread) {
        if (c.capacity[s - 1] > above)
            c.capacity[s - 1] = base + Random(spread);
    };
    switch (c.home.Division) {
    case 4:
        cap(1, 3000, 2000, 1000);
        cap(2, 15000, 13000, 2000);
        cap(3, 1000, 900, 100);
        cap(4, 150, 100, 50);
        break;
    case 3:
        cap(1, 15000, 13000, 2000);
        cap(2, 35000, 30000, 5000);
        cap(3, 4000, 3000, 1000);
        cap(4, 500, 300, 200);
        break;
    case 2: cap(2, 70000, 60000, 10000); break;
    default: break;
    }
}

void FixNegatives(Crowd& c)
{
    if (c.att[1] < 0) c.att[1] = 50 + Random(200);
    if (c.att[2] < 0) c.att[2] = 50 + Random(50);
    if (c.att[0] < 0) c.att[0] = 50 + Random(100);
    if (c.att[3] < 0) c.att[3] = 0;
}

// A human club's prices against the reference: 12 % more (or fewer) spectators per unit cheaper.
void ApplyTicketPrices(Crowd& c)
{
    if (c.home.IsHuman == 0)
        return;
    for (int s = 0; s < 4; ++s) {
        if (c.priceDiff[s] == 0)
            continue;
        const double change = Round(std::clamp(c.att[s] * 0.12 * c.priceDiff[s], kInt32Min, kInt32Max));
        c.att[s] = RoundCrowd(static_cast<double>(c.att[s]) + change);
        c.att[s] = std::clamp(c.att[s], 0, std::max(c.seats[s], 0));
    }
}

void ClampToCapacity(Crowd& c)
{
    for (int s = 0; s < 4; ++s)
        c.att[s] = std::min(c.att[s], c.capacity[s]);
}

void ApplyMinimums(Crowd& c, bool stateDay)
{
    if (c.att[0] < 50) c.att[0] = 50 + Random(100);
    if (c.att[1] < 100) c.att[1] = 50 + Random(200);
    if (c.att[2] < 10) c.att[2] = 50 + Random(50);
    if (c.att[3] < 0) c.att[3] = stateDay ? Random(20) : 0;
}

SectorCrowd Finish(Crowd& c)
{
    FixNegatives(c);
    ApplyTicketPrices(c);
    ClampToCapacity(c);
    ApplyMinimums(c, false);
    return c.att;
}

void AddShare(Crowd& c, int sector, double share)
{
    c.att[sector - 1] = RoundCrowd(c.att[sector - 1] + static_cast<double>(Round(c.att[sector - 1] * share)));
}

bool ValidPair(int home, int away)
{
    const int count = static_cast<int>(Clubs.size());
    return home >= 0 && home < count && away >= 0 && away < count;
}

// (A, B) of a continental cup by the home club's mood band (0 above 80, 1 from 51, 2 lower) and stage.
struct CupBand {
    int a;
    int b;
};

int StageColumn(int stage) { return stage < 4 ? 0 : stage >= 7 ? 4 : stage - 3; }
int MoodRow(int mood) { return mood > 80 ? 0 : mood >= 51 ? 1 : 2; }

SectorCrowd ContinentalAttendance(int home, int away, CupBand band, int firstPricedDivision)
{
    Crowd c = StartCrowd(home, away, firstPricedDivision);
    const bool sameCountry = c.home.Country == c.away.Country;
    FillByPercent(c, [&] { return (sameCountry ? band.a : band.b) + Random(15); });
    return Finish(c);
}

}  // namespace

SectorCrowd FriendlyAttendance(int home, int away)
{
    if (!ValidPair(home, away))
        return {};
    Crowd c = StartCrowd(home, away, 0);
    const bool same = c.home.Country == c.away.Country;
    const int hl = c.home.Level;
    const int al = c.away.Level;
    auto rule = [&c, same](double sameP, int sameSpread, int otherBase, int otherSpread) {
        FillByPercent(c, [&] { return same ? sameP + Random(sameSpread) : otherBase + Random(otherSpread); });
    };
    FillByPercent(c, [&] { return same ? Random(20) + c.home.SupportersMood * 0.2 : 30.0 + Random(20); });
    if (hl - al >= 4) rule(10, 10, 10, 20);
    if (c.home.Division == 1 && c.away.Division > 1) rule(5, 10, 5, 15);
    if (hl < 13 && al >= 17) rule(50, 20, 70, 35);
    if (hl >= 13 && hl <= 14 && al >= 17) rule(40, 20, 65, 35);
    if (hl >= 15 && al >= 17) rule(20, 10, 60, 40);
    return Finish(c);
}

SectorCrowd LeagueAttendance(int home, int away)
{
    if (!ValidPair(home, away))
        return {};
    Crowd c = StartCrowd(home, away, 0);
    CapByDivision(c);
    if (Game.LeagueRound == 1 && Game.LeagueTurn == 1)
        FillByPercent(c, [] { return 50.0 + Random(30); });
    else
        FillByPercent(c, [&] { return Random(20) + c.home.SupportersMood * 0.8; });
    if (c.away.Level > c.home.Level) {
        AddShare(c, 1, 0.15);
        AddShare(c, 2, 0.15);
    }
    if (c.home.Country == kBrazil && c.away.Country == kBrazil && c.home.State == c.away.State) {
        AddShare(c, 1, 0.25);
        AddShare(c, 2, 0.35);
        AddShare(c, 3, 0.1);
    }
    return Finish(c);
}

SectorCrowd NationalCupAttendance(int home, int away)
{
    if (!ValidPair(home, away))
        return {};
    struct Band {
        int a, b, c, r;
    };
    static constexpr Band kBands[5] = {{40, 65, 55, 25}, {70, 90, 85, 10}, {80, 95, 90, 5}, {90, 100, 100, 1}, {95, 100, 100, 1}};
    const Band band = kBands[std::clamp(Game.NationalCupStage, 1, 5) - 1];
    Crowd c = StartCrowd(home, away, 0);
    const int h = c.home.Division;
    const int w = c.away.Division;
    const int f = Game.LeagueFormat;
    auto big = [&] { FillByPercent(c, [&] { return band.b + Random(band.r); }); };
    auto upset = [&] { FillByPercent(c, [&] { return band.a + Random(15); }); };
    auto top = [&] { FillByPercent(c, [&] { return band.c + Random(band.r); }); };
    if (f == kDivisionsOf10 && In(h, {3, 4, 5}) && In(w, {1, 2})) big();
    if (f == kDivisionsOf20 && In(h, {2, 3, 5}) && w == 1) big();
    if (f == kDivisionsOf10 && In(h, {1, 2}) && In(w, {4, 5})) upset();
    if (f == kDivisionsOf20 && h == 1 && In(w, {2, 3})) upset();
    if (f == kDivisionsOf10 && In(h, {1, 2}) && In(w, {1, 2})) top();
    if (f == kDivisionsOf20 && h == 1 && w == 1) top();
    if (c.att[0] == 0 && c.att[1] == 0)
        FillByPercent(c, [&] { return Random(30) + c.home.SupportersMood * 0.5; });
    return Finish(c);
}

SectorCrowd StateAttendance(int home, int away)
{
    if (!ValidPair(home, away))
        return {};
    Crowd c = StartCrowd(home, away, 0);
    CapByDivision(c);
    const int h = c.home.Division;
    const int w = c.away.Division;
    const int f = Game.LeagueFormat;
    auto full = [&] { FillByPercent(c, [] { return 70.0 + Random(30); }); };
    auto thin = [&] { FillByPercent(c, [&] { return Random(30) + c.home.SupportersMood * 0.2; }); };
    FillByPercent(c, [&] { return Random(20) + c.home.SupportersMood * 0.5; });
    if (f == kDivisionsOf10 && In(h, {0, 4}) && In(w, {1, 2})) full();
    if (f == kDivisionsOf20 && In(h, {2, 3}) && w == 1) full();
    if (f == kDivisionsOf10 && In(h, {1, 2}) && In(w, {0, 4})) thin();
    if (f == kDivisionsOf20 && h == 1 && In(w, {2, 3})) thin();
    if (f == kDivisionsOf10 && In(h, {1, 2}) && In(w, {1, 2})) full();
    if (f == kDivisionsOf20 && h == 1 && w == 1) full();
    if (Game.StateStage > 5) full();
    // The state championship checks its minimums first and repairs negative sectors last.
    ApplyMinimums(c, true);
    ApplyTicketPrices(c);
    ClampToCapacity(c);
    FixNegatives(c);
    return c.att;
}

SectorCrowd FirstContinentalAttendance(int home, int away)
{
    if (!ValidPair(home, away))
        return {};
    static constexpr CupBand kTable[3][5] = {
        {{45, 55}, {60, 65}, {70, 75}, {80, 85}, {85, 85}},
        {{40, 45}, {60, 65}, {70, 75}, {80, 80}, {85, 85}},
        {{30, 35}, {50, 60}, {60, 65}, {70, 75}, {80, 80}},
    };
    CupBand band = kTable[MoodRow(Clubs[home].SupportersMood)][StageColumn(Game.FirstContinentalStage)];
    if (CurrentLeague == 1) {
        band.a -= 5;
        band.b -= 5;
    }
    return ContinentalAttendance(home, away, band, 0);
}

SectorCrowd SecondContinentalAttendance(int home, int away)
{
    if (!ValidPair(home, away))
        return {};
    static constexpr CupBand kTable[3][5] = {
        {{25, 35}, {30, 40}, {40, 45}, {60, 60}, {65, 75}},
        {{20, 30}, {25, 30}, {35, 40}, {55, 55}, {65, 65}},
        {{15, 25}, {20, 30}, {30, 40}, {45, 50}, {60, 60}},
    };
    CupBand band = kTable[MoodRow(Clubs[home].SupportersMood)][StageColumn(Game.SecondContinentalStage)];
    if (CurrentLeague == 2) {
        band.a += 5;
        band.b += 10;
    }
    return ContinentalAttendance(home, away, band, 1);
}

SectorCrowd AttendanceOfKind(int kind, int home, int away)
{
    switch (kind) {
    case kKindFriendlies: return FriendlyAttendance(home, away);
    case kKindNationalLeague: return LeagueAttendance(home, away);
    case kKindNationalCup: return NationalCupAttendance(home, away);
    case kKindStateChampionship: return StateAttendance(home, away);
    case kKindFirstContinentalCup: return FirstContinentalAttendance(home, away);
    case kKindSecondContinentalCup: return SecondContinentalAttendance(home, away);
    default: return {};
    }
}

std::int32_t TotalAttendance(const SectorCrowd& crowd)
{
    std::int64_t total = 0;
    for (std::int32_t sector : crowd)
        total += sector;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(total, 0, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t MatchGate(int home, const SectorCrowd& crowd)
{
    if (home < 0 || home >= static_cast<int>(Clubs.size()))
        return 0;
    // A sector's takings fit 64 bits (a 32-bit crowd at a 32-bit price), the four together may not: the
    // gate is kept as the match's 32-bit record keeps it, each sector's takings booked into it.
    std::int32_t gate = 0;
    for (int s = 0; s < 4; ++s)
        AddToAccount(gate, static_cast<std::int64_t>(crowd[s]) * Clubs[home].SectorPrices[s]);
    return gate;
}

}  // namespace tarvelon
