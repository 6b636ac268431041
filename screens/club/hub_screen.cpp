// The hub between matchdays (TForm13).
#include "screens/club/hub_screen.h"

#include <algorithm>
#include <span>
#include <vector>

#include "controls/dc_glow_button.h"
#include "controls/dc_smooth_label.h"
#include "controls/dc_smooth_progress_bar.h"
#include "controls/gradient.h"
#include "core/basics/datetime.h"
#include "core/basics/literal_text.h"
#include "core/format/images.h"
#include "core/format/money_format.h"
#include "core/format/screen_size.h"
#include "core/mail/inbox.h"
#include "core/lineup/hub_turns.h"
#include "core/progression/post_round.h"
#include "core/match/lineup_access.h"
#include "core/records/match_records.h"
#include "core/match/computer_lineups.h"
#include "core/records/session_globals.h"
#include "core/persist/saved_game.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/seasonloop/season_loop.h"
#include "core/vocab/tactics_board.h"
#include "core/views/hub_views.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/forms/keys.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/menus.h"
#include "richtext/html_label.h"
#include "screens/club/hub_card.h"
#include "screens/club/hub_refresh.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/art/cursor_art.h"
#include "screens/common/art/hub_art.h"
#include "screens/common/art/squad_icons.h"
#include "screens/common/form_references.h"
#include "screens/common/game_page.h"
#include "screens/common/grid_helpers.h"
#include "screens/common/navigator.h"
#include "screens/common/queued_call.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/start/title_screen.h"
#include "screens/matchday/lineup_screen.h"

