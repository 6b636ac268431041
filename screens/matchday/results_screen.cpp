// The results of the matchday (TForm67).
#include "screens/matchday/results_screen.h"

#include <algorithm>
#include <functional>
#include <string>

#include "controls/dc_combo.h"
#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/match/engine_step.h"
#include "core/match/match_events_codes.h"
#include "core/records/match_records.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/records/game_state.h"
#include "core/season/competition_kind.h"
#include "core/seasonloop/season_loop.h"
#include "core/tables.h"
#include "core/vocab/tactics_board.h"
#include "core/views/day_results.h"
#include "core/views/match_event_view.h"
#include "core/views/match_report_view.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/keys.h"
#include "platform/forms/timer.h"
#include "platform/graphics/bitmap.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "richtext/html_label.h"
#include "screens/common/game_flow.h"
#include "screens/common/grid_helpers.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/view_helpers.h"
#include "screens/matchday/matchday_pictures.h"

namespace tarvelon {

namespace {

constexpr int kStateDayGridHeight = 480;

std::string ClubName(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size()) ? Clubs[club].name.str() : std::string();
}

// The player's name as it joins the rich texts.
std::string PlayerNameMarkup(int player)
{
    return player > 0 && player < static_cast<int>(Players.size()) ? MarkupLiteral(Players[player].Name.str()) : std::string();
}

std::string HalfText(int tick) { return tick > 92 ? "/2º " : "/1º "; }

std::string JoinedLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

// Rich text measured in a box's font and with its pictures, in lines of at most `width` pixels.
THTMLDrawResult Measured(TRichLabel& box, const std::string& html, int width)
{
    TBitmap scratch;
    scratch.SetSize(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.Font = box.Font();
    THTMLDrawResult measured;
    box.HTMLPaint(canvas, html, TRect(0, 0, width, 65535), 0, 0, -1, true, measured);
    return measured;
}

// The width one line of rich text takes in a box.
int LineWidth(TRichLabel& box, const std::string& html) { return Measured(box, html, 65535).MeasuredWidth; }

// Where a line-up line's rating stands; the name before it ends short of it.
constexpr int kRatingIndent = 165;
constexpr int kSmallestLineupFontSize = 6;

// A line-up line in the font size `size`, or smaller where its name would run into the rating.
// `head` is what stands before the rating at size N, `tail` the rating and the line's end.
std::string FittedLineupLine(TRichLabel& box, int size, const std::function<std::string(int)>& head, const std::string& tail)
{
    while (size > kSmallestLineupFontSize && LineWidth(box, head(size)) > kRatingIndent)
        --size;
    return head(size) + "<IND x=\"" + std::to_string(kRatingIndent) + "\">" + tail;
}

// One starter a line: position letter, name, rating at the right; below him the substitutes who
// came on in his place, each with the minute he came on. `smaller` takes that many sizes off the
// lines, where the panel needs their room.
std::string LineupHtml(TRichLabel& box, int report, int side, int smaller)
{
    std::string html;
    for (const ReportLineupLine& line : ReportLineup(report, side)) {
        const std::string letter = line.pitchSlot >= 1 && line.pitchSlot <= PitchSlotCount ? PitchSlotLetters[line.pitchSlot] : "";
        const std::string name = PlayerNameMarkup(line.player) + (line.injured ? " <img src=\"i_ct\">" : "");
        html += FittedLineupLine(
            box, 10 - smaller,
            [&](int size) { return "<FONT  size=\"" + std::to_string(size) + "\"><b>" + letter + "<IND x=\"12\"> - " + name; },
            RatingText(line.rating) + "</b></font><br>");
        for (const ReportLineupLine::Substitute& sub : line.substitutes) {
            const std::string came = std::to_string(MatchMinuteOfTick(sub.tick)) + HalfText(sub.tick) + PlayerNameMarkup(sub.player);
            html += FittedLineupLine(
                box, 9 - smaller, [&](int size) { return "<FONT  size=\"" + std::to_string(size) + "\"><IMG src=\"i_sub\">" + came; },
                RatingText(sub.rating) + "</font><br>");
        }
    }
    return html;
}

}  // namespace

const TScreenRecord TForm67::kScreen{
    .formClass = "TForm67",
    .shows = "Resultados da rodada",
    .area = TScreenArea::Matchday,
    .modal = false,
    .style = {.background = TBackground::Title, .swallowAltF4 = true, .fillsWindow = true},
    // The results of a whole day, as the live matchday leaves them: a game that stands before its
    // day plays it up to its results first.
    .subject =
        [] {
            if (DayResultRegions(TodaysResultsDay()).empty())
                PlayDayToResults();
            TForm67::showLastArchivedDay = false;
        },
    .create = NewScreen<TForm67>,
    .file = "screens/matchday/results_screen.cpp",
    .replacesGame = true,
};

TForm67::TForm67(TComponent* owner)
    : TGameForm(owner, kScreen)
{
    BindHandler("FormClose", [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); });
    BindHandler("FormKeyDown",
                [this](TObject* sender, unsigned short& key, TShiftState shift) { FormKeyDown(sender, key, shift); });
    BindHandler("bt2Click", [this](TObject* sender) { bt2Click(sender); });
    BindHandler("bt3Click", [this](TObject* sender) { bt3Click(sender); });
    BindHandler("combo1Change", [this](TObject*) { ChooserChanged(combo1); });
    BindHandler("combopaisChange", [this](TObject*) { ChooserChanged(combopais); });
    BindHandler("CombolibChange", [this](TObject*) { ChooserChanged(Combolib); });
    ReadDescription();
    // The screen fills the window, its panel in the middle.
    Panel1 = FindChild<TPanel>("Panel1");
    if (Panel1)
        Panel1->SetBounds((ClientWidth() - Panel1->Width()) / 2, (ClientHeight() - Panel1->Height()) / 2, Panel1->Width(),
                          Panel1->Height());
    lcamp = FindChild<TLabel>("lcamp");
    grid1 = FindChild<TDataGrid>("grid1");
    ImageList1 = FindChild<TCustomImageList>("ImageList1");
    if (grid1 && ImageList1) {
        UseCrestColumn(*grid1, "colescudo1", *ImageList1);
        UseCrestColumn(*grid1, "colescudo2", *ImageList1);
    }
    Label30 = FindChild<TLabel>("Label30");
    Label31 = FindChild<TLabel>("Label31");
    Label5 = FindChild<TLabel>("Label5");
    Label1 = FindChild<TLabel>("Label1");
    Label70 = FindChild<TLabel>("Label70");
    Label8 = FindChild<TLabel>("Label8");
    Label26 = FindChild<TLabel>("Label26");
    escudo = FindChild<TImage>("escudo");
    escudo2 = FindChild<TImage>("escudo2");
    lbstat1 = FindChild<TLabel>("lbstat1");
    lbstatnomes = FindChild<TLabel>("lbstatnomes");
    lbstat2 = FindChild<TLabel>("lbstat2");
    lbtat1 = FindChild<TLabel>("lbtat1");
    lbtat2 = FindChild<TLabel>("lbtat2");
    escalacao1 = FindChild<TRichLabel>("escalacao1");
    escalacao2 = FindChild<TRichLabel>("escalacao2");
    l_gols = FindChild<TRichLabel>("l_gols");
    card1 = FindChild<TRichLabel>("card1");
    card2 = FindChild<TRichLabel>("card2");
    bt2 = FindChild<TGradButton>("bt2");
    bt3 = FindChild<TGradButton>("bt3");
    combo1 = FindChild<TDcComboBox>("combo1");
    combopais = FindChild<TDcComboBox>("combopais");
    Combolib = FindChild<TDcComboBox>("Combolib");
    TPictureContainer* icons = NewEventIconContainer(this);
    for (TRichLabel* label : {escalacao1, escalacao2, l_gols, card1, card2}) {
        label->SetTransparent(true);
        label->SetPictureContainer(icons);
    }
    panelBox_ = Panel1 ? Panel1->BoundsRect() : ClientRect();
    lineupsBox_[0] = escalacao1->BoundsRect();
    lineupsBox_[1] = escalacao2->BoundsRect();
    goalsBox_ = l_gols->BoundsRect();
    cardsBox_[0] = card1->BoundsRect();
    cardsBox_[1] = card2->BoundsRect();
    // The crowd's sectors show when the pointer rests on it.
    Label8->SetShowHint(true);
    if (grid1) {
        grid1->OnSelectCell = [this](TObject*, int, int row) { ShowRow(row); };
        grid1->OnCellColoring = [this](TObject*, int, int row, TColor& cell, TColor&, TCellState state) {
            if (!state.Contains(csSelected))
                cell = GridRowColor(row + 1, ReportTextOfRow(row) == "-1" ? "" : "x");
        };
    }
    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetEnabled(Game.InstantPlay != 0);
    Timer1->OnTimer = [this](TObject*) {
        Timer1->SetEnabled(false);
        Continue();
    };
    day_ = showLastArchivedDay ? LastArchivedResultsDay() : TodaysResultsDay();
    // Friendlies, the national cup and the club world cup have no table to show.
    bt2->SetVisible(day_.kind != kKindFriendlies && day_.kind != kKindNationalCup && day_.kind != kKindClubWorldCup);
    // A state-championship day's list is a little taller.
    if (day_.kind == kKindStateChampionship && grid1)
        grid1->SetHeight(kStateDayGridHeight);
    ShowChooser();
    ShowRegion(FirstShownRegion(day_));
}

