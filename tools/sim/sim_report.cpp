#include "tools/sim/sim_report.h"

#include <cstdio>

#include "core/draws/state_championship.h"
#include "core/records/history_records.h"
#include "core/persist/saved_game_image.h"
#include "core/records/game_state.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "core/vocab/countries.h"

namespace tarvelon::sim {

namespace {

std::string CountryName(int country)
{
    return country >= 0 && country < static_cast<int>(CountryNames.size()) ? CountryNames[static_cast<std::size_t>(country)]
                                                                          : "país " + std::to_string(country);
}

std::string ClubName(int club)
{
    if (club < 0 || club >= static_cast<int>(Clubs.size()))
        return "-";
    return Clubs[static_cast<std::size_t>(club)].name.str();
}

std::string PlayerName(int player)
{
    if (player < 0 || player >= static_cast<int>(Players.size()))
        return "-";
    return Players[static_cast<std::size_t>(player)].Name.str();
}

// The first placing of that season, competition and place, in table order.
int PlacedClub(int season, int competition, int place)
{
    for (const TPlacing& placing : Placings)
        if (placing.season == season && placing.competition == competition && placing.place == place)
            return placing.club;
    return -1;
}

const TScorer* TopScorer(int season, int competition)
{
    for (const TScorer& scorer : Scorers)
        if (scorer.season == season && scorer.competition == competition)
            return &scorer;
    return nullptr;
}

std::string ContinentalName(int kind, int confederationKey)
{
    const bool europe = confederationKey == 0;
    if (kind == kKindFirstContinentalCup)
        return europe ? "Liga Campeões" : "Taça Libertadores";
    return europe ? "Liga Europa da UEFA" : "Copa Sul-Americana";
}

}  // namespace

std::string CompetitionLabel(int competition)
{
    const TCompetition& c = Competitions[static_cast<std::size_t>(competition)];
    switch (c.kind) {
    case kKindNationalLeague: return CountryName(c.firstKey) + " " + std::to_string(c.secondKey) + "ª divisão";
    case kKindNationalCup: return "Copa " + CountryName(c.firstKey);
    case kKindStateChampionship: {
        const bool known = c.firstKey >= 0 && c.firstKey < kStateCount;
        return std::string("Estadual ") + (known ? StateCodes[static_cast<std::size_t>(c.firstKey)] : "?") + " " +
               std::to_string(c.secondKey) + "ª divisão";
    }
    case kKindFirstContinentalCup:
    case kKindSecondContinentalCup: return ContinentalName(c.kind, c.secondKey);
    case kKindClubWorldCup: return "Mundial Interclubes";
    case kKindWorldCup: return "Copa do Mundo";
    case kKindCopaAmerica: return "Copa América";
    case kKindEurocopa: return "Eurocopa";
    default: return "Amistosos";
    }
}

void PrintSeasonReport(std::ostream& out, int season)
{
    out << "season " << season << " (" << 2009 + season << ")\n";
    for (int competition = 1; competition < static_cast<int>(Competitions.size()); ++competition) {
        const int champion = PlacedClub(season, competition, 1);
        const TScorer* scorer = TopScorer(season, competition);
        if (champion < 0 && scorer == nullptr)
            continue;
        out << "  " << CompetitionLabel(competition) << ": champion " << ClubName(champion) << ", runner-up "
            << ClubName(PlacedClub(season, competition, 2));
        if (scorer != nullptr)
            out << ", top scorer " << PlayerName(scorer->player) << " (" << ClubName(scorer->club) << ") "
                << scorer->goals << " gols";
        out << "\n";
    }
}

std::uint64_t Fnv1a64(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string GameDigest()
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(Fnv1a64(WriteSavedGameImage())));
    return text;
}

}  // namespace tarvelon::sim
