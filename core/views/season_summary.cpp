#include "core/views/season_summary.h"

#include "core/basics/cp1252.h"
#include "core/format/money_format.h"
#include "core/format/names.h"
#include "core/history/history_lookups.h"
#include "core/prizes/prize_tables.h"
#include "core/records/game_state.h"
#include "core/records/history_records.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "core/views/champions.h"
#include "core/vocab/countries.h"

namespace tarvelon {

namespace {

constexpr int kEuropeKey = 3;  // a country of each edition finds its competition
constexpr int kSouthAmericaKey = CountryBrazil;

// The amount as the summary writes its prizes: "5 milhões", "3.5 milhões", "1.5 milhão", "750 mil";
// an amount of another shape in the game's usual words ("1 milhão 250 mil").
std::string PrizeWords(std::int64_t units)
{
    constexpr std::int64_t kMillion = 1000000;
    if (units >= kMillion && units % (kMillion / 2) == 0) {
        const std::int64_t whole = units / kMillion;
        const bool half = units % kMillion != 0;
        const std::string figure = std::to_string(whole) + (half ? ".5" : "");
        return figure + (whole == 1 ? " milhão" : " milhões");
    }
    if (units > 0 && units < kMillion && units % 1000 == 0)
        return std::to_string(units / 1000) + " mil";
    std::string words = FormatMoneyWords64(units);
    while (!words.empty() && words.back() == ' ')
        words.pop_back();
    return words;
}

bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

std::string ClubName(int club) { return IsClub(club) ? Clubs[club].name.str() : std::string(); }

std::string CoachName(int coach)
{
    return coach >= 0 && coach < static_cast<int>(Coaches.size()) ? Coaches[coach].name.str() : std::string();
}

std::string PresentCoachName(int club) { return IsClub(club) ? CoachName(Clubs[club].coach) : std::string(); }

// "Club - Téc.:Coach ($prize)", the club part cut to 33 characters and the coach's to 58.
std::string PlaceText(int club, const std::string& coach, const std::string& prize)
{
    return Utf8Left(Utf8Left(ClubName(club) + " - Téc.:", 33) + coach, 58) + prize;
}

// How a top scorer's line is written: a division's is cut as it grows (the name to 22 characters,
// with the club to 47, with " - " to 50) and carries its prize; a continental cup's is whole.
struct ScorerLine {
    bool cut;
    std::string prize;
};

// "Player (Club - 12 gols)", with a prize after the goals when the club was paid for him.
std::string ScorerText(const TScorer& scorer, const ScorerLine& line)
{
    const int player = scorer.player;
    const std::string name = player >= 0 && player < static_cast<int>(Players.size()) ? Players[player].Name.str() : "";
    const auto cut = [&line](const std::string& text, std::size_t length) {
        return line.cut ? Utf8Left(text, length) : text;
    };
    const std::string head = cut(cut(cut(name, 22) + " (" + ClubName(scorer.club), 47) + " - ", 50);
    return head + std::to_string(scorer.goals) + " gols" + line.prize + ")";
}

int PlacedClub(int competition, int place, int season)
{
    for (const TPlacing& placing : Placings)
        if (placing.season == season && placing.competition == competition && placing.place == place)
            return placing.club;
    return -1;
}

void AddScorerRow(std::vector<SummaryRow>& rows, int competition, int season, const ScorerLine& line)
{
    const int scorer = FindSeasonTopScorer(competition, season);
    if (scorer >= 0 && scorer < static_cast<int>(Scorers.size()))
        rows.push_back({kSummaryTopScorer, -1, ScorerText(Scorers[scorer], line)});
}

std::string ScorerPrizeText(int kind)
{
    const std::int64_t prize = TopScorerPrize(kind);
    return prize > 0 ? " - $" + PrizeWords(prize) : std::string();
}

int SummaryDivisions(const TLeague& league)
{
    if (league.country == CountryBrazil && Game.RegionalFourthDivision)
        return 4;
    return league.divisionCount;
}

void AddDivisionBlock(std::vector<SummaryRow>& rows, const TLeague& league, int division, int season)
{
    rows.push_back({kSummaryHeading, -1, std::to_string(division) + "ª Divisão"});
    const PrizePair prize = DivisionPrize(division, Game.LeagueFormat == kDivisionsOf20);
    for (int place = 1; place <= 2; ++place) {
        const int club = FindPlacedClub(league.country, place, season, 1, division);
        SummaryRow row{place, -1, ""};
        if (IsClub(club)) {
            const int coach = FindHonouredCoach(league.country, place, season, 1, division);
            row.club = club;
            row.text = PlaceText(club, CoachName(coach), PrizeText(place == 1 ? prize.champion : prize.runnerUp));
        }
        rows.push_back(row);
    }
    AddScorerRow(rows, FindCompetition(1, league.country, division, -1, -1), season, {true, ScorerPrizeText(1)});
}

void AddNationalCupBlock(std::vector<SummaryRow>& rows, const TLeague& league, int season)
{
    rows.push_back({kSummaryHeading, -1, "Copa " + CountryPhrase(league.country)});
    const PrizePair prize = CupFinalPrize(2, false);
    for (int place = 1; place <= 2; ++place) {
        const int club = PlacedClub(ChampionsCompetition(2, league.country), place, season);
        SummaryRow row{place, -1, ""};
        if (IsClub(club)) {
            row.club = club;
            // The cup's prize follows the coach without a blank: "…Téc.:Nome($4 milhões)".
            const std::string paid = "($" + PrizeWords(place == 1 ? prize.champion : prize.runnerUp) + ")";
            row.text = Utf8Left(PlaceText(club, PresentCoachName(club), paid), 70);
        }
        rows.push_back(row);
    }
}

struct SeasonBlock {
    const char* heading;
    int kind;
    int regionKey;  // the country that finds the edition's competition; -1 for the club world cup
    bool european;
    bool on;
};

void AddSeasonBlock(std::vector<SummaryRow>& rows, const SeasonBlock& block, int season)
{
    rows.push_back({kSummaryHeading, -1, block.heading});
    const int competition = ChampionsCompetition(block.kind, block.regionKey);
    const PrizePair prize = CupFinalPrize(block.kind, block.european);
    for (int place = 1; place <= 2; ++place) {
        const int club = PlacedClub(competition, place, season);
        if (!IsClub(club))
            continue;
        // The continental cups honour a coach under their edition (1 South America, 2 Europe).
        const int region = block.kind == 5 ? -1 : block.european ? 2 : 1;
        const std::string coach = CoachName(FindHonouredCoach(region, place, season, block.kind, -1));
        rows.push_back({place, club, PlaceText(club, coach, PrizeText(place == 1 ? prize.champion : prize.runnerUp))});
    }
    AddScorerRow(rows, competition, season, {false, ""});
}

}  // namespace

std::string PrizeText(std::int64_t units) { return " ($" + PrizeWords(units) + ")"; }

std::vector<SummaryRow> DivisionChampionRows(int league, int season)
{
    std::vector<SummaryRow> rows;
    if (league < 0 || league >= static_cast<int>(Leagues.size()))
        return rows;
    const TLeague& l = Leagues[league];
    for (int division = 1; division <= SummaryDivisions(l); ++division)
        AddDivisionBlock(rows, l, division, season);
    if (Game.nationalCupOn)
        AddNationalCupBlock(rows, l, season);
    return rows;
}

std::vector<SummaryRow> SeasonChampionRows(int season)
{
    const bool first = Game.firstContinentalPairOn;
    const bool second = Game.secondContinentalPairOn;
    const SeasonBlock blocks[] = {
        {"Mundial Interclubes", 5, -1, false, first},
        {"Taça Libertadores", 4, kSouthAmericaKey, false, first},
        {"Liga Campeões", 4, kEuropeKey, true, first},
        {"Copa Sul-Americana", 6, kSouthAmericaKey, false, second},
        {"Liga Europa da UEFA", 6, kEuropeKey, true, second},
    };
    std::vector<SummaryRow> rows;
    for (const SeasonBlock& block : blocks)
        if (block.on)
            AddSeasonBlock(rows, block, season);
    return rows;
}

}  // namespace tarvelon
