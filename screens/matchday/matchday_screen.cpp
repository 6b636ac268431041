// The live matchday (TForm46): panels and rows, the match clock and the events shown live.
#include "screens/matchday/matchday_screen.h"

#include "core/basics/literal_text.h"
#include "core/match/engine_step.h"
#include "core/match/match_flags.h"
#include "core/records/match_records.h"
#include "core/records/matchday_globals.h"
#include "core/matchday/matchday_driver.h"
#include "core/matchday_rules/end_of_matchday.h"
#include "core/matchday_rules/matchday_setup.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/records/session_globals.h"
#include "core/progression/day_progression.h"
#include "core/records/game_state.h"
#include "core/season/competition_kind.h"
#include "core/seasonloop/season_loop.h"
#include "core/sound/sound.h"
#include "core/tables.h"
#include "core/views/match_event_view.h"
#include "core/views/matchday_layout.h"
#include "platform/forms/application.h"
#include "platform/forms/keys.h"
#include "platform/forms/timer.h"
#include "platform/graphics/bitmap.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/ranges.h"
#include "screens/common/form_references.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"
#include "screens/matchday/event_label.h"
#include "screens/matchday/matchday_pictures.h"

namespace tarvelon {

namespace {

constexpr TColor kPanelColor = 0x00298000;   // RGB 0, 128, 41
constexpr int kPanelLeft = 32;
constexpr TColor kVenueColor = 0x0000CCCC;   // RGB 204, 204, 0
constexpr TColor kCrowdColor = 0x00C0C0C0;
constexpr int kHalfTimeTick = 92;
constexpr int kRowFontHeight = 11;
constexpr int kSmallestRowFontHeight = 8;
constexpr int kAddedTimeTick = 182;

bool IsClubDay() { return Game.DayKind < kKindWorldCup; }

TLabel* RowLabel(TPanel* panel, const std::string& name, int m, int left, int top, int width, int height)
{
    auto* label = new TLabel(panel);
    label->SetName(name + std::to_string(m));
    label->SetParent(panel);
    label->SetAutoSize(false);
    label->SetBounds(left, top, width, height);
    label->SetLayout(tlCenter);
    label->SetTransparent(true);
    label->SetCaption("");
    label->SetCursor(crHandPoint);
    label->SetTag(m);
    label->Font().SetName("Arial");
    label->Font().SetHeight(-kRowFontHeight);
    label->Font().SetColor(clWhite);
    return label;
}

TImage* RowImage(TPanel* panel, const std::string& name, int m, int left, int top, int width, int height)
{
    auto* image = new TImage(panel);
    image->SetName(name + std::to_string(m));
    image->SetParent(panel);
    image->SetBounds(left, top, width, height);
    image->SetStretch(true);
    image->SetCenter(true);
    image->SetCursor(crHandPoint);
    image->SetTag(m);
    return image;
}

void ShowClubName(TLabel* label, int club)
{
    if (!label || club < 0 || club >= static_cast<int>(Clubs.size()))
        return;
    label->SetCaption(CaptionLiteral(" " + Clubs[club].name.str()));
    label->SetTransparent(false);
    label->SetColor(Clubs[club].BackColor);
    label->Font().SetColor(Clubs[club].TextColor);
}

// The side the in-match screen opens on: 2 when only the away club of the match is human.
int SideOfHumanMatch(int m)
{
    const jogos& match = Matches[m];
    const auto human = [](int club) { return club >= 0 && club < static_cast<int>(Clubs.size()) && Clubs[club].IsHuman; };
    return human(match.club[1]) && !human(match.club[0]) ? 2 : 1;
}

}  // namespace

const TScreenRecord TForm46::kScreen{
    .formClass = "TForm46",
    .shows = "Rodada ao vivo",
    .area = TScreenArea::Matchday,
    .modal = false,
    .style = {.background = TBackground::None, .swallowAltF4 = true, .scaleToScreen = true, .fillsWindow = true},
    .create = NewScreen<TForm46>,
    .file = "screens/matchday/matchday_screen.cpp",
    .replacesGame = true,  // its creation begins the day
};

TForm46::TForm46(TComponent* owner)
    : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("FormClose", [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); });
    BindHandler("FormKeyDown",
                [this](TObject* sender, unsigned short& key, TShiftState shift) { FormKeyDown(sender, key, shift); });
    BindHandler("labeleClick", [this](TObject* sender) { labeleClick(sender); });
    ReadDescription();
    lcamp = FindChild<TLabel>("lcamp");
    Label1 = FindChild<TLabel>("Label1");
    g1 = FindChild<TGauge>("g1");
    labtempo = FindChild<TLabel>("labtempo");
    for (int d = 2; d <= 4; ++d)
        labv[d] = FindChild<TLabel>("labv" + std::to_string(d));
}