// The box of the day's competitions, on days that play more than one the player may look at.
void TForm67::ShowChooser()
{
    chooser_ = ResultsChooserOf(day_, FirstShownRegion(day_));
    switch (chooser_.kind) {
    case ResultsChooserKind::State: chooserBox_ = combo1; break;
    case ResultsChooserKind::League: chooserBox_ = combopais; break;
    case ResultsChooserKind::Continental: chooserBox_ = Combolib; break;
    case ResultsChooserKind::None: chooserBox_ = nullptr; break;
    }
    for (TDcComboBox* box : {combo1, combopais, Combolib})
        if (box)
            box->SetVisible(box == chooserBox_);
    if (!chooserBox_)
        return;
    chooserBox_->Items().Clear();
    for (const std::string& caption : chooser_.captions)
        chooserBox_->Items().Add(caption);
    chooserBox_->SetItemIndex(chooser_.selected);
}

void TForm67::ChooserChanged(TDcComboBox* box)
{
    const int item = box ? box->ItemIndex() : -1;
    if (box == chooserBox_ && item >= 0 && item < static_cast<int>(chooser_.regions.size()))
        ShowRegion(chooser_.regions[static_cast<std::size_t>(item)]);
}

void TForm67::ShowRegion(int region)
{
    shownRegion_ = region;
    if (lcamp) {
        const std::string heading = ResultsHeading(day_, region);
        lcamp->SetCaption(heading.empty() ? "Resultados da rodada" : heading);
    }
    FillResultsGrid();
}

