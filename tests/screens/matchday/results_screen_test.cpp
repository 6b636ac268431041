// The results of a day driven with the mouse and keys on a seeded game: a click on a match row shows
// that match's crests, stadium, crowd and gate, statistics and tactics, and the arrow keys move to
// the next match; every row carries both mini crests.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/format/images.h"
#include "core/format/money_format.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/records/match_records.h"
#include "core/season/competition_kind.h"
#include "core/tables.h"
#include "core/views/day_results.h"
#include "core/views/match_report_view.h"
#include "controls/dc_combo.h"
#include "controls/grad_button.h"
#include "grid/dg_grid.h"
#include "platform/forms/screen.h"
#include "platform/graphics/color.h"
#include "platform/forms/timer.h"
#include "platform/graphics/bitmap.h"
#include "richtext/html_draw_gdi.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "screens/matchday/results_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

class ResultsScreenTest : public viewstest::ViewsScreenTest {
protected:
    void SetUp() override
    {
        ViewsScreenTest::SetUp();
        TForm67::showLastArchivedDay = true;  // the seeded game's last day played
    }
    void TearDown() override
    {
        ViewsScreenTest::TearDown();
        TForm67::showLastArchivedDay = false;
    }

    TForm67* OpenResults()
    {
        auto* form = Open<TForm67>("TForm67");
        if (form)
            form->Timer1->SetEnabled(false);
        return form;
    }

    static int ReportOfRow(TForm67* form, int row)
    {
        const std::string text = form->grid1->GetCellTextByName("colreport", row);
        return text.empty() ? -1 : std::stoi(text);
    }

    // The rows holding a match, in grid order.
    static std::vector<int> MatchRows(TForm67* form)
    {
        std::vector<int> rows;
        for (int row = 0; row < form->grid1->RowCount(); ++row)
            if (ReportOfRow(form, row) >= 0)
                rows.push_back(row);
        return rows;
    }

    // A player of the home side of a report, for events added to it.
    static int HomePlayer(int report)
    {
        int player = -1;
        for (const TMatchEventEntry& e : ReportEvents)
            if (e.match == report && e.club == MatchReports[report].club[0] && e.player > 0)
                player = e.player;
        return player;
    }

    // How often `tag` opens in a text.
    static int Occurrences(const std::string& text, const std::string& tag)
    {
        int count = 0;
        for (std::size_t at = text.find(tag); at != std::string::npos; at = text.find(tag, at + 1))
            ++count;
        return count;
    }

    // Shows the match of `row` again after another one.
    void ShowAgain(TForm67* form, int row, int other)
    {
        ClickRow(form->grid1, other, 150);
        ClickRow(form->grid1, row, 150);
    }

    static std::string Lines(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& line : lines)
            text += (text.empty() ? "" : "\n") + line;
        return text;
    }

    static bool Near(QColor a, QColor b, int tolerance = 40)
    {
        return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
               && std::abs(a.blue() - b.blue()) <= tolerance;
    }

    // Whether a pixel within two of `at` has that colour.
    static bool NearAround(const QImage& picture, QPoint at, QColor colour)
    {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (Near(picture.pixelColor(at + QPoint(dx, dy)), colour, 12))
                    return true;
        return false;
    }

    // The colour in the middle of a picture file scaled into a square of `size` pixels.
    static QColor MiddleOf(const std::string& path, int size)
    {
        const QImage picture = QImage(QString::fromStdString(path)).scaled(size, size, Qt::KeepAspectRatio,
                                                                           Qt::SmoothTransformation);
        return picture.pixelColor(picture.width() / 2, picture.height() / 2);
    }
};

