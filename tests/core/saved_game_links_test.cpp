// Saves whose records disagree with each other, as a hostile player would edit a file: every number
// changed lies inside its own table, so each index check passes, but the lists the rules build the
// next draws, matches and counts from no longer agree: a club listed twice in the divisions, a league
// of one club, or whose divisions list none while its final order still ranks clubs, a human club
// count that disagrees with its list, a human club whose coach names another club, a national team
// led outside the list, a state's tiers holding another state's club. Each is refused at load with the
// message, the file left as it is.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "core/persist/saved_game_image.h"
#include "core/persist/saved_game_indexes.h"
#include "core/records/game_state.h"
#include "core/records/state_championship.h"
#include "core/season/calendar.h"
#include "tests/core/saved_game_bytes.h"
#include "tests/core/two_coach_saves.h"

using namespace tarvelon;

namespace {

using namespace twocoach;

class DisagreeingSaves : public TwoCoachSaves {
protected:
    // The good save with `change` made to its records, and the name of the check that refuses it.
    struct Changed {
        std::string bytes;
        std::string refusal;
    };

    static Changed Change(const std::function<void(SavedGameImage&)>& change)
    {
        auto image = std::make_unique<SavedGameImage>();
        EXPECT_EQ(ReadSavedGameImage(*good_, *image), SavedGameCheck::kValid);
        change(*image);
        const char* refusal = SavedIndexOutsideItsTable(*image);
        return {test::ImageBytes(*image), refusal != nullptr ? refusal : ""};
    }

    void ExpectRefusedAs(const std::string& check, const std::string& what,
                         const std::function<void(SavedGameImage&)>& change)
    {
        const Changed changed = Change(change);
        EXPECT_EQ(changed.refusal, check) << what;
        ExpectRefusedWithTheMessage(changed.bytes, what);
    }

    static TLeague& LeagueOf(SavedGameImage& image, int country)
    {
        return *std::find_if(image.leagues.begin(), image.leagues.end(),
                             [country](const TLeague& league) { return league.country == country; });
    }

