// The pitch board shared by the line-up screen and the match report.
#include "screens/matchday/pitch_board.h"

#include <memory>
#include <utility>

#include "core/basics/literal_text.h"
#include "core/basics/cp1252.h"
#include "core/lineup/lineup_board.h"
#include "core/match/lineup_access.h"
#include "core/vocab/players.h"
#include "core/vocab/tactics_board.h"
#include "platform/forms/screen.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/art/cursor_art.h"
#include "screens/common/art/pitch_art.h"

namespace tarvelon {

namespace {

constexpr TColor kLabelColour = 0xFF8000;
constexpr int kBenchX = 390;
constexpr int kShortNameWidth = 55;
const char* const kOutOfPositionColour = "#DFDF00";

template <typename T>
T* Make(TWinControl* panel, const std::string& name, int shirt)
{
    auto* control = new T(panel);
    control->SetName(name + std::to_string(shirt));
    control->SetParent(panel);
    control->SetTag(shirt);
    return control;
}

// Auto-sizing goes first: an empty label that still sized itself to its font would shrink to a
// sliver, and its number or energy would be cut to a stroke.
void StyleLabel(TLabel& label, int size, TColor colour)
{
    label.SetAutoSize(false);
    label.Font().SetName("Arial");
    label.Font().SetSize(size);
    label.Font().SetColor(colour);
    label.SetAlignment(taCenter);
    label.SetLayout(tlCenter);
    label.SetTransparent(true);
}

std::string FirstLetter(const char* text) { return Utf8Left(text, 1); }

}  // namespace

const char* FilledShirtPicture(int shirt)
{
    return shirt == 1 ? "camisa2" : shirt > kStarterShirts ? "camisa3" : "camisa1";
}

namespace {

void InstallBoardCursors()
{
    const std::pair<TCursor, const char*> cursors[] = {{kEmptyShirtCursor, "cursor0"},
                                                       {kStarterDragCursor, "cursor1"},
                                                       {kGoalkeeperDragCursor, "cursor2"},
                                                       {kSubstituteDragCursor, "cursor3"}};
    for (const auto& [id, name] : cursors)
        Screen->SetCursors(id, art::LoadCursorResource(name));
}

}  // namespace

TPitchBoard::TPitchBoard(TWinControl* panel, bool withPositions) : panel_(panel)
{
    InstallBoardCursors();
    for (int shirt = 1; shirt <= kShirts; ++shirt)
        CreateShirt(shirt, withPositions);
}

void TPitchBoard::CreateShirt(int shirt, bool withPositions)
{
    const std::size_t i = Index(shirt);
    auto* image = Make<TImage>(panel_, "camisa", shirt);
    image->SetBounds(0, 0, Scaled(art::kShirtSize), Scaled(art::kShirtSize));
    image->SetCenter(true);
    image->SetTransparent(true);
    shirts_[i] = image;
    SetPicture(shirt, "camisa0");

    auto* name = Make<TRichLabel>(panel_, "labescal", shirt);
    name->SetWidth(Scaled(80));
    name->SetAutoSizing(true);
    name->Font().SetName("Arial");
    name->Font().SetSize(8);
    name->Font().SetStyle(TFontStyles{fsBold});
    name->Font().SetColor(clWhite);
    name->SetColor(kLabelColour);
    name->SetShadowColor(clBlack);
    name->SetShadowOffset(1);
    name->SetShowHint(true);
    name->SetTransparent(true);
    name->SetHTMLText("--");
    names_[i] = name;

    // The bench's position label stays empty: the name label's second line carries the letter, and
    // a letter above the shirt would fall on the name of the shirt above it.
    if (withPositions) {
        auto* position = Make<TLabel>(panel_, "labposic", shirt);
        position->SetBounds(0, 0, Scaled(10), Scaled(16));
        StyleLabel(*position, 7, clWhite);
        position->SetColor(kLabelColour);
        positions_[i] = position;
    }
    auto* energy = Make<TLabel>(panel_, "labener", shirt);
    energy->SetBounds(0, 0, Scaled(25), Scaled(12));
    StyleLabel(*energy, 7, clBlack);
    energy->SetShowHint(true);
    energies_[i] = energy;

    auto* number = Make<TLabel>(panel_, "labnumer", shirt);
    number->SetBounds(0, 0, Scaled(10), Scaled(12));
    StyleLabel(*number, 8, clWhite);
    numbers_[i] = number;
    for (TControl* c : std::initializer_list<TControl*>{image, name, energy, number})
        c->BringToFront();
    if (positions_[i])
        positions_[i]->BringToFront();
}

int TPitchBoard::Scaled(int designPixels) const
{
    const int width = panel_ ? panel_->Width() : art::kPitchWidth;
    return designPixels * width / art::kPitchWidth;
}

int TPitchBoard::DesignX(int x) const
{
    const int width = panel_ && panel_->Width() > 0 ? panel_->Width() : art::kPitchWidth;
    return x * art::kPitchWidth / width;
}

int TPitchBoard::DesignY(int y) const { return DesignX(y); }

void TPitchBoard::SetPicture(int shirt, const std::string& name)
{
    pictures_[Index(shirt)] = name;
    shirts_[Index(shirt)]->Picture().SetGraphic(
        std::make_unique<TImageGraphic>(art::Picture(name), TImageFormat::Png));
}

void TPitchBoard::PlaceShirt(int shirt, int pitchSlot)
{
    const std::size_t i = Index(shirt);
    auto move = [this](TControl* c, int x, int y) {
        if (c)
            c->SetBounds(Scaled(x), Scaled(y), c->Width(), c->Height());
    };
    if (shirt <= kStarterShirts) {
        if (pitchSlot < 1 || pitchSlot > PitchSlotCount)
            return;
        const int x = PitchSlotX[pitchSlot];
        const int y = PitchSlotY[pitchSlot];
        move(shirts_[i], x, y);
        move(names_[i], x - 13, y + 42);
        move(numbers_[i], x + 21, y + 15);
        move(energies_[i], x + 17, y + 32);
        if (positions_[i])
            positions_[i]->Hide();
        return;
    }
    const int y = BenchSlotY[static_cast<std::size_t>(shirt - kStarterShirts - 1)];
    move(shirts_[i], kBenchX, y);
    move(names_[i], kBenchX - 13, y + 42);
    move(positions_[i], kBenchX + 20, y - 8);
    move(numbers_[i], kBenchX + 22, y + 15);
    move(energies_[i], kBenchX + 17, y + 32);
}

std::string TPitchBoard::DisplayName(int player) const
{
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return "";
    const std::string name = p->Name.str();
    TBitmap measure;
    measure.Canvas().Font.Assign(numbers_[0]->Font());
    const std::size_t blank = name.find(' ');
    if (measure.Canvas().TextWidth(name) <= kShortNameWidth || blank == std::string::npos || blank + 1 >= name.size())
        return name;
    return name.substr(0, blank) + " " + Utf8Left(std::string_view(name).substr(blank + 1), 1) + ".";
}

void TPitchBoard::ShowShirtName(int shirt, int player, int pitchSlot)
{
    const TPlayer* p = PlayerAt(player);
    TRichLabel* label = names_[Index(shirt)];
    if (p == nullptr || label == nullptr)
        return;
    const std::string own = p->Position >= 0 && p->Position < PositionCount ? FirstLetter(PositionNames[p->Position]) : "";
    std::string letter = own;
    bool coloured = false;
    label->SetHint("");
    if (shirt <= kStarterShirts && pitchSlot >= 1 && pitchSlot <= PitchSlotCount) {
        letter = PitchSlotLetters[pitchSlot];
        coloured = PlaysOutOfPosition(player, pitchSlot);
        if (coloured)
            label->SetHint(own + " improvisado como " + letter);
    }
    const std::string open = coloured ? std::string("<FONT color=\"") + kOutOfPositionColour + "\">" : "";
    const std::string close = coloured ? "</font>" : "";
    if (onlyLetterMarked_)
        label->SetHTMLText("<P align=\"center\"><shad><B>" + MarkupLiteral(DisplayName(player)) + "</shad></B><BR><shad>" + open + letter + close
                           + "</shad></P>");
    else
        label->SetHTMLText("<P align=\"center\"><shad><B>" + open + MarkupLiteral(DisplayName(player)) + "</shad></B><BR><shad>" + letter + "</shad>"
                           + close + "</P>");
}

void TPitchBoard::ShowShirtPlayer(int shirt, int player, int pitchSlot)
{
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr) {
        ClearShirt(shirt);
        return;
    }
    const std::size_t i = Index(shirt);
    SetPicture(shirt, FilledShirtPicture(shirt));
    ShowShirtName(shirt, player, pitchSlot);
    energies_[i]->SetCaption(std::to_string(p->Energy) + "%");
    energies_[i]->SetHint("Energia:" + std::to_string(p->Energy) + "%");
    energies_[i]->Show();
    numbers_[i]->SetCaption(p->ShirtNumber > 0 ? std::to_string(p->ShirtNumber) : "");
}

