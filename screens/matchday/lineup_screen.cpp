// The line-up and tactics screen (TForm87).
#include "screens/matchday/lineup_screen.h"

#include <algorithm>

#include "controls/dc_combo.h"
#include "controls/dc_glow_button.h"
#include "controls/dc_smooth_message_dialog.h"
#include "core/basics/cp1252.h"
#include "core/lineup/auto_lineup.h"
#include "core/lineup/lineup_commit.h"
#include "core/lineup/stored_lineups.h"
#include "core/match/lineup_access.h"
#include "core/records/game_state.h"
#include "core/settings/settings.h"
#include "core/views/hub_views.h"
#include "core/vocab/players.h"
#include "core/vocab/tactics_board.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "richtext/html_label.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/art/squad_icons.h"
#include "screens/common/grid_helpers.h"
#include "screens/common/screen_registry.h"
#include "screens/matchday/pitch_board.h"

namespace tarvelon {

bool NationalTeamMatch = false;
bool LineupConfirmed = false;

bool ConfirmLineup(TComponent* hub, bool nationalTeam, bool& open)
{
    NationalTeamMatch = nationalTeam;
    LineupConfirmed = false;
    if (TGameForm* lineup = CreateScreen("TForm87", hub)) {
        open = true;
        lineup->ShowModal();
        open = false;
    }
    NationalTeamMatch = false;
    const bool confirmed = LineupConfirmed;
    LineupConfirmed = false;
    return confirmed;
}

void OpenNationalLineup(TComponent* hub, std::function<void()> confirmed)
{
    NationalTeamMatch = true;
    LineupConfirmed = false;
    auto* lineup = dynamic_cast<TForm87*>(CreateScreen("TForm87", hub));
    if (lineup == nullptr)
        return;
    lineup->confirmed_ = std::move(confirmed);
    lineup->Show();
}

namespace {

constexpr int kInitialFormation = 4;  // "4-4-2" until the coach picks one
constexpr int kFreeImages = 58;
constexpr int kSubstituteImages = 29;

std::string Num(int value) { return std::to_string(value); }

void ShowPicture(TImage* image, const char* name)
{
    if (image)
        image->Picture().SetGraphic(std::make_unique<TImageGraphic>(art::Picture(name), TImageFormat::Png));
}

}  // namespace

const TScreenRecord TForm87::kScreen{
    .formClass = "TForm87",
    .shows = "Escalação e tática",
    .area = TScreenArea::Matchday,
    .modal = true,
    .style = {.background = TBackground::None},
    .create = NewScreen<TForm87>,
    .file = "screens/matchday/lineup_screen.cpp",
};

TForm87::TForm87(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandlers();
    ReadDescription();
    FindChildren();
}

TForm87::~TForm87() = default;

void TForm87::BindHandlers()
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("FormPaint", [](TObject*) {});
    BindHandler("gridview1MouseDown", [this](TObject*, TMouseButton, TShiftState, int, int) { gridview1MouseDown(); });
    BindHandler("gridview1StartDrag", [](TObject*, TObject*&) {});
    BindHandler("gridview1DragOver", [](TObject*, TObject*, int, int, TDragState, bool& accept) { accept = false; });
    BindHandler("gridview1SelectCell", [this](TObject*, int, int row) {
        if (Label2 && row >= 0 && row < static_cast<int>(board_.rowPlayers.size()))
            Label2->SetCaption(CandidateStatusOf(board_.rowPlayers[static_cast<std::size_t>(row)], NationalTeamMatch).hint);
    });
    BindHandler("gridview1CellColoring", [](TObject*, int, int row, TColor& cell, TColor&, TCellState state) {
        if (!state.Contains(csSelected))
            cell = AlternateRowColor(row + 1);
    });
    BindHandler("Image1DragOver", [this](TObject*, TObject* source, int, int, TDragState, bool& accept) {
        accept = pitch_ && pitch_->ShirtOf(source) >= 2 && pitch_->ShirtOf(source) <= kStarterShirts;
    });
    BindHandler("Image1DragDrop", [this](TObject*, TObject* source, int x, int y) { PitchDrop(source, x, y); });
    BindHandler("combtatClick", [this](TObject*) { combtatClick(); });
    BindHandler("comboejClick", [this](TObject*) {
        if (TClub* c = ClubAt(Club())) TacticChanged(comboej, c->PlayingStyle);
    });
    BindHandler("combo_cataqChange", [this](TObject*) {
        if (TClub* c = ClubAt(Club())) TacticChanged(combo_cataq, c->AttackFocus);
    });
    BindHandler("combomarcChange", [this](TObject*) {
        if (TClub* c = ClubAt(Club())) TacticChanged(combomarc, c->Pressing);
    });
    BindHandler("combo1Change", [this](TObject*) {
        if (TClub* c = ClubAt(Club())) PlayerChoiceChanged(combo1, c->Captain);
    });
    BindHandler("combo2Change", [this](TObject*) {
        if (TClub* c = ClubAt(Club())) PlayerChoiceChanged(combo2, c->SetPieceTaker);
    });
    BindHandler("ckescalacaoClick", [this](TObject*) { ckescalacaoClick(); });
    BindHandler("bt_voltarClick", [this](TObject*) { bt_voltarClick(); });
    BindHandler("bt_irprojogoClick", [this](TObject*) { bt_irprojogoClick(); });
}