namespace tarvelon {

bool PostRoundPending = false;

namespace {

// What each spot of the top bar opens (the menus behind some spots open their first screen).
const char* const kBarScreens[art::kHubBarSpotCount] = {"TForm32", "TForm18", "TForm22", "TForm36", "TForm8", "TForm14",
                                                       "TForm27", "TForm47", "TForm29", "TForm20", "TForm71"};

TClub* CurrentClub() { return ClubAt(Game.CurrentHumanClub); }

void ShowPictureFile(TImage* image, const std::string& path)
{
    if (image == nullptr)
        return;
    if (path.empty() || !image->Picture().LoadFromFile(path))
        image->Picture().Clear();
}

void ShowPicture(TImage* image, const QImage& picture)
{
    if (image != nullptr && !picture.isNull())
        image->Picture().SetGraphic(std::make_unique<TImageGraphic>(picture, TImageFormat::Png));
}

// On a larger screen the form grows with its grid; the traits, name, goals and energy columns then
// ask for these widths (pixels of the design, at the form's scale), the traits and names first:
// theirs is the text that a tight column cuts short, and the traits' column is the tighter.
std::span<const TColumnWidth> RosterColumnsForScreen()
{
    static constexpr TColumnWidth kAbove1024[] = {{"habilidades", 60}, {"nome", 120}, {"gols", 30}, {"energia", 110}};
    static constexpr TColumnWidth kLarger[] = {{"habilidades", 55}, {"nome", 100}, {"gols", 30}, {"energia", 80}};
    const int width = ScreenWidthOrDesign();
    if (IsNarrowScreen() && width > 1024)
        return kAbove1024;
    if ((IsNarrowScreen() && width > DesignScreenWidth) || IsWideScreen())
        return kLarger;
    return {};
}

std::string Num(int value) { return std::to_string(value); }

int Byte(TColor c, int shift) { return (c >> shift) & 0xFF; }

bool AnyByteBelow(TColor c, int limit)
{
    return Byte(c, 0) < limit || Byte(c, 8) < limit || Byte(c, 16) < limit;
}

TColor ShiftedColor(TColor bg)
{
    // A mean of 127 or less (the bytes' exact mean, 127.33 is above) is a dark background.
    const bool dark = Byte(bg, 0) + Byte(bg, 8) + Byte(bg, 16) <= 3 * 127;
    const int dr = dark ? 35 : -35;
    const int db = dark ? 55 : -65;
    auto clamp = [](int v) { return std::clamp(v, 0, 255); };
    return RGB(clamp(Byte(bg, 0) + dr), clamp(Byte(bg, 8) + dr), clamp(Byte(bg, 16) + db));
}

void SetCellHint(TDataGrid& grid, const char* column, int row, const std::string& hint)
{
    if (TDgCustomColumn* c = grid.ColumnByName(column))
        grid.GetCell(c->Index(), row)->SetHint(hint);
}

}  // namespace

const TScreenRecord TForm13::kScreen{
    .formClass = "TForm13",
    .shows = "Central do clube",
    .area = TScreenArea::Club,
    .modal = false,
    .style = {.swallowAltF4 = true},
    .create = NewScreen<TForm13>,
    .file = "screens/club/hub_screen.cpp",
};

TForm13::TForm13(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandlers();
    ReadDescription();
    FindChildren();
}

void TForm13::BindHandlers()
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormShow", [this](TObject*) { FormShow(); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("FormPaint", [](TObject*) {});
    BindHandler("FormKeyDown", [this](TObject*, unsigned short& key, TShiftState shift) { FormKeyDown(key, shift); });
    BindHandler("Timer1Timer", [this](TObject*) { Timer1Timer(); });
    BindHandler("btjogarClick", [this](TObject*) { btjogarClick(); });
    BindHandler("btvenderClick", [this](TObject*) { SellSelectedPlayer(); });
    BindHandler("btalterasalClick", [this](TObject*) { OpenWithPlayer("TForm24"); });
    BindHandler("btaposentaClick", [this](TObject*) { OpenMenuEntry("Aposentarjogador1"); });
    BindHandler("gridview1SelectCell", [this](TObject*, int, int row) { gridview1SelectCell(row); });
    BindHandler("gridview1CellColoring",
                [this](TObject*, int col, int row, TColor& cell, TColor&, TCellState state) {
                    gridview1CellColoring(col, row, cell, state.Contains(csSelected));
                });
    BindHandler("gridview1CellFormating", [this](TObject*, int col, int row, TColor& text, TFontStyles&,
                                                 TCellState state) {
        gridview1CellFormating(col, row, text, state.Contains(csSelected));
    });
    BindHandler("gridview1HeaderClick", [this](TObject*, int col) { gridview1HeaderClick(col); });
    BindHandler("gridview1DblClick", [this](TObject*) { OpenWithPlayer("TForm16"); });
    BindHandler("Image4Click", [this](TObject*) {
        CareerViewMode = 1;
        OpenWithPlayer("TForm16");
    });
    BindHandler("Image13Click", [this](TObject*) { ShowHeadToHead(opponent_); });
    BindHandler("icon_arbitroClick", [this](TObject*) {
        ShownReferee = static_cast<int>(icon_arbitro->Tag());
        if (ShownReferee > 0)
            OpenFromHub("TForm80");
    });
    BindHandler("lb_tecClick", [](TObject*) {
        const TClub* club = ClubAt(Game.CurrentHumanClub);
        CareerViewMode = 2;
        SelectedRecord = club != nullptr ? club->coach : -1;
        OpenFromHub("TForm47");
    });
    BindHandler("labmoneyClick", [](TObject*) { OpenFromHub("TForm22"); });
    BindHandler("Label23Click", [](TObject*) { OpenGamePage(); });
    BindHandler("label32Click", [](TObject*) { OpenFromHub("TForm62"); });
    BindHandler("lb_conftClick", [](TObject* sender) {
        if (auto* label = dynamic_cast<TComponent*>(sender)) {
            RecordClub = static_cast<int>(label->Tag());
            // Only the league clubs keep a record (a continental cup's guests have none).
            if (RecordClub >= 0 && RecordClub < Game.LeagueClubCount)
                OpenFromHub("TForm55");
        }
    });
    BindHandler("lb_conf3Click", [this](TObject*) {
        HeadToHeadClubs = {Game.CurrentHumanClub, opponent_};
        OpenFromHub("TForm15");
    });
    BindHandler("nova_barraMouseDown", [this](TObject*, TMouseButton, TShiftState, int x, int y) {
        OpenBarSpot(BarSpotAt(x, y));
    });
    BindMenuHandlers();
    BindHandler("nova_barraMouseMove", [this](TObject*, TShiftState, int x, int y) {
        const int spot = BarSpotAt(x, y);
        nova_barra->SetCursor(spot >= 0 ? crHandPoint : crDefault);
        nova_barra->SetHint(spot >= 0 ? art::kHubBarSpots[static_cast<std::size_t>(spot)].hint : "");
    });
}