TEST_F(ResultsScreenTest, ClickingAMatchRowShowsItsCrestsVenueCrowdStatisticsAndTactics)
{
    TForm67* form = OpenResults();
    ASSERT_NE(form, nullptr);
    const std::vector<int> rows = MatchRows(form);
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(form->ShownReport(), ReportOfRow(form, rows[0])) << "the first match is shown at once";

    const int row = rows[2];
    ClickRow(form->grid1, row, 150);
    const int report = ReportOfRow(form, row);
    ASSERT_EQ(form->ShownReport(), report);
    const TMatchReport& r = MatchReports[report];
    ASSERT_TRUE(KindHasPayingCrowd(r.kind));
    EXPECT_EQ(form->Label30->Caption(), Clubs[r.club[0]].name.str());
    EXPECT_EQ(form->Label31->Caption(), Clubs[r.club[1]].name.str());
    EXPECT_EQ(form->Label70->Caption(), Clubs[r.club[0]].Stadium.str());
    EXPECT_TRUE(form->Label8->Visible());
    EXPECT_EQ(form->Label8->Caption(), FormatThousands(r.attendance) + " pagantes");
    EXPECT_EQ(form->Label8->Hint(), "(G:" + FormatThousands(r.sectorAttendance[0]) + " A:" + FormatThousands(r.sectorAttendance[1])
                                        + " Cd:" + FormatThousands(r.sectorAttendance[2]) + " Cm:"
                                        + FormatThousands(r.sectorAttendance[3]) + ")");
    EXPECT_TRUE(form->Label26->Visible());
    EXPECT_EQ(form->Label26->Caption(), "$" + FormatThousands(r.gate));
    EXPECT_EQ(form->lbstatnomes->Caption(), "Posse de Bola\nFinalizações\nRoubadas bola\nPasses errados\nFaltas cometidas");
    EXPECT_EQ(form->lbstat1->Caption(),
              Lines({ReportStatLines(report)[0].home, std::to_string(r.stats[0][rsShots]), std::to_string(r.stats[0][rsBallsWon]),
                     std::to_string(r.stats[0][rsBadPasses]), std::to_string(r.stats[0][rsFouls])}));
    EXPECT_EQ(form->lbstat2->Caption().substr(form->lbstat2->Caption().rfind('\n') + 1), std::to_string(r.stats[1][rsFouls]));
    static const char* const kStyles[] = {"Jogo equilibrado", "Ataque total", "Contra-ataque"};
    static const char* const kFocus[] = {"Pelo meio", "Pelas laterais"};
    static const char* const kMarking[] = {"Leve", "Pesada", "Muito Pesada"};
    EXPECT_EQ(form->lbtat2->Caption(),
              Lines({kStyles[r.playingStyle[1]], kFocus[r.attackSide[1]], kMarking[r.marking[1]]}));

    // Both crests of the match beside the names, each drawn from its club's crest file.
    const QImage screen = form->Panel1->Widget()->grab().toImage();
    for (auto [image, club] : {std::pair{form->escudo, r.club[0]}, std::pair{form->escudo2, r.club[1]}}) {
        const std::string path = CrestPath(club);
        ASSERT_FALSE(path.empty()) << "the sample clubs have crests";
        const QColor shown = screen.pixelColor(image->Left() + image->Width() / 2, image->Top() + image->Height() / 2);
        EXPECT_TRUE(Near(shown, MiddleOf(path, image->Width()))) << Clubs[club].name.str() << " " << shown.name().toStdString();
    }
    // The report's parts lie beside the grid, inside the panel, and none over another.
    const std::vector<TControl*> parts = {form->escudo, form->Label30, form->Label5, form->Label1, form->Label31,
                                          form->escudo2, form->Label70, form->Label8, form->Label26, form->lbstat1,
                                          form->lbstatnomes, form->lbstat2, form->lbtat1, form->lbtat2, form->escalacao1,
                                          form->escalacao2, form->l_gols, form->card1, form->card2};
    const auto bounds = [](TControl* c) { return QRect(c->Left(), c->Top(), c->Width(), c->Height()); };
    for (std::size_t i = 0; i < parts.size(); ++i) {
        EXPECT_GE(parts[i]->Left(), form->grid1->Left() + form->grid1->Width()) << parts[i]->Name();
        EXPECT_LE(parts[i]->Left() + parts[i]->Width(), form->Panel1->Width()) << parts[i]->Name();
        EXPECT_LE(parts[i]->Top() + parts[i]->Height(), form->Panel1->Height()) << parts[i]->Name();
        for (std::size_t j = i + 1; j < parts.size(); ++j)
            EXPECT_FALSE(bounds(parts[i]).intersects(bounds(parts[j]))) << parts[i]->Name() << " / " << parts[j]->Name();
    }

    ASSERT_GE(ReportOfRow(form, row + 1), 0);
    PressKey(form->grid1, Qt::Key_Down);
    EXPECT_EQ(form->ShownReport(), ReportOfRow(form, row + 1));
}