void TForm87::FindChildren()
{
    Panel1 = FindChild<TWinControl>("Panel1");
    Panel2 = FindChild<TWinControl>("Panel2");
    Image1 = FindChild<TImage>("Image1");
    Image3 = FindChild<TImage>("Image3");
    Label2 = FindChild<TLabel>("Label2");
    gridview1 = FindChild<TDataGrid>("gridview1");
    combtat = FindChild<TDcComboBox>("combtat");
    comboej = FindChild<TDcComboBox>("comboej");
    combo_cataq = FindChild<TDcComboBox>("combo_cataq");
    combomarc = FindChild<TDcComboBox>("combomarc");
    combo1 = FindChild<TDcComboBox>("combo1");
    combo2 = FindChild<TDcComboBox>("combo2");
    ckescalacao = FindChild<TCheckBox>("ckescalacao");
    bt_voltar = FindChild<TDcGlowButton>("bt_voltar");
    bt_irprojogo = FindChild<TDcGlowButton>("bt_irprojogo");
    info1 = FindChild<TDcSmoothMessageDialog>("info1");
    ImageList2 = FindChild<TCustomImageList>("ImageList2");
    ImageList5 = FindChild<TCustomImageList>("ImageList5");
}

int TForm87::Club() const { return Game.CurrentHumanClub; }

void TForm87::FormCreate()
{
    loading_ = true;
    LineupConfirmed = false;
    if (info1 && info1->ButtonCount() == 0)
        info1->AddButton("Ok", mrOk);
    ShowPicture(Image1, "campogrande");
    ShowPicture(Image3, "campoalpha");
    if (ImageList2) art::FillConditionImages(*ImageList2);
    if (ImageList5) art::FillShirtStatusImages(*ImageList5);
    if (gridview1) {
        if (auto* c = dynamic_cast<TDgImageColumn*>(gridview1->ColumnByName("status"))) c->SetImages(ImageList5);
        if (auto* c = dynamic_cast<TDgImageColumn*>(gridview1->ColumnByName("condicao"))) c->SetImages(ImageList2);
    }
    board_ = NewLineupBoard(Club(), NationalTeamMatch);
    // A national team's players wear their clubs' numbers: the list opens with plain shirts.
    plainShirtRows_.assign(board_.rowPlayers.size(), NationalTeamMatch);
    FillCandidatesGrid();
    if (Panel1) {
        pitch_ = std::make_unique<TPitchBoard>(Panel1, true);
        CreateBoardHandlers();
    }
    PlaceFormation(board_, kInitialFormation);
    if (ckescalacao) ckescalacao->SetChecked(Game.KeepLineup != 0);
    if (const TClub* c = ClubAt(Club())) {
        if (combo_cataq) combo_cataq->SetItemIndex(c->AttackFocus);
        if (comboej) comboej->SetItemIndex(c->PlayingStyle);
        if (combomarc) combomarc->SetItemIndex(c->Pressing);
    }
    FillCaptainBoxes();
    const bool stored = Game.KeepLineup && LoadLineup(Club(), board_);
    if (stored)
        ForgetPlainShirts();
    SyncRows();
    PaintBoard();
    // A stored line-up brings the goalkeeper's shirt back, even when its player has gone.
    if (stored && pitch_)
        pitch_->SetPicture(1, FilledShirtPicture(1));
    if (gridview1 && gridview1->RowCount() > 0)
        gridview1->SetSelectedRow(0);
    loading_ = false;
}

void TForm87::FillCandidatesGrid()
{
    if (!gridview1)
        return;
    gridview1->BeginUpdate();
    gridview1->ClearRows();
    for (int player : board_.rowPlayers)
        FillCandidateRow(player);
    if (auto* goals = gridview1->ColumnByName("gols"))
        goals->SetVisible(!NationalTeamMatch);
    gridview1->EndUpdate();
}