void TForm13::FindChildren()
{
    nova_barra = FindChild<TImage>("nova_barra");
    Gradient1 = FindChild<TGradient>("Gradient1");
    escudo = FindChild<TImage>("escudo");
    nometime = FindChild<TDcSmoothLabel>("nometime");
    nometime_shad = FindChild<TDcSmoothLabel>("nometime_shad");
    lb_tec = FindChild<TRichLabel>("lb_tec");
    lb_infot = FindChild<TRichLabel>("lb_infot");
    lab_data = FindChild<TRichLabel>("lab_data");
    labmoney = FindChild<TRichLabel>("labmoney");
    label32 = FindChild<TRichLabel>("label32");
    imgmoral = FindChild<TImage>("imgmoral");
    lb_cd = FindChild<TRichLabel>("lb_cd");
    lb_ct = FindChild<TRichLabel>("lb_ct");
    bar1 = FindChild<TDcSmoothProgressBar>("bar1");
    bar2 = FindChild<TDcSmoothProgressBar>("bar2");
    Label12 = FindChild<TLabel>("Label12");
    Label23 = FindChild<TLabel>("Label23");
    Label24 = FindChild<TLabel>("Label24");
    gridview1 = FindChild<TDataGrid>("gridview1");
    lb_total = FindChild<TRichLabel>("lb_total");
    btvender = FindChild<TDcGlowButton>("btvender");
    btalterasal = FindChild<TDcGlowButton>("btalterasal");
    btaposenta = FindChild<TDcGlowButton>("btaposenta");
    Button4 = FindChild<TDcGlowButton>("Button4");
    btjogar = FindChild<TDcGlowButton>("btjogar");
    esc1 = FindChild<TImage>("esc1");
    lb_infonext = FindChild<TRichLabel>("lb_infonext");
    Image13 = FindChild<TImage>("Image13");
    icon_arbitro = FindChild<TImage>("icon_arbitro");
    pinfo_panel = FindChild<TWinControl>("pinfo_panel");
    lb_infojogn = FindChild<TRichLabel>("lb_infojogn");
    lb_infojog = FindChild<TRichLabel>("lb_infojog");
    Image1 = FindChild<TImage>("Image1");
    Image4 = FindChild<TImage>("Image4");
    p_conf = FindChild<TWinControl>("p_conf");
    pimg = FindChild<TImage>("pimg");
    pimg2 = FindChild<TImage>("pimg2");
    lb_conft1 = FindChild<TRichLabel>("lb_conft1");
    lb_conft2 = FindChild<TRichLabel>("lb_conft2");
    lb_conf1 = FindChild<TRichLabel>("lb_conf1");
    lb_conf2 = FindChild<TRichLabel>("lb_conf2");
    lb_conf3 = FindChild<TRichLabel>("lb_conf3");
    lb_conf4 = FindChild<TRichLabel>("lb_conf4");
    Timer1 = FindChild<TTimer>("Timer1");
    ImageList1 = FindChild<TCustomImageList>("ImageList1");
    ImageList2 = FindChild<TCustomImageList>("ImageList2");
    ImageList3 = FindChild<TCustomImageList>("ImageList3");
    ImageList5 = FindChild<TCustomImageList>("ImageList5");
    Image10 = FindChild<TImage>("Image10");
    Image9 = FindChild<TImage>("Image9");
    imgj = FindChild<TImage>("imgj");
    lb_cores = FindChild<TRichLabel>("lb_cores");
    PopupMenu1 = FindChild<TPopupMenu>("PopupMenu1");
}

void TForm13::FormCreate()
{
    PrepareHubStart();
    FitToScreen();
    SetRosterColumnWidths();
    FillImageLists();
    StyleLabels();
    ShowPicture(nova_barra, art::Picture("nova_barra"));
    ShowPicture(Image13, art::Picture("icone_confronto"));
    ShowPicture(icon_arbitro, art::Picture("icone_arbitro"));
    ShowPicture(Image4, art::Picture("icone_carreira"));
    ShowPicture(Image10, art::Picture("paleta"));
    ShowPicture(Image9, art::Picture("moedas"));
    ShowPicture(imgj, art::Picture("carta0"));
    if (lb_cores)
        lb_cores->SetHTMLText("<shad><u>Cores do time</u></shad>");
    // When no human club plays today the hub shows the club it showed last; its play button
    // kicks off.
    ChooseFirstHumanTurn();
    RefreshHub();
    Autosave(true);
    PostRoundPending = true;
    if (Timer1)
        Timer1->SetEnabled(true);
}

void TForm13::SetRosterColumnWidths()
{
    if (gridview1)
        WidenColumnsAtScale(*this, *gridview1, RosterColumnsForScreen());
}

void TForm13::FillImageLists()
{
    if (ImageList1) art::FillMoraleImages(*ImageList1);
    if (ImageList2) art::FillConditionImages(*ImageList2);
    if (ImageList3) art::FillMoodImages(*ImageList3);
    if (ImageList5) art::FillShirtStatusImages(*ImageList5);
    if (!gridview1)
        return;
    auto images = [this](const char* column, TCustomImageList* list) {
        if (auto* c = dynamic_cast<TDgImageColumn*>(gridview1->ColumnByName(column)))
            c->SetImages(list);
    };
    images("status", ImageList5);
    images("condicao", ImageList2);
    images("moral", ImageList1);
}