void TForm46::FormCreate(TObject*)
{
    ralt1 = new TTimer(this);
    ralt1->SetName("ralt1");
    ralt1->SetEnabled(false);
    ralt1->SetInterval(1000);
    ralt1->OnTimer = [this](TObject*) { MatchdayTick(); };
    if (labtempo)
        labtempo->SetCaption("1º tempo");
    matchTick_ = 0;
    halfTimeBreak_ = 0;
    matchHalf_ = 1;
    shownDivision_ = 2;
    PrepareTodaysMatchday();
    // The day's first league may be one nobody watches: it is played at once, as the next ones are.
    const NextMatchday first = FirstMatchdayOfToday();
    if (PlayMatchdaysNotShown(first) == NextMatchday::PlayShown) {
        if (first != NextMatchday::PlayShown)
            ClearMatchday();
        StartShownMatchday();
    } else {
        // Nothing of the day is shown: the results follow once this screen stands.
        Application->Queue([] {
            if (auto* screen = Form46.As<TForm46>())
                screen->ShowMatchdayResults();
        });
    }
}

void TForm46::FormClose(TObject*, TCloseAction& action)
{
    if (ralt1)
        ralt1->SetEnabled(false);
    action = caFree;
}

// A shown league, state or day of its own: set up by its kind, laid out, and the clock started.
// Before its first tick it stands as the day's first does: the first half, no minute (the last
// league's "Fim de jogo" gone) and an empty clock bar.
void TForm46::StartShownMatchday()
{
    SilentMatchday = false;
    matchHalf_ = 1;
    halfTimeBreak_ = 0;
    labtempo->SetCaption("1º tempo");
    Label1->SetVisible(false);
    g1->SetProgress(0);
    SetupMatchdayOfToday();
    BuildMatchdayPanels();
    FillRows();
    ++daysShown_;
    if (lcamp)
        lcamp->SetCaption(MatchdayHeading);
    StartClock();
}

void TForm46::StartClock()
{
    ralt1->SetInterval(Game.InstantPlay ? 1 : MatchdayTickInterval);
    ralt1->SetEnabled(true);
}

void TForm46::ClearPanels()
{
    for (TLabel* heading : headings_)
        delete heading;
    headings_.clear();
    for (TPanel* panel : panels)
        delete panel;
    panels.clear();
    rows = {};
}

