// A coach's titles, as his trophy gallery lists them.
#include "core/views/coach_honours.h"

#include "core/format/names.h"
#include "core/records/history_records.h"
#include "core/season/competitions.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kFirstYear = 2009;

}  // namespace

std::vector<CoachTitleRow> CoachTitleRows(int coach)
{
    std::vector<CoachTitleRow> rows;
    if (coach < 0)
        return rows;
    std::vector<std::vector<const TPlacing*>> byCompetition(Competitions.size());
    for (const TPlacing& p : Placings)
        if (p.coach == coach && p.place == 1 && p.competition >= 0 &&
            p.competition < static_cast<int>(Competitions.size()))
            byCompetition[p.competition].push_back(&p);
    for (std::size_t competition = 0; competition < byCompetition.size(); ++competition) {
        if (byCompetition[competition].empty())
            continue;
        CoachTitleRow heading;
        heading.heading = true;
        heading.text = CompetitionName(static_cast<int>(competition));
        rows.push_back(heading);
        for (const TPlacing* p : byCompetition[competition]) {
            CoachTitleRow row;
            row.year = std::to_string(kFirstYear + p->season);
            row.club = p->club;
            const bool valid = p->club >= 0 && p->club < static_cast<int>(Clubs.size());
            row.text = valid ? Clubs[p->club].name.str() : "";
            row.country = valid ? Clubs[p->club].Country : -2;
            rows.push_back(row);
        }
    }
    return rows;
}

}  // namespace tarvelon
