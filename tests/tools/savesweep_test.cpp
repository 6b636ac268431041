// The save sweep (tools/savesweep): its field list is the record layouts' own asserts and covers every
// byte of every saved record; each case writes its value into the record and field it names; and a
// sample of the cases of the new game with two coaches is refused with the message, or plays through
// a season turn, with no sanitizer report and no hang, to a save that loads again.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "core/basics/index_check.h"
#include "core/persist/saved_game_blocks.h"
#include "core/persist/saved_game_image.h"
#include "core/persist/saved_game_ranges.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/services/rule_services.h"
#include "core/tables.h"
#include "tests/support/scratch_folder.h"
#include "tools/savesweep/saved_fields.h"
#include "tools/savesweep/sweep_runner.h"
#include "tools/sim/sim_run.h"

using namespace tarvelon;
using namespace tarvelon::savesweep;

namespace {

std::set<std::string> IntFieldNames()
{
    std::set<std::string> names;
    for (const SavedTable& table : SavedTables())
        for (const IntField& field : IntFieldsOf(table.record))
            names.insert(field.name);
    return names;
}

TEST(SaveSweepFields, EveryByteOfEverySavedRecordIsAFieldTheLayoutAsserts)
{
    ASSERT_EQ(SavedTables().size(), 35u);
    for (const SavedTable& table : SavedTables())
        EXPECT_EQ(UncoveredBytes(table.record, table.recordSize), 0u) << table.name;
}

TEST(SaveSweepFields, TheIndexesCountsAndCountersOfTheFormatAreAmongTheFields)
{
    const std::set<std::string> names = IntFieldNames();
    for (const char* field : {"TStateChampionship::groupCount", "TLoan::ownerClub", "TCallUp::club", "TLeague::country",
                              "TLeague::divisionCount", "TLeague::clubCount", "TGameState::LeagueRound",
                              "TGameState::worldCupEditions", "TGameState::ExtraClubCount", "TTacticsPreset::players",
                              "TStadiumWork::club", "TFriendly::home", "TMatchEventEntry::player", "TCupTie::firstTeam"})
        EXPECT_EQ(names.count(field), 1u) << field;
    // A field that is not made of int32s is not written (a date, a name, a byte flag).
    EXPECT_EQ(names.count("TLoan::endDate"), 0u);
    EXPECT_EQ(names.count("TClub::name"), 0u);
}

class SaveSweepCases : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new test::ScratchFolder("savesweep");
        EnterSweepFolder(folder_->Path().string(), 1);
        base_ = NewGameBase(error_);
    }
    static void TearDownTestSuite()
    {
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        delete folder_;
    }
    void SetUp() override { ASSERT_FALSE(base_.empty()) << error_; }

    static test::ScratchFolder* folder_;
    static std::string base_;
    static std::string error_;
};

test::ScratchFolder* SaveSweepCases::folder_ = nullptr;
std::string SaveSweepCases::base_;
std::string SaveSweepCases::error_;

TEST_F(SaveSweepCases, TheNewGameHasTwoCoachesAnOpenLoanAStadiumWorkAStoredLineupAndAFriendly)
{
    auto image = std::make_unique<SavedGameImage>();
    ASSERT_EQ(ReadSavedGameImage(base_, *image), SavedGameCheck::kValid);
    EXPECT_EQ(image->game.HumanClubCount, 2);
    EXPECT_TRUE(std::any_of(image->loans.begin(), image->loans.end(), [](const TLoan& l) { return l.player > 0; }));
    EXPECT_TRUE(std::any_of(image->stadiumWorks.begin(), image->stadiumWorks.end(),
                            [](const TStadiumWork& w) { return w.inProgress != 0; }));
    EXPECT_FALSE(image->tacticsPresets.empty());
    EXPECT_TRUE(std::any_of(image->friendlies.begin(), image->friendlies.end(),
                            [](const TFriendly& f) { return f.done == 0 && f.home >= 0; }));
}

