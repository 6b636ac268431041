// The season and history views on a game saved after three whole seasons and loaded again: each
// view shows what the saved tables hold (champions, a champion's record, cabinet and meetings, the
// rankings, the best scorers of all time and a player's career), checked against the tables.
#include <algorithm>

#include <filesystem>

#include "controls/dc_smooth_panel.h"
#include "controls/grad_button.h"
#include "core/history/career_text.h"
#include "core/records/history_records.h"
#include "core/persist/saved_game.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/seasonloop/season_loop.h"
#include "core/tables.h"
#include "core/views/champions.h"
#include "core/views/club_record.h"
#include "core/views/meetings.h"
#include "core/views/rankings.h"
#include "core/views/scorer_rows.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/subjects.h"
#include "screens/history/champions_history_screen.h"
#include "screens/history/club_record_screen.h"
#include "screens/history/clubs_ranking_screen.h"
#include "screens/history/coach_ranking_screen.h"
#include "screens/history/head_to_head_screen.h"
#include "screens/history/player_career_screen.h"
#include "screens/competitions/top_scorers_screen.h"
#include "screens/history/trophy_cabinet_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

constexpr int kSeasons = 3;

class HistoryViewsAfterSeasonsTest : public ViewsScreenTest {
protected:
    static void SetUpTestSuite()
    {
        PrepareGame(7, 0);
        for (int season = 0; season < kSeasons; ++season)
            PlaySeason();
        for (int day = 0; day < 4; ++day)
            PlayDay();
        std::filesystem::create_directory("sav");
        Game.saveName.set("tres.nsx");
        ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
        const LoadOutcome loaded = LoadGame("tres.nsx");
        ASSERT_TRUE(loaded == LoadOutcome::kOpenHub || loaded == LoadOutcome::kOpenNationalHub);
    }

    // The last champion of the human club's league's first division, and that season's runner-up.
    static ChampionRow LastLeagueChampion()
    {
        const auto rows = ChampionRows(ChampionsCompetition(1, Clubs[SubjectClub()].Country));
        return rows.empty() ? ChampionRow{} : rows.front();
    }
};

TEST_F(HistoryViewsAfterSeasonsTest, TheLeaguesChampionsOfEverySeasonNewestFirst)
{
    EXPECT_EQ(Game.Season, kSeasons + 1);
    auto* form = Open<TForm29>("TForm29");
    ASSERT_NE(form, nullptr);
    const auto rows = ChampionRows(ChampionsCompetition(1, Leagues[form->ChosenLeague].country));
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kSeasons));
    const std::string text = form->p_camp->Caption().HTMLText();
    std::size_t from = 0;
    for (const ChampionRow& row : rows) {  // newest first, each with its own runner-up
        EXPECT_GE(row.runnerUp, 0);
        from = text.find(std::to_string(2009 + row.season), from);
        ASSERT_NE(from, std::string::npos);
        EXPECT_NE(text.find(">" + row.championName + "<IND", from), std::string::npos);
        EXPECT_NE(text.find(">" + row.runnerUpName + "<IND", from), std::string::npos);
    }
}

TEST_F(HistoryViewsAfterSeasonsTest, AChampionsRecordCabinetAndMeetings)
{
    const ChampionRow champion = LastLeagueChampion();
    ASSERT_GE(champion.champion, 0);
    RecordClub = champion.champion;
    auto* record = Open<TForm55>("TForm55");
    ASSERT_NE(record, nullptr);
    const auto rows = ClubRecordRows(champion.champion);
    ASSERT_EQ(record->Grid->RowCount(), static_cast<int>(rows.size()));
    int seasons = 0;
    for (int i = 0; i < record->Grid->RowCount(); ++i)
        seasons += !record->Grid->GetCellTextByName("colano", i).empty();
    EXPECT_EQ(seasons, kSeasons + 1);  // three whole seasons and the running one
    EXPECT_NE(record->Label2->Caption().find("Nacional:"), std::string::npos);
    record->Close();
    test::Pump();

    TrophyCabinetClub = champion.champion;
    auto* cabinet = Open<TForm74>("TForm74");
    ASSERT_NE(cabinet, nullptr);
    EXPECT_FALSE(cabinet->Label2->Visible());
    int leagueTitles = 0;
    for (const TClubPlacing& p : ClubPlacings)
        leagueTitles += p.club == champion.champion && p.kind == 1 && p.place == 1 && p.divisionOrState <= 1;
    bool shown = false;
    for (std::size_t k = 0; k < cabinet->counts.size(); ++k)
        shown = shown || (cabinet->captions[k]->Visible() &&
                          cabinet->counts[k]->Caption() == "[" + std::to_string(leagueTitles) + "]");
    EXPECT_TRUE(shown);
    cabinet->Close();
    test::Pump();

    HeadToHeadClubs = {champion.champion, champion.runnerUp};
    auto* meetings = Open<TForm15>("TForm15");
    ASSERT_NE(meetings, nullptr);
    const int games = static_cast<int>(MeetingRows(champion.champion, champion.runnerUp).size());
    EXPECT_GE(games, 2);
    EXPECT_EQ(meetings->Gridview1->RowCount(), games);
    EXPECT_EQ(meetings->Label4->Caption(), MeetingCountText(games));
}

