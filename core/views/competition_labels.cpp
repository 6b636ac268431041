// The names a club's lists give each competition kind.
#include "core/views/competition_labels.h"

#include "core/format/names.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "core/vocab/countries.h"

namespace tarvelon {

namespace {

bool ValidClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

std::string StateName(int club)
{
    const int state = ValidClub(club) ? Clubs[club].State : -1;
    return state >= 0 && state < static_cast<int>(StateDemonyms.size()) ? StateDemonyms[state] : "";
}

// Every kind but the state championship, which each list words its own way.
std::string ClubCompetitionName(int kind, int club)
{
    const int country = ValidClub(club) ? Clubs[club].Country : -1;
    const bool southAmerican = country >= 0 && ConfederationOfCountry(country) == kConfSouthAmerica;
    switch (kind) {
    case 0: return "Amistoso";
    case 1: return "Campeonato " + NationalityName(country);
    case 2: return "Copa " + CountryPhrase(country);
    case 4: return southAmerican ? "Libertadores" : "Liga Campeões";
    case 5: return "Mundial Interclubes";
    case 6: return southAmerican ? "Sul-Americana" : "Liga Europa";
    case 7: return "Copa do Mundo";
    case 8: return "Copa América";
    case 9: return "Eurocopa";
    default: return "";
    }
}

}  // namespace

std::string FixtureListCompetitionName(int kind, int club)
{
    return kind == 3 ? "Camp. " + StateName(club) : ClubCompetitionName(kind, club);
}

// The head-to-head list names kind 9 as the other lists do. ("Competition names by kind ...
// 9 "Amistoso"" would list two national teams' Eurocopa meetings as friendlies.)
std::string MeetingCompetitionName(int kind, int club)
{
    return kind == 3 ? "Estadual" : ClubCompetitionName(kind, club);
}

}  // namespace tarvelon
