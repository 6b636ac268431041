#pragma once
// The random words of the saved-game test world that the loader reads as indexes, counts or
// counters, brought into their tables and ranges (core/persist/saved_game_indexes.h), so that the
// loader takes the world; every other byte stays random.
#include <cstdint>

#include "core/persist/saved_game_ranges.h"
#include "core/tables.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"
#include "core/vocab/tactics_board.h"

namespace tarvelon::savetest {

// A random word brought into 0 .. count - 1.
inline void KeepBelow(std::int32_t& value, std::size_t count)
{
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value) % count);
}

// A random word brought into a table of `size` records: an index of it, or -1 (none) now and then.
inline void KeepIndexIn(std::int32_t& index, std::size_t size)
{
    if (size == 0 || index % 8 == 0) {
        index = -1;
        return;
    }
    KeepBelow(index, size);
}

template <typename Values>
void KeepAllIn(Values& values, std::size_t size)
{
    for (std::int32_t& value : values) KeepIndexIn(value, size);
}

inline void KeepSmall(std::int32_t& value) { value %= kMaxSavedAttribute; }

inline void KeepCountersInRange()
{
    for (TPlayer& player : Players)
        for (std::int32_t* small :
             {&player.Strength, &player.Energy, &player.Age, &player.Morale, &player.moraleCountdown})
            KeepSmall(*small);
    for (TClub& club : Clubs)
        for (std::int32_t* small :
             {&club.Level, &club.boardConfidence, &club.SupportersMood, &club.squadMood, &club.moodCountdown})
            KeepSmall(*small);
}

inline void KeepPeopleInTables()
{
    for (TPlayer& player : Players) {
        KeepBelow(player.Position, PositionCount);
        KeepBelow(player.Trait1, TraitCount);
        KeepBelow(player.Trait2, TraitCount);
    }
    for (TClub& club : Clubs) KeepBelow(club.Division, kDivisions + 1);
    for (TCoach& coach : Coaches) KeepBelow(coach.division, kDivisions + 1);
}

inline void KeepBusinessInTables()
{
    const std::size_t clubs = Clubs.size();
    const std::size_t players = Players.size();
    for (TLoan& loan : Loans) {
        KeepIndexIn(loan.player, players);
        KeepBelow(loan.ownerClub, clubs);
    }
    for (TTransfer& transfer : Transfers) {
        KeepBelow(transfer.player, players);
        KeepIndexIn(transfer.clubLeft, clubs);
        KeepIndexIn(transfer.clubJoined, clubs);
    }
    for (TCallUp& callUp : CallUps) {
        KeepBelow(callUp.player, players);
        KeepIndexIn(callUp.club, clubs);
    }
    for (TTacticsPreset& preset : TacticsPresets) {
        KeepIndexIn(preset.club, clubs);
        KeepAllIn(preset.players, players);
        for (std::int32_t& slot : preset.pitchSlots) KeepBelow(slot, PitchSlotCount + 1);
    }
    for (TStadiumWork& work : StadiumWorks) KeepIndexIn(work.club, clubs);
    for (TFriendly& friendly : Friendlies) {
        KeepIndexIn(friendly.home, clubs);
        KeepIndexIn(friendly.away, clubs);
    }
}

inline void KeepCompetitionsInTables()
{
    const std::size_t clubs = Clubs.size();
    for (TLeague& league : Leagues) {
        KeepBelow(league.country, CountryNames.size());
        KeepBelow(league.divisionCount, kDivisions + 1);
        KeepBelow(league.clubCount, clubs + 1);
        for (auto& division : league.divisions) KeepAllIn(division, clubs);
        for (auto& division : league.finalOrder) KeepAllIn(division, clubs);
    }
    for (TStateChampionship& state : StateChampionships) {
        KeepBelow(state.groupCount, kStateTierCount);
        KeepAllIn(state.finalists, clubs);
    }
    const auto keepTie = [clubs](TCupTie& tie) {
        KeepIndexIn(tie.firstTeam, clubs);
        KeepIndexIn(tie.secondTeam, clubs);
        KeepIndexIn(tie.winner, clubs);
    };
    for (TCupTie& tie : NationalCupTies.ties) keepTie(tie);
    for (TCupTie& tie : ClubWorldCupTies.ties) keepTie(tie);
}

