#include "core/views/hub_views.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/basics/datetime.h"
#include "core/basics/literal_text.h"
#include "core/format/money_format.h"
#include "core/format/names.h"
#include "core/history/head_to_head.h"
#include "core/mail/inbox.h"
#include "core/mail/mail.h"
#include "core/match/lineup_access.h"
#include "core/match/match_day.h"
#include "core/match/referees.h"
#include "core/records/game_state.h"
#include "core/records/history_records.h"
#include "core/records/match_records.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"

namespace tarvelon {

namespace {

constexpr int kTraitLast = 13;
constexpr int kStarBonus = 4;

// The club's name as it joins the hub's rich texts.
std::string ClubNameMarkup(int club)
{
    const TClub* c = ClubAt(club);
    return c ? MarkupLiteral(c->name.str()) : std::string();
}

std::string Indent(const std::string& x) { return "<IND x=\"" + x + "\">"; }

std::string FirstLetter(const char* text) { return std::string(text).substr(0, 1); }

std::string PositionLetter(const TPlayer& p)
{
    return p.Position >= 0 && p.Position < PositionCount ? FirstLetter(PositionNames[p.Position]) : "";
}

std::string LegText(int leg) { return leg == 2 ? " - 2º jogo" : " - 1º jogo"; }

// Stages 9 and above have no words of their own.
std::string ContinentalStage(int stage, int turn, int leg)
{
    if (stage < 4)
        return std::to_string(stage) + "ª rodada/" + std::to_string(turn) + "º turno";
    if (stage > 8)
        return "";
    const char* name = stage == 4 ? "oitavas de final" : stage == 5 ? "quartas de final" : stage == 6 ? "semi-final" : "final";
    return name + LegText(leg);
}

std::string NationalCupStage(int stage, int leg)
{
    static const char* const kStages[] = {"1ª fase - ", "Oitavas de final - ", "Quartas de final - ", "Semi-final - ",
                                          "Final - "};
    const std::string name = stage >= 1 && stage <= 5 ? kStages[stage - 1] : "";
    return name + std::to_string(leg) + "º jogo";
}

std::string PlaceText(int place) { return " - " + std::to_string(place) + "º colocado"; }

struct NextMatchParts {
    std::string place;
    std::string title;
    std::string stage;
};

NextMatchParts PartsOfKind(int kind, const TClub& own, const TClub& opponent)
{
    const bool southAmerica = ConfederationOfCountry(own.Country) == 1;
    switch (kind) {
    case 0:
        return {"", own.Country == opponent.Country ? "Amistoso" : "Amistoso Internacional", ""};
    case 1:
        return {Game.LeagueRound == 1 && Game.LeagueTurn == 1 ? "" : PlaceText(opponent.Place[1]),
                "Campeonato " + NationalityName(own.Country),
                std::to_string(Game.LeagueRound) + "ª rodada/" + std::to_string(Game.LeagueTurn) + "º turno"};
    case 2:
        return {"", "Copa " + CountryPhrase(own.Country), NationalCupStage(Game.NationalCupStage, Game.NationalCupLeg)};
    case 3: {
        const int state = own.State >= 0 && own.State < StateCount ? own.State : 0;
        std::string stage = Game.StateStage < 6 ? std::to_string(Game.StateStage) + "ª rodada/" +
                                                      std::to_string(Game.StateTurn) + "º turno"
                            : Game.StateStage == 6 ? "Final - 1º jogo"
                                                   : "Casa - Final - 2º jogo";
        return {opponent.Place[3] > 0 ? PlaceText(opponent.Place[3]) : "", std::string("Camp. ") + StateDemonyms[state],
                stage};
    }
    case 4:
        return {"", southAmerica ? "Taça Libertadores" : "Liga dos Campeões",
                ContinentalStage(Game.FirstContinentalStage, Game.FirstContinentalTurn, Game.FirstContinentalLeg)};
    case 5: return {"", "Mundial Interclubes", "Japão"};  // the hub's line names Japan, wherever it is played
    case 6:
        return {"", southAmerica ? "Copa Sul-Americana" : "Liga Europa da UEFA",
                ContinentalStage(Game.SecondContinentalStage, Game.SecondContinentalTurn, Game.SecondContinentalLeg)};
    default: return {};
    }
}

std::string HeadToHeadLine(const std::string& name, int x, int y, std::int64_t p, std::int64_t q)
{
    return name + Indent("150") + std::to_string(x) + "V" + Indent("180") + std::to_string(y) + "D" + Indent("210") +
           std::to_string(p) + "GP" + Indent("250") + std::to_string(q) + "GC";
}

std::string ContractHint(int days)
{
    if (days < 0) return "Contrato expirado";
    if (days < 8) return "Contrato expira em 1 semana";
    if (days < 21) return "Contrato expira em menos de 3 semanas";
    return "";
}

std::string BothTraitNames(const TPlayer& p) { return std::string(TraitNames[p.Trait1]) + "/" + TraitNames[p.Trait2]; }

std::string TraitsText(const TPlayer& p)
{
    if (p.Trait1 == p.Trait2)
        return TraitNames[p.Trait1];
    return BothTraitNames(p);
}

int ConditionOf(const TPlayer& p, bool& out)
{
    const int kind = TodayKind();
    int icon = 0;
    if (p.YellowCards[kind] > 2) icon = 4;
    else if (p.Bans[kind] > 0) icon = 1;
    else if (p.InjuredUntil > TodayDate()) icon = 3;
    out = icon != 0;
    if (out)
        return icon + (p.Star ? kStarBonus : 0);
    return p.Star ? 12 : 0;
}

std::int64_t PriceOf(const TPlayer& p) { return CurrencyUnits(p.ListedForSale ? p.AskingPrice : p.Value); }

std::string StatusText(const TPlayer& p)
{
    const int kind = TodayKind();
    if (p.YellowCards[kind] >= 3) return "Suspenso por 1 jogo: 3 cartões amarelos";
    if (p.Bans[kind] >= 1) return "Suspenso por " + std::to_string(p.Bans[kind]) + " jogo(s)";
    if (p.InjuredUntil > TodayDate()) return "Contundido até " + DateToStr(p.InjuredUntil);
    return "";
}

std::string ContractText(const TPlayer& p)
{
    if (p.BlockedThisRound) return "Jogador só disponível no próximo jogo";
    if (p.loanStatus == 2) return "Emprestado até " + DateToStr(p.ContractEnd);
    if (p.ContractEnd >= TodayDate()) return "Contrato até " + DateToStr(p.ContractEnd);
    return "Jogador com contrato expirado";
}

}  // namespace

std::string Shadowed(const std::string& text) { return "<shad>" + text + "</shad>"; }

int RefereeOfClubsMatchToday(int club, int turn)
{
    const TClub* c = ClubAt(club);
    if (c == nullptr)
        return 0;
    const int kind = Game.DayKind;
    const bool listedByFixture = kind == 1 || kind == 2 || kind == 3 || kind == 4 || kind == 6;
    const int f = listedByFixture ? FindClubFixtureOnDate(club, TodayDate()) : -1;
    if (f < 0 || Fixtures[static_cast<std::size_t>(f)].kind != kind) {
        constexpr int kBrazil = 29;
        const int pool = c->Country == kBrazil ? 0 : 6;  // six national referees, then six international
        return Game.MatchReferees[pool + std::clamp(turn, 1, 6) - 1];
    }
    const TFixture& own = Fixtures[static_cast<std::size_t>(f)];
    int match = 1;
    for (int i = 0; i < f; ++i) {
        const TFixture& other = Fixtures[static_cast<std::size_t>(i)];
        if (other.kind == kind && other.region == own.region && other.date == own.date && other.played == 0 &&
            ClubAt(other.home) != nullptr && ClubAt(other.away) != nullptr)
            ++match;
    }
    return match < kMatchSlots ? RefereeOfMatch(match) : 0;
}

std::string DivisionText(int club)
{
    const TClub* c = ClubAt(club);
    if (c == nullptr)
        return "";
    if (Game.DayKind == 3)
        return std::to_string(c->stateGroup) + "ª divisão estadual";
    const std::string division = std::to_string(c->Division) + "ª divisão";
    const int place = c->Place[TodayKind()];
    return place > 0 ? division + " - " + std::to_string(place) + "º colocado" : division;
}

int CountUnreadNews(int club)
{
    MarkOldNewsRead(club, TodayDate());
    return CountUnreadMail(club);
}

NextMatchView NextMatchOf(int club)
{
    NextMatchView view;
    const TClub* own = ClubAt(club);
    if (own == nullptr)
        return view;
    const int kind = Game.DayKind;
    std::string venue;
    if (kind == 5) {
        int side = 0;
        int key = 0;
        FindNextOpponent(club, view.opponent, side, key);
    } else {
        const int f = FindClubFixtureOnDate(club, TodayDate());
        if (f >= 0) {
            const TFixture& fixture = Fixtures[static_cast<std::size_t>(f)];
            const bool away = fixture.away == club;
            view.opponent = away ? fixture.home : fixture.away;
            venue = away ? "Fora" : "Casa";
            if (kind != 0)
                venue += " - ";
        }
    }
    const TClub* opponent = ClubAt(view.opponent);
    if (opponent == nullptr || view.opponent == club) {
        view.opponent = -1;
        view.html = Shadowed("Nenhum jogo hoje");
        return view;
    }
    const NextMatchParts parts = PartsOfKind(kind, *own, *opponent);
    view.html = Shadowed(MarkupLiteral(opponent->name.str()) + " " + parts.place) + "<br>" + Shadowed(parts.title) + "<br>" +
                Shadowed(venue + parts.stage);
    view.handCursor = !(kind == 6 && view.opponent >= Game.LeagueClubCount);
    return view;
}

HeadToHeadView HeadToHeadOf(int own, int opponent)
{
    HeadToHeadView view;
    view.ownTitle = Shadowed("<u>" + ClubNameMarkup(own) + "</u>");
    if (ClubAt(opponent) == nullptr)
        return view;  // no match today: the club alone, no meetings to sum
    view.opponentTitle = Shadowed("<u>" + ClubNameMarkup(opponent) + "</u>");
    const HeadToHead h = SummarizeHeadToHead(own, opponent);
    view.summary = Shadowed("Histórico de Confrontos  " + std::to_string(h.games) + (h.games == 1 ? " jogo" : " jogos") +
                            " (" + std::to_string(h.draws) + (h.draws == 1 ? " empate)" : " empates)"));
    view.lines = Shadowed(HeadToHeadLine(ClubNameMarkup(own), h.wins, h.losses, h.goalsFor, h.goalsAgainst)) + "<br><br>" +
                 Shadowed(HeadToHeadLine(ClubNameMarkup(opponent), h.losses, h.wins, h.goalsAgainst, h.goalsFor));
    std::string last = "Este é o primeiro jogo entre estes times";
    if (h.games >= 1 && h.hasLastMeeting)
        last = std::to_string(2009 + h.lastSeason) + " - " + ClubNameMarkup(h.lastHomeClub) + " " +
               std::to_string(h.lastHomeGoals) + " x " + std::to_string(h.lastAwayGoals) + " " +
               ClubNameMarkup(h.lastAwayClub) + "<br><br>" + Shadowed("<u>(ver todos os confrontos)</u>");
    view.lastGame = Shadowed("<b>Último jogo</b>") + "<br>" + Shadowed(last);
    view.seasons = Shadowed("<b>Últimas temporadas</b>");
    return view;
}

void RepairTraits(int player)
{
    TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return;
    const bool keeper = p->Position == 0;
    if (p->Trait1 < 0 || p->Trait1 > kTraitLast)
        p->Trait1 = keeper ? 0 : 13;
    if (p->Trait2 < 0 || p->Trait2 > kTraitLast)
        p->Trait2 = keeper ? 1 : 11;
}

int SeasonGoalsOfPlayer(int player)
{
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return 0;
    // In 64 bits: each tally is held to a tally's range, but a file may hold many for one player.
    std::int64_t goals = 0;
    for (const TGoalTally& tally : GoalTallies)
        if (tally.player == player && p->Club == Game.CurrentHumanClub)
            goals += tally.goals;
    return static_cast<int>(
        std::clamp<std::int64_t>(goals, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

RosterRowView RosterRowOf(int player)
{
    RosterRowView row;
    RepairTraits(player);
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return row;
    row.player = player;
    row.position = PositionLetter(*p);
    row.name = p->Name.str();
    row.side = p->Side != 0 ? "E" : "D";
    row.strength = p->Strength;
    row.energy = p->Energy;
    row.wage = CurrencyUnits(p->wage);
    row.wageText = FormatMoney(row.wage);
    row.contractDays = static_cast<int>(p->ContractEnd - TodayDate());
    if (p->ContractEnd < TodayDate() && row.contractDays == 0)
        row.contractDays = -1;
    row.wageHint = ContractHint(row.contractDays);
    row.price = PriceOf(*p);
    row.priceText = FormatMoneyShort(row.price);
    row.priceHint = FormatMoneyWords64(row.price);
    row.goals = SeasonGoalsOfPlayer(player);
    if (p->Trait1 != p->Trait2) {
        row.traits = std::string(TraitAbbreviations[p->Trait1]) + "/" + TraitAbbreviations[p->Trait2];
        row.traitsHint = TraitsText(*p);
    } else {
        row.traits = TraitNames[p->Trait1];
    }
    row.bothTraitNames = BothTraitNames(*p);
    row.age = p->Age;
    row.moraleImage = p->Morale + 7;
    bool out = false;
    row.condition = ConditionOf(*p, out);
    row.colstatus = out ? "3" : p->BlockedThisRound ? "4" : "";
    return row;
}

namespace {

// The card's second column: 150 pixels, 200 on a tall screen, and never less than the form's scale
// makes of 150 (the card's fonts grow with the form, its indents are pixels).
std::string CardIndent(bool tall, int leastIndent) { return std::to_string(std::max(tall ? 200 : 150, leastIndent)); }

}  // namespace

std::string PlayerCardName(int player, bool tall, int leastIndent)
{
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return "";
    const std::string n = p->ShirtNumber >= 1 ? std::to_string(p->ShirtNumber) + " - " + p->Name.str() : p->Name.str();
    return "<B><SHAD>" + MarkupLiteral(n) + Indent(CardIndent(tall, leastIndent)) + PositionLetter(*p) + "</SHAD></B>";
}

std::string PlayerCardText(int player, bool tall, int leastIndent)
{
    RepairTraits(player);
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return "";
    const std::string x = CardIndent(tall, leastIndent);
    const std::string e = tall ? "<br>" : "";
    const int kind = TodayKind();
    return "<SHAD><B>Força:</B>" + std::to_string(p->Strength) + Indent(x) + "<B>Idade</B>:" + std::to_string(p->Age) +
           "<BR>" + e + "<B>Valor Passe:</B>$" + FormatMoney(CurrencyUnits(p->Value)) + Indent(x) +
           "<B>Salário</B>:" + "$" + FormatMoney(CurrencyUnits(p->wage)) + "<BR>" + e +
           "<B>Jogos:</B>" + std::to_string(p->careerGames) + " " + "<B>Gols:</B>" +
           std::to_string(SeasonGoalsOfPlayer(player)) + " " + "<B>C.A.:</B>" + std::to_string(p->YellowCards[kind]) +
           "<BR>" + e + "<B>Características:</B>" + TraitsText(*p) + "<BR>" + e + "<B>Contrato:</B>" + ContractText(*p) +
           "<BR>" + e + "</shad><shad><B>" + StatusText(*p) + "</B></SHAD>";
}

}  // namespace tarvelon