void TForm13::StyleLabels()
{
    for (TRichLabel* label : {lb_tec, lb_infot, lab_data, labmoney, label32, lb_cd, lb_ct, lb_total, lb_cores, lb_infonext,
                              lb_infojogn, lb_infojog, lb_conft1, lb_conft2, lb_conf1, lb_conf2, lb_conf3, lb_conf4}) {
        if (!label)
            continue;
        label->SetTransparent(true);
        label->SetShadowColor(clBlack);
        label->SetShadowOffset(1);
    }
    Screen->SetCursors(kHubLinkCursor, art::LoadCursorResource("cursor5"));
    for (TRichLabel* link : {lb_conf3, lb_conft1, lb_conft2, lb_tec, lb_cores, label32, labmoney})
        if (link)
            link->SetCursor(kHubLinkCursor);
    for (TImage* link : {Image13, icon_arbitro, Image4})
        if (link)
            link->SetCursor(crHandPoint);
    if (lb_cd) lb_cd->SetHTMLText(Shadowed("Diretoria"));
    if (lb_ct) lb_ct->SetHTMLText(Shadowed("Torcida"));
}

void TForm13::FormShow()
{
    if (nometime) {
        nometime->Hide();
        nometime->Show();
    }
}

void TForm13::RefreshHub()
{
    TClub* club = CurrentClub();
    if (club == nullptr)
        return;
    Game.CurrentHumanCoach = club->coach;
    moodShownByRound_ = !SeasonStartPending;
    // The club's updates come before the squad is listed, so the rows and the first player's card
    // show the new contracts.
    PrepareClubForHub(Game.CurrentHumanClub);
    // Each coach's turn begins with the news line's own words, as the hub's creation gives them to
    // the first coach. Kept from turn to turn, the line would show the next coach what the coach
    // before left there (his count, or "Sem novas notícias" after his inbox): two clubs with nothing
    // unread would read differently.
    if (label32)
        label32->SetHTMLText(UnreadNewsText(0));
    RefreshRosterGrid();
    RefreshHubHeader();
    ShowNextMatch();
    ShowReferee();
}

void TForm13::ShowClubChanges()
{
    CountAvailablePlayers(0, Game.CurrentHumanClub);
    RefreshRosterGrid();
    RefreshHubHeader();
}

void TForm13::ShowWhatTheGameHolds()
{
    if (CurrentClub() == nullptr)
        return;
    CountAvailablePlayers(0, Game.CurrentHumanClub);
    std::vector<int> squad = SquadInListOrder(Game.CurrentHumanClub);
    std::vector<int> listed;
    for (int row = 0; gridview1 && row < gridview1->RowCount(); ++row)
        listed.push_back(std::atoi(gridview1->GetCellTextByName("id", row).c_str()));
    std::vector<int> shown = listed;
    std::sort(squad.begin(), squad.end());
    std::sort(shown.begin(), shown.end());
    if (squad != shown) {
        RefreshRosterGrid();
    } else if (gridview1) {
        gridview1->BeginUpdate();
        for (std::size_t row = 0; row < listed.size(); ++row)
            SetRosterRow(static_cast<int>(row), listed[row]);
        gridview1->EndUpdate();
        if (const int player = SelectedPlayer(); player > 0 && pinfo_panel && pinfo_panel->Visible())
            ShowPlayerCard(player);
    }
    RefreshHubHeader();
    ShowNextMatch();
}

