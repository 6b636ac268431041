#include "core/season/fixtures.h"

#include <algorithm>

#include "core/records/state_championship.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/tables.h"

namespace tarvelon {

std::vector<TFixture> Fixtures;

namespace {
const GameTableReset fixturesReset([] { Fixtures.clear(); });
}  // namespace

namespace {

// The dates of one competition, read by position: D(1) is its first calendar day. A position
// beyond the calendar's days of that kind gives date 0 rather than reading past the list.
class CompetitionDays {
public:
    explicit CompetitionDays(int kind) : dates_(CompetitionDates(kind)) {}

    TDateTime operator()(int position) const
    {
        if (position < 1 || static_cast<std::size_t>(position) > dates_.size()) return 0;
        return dates_[static_cast<std::size_t>(position) - 1];
    }

private:
    std::vector<TDateTime> dates_;
};

void AppendDated(int home, int away, int round, int kind, int region, int leg, int bracketSlot, TDateTime date)
{
    SetFixture(static_cast<int>(Fixtures.size()) + 1, home, away, round, kind, region, leg, bracketSlot);
    Fixtures.back().date = date;
}

// One match of a round robin between two places of a club list. An empty place (-1) of a
// division, tier or group makes no match.
void AppendRoundRobinMatch(const std::int32_t* clubs, TPairing pair, int round, int kind, int region, int leg,
                           TDateTime date)
{
    if (pair.home < 1 || pair.away < 1) return;
    const int home = clubs[pair.home - 1];
    const int away = clubs[pair.away - 1];
    if (home < 0 || away < 0) return;
    AppendDated(home, away, round, kind, region, leg, -1, date);
}

bool IsLeagueIndex(int league)
{
    return league >= 0 && static_cast<std::size_t>(league) < Leagues.size();
}

using PairingTable = TPairing (*)(int, int, int);

struct RoundRobinShape {
    int rounds = 0;       // rounds per leg
    int matches = 0;      // matches per round
    PairingTable pairing = nullptr;
};

RoundRobinShape LeagueShape()
{
    if (Game.LeagueFormat == kDivisionsOf20) return {19, 10, GetPairing20};
    if (Game.LeagueFormat == kDivisionsOf10) return {9, 5, GetPairing10};
    return {};
}

// Both legs of the round robins of divisions first..last of a league: leg by leg, round by
// round, division by division; leg 1 round r on D(r), leg 2 round r on D(R + r).
void BuildLeagueRoundRobins(int league, int firstDivision, int lastDivision, RoundRobinShape shape)
{
    const CompetitionDays day(kKindNationalLeague);
    const TLeague& l = Leagues[static_cast<std::size_t>(league)];
    for (int leg = 1; leg <= 2; ++leg)
        for (int round = 1; round <= shape.rounds; ++round) {
            const TDateTime date = day((leg - 1) * shape.rounds + round);
            for (int division = firstDivision; division <= lastDivision; ++division)
                for (int match = 1; match <= shape.matches; ++match)
                    AppendRoundRobinMatch(l.divisions[division - 1], shape.pairing(round, leg, match), round,
                                          kKindNationalLeague, league, leg, date);
        }
}

void BuildNationalLeague(int league)
{
    if (!IsLeagueIndex(league)) return;
    const int divisions = std::min(Leagues[static_cast<std::size_t>(league)].divisionCount, kDivisions);
    const RoundRobinShape shape = LeagueShape();
    if (shape.pairing) BuildLeagueRoundRobins(league, 1, divisions, shape);
}

// A cup of 32 clubs starts at stage 1; one of 16 starts at stage 2 and leaves the first two cup
// days free. The bracket slots count down from 31 over the ties, whatever stage the cup starts at.
void BuildNationalCup(int league)
{
    if (!IsLeagueIndex(league)) return;
    const int divisions = Leagues[static_cast<std::size_t>(league)].divisionCount;
    const bool thirtyTwo = (Game.LeagueFormat == kDivisionsOf20 && divisions > 1) ||
                           (Game.LeagueFormat == kDivisionsOf10 && divisions >= 3);
    const CompetitionDays day(kKindNationalCup);
    int slot = 31;
    for (int stage = thirtyTwo ? 1 : 2; stage <= 5; ++stage) {
        const int ties = 1 << (5 - stage);
        for (int tie = 1; tie <= ties; ++tie, --slot) {
            AppendDated(-1, -1, stage, kKindNationalCup, league, tie, slot, day(2 * stage - 1));
            AppendDated(-1, -1, stage, kKindNationalCup, league, tie, slot, day(2 * stage));
        }
    }
}

void BuildStateChampionship(int state)
{
    if (state < 0 || state >= kStateCount) return;
    const TStateChampionship& championship = StateChampionships[static_cast<std::size_t>(state)];
    const int tiers = std::min(championship.groupCount, kStateTierCount);
    const CompetitionDays day(kKindStateChampionship);
    constexpr int kRounds = 5;
    for (int leg = 1; leg <= 2; ++leg)
        for (int round = 1; round <= kRounds; ++round)
            for (int tier = 1; tier <= tiers; ++tier)
                for (int match = 1; match <= 3; ++match)
                    AppendRoundRobinMatch(championship.groups[tier - 1], GetPairing6(round, leg, match), round,
                                          kKindStateChampionship, state, leg, day((leg - 1) * kRounds + round));
}

// Group stage of one continental cup in both regions, then the two-legged knockout rounds 4
// (last sixteen) to 7 (final) with clubs still to be drawn. In the first season the calendar has
// no continental days and the fixtures stay undated.
void BuildContinentalCup(int kind)
{
    const CompetitionDays day(kind);
    for (int region : {kRegionSouthAmerica, kRegionEurope}) {
        const auto& groups = Game.ContinentalGroups[ContinentalGroupTable(kind, region)];
        for (const auto& group : groups)
            for (int leg = 1; leg <= 2; ++leg)
                for (int round = 1; round <= 3; ++round)
                    for (int match = 1; match <= 2; ++match)
                        AppendRoundRobinMatch(group, GetPairing4(round, leg, match), round, kind, region, leg,
                                              day((leg - 1) * 3 + round));
    }
    for (int region : {kRegionSouthAmerica, kRegionEurope})
        for (int round = 4; round <= 7; ++round) {
            const int ties = 1 << (7 - round);
            const int firstDay = 2 * round - 1;  // round 4 on D7 and D8, ..., the final on D13 and D14
            for (int tie = 1; tie <= ties; ++tie)
                for (int leg = 1; leg <= 2; ++leg)
                    AppendDated(-1, -1, round, kind, region, leg, -1, day(firstDay + leg - 1));
        }
}

}  // namespace

std::vector<TDateTime> CompetitionDates(int kind)
{
    std::vector<TDateTime> dates;
    for (int day = 1; day <= kCalendarDays; ++day)
        if (Calendar[day].dayKind == kind) dates.push_back(Calendar[day].date);
    return dates;
}

void SetFixture(int n, int home, int away, int round, int kind, int region, int leg, int bracketSlot)
{
    if (n < 1) return;
    Fixtures.resize(static_cast<std::size_t>(n));
    TFixture& f = Fixtures[static_cast<std::size_t>(n) - 1];
    f = TFixture{};
    f.home = home;
    f.away = away;
    f.round = round;
    f.kind = kind;
    f.region = region;
    f.leg = leg;
    f.bracketSlot = bracketSlot;
}

int AppendFixture(int home, int away, int round, int kind, int region, int leg, int bracketSlot, TDateTime date)
{
    AppendDated(home, away, round, kind, region, leg, bracketSlot, date);
    return static_cast<int>(Fixtures.size()) - 1;
}

int FindFixture(int region, int kind, int round)
{
    for (std::size_t i = 0; i < Fixtures.size(); ++i) {
        const TFixture& f = Fixtures[i];
        if (f.region == region && f.kind == kind && f.round == round) return static_cast<int>(i);
    }
    return -1;
}

int FindClubFixtureOnDate(int club, TDateTime date)
{
    for (std::size_t i = 0; i < Fixtures.size(); ++i) {
        const TFixture& f = Fixtures[i];
        if (f.date == date && (f.home == club || f.away == club)) return static_cast<int>(i);
    }
    return -1;
}

void BuildCompetitionFixtures(int kind, int index)
{
    switch (kind) {
    case kKindNationalLeague: BuildNationalLeague(index); break;
    case kKindNationalCup: BuildNationalCup(index); break;
    case kKindStateChampionship: BuildStateChampionship(index); break;
    case kKindFirstContinentalCup:
    case kKindSecondContinentalCup: BuildContinentalCup(kind); break;
    default: break;
    }
}

void BuildFourthDivisionFixtures(int league)
{
    constexpr RoundRobinShape kTwenty{19, 10, GetPairing20};
    // Its second leg runs up to the 38th league day, which only the calendar of divisions of 20 has.
    if (!IsLeagueIndex(league) || CompetitionDates(kKindNationalLeague).size() < 2 * kTwenty.rounds) return;
    BuildLeagueRoundRobins(league, 4, 4, kTwenty);
}

}  // namespace tarvelon