// The screen fills the window with its background, its panel in the middle; under the grid the
// chooser and the two buttons, none over another.
TEST_F(ResultsScreenTest, TheScreenFillsTheWindowWithItsPanelInTheMiddle)
{
    TForm67* form = OpenResults();
    ASSERT_NE(form, nullptr);
    ASSERT_NE(form->Panel1, nullptr);
    const TRect area = Screen->WorkAreaRect();
    EXPECT_EQ(form->Width(), area.Right - area.Left);
    EXPECT_EQ(form->Height(), area.Bottom - area.Top);
    EXPECT_EQ(form->Panel1->Left(), (form->ClientWidth() - form->Panel1->Width()) / 2);
    EXPECT_EQ(form->Panel1->Top(), (form->ClientHeight() - form->Panel1->Height()) / 2);
    const auto bounds = [](TControl* c) { return QRect(c->Left(), c->Top(), c->Width(), c->Height()); };
    const std::vector<TControl*> below = {form->grid1, form->combopais, form->bt2, form->bt3};
    for (std::size_t i = 0; i < below.size(); ++i)
        for (std::size_t j = i + 1; j < below.size(); ++j)
            EXPECT_FALSE(bounds(below[i]).intersects(bounds(below[j]))) << below[i]->Name() << " / " << below[j]->Name();
    // The panel lets the form's background show through: its corner is what the form painted there.
    const QImage panel = form->Panel1->Widget()->grab().toImage();
    const QColor under = form->BackingImage().pixelColor(form->Panel1->Left() + 2, form->Panel1->Top() + 2);
    EXPECT_EQ(panel.pixelColor(2, 2), under);
    EXPECT_NE(under, ToQColor(ColorToRGB(form->Panel1->Color())));
}

TEST_F(ResultsScreenTest, EveryMatchRowCarriesBothMiniCrestsAndAHeadingRowNone)
{
    TForm67* form = OpenResults();
    ASSERT_NE(form, nullptr);
    TDataGrid* grid = form->grid1;
    const QImage picture = grid->Widget()->grab().toImage();
    int probed = 0;
    for (int row : MatchRows(form)) {
        const TMatchReport& r = MatchReports[ReportOfRow(form, row)];
        for (auto [column, club] : {std::pair{"colescudo1", r.club[0]}, std::pair{"colescudo2", r.club[1]}}) {
            const std::string path = MiniCrestPath(club);
            ASSERT_FALSE(path.empty());
            const int index = std::stoi(grid->GetCellTextByName(column, row));
            EXPECT_GE(index, 2) << "after the list's two blank pictures";
            const TRect cell = grid->GetCellRect(grid->ColumnByName(column)->Index(), row);
            if (cell.Bottom > grid->Height() - 24 || row == grid->SelectedRow())
                continue;
            // The grid's frame moves its cells by a pixel or two on the widget.
            EXPECT_TRUE(NearAround(picture, QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2), MiddleOf(path, 18)))
                << Clubs[club].name.str() << " row " << row;
            ++probed;
        }
    }
    EXPECT_GT(probed, 4);

    // A heading row, when the day has blocks, shows nothing new when clicked.
    for (int row = 0; row < grid->RowCount(); ++row) {
        if (ReportOfRow(form, row) >= 0)
            continue;
        // Its home crest cell names the second blank picture, its away crest cell the first.
        EXPECT_EQ(grid->GetCellTextByName("colescudo1", row), "1");
        EXPECT_EQ(grid->GetCellTextByName("colescudo2", row), "0");
        const int shown = form->ShownReport();
        ClickRow(grid, row, 150);
        EXPECT_EQ(form->ShownReport(), shown);
        break;
    }
}