void TForm13::RefreshHubHeader()
{
    TClub* club = CurrentClub();
    if (club == nullptr)
        return;
    const TColor bg = club->BackColor;
    const TColor fg = club->TextColor;
    if (auto* energy = dynamic_cast<TDgProgressColumn*>(gridview1 ? gridview1->ColumnByName("energia") : nullptr)) {
        const TColor bar = AnyByteBelow(bg, 231) ? bg : fg;
        energy->SetProgressColor(bar);
        energy->SetHighValueColor(bar);
    }
    const int shadow = AnyByteBelow(fg, 80) && Byte(fg, 0) < 80 && Byte(fg, 8) < 80 && Byte(fg, 16) < 80 ? 0 : 1;
    for (TRichLabel* label : {lb_infojog, lb_tec, lb_infot, lb_cd, lb_ct, lb_infojogn, lb_infonext, lb_conf1, lb_conf2,
                              lb_conf3, lb_conf4, lb_conft1, lb_conft2})
        if (label)
            label->SetShadowOffset(shadow);
    if (btjogar) {  // the play button's border, under the mouse and pressed, in the club's colour
        btjogar->Appearance().SetBorderColorHot(bg);
        btjogar->Appearance().SetBorderColorDown(bg);
    }
    for (TDcSmoothProgressBar* bar : {bar1, bar2}) {
        if (!bar) continue;
        bar->Appearance().ProgressFill().SetColor(bg);
        bar->Appearance().ProgressFill().SetColorTo(bg);
        bar->Appearance().ProgressFont().SetColor(fg);
    }
    const std::string name = club->name.str();
    if (nometime) {
        nometime->Caption().SetText(name);
        nometime->Caption().Font().SetName("Arial Black");
        nometime->Caption().Font().SetSize(20);
        nometime->Caption().SetColorStart(bg);
        nometime->Caption().SetColorEnd(fg);
    }
    if (nometime_shad) {
        nometime_shad->Caption().SetText(name);
        nometime_shad->Caption().Font().SetName("Arial Black");
        nometime_shad->Caption().Font().SetSize(20);
        nometime_shad->Caption().SetColorStart(clBlack);
        nometime_shad->Caption().SetColorEnd(clBlack);
    }
    if (bar1) bar1->SetPosition(std::max(0, club->boardConfidence));
    if (bar2) bar2->SetPosition(std::max(0, club->SupportersMood));
    Font().SetColor(fg);
    // The date, the cash and "Próximo jogo" are given no colour of their own; they take the club's
    // text colour with the header's other lines, the one colour that reads on every club's background
    // (a fixed white vanished on a white one).
    for (TRichLabel* label : {lb_infonext, lb_infojog, lb_infojogn, lb_cd, lb_ct, lb_tec, lb_infot, lb_conf1, lb_conf2,
                              lb_conf3, lb_conf4, lb_conft1, lb_conft2, label32, lb_total, lb_cores, lab_data, labmoney})
        if (label)
            label->Font().SetColor(fg);
    for (TLabel* label : {Label12, Label23, Label24})
        if (label)
            label->Font().SetColor(fg);
    SetColor(bg);
    FrameHubCard(pinfo_panel, bg);
    if (Gradient1) {
        Gradient1->SetColorBegin(bg);
        Gradient1->SetColorEnd(ShiftedColor(bg));
    }
    if (gridview1) {
        // The selected row in the club's colours, its text in the other one.
        const bool whiteText = fg == clWhite;
        gridview1->SetSelectionColor(whiteText ? bg : fg);
        gridview1->SetHighlightedTextColor(whiteText ? fg : bg);
    }
    const int coach = club->coach;
    const std::string coachName =
        coach >= 0 && coach < static_cast<int>(Coaches.size()) ? Coaches[static_cast<std::size_t>(coach)].name.str() : "";
    if (lb_tec) lb_tec->SetHTMLText("<shad><b>Téc:</b><u>" + MarkupLiteral(coachName) + "</u></shad>");
    if (lab_data) lab_data->SetHTMLText(Shadowed(DateToStr(TodayDate())));
    if (lb_infot) lb_infot->SetHTMLText(Shadowed(DivisionText(Game.CurrentHumanClub)));
    ShowCash();
    ShowPictureFile(escudo, CrestPath(Game.CurrentHumanClub));
    if (imgmoral && ImageList1 && ImageList3 && club->squadMood >= 1 && club->squadMood <= 3) {
        static constexpr const char* kMoodHints[] = {"Moral do time: Ruim", "Moral do time: Boa",
                                                     "Moral do time: Excelente"};
        // The round's mood update shows the small face (image m + 7 of ImageList1) and names the mood;
        // while the season's start skips it the large face of ImageList3 stays, with the form's hint.
        // "imgmoral shows image (squad mood - 1) of ImageList3" is done only as the hub is made; each
        // coach's turn at the season's start shows his own club's face here, where the first coach's
        // club's would stay on (another club's mood for every later coach).
        if (moodShownByRound_) {
            ShowPicture(imgmoral, ImageList1->Image(club->squadMood + 7));
            imgmoral->SetHint(kMoodHints[club->squadMood - 1]);
        } else {
            ShowPicture(imgmoral, ImageList3->Image(club->squadMood - 1));
        }
        imgmoral->SetShowHint(true);
    }
    ShowUnreadNews(*this);
}

void TForm13::ShowCash()
{
    const TClub* club = CurrentClub();
    if (club != nullptr && labmoney)
        labmoney->SetHTMLText(Shadowed(FormatMoneyWords64(CurrencyUnits(club->cash))));
}

void TForm13::ShowSelectedRowPrice(int player)
{
    if (gridview1 == nullptr || gridview1->SelectedRow() < 0)
        return;
    SetRosterMoneyCells(gridview1->SelectedRow(), RosterRowOf(player));
    gridview1->Invalidate();
}