TEST_F(SaveSweepCases, EachCaseWritesItsValueIntoTheFieldItNamesAndNothingElse)
{
    const std::vector<SweepCase> cases = CasesOfBase(base_, 0);
    ASSERT_GT(cases.size(), 1000u);
    std::size_t loans = 0;
    for (const SweepCase& c : cases) {
        if (c.table != "Loans" || c.field != "TLoan::ownerClub")
            continue;
        ++loans;
        const std::string bytes = CaseBytes(base_, c);
        ASSERT_EQ(bytes.size(), base_.size());
        std::size_t differing = 0;
        for (std::size_t at = 0; at < bytes.size(); ++at)
            differing += bytes[at] != base_[at] ? 1 : 0;
        EXPECT_LE(differing, 4u);
        auto image = std::make_unique<SavedGameImage>();
        ReadSavedGameImage(bytes, *image);  // read whole whatever its checks say
        ASSERT_GT(image->loans.size(), c.record);
        EXPECT_EQ(image->loans[c.record].ownerClub, c.value) << CaseLabel(c);
    }
    // -2, -1, the clubs' count, one more, 100000 and INT_MAX (the field holds none of them), in the
    // one loan, which is the first and the last record of its table.
    EXPECT_EQ(loans, 6u);
}

// Beside the first record, the accounts of both human clubs and of the last club of the table are
// damaged, and the accounts of every club at once: whichever club wins a prize or books a friendly
// holds the value.
TEST_F(SaveSweepCases, TheRecordsPlayReachesAndEveryRecordAtOnceAreDamaged)
{
    auto image = std::make_unique<SavedGameImage>();
    ASSERT_EQ(ReadSavedGameImage(base_, *image), SavedGameCheck::kValid);
    const std::size_t clubs = image->clubFinances.size();
    std::set<std::size_t> records;
    bool every = false;
    for (const SweepCase& c : CasesOfBase(base_, 0)) {
        if (c.table != "ClubFinances" || c.field != "TClubFinance::prizes" || c.value != INT_MAX)
            continue;
        auto damaged = std::make_unique<SavedGameImage>();
        ReadSavedGameImage(CaseBytes(base_, c), *damaged);
        ASSERT_EQ(damaged->clubFinances.size(), clubs);
        std::size_t written = 0;
        for (std::size_t club = 0; club < clubs; ++club) {
            written += damaged->clubFinances[club].prizes == INT_MAX ? 1 : 0;
            EXPECT_EQ(damaged->clubFinances[club].sponsorship, image->clubFinances[club].sponsorship);
        }
        if (c.records == clubs) {
            every = true;
            EXPECT_EQ(written, clubs) << CaseLabel(c);
            EXPECT_EQ(CaseLabel(c), "nova ClubFinances[*] TClubFinance::prizes = 2147483647");
        } else {
            EXPECT_EQ(written, 1u) << CaseLabel(c);
            EXPECT_EQ(damaged->clubFinances[c.record].prizes, INT_MAX) << CaseLabel(c);
            records.insert(c.record);
        }
    }
    EXPECT_TRUE(every);
    for (int h = 0; h < image->game.HumanClubCount; ++h)
        EXPECT_EQ(records.count(static_cast<std::size_t>(image->game.HumanClubs[h])), 1u) << "human club " << h;
    EXPECT_EQ(records.count(clubs - 1), 1u);
    EXPECT_EQ(records.count(0), 1u);
}

