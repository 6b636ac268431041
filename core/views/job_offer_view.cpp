#include "core/views/job_offer_view.h"

#include <cstdint>

#include "core/basics/currency.h"
#include "core/career/career_state.h"
#include "core/economy/table_access.h"
#include "core/format/money_format.h"
#include "core/season/competitions.h"
#include "core/views/hub_views.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"

namespace tarvelon {

namespace {

std::string CountryName(int country)
{
    return country >= 0 && country < static_cast<int>(CountryNames.size()) ? CountryNames[country] : "";
}

std::string OfferDivisionText(int division)
{
    return division >= 1 ? std::to_string(division) + "ª divisão" : "Divisão regional";
}

std::string MoneyText(Currency amount) { return FormatMoney(CurrencyUnits(amount)); }

JobOfferSquadRow SquadRowOf(int player)
{
    RepairTraits(player);
    const TPlayer& p = Players[player];
    JobOfferSquadRow row;
    row.player = player;
    row.position = std::string(1, PositionNames[p.Position][0]);
    row.name = p.Name.str();
    row.strength = p.Strength;
    row.energy = std::to_string(p.Energy) + "%";
    row.wage = MoneyText(p.wage);
    row.value = MoneyText(p.Value);
    row.traits = std::string(TraitAbbreviations[p.Trait1]) + "/" + TraitAbbreviations[p.Trait2];
    row.age = p.Age;
    row.star = p.Star != 0;
    return row;
}

}  // namespace

bool IsJobOfferShown(int offer)
{
    if (offer < 0 || offer >= static_cast<int>(JobOffers.size()) || !IsClubIndex(JobOffers[offer]))
        return false;
    return offer == 0 || FindLeagueByCountry(Clubs[JobOffers[offer]].Country) >= 0;
}

std::string JobOfferCaption(int club)
{
    if (!IsClubIndex(club))
        return "";
    const TClub& c = Clubs[club];
    return c.name.str() + "(" + CountryName(c.Country) + ") - " + OfferDivisionText(c.Division);
}

std::vector<JobOfferSquadRow> JobOfferSquad(int club)
{
    std::vector<JobOfferSquadRow> rows;
    if (!IsClubIndex(club))
        return rows;
    for (int position = 0; position < PositionCount; ++position)
        ForEachPlayerOfClub(club, [&](int player, const TPlayer& p) {
            if (p.Position == position)
                rows.push_back(SquadRowOf(player));
        });
    return rows;
}

}  // namespace tarvelon