void TForm13::ShowNextMatch()
{
    const NextMatchView next = NextMatchOf(Game.CurrentHumanClub);
    opponent_ = next.opponent;
    if (lb_infonext) {
        lb_infonext->SetTag(next.opponent);
        lb_infonext->SetHTMLText(next.html);
        lb_infonext->SetCursor(next.handCursor ? crHandPoint : crDefault);
    }
    FillHeadToHead(next.opponent);
    ShowPictureFile(esc1, next.opponent >= 0 ? CrestPath(next.opponent) : "");
    ShowPictureFile(pimg, CrestPath(Game.CurrentHumanClub));
    ShowPictureFile(pimg2, next.opponent >= 0 ? CrestPath(next.opponent) : "");
}

void TForm13::ShowReferee()
{
    if (icon_arbitro == nullptr)
        return;
    // The referee the match will have, not only one of the day's pool.
    const int referee = RefereeOfClubsMatchToday(Game.CurrentHumanClub, CurrentHumanTurn);
    if (referee <= 0 || referee > kRefereeCount)
        return;
    icon_arbitro->SetHint("Árbitro: " + RefereeName(referee));
    icon_arbitro->SetTag(referee);
}

void TForm13::ShowHeadToHead(int opponent)
{
    if (!p_conf)
        return;
    FillHeadToHead(opponent);
    if (pinfo_panel) pinfo_panel->Hide();
    p_conf->Show();
    p_conf->BringToFront();
}

// The record against the opponent of the coach being served; written at every refresh, so a panel
// left open by the coach before shows the new coach's clubs. On a day without a match (opponent -1)
// the panel shows the club alone.
void TForm13::FillHeadToHead(int opponent)
{
    if (!p_conf)
        return;
    const HeadToHeadView view = HeadToHeadOf(Game.CurrentHumanClub, opponent);
    lb_conft1->SetHTMLText(view.ownTitle);
    lb_conft1->SetTag(Game.CurrentHumanClub);
    lb_conft2->SetHTMLText(view.opponentTitle);
    lb_conft2->SetTag(opponent);
    lb_conf3->SetTag(opponent);
    lb_conf1->SetHTMLText(view.summary);
    lb_conf2->SetHTMLText(view.lines);
    lb_conf3->SetHTMLText(view.lastGame);
    lb_conf4->SetHTMLText(view.seasons);
}

void TForm13::RefreshRosterGrid()
{
    if (!gridview1)
        return;
    gridview1->BeginUpdate();
    gridview1->ClearRows();
    for (int player : SquadInListOrder(Game.CurrentHumanClub))
        FillRosterRow(player);
    gridview1->EndUpdate();
    if (lb_total)
        lb_total->SetHTMLText(Shadowed(Num(gridview1->RowCount()) + " jogadores"));
    if (gridview1->RowCount() > 0)
        gridview1->SetSelectedRow(0);
}

void TForm13::FillRosterRow(int player)
{
    gridview1->AddRow();
    SetRosterRow(gridview1->RowCount() - 1, player);
}

void TForm13::SetRosterRow(int row, int player)
{
    const RosterRowView view = RosterRowOf(player);
    const TPlayer* p = PlayerAt(player);
    auto set = [this, row](const char* column, const std::string& text) { gridview1->SetCellTextByName(column, row, text); };
    set("id", Num(player));
    set("colstatus", view.colstatus);
    set("posicaojog", view.position);
    set("nome", view.name);
    set("funcaojog", view.side);
    set("forca", Num(view.strength));
    set("energia", Num(view.energy));
    SetRosterMoneyCells(row, view);
    set("gols", Num(view.goals));
    set("habilidades", view.traits);
    SetCellHint(*gridview1, "habilidades", row, view.traitsHint);
    set("idade", Num(view.age));
    set("moral", Num(view.moraleImage));
    set("condicao", view.condition ? Num(view.condition) : "");
    set("status", Num(p ? std::clamp(p->ShirtNumber, 0, 28) : 0));
}

// The wage and price cells of a row, with their hints and the hidden columns they sort by.
void TForm13::SetRosterMoneyCells(int row, const RosterRowView& view)
{
    auto set = [this, row](const char* column, const std::string& text) { gridview1->SetCellTextByName(column, row, text); };
    set("salario", view.wageText);
    set("salariot", std::to_string(view.wage));
    SetCellHint(*gridview1, "salario", row, view.wageHint);
    set("passe", view.priceText);
    SetCellHint(*gridview1, "passe", row, view.priceHint);
    set("passet", std::to_string(view.price));
}

// A contract just renewed: the selected row keeps its place and shows the new wage (and the value,
// when the player left the sale list); the player's card follows. Selling him or renewing again waits
// for the next selection.
void TForm13::ShowRenewedContract(int player)
{
    if (gridview1 && SelectedPlayer() == player)
        SetRosterMoneyCells(gridview1->SelectedRow(), RosterRowOf(player));
    if (btvender) btvender->SetEnabled(false);
    if (btalterasal) btalterasal->SetEnabled(false);
    if (Button4) Button4->SetVisible(false);
    ShowPlayerCard(player);
}

