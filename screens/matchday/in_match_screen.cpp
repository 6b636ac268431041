// The in-match management screen (TForm88).
#include "screens/matchday/in_match_screen.h"

#include <algorithm>

#include "controls/dc_smooth_message_dialog.h"
#include "controls/dc_combo.h"
#include "controls/dc_glow_button.h"
#include "core/basics/literal_text.h"
#include "core/basics/random.h"
#include "core/lineup/lineup_board.h"
#include "core/match/engine_step.h"
#include "core/matchday/matchday_driver.h"
#include "core/match/in_match_changes.h"
#include "core/match/lineup_access.h"
#include "core/match/lineup_ratings.h"
#include "core/match/match_flags.h"
#include "core/records/game_state.h"
#include "core/season/competition_kind.h"
#include "core/seasonloop/season_loop.h"
#include "core/vocab/tactics_board.h"
#include "core/views/in_match_view.h"
#include "core/views/match_report_view.h"
#include "platform/forms/keys.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "richtext/html_label.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/form_references.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"
#include "screens/matchday/matchday_pictures.h"
#include "screens/matchday/matchday_screen.h"
#include "screens/matchday/pitch_board.h"

namespace tarvelon {

namespace {

constexpr int kBenchPlaces = 7;

std::string White(const std::string& text) { return "<FONT color=\"#FFFFFF\"><shad>" + text + "</shad></font>"; }

void ShowPicture(TImage* image, const char* name)
{
    if (image)
        image->Picture().SetGraphic(std::make_unique<TImageGraphic>(art::Picture(name), TImageFormat::Png));
}

std::string CoachLine(int club)
{
    const TClub* c = ClubAt(club);
    if (!c || c->coach < 0 || c->coach >= static_cast<int>(Coaches.size()))
        return "";
    return "Tec: " + CaptionLiteral(Coaches[c->coach].name.str());
}

// The first match of the day, on the side of a human club when one plays it, the live matchday
// opened at its kick-off.
void InMatchSubject()
{
    BeginShownMatchdayOfToday();
    ActiveMatch = 1;
    ReportMode = 1;
}

}  // namespace

const TScreenRecord TForm88::kScreen{
    .formClass = "TForm88",
    .shows = "Gerenciar o time durante a partida",
    .area = TScreenArea::Matchday,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .subject = InMatchSubject,
    .create = NewScreen<TForm88>,
    .file = "screens/matchday/in_match_screen.cpp",
    .replacesGame = true,
};

TForm88::TForm88(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("FormKeyDown",
                [this](TObject* sender, unsigned short& key, TShiftState shift) { FormKeyDown(sender, key, shift); });
    BindHandler("nometime1Click", [this](TObject* sender) { nometime1Click(sender); });
    BindHandler("nometime2Click", [this](TObject* sender) { nometime2Click(sender); });
    BindHandler("RichLabel1Click", [this](TObject* sender) { RichLabel1Click(sender); });
    BindHandler("comboejChange", [this](TObject* sender) { comboejChange(sender); });
    BindHandler("combomarcChange", [this](TObject* sender) { combomarcChange(sender); });
    BindHandler("combo_cataqChange", [this](TObject* sender) { combo_cataqChange(sender); });
    BindHandler("Image1DragOver", [this](TObject*, TObject* source, int, int, TDragState, bool& accept) {
        const int place = pitch_ ? PlaceOfShirt(pitch_->ShirtOf(source)) : 0;
        accept = SideIsManaged() && place >= 1 && place <= 10;
    });
    BindHandler("Image1DragDrop", [this](TObject*, TObject* source, int x, int y) { PitchDrop(source, x, y); });
    BindHandler("bt_irprojogoClick", [this](TObject* sender) { bt_irprojogoClick(sender); });
    ReadDescription();
    bck1 = FindChild<TShape>("bck1");
    bck2 = FindChild<TShape>("bck2");
    sh1 = FindChild<TShape>("sh1");
    sh2 = FindChild<TShape>("sh2");
    esc1 = FindChild<TImage>("esc1");
    esc2 = FindChild<TImage>("esc2");
    nometime1 = FindChild<TLabel>("nometime1");
    nometime2 = FindChild<TLabel>("nometime2");
    lbtec1 = FindChild<TLabel>("lbtec1");
    lbtec2 = FindChild<TLabel>("lbtec2");
    lbplacar = FindChild<TLabel>("lbplacar");
    lbtempo = FindChild<TLabel>("lbtempo");
    lb_estadio = FindChild<TLabel>("lb_estadio");
    lb_pub = FindChild<TLabel>("lb_pub");
    lb_renda = FindChild<TLabel>("lb_renda");
    lb_jogo1 = FindChild<TLabel>("lb_jogo1");
    dlg_info1 = FindChild<TDcSmoothMessageDialog>("dlg_info1");
    info1 = FindChild<TRichLabel>("info1");
    Panel1 = FindChild<TWinControl>("Panel1");
    Image1 = FindChild<TImage>("Image1");
    Image3 = FindChild<TImage>("Image3");
    comboej = FindChild<TDcComboBox>("comboej");
    combomarc = FindChild<TDcComboBox>("combomarc");
    combo_cataq = FindChild<TDcComboBox>("combo_cataq");
    lb_tat1 = FindChild<TRichLabel>("lb_tat1");
    lb_tat2 = FindChild<TRichLabel>("lb_tat2");
    lb_tat3 = FindChild<TRichLabel>("lb_tat3");
    RichLabel1 = FindChild<TRichLabel>("RichLabel1");
    events = FindChild<TRichLabel>("events");
    dlg_st = FindChild<TDcSmoothMessageDialog>("dlg_st");
    bt_irprojogo = FindChild<TDcGlowButton>("bt_irprojogo");
}

TForm88::~TForm88() = default;

bool TForm88::SideIsManaged() const
{
    const TClub* club = ClubAt(Club());
    return club && club->IsHuman;
}

int TForm88::Club() const { return SideClub(side_); }

// A row of the matchday below the day's last match holds no match: its record is all zeros, and
// club 0 and line-up 0 in it would name the first club against itself and let its coach change a
// line-up that plays elsewhere. Such a match shows no club and no player.
bool TForm88::MatchHoldsClubs() const { return ActiveMatch >= 1 && ActiveMatch <= MatchCount; }

int TForm88::SideClub(int side) const
{
    return MatchHoldsClubs() && (side == 1 || side == 2) ? Matches[ActiveMatch].club[side - 1] : -1;
}

int TForm88::SideLineup(int side) const
{
    return MatchHoldsClubs() && (side == 1 || side == 2) ? Matches[ActiveMatch].lineup[side - 1] : -1;
}

void TForm88::FormCreate(TObject*)
{
    for (TDcSmoothMessageDialog* dialog : {dlg_info1, dlg_st})
        if (dialog->ButtonCount() == 0)
            dialog->AddButton("Ok", mrOk);
    if (ActiveMatch < 1 || ActiveMatch >= static_cast<int>(Matches.size()))
        return;
    icons_ = NewEventIconContainer(this);
    for (TRichLabel* label : {info1, lb_tat1, lb_tat2, lb_tat3, RichLabel1, events})
        label->SetTransparent(true);
    events->SetPictureContainer(icons_);
    RichLabel1->SetHTMLText("<FONT color=\"#FFFFFF\"><u>Estatísticas</u></font>");
    CreateBoard();
    ShowHeader();
    ShowSide(ReportMode == 2 ? 2 : 1);
    ShowMatchEvents();
}

void TForm88::ShowHeader()
{
    const jogos& match = Matches[ActiveMatch];
    const auto name = [](int club) { const TClub* c = ClubAt(club); return c ? CaptionLiteral(c->name.str()) : std::string(); };
    nometime1->SetCaption(name(SideClub(1)));
    nometime2->SetCaption(name(SideClub(2)));
    lbtec1->SetCaption(CoachLine(SideClub(1)));
    lbtec2->SetCaption(CoachLine(SideClub(2)));
    ShowClubCrest(esc1, SideClub(1), false);
    ShowClubCrest(esc2, SideClub(2), false);
    lbplacar->SetCaption(std::to_string(match.goals[0]) + " x " + std::to_string(match.goals[1]));
    lbtempo->SetCaption(TimeText());
    if (ActiveMatch < static_cast<int>(MatchVenues.size()))
        lb_estadio->SetCaption(CaptionLiteral(MatchVenues[ActiveMatch]));
    if (Game.DayKind < kKindWorldCup && Game.DayKind != kKindClubWorldCup) {
        const CrowdTexts crowd = CrowdTextsOf(match.attendance, {match.sectorAttendance[0], match.sectorAttendance[1],
                                                                 match.sectorAttendance[2], match.sectorAttendance[3]},
                                              match.gate);
        lb_pub->SetCaption(crowd.attendance);
        lb_pub->SetHint(crowd.sectors);
        lb_renda->SetCaption(crowd.gate);
    }
    if (lb_jogo1) {
        // Both clubs are named whole; a line wider than the label is written smaller, since cut at
        // the label's edge the second club could not be read.
        const int height = -lb_jogo1->Font().Height();
        lb_jogo1->SetCaption(CaptionLiteral(FirstLegText(FixtureOfMatch(ActiveMatch))));
        FitCaption(*lb_jogo1, lb_jogo1->Width(), height, height * 3 / 4);
    }
}

void TForm88::CreateBoard()
{
    if (!Panel1)
        return;
    ShowPicture(Image1, "campogrande");
    ShowPicture(Image3, "campoalpha");
    pitch_ = std::make_unique<TPitchBoard>(Panel1, false);
    pitch_->MarkOnlyTheLetterOutOfPosition();
    ScatterShirts();
    TBoardDragging dragging;
    dragging.energyStartsDrags = false;  // a shirt or its number is picked up, not its energy
    // The opponent's shirts can be picked up, but nothing takes them.
    dragging.accepting = [this] { return SideIsManaged(); };
    dragging.started = [this](int shirt) {
        const int place = PlaceOfShirt(shirt);
        if (Image3 && place >= 1 && place <= 10)
            Image3->Show();
    };
    dragging.ended = [this] {
        if (Image3)
            Image3->Hide();
    };
    dragging.dropped = [this](int shirt, TObject* source) {
        if (pitch_)
            PlaceDrop(PlaceOfShirt(shirt), PlaceOfShirt(pitch_->ShirtOf(source)));
    };
    pitch_->EnableDragging(std::move(dragging));
}

// Until a side is laid out each place's shirt stands at a random spot near the pitch's corner
// (a place left empty keeps it, hidden).
void TForm88::ScatterShirts()
{
    for (int place = 1; place <= TPitchBoard::kShirts; ++place) {
        TImage* shirt = pitch_->Shirt(ShirtOfPlace(place));
        const int left = Random(100);
        const int top = Random(100);
        shirt->SetBounds(left, top, shirt->Width(), shirt->Height());
    }
}

void TForm88::ShowSide(int side)
{
    side_ = side;
    ReportMode = side;
    sh1->SetVisible(side == 1);
    sh2->SetVisible(side == 2);
    PointAtTheOtherSide(side, {nometime1, bck1, esc1}, {nometime2, bck2, esc2});
    const int club = Club();
    const TLineup* L = LineupAt(SideLineup(side));
    for (int place = 1; place <= kStarterShirts + kBenchPlaces && pitch_; ++place) {
        const bool starter = place <= kStarterShirts;
        const int player = !L ? 0 : starter ? L->starters[place - 1] : L->bench[place - kStarterShirts - 1];
        const TPlayer* p = PlayerAt(player);
        // A starter sent off or replaced leaves the pitch; a substitute who came on leaves the bench.
        const bool shown = p && PlayerOnPitch(*p) == starter;
        ShowPlace(place, shown ? player : 0, starter && L ? L->pitchSlots[place - 1] : 0);
    }
    const bool managed = SideIsManaged();
    for (TControl* control : {static_cast<TControl*>(comboej), static_cast<TControl*>(combomarc),
                              static_cast<TControl*>(combo_cataq)})
        control->SetVisible(managed);
    for (TControl* control : {static_cast<TControl*>(lb_tat1), static_cast<TControl*>(lb_tat2), static_cast<TControl*>(lb_tat3)})
        control->SetVisible(!managed);
    if (const TClub* c = ClubAt(club)) {
        if (managed) {
            comboej->SetItemIndex(c->PlayingStyle);
            combomarc->SetItemIndex(c->Pressing);
            combo_cataq->SetItemIndex(c->AttackFocus);
        } else {
            lb_tat1->SetHTMLText(White(TacticNames[static_cast<std::size_t>(std::clamp(c->PlayingStyle, 0, 2))]));
            lb_tat2->SetHTMLText(White(TacticNames[static_cast<std::size_t>(3 + std::clamp(c->AttackFocus, 0, 1))]));
            lb_tat3->SetHTMLText(White(TacticNames[static_cast<std::size_t>(6 + std::clamp(c->Pressing, 0, 2))]));
        }
        info1->SetHTMLText(White("<b>" + MarkupLiteral(c->name.str()) + " " + FormatFormation(SideLineup(side)) + "</b>"));
    }
}

// The half and the minute within it as the matchday's clock shows them ("I" during the break);
// without a running matchday, those of the match's own tick.
std::string TForm88::TimeText() const
{
    const TForm46* day = Form46.As<TForm46>();
    if (day && day->HalfTimeBreak())
        return "I";
    const int tick = Matches[ActiveMatch].tick;
    const int minute = day ? day->MinuteOfHalf() : MatchMinuteOfTick(tick);
    const int half = day ? day->MatchHalf() : tick > 92 ? 2 : 1;
    return std::to_string(minute) + "' " + (half == 2 ? "2º" : "1º");
}

// One place of the board: its player's shirt and labels, or nothing when the place holds nobody
// on the pitch (starters) or nobody still to come on (bench).
void TForm88::ShowPlace(int place, int player, int pitchSlot)
{
    const int shirt = ShirtOfPlace(place);
    pitch_->NumberLabel(shirt)->SetVisible(player > 0);
    pitch_->EnergyLabel(shirt)->SetVisible(player > 0);
    if (player <= 0) {
        pitch_->ClearShirt(shirt);
        pitch_->SetShirtVisible(shirt, false);
        return;
    }
    pitch_->PlaceShirt(shirt, place <= kStarterShirts ? pitchSlot : 0);
    pitch_->ShowShirtPlayer(shirt, player, pitchSlot);
    pitch_->SetShirtVisible(shirt, true);
    pitch_->Shirt(shirt)->SetHint(InMatchShirtHint(player, place > kStarterShirts));
    pitch_->Shirt(shirt)->SetShowHint(true);
}

void TForm88::ShowMatchEvents() { events->SetHTMLText(LiveMatchEventsHtml(ActiveMatch)); }

void TForm88::ShowStats()
{
    const jogos& m = Matches[ActiveMatch];
    const int home = ShownPossessionShare(ActiveMatch);
    const auto line = [](const std::string& a, const std::string& label, const std::string& b) {
        return "<shad>" + a + label + b + "</shad><BR>";
    };
    const auto both = [&line](const std::int32_t (&values)[2], const std::string& label) {
        return line(std::to_string(values[0]), label, std::to_string(values[1]));
    };
    dlg_st->HTMLText().SetText("<FONT color=\"#FFFFFF\">"
                        + line(std::to_string(home) + "%", "<IND x=\"40\">Posse de Bola<IND x=\"150\">", std::to_string(100 - home) + "%")
                        + both(m.shots, "<IND x=\"45\">Finalizações<IND x=\"150\">")
                        + both(m.ballsWon, "<IND x=\"40\">Roubadas bola<IND x=\"150\">")
                        + both(m.badPasses, "<IND x=\"40\">Passes errados<IND x=\"150\">")
                        + both(m.fouls, "<IND x=\"40\">Faltas cometidas<IND x=\"150\">") + "</font>");
}

void TForm88::RichLabel1Click(TObject*)
{
    ShowStats();
    dlg_st->Execute();
}

void TForm88::nometime1Click(TObject*)
{
    if (side_ != 1)
        ShowSide(1);
}

void TForm88::nometime2Click(TObject*)
{
    if (side_ != 2)
        ShowSide(2);
}

void TForm88::comboejChange(TObject*)
{
    if (TClub* c = ClubAt(Club()); c && SideIsManaged() && comboej->ItemIndex() >= 0)
        c->PlayingStyle = comboej->ItemIndex();
}

void TForm88::combomarcChange(TObject*)
{
    if (TClub* c = ClubAt(Club()); c && SideIsManaged() && combomarc->ItemIndex() >= 0)
        c->Pressing = combomarc->ItemIndex();
}

void TForm88::combo_cataqChange(TObject*)
{
    if (TClub* c = ClubAt(Club()); c && SideIsManaged() && combo_cataq->ItemIndex() >= 0)
        c->AttackFocus = combo_cataq->ItemIndex();
}

// A shirt dropped on another: two starters swap places, a starter and a substitute make a
// substitution, two substitutes change nothing.
void TForm88::PlaceDrop(int targetPlace, int sourcePlace)
{
    if (!SideIsManaged() || targetPlace <= 0 || sourcePlace <= 0 || targetPlace == sourcePlace)
        return;
    const bool targetStarts = targetPlace <= kStarterShirts;
    const bool sourceStarts = sourcePlace <= kStarterShirts;
    if (targetStarts && sourceStarts) {
        if (SwapStarters(ActiveMatch, side_, sourcePlace, targetPlace))
            ShowSide(side_);
        return;
    }
    if (targetStarts != sourceStarts)
        Substitute(std::min(targetPlace, sourcePlace), std::max(targetPlace, sourcePlace) - kStarterShirts);
}

void TForm88::Substitute(int starterPlace, int benchPlace)
{
    int event = -1;
    const SubstitutionResult result =
        MakeSubstitution(ActiveMatch, side_, starterPlace, benchPlace, SubstitutionMinute(), &event);
    if (result == SubstitutionResult::LimitReached) {
        dlg_info1->Execute();
        return;
    }
    if (result != SubstitutionResult::Made)
        return;
    if (TForm46* day = Form46.As<TForm46>(); day && event >= 0)
        day->ShowMatchEvent(event);
    ShowSide(side_);
    ShowMatchEvents();
}

// The minute a substitution is kept with: 0 in the first half, 45 in the second, plus the minute
// of the half the matchday's clock shows.
int TForm88::SubstitutionMinute() const
{
    const TForm46* day = Form46.As<TForm46>();
    if (day == nullptr)
        return 0;
    return (day->MatchHalf() == 2 ? 45 : 0) + day->MinuteOfHalf();
}

// An outfield starter dropped on the pitch plays at the place under the drop point from now on.
void TForm88::PitchDrop(TObject* source, int x, int y)
{
    if (!pitch_ || !SideIsManaged())
        return;
    const int place = PlaceOfShirt(pitch_->ShirtOf(source));
    const int slot = PitchSlotAt(pitch_->DesignX(x), pitch_->DesignY(y));
    if (place >= 1 && place <= 10 && slot > 0 && MoveStarterToSlot(ActiveMatch, side_, place, slot))
        ShowSide(side_);
}

void TForm88::FormKeyDown(TObject*, unsigned short& key, TShiftState)
{
    if (key == VK_RETURN || key == VK_SPACE || key == VK_ESCAPE)
        Close();
}

void TForm88::bt_irprojogoClick(TObject*) { Close(); }

}  // namespace tarvelon