// Every number the loader holds to a range is written at each end of it, in every element and every
// record of its table at once, and the loader takes the file; money is written at the limits of
// int64 and on both sides of its bound, and the loader takes it only within the bound.
TEST_F(SaveSweepCases, EveryRangedNumberIsWrittenAtBothEndsOfItsRangeAndMoneyAtItsLimits)
{
    const std::vector<SweepCase> cases = CasesOfBase(base_, 0);
    std::set<std::string> labels;
    for (const SweepCase& c : cases)
        labels.insert(CaseLabel(c));
    const std::string tally = std::to_string(kMaxSavedTally);
    const std::string money = std::to_string(kMaxSavedMoney);
    const std::string end = " (range end)";
    const std::vector<std::string> ends = {
        "nova Clubs[*] TClub::honourPoints[*] = " + tally + end,
        "nova Clubs[*] TClub::allTimeRecord[*] = " + tally + end,
        "nova Clubs[*] TClub::allTimeRecord[*] = -" + tally + end,
        "nova Coaches[*] TCoach::worldRankingPoints = " + tally + end,
        "nova Clubs[*] TClub::cash = " + money + end,
        "nova Clubs[*] TClub::cash = -" + money + end,
        "nova Players[*] TPlayer::AskingPrice = " + money + end,
        "nova Game[0] TGameState::LeagueRound = 1000" + end,
        "nova Players[*] TPlayer::Strength = -10000" + end,
        "nova Fixtures[*] TFixture::homeGoals = 1000" + end};
    for (const std::string& label : ends)
        EXPECT_EQ(labels.count(label), 1u) << label;
    std::size_t moneyCases = 0;
    for (const SweepCase& c : cases) {
        const bool named = std::find(ends.begin(), ends.end(), CaseLabel(c)) != ends.end();
        const bool moneyField = c.field == "TClub::cash" || c.field == "TPlayer::wage";
        if (!named && !moneyField)
            continue;
        auto image = std::make_unique<SavedGameImage>();
        const bool inRange = !moneyField || (c.value >= -kMaxSavedMoney && c.value <= kMaxSavedMoney);
        EXPECT_EQ(ReadSavedGameImage(CaseBytes(base_, c), *image) == SavedGameCheck::kValid, inRange) << CaseLabel(c);
        if (moneyField) {
            ++moneyCases;
            EXPECT_EQ(c.width, 8) << CaseLabel(c);
        }
    }
    EXPECT_TRUE(labels.count("nova Clubs[*] TClub::cash = " + std::to_string(INT64_MAX)));
    EXPECT_TRUE(labels.count("nova Clubs[*] TClub::cash = " + std::to_string(INT64_MIN)));
    EXPECT_GT(moneyCases, 12u);
}