void TForm67::FormClose(TObject*, TCloseAction& action)
{
    Timer1->SetEnabled(false);
    action = caFree;
}

void TForm67::FillResultsGrid()
{
    grid1->BeginUpdate();
    grid1->ClearRows();
    int firstMatchRow = -1;
    for (const DayResultRow& row : DayResultRows(day_, shownRegion_)) {
        grid1->AddRow(1);
        const int r = grid1->RowCount() - 1;
        grid1->SetCellTextByName("colreport", r, std::to_string(row.report));
        grid1->SetCellTextByName("colescudo1", r, row.report < 0 ? "1" : "0");
        grid1->SetCellTextByName("colescudo2", r, "0");
        if (row.report < 0) {
            grid1->SetCellTextByName("colcasa", r, row.heading);
            continue;
        }
        const TMatchReport& report = MatchReports[row.report];
        grid1->SetCellTextByName("colcasa", r, ClubName(report.club[0]));
        grid1->SetCellTextByName("colplacar", r, std::to_string(report.goals[0]) + "x" + std::to_string(report.goals[1]));
        grid1->SetCellTextByName("colfora", r, ClubName(report.club[1]));
        grid1->SetCellTextByName("colescudo1", r, CrestCell(report.club[0]));
        grid1->SetCellTextByName("colescudo2", r, CrestCell(report.club[1]));
        if (firstMatchRow < 0)
            firstMatchRow = r;
    }
    grid1->EndUpdate();
    if (firstMatchRow >= 0) {
        grid1->SetSelectedRow(firstMatchRow);
        ShowRow(firstMatchRow);
    } else {
        ClearMatchReport();
    }
}

// A competition with no match today shows no report beside its empty list.
void TForm67::ClearMatchReport()
{
    shownReport_ = -1;
    for (TLabel* label : {Label30, Label31, Label5, Label1, Label70, Label8, Label26, lbstat1, lbstatnomes, lbstat2, lbtat1, lbtat2})
        label->SetCaption("");
    for (TRichLabel* label : {escalacao1, escalacao2, l_gols, card1, card2})
        label->SetHTMLText("");
    ShowClubCrest(escudo, -1, false);
    ShowClubCrest(escudo2, -1, false);
}