// The report of a clicked match as its labels write it: starters in size 10 bold with the rating
// at 165, substitutes in size 9 under the one they replaced, goals and cards in the panels' own
// colours, each card panel opening with a blank line; the grid's score has no blanks.
TEST_F(ResultsScreenTest, AClickedMatchWritesItsLineupsGoalsAndCardsAsTheReportLaysThemOut)
{
    TForm67* form = OpenResults();
    ASSERT_NE(form, nullptr);
    int withSubstitute = -1;
    for (int row : MatchRows(form)) {
        ClickRow(form->grid1, row, 150);
        const std::string lineup = form->escalacao1->GetDisplayText() + form->escalacao2->GetDisplayText();
        if (lineup.find("i_sub") != std::string::npos && form->l_gols->GetDisplayText().find("<P") != std::string::npos) {
            withSubstitute = row;
            break;
        }
    }
    ASSERT_GE(withSubstitute, 0) << "a match of the day with a substitution and a goal";
    const int report = form->ShownReport();
    const TMatchReport& r = MatchReports[report];
    EXPECT_EQ(form->grid1->GetCellTextByName("colplacar", withSubstitute),
              std::to_string(r.goals[0]) + "x" + std::to_string(r.goals[1]));

    const std::string home = form->escalacao1->GetDisplayText() + form->escalacao2->GetDisplayText();
    EXPECT_EQ(home.rfind("<FONT  size=\"10\"><b>", 0), 0u) << home;
    EXPECT_NE(home.find("<IND x=\"12\"> - "), std::string::npos);
    EXPECT_NE(home.find("<IND x=\"165\">"), std::string::npos);
    EXPECT_NE(home.find("</b></font><br><FONT  size=\"9\"><IMG src=\"i_sub\">"), std::string::npos) << home;
    EXPECT_EQ(home.find("color"), std::string::npos) << home;
    EXPECT_EQ(home.find("158"), std::string::npos) << home;

    const std::string goals = form->l_gols->GetDisplayText();
    EXPECT_EQ(goals.rfind("<FONT size=\"8\" face=\"Arial\"><P align=\"", 0), 0u) << goals;
    EXPECT_EQ(goals.substr(goals.size() - 11), "</p></font>");
    for (TRichLabel* cards : {form->card1, form->card2}) {
        EXPECT_EQ(cards->GetDisplayText().rfind("<br>", 0), 0u) << cards->GetDisplayText();
        EXPECT_EQ(cards->GetDisplayText().find("color"), std::string::npos) << cards->GetDisplayText();
    }
}