// The link cases break what records say together, each number valid alone: a club listed twice in a
// division (within its row, in another division, in another state's groups), a hole, a whole list
// set to one club or emptied, a count at 0 and one past its list, and a human club and its coach that
// no longer name each other. Each writes exactly the numbers its label names.
TEST_F(SaveSweepCases, LinkCasesWriteTheDisagreementsTheirLabelsName)
{
    auto base = std::make_unique<SavedGameImage>();
    ASSERT_EQ(ReadSavedGameImage(base_, *base), SavedGameCheck::kValid);
    std::map<std::string, SweepCase> links;
    for (const SweepCase& c : CasesOfBase(base_, 0)) {
        if (!c.IsLink())
            continue;
        links.emplace(CaseLabel(c), c);
        // Nothing outside the numbers it writes changes: with those put back, the file is the base.
        std::string bytes = CaseBytes(base_, c);
        for (const CaseWrite& w : c.writes)
            bytes.replace(w.fileOffset, static_cast<std::size_t>(w.width), base_, w.fileOffset,
                          static_cast<std::size_t>(w.width));
        EXPECT_TRUE(bytes == base_) << CaseLabel(c);
    }
    ASSERT_GT(links.size(), 50u);
    const auto damaged = [&](const std::string& label) {
        auto image = std::make_unique<SavedGameImage>();
        const auto found = links.find(label);
        if (found == links.end()) {
            ADD_FAILURE() << "no case " << label;
            *image = *base;
        } else {
            ReadSavedGameImage(CaseBytes(base_, found->second), *image);  // read whole whatever its checks say
        }
        return image;
    };
    const auto& division = base->leagues[0].divisions;
    const std::int32_t first = division[0][0];
    EXPECT_EQ(damaged("nova Leagues[0] TLeague::divisions[0][1] = divisions[0][0] (link)")->leagues[0].divisions[0][1], first);
    EXPECT_EQ(damaged("nova Leagues[0] TLeague::divisions[1][0] = divisions[0][0] (link)")->leagues[0].divisions[1][0], first);
    EXPECT_EQ(damaged("nova StateChampionships[1] TStateChampionship::groups[0][0] = StateChampionships[0] groups[0][0] (link)")
                  ->stateChampionships[1].groups[0][0],
              base->stateChampionships[0].groups[0][0]);
    const auto hole = damaged("nova Leagues[0] TLeague::divisions[0][0] = -1 (link)");
    EXPECT_EQ(hole->leagues[0].divisions[0][0], -1);
    EXPECT_EQ(hole->leagues[0].divisions[0][1], division[0][1]);
    for (const std::int32_t club : {first, -1}) {
        const auto whole = damaged("nova Leagues[0] TLeague::divisions[*] = " + std::to_string(club) + " (link)");
        for (const auto& row : whole->leagues[0].divisions)
            EXPECT_TRUE(std::all_of(std::begin(row), std::end(row), [club](std::int32_t c) { return c == club; }));
    }
    ASSERT_EQ(base->game.HumanClubCount, 2);
    EXPECT_EQ(damaged("nova Game[0] TGameState::HumanClubCount = 0 (link)")->game.HumanClubCount, 0);
    EXPECT_EQ(damaged("nova Game[0] TGameState::HumanClubCount = 3 (link)")->game.HumanClubCount, 3);
    EXPECT_EQ(damaged("nova Leagues[0] TLeague::divisionCount = 0 (link)")->leagues[0].divisionCount, 0);
    EXPECT_EQ(links.count("nova StateChampionships[0] TStateChampionship::groupCount = 0 (link)"), 1u);
    // The human club and its coach: each side in turn names another record or none, the other side
    // still names it.
    const std::int32_t club = base->game.HumanClubs[0];
    const std::int32_t coach = base->clubs[static_cast<std::size_t>(club)].coach;
    ASSERT_EQ(base->coaches[static_cast<std::size_t>(coach)].club, club);
    const std::string clubCoach = "nova Clubs[" + std::to_string(club) + "] TClub::coach = ";
    const std::string coachClub = "nova Coaches[" + std::to_string(coach) + "] TCoach::club = ";
    const auto noCoach = damaged(clubCoach + "-1 (link)");
    EXPECT_EQ(noCoach->clubs[static_cast<std::size_t>(club)].coach, -1);
    EXPECT_EQ(noCoach->coaches[static_cast<std::size_t>(coach)].club, club);
    const auto noClub = damaged(coachClub + "-1 (link)");
    EXPECT_EQ(noClub->coaches[static_cast<std::size_t>(coach)].club, -1);
    EXPECT_EQ(noClub->clubs[static_cast<std::size_t>(club)].coach, coach);
    const auto other = std::find_if(links.begin(), links.end(), [&](const auto& link) {
        return link.first.rfind(clubCoach, 0) == 0 && link.second.value >= 0;
    });
    ASSERT_NE(other, links.end());
    EXPECT_NE(other->second.value, coach);
    EXPECT_EQ(damaged(other->first)->clubs[static_cast<std::size_t>(club)].coach, other->second.value);
}

// A game played a day at a time, its save read back after each, goes through the season's turn and
// on until the new season's state championship and national cup have each played a day.
TEST_F(SaveSweepCases, TheDayByDayPlayEndsInTheNewSeasonPastItsFirstCupAndStateDays)
{
    std::string message;
    ASSERT_TRUE(sim::LoadSimGameBytes(base_, message)) << message;
    SeedRepeatableRun(1);
    const unsigned usualMask = SampledIndexCheckMask();
    SampledIndexCheckMask() = 63u;
    const CaseResult result = PlayCheckingEachDay();
    SampledIndexCheckMask() = usualMask;
    EXPECT_EQ(result.outcome, CaseOutcome::Played) << result.reason;
    EXPECT_EQ(Game.Season, 2);
    for (const int kind : {kKindStateChampionship, kKindNationalCup}) {
        const auto day = std::find_if(Calendar.begin() + 1, Calendar.end(),
                                      [kind](const TCalendarEntry& entry) { return entry.dayKind == kind; });
        ASSERT_NE(day, Calendar.end()) << kind;
        EXPECT_GT(Game.DayIndex, day - Calendar.begin()) << kind;
    }
}