// The image of a club's mini crest in the grid (the blank image when it has none).
std::string TForm67::CrestCell(int club) const
{
    return std::to_string(ImageList1 ? std::max(MiniCrestIndex(*ImageList1, club), 0) : 0);
}

std::string TForm67::ReportTextOfRow(int row) const
{
    if (!grid1 || row < 0 || row >= grid1->RowCount())
        return "";
    return grid1->GetCellText(grid1->ColumnByName("colreport")->Index(), row);
}

// The row just chosen by a click or the arrow keys; a heading row shows nothing new.
void TForm67::ShowRow(int row)
{
    if (row < 0 || row >= grid1->RowCount())
        return;
    const std::string text = ReportTextOfRow(row);
    if (text.empty() || text == "-1")
        return;
    ShowMatchReport(std::stoi(text));
}

void TForm67::ShowMatchReport(int report)
{
    if (report < 0 || report >= static_cast<int>(MatchReports.size()))
        return;
    shownReport_ = report;
    const TMatchReport& r = MatchReports[report];
    ShowClubCrest(escudo, r.club[0], false);
    ShowClubCrest(escudo2, r.club[1], false);
    Label30->SetCaption(CaptionLiteral(ClubName(r.club[0])));
    Label31->SetCaption(CaptionLiteral(ClubName(r.club[1])));
    Label5->SetCaption(std::to_string(r.goals[0]) + " x " + std::to_string(r.goals[1]));
    Label1->SetCaption(ShootoutText(report));
    ShowVenueAndCrowd(report);
    ShowStatsAndTactics(report);
    FillGoalsAndCards(report);
}

void TForm67::ShowVenueAndCrowd(int report)
{
    Label70->SetCaption(CaptionLiteral(ResultsVenue(report)));
    const bool crowd = KindHasPayingCrowd(MatchReports[report].kind);
    const CrowdTexts texts = ReportCrowdTexts(report);
    Label8->SetVisible(crowd);
    Label26->SetVisible(crowd);
    Label8->SetCaption(texts.attendance);
    Label8->SetHint(texts.sectors);
    Label26->SetCaption(texts.gate);
}

void TForm67::ShowStatsAndTactics(int report)
{
    std::vector<std::string> home, labels, away;
    for (const ReportStatLine& line : ReportStatLines(report)) {
        home.push_back(line.home);
        labels.push_back(line.label);
        away.push_back(line.away);
    }
    lbstat1->SetCaption(JoinedLines(home));
    lbstatnomes->SetCaption(JoinedLines(labels));
    lbstat2->SetCaption(JoinedLines(away));
    for (int side : {1, 2}) {
        const ReportTactics tactics = ReportSideTactics(report, side);
        (side == 1 ? lbtat1 : lbtat2)->SetCaption(JoinedLines({tactics.style, tactics.attackFocus, tactics.marking}));
    }
}

void TForm67::FillGoalsAndCards(int report)
{
    const TMatchReport& r = MatchReports[report];
    int counts[2] = {0, 0};
    std::string goals;
    std::string cards[2];
    for (const TMatchEventEntry& e : ReportEvents) {
        if (e.match != report)
            continue;
        const int side = e.club == r.club[0] ? 0 : 1;
        const MatchEventView view = ViewOfMatchEvent(e);
        if (IsGoalEventCode(e.code)) {
            ++counts[side];
            const char* suffix = e.code == meFreeKickGoal ? "(F)" : e.code == mePenaltyGoal ? "(P)" : e.code == meOwnGoal ? "(C)" : "";
            goals += std::string("<P align=\"") + (side == 0 ? "left" : "right") + "\">" + std::to_string(counts[0]) + "x"
                     + std::to_string(counts[1]) + " " + PlayerNameMarkup(e.player) + " " + std::to_string(view.minute)
                     + HalfText(e.tick) + suffix + "</p>";
        } else if (e.code == meCard) {
            const char* icon = e.second == ckYellow ? "i_ca" : e.second == ckRed ? "i_cv" : "i_cacv";
            cards[side] += std::string("<IMG src=\"") + icon + "\">" + PlayerNameMarkup(e.player) + " " + std::to_string(view.minute) + (e.tick > 92 ? "/2º" : "/1º") + "<br>";
        }
    }
    l_gols->SetHTMLText("<FONT size=\"8\" face=\"Arial\">" + goals + "</font>");
    card1->SetHTMLText("<br>" + cards[0]);
    card2->SetHTMLText("<br>" + cards[1]);
    LayOutLineupsGoalsAndCards(report);
}

