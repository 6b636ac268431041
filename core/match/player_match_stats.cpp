#include "core/match/player_match_stats.h"

#include <algorithm>
#include <string_view>

#include "core/basics/random.h"
#include "core/records/history_records.h"
#include "core/history/season_lines.h"
#include "core/mail/mail.h"
#include "core/match/lineup_access.h"
#include "core/match/lineup_ratings.h"
#include "core/match/match_events.h"
#include "core/match/match_day.h"
#include "core/players_to_settle.h"

namespace tarvelon {

namespace {

constexpr int kTraitStamina = 12;
constexpr int kMailSentOff = 1;
constexpr int kMailInjury = 3;

void AddGoalTo(std::vector<TGoalTally>& tallies, int player, int competition, int club)
{
    const int found = FindGoalTally(tallies, player, competition);
    if (found >= 0) {
        tallies[found].goals += 1;
        return;
    }
    tallies.push_back(TGoalTally{player, 1, competition, club});
}

void CountSeasonLine(int player, int club, std::string_view tag)
{
    int season = Game.Season;
    const int found = FindSeasonLine(player, season, club);
    TPlayerSeasonStats* line = found >= 0 ? &PlayerSeasonStats[found] : nullptr;
    if (line == nullptr) {
        PlayerSeasonStats.push_back(TPlayerSeasonStats{player, 0, 0, 0, 1, 0, season, club});
        line = &PlayerSeasonStats.back();
        if (tag == "j")
            return;  // a new line already counts its first game
    } else if (tag == "j") {
        line->games += 1;
    }
    if (tag == "gol")
        line->goals += 1;
    else if (tag == "ca")
        line->yellowCards += 1;
    else if (tag == "cv")
        line->redCards += 1;
    else if (tag == "ct")
        line->injuries += 1;
}

void CountCareer(TPlayer& p, std::string_view tag)
{
    if (tag == "j")
        p.careerGames += 1;
    else if (tag == "gol")
        p.careerGoals += 1;
    else if (tag == "ca" || tag == "cv")
        p.careerCards += 1;
}

void Suspend(int player, TPlayer& p)
{
    int matches = DrawSuspension();
    p.Bans[TodayKind()] += matches;
    MarkToSettle(player);
    if (IsHumanClub(p.Club) && matches >= 2)
        SendMail(p.Club, kMailSentOff, matches, 0, 0, player);
}

void Injure(int player, TPlayer& p)
{
    int weeks = InjuryWeeks(p.Age, p.Energy);
    p.Strength = std::max(1, p.Strength - InjuryStrengthLoss(p.Age));
    if (p.Trait1 == kTraitStamina)
        p.Strength += 2;
    else if (p.Trait2 == kTraitStamina)
        p.Strength += 1;
    MarkToSettle(player);  // the stamina bonus may take him past the strongest
    if (PlayerOnPitch(p))
        AllLineupRatingInputsChanged();
    if (p.Trait1 == kTraitStamina && weeks > 1)
        weeks -= 1;
    if (Random(300) == 1)
        weeks = 15 + Random(6);
    if (weeks > 0)
        p.InjuredUntil = TodayDate() + 7 * weeks + 2;
    if (TodayKind() < 7 && IsHumanClub(p.Club) && weeks >= 2)
        SendMail(p.Club, kMailInjury, weeks, 0, 0, player);
}

}  // namespace

int DrawSuspension()
{
    int r = Random(35);
    if (r == 0)
        return 10;
    if (r <= 2)
        return 5;
    if (r <= 5)
        return 3;
    if (r <= 15)
        return 2;
    return 1;
}

int InjuryWeeks(int age, int energy)
{
    int weeks;
    if (age < 26)
        weeks = 1;
    else if (age <= 30)
        weeks = 1 + Random(3);
    else if (age <= 35)
        weeks = 2 + Random(3);
    else if (age <= 40)
        weeks = 3 + Random(4);
    else if (age <= 50)
        weeks = 4 + Random(4);
    else if (age <= 60)
        weeks = 5 + Random(4);
    else
        weeks = 6 + Random(4);
    return energy < 50 ? weeks + 1 : weeks;
}

int InjuryStrengthLoss(int age)
{
    if (age <= 20)
        return 2;
    if (age <= 25)
        return 3;
    if (age <= 30)
        return 4;
    if (age <= 35)
        return 5;
    if (age <= 40)
        return 7;
    if (age <= 60)
        return 0;
    return 10;
}

void RecordPlayerStat(int player, int club, int competition, const std::string& statTag)
{
    // The tag is compared as a view: a comparison with a literal of known length then stays a few
    // instructions wherever the optimiser places this code (it runs for every game, goal and card).
    const std::string_view tag = statTag;
    TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return;
    if (tag == "gol") {
        AddGoalTo(GoalTallies, player, competition, club);
        if (!PlayerScoredToday(player))
            AddGoalTo(AllTimeGoalTallies, player, competition, club);
    }
    if (tag == "j" || tag == "gol" || tag == "ca" || tag == "cv" || tag == "ct")
        CountSeasonLine(player, club, tag);
    CountCareer(*p, tag);
    if (tag == "cv")
        Suspend(player, *p);
    else if (tag == "ca") {
        p->YellowCards[TodayKind()] += 1;
        MarkToSettle(player);
    } else if (tag == "ct")
        Injure(player, *p);
}

void TakeBackPlayerGame(int player, int club)
{
    TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return;
    p->careerGames -= 1;
    const int found = FindSeasonLine(player, Game.Season, club);
    if (found < 0)
        return;
    TPlayerSeasonStats& line = PlayerSeasonStats[static_cast<std::size_t>(found)];
    line.games -= 1;
    // Every line starts with a game counted, so one left with nothing at all was opened by the game
    // taken back.
    if (line.games == 0 && line.goals == 0 && line.yellowCards == 0 && line.redCards == 0 && line.injuries == 0) {
        PlayerSeasonStats.erase(PlayerSeasonStats.begin() + found);
        HistoryTablesChanged();
    }
}

}  // namespace tarvelon