inline void KeepHistoryInTables()
{
    const std::size_t clubs = Clubs.size();
    const std::size_t coaches = Coaches.size();
    const std::size_t players = Players.size();
    const std::size_t competitions = Competitions.size();
    for (TPlacing& p : Placings) {
        KeepIndexIn(p.competition, competitions);
        KeepIndexIn(p.club, clubs);
        KeepIndexIn(p.coach, coaches);
    }
    for (TCoachHonour& h : CoachHonours) {
        KeepIndexIn(h.club, clubs);
        KeepIndexIn(h.coach, coaches);
    }
    for (TClubPlacing& p : ClubPlacings) KeepIndexIn(p.club, clubs);
    for (TScorer& s : Scorers) {
        KeepIndexIn(s.competition, competitions);
        KeepIndexIn(s.club, clubs);
        KeepIndexIn(s.player, players);
    }
    for (auto* tallies : {&GoalTallies, &AllTimeGoalTallies})
        for (TGoalTally& t : *tallies) {
            KeepIndexIn(t.player, players);
            KeepIndexIn(t.competition, competitions);
            KeepIndexIn(t.club, clubs);
        }
    for (TPlayerSeasonStats& s : PlayerSeasonStats) {
        KeepIndexIn(s.player, players);
        KeepIndexIn(s.club, clubs);
    }
    for (TCoachSeason& s : CoachSeasons) {
        KeepIndexIn(s.coach, coaches);
        KeepIndexIn(s.club, clubs);
    }
    for (TCoachHiring& h : CoachHirings) {
        KeepIndexIn(h.coach, coaches);
        KeepIndexIn(h.club, clubs);
    }
    for (TPastMatch& m : PastMatches) {
        KeepIndexIn(m.homeClub, clubs);
        KeepIndexIn(m.awayClub, clubs);
    }
    for (TStateResult& r : StateResults) {
        KeepIndexIn(r.club, clubs);
        KeepBelow(r.state, kStateCount);
        KeepBelow(r.tier, kStateTierCount + 1);
    }
}

inline void KeepMatchArchiveInTables()
{
    const std::size_t clubs = Clubs.size();
    const std::size_t players = Players.size();
    const std::size_t reports = MatchReports.size();
    for (TMatchReport& report : MatchReports) {
        KeepAllIn(report.club, clubs);
        KeepBelow(report.kind, kCompetitionKinds);
        for (auto& side : report.startingEleven) KeepAllIn(side, players);
    }
    for (TMatchEventEntry& event : ReportEvents) {
        KeepIndexIn(event.match, reports);
        KeepIndexIn(event.club, clubs);
        KeepIndexIn(event.player, players);
    }
    for (TAppearance& a : Appearances) {
        KeepIndexIn(a.report, reports);
        KeepIndexIn(a.player, players);
        KeepIndexIn(a.club, clubs);
    }
    for (TSubAppearance& s : SubAppearances) {
        KeepIndexIn(s.report, reports);
        KeepIndexIn(s.player, players);
        KeepIndexIn(s.second, players);
        KeepIndexIn(s.club, clubs);
    }
}

// The records that name each other brought to agree, as the loader asks: the world has no league
// club, so no human club, coach or national team, no club in a division or a state's tiers; the
// leagues are of different countries; no club twice among the state results.
inline void KeepRecordsAgreeing()
{
    for (TClub& club : Clubs) club.IsHuman = 0;
    for (std::int32_t* list : {Game.HumanClubs, Game.HumanCoachSlots, Game.HumanNations})
        std::fill(list, list + 6, -1);
    Game.HumanClubCount = 0;
    Game.HumanNationCount = 0;
    for (auto& row : Game.tournamentRows) KeepAllIn(row, Clubs.size());
    for (std::size_t l = 0; l < Leagues.size(); ++l) {
        Leagues[l].country = static_cast<std::int32_t>(l % CountryNames.size());
        for (auto* lists : {&Leagues[l].divisions, &Leagues[l].finalOrder})
            for (auto& row : *lists) std::fill(std::begin(row), std::end(row), -1);
    }
    for (TStateChampionship& state : StateChampionships)
        for (auto& tier : state.groups) std::fill(std::begin(tier), std::end(tier), -1);
    for (std::size_t r = 0; r < StateResults.size(); ++r)
        StateResults[r].club = r < Clubs.size() ? static_cast<std::int32_t>(r) : -1;
}

inline void KeepLinksInTables()
{
    KeepCountersInRange();
    KeepPeopleInTables();
    KeepBusinessInTables();
    KeepCompetitionsInTables();
    KeepHistoryInTables();
    KeepMatchArchiveInTables();
    KeepRecordsAgreeing();
}

}  // namespace tarvelon::savetest