// A match of many goals shows every goal line: the goals box grows to hold them and the card boxes
// move down under it; a match of few goals keeps the form's boxes.
TEST_F(ResultsScreenTest, EveryGoalLineOfAManyGoalMatchStaysInItsBoxAboveTheCards)
{
    TForm67* form = OpenResults();
    ASSERT_NE(form, nullptr);
    const std::vector<int> rows = MatchRows(form);
    ASSERT_GE(rows.size(), 2u);
    const int report = ReportOfRow(form, rows[0]);
    const TRect goalsBox = form->l_gols->BoundsRect();
    const TRect cardsBox = form->card1->BoundsRect();
    const auto savedEvents = ReportEvents;
    const int club = MatchReports[report].club[0];
    const int scorer = HomePlayer(report);
    ASSERT_GT(scorer, 0);
    for (int goal = 0; goal < 9; ++goal)
        ReportEvents.push_back({4, club, scorer, -1, 10 + goal * 18, report});

    ShowAgain(form, rows[0], rows[1]);
    const int lines = Occurrences(form->l_gols->GetDisplayText(), "<P ");
    ASSERT_GE(lines, 9);
    const int lineHeight = QFontMetrics(QFont("Arial", 8)).height() - 2;  // at the least
    const TRect goals = form->l_gols->BoundsRect();
    EXPECT_GE(goals.Height(), lines * lineHeight) << "every goal line inside the goals box";
    EXPECT_GT(goals.Height(), goalsBox.Height());
    for (TRichLabel* cards : {form->card1, form->card2})
        EXPECT_GE(cards->Top(), goals.Bottom) << "the cards below the goals";

    ReportEvents = savedEvents;
    ShowAgain(form, rows[0], rows[1]);
    EXPECT_TRUE(form->l_gols->BoundsRect() == goalsBox) << "a match of few goals keeps the form's boxes";
    EXPECT_TRUE(form->card1->BoundsRect() == cardsBox);
}

// A side of many cards, in a match of many goals, shows every card line: the card boxes grow below the
// goals, inside the panel and clear of the line-up boxes' lines.
TEST_F(ResultsScreenTest, EveryCardLineOfAManyCardMatchShowsBelowTheGoals)
{
    TForm67* form = OpenResults();
    ASSERT_NE(form, nullptr);
    const std::vector<int> rows = MatchRows(form);
    ASSERT_GE(rows.size(), 2u);
    const int report = ReportOfRow(form, rows[0]);
    const TRect cardsBox = form->card1->BoundsRect();
    const TRect panelBox = form->Panel1->BoundsRect();
    const auto savedEvents = ReportEvents;
    const int home = MatchReports[report].club[0];
    const int player = HomePlayer(report);
    ASSERT_GT(player, 0);
    for (int goal = 0; goal < 6; ++goal)
        ReportEvents.push_back({4, home, player, -1, 10 + goal * 20, report});
    for (int card = 0; card < 9; ++card)
        ReportEvents.push_back({13, home, player, 1 + card % 3, 5 + card * 19, report});

    ShowAgain(form, rows[0], rows[1]);
    const int lines = Occurrences(form->card1->GetDisplayText(), "<br>");
    ASSERT_GE(lines, 10) << "the opening line and nine cards";
    const int lineHeight = QFontMetrics(QFont("Arial", 8)).height() - 2;  // at the least
    const TRect cards = form->card1->BoundsRect();
    EXPECT_GE(cards.Height(), lines * lineHeight) << "every card line inside the card box";
    EXPECT_EQ(form->card2->Top(), cards.Top);
    EXPECT_GE(cards.Top, form->l_gols->BoundsRect().Bottom) << "the cards below the goals";
    EXPECT_LE(cards.Bottom, form->Panel1->Height()) << "the card box inside the panel";
    EXPECT_LE(form->escalacao1->BoundsRect().Bottom, form->l_gols->Top()) << "the line-ups above the goals";

    ReportEvents = savedEvents;
    ShowAgain(form, rows[0], rows[1]);
    EXPECT_TRUE(form->card1->BoundsRect() == cardsBox) << "a match of few cards keeps the form's boxes";
    EXPECT_TRUE(form->Panel1->BoundsRect() == panelBox);
}

