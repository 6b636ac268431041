#include "core/format/names.h"

#include <initializer_list>
#include <utility>

#include "core/season/competitions.h"
#include "core/vocab/countries.h"

namespace tarvelon {

namespace {

using NamedCountries = std::initializer_list<std::pair<int, const char*>>;

constexpr NamedCountries kCountryPhrases = {
    {3, "da Alemanha"},    {11, "da Argentina"}, {29, "do Brasil"},  {65, "da Espanha"},   {72, "da França"},
    {85, "da Holanda"},    {97, "da Inglaterra"}, {104, "da Itália"}, {107, "do Japão"},   {131, "do México"},
    {154, "de Portugal"},  {162, "da Rússia"},   {202, "Personalizada"},
};

constexpr NamedCountries kNationalities = {
    {3, "Alemão"},       {11, "Argentino"},   {26, "Boliviano"},   {29, "Brasileiro"},   {42, "Chileno"},
    {43, "Chinês"},      {46, "Colombiano"},  {60, "Equatoriano"}, {62, "Escocês"},      {65, "Espanhol"},
    {72, "Francês"},     {78, "Grego"},       {85, "Holandês"},    {97, "Inglês"},       {104, "Italiano"},
    {107, "Japonês"},    {131, "Mexicano"},   {150, "Paraguaio"},  {151, "Peruano"},     {154, "Português"},
    {162, "Russo"},      {179, "Sueco"},      {180, "Suiço"},      {192, "Turco"},       {193, "Ucraniano"},
    {195, "Uruguaio"},   {198, "Venezuelano"}, {202, "Personalizado"},
};

// The special name of a country, else its plain name; empty for an id outside the country table.
std::string NameOrCountry(NamedCountries names, int country)
{
    for (const auto& [id, name] : names)
        if (id == country) return name;
    if (country < 0 || static_cast<std::size_t>(country) >= CountryNames.size()) return {};
    return CountryNames[static_cast<std::size_t>(country)];
}

std::string LeagueName(int country, int level)
{
    static constexpr const char* kDivisionSuffix[] = {"", " - 2ª divisão", " - 3ª divisão", " - 4ª divisão",
                                                      " - Regional"};
    if (level < 1 || level > 5) return {};
    return "Camp. " + NationalityName(country) + kDivisionSuffix[level - 1];
}

std::string StateChampionshipName(int state)
{
    if (state < 0 || state >= StateCount) return {};
    return std::string("Camp. ") + StateDemonyms[static_cast<std::size_t>(state)];
}

// The continental cups go by the name of their edition: 1 the South American, 0 the European.
std::string ContinentalCupName(int kind, int confederation)
{
    const bool first = kind == kKindFirstContinentalCup;
    if (confederation == 1) return first ? "Libertadores" : "Sul-Americana";
    if (confederation == 0) return first ? "Liga dos Campeões" : "Liga Europa da UEFA";
    return {};
}

}  // namespace

std::string CountryPhrase(int country)
{
    return NameOrCountry(kCountryPhrases, country);
}

std::string NationalityName(int country)
{
    return NameOrCountry(kNationalities, country);
}

std::string CompetitionName(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= Competitions.size()) return {};
    const TCompetition& c = Competitions[static_cast<std::size_t>(index)];
    switch (c.kind) {
    case kKindNationalLeague: return LeagueName(c.firstKey, c.secondKey);
    case kKindNationalCup: return "Copa " + CountryPhrase(c.firstKey);
    case kKindStateChampionship: return StateChampionshipName(c.firstKey);
    case kKindFirstContinentalCup:
    case kKindSecondContinentalCup: return ContinentalCupName(c.kind, c.secondKey);
    case kKindClubWorldCup: return "Mundia de Clubes";
    case kKindWorldCup: return "Copa do Mundo";
    case kKindCopaAmerica: return "Copa América";
    case kKindEurocopa: return "Eurocopa";
    default: return {};
    }
}

}  // namespace tarvelon
