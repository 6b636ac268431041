// Saves of a real game (the small test database, two human coaches) with one number changed by hand, as a
// hostile player would: a state championship with more tiers than its record holds, a loan or a
// call-up sending a player to a club that is not there, a league naming no country or looping over
// more divisions than it has, counters that a day's addition would take past the 32-bit limit, and,
// after seasons of play, a history record's season or a result's goals that a view or a rule adds to.
// The loader and the load screen's preview refuse each with the message and leave the file as it is;
// the sound save plays through seasons and their turns, and every save the game writes on the way
// loads. The season accounts have no range: the game stops them at the 32-bit limits, and holds them there.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <string>

#include "core/economy/friendly_booking.h"
#include "core/economy/loans.h"
#include "core/economy/squad_rules.h"
#include "core/economy/transfers.h"
#include "core/hooks.h"
#include "core/newgame/new_game_setup.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "core/persist/saved_game_indexes.h"
#include "core/persist/saved_game_ranges.h"
#include "core/prizes/prize_payment.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/seasonloop/season_loop.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "tests/core/newgame_database.h"
#include "tests/core/saved_game_bytes.h"
#include "tests/core/two_coach_saves.h"

using namespace tarvelon;

namespace {

constexpr int kSeasons = 3;

using namespace twocoach;
using test::FieldOffset;
using test::GameStateOffset;
using test::WithInt32;
using test::WithInt64;

class DamagedSaves : public TwoCoachSaves {};

TEST_F(DamagedSaves, TheSoundSaveLoads)
{
    EXPECT_EQ(Check(*good_), SavedGameCheck::kValid);
    auto image = std::make_unique<SavedGameImage>();
    ASSERT_EQ(ReadSavedGameImage(*good_, *image), SavedGameCheck::kValid);
    EXPECT_EQ(image->loans.size(), 1u);
    EXPECT_EQ(image->callUps.size(), 1u);
}

// More tiers than the record's five were read past in the season turn's shuffles, and INT_MAX tiers
// kept the state finals' loop over the top scorers running for minutes.
TEST_F(DamagedSaves, AStateChampionshipWithMoreTiersThanItsRecordIsRefused)
{
    for (int state = 0; state < kStateCount; ++state) {
        if (!StateChampionships[static_cast<std::size_t>(state)].active) continue;
        const std::size_t at = FieldOffset(*good_, &SavedGameImage::stateChampionships, static_cast<std::size_t>(state),
                                           offsetof(TStateChampionship, groupCount));
        for (const std::int32_t count : {5, 6, 100000, INT_MAX, -1})
            ExpectRefusedWithTheMessage(WithInt32(*good_, at, count), "state " + std::to_string(state) +
                                                                          " tiers " + std::to_string(count));
        EXPECT_EQ(Check(WithInt32(*good_, at, 4)), SavedGameCheck::kValid);  // four played tiers and the reserve
        return;
    }
    FAIL() << "no state championship in play";
}

// An owner outside the club table never took his player back: a "cannot return" message every round,
// and the next save was refused.
TEST_F(DamagedSaves, ALoanToAnOwnerOutsideTheClubsIsRefused)
{
    const std::size_t at = FieldOffset(*good_, &SavedGameImage::loans, 0, offsetof(TLoan, ownerClub));
    for (const std::int32_t owner : OutsideATable(ClubCount()))
        ExpectRefusedWithTheMessage(WithInt32(*good_, at, owner), "loan owner " + std::to_string(owner));
    ExpectRefusedWithTheMessage(WithInt32(*good_, at, -1), "open loan without an owner");
    // A closed loan (player -1) keeps its row whatever it names.
    const std::size_t player = FieldOffset(*good_, &SavedGameImage::loans, 0, offsetof(TLoan, player));
    EXPECT_EQ(Check(WithInt32(WithInt32(*good_, player, -1), at, INT_MAX)), SavedGameCheck::kValid);
}

// The club of a call-up becomes the player's club when the tournament ends: outside the table, the
// next save was refused; below -1 the player silently lost his club.
TEST_F(DamagedSaves, ACallUpToAClubOutsideTheTableIsRefused)
{
    const std::size_t at = FieldOffset(*good_, &SavedGameImage::callUps, 0, offsetof(TCallUp, club));
    for (const std::int32_t club : OutsideATable(ClubCount()))
        ExpectRefusedWithTheMessage(WithInt32(*good_, at, club), "call-up club " + std::to_string(club));
    const std::size_t player = FieldOffset(*good_, &SavedGameImage::callUps, 0, offsetof(TCallUp, player));
    for (const std::int32_t p : OutsideATable(static_cast<int>(Players.size())))
        ExpectRefusedWithTheMessage(WithInt32(*good_, player, p), "call-up player " + std::to_string(p));
    // A free player called up goes back to no club: -1 is what the call-up writes for him.
    EXPECT_EQ(Check(WithInt32(*good_, at, -1)), SavedGameCheck::kValid);
}

// The market's tree named the league by a country past the names; INT_MAX divisions kept the season
// summary's rows coming; a negative league-club count read club -1 in the market's "Outros".
TEST_F(DamagedSaves, ALeagueOrClubCountOutsideItsTablesIsRefused)
{
    const auto leagueField = [](std::size_t field) { return FieldOffset(*good_, &SavedGameImage::leagues, 0, field); };
    for (const std::int32_t country : {-1, 203, 100000, INT_MAX})
        ExpectRefusedWithTheMessage(WithInt32(*good_, leagueField(offsetof(TLeague, country)), country),
                                    "league country " + std::to_string(country));
    for (const std::int32_t divisions : {-1, 5, 100000, INT_MAX})
        ExpectRefusedWithTheMessage(WithInt32(*good_, leagueField(offsetof(TLeague, divisionCount)), divisions),
                                    "division count " + std::to_string(divisions));
    for (const std::int32_t clubs : {-1, ClubCount() + 1, INT_MAX})
        ExpectRefusedWithTheMessage(WithInt32(*good_, leagueField(offsetof(TLeague, clubCount)), clubs),
                                    "league's club count " + std::to_string(clubs));
    for (const std::int32_t clubs : {-1, -2, ClubCount() + 1, INT_MAX}) {
        ExpectRefusedWithTheMessage(WithInt32(*good_, GameStateOffset(offsetof(TGameState, LeagueClubCount)), clubs),
                                    "league clubs " + std::to_string(clubs));
        ExpectRefusedWithTheMessage(WithInt32(*good_, GameStateOffset(offsetof(TGameState, ExtraClubCount)), clubs),
                                    "extra clubs " + std::to_string(clubs));
    }
}

// A player's position and traits name texts and tallies of their own, a club's division its row of the
// ticket prices, a coach's division the division list he looks for a job in: the hub, the job offers
// and the market read them unchecked.
TEST_F(DamagedSaves, APlayersPositionOrTraitOrADivisionOutsideTheirTablesIsRefused)
{
    const int club = DivisionClub(kBrazil, 0);
    const auto playerField = [club](std::size_t field) {
        return FieldOffset(*good_, &SavedGameImage::players, static_cast<std::size_t>(FirstPlayerOf(club)), field);
    };
    for (const std::int32_t value : {-1, 14, INT_MAX}) {
        ExpectRefusedWithTheMessage(WithInt32(*good_, playerField(offsetof(TPlayer, Trait1)), value), "trait");
        ExpectRefusedWithTheMessage(WithInt32(*good_, playerField(offsetof(TPlayer, Trait2)), value), "second trait");
    }
    for (const std::int32_t value : {-1, 5, INT_MAX})
        ExpectRefusedWithTheMessage(WithInt32(*good_, playerField(offsetof(TPlayer, Position)), value), "position");
    const std::size_t division =
        FieldOffset(*good_, &SavedGameImage::clubs, static_cast<std::size_t>(club), offsetof(TClub, Division));
    const std::size_t coachDivision = FieldOffset(*good_, &SavedGameImage::coaches,
                                                  static_cast<std::size_t>(Clubs[club].coach), offsetof(TCoach, division));
    for (const std::int32_t value : {-1, 5, INT_MAX}) {
        ExpectRefusedWithTheMessage(WithInt32(*good_, division, value), "division " + std::to_string(value));
        ExpectRefusedWithTheMessage(WithInt32(*good_, coachDivision, value), "coach's division " + std::to_string(value));
    }
}

// A national team's entry keeps its team's index in its state: a final place it reached without a coach
// named the coach 50000 + state, which overflowed at INT_MAX, and outside the teams made the game's own
// next save one its loader refused.
TEST_F(DamagedSaves, ANationalTeamsEntryNamingNoTeamIsRefused)
{
    ASSERT_FALSE(NationalTeams.empty());
    const int teams = static_cast<int>(NationalTeams.size());
    const auto entry = static_cast<std::size_t>(NationalTeams.back().clubEntry);
    ASSERT_EQ(Clubs[entry].State, teams - 1);
    const std::size_t at = FieldOffset(*good_, &SavedGameImage::clubs, entry, offsetof(TClub, State));
    // Outside the teams, or another team's (the entry would no longer name its own team back).
    for (const std::int32_t state : {-1, teams, INT_MAX, 0})
        ExpectRefusedWithTheMessage(WithInt32(*good_, at, state), "national team's state " + std::to_string(state));
    // A league club's state is its state championship's, whatever the national teams.
    const std::size_t league = FieldOffset(*good_, &SavedGameImage::clubs, 0, offsetof(TClub, State));
    EXPECT_EQ(Check(WithInt32(*good_, league, teams + 5)), SavedGameCheck::kValid);
}

// A team's own entry is the national-team entry that names it back: every team sent to one entry
// (the first national team's, or a league club) would draw one club into two groups of the World Cup.
TEST_F(DamagedSaves, NationalTeamsSharingOneEntryAreRefused)
{
    ASSERT_GT(NationalTeams.size(), 1u);
    for (const std::int32_t entry : {NationalTeams.front().clubEntry, 0}) {
        std::string bytes = *good_;
        for (std::size_t team = 0; team < NationalTeams.size(); ++team)
            bytes = WithInt32(bytes, FieldOffset(*good_, &SavedGameImage::nationalTeams, team, offsetof(TNationalTeam, clubEntry)),
                              entry);
        ExpectRefusedWithTheMessage(bytes, "every national team at entry " + std::to_string(entry));
    }
    // No entry at all names no club.
    EXPECT_EQ(Check(WithInt32(*good_, FieldOffset(*good_, &SavedGameImage::nationalTeams, 0, offsetof(TNationalTeam, clubEntry)), -1)),
              SavedGameCheck::kValid);
}

// Each of these gets one added on some day of play: at INT_MAX the addition overflowed.
TEST_F(DamagedSaves, CountersADayAddsToAtTheirLimitAreRefused)
{
    const std::size_t counters[] = {
        offsetof(TGameState, LeagueRound),      offsetof(TGameState, nationalCupRound),
        offsetof(TGameState, NationalCupStage), offsetof(TGameState, TournamentStage),
        offsetof(TGameState, ClubWorldCupStage), offsetof(TGameState, StateStage),
        offsetof(TGameState, worldCupEditions), offsetof(TGameState, copaAmericaEditions),
        offsetof(TGameState, eurocopaEditions),
    };
    for (const std::size_t field : counters)
        ExpectRefusedWithTheMessage(WithInt32(*good_, GameStateOffset(field), INT_MAX),
                                    "game state counter at byte " + std::to_string(field));
    const int player = FirstPlayerOf(DivisionClub(kBrazil, 0));
    for (const std::size_t field : {offsetof(TPlayer, Morale), offsetof(TPlayer, Age)})
        ExpectRefusedWithTheMessage(
            WithInt32(*good_, FieldOffset(*good_, &SavedGameImage::players, static_cast<std::size_t>(player), field),
                      INT_MAX),
            "player field at byte " + std::to_string(field));
}

// The save plays on through three seasons and their turns with both coaches, and every save the game
// writes on the way, one a day, loads again with every number inside its table and its range.
TEST_F(DamagedSaves, EverySaveOfTwoCoachesThroughSeasonTurnsLoads)
{
    StartRules({kSeed});
    {
        auto image = std::make_unique<SavedGameImage>();
        ASSERT_EQ(ReadSavedGameImage(*good_, *image), SavedGameCheck::kValid);
        StartLoadedGame(*image);
        BeginSeasonLoop(false);
    }
    ASSERT_EQ(Game.HumanClubCount, 2);
    std::set<int> kindsSaved;
    int saves = 0;
    const auto expectSaveLoads = [&] {
        // The save holds nothing to its range: play reaches none of the ranges' ends.
        const char* broken = LiveRangeBroken();
        EXPECT_EQ(broken, nullptr) << "season " << Game.Season << " day " << Game.DayIndex << ": " << (broken ? broken : "");
        auto image = std::make_unique<SavedGameImage>();
        const SavedGameCheck check = ReadSavedGameImage(WriteSavedGameImage(), *image);
        const char* outside = SavedIndexOutsideItsTable(*image);
        EXPECT_EQ(check, SavedGameCheck::kValid) << "season " << Game.Season << " day " << Game.DayIndex << ": "
                                                 << (outside != nullptr ? outside : "a range");
        kindsSaved.insert(Game.DayKind);
        ++saves;
    };
    SeasonWatch watch;
    watch.afterDay = expectSaveLoads;
    const int firstSeason = Game.Season;
    for (int season = 0; season < kSeasons; ++season) {
        PlaySeasonDays(watch);
        ASSERT_FALSE(HasFailure()) << "season " << Game.Season;
        TurnToNewSeason();
        expectSaveLoads();
    }
    EXPECT_EQ(Game.Season, firstSeason + kSeasons);
    EXPECT_GT(saves, 100);
    for (const int kind : {kKindNationalLeague, kKindNationalCup, kKindStateChampionship})
        EXPECT_TRUE(kindsSaved.count(kind)) << "no save on a day of kind " << kind;
    delete played_;
    played_ = new std::string(WriteSavedGameImage());
}

template <typename Record>
std::size_t LastRecordWhere(const std::vector<Record>& table, const std::function<bool(const Record&)>& test)
{
    for (std::size_t r = table.size(); r-- > 0;)
        if (test(table[r])) return r;
    ADD_FAILURE() << "no such record in the played save";
    return 0;
}

// The views show a history record's season as the year 2009 + season, and the rules and views add a
// match's goals (two legs of a tie, a state final's legs, a club's season, two clubs' meetings): at
// INT_MAX the sum overflowed. Damaged in the records play reaches (a human club's latest result, the
// latest hiring, the latest line of each table, the last fixture, a state final), each is refused;
// the edges of the ranges load.
TEST_F(DamagedSaves, AHistorySeasonOrAMatchsGoalsOutsideTheirRangesAreRefused)
{
    const std::string played = PlayedSave();
    auto image = std::make_unique<SavedGameImage>();
    ASSERT_EQ(ReadSavedGameImage(played, *image), SavedGameCheck::kValid);
    // The clubs the two coaches took at the start (by the end either may have lost his job).
    auto start = std::make_unique<SavedGameImage>();
    ASSERT_EQ(ReadSavedGameImage(*good_, *start), SavedGameCheck::kValid);
    const auto human = [&start](std::int32_t club) {
        return club >= 0 && (club == start->game.HumanClubs[0] || club == start->game.HumanClubs[1]);
    };
    const std::size_t humanMatch = LastRecordWhere<TPastMatch>(
        image->pastMatches, [&](const TPastMatch& m) { return human(m.homeClub) || human(m.awayClub); });
    const std::size_t seasons[] = {
        FieldOffset(played, &SavedGameImage::pastMatches, humanMatch, offsetof(TPastMatch, season)),
        FieldOffset(played, &SavedGameImage::coachHirings, image->coachHirings.size() - 1, offsetof(TCoachHiring, season)),
        FieldOffset(played, &SavedGameImage::playerSeasonStats, image->playerSeasonStats.size() - 1,
                    offsetof(TPlayerSeasonStats, season)),
        FieldOffset(played, &SavedGameImage::coachSeasons, image->coachSeasons.size() - 1, offsetof(TCoachSeason, season)),
        FieldOffset(played, &SavedGameImage::placings, image->placings.size() - 1, offsetof(TPlacing, season)),
        FieldOffset(played, &SavedGameImage::coachHonours, image->coachHonours.size() - 1, offsetof(TCoachHonour, season)),
        FieldOffset(played, &SavedGameImage::clubPlacings, image->clubPlacings.size() - 1, offsetof(TClubPlacing, season)),
        FieldOffset(played, &SavedGameImage::scorers, image->scorers.size() - 1, offsetof(TScorer, season)),
    };
    for (const std::size_t at : seasons) {
        for (const std::int32_t season : {INT_MAX, kLastSeason + 1, 0, -1, INT_MIN})
            ExpectRefusedWithTheMessage(WithInt32(played, at, season),
                                        "season " + std::to_string(season) + " at byte " + std::to_string(at));
        for (const std::int32_t season : {1, kLastSeason})
            EXPECT_EQ(Check(WithInt32(played, at, season)), SavedGameCheck::kValid) << "season " << season;
    }

    ASSERT_FALSE(image->fixtures.empty());
    const std::size_t tie = image->fixtures.size() - 1;
    const auto states = std::find_if(image->stateChampionships.rbegin(), image->stateChampionships.rend(),
                                     [](const TStateChampionship& s) { return s.active != 0; });
    ASSERT_NE(states, image->stateChampionships.rend());
    const auto state = static_cast<std::size_t>(image->stateChampionships.rend() - states - 1);
    const std::size_t goals[] = {
        FieldOffset(played, &SavedGameImage::pastMatches, humanMatch, offsetof(TPastMatch, homeGoals)),
        FieldOffset(played, &SavedGameImage::pastMatches, humanMatch, offsetof(TPastMatch, awayGoals)),
        FieldOffset(played, &SavedGameImage::fixtures, tie, offsetof(TFixture, homeGoals)),
        FieldOffset(played, &SavedGameImage::fixtures, tie, offsetof(TFixture, awayGoals)),
        FieldOffset(played, &SavedGameImage::stateChampionships, state,
                    offsetof(TStateChampionship, finalGoals) + 3 * sizeof(std::int32_t)),
    };
    for (const std::size_t at : goals) {
        for (const std::int32_t count : {INT_MAX, kMaxSavedMatchGoals + 1, -1, INT_MIN})
            ExpectRefusedWithTheMessage(WithInt32(played, at, count),
                                        "goals " + std::to_string(count) + " at byte " + std::to_string(at));
        for (const std::int32_t count : {0, kMaxSavedMatchGoals})
            EXPECT_EQ(Check(WithInt32(played, at, count)), SavedGameCheck::kValid) << "goals " << count;
    }
}

// A season account holds any 32-bit number the game may have stopped at, so the loader keeps no range
// for it: a save with every club's prizes and miscellaneous spending at INT_MAX loads, and a prize paid
// and a friendly booked leave them there while the money reaches the cash.
TEST_F(DamagedSaves, AnAccountAtTheLimitStaysThereAsPrizesAndFeesAreBooked)
{
    std::string bytes = *good_;
    for (std::size_t club = 0; club < ClubFinances.size(); ++club)
        for (const std::size_t field : {offsetof(TClubFinance, prizes), offsetof(TClubFinance, miscellaneous)})
            bytes = WithInt32(bytes, FieldOffset(*good_, &SavedGameImage::clubFinances, club, field), INT_MAX);
    auto image = std::make_unique<SavedGameImage>();
    ASSERT_EQ(ReadSavedGameImage(bytes, *image), SavedGameCheck::kValid);
    StartRules({kSeed});
    StartLoadedGame(*image);
    const int club = Game.HumanClubs[0];
    const Currency cash = Clubs[club].cash;
    PayClubPrize(club, 1'000'000);
    EXPECT_EQ(ClubFinances[club].prizes, INT_MAX);
    EXPECT_EQ(Clubs[club].cash, cash + CurrencyFromUnits(1'000'000));
    const FriendlyDates dates = FreeFriendlyDates(club, false);
    const auto opponents = FriendlyOpponents(club);
    ASSERT_FALSE(dates.days.empty());
    ASSERT_FALSE(opponents.empty());
    BookFriendly(club, opponents.front().second, dates.days.front(), true, 50'000);
    EXPECT_EQ(ClubFinances[club].miscellaneous, INT_MAX);
    EXPECT_EQ(Clubs[club].cash, cash + CurrencyFromUnits(1'000'000 - 50'000));
    // From the other end too: an account at INT_MIN paid back stays at INT_MIN.
    ClubFinances[club].prizes = INT_MIN;
    PayClubPrize(club, -1);
    EXPECT_EQ(ClubFinances[club].prizes, INT_MIN);
}

// The game loaded from `bytes`, played through its season's end and the season turn: its own save
// then loads, with the view of its checks given for a refusal.
void ExpectPlayedSeasonSavesAFileThatLoads(const std::string& bytes, const std::string& what)
{
    StartRules({kSeed});
    auto image = std::make_unique<SavedGameImage>();
    ASSERT_EQ(ReadSavedGameImage(bytes, *image), SavedGameCheck::kValid) << what;
    StartLoadedGame(*image);
    BeginSeasonLoop(false);
    const int season = Game.Season;
    PlaySeasonDays();
    TurnToNewSeason();
    ASSERT_EQ(Game.Season, season + 1) << what;
    auto again = std::make_unique<SavedGameImage>();
    EXPECT_EQ(ReadSavedGameImage(WriteSavedGameImage(), *again), SavedGameCheck::kValid)
        << what << ": refused for its " << (SavedRangeBroken(*again) ? SavedRangeBroken(*again) : "tables");
}

// The live game as bytes after `change`, from the sound save.
std::string SoundSaveWith(const std::string& good, const std::function<void()>& change)
{
    auto image = std::make_unique<SavedGameImage>();
    EXPECT_EQ(ReadSavedGameImage(good, *image), SavedGameCheck::kValid);
    StartLoadedGame(*image);
    change();
    return WriteSavedGameImage();
}

// A tally the loader takes at its bound grows in play (a league won adds honour points, a season's
// games the all-time record, a title ranking points): the game holds it there as it saves, so the
// file it writes loads again, however long a game is played.
TEST_F(DamagedSaves, TalliesAtTheirBoundPlayASeasonAndSaveAFileThatLoads)
{
    const std::string bytes = SoundSaveWith(*good_, [] {
        for (TClub& club : Clubs) {
            std::fill(std::begin(club.honourPoints), std::end(club.honourPoints), kMaxSavedTally);
            std::fill(std::begin(club.allTimeRecord[0]), std::end(club.allTimeRecord[0]), kMaxSavedTally);
        }
        for (TCoach& coach : Coaches)
            coach.nationalRankingPoints = coach.worldRankingPoints = kMaxSavedTally;
    });
    ASSERT_EQ(Check(bytes), SavedGameCheck::kValid);
    ExpectPlayedSeasonSavesAFileThatLoads(bytes, "tallies at the bound");
    EXPECT_EQ(LiveRangeBroken(), nullptr) << "the game saved is held at the bound";
}

// A club's cash and a player's wage, value and asking price have a bound far above play and far
// below the 64-bit limit: a file beyond it is refused and left as it is, and a rich club loads.
TEST_F(DamagedSaves, MoneyBeyondItsBoundIsRefusedAndARichClubLoads)
{
    const auto clubField = [this](std::size_t field) { return FieldOffset(*good_, &SavedGameImage::clubs, 1, field); };
    const auto playerField = [this](std::size_t field) {
        return FieldOffset(*good_, &SavedGameImage::players, 1, field);
    };
    constexpr std::int64_t kNearTheTop = INT64_MAX - 999;
    constexpr std::int64_t kNearTheBottom = INT64_MIN + 1000;
    for (const std::int64_t cash : {kNearTheTop, kNearTheBottom, kMaxSavedMoney + 1, -kMaxSavedMoney - 1})
        ExpectRefusedWithTheMessage(WithInt64(*good_, clubField(offsetof(TClub, cash)), cash),
                                    "cash " + std::to_string(cash));
    for (const std::size_t field : {offsetof(TPlayer, wage), offsetof(TPlayer, Value), offsetof(TPlayer, AskingPrice)})
        ExpectRefusedWithTheMessage(WithInt64(*good_, playerField(field), kNearTheTop),
                                    "player money at byte " + std::to_string(field));
    EXPECT_EQ(Check(WithInt64(*good_, clubField(offsetof(TClub, cash)), 100'000'010'000)), SavedGameCheck::kValid);
}

// A save whose money stands at the largest amounts a save holds: every club's cash and every player's
// wage, value and asking price at plus or minus 10^15 (Currency), every player of a human club on the
// largest wage, and every third player of the human clubs listed at the largest price. Two seasons
// from it, with their prizes, gates, friendlies, bank, wage days, the market's fees, bids, offers and
// auctions, valuations and the season turns, reckon with them whole; in the sanitizer build any
// overflow on the way aborts the test. The club on the largest wages pays them all: its 32-bit wage
// bill was cut from a sum past 2^31 units and wrapped round.
TEST_F(DamagedSaves, SeasonsFromASaveOfTheLargestAmountsOverflowNothing)
{
    constexpr Currency kBound = kMaxSavedMoney;
    auto image = std::make_unique<SavedGameImage>();
    ASSERT_EQ(ReadSavedGameImage(*good_, *image), SavedGameCheck::kValid);
    StartRules({kSeed});
    StartLoadedGame(*image);
    const int rich = Game.HumanClubs[0];
    for (std::size_t c = 0; c < Clubs.size(); ++c)
        Clubs[c].cash = c % 2 == 0 ? kBound : -kBound;
    Clubs[rich].cash = kBound;
    for (std::size_t i = 1; i < Players.size(); ++i) {
        TPlayer& p = Players[i];
        const Currency signedBound = i % 2 == 0 ? kBound : -kBound;
        p.wage = p.Club == rich ? kBound : signedBound;
        p.Value = signedBound;
        p.AskingPrice = -signedBound;
        if (p.Club >= 0 && p.Club < ClubCount() && Clubs[p.Club].IsHuman && i % 3 == 0) {
            p.ListedForSale = 1;
            p.AskingPrice = kBound;
        }
    }
    for (int c = 0; c < ClubCount(); ++c)
        RecalcClubWageBill(c);
    EXPECT_EQ(ClubFinances[rich].weeklyWageBill, INT_MAX);

    const std::string bytes = WriteSavedGameImage();
    ASSERT_EQ(ReadSavedGameImage(bytes, *image), SavedGameCheck::kValid);
    StartRules({kSeed});
    StartLoadedGame(*image);
    BeginSeasonLoop(false);
    ASSERT_EQ(Clubs[rich].cash, kBound);
    Currency atSeasonEnd = 0;
    std::int32_t wagesPaid = 0;
    SeasonWatch watch;
    std::string savedAtSeasonEnd;
    watch.atSeasonEnd = [&] {
        atSeasonEnd = Clubs[rich].cash;
        wagesPaid = ClubFinances[rich].wagesPaid;
        // Play took the cash past the bound the loader holds it to: the game saves it held there.
        EXPECT_NE(LiveRangeBroken(), nullptr);
        savedAtSeasonEnd = WriteSavedGameImage();
    };
    const int season = Game.Season;
    EXPECT_GT(PlaySeasonDays(watch), 40);
    TurnToNewSeason();
    // Fifty weeks' wages of a player on the largest wage at least, far past what a 32-bit bill pays.
    EXPECT_EQ(wagesPaid, INT_MAX);
    EXPECT_LT(atSeasonEnd, kBound - 50 * kBound);
    ASSERT_EQ(ReadSavedGameImage(savedAtSeasonEnd, *image), SavedGameCheck::kValid);
    EXPECT_EQ(image->clubs[static_cast<std::size_t>(rich)].cash, -kBound);
    PlaySeason();
    EXPECT_EQ(Game.Season, season + 2);
    ASSERT_EQ(ReadSavedGameImage(WriteSavedGameImage(), *image), SavedGameCheck::kValid);
}

}  // namespace