// A line-up's longest names, of starters and substitutes, end short of their ratings: written smaller
// where they would run into them; a short name keeps its size.
TEST_F(ResultsScreenTest, ALongNameOfTheLineupsIsWrittenSmallerShortOfItsRating)
{
    TForm67* form = OpenResults();
    ASSERT_NE(form, nullptr);
    const std::vector<int> rows = MatchRows(form);
    ASSERT_GE(rows.size(), 2u);
    int row = -1;
    for (int r : rows) {
        ClickRow(form->grid1, r, 150);
        if (form->escalacao1->GetDisplayText().find("i_sub") != std::string::npos) {
            row = r;
            break;
        }
    }
    ASSERT_GE(row, 0) << "a match of the day with a home substitution";
    const int report = form->ShownReport();
    const std::vector<ReportLineupLine> lineup = ReportLineup(report, 0);
    ASSERT_GE(lineup.size(), 2u);
    const ReportLineupLine* withSub = nullptr;
    for (const ReportLineupLine& line : lineup)
        if (!line.substitutes.empty())
            withSub = &line;
    ASSERT_NE(withSub, nullptr);
    const std::vector<int> renamed = {lineup[0].player, withSub->player, withSub->substitutes[0].player};
    std::vector<std::string> names;
    for (int player : renamed) {
        names.push_back(Players[player].Name.str());
        Players[player].Name = "Wwwwwwww Mmmmmmmmmmm";
    }
    const int shortName = lineup[1].player != withSub->player ? lineup[1].player : lineup[2].player;
    const std::string kept = Players[shortName].Name.str();
    Players[shortName].Name = "Zé";
    ShowAgain(form, row, rows[0] == row ? rows[1] : rows[0]);

    // Each line up to its rating, measured as the box writes it.
    const std::string text = form->escalacao1->GetDisplayText();
    const std::string rating = "<IND x=\"165\">";
    int longLines = 0;
    for (std::size_t at = 0, end; (end = text.find("<br>", at)) != std::string::npos; at = end + 4) {
        const std::string line = text.substr(at, end - at);
        const std::size_t indent = line.find(rating);
        ASSERT_NE(indent, std::string::npos) << line;
        TBitmap scratch;
        scratch.SetSize(1, 1);
        scratch.Canvas().Font = form->escalacao1->Font();
        THTMLDrawResult measured;
        form->escalacao1->HTMLPaint(scratch.Canvas(), line.substr(0, indent), TRect(0, 0, 65535, 100), 0, 0, -1, true,
                                    measured);
        EXPECT_LE(measured.MeasuredWidth, 165) << line;
        if (line.find("Wwwwwwww") != std::string::npos) {
            ++longLines;
            EXPECT_EQ(line.find("size=\"10\""), std::string::npos) << line;
        }
        if (line.find("Zé") != std::string::npos)
            EXPECT_NE(line.find("<FONT  size=\"10\"><b>"), std::string::npos) << line;
    }
    EXPECT_EQ(longLines, 3);
    for (std::size_t i = 0; i < renamed.size(); ++i)
        Players[renamed[i]].Name = names[i];
    Players[shortName].Name = kept;
}