int TForm13::SelectedPlayer()
{
    if (!gridview1 || gridview1->SelectedRow() < 0 || gridview1->SelectedRow() >= gridview1->RowCount())
        return 0;
    return std::atoi(gridview1->GetCellTextByName("id", gridview1->SelectedRow()).c_str());
}

void TForm13::gridview1SelectCell(int row)
{
    if (!gridview1 || row < 0 || row >= gridview1->RowCount())
        return;
    ShowPlayerCard(std::atoi(gridview1->GetCellTextByName("id", row).c_str()));
    UpdatePlayerActions();
}

void TForm13::ShowPlayerCard(int player)
{
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return;
    const bool tall = ClientHeight() > 600;  // a form scaled up for a larger screen
    if (p_conf) p_conf->Hide();
    if (pinfo_panel) pinfo_panel->Show();
    if (Image1 && Form1) {
        if (auto* title = dynamic_cast<TForm1*>(Form1.Get()); title && title->ImageList1)
            ShowPicture(Image1, title->ImageList1->Image(p->nationality));
        Image1->Show();
    }
    constexpr int kCardColumn = 150;
    const int indent = ScaledLength(kCardColumn);
    if (lb_infojogn) lb_infojogn->SetHTMLText(PlayerCardName(player, tall, indent));
    if (lb_infojog) lb_infojog->SetHTMLText(PlayerCardText(player, tall, indent));
}

void TForm13::UpdatePlayerActions()
{
    const TPlayer* p = PlayerAt(SelectedPlayer());
    const TClub* c = CurrentClub();
    if (p == nullptr || c == nullptr)
        return;
    const bool onLoan = p->loanStatus == 2;
    if (Button4) Button4->SetVisible(p->ListedForSale != 0);
    bool sell = c->squadSize >= 12 && c->AvailablePlayers >= 11 && !onLoan;
    if (p->Position == 0 && p->ContractEnd <= TodayDate())
        sell = sell && c->playersPerPosition[0] > 1;
    if (btvender) btvender->SetEnabled(sell);
    if (btalterasal) btalterasal->SetEnabled(!onLoan);
    if (btaposenta) btaposenta->SetEnabled(!onLoan && p->Age >= 32);
}

bool TForm13::ColumnIs(int col, const char* name) const
{
    const TDgCustomColumn* c = gridview1 ? gridview1->ColumnByName(name) : nullptr;
    return c != nullptr && c->Index() == col;
}

void TForm13::gridview1CellColoring(int, int row, TColor& cellColor, bool selected)
{
    if (selected)
        return;
    if (Game.colouredPlayerLists) {
        if (row >= gridview1->RowCount())
            return;  // the empty rows below a short squad hold no player
        const TPlayer* p = PlayerAt(std::atoi(gridview1->GetCellTextByName("id", row).c_str()));
        if (p != nullptr && p->Position >= 0 && p->Position < 5)
            cellColor = Game.listColours[p->Position];
        return;
    }
    cellColor = AlternateRowColor(row + 1);
}

void TForm13::gridview1CellFormating(int col, int row, TColor& textColor, bool selected)
{
    const TPlayer* p = PlayerAt(std::atoi(gridview1->GetCellTextByName("id", row).c_str()));
    if (p == nullptr)
        return;
    const bool onLoan = p->loanStatus == 2;
    if (ColumnIs(col, "idade") && !selected)
        textColor = p->Age >= 32 ? clRed : clBlue;
    else if (ColumnIs(col, "passe") && (p->ListedForSale || onLoan))
        textColor = p->ListedForSale ? clMaroon : clGreen;
    else if (ColumnIs(col, "nome") && (onLoan || p->loanStatus == 1))
        textColor = onLoan ? clGreen : clNavy;
    else if (ColumnIs(col, "salario") && !selected) {
        const RosterRowView view = RosterRowOf(p == nullptr ? 0 : static_cast<int>(p - Players.data()));
        if (p->ListedForSale)
            textColor = clMaroon;
        else if (view.contractDays < 8)
            textColor = clRed;
        else if (view.contractDays <= 20)
            textColor = 53970;
    }
}

void TForm13::gridview1HeaderClick(int col)
{
    if (ColumnIs(col, "posicaojog")) {
        RefreshRosterGrid();
        return;
    }
    const char* hidden = ColumnIs(col, "salario") ? "salariot" : ColumnIs(col, "passe") ? "passet" : nullptr;
    if (hidden == nullptr)
        return;
    descending_ = lastMoneyColumn_ == col ? !descending_ : true;
    lastMoneyColumn_ = col;
    gridview1->SortColumn(gridview1->ColumnByName(hidden), !descending_);
}

