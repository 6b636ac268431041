// The transfer market's tree, header line, status icons and player card.
#include "core/views/market_views.h"

#include <algorithm>

#include "core/basics/literal_text.h"
#include "core/basics/rounding.h"
#include "core/draws/league_setup.h"
#include "core/economy/table_access.h"
#include "core/format/money_format.h"
#include "core/match/match_day.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"

namespace tarvelon {

namespace {

constexpr int kCustomCountry = 202;
constexpr int kNormalIcons[4] = {3, 1, 2, 0};
constexpr int kStarIcons[4] = {7, 5, 8, 12};

// Clubs of a group, sorted by name, as rows of the given level.
void AppendClubsByName(std::vector<MarketTreeRow>& rows, std::vector<int> clubs, int level)
{
    std::stable_sort(clubs.begin(), clubs.end(),
                     [](int a, int b) { return Clubs[a].name.str() < Clubs[b].name.str(); });
    for (int club : clubs)
        rows.push_back({Clubs[club].name.str(), level, club});
}

void AppendLeague(std::vector<MarketTreeRow>& rows, const TLeague& league, bool custom)
{
    rows.push_back({custom ? "Personalizado" : CountryNames[static_cast<std::size_t>(league.country)], 0, -1});
    const int size = std::min(DivisionSize(), kClubsPerDivision);
    for (int d = 1; d <= std::min(league.divisionCount, kDivisions); ++d) {
        if (!IsClubIndex(league.divisions[d - 1][0]))
            continue;
        std::vector<int> clubs;
        for (int s = 0; s < size; ++s)
            if (IsClubIndex(league.divisions[d - 1][s]))
                clubs.push_back(league.divisions[d - 1][s]);
        rows.push_back({std::to_string(d) + "ª divisão", 1, -1});
        AppendClubsByName(rows, std::move(clubs), 2);
    }
    std::vector<int> regional;
    for (int club = 0; club < std::min(LeagueAndExtraClubCount(), static_cast<int>(Clubs.size())); ++club)
        if (Clubs[club].Country == league.country && Clubs[club].Division == 0)
            regional.push_back(club);
    rows.push_back({custom ? "Outros" : "Regional", 1, -1});
    AppendClubsByName(rows, std::move(regional), 2);
}

std::string PositionLetter(const TPlayer& p)
{
    return p.Position >= 0 && p.Position < PositionCount ? std::string(PositionNames[p.Position]).substr(0, 1) : "";
}

std::string TraitsLine(const TPlayer& p)
{
    const auto name = [](int t) { return t >= 0 && t < TraitCount ? TraitNames[t] : ""; };
    return p.Trait1 == p.Trait2 ? name(p.Trait1) : std::string(name(p.Trait1)) + "/" + name(p.Trait2);
}

std::string Money(Currency amount) { return "$" + FormatMoney(CurrencyUnits(amount)); }

std::string Indented(const std::string& left, const std::string& right)
{
    return left + "<IND x=\"200\">" + right + "<BR>";
}

std::string AvailabilityLine(const TPlayer& p, int kind)
{
    if (p.YellowCards[kind] >= 3)
        return "<B>Suspenso por 1 jogo</B>";
    if (p.Bans[kind] > 0)
        return "<B>Suspenso por " + std::to_string(p.Bans[kind]) + " jogo(s)</B>";
    if (p.InjuredUntil > TodayDate())
        return "<B>Jogador contundido até " + DateToStr(p.InjuredUntil) + "</B>";
    return "";
}

}  // namespace

std::vector<MarketTreeRow> MarketTreeRows()
{
    std::vector<MarketTreeRow> rows;
    const bool custom = Game.playedCountry >= kCustomCountry;
    for (const TLeague& league : Leagues)
        AppendLeague(rows, league, custom);
    if (custom)
        return rows;
    rows.push_back({"Outros", 0, -1});
    std::vector<int> extra;
    for (int club = Game.LeagueClubCount; club < std::min(LeagueAndExtraClubCount(), static_cast<int>(Clubs.size())); ++club)
        extra.push_back(club);
    AppendClubsByName(rows, std::move(extra), 1);
    return rows;
}

std::string MarketDivisionText(int club)
{
    if (!IsClubIndex(club) || club >= LeagueAndExtraClubCount())
        return "";
    const TClub& c = Clubs[club];
    if (c.Division == 0)
        return "Divisão regional";
    if (c.Division < 1 || c.Division > 4)
        return "";
    const std::string division = std::to_string(c.Division) + "ª divisão";
    return c.Place[1] < 1 ? division : division + " - " + std::to_string(c.Place[1]) + "º colocado";
}

std::int64_t MarketPriceOf(int player)
{
    if (!IsPlayerIndex(player))
        return 0;
    const TPlayer& p = Players[player];
    const bool humanSeller = IsClubIndex(p.Club) && Clubs[p.Club].IsHuman;
    return CurrencyUnits(p.ListedForSale && humanSeller ? p.AskingPrice : p.Value);
}

int MarketStatusIcon(int player)
{
    if (!IsPlayerIndex(player))
        return 0;
    const TPlayer& p = Players[player];
    const int kind = TodayKind();
    // The first case that holds: injured, banned, three yellow cards, fit.
    int which = 3;
    if (p.InjuredUntil > TodayDate())
        which = 0;
    else if (p.Bans[kind] > 0)
        which = 1;
    else if (p.YellowCards[kind] == 3)
        which = 2;
    return p.Star ? kStarIcons[which] : kNormalIcons[which];
}

std::string MarketCardHeader(int player)
{
    if (!IsPlayerIndex(player))
        return "";
    const TPlayer& p = Players[player];
    return "<FONT color=\"#FFFF00\" size=\"10\"><SHAD>" + PositionLetter(p) + " - " + MarkupLiteral(p.Name.str()) +
           "</SHAD></FONT><BR>";
}

std::string MarketCardText(int player)
{
    if (!IsPlayerIndex(player))
        return "";
    const TPlayer& p = Players[player];
    const int kind = TodayKind();
    std::string text = MarketCardHeader(player);
    text += Indented("Força: " + std::to_string(p.Strength), "Idade: " + std::to_string(p.Age));
    text += Indented("Valor Passe: " + Money(p.Value), "Salário: " + Money(p.wage));
    text += "Jogos: " + std::to_string(p.careerGames) + "  Gols: " + std::to_string(p.careerGoals) +
            "  Cartões: " + std::to_string(p.YellowCards[kind]) + "<BR>";
    text += "Características: " + TraitsLine(p) + "<BR>";
    text += p.ListedForSale ? "Disponível para venda<BR>" : "Não disponível para venda<BR>";
    if (p.loanStatus == 2)
        text += "Emprestado até " + DateToStr(p.ContractEnd) + "<BR>";
    return text + AvailabilityLine(p, kind);
}

std::string WageDemandText(int player, int factor)
{
    if (!IsPlayerIndex(player))
        return "";
    const TPlayer& p = Players[player];
    const std::int64_t wage = RoundedUnits(p.wage) * factor;
    return "Para jogar no seu clube " + p.Name.str() + " quer um aumento de salário de " + std::to_string(factor) +
           " vezes, passando seu salário para $" +
           FormatMoney(wage) +
           ". Deseja aceitar?";
}

bool CardAllowsPurchase(int player, int buyer, int shownClub, bool rowShowsListedMark)
{
    if (!IsPlayerIndex(player) || !IsClubIndex(buyer) || !IsClubIndex(shownClub))
        return false;
    const TPlayer& p = Players[player];
    const TClub& own = Clubs[buyer];
    const TClub& shown = Clubs[shownClub];
    constexpr int kCardSquadLimit = 25;
    const bool allowed = shownClub != buyer && p.Value <= own.cash && own.squadSize < kCardSquadLimit &&
                         p.ListedForSale != 0 && rowShowsListedMark;
    const bool sellerShort = shown.AvailablePlayers < 11 || (p.Position == 0 && shown.playersPerPosition[0] == 1);
    return allowed && !sellerShort;
}

bool HasVeryLightTextColour(const TClub& club)
{
    return (club.TextColor & 0xFF) > 230 && ((club.TextColor >> 8) & 0xFF) > 230;
}

}  // namespace tarvelon