// The fields that once broke play (the accounts of every club at once among them), a few link cases
// of each kind (played a day at a time) and forty cases spread over the rest: about seventy cases,
// each played through a season turn when the loader takes it; about a minute in the checked build,
// two at once.
TEST_F(SaveSweepCases, ASampleIsRefusedOrPlaysThroughASeasonTurnToASaveThatLoads)
{
    auto image = std::make_unique<SavedGameImage>();
    ASSERT_EQ(ReadSavedGameImage(base_, *image), SavedGameCheck::kValid);
    const std::set<std::string> links = {
        "nova Leagues[0] TLeague::divisions[0][1] = divisions[0][0] (link)",
        "nova StateChampionships[0] TStateChampionship::groups[0][1] = groups[0][0] (link)",
        "nova Game[0] TGameState::HumanClubCount = 3 (link)",
        "nova Leagues[0] TLeague::divisionCount = 5 (link)",
        // Once played to a save their loader refused: a league of no club, a count below its list.
        "nova Leagues[0] TLeague::divisions[*] = -1 (link)",
        "nova Game[0] TGameState::HumanClubCount = 0 (link)",
        "nova Game[0] TGameState::HumanClubCount = 1 (link)",
        "nova Clubs[" + std::to_string(image->game.HumanClubs[0]) + "] TClub::coach = -1 (link)"};
    const std::set<std::string> named = {"TStateChampionship::groupCount", "TLoan::ownerClub", "TLeague::country",
                                         "TLeague::divisionCount", "TGameState::LeagueClubCount", "TGameState::LeagueRound"};
    const std::set<std::string> everyRecord = {"TClubFinance::prizes", "TClubFinance::miscellaneous"};
    const std::vector<SweepCase> cases = CasesOfBase(base_, 0);
    const std::size_t spread = std::max<std::size_t>(cases.size() / 40, 1);
    std::vector<SweepCase> sample;
    std::size_t n = 0;
    for (const SweepCase& c : cases) {
        const bool namedField = named.count(c.field) == 1 && c.records == 1 &&
                                (c.value == -1 || c.value == INT_MAX || c.value == 100000);
        const bool everyAccount = everyRecord.count(c.field) == 1 && c.records > 1 && c.value == INT_MAX;
        // Numbers at the ends of their ranges that play then adds to: the files it saves must load.
        const bool atTheBound = c.records > 1 && ((c.field == "TClub::honourPoints[*]" && c.value == kMaxSavedTally) ||
                                                  (c.field == "TClub::cash" && c.value == kMaxSavedMoney));
        if (namedField || everyAccount || atTheBound || links.count(CaseLabel(c)) == 1 || n++ % spread == 0)
            sample.push_back(c);
    }
    EXPECT_EQ(std::count_if(sample.begin(), sample.end(), [&](const SweepCase& c) { return links.count(CaseLabel(c)) == 1; }),
              static_cast<long>(links.size()));
    ASSERT_GT(sample.size(), 40u);
    ASSERT_LT(sample.size(), 90u);
    std::array<std::string, kBaseCount> bases{base_};
    const unsigned usualMask = SampledIndexCheckMask();
    SampledIndexCheckMask() = 63u;
    const SweepTally tally = RunCases(bases, sample, RunnerOptions{2, 300, (folder_->Path() / "cases").string()});
    SampledIndexCheckMask() = usualMask;
    EXPECT_EQ(tally.cases, static_cast<int>(sample.size()));
    EXPECT_GT(tally.refused, 0);
    EXPECT_GT(tally.played, 0);
    for (const CaseRecord& fault : tally.faults)
        ADD_FAILURE() << CaseLabel(fault.sweepCase) << "\n" << fault.detail;
    std::cout << "cases " << tally.cases << ", refused " << tally.refused << ", played " << tally.played << "\n";
}

}  // namespace