int TForm13::BarSpotAt(int x, int y) const
{
    if (!nova_barra || nova_barra->Width() <= 0)
        return -1;
    // The bar is drawn at the form's scale: its spots are found in the picture's own pixels.
    const int bx = x * art::kHubBarWidth / nova_barra->Width();
    const int by = y * art::kHubBarHeight / std::max(1, nova_barra->Height());
    for (int spot = 0; spot < art::kHubBarSpotCount; ++spot) {
        const art::HubBarSpot& s = art::kHubBarSpots[static_cast<std::size_t>(spot)];
        if (bx >= s.left && bx <= s.right && by >= s.top && by <= s.bottom)
            return spot;
    }
    // Only the spot itself answers, not the rest of the tile drawn around it.
    return -1;
}

void TForm13::OpenBarSpot(int spot)
{
    if (spot < 0 || spot >= art::kHubBarSpotCount)
        return;
    if (PopupBarMenu(spot))
        return;
    const std::string screen = kBarScreens[spot];
    if (screen == "TForm18")
        FixtureListClub = Game.CurrentHumanClub;
    if (screen == "TForm14")
        MarketClub = Game.CurrentHumanClub;
    OpenFromHub(screen);
}

void TForm13::FormKeyDown(unsigned short& key, TShiftState shift)
{
    // Escape does not close the hub: the game's main screen closing would end the session with its
    // unsaved days lost.
    const bool ctrl = (shift & ssCtrl) != 0;
    std::string screen;
    switch (key) {
    case VK_F2: SaveGame(); key = 0; return;
    case VK_F3: screen = "TForm32"; break;
    case VK_F4: FixtureListClub = Game.CurrentHumanClub; screen = "TForm18"; break;
    case VK_F5: screen = "TForm36"; break;
    case VK_F6: screen = "TForm8"; break;
    case VK_F7: screen = "TForm62"; break;
    // "F8 market TForm14 with MarketClub := 1" would open the market on the second club of the
    // list, whoever the coach is (the market is opened from the hub on the coach's own club).
    case VK_F8: MarketClub = Game.CurrentHumanClub; screen = "TForm14"; break;
    case VK_F9: screen = "TForm81"; break;
    case 'J': if (ctrl) { FixtureListClub = Game.CurrentHumanClub; screen = "TForm18"; } break;
    case 'T': if (ctrl) screen = "TForm63"; break;
    case 'F': if (ctrl) screen = "TForm22"; break;
    default: break;
    }
    if (!screen.empty()) {
        key = 0;
        OpenFromHub(screen);
    }
}

void TForm13::OpenWithPlayer(const std::string& formClass)
{
    const int player = SelectedPlayer();
    if (player <= 0)
        return;
    SelectedRecord = player;
    OpenFromHub(formClass);
}

void TForm13::Autosave(bool atCreation)
{
    if (atCreation) {
        if (SeasonStartPending)
            return;
        AutosaveCounter += 1;
        if (!((Game.autosave == 1 && AutosaveCounter == 3) || Game.autosave == 2))
            return;
    } else if (Game.autosave != 1 && Game.autosave != 2) {
        return;
    }
    SaveGame();
    AutosaveCounter = 0;
}

void TForm13::Timer1Timer()
{
    if (Timer1)
        Timer1->SetEnabled(false);
    RunPostRoundEvents();
}

// The offers, notices and invitations that follow a round open here, one by one, once per turn.
void TForm13::RunPostRoundEvents()
{
    if (!PostRoundPending)
        return;
    PostRoundPending = false;
    DispatchPostRoundEvents();
}

void TForm13::btjogarClick()
{
    if (lineupOpen_)
        return;
    // A player dealt with after the round cannot be sold from under the line-up.
    if (Timer1)
        Timer1->SetEnabled(false);
    RunPostRoundEvents();
    Autosave(false);
    if (!ClubPlaysToday(Game.DayKind, Game.CurrentHumanClub)) {
        KickOff();
        return;
    }
    if (ConfirmLineup(this, /*nationalTeam=*/false, lineupOpen_))
        NextHumanCoachOrKickOff();
}

void TForm13::NextHumanCoachOrKickOff()
{
    if (NextHumanTurn()) {
        RefreshHub();
        PostRoundPending = true;
        RunPostRoundEvents();
        return;
    }
    KickOff();
}

void TForm13::KickOff()
{
    THourglass hourglass;
    KickOffMatchday();
    OpenScreen("TForm46");
    Close();
}

}  // namespace tarvelon
