#include "core/history/career_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "core/basics/literal_text.h"
#include "core/records/history_records.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kFirstYear = 2009;

const char* const kCoachHeader =
    "<IND x=\"5\">Ano <IND x=\"40\">Clube <IND x=\"173\">J<IND x=\"205\">V<IND x=\"235\">D<IND x=\"265\">PR"
    "<IND x=\"297\">Tit.<br>";
const char* const kPlayerHeader =
    "<IND x=\"5\">Ano <IND x=\"40\">Clube <IND x=\"173\">J<IND x=\"205\"><IMG src=\"i_gol\"><IND x=\"235\">"
    "<IMG src=\"i_ca\"><IND x=\"265\"><IMG src=\"i_cv\"><IND x=\"292\"><IMG src=\"i_ct\"><br>";

constexpr std::array<int, 5> kCoachStops = {173, 207, 238, 268, 300};
constexpr std::array<int, 5> kPlayerStops = {173, 207, 238, 268, 295};

using Figures = std::array<int, 5>;

std::string Tab(int x) { return "<IND x=\"" + std::to_string(x) + "\">"; }

// A line's figures, or the career's totals: summed in 64 bits, since the loader holds each line's
// figures to a tally's range but not how many lines a person has.
template <typename Figure>
std::string FiguresText(const std::array<int, 5>& stops, const std::array<Figure, 5>& figures)
{
    std::string text;
    for (std::size_t i = 0; i < stops.size(); ++i)
        text += Tab(stops[i]) + std::to_string(figures[i]);
    return text;
}

std::string ClubName(int club)
{
    if (club < 0 || club >= static_cast<int>(Clubs.size()))
        return std::string();
    return Clubs[club].name.str();
}

struct CareerLine {
    int season;
    int club;
    Figures figures;
};

CareerPage BuildPage(const std::vector<CareerLine>& lines, int firstRow, int pageRows, const char* header,
                     const std::array<int, 5>& stops)
{
    CareerPage page;
    firstRow = std::max(firstRow, 0);
    const int count = static_cast<int>(lines.size());
    const int end = std::min(count, firstRow + pageRows);
    page.text = header;
    std::array<std::int64_t, 5> total{};
    for (const CareerLine& line : lines)
        for (std::size_t i = 0; i < total.size(); ++i)
            total[i] += line.figures[i];
    for (int row = firstRow; row < end; ++row) {
        const CareerLine& line = lines[row];
        page.text += Tab(5) + std::to_string(kFirstYear + line.season) + Tab(40) + MarkupLiteral(ClubName(line.club)) +
                     FiguresText(stops, line.figures) + "<br>";
    }
    if (firstRow >= end)
        page.text += FiguresText(stops, Figures{}) + "<br>";
    page.text += "<b>Total na carreira:" + FiguresText(stops, total) + "</b>";
    // The next page starts right after the last line shown, so no season line is ever skipped.
    page.nextFirstRow = end < count ? end : -1;
    page.previousPage = firstRow > 0 ? 1 : -1;
    return page;
}

}  // namespace

CareerPage CoachCareerText(int coach, int firstRow)
{
    std::vector<CareerLine> lines;
    for (const TCoachSeason& s : CoachSeasons)
        if (s.coach == coach)
            lines.push_back({s.season, s.club, {s.games, s.wins, s.losses, s.rankingPoints, s.titles}});
    return BuildPage(lines, firstRow, kCoachCareerPageRows, kCoachHeader, kCoachStops);
}

CareerPage PlayerCareerText(int player, int firstRow)
{
    std::vector<CareerLine> lines;
    for (const TPlayerSeasonStats& s : PlayerSeasonStats)
        if (s.player == player)
            lines.push_back({s.season, s.club, {s.games, s.goals, s.yellowCards, s.redCards, s.injuries}});
    return BuildPage(lines, firstRow, kPlayerCareerPageRows, kPlayerHeader, kPlayerStops);
}

}  // namespace tarvelon
