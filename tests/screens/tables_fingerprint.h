#pragma once
// One number for everything a day or a season books: results, standings and careers, money, the
// archive, the histories and the calendar. Two runs that book the same have the same number.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/records/appearance_records.h"
#include "core/records/game_state.h"
#include "core/records/history_records.h"
#include "core/records/match_records.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon::test {

template <typename T>
void MixTable(std::uint64_t& hash, const std::vector<T>& table)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(table.data());
    for (std::size_t i = 0; i < table.size() * sizeof(T); ++i)
        hash = (hash ^ bytes[i]) * 1099511628211ull;
    hash = (hash ^ table.size()) * 1099511628211ull;
}

constexpr std::uint64_t kFingerprintStart = 1469598103934665603ull;

template <typename T>
std::uint64_t TableFingerprint(const std::vector<T>& table)
{
    std::uint64_t hash = kFingerprintStart;
    MixTable(hash, table);
    return hash;
}

// Each table's own number, by the table's name, so that two games are compared table by table.
inline std::map<std::string, std::uint64_t> TableFingerprints()
{
    return {{"Clubs", TableFingerprint(Clubs)},
            {"Players", TableFingerprint(Players)},
            {"Coaches", TableFingerprint(Coaches)},
            {"Leagues", TableFingerprint(Leagues)},
            {"ClubFinances", TableFingerprint(ClubFinances)},
            {"Fixtures", TableFingerprint(Fixtures)},
            {"MatchReports", TableFingerprint(MatchReports)},
            {"ReportEvents", TableFingerprint(ReportEvents)},
            {"Appearances", TableFingerprint(Appearances)},
            {"SubAppearances", TableFingerprint(SubAppearances)},
            {"MailMessages", TableFingerprint(MailMessages)},
            {"Transfers", TableFingerprint(Transfers)},
            {"Game", TableFingerprint(std::vector<TGameState>{Game})},
            {"Placings", TableFingerprint(Placings)},
            {"CoachHonours", TableFingerprint(CoachHonours)},
            {"Scorers", TableFingerprint(Scorers)},
            {"ClubPlacings", TableFingerprint(ClubPlacings)}};
}

inline std::uint64_t TablesFingerprint()
{
    std::uint64_t hash = kFingerprintStart;
    MixTable(hash, Clubs);
    MixTable(hash, Players);
    MixTable(hash, Coaches);
    MixTable(hash, Leagues);
    MixTable(hash, ClubFinances);
    MixTable(hash, Fixtures);
    MixTable(hash, MatchReports);
    MixTable(hash, ReportEvents);
    MixTable(hash, Appearances);
    MixTable(hash, SubAppearances);
    MixTable(hash, MailMessages);
    MixTable(hash, Transfers);
    MixTable(hash, std::vector<TGameState>{Game});
    return hash;
}

// The same with the season's histories (placings, honours, scorers).
inline std::uint64_t SeasonFingerprint()
{
    std::uint64_t hash = TablesFingerprint();
    MixTable(hash, Placings);
    MixTable(hash, CoachHonours);
    MixTable(hash, Scorers);
    MixTable(hash, ClubPlacings);
    return hash;
}

}  // namespace tarvelon::test