// Seven cards for one side, under four goals and line-ups with their substitutes: on the 800 x 600
// screen every card line shows inside the window, the line-ups written smaller to leave them room; a
// match of few cards keeps the line-ups' size of letters.
TEST_F(ResultsScreenTest, EveryCardLineShowsInsideTheWindowOfASmallScreen)
{
    TForm67* form = OpenResults();
    ASSERT_NE(form, nullptr);
    // The window of an 800 x 600 screen, which the screen fills.
    form->SetBounds(0, 0, 800, 600);
    ASSERT_EQ(form->ClientHeight(), 600);
    const std::vector<int> rows = MatchRows(form);
    ASSERT_GE(rows.size(), 2u);
    int row = -1;
    for (int r : rows) {
        ClickRow(form->grid1, r, 150);
        if (Occurrences(form->escalacao1->GetDisplayText() + form->escalacao2->GetDisplayText(), "i_sub") >= 4) {
            row = r;
            break;
        }
    }
    ASSERT_GE(row, 0) << "a match of the day with substitutions";
    const int report = form->ShownReport();
    const auto savedEvents = ReportEvents;
    const int home = MatchReports[report].club[0];
    const std::vector<ReportLineupLine> lineup = ReportLineup(report, 0);
    ASSERT_GE(lineup.size(), 8u);
    // The match's own goals and cards give way to the test's, whatever the seeded day left in it.
    std::erase_if(ReportEvents, [report](const TMatchEventEntry& event) {
        return event.match == report && (event.code == 4 || event.code == 8 || event.code == 13);
    });
    std::vector<std::string> names;
    for (int card = 0; card < 7; ++card) {
        const int player = lineup[static_cast<std::size_t>(card + 1)].player;
        names.push_back(Players[player].Name.str());
        Players[player].Name = "Maximiliano Oliveira";
        ReportEvents.push_back({13, home, player, card == 6 ? 3 : 1, 20 + card * 25, report});
    }
    for (int goal = 0; goal < 4; ++goal)
        ReportEvents.push_back({4, home, lineup.back().player, -1, 30 + goal * 40, report});
    ShowAgain(form, row, rows[0] == row ? rows[1] : rows[0]);

    EXPECT_GE(Occurrences(form->card1->GetDisplayText(), "<IMG"), 7);
    const auto bottomOnForm = [&](TControl* box) { return form->Panel1->Top() + box->Top() + box->Height(); };
    const auto measuredBottomOnForm = [&](TRichLabel* box) {
        TBitmap scratch;
        scratch.SetSize(1, 1);
        scratch.Canvas().Font = box->Font();
        THTMLDrawResult measured;
        box->HTMLPaint(scratch.Canvas(), box->GetDisplayText(), TRect(0, 0, box->Width(), 65535), 0, 0, -1, true,
                       measured);
        return form->Panel1->Top() + box->Top() + measured.MeasuredHeight;
    };
    EXPECT_GE(form->Panel1->Top(), 0);
    for (TRichLabel* cards : {form->card1, form->card2}) {
        EXPECT_LE(bottomOnForm(cards), form->ClientHeight()) << cards->Name();
        EXPECT_LE(measuredBottomOnForm(cards), bottomOnForm(cards)) << cards->Name() << " every line inside its box";
        EXPECT_GE(cards->Top(), form->l_gols->Top() + form->l_gols->Height()) << "the cards below the goals";
    }
    EXPECT_LE(measuredBottomOnForm(form->escalacao1), form->Panel1->Top() + form->l_gols->Top());
    EXPECT_LE(measuredBottomOnForm(form->escalacao2), form->Panel1->Top() + form->l_gols->Top());

    ReportEvents = savedEvents;
    for (int card = 0; card < 7; ++card)
        Players[lineup[static_cast<std::size_t>(card + 1)].player].Name = names[static_cast<std::size_t>(card)];
    ShowAgain(form, row, rows[0] == row ? rows[1] : rows[0]);
    EXPECT_EQ(form->escalacao1->GetDisplayText().rfind("<FONT  size=\"10\"><b>", 0), 0u)
        << "a match of few cards keeps the line-ups' letters";
}

TEST_F(ResultsScreenTest, AClubWorldCupMatchIsPlayedInJapanWithoutACrowd)
{
    TForm67* form = OpenResults();
    ASSERT_NE(form, nullptr);
    const int report = form->ShownReport();
    ASSERT_GE(report, 0);
    const int kind = MatchReports[report].kind;
    MatchReports[report].kind = kKindClubWorldCup;
    form->ShowMatchReport(report);
    EXPECT_EQ(form->Label70->Caption(), "Emirados Árabes");
    EXPECT_FALSE(form->Label8->Visible());
    EXPECT_FALSE(form->Label26->Visible());
    MatchReports[report].kind = kind;
    form->ShowMatchReport(report);
    EXPECT_TRUE(form->Label8->Visible());
    EXPECT_EQ(form->Label70->Caption(), ResultsVenue(report));
}

}  // namespace
}  // namespace tarvelon
