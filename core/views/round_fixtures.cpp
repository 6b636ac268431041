// The matches of one round of a round-robin competition, as the fixtures screen lists them.
#include "core/views/round_fixtures.h"

#include <algorithm>

#include "core/draws/state_championship.h"
#include "core/format/money_format.h"
#include "core/records/game_state.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

std::string DivisionHeading(int division) { return std::to_string(division) + "ª divisão"; }

// A heading goes in only where a match stands at that row, so a heading never closes the list.
void InsertHeading(std::vector<RoundFixtureRow>& rows, int position, const std::string& text)
{
    if (position < 0 || position >= static_cast<int>(rows.size()))
        return;
    RoundFixtureRow heading;
    heading.awayName = text;
    heading.fixture = kHeadingRow;
    rows.insert(rows.begin() + position, heading);
}

void InsertHeadings(std::vector<RoundFixtureRow>& rows, int kind, int regionKey)
{
    if (kind == 1) {
        const int step = Game.LeagueFormat == 4 ? 6 : 11;  // a division's matches and its heading
        for (int division = 1; division <= 4; ++division)
            InsertHeading(rows, (division - 1) * step, DivisionHeading(division));
    } else if (kind == 3) {
        const int groups =
            regionKey >= 0 && regionKey < kStateCount ? StateChampionships[regionKey].groupCount : 1;
        InsertHeading(rows, 0, DivisionHeading(1));
        for (int group = 2; group <= 4; ++group)
            if (groups >= group)
                InsertHeading(rows, (group - 1) * 4, DivisionHeading(group));
    } else if (kind == 4 || kind == 6) {
        for (int group = 1; group <= 8; ++group)
            InsertHeading(rows, (group - 1) * 3, "Grupo " + std::to_string(group));
    }
}

std::string ClubName(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size()) ? Clubs[club].name.str() : std::string();
}

int CurrentRound(int kind)
{
    switch (kind) {
    case 1: return Game.LeagueRound;
    case 3: return Game.StateStage;
    case 4: return Game.FirstContinentalStage;
    case 6: return Game.SecondContinentalStage;
    default: return 1;
    }
}

int CurrentTurn(int kind)
{
    switch (kind) {
    case 1: return Game.LeagueTurn;
    case 3: return Game.StateTurn;
    case 4: return Game.FirstContinentalTurn;
    case 6: return Game.SecondContinentalTurn;
    default: return 1;
    }
}

}  // namespace

int RoundsPerTurn(int kind)
{
    switch (kind) {
    case 1: return Game.LeagueFormat == 4 ? 9 : 19;
    case 3: return 5;
    default: return 3;
    }
}

RoundAndTurn RoundOfEntry(int entry, int roundsPerTurn)
{
    const int r = std::max(1, roundsPerTurn);
    const int e = std::clamp(entry, 1, 2 * r);
    return {(e - 1) % r + 1, (e - 1) / r + 1};
}

int EntryOfRound(RoundAndTurn shown, int roundsPerTurn)
{
    const int r = std::max(1, roundsPerTurn);
    return std::clamp((shown.turn - 1) * r + shown.round, 1, 2 * r);
}

std::string RoundEntryCaption(int entry, int roundsPerTurn)
{
    const RoundAndTurn shown = RoundOfEntry(entry, roundsPerTurn);
    return std::to_string(shown.round) + "ª rodada-" + std::to_string(shown.turn) + "º turno";
}

std::string RoundCaption(RoundAndTurn shown)
{
    return std::to_string(shown.round) + "ª rodada - " + std::to_string(shown.turn) + "º turno";
}

bool ContinentalGroupStageOver(int kind)
{
    return (kind == 4 || kind == 6) && CurrentRound(kind) >= 4;
}

int OpeningRoundEntry(int kind)
{
    const int r = RoundsPerTurn(kind);
    if ((kind == 3 && CurrentRound(kind) >= 6) || ContinentalGroupStageOver(kind))
        return 2 * r;
    return EntryOfRound({CurrentRound(kind), CurrentTurn(kind)}, r);
}

std::vector<RoundFixtureRow> RoundFixtureRows(int kind, int regionKey, RoundAndTurn shown)
{
    std::vector<RoundFixtureRow> rows;
    for (std::size_t i = 0; i < Fixtures.size(); ++i) {
        const TFixture& f = Fixtures[i];
        if (f.region != regionKey || f.kind != kind || f.round != shown.round || f.leg != shown.turn)
            continue;
        RoundFixtureRow row;
        row.home = f.home;
        row.away = f.away;
        row.homeName = ClubName(f.home);
        row.awayName = ClubName(f.away);
        row.score = "x";
        if (f.played) {
            row.score = std::to_string(f.homeGoals) + " x " + std::to_string(f.awayGoals);
            row.attendance = FormatMoney(f.attendance);
            row.gate = FormatMoneyWords(f.gate);
            row.fixture = static_cast<int>(i);
        }
        rows.push_back(std::move(row));
    }
    InsertHeadings(rows, kind, regionKey);
    return rows;
}

}  // namespace tarvelon