void TForm46::BuildMatchdayPanels()
{
    ClearPanels();
    const MatchdayLayout layout = LayoutOfToday();
    divisionsShareOnePlace_ = layout.divisionsShareOnePlace;
    int top = layout.top;
    int m = 1;
    for (int p = 1; p <= layout.panels; ++p) {
        auto* panel = new TPanel(this);
        panel->SetName("panel" + std::to_string(p));
        panel->SetParent(this);
        panel->SetCaption("");
        panel->SetColor(kPanelColor);
        const int panelTop = layout.divisionsShareOnePlace && p > 2 ? panels[1]->Top() : top;
        panel->SetBounds(kPanelLeft, panelTop, kMatchdayPanelWidth, layout.panelHeight);
        panels.push_back(panel);
        if (layout.headings == MatchdayHeadings::PerPanel) {
            auto* heading = new TLabel(this);
            heading->SetName("labextra" + std::to_string(p));
            heading->SetParent(this);
            heading->SetTransparent(true);
            heading->Font().SetName("Arial");
            heading->Font().SetHeight(-11);
            heading->Font().SetColor(clWhite);
            heading->SetBounds(kPanelLeft, panelTop - 15, 4, 13);
            heading->SetCaption(std::to_string(p) + "ª divisão");
            heading->SetVisible(!(layout.divisionsShareOnePlace && p > 2));
            headings_.push_back(heading);
        }
        for (int r = 1; r <= layout.rows && m <= kMaxMatchdayRows; ++r, ++m)
            CreateRow(panel, m, MatchdayRowTop(layout, r));
        if (!(layout.divisionsShareOnePlace && p >= 2))
            top += layout.panelHeight + layout.gap;
    }
    if (!panels.empty() && (layout.headings == MatchdayHeadings::Groups || layout.headings == MatchdayHeadings::Final)) {
        const std::vector<std::string> names = layout.headings == MatchdayHeadings::Final
                                                   ? std::vector<std::string>{"Final", "Decisão 3º lugar"}
                                                   : layout.groupNames;
        for (int g = 1; g <= static_cast<int>(names.size()); ++g) {
            const int first = layout.headings == MatchdayHeadings::Final ? g : 2 * g - 1;
            if (first > kMaxMatchdayRows || !rows[first].est)
                continue;
            auto* heading = new TLabel(panels[0]);
            heading->SetName("labextra" + std::to_string(g));
            heading->SetParent(panels[0]);
            heading->SetTransparent(true);
            heading->Font().SetName("Arial");
            heading->Font().SetHeight(-11);
            heading->Font().SetStyle(TFontStyles{fsBold});
            heading->Font().SetColor(clWhite);
            heading->SetBounds(15, rows[first].est->Top() - 15, 4, 13);
            heading->SetCaption(names[g - 1]);
            headings_.push_back(heading);
        }
    }
    // Laid out in the design's lengths; on a larger screen they grow as the form has grown.
    if (Scaled()) {
        constexpr int kScaleBase = 1000;
        for (TPanel* panel : panels)
            panel->ChangeScale(ScaledLength(kScaleBase), kScaleBase);
        for (TLabel* heading : headings_)
            if (heading->Parent() == this)
                heading->ChangeScale(ScaledLength(kScaleBase), kScaleBase);
    }
}

void TForm46::CreateRow(TPanel* panel, int m, int top)
{
    TMatchRow& row = rows[m];
    row.est = RowLabel(panel, "est", m, 8, top, 118, 16);
    row.est->Font().SetColor(kVenueColor);
    row.labt1 = RowLabel(panel, "labt1", m, 138, top, 105, 16);
    row.labp1 = RowLabel(panel, "labp1", m, 252, top, 14, 18);
    row.labp1->SetAlignment(taRightJustify);
    row.labx = RowLabel(panel, "labx", m, 274, top, 12, 18);
    row.labx->SetCaption("X");
    row.labp2 = RowLabel(panel, "labp2", m, 290, top, 14, 18);
    row.labt2 = RowLabel(panel, "labt2", m, 314, top, 105, 16);
    for (TLabel* score : {row.labp1, row.labp2}) {
        score->SetCaption("0");
        score->Font().SetStyle(TFontStyles{fsBold});
    }
    row.esc1 = RowImage(panel, "esc1", m, 138 - 18, top, 16, 16);
    row.esc2 = RowImage(panel, "esc2", m, 314 + 108, top, 16, 16);
    row.imgeven = RowImage(panel, "imgeven", m, 445, top, 14, 15);
    row.labeven = RowLabel(panel, "labeven", m, 462, top, 215, 16);
    row.labeven->SetVisible(false);
    row.labeven_n = NewEventLabel(panel, panel, m, 462, top);
    row.labpub = RowLabel(panel, "labpub", m, 680, top, 4, 16);
    row.labpub->SetAutoSize(true);
    row.labpub->Font().SetColor(kCrowdColor);
    for (TLabel* label : {row.est, row.labt1, row.labp1, row.labx, row.labp2, row.labt2, row.labpub})
        label->OnClick = [this](TObject* sender) { MatchRowClick(sender); };
    SetEventLabelClick(row.labeven_n, [this](TObject* sender) { MatchRowClick(sender); });
}