void TForm87::FillCandidateRow(int player)
{
    const RosterRowView view = RosterRowOf(player);
    const CandidateStatus status = CandidateStatusOf(player, NationalTeamMatch);
    const TPlayer* p = PlayerAt(player);
    gridview1->AddRow();
    const int row = gridview1->RowCount() - 1;
    auto set = [this, row](const char* column, const std::string& text) { gridview1->SetCellTextByName(column, row, text); };
    set("id", Num(player));
    set("posicaojog", view.position);
    set("condicao", status.condition ? Num(status.condition) : "");
    set("nome", view.name);
    set("funcaojog", p && p->Position >= 0 && p->Position < PositionCount && p->Role >= 0 && p->Role < 6
                         ? PlayerRoleNames[static_cast<std::size_t>(p->Position)][static_cast<std::size_t>(p->Role)]
                         : "");
    set("forca", Num(view.strength));
    set("energia", Num(view.energy));
    set("lado", view.side);
    set("passe", view.priceText);
    set("passet", std::to_string(view.price));
    set("gols", NationalTeamMatch ? "0" : Num(view.goals));  // a number column: hidden, never empty
    set("habilidades", view.traits);
    set("idade", Num(view.age));
    set("moral", Num(view.moraleImage));
    if (auto* c = gridview1->ColumnByName("status"))
        gridview1->GetCell(c->Index(), row)->SetHint(status.hint);
    if (auto* c = gridview1->ColumnByName("passe"))
        gridview1->GetCell(c->Index(), row)->SetHint(view.priceHint);
    if (auto* c = gridview1->ColumnByName("habilidades"))
        gridview1->GetCell(c->Index(), row)->SetHint(view.traitsHint);
}

int TForm87::StatusImageOf(int player, int code) const
{
    const TPlayer* p = PlayerAt(player);
    const int number = p ? std::clamp(p->ShirtNumber, 0, 28) : 0;
    switch (code) {
    case kCodeFree: return kFreeImages + number;
    case kCodeStarter: return number;
    case kCodeSubstitute: return kSubstituteImages + number;
    case kCodeUnavailable: return art::kStatusUnavailable;
    default: return art::kStatusBlocked;
    }
}

void TForm87::SyncRows()
{
    if (!gridview1)
        return;
    for (std::size_t row = 0; row < board_.rowPlayers.size(); ++row) {
        const int code = board_.rowCodes[row];
        const int r = static_cast<int>(row);
        if (code != kCodeFree)
            plainShirtRows_[row] = false;
        const bool plain = code == kCodeFree && plainShirtRows_[row];
        gridview1->SetCellTextByName("colstatus", r, Num(code));
        gridview1->SetCellTextByName("status", r, Num(plain ? kFreeImages : StatusImageOf(board_.rowPlayers[row], code)));
    }
}

// Every row shows its number from now on (a whole new line-up was put on the shirts).
void TForm87::ForgetPlainShirts()
{
    plainShirtRows_.assign(plainShirtRows_.size(), false);
}

void TForm87::PaintBoard()
{
    if (!pitch_)
        return;
    for (int shirt = 1; shirt <= kShirtCount; ++shirt) {
        const ShirtSlot& s = board_.shirts[static_cast<std::size_t>(shirt)];
        pitch_->PlaceShirt(shirt, s.pitchSlot);
        if (board_.HasPlayer(shirt))
            pitch_->ShowShirtPlayer(shirt, s.player, s.pitchSlot);
        else
            pitch_->ClearShirt(shirt);
    }
}

void TForm87::FillCaptainBoxes()
{
    comboPlayers_.clear();
    for (TDcComboBox* box : {combo1, combo2})
        if (box) box->Items().Clear();
    for (int player : board_.rowPlayers) {
        const TPlayer* p = PlayerAt(player);
        const std::string letter = p->Position >= 0 && p->Position < PositionCount
                                       ? Utf8Left(PositionNames[static_cast<std::size_t>(p->Position)], 1)
                                       : "";
        comboPlayers_.push_back(player);
        for (TDcComboBox* box : {combo1, combo2})
            if (box) box->Items().Add(p->Name.str() + " - " + letter);
    }
    // The boxes show the club's captain and taker by who they are, not by a name another player may share.
    if (const TClub* c = ClubAt(Club())) {
        auto indexOf = [this](int player) {
            const auto it = std::find(comboPlayers_.begin(), comboPlayers_.end(), player);
            return it == comboPlayers_.end() ? -1 : static_cast<int>(it - comboPlayers_.begin());
        };
        if (combo1) combo1->SetItemIndex(indexOf(c->Captain));
        if (combo2) combo2->SetItemIndex(indexOf(c->SetPieceTaker));
    }
}