TEST_F(HistoryViewsAfterSeasonsTest, TheRankingsFollowTheTables)
{
    auto* coaches = Open<TForm47>("TForm47");
    ASSERT_NE(coaches, nullptr);
    PressKey(coaches->combopais, Qt::Key_End);  // "Internacional"
    const auto ranked = CoachRankingRows(-1);
    ASSERT_EQ(coaches->gridview1->RowCount(), static_cast<int>(ranked.size()));
    EXPECT_GT(ranked.front().points, 0);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(coaches->gridview1->GetCellTextByName("id", i), std::to_string(ranked[i].coach));
    coaches->Close();
    test::Pump();

    auto* clubs = Open<TForm71>("TForm71");
    ASSERT_NE(clubs, nullptr);
    const auto placing = PlacingRankingRows(clubs->PlacingItem, false);
    ASSERT_EQ(clubs->listr1->RowCount(), static_cast<int>(placing.size()));
    const auto best = std::max_element(placing.begin(), placing.end(),
                                       [](const ClubRankingRow& a, const ClubRankingRow& b) { return a.total < b.total; });
    EXPECT_GT(best->total, 0);
    EXPECT_EQ(clubs->listr1->GetCellTextByName("coltotal1", 0), std::to_string(best->total));
    Click(clubs->bt2);
    const auto points = PointsRankingRows(clubs->PointsItem, false);
    EXPECT_GT(points.front().total, 0);
    EXPECT_EQ(clubs->listr2->GetCellTextByName("colid2", 0), std::to_string(points.front().club));
}

TEST_F(HistoryViewsAfterSeasonsTest, TheBestScorerOfAllTimeAndHisCareer)
{
    auto* scorers = Open<TForm20>("TForm20");
    ASSERT_NE(scorers, nullptr);
    PressKey(scorers->combo1, Qt::Key_End);  // "Melhores de Sempre"
    const auto best = AllTimeScorerRows();
    ASSERT_FALSE(best.empty());
    EXPECT_EQ(scorers->t1->GetCellTextByName("colid", 0), std::to_string(best.front().player));
    EXPECT_EQ(scorers->t1->GetCellTextByName("colgolst", 0), std::to_string(Players[best.front().player].careerGoals));

    auto seen = CloseWhatOpens(Screen->FormCount());
    DoubleClickRow(scorers->t1, 0);
    WaitForClosed(seen);
    EXPECT_EQ(*seen, std::vector<std::string>{"TForm16"});
    scorers->Close();
    test::Pump();

    SelectedRecord = best.front().player;
    auto* career = Open<TForm16>("TForm16");
    ASSERT_NE(career, nullptr);
    const std::string table = career->infojt->Caption().HTMLText();
    EXPECT_EQ(table, PlayerCareerText(best.front().player, 0).text);
    for (int season = 1; season <= kSeasons; ++season) {
        bool played = false;
        for (const TPlayerSeasonStats& s : PlayerSeasonStats)
            played = played || (s.player == best.front().player && s.season == season);
        if (played) {
            EXPECT_NE(table.find(std::to_string(2009 + season)), std::string::npos) << season;
        }
    }
}

}  // namespace
}  // namespace tarvelon