// The rows' names, crests, venues and crowds of the day just set up.
void TForm46::FillRows()
{
    for (int m = 1; m <= MatchCount && m <= kMaxMatchdayRows; ++m) {
        TMatchRow& row = rows[m];
        if (!row.est)
            continue;
        const jogos& match = Matches[m];
        ShowClubName(row.labt1, match.club[0]);
        ShowClubName(row.labt2, match.club[1]);
        if (m < static_cast<int>(MatchVenues.size()))
            row.est->SetCaption(CaptionLiteral(MatchVenues[m]));
        // A club or venue wider than its room is written smaller: cut at the label's edge, the rest
        // of the name could not be read. The venue's room ends at the home crest, which covers the
        // last pixels of its label.
        for (TLabel* label : {row.labt1, row.labt2, row.est}) {
            const int room = label == row.est ? row.esc1->Left() - row.est->Left() : label->Width();
            FitCaption(*label, room, ScaledLength(kRowFontHeight), ScaledLength(kSmallestRowFontHeight));
        }
        if (IsClubDay()) {
            ShowClubCrest(row.esc1, match.club[0], true);
            ShowClubCrest(row.esc2, match.club[1], true);
        }
        if (match.attendance > 0)
            row.labpub->SetCaption(std::to_string(match.attendance));
    }
    PlaceDivisionLinks();
}

namespace {

// The divisions of the league being shown (league days only; 1 on any other day).
int DivisionsOfShownLeague()
{
    if (Game.DayKind != kKindNationalLeague || CurrentLeague < 0 || CurrentLeague >= static_cast<int>(Leagues.size()))
        return 1;
    return Leagues[static_cast<std::size_t>(CurrentLeague)].divisionCount;
}

// The lower division shown first on a league day in divisions of 20: the one human club's own
// division 3 or 4, else the second.
int FirstShownDivision(int divisions)
{
    if (Game.HumanClubCount == 1 && Game.CurrentHumanClub >= 0 && Game.CurrentHumanClub < static_cast<int>(Clubs.size())) {
        const int division = Clubs[Game.CurrentHumanClub].Division;
        if ((division == 3 || division == 4) && division <= divisions)
            return division;
    }
    return 2;
}

}  // namespace

// Each league day lays its divisions out afresh: in divisions of 10 one panel each (the third and
// fourth hidden when the league has fewer), in divisions of 20 one lower division at a time under
// the first, chosen with the links.
void TForm46::PlaceDivisionLinks()
{
    const int divisions = DivisionsOfShownLeague();
    const bool leagueDay = Game.DayKind == kKindNationalLeague && panels.size() == 4;
    if (leagueDay && !divisionsShareOnePlace_)
        for (int p = 3; p <= 4; ++p) {
            panels[static_cast<std::size_t>(p - 1)]->SetVisible(p <= divisions);
            if (headings_.size() >= 4)
                headings_[static_cast<std::size_t>(p - 1)]->SetVisible(p <= divisions);
        }
    const bool links = leagueDay && divisionsShareOnePlace_;
    for (int d = 2; d <= 4; ++d) {
        if (!labv[d])
            continue;
        labv[d]->SetVisible(links && divisions >= 3 && d <= divisions);
        if (panels.size() >= 2) {
            labv[d]->SetTop(panels[1]->Top() - ScaledLength(15));
            labv[d]->SetLeft(panels[1]->Left() + panels[1]->Width() - ScaledLength(110 + 115 * (4 - d)));
        }
    }
    if (!links)
        return;
    ShowDivision(FirstShownDivision(divisions));
    if (divisions < 2) {
        for (std::size_t p = 1; p < 4; ++p) {
            panels[p]->SetVisible(false);
            if (headings_.size() >= 4)
                headings_[p]->SetVisible(false);
        }
    }
}