// The height a box's lines take in its width and font (none for an empty box).
static int TextHeight(TRichLabel& box)
{
    return box.GetDisplayText().empty() ? 0 : Measured(box, box.GetDisplayText(), box.Width()).MeasuredHeight;
}

// The room at the foot of the line-up boxes that their lines leave free.
int TForm67::LineupSpareRoom()
{
    return std::max(0, lineupsBox_[0].Height() - std::max(TextHeight(*escalacao1), TextHeight(*escalacao2)));
}

// A match of many goals or many cards would lose its last lines: the goals box grows to hold them
// all and the card boxes start below it, growing in turn to hold every card. When that passes the
// foot of the panel, the block first rises over the room the line-ups leave free, and the panel
// grows for the rest, as far as the window's foot; past that the line-ups are written smaller, to
// leave the block more room. A match whose lines fit keeps the form's boxes and letters.
struct TForm67::GoalsAndCardsPlan {
    int goalsHeight = 0;
    int cardsTop = 0;
    int cardsHeight = 0;
    int rise = 0;         // over the line-ups' free room
    int panelHeight = 0;  // the panel grown for the rest
};

TForm67::GoalsAndCardsPlan TForm67::PlanGoalsAndCards()
{
    GoalsAndCardsPlan plan;
    plan.goalsHeight = std::max(goalsBox_.Height(), TextHeight(*l_gols));
    plan.cardsTop = cardsBox_[0].Top + plan.goalsHeight - goalsBox_.Height();
    plan.cardsHeight = std::max({0, cardsBox_[0].Bottom - plan.cardsTop, TextHeight(*card1), TextHeight(*card2)});
    const int overflow = plan.cardsTop + plan.cardsHeight - panelBox_.Height();
    plan.rise = std::clamp(overflow, 0, LineupSpareRoom());
    plan.panelHeight = panelBox_.Height() + std::max(0, overflow - plan.rise);
    return plan;
}

void TForm67::LayOutLineupsGoalsAndCards(int report)
{
    constexpr int kLineupSizesSmaller = 3;
    const int room = std::max(panelBox_.Height(), ClientHeight());
    GoalsAndCardsPlan plan;
    for (int smaller = 0; smaller <= kLineupSizesSmaller; ++smaller) {
        escalacao1->SetHTMLText(LineupHtml(*escalacao1, report, 0, smaller));
        escalacao2->SetHTMLText(LineupHtml(*escalacao2, report, 1, smaller));
        plan = PlanGoalsAndCards();
        if (plan.panelHeight <= room)
            break;
    }
    TRichLabel* lineups[2] = {escalacao1, escalacao2};
    TRichLabel* cards[2] = {card1, card2};
    for (int side = 0; side < 2; ++side) {
        const TRect& lineup = lineupsBox_[side];
        lineups[side]->SetBounds(lineup.Left, lineup.Top, lineup.Width(), lineup.Height() - plan.rise);
        cards[side]->SetBounds(cardsBox_[side].Left, plan.cardsTop - plan.rise, cardsBox_[side].Width(), plan.cardsHeight);
    }
    l_gols->SetBounds(goalsBox_.Left, goalsBox_.Top - plan.rise, goalsBox_.Width(), plan.goalsHeight);
    // In the middle of the window, as it was placed; a grown panel keeps its top inside it.
    int panelTop = (ClientHeight() - plan.panelHeight) / 2;
    if (plan.panelHeight > panelBox_.Height())
        panelTop = std::max(0, panelTop);
    if (Panel1)
        Panel1->SetBounds(panelBox_.Left, panelTop, panelBox_.Width(), plan.panelHeight);
}

void TForm67::Continue()
{
    if (continued_)
        return;
    continued_ = true;
    Timer1->SetEnabled(false);
    const CalendarExit exit = ContinueFromResults();
    Close();
    OpenAfterCalendar(exit);
}

// The tables after the day: the standings, or the national-team tournament's table.
void TForm67::bt2Click(TObject*)
{
    THourglass busy;
    if (TGameForm* standings = CreateScreen(Game.DayKind < 7 ? "TForm36" : "TForm78", Application))
        standings->ShowModal();
    bt2->SetColorScheme(csNeoSilver);
}

void TForm67::bt3Click(TObject*) { Continue(); }

void TForm67::FormKeyDown(TObject*, unsigned short& key, TShiftState)
{
    if (key == VK_RETURN)
        Continue();
}

}  // namespace tarvelon