void TPitchBoard::ClearShirt(int shirt)
{
    const std::size_t i = Index(shirt);
    SetPicture(shirt, "camisa0");
    names_[i]->SetHTMLText("");
    names_[i]->SetHint("");
    numbers_[i]->SetCaption("");
    energies_[i]->SetCaption("");
    energies_[i]->SetHint("");
}

void TPitchBoard::SetShirtVisible(int shirt, bool visible)
{
    const std::size_t i = Index(shirt);
    shirts_[i]->SetVisible(visible);
    names_[i]->SetVisible(visible);
}

void TPitchBoard::EnableDragging(TBoardDragging dragging)
{
    dragging_ = std::move(dragging);
    for (int shirt = 1; shirt <= kShirts; ++shirt) {
        const std::size_t i = Index(shirt);
        for (TControl* c : std::initializer_list<TControl*>{shirts_[i], numbers_[i], energies_[i]}) {
            c->SetDragCursor(shirt == 1                ? kGoalkeeperDragCursor
                             : shirt <= kStarterShirts ? kStarterDragCursor
                                                       : kSubstituteDragCursor);
            if (c != energies_[i] || dragging_.energyStartsDrags)
                c->OnMouseDown = [c](TObject*, TMouseButton button, TShiftState, int, int) {
                    if (button == mbLeft)
                        c->BeginDrag(true);
                };
            c->OnStartDrag = [this, shirt](TObject*, TObject*&) {
                if (dragging_.started)
                    dragging_.started(shirt);
            };
            c->OnEndDrag = [this](TObject*, TObject*, int, int) {
                if (dragging_.ended)
                    dragging_.ended();
            };
            c->OnDragOver = [this](TObject*, TObject*, int, int, TDragState, bool& accept) {
                accept = !dragging_.accepting || dragging_.accepting();
            };
            c->OnDragDrop = [this, shirt](TObject*, TObject* source, int, int) {
                if (dragging_.dropped)
                    dragging_.dropped(shirt, source);
            };
        }
    }
}

int TPitchBoard::ShirtOf(const TObject* control) const
{
    for (int shirt = 1; shirt <= kShirts; ++shirt) {
        const std::size_t i = Index(shirt);
        if (control == shirts_[i] || control == names_[i] || control == numbers_[i] || control == energies_[i])
            return shirt;
    }
    return 0;
}

}  // namespace tarvelon