int TForm87::ComboPlayer(int item) const
{
    return item >= 0 && item < static_cast<int>(comboPlayers_.size()) ? comboPlayers_[static_cast<std::size_t>(item)] : 0;
}

void TForm87::CreateBoardHandlers()
{
    TBoardDragging dragging;
    dragging.started = [this](int shirt) {
        if (Image3 && shirt >= 2 && shirt <= kStarterShirts)
            Image3->Show();
    };
    dragging.ended = [this] {
        if (Image3)
            Image3->Hide();
    };
    dragging.dropped = [this](int shirt, TObject* source) { ShirtDrop(shirt, source); };
    pitch_->EnableDragging(std::move(dragging));
}

void TForm87::gridview1MouseDown()
{
    if (gridview1 && gridview1->SelectedRow() >= 0) {
        gridview1->SetDragCursor(kStarterDragCursor);
        gridview1->BeginDrag(true);
    }
}

void TForm87::ShirtDrop(int shirt, TObject* source)
{
    if (shirt <= 0)
        return;
    if (source == gridview1) {
        if (!DropCandidateOnShirt(board_, gridview1->SelectedRow(), shirt))
            return;
    } else if (const int from = pitch_->ShirtOf(source); from > 0) {
        SwapShirts(board_, from, shirt);
    } else {
        return;
    }
    SyncRows();
    PaintBoard();
}

void TForm87::PitchDrop(TObject* source, int x, int y)
{
    const int shirt = pitch_ ? pitch_->ShirtOf(source) : 0;
    const int slot = PitchSlotAt(pitch_ ? pitch_->DesignX(x) : x, pitch_ ? pitch_->DesignY(y) : y);
    if (slot > 0 && MoveShirtToPitchSlot(board_, shirt, slot))
        PaintBoard();
}

TPoint TForm87::PitchSlotCentre(int slot) const
{
    const int half = 21;
    const int x = pitch_ ? pitch_->Scaled(PitchSlotX[slot] + half) : PitchSlotX[slot] + half;
    const int y = pitch_ ? pitch_->Scaled(PitchSlotY[slot] + half) : PitchSlotY[slot] + half;
    return Point(x + (Panel1 ? Panel1->Left() : 0), y + (Panel1 ? Panel1->Top() : 0));
}

void TForm87::combtatClick()
{
    if (loading_ || !combtat || combtat->ItemIndex() < 0)
        return;
    AutoSelectLineup(board_, combtat->ItemIndex() + 1, Club());
    ForgetPlainShirts();
    SyncRows();
    PaintBoard();
}

void TForm87::TacticChanged(TDcComboBox* box, int& field)
{
    if (!loading_ && box && box->ItemIndex() >= 0)
        field = box->ItemIndex();
}

void TForm87::PlayerChoiceChanged(TDcComboBox* box, int& field)
{
    if (loading_ || !box)
        return;
    const int player = ComboPlayer(box->ItemIndex());
    if (player > 0)
        field = player;
}

void TForm87::ckescalacaoClick()
{
    if (loading_ || !ckescalacao)
        return;
    Game.KeepLineup = ckescalacao->Checked() ? 1 : 0;
    WriteSetting("opcoes", "opescalacao", Game.KeepLineup ? "1" : "0");
}

void TForm87::bt_voltarClick()
{
    if (Game.KeepLineup)
        StoreLineup(Club(), board_);
    Close();
}

void TForm87::bt_irprojogoClick()
{
    if (Game.KeepLineup)
        StoreLineup(Club(), board_);
    if (!ReadyToKickOff(board_)) {
        if (info1) {
            info1->HTMLText().SetText(
                "<P align=\"center\"><FONT face=\"Arial Black\" size=\"10\" color=\"#FFFFFF\"><shad>Selecione 11 "
                "jogadores, arrastando-os da lista   sobre  as camisas.<br> Ou selecionando uma tática  "
                "automática.</shad></FONT></P>");
            info1->Execute();
        }
        return;
    }
    if (!CommitLineup(Club(), board_, NationalTeamMatch))
        return;
    LineupConfirmed = true;
    if (Modal())
        SetModalResult(mrOk);
    else if (confirmed_)
        confirmed_();
    else
        Close();
}

}  // namespace tarvelon