void TForm46::ShowDivision(int division)
{
    if (!divisionsShareOnePlace_ || panels.size() < 4)
        return;
    shownDivision_ = division >= 2 && division <= DivisionsOfShownLeague() && division <= 4 ? division : 2;
    for (int p = 2; p <= 4; ++p)
        panels[static_cast<std::size_t>(p - 1)]->SetVisible(p == shownDivision_);
    if (headings_.size() >= 2) {
        headings_[1]->SetCaption(std::to_string(shownDivision_) + "ª divisão");
        headings_[1]->SetVisible(true);
    }
    for (int d = 2; d <= 4; ++d) {
        if (!labv[d])
            continue;
        labv[d]->SetCursor(d == shownDivision_ ? crDefault : crHandPoint);
        labv[d]->Font().SetStyle(d == shownDivision_ ? TFontStyles{} : TFontStyles{fsUnderline});
    }
}

// The clock label is wider than the design's "102 x 16 at (432, 6)", to the left of the same right
// edge: at 102 pixels "Desempate por Penaltis" would show only its last half.
void TForm46::ShowShootoutNotice(int milliseconds)
{
    Label1->SetCaption("Desempate por Penaltis");
    Application->ProcessMessages();
    Application->PauseRepaintingOnly(milliseconds);
}

void TForm46::labeleClick(TObject* sender)
{
    const auto* link = dynamic_cast<TComponent*>(sender);
    if (link)
        ShowDivision(static_cast<int>(link->Tag()));
}

void TForm46::ClearEventTexts()
{
    for (TMatchRow& row : rows) {
        if (row.labeven)
            row.labeven->SetCaption("");
        if (row.labeven_n)
            SetEventText(row.labeven_n, std::string());
        if (row.imgeven)
            row.imgeven->Picture().Clear();
    }
}

void TForm46::MatchdayTick()
{
    ralt1->SetEnabled(false);
    if (matchTick_ == 0)
        KeepTodaysKickOffLineups();
    ++matchTick_;
    if (matchTick_ == 1) {
        matchHalf_ = 1;
        labtempo->SetCaption("1º tempo");
        Label1->SetVisible(true);
        Label1->SetCaption("1'");
    }
    Application->ProcessMessages();
    for (int m = 1; m <= MatchCount; ++m) {
        if (!MatchPlaysAtTick(m, matchTick_))
            continue;
        const int event = MatchStep(m);
        if (event >= 0)
            ShowMatchEvent(event);
    }
    if (matchTick_ % 2 == 0 && matchTick_ < kFirstAddedTimeTick) {
        const int minute = MatchMinuteOfTick(matchTick_);
        Label1->SetCaption(std::to_string(minute) + "'");
        g1->SetProgress(minute);
    }
    if (matchTick_ == kHalfTimeTick)
        HalfTime();
    if (matchTick_ == kAddedTimeTick)
        Label1->SetCaption("Acréscimos");
    if (matchTick_ == kLastMatchdayTick) {
        Label1->SetCaption("Fim de Jogo");
        matchTick_ = 0;
        EndOfShownMatchday();
        return;
    }
    ralt1->SetEnabled(true);
}

int TForm46::MinuteOfHalf() const { return g1 ? g1->Progress() : 0; }

void TForm46::HalfTime()
{
    ReportMode = 1;
    halfTimeBreak_ = 1;
    Label1->SetCaption("Intervalo");
    PlaySound("intervalo");
    if (Game.HalfTimeScreen && Game.HumanClubCount > 0)
        for (int i = 1; i <= HumanMatchCount; ++i)
            OpenInMatchScreen(HumanMatches[i], 1);
    ClearEventTexts();
    matchHalf_ = 2;
    labtempo->SetCaption("2º tempo");
    halfTimeBreak_ = 0;
    g1->SetProgress(0);
}

