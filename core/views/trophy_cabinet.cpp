// The trophies of a club's cabinet.
#include "core/views/trophy_cabinet.h"

#include <array>

#include "core/format/names.h"
#include "core/records/history_records.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "core/vocab/countries.h"

namespace tarvelon {

namespace {

constexpr int kBrazil = 29;

// The league's and the cup's pictures of the countries that have their own.
std::string CountryPicture(const std::string& prefix, int country)
{
    switch (country) {
    case kBrazil: return prefix + "bra";
    case 97: return prefix + "eng";
    case 104: return prefix + "ita";
    case 65: return prefix + "esp";
    default: return prefix + "gen";
    }
}

}  // namespace

std::vector<CabinetTrophy> CabinetTrophies(int club)
{
    std::vector<CabinetTrophy> shelf;
    if (club < 0 || club >= static_cast<int>(Clubs.size()))
        return shelf;
    std::array<int, 7> titles{};  // by competition kind 1..6
    for (const TClubPlacing& p : ClubPlacings) {
        if (p.club != club || p.place != 1 || p.kind < 1 || p.kind > 6)
            continue;
        if (p.kind != 1 || p.divisionOrState <= 1)  // lower divisions' titles are not shown
            ++titles[p.kind];
    }
    const TClub& c = Clubs[club];
    const bool europe = ConfederationOfCountry(c.Country) == kConfEurope;
    const std::string state = c.State >= 0 && c.State < static_cast<int>(StateDemonyms.size()) ? StateDemonyms[c.State] : "";
    const CabinetTrophy candidates[] = {
        {"tr_mundial", "Mundial", titles[5]},
        {europe ? "tr_cl" : "tr_lib", europe ? "Liga Campeões" : "Libertadores", titles[4]},
        {europe ? "tr_uefa" : "tr_sul", europe ? "Liga Europa" : "Sul-Americana", titles[6]},
        {CountryPicture("tr_nac", c.Country), NationalityName(c.Country), titles[1]},
        {CountryPicture("tr_copa", c.Country), "C. " + CountryPhrase(c.Country), titles[2]},
        {"tr_estadual", state, c.stateTitles}};
    for (const CabinetTrophy& trophy : candidates)
        if (trophy.count > 0)
            shelf.push_back(trophy);
    return shelf;
}

}  // namespace tarvelon