    static std::int32_t FirstNationalEntry(const SavedGameImage& image)
    {
        return image.game.LeagueClubCount + image.game.ExtraClubCount;
    }
};

TEST_F(DisagreeingSaves, TheGoodSaveWrittenBackFromItsImageIsTheSameFile)
{
    EXPECT_EQ(Change([](SavedGameImage&) {}).bytes, *good_);
    EXPECT_EQ(Change([](SavedGameImage&) {}).refusal, "");
}

// The divisions feed the season's fixtures and tables, the national cup's draw, the next season's
// divisions and the continental qualifiers.
TEST_F(DisagreeingSaves, DivisionListsThatDisagreeAreRefused)
{
    const std::string lists = "league's division lists";
    ExpectRefusedAs(lists, "a club listed twice in a division", [](SavedGameImage& image) {
        TLeague& brazil = LeagueOf(image, kBrazil);
        brazil.divisions[0][1] = brazil.divisions[0][0];
    });
    ExpectRefusedAs(lists, "a club listed in two divisions", [](SavedGameImage& image) {
        TLeague& brazil = LeagueOf(image, kBrazil);
        brazil.divisions[1][3] = brazil.divisions[0][0];
    });
    ExpectRefusedAs(lists, "a club listed in two leagues", [](SavedGameImage& image) {
        LeagueOf(image, kArgentina).divisions[0][0] = LeagueOf(image, kBrazil).divisions[0][0];
    });
    ExpectRefusedAs(lists, "every place of a league's divisions one club", [](SavedGameImage& image) {
        TLeague& brazil = LeagueOf(image, kBrazil);
        const std::int32_t club = brazil.divisions[0][0];
        for (auto& row : brazil.divisions) std::fill(std::begin(row), std::end(row), club);
    });
    ExpectRefusedAs(lists, "every place of a league's divisions none, its final order still ranking clubs",
                    [](SavedGameImage& image) {
                        for (auto& row : LeagueOf(image, kBrazil).divisions)
                            std::fill(std::begin(row), std::end(row), -1);
                    });
    ExpectRefusedAs(lists, "a final order naming a club of another division", [](SavedGameImage& image) {
        TLeague& brazil = LeagueOf(image, kBrazil);
        brazil.finalOrder[0][0] = brazil.divisions[1][0];
    });
    ExpectRefusedAs(lists, "a listed club whose record says another division", [](SavedGameImage& image) {
        image.clubs[static_cast<std::size_t>(LeagueOf(image, kBrazil).divisions[0][4])].Division = 2;
    });
    ExpectRefusedAs(lists, "a listed club of another country", [](SavedGameImage& image) {
        image.clubs[static_cast<std::size_t>(LeagueOf(image, kBrazil).divisions[0][4])].Country = kArgentina;
    });
    ExpectRefusedAs(lists, "a club in a place past the division's size", [](SavedGameImage& image) {
        TLeague& brazil = LeagueOf(image, kBrazil);
        if (image.game.LeagueFormat == kDivisionsOf20) image.game.LeagueFormat = kDivisionsOf10;
        else brazil.divisions[0][kClubsPerDivision - 1] = brazil.divisions[1][0];
    });
    ExpectRefusedAs("league format", "a league format no game has", [](SavedGameImage& image) {
        image.game.LeagueFormat = 3;
    });
    ExpectRefusedAs("two leagues of one country", "two leagues of Brazil", [](SavedGameImage& image) {
        LeagueOf(image, kArgentina).country = kBrazil;
    });
}

// The count of human clubs moves with the list as coaches come and go: one that disagrees with it
// leaves its range within days; a human club's coach, its record and the coach slots name each other.
TEST_F(DisagreeingSaves, HumanClubsAndCoachesThatDisagreeAreRefused)
{
    const std::string clubs = "human clubs";
    for (const std::int32_t count : {0, 1, 3})
        ExpectRefusedAs(clubs, "a human club count of " + std::to_string(count) + " beside two listed",
                        [count](SavedGameImage& image) { image.game.HumanClubCount = count; });
    ExpectRefusedAs(clubs, "a hole in the list", [](SavedGameImage& image) { image.game.HumanClubs[0] = -1; });
    ExpectRefusedAs(clubs, "one club listed twice",
                    [](SavedGameImage& image) { image.game.HumanClubs[1] = image.game.HumanClubs[0]; });
    ExpectRefusedAs(clubs, "a computer club listed", [](SavedGameImage& image) {
        image.game.HumanClubs[1] = LeagueOf(image, kBrazil).divisions[0][5];
    });
    ExpectRefusedAs(clubs, "a club run by a human coach outside the list", [](SavedGameImage& image) {
        image.clubs[static_cast<std::size_t>(LeagueOf(image, kBrazil).divisions[0][5])].IsHuman = 1;
    });
    ExpectRefusedAs(clubs, "a human club's coach naming another club", [](SavedGameImage& image) {
        const TClub& human = image.clubs[static_cast<std::size_t>(image.game.HumanClubs[0])];
        image.coaches[static_cast<std::size_t>(human.coach)].club = LeagueOf(image, kBrazil).divisions[0][5];
    });
    ExpectRefusedAs(clubs, "a human club naming a computer coach", [](SavedGameImage& image) {
        const std::int32_t other = LeagueOf(image, kBrazil).divisions[0][5];
        image.clubs[static_cast<std::size_t>(image.game.HumanClubs[0])].coach = image.clubs[static_cast<std::size_t>(other)].coach;
    });
    ExpectRefusedAs("human coaches", "a computer club naming a human coach", [](SavedGameImage& image) {
        const std::int32_t other = LeagueOf(image, kBrazil).divisions[0][5];
        image.clubs[static_cast<std::size_t>(other)].coach = image.clubs[static_cast<std::size_t>(image.game.HumanClubs[0])].coach;
    });
    ExpectRefusedAs("human coaches", "a coach slot naming a computer coach", [](SavedGameImage& image) {
        const std::int32_t other = LeagueOf(image, kBrazil).divisions[0][5];
        image.game.HumanCoachSlots[2] = image.clubs[static_cast<std::size_t>(other)].coach;
    });
}

TEST_F(DisagreeingSaves, NationalTeamsLedOutsideTheirListAreRefused)
{
    const std::string nations = "human national teams";
    ExpectRefusedAs(nations, "a national team led by a human coach outside the list", [](SavedGameImage& image) {
        image.clubs[static_cast<std::size_t>(FirstNationalEntry(image))].IsHuman = 1;
    });
    ExpectRefusedAs(nations, "a league club among the national teams", [](SavedGameImage& image) {
        image.game.HumanNationCount = 1;
        image.game.HumanNations[0] = LeagueOf(image, kBrazil).divisions[0][5];
    });
    ExpectRefusedAs(nations, "a national team twice", [](SavedGameImage& image) {
        image.game.HumanNationCount = 2;
        image.game.HumanNations[0] = image.game.HumanNations[1] = FirstNationalEntry(image);
    });
    ExpectRefusedAs(nations, "an invitation to a league club", [](SavedGameImage& image) {
        image.game.tournamentRows[0][0] = LeagueOf(image, kBrazil).divisions[0][5];
    });
}

TEST_F(DisagreeingSaves, StatesThatDisagreeAreRefused)
{
    const auto firstStateClub = [](SavedGameImage& image) -> std::int32_t& {
        for (TStateChampionship& state : image.stateChampionships)
            if (state.groupCount > 0) return state.groups[0][0];
        ADD_FAILURE() << "no state championship drawn";
        return image.stateChampionships[0].groups[0][0];
    };
    ExpectRefusedAs("state championship's clubs", "an Argentine club in a state's tier", [&](SavedGameImage& image) {
        firstStateClub(image) = LeagueOf(image, kArgentina).divisions[0][0];
    });
    ExpectRefusedAs("state championship's clubs", "a club of another state in a tier", [&](SavedGameImage& image) {
        TClub& club = image.clubs[static_cast<std::size_t>(firstStateClub(image))];
        club.State = (club.State + 1) % kStateCount;
    });
    ExpectRefusedAs("state results", "one club's state result twice", [](SavedGameImage& image) {
        const std::int32_t club = LeagueOf(image, kBrazil).divisions[0][0];
        image.stateResults.assign(2, TStateResult{});
        image.stateResults[0].club = image.stateResults[1].club = club;
    });
}

}  // namespace