void TForm46::ShowMatchEvent(int e)
{
    if (e < 0 || e >= static_cast<int>(MatchEvents.size()))
        return;
    const TMatchEventEntry event = MatchEvents[e];
    const int m = event.match;
    if (m < 1 || m > MatchCount)
        return;
    const jogos& match = Matches[m];
    const int side = event.club == match.club[0] ? 1 : 2;
    if (!SilentMatchday) {
        const std::string sound = GoalSoundOfEvent(event, match.club[side == 1 ? 1 : 0]);
        if (!sound.empty())
            PlaySound(sound);
    }
    if (m <= kMaxMatchdayRows && rows[m].labp1) {
        TMatchRow& row = rows[m];
        row.labp1->SetCaption(std::to_string(match.goals[0]));
        row.labp2->SetCaption(std::to_string(match.goals[1]));
        SetEventText(row.labeven_n, MatchEventRichText(event, Game.BoldHomeEvents && side == 1));
        row.imgeven->Picture().Clear();
        ShowArtPicture(row.imgeven, ViewOfMatchEvent(event).icon);
    }
    Application->ProcessMessages();
    if (!SilentMatchday && IsHumanSendingOff(event)) {
        PlaySound("expulsao");
        OpenInMatchScreen(m, side);
    }
}

// The in-match management screen, modal, on one side of a match; the clock stays off meanwhile
// and runs again when it returns, unless the half-time screens are open or plays are traced.
// "The clock resumes when that screen closes" holds only when the clock ran before: a row clicked
// while a tick pumps its messages would otherwise start the next tick inside the running one, and
// the day's matches would be stepped, and the day booked, twice.
void TForm46::OpenInMatchScreen(int match, int side)
{
    const TScreenRecord* entry = FindScreen("TForm88");
    if (!entry || match < 1 || match > kMaxMatchdayRows || match >= static_cast<int>(Matches.size()))
        return;
    const bool running = ralt1->Enabled();
    ralt1->SetEnabled(false);
    ActiveMatch = match;
    ReportMode = side;
    if (TGameForm* form = CreateScreen(*entry, this))
        form->ShowModal();
    if (running && halfTimeBreak_ == 0 && !DebugTrace)
        ralt1->SetEnabled(true);
}

// Any row, also one below the day's last match: the in-match screen shows that row's match.
void TForm46::MatchRowClick(TObject* sender)
{
    const auto* component = dynamic_cast<TComponent*>(sender);
    const int m = component ? static_cast<int>(component->Tag()) : 0;
    if (m >= 1 && m <= kMaxMatchdayRows && m < static_cast<int>(Matches.size()))
        OpenInMatchScreen(m, SideOfHumanMatch(m));
}

void TForm46::FormKeyDown(TObject*, unsigned short& key, TShiftState)
{
    if ((key == VK_RETURN || key == VK_SPACE) && HumanMatchCount > 0 && HumanMatches[1] != 0)
        OpenInMatchScreen(HumanMatches[1], SideOfHumanMatch(HumanMatches[1]));
    switch (key) {
    case VK_F1: Game.TickIntervalHuman = 4000; break;
    case VK_F2: Game.TickIntervalHuman = 2500; break;
    case VK_F3: Game.TickIntervalHuman = 800; break;
    case VK_F4: Game.TickIntervalHuman = 600; break;
    case VK_F5: Game.TickIntervalHuman = 100; break;
    default: break;
    }
    // Any key at all sets the clock to the human speed, also on a day without a human match.
    ralt1->SetInterval(Game.TickIntervalHuman);
}

// After the last tick: the day booked, then every further league or state of the day, shown here
// again or played at once, until the results.
void TForm46::EndOfShownMatchday()
{
    // The clock's last word is the day's end, written as the day is booked.
    Label1->SetCaption("Fim de jogo");
    PlaySound("fimjogo");
    EndShownMatchday();
    if (PlayMatchdaysNotShown(ProgressAfterMatchday()) == NextMatchday::PlayShown) {
        ClearMatchday();
        StartShownMatchday();
        return;
    }
    ShowMatchdayResults();
}

void TForm46::ShowMatchdayResults()
{
    CloseTablesForResults();
    Close();
    OpenScreen("TForm67");
}

}  // namespace tarvelon
