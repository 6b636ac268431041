#pragma once
// The end-of-season summary's lists: the first two of every division of a league and of its
// national cup, and the first two of the club world cup and the continental cups, each with the
// coach honoured, the top scorer and the prize the rules paid. Also the state champions' prizes.
#include <cstdint>
#include <string>
#include <vector>

namespace tarvelon {

// The icon of a summary row: a heading has none.
enum SummaryIcon : int {
    kSummaryHeading = 0,
    kSummaryChampion = 1,
    kSummaryRunnerUp = 2,
    kSummaryTopScorer = 5,
};

struct SummaryRow {
    int icon = kSummaryHeading;
    int club = -1;  // the club whose mini crest the row shows; -1 none (headings, top scorers)
    std::string text;
};

// " ($5 milhões)": a prize in words.
std::string PrizeText(std::int64_t units);

// Divisions 1..n of the league (four for Brazil's with the regional fourth division) and, when the
// national cup is played, the cup: champion and runner-up rows (icon only when nobody was
// placed), and each division's top scorer.
std::vector<SummaryRow> DivisionChampionRows(int league, int season);

// The club world cup and the continental cups whose switches are on: champion, runner-up and top
// scorer of each, when recorded.
std::vector<SummaryRow> SeasonChampionRows(int season);

}  // namespace tarvelon
