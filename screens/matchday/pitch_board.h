#pragma once
// The pitch board: the drawn team sheet of the line-up screen (editable) and of the match report.
// Eighteen shirts on a pitch panel (1 the goalkeeper, 2..11 the outfield starters,
// 12..18 the bench column beside the pitch), each with its name label (name and position letter,
// yellow when the player stands out of position; on the in-match board only the letter),
// number label and energy label; the line-up screen also shows a position label beside each bench
// shirt. The board draws at the panel's scale: every pixel offset is the design offset times panel width / 465.
#include <array>
#include <functional>
#include <string>

#include "platform/forms/cursors.h"

namespace tarvelon {

// The board's cursors in the screen's cursor table: a dragged shirt shows the arrow carrying it.
inline constexpr TCursor kStarterDragCursor = 1;
inline constexpr TCursor kGoalkeeperDragCursor = 2;
inline constexpr TCursor kSubstituteDragCursor = 3;
inline constexpr TCursor kEmptyShirtCursor = 4;

class TControl;
class TImage;
class TLabel;
class TObject;
class TRichLabel;
class TWinControl;

// What an editable board does with drags of its shirts: `started` and `ended` around each drag of
// a shirt, `dropped` when something (a shirt, or another source such as a squad list) lands on the
// shirt `target`. `accepting` says whether the shirts take drops now (always when empty): a shirt
// may always be picked up. `energyStartsDrags` off: an energy label still takes drops but a press on
// it picks nothing up (the in-match board).
struct TBoardDragging {
    std::function<bool()> accepting;
    std::function<void(int shirt)> started;
    std::function<void()> ended;
    std::function<void(int target, TObject* source)> dropped;
    bool energyStartsDrags = true;
};

class TPitchBoard {
public:
    static constexpr int kShirts = 18;

    // Creates the controls on `panel` (owned by it) and puts the board's cursors into the screen's
    // cursor table; `withPositions` adds the bench position labels.
    TPitchBoard(TWinControl* panel, bool withPositions);

    void PlaceShirt(int shirt, int pitchSlot);
    void ShowShirtPlayer(int shirt, int player, int pitchSlot);
    void ShowShirtName(int shirt, int player, int pitchSlot);
    void ClearShirt(int shirt);
    void SetShirtVisible(int shirt, bool visible);
    // Shows "camisa0" .. "camisa3" on a shirt.
    void SetPicture(int shirt, const std::string& name);
    // Every shirt, number and energy label (unless the dragging says otherwise) starts a drag on a
    // left press, carrying the arrow of its kind of shirt; all of them take drops.
    void EnableDragging(TBoardDragging dragging);
    // The in-match board marks only the position letter of a player out of position, not his name.
    void MarkOnlyTheLetterOutOfPosition() { onlyLetterMarked_ = true; }

    // The shirt 1..18 a control of the board belongs to (shirt image, number, energy or name
    // label), 0 for any other control.
    int ShirtOf(const TObject* control) const;
    // A point of the panel in the pitch's design pixels.
    int DesignX(int x) const;
    int DesignY(int y) const;
    int Scaled(int designPixels) const;

    TImage* Shirt(int shirt) const { return shirts_[Index(shirt)]; }
    TRichLabel* NameLabel(int shirt) const { return names_[Index(shirt)]; }
    TLabel* NumberLabel(int shirt) const { return numbers_[Index(shirt)]; }
    TLabel* EnergyLabel(int shirt) const { return energies_[Index(shirt)]; }
    TLabel* PositionLabel(int shirt) const { return positions_[Index(shirt)]; }
    // The picture a shirt shows now: "camisa0" .. "camisa3".
    const std::string& ShirtPicture(int shirt) const { return pictures_[Index(shirt)]; }

    // The text the name label shows for a player (his name, shortened when wider than 55 pixels).
    std::string DisplayName(int player) const;

private:
    static std::size_t Index(int shirt) { return static_cast<std::size_t>(shirt - 1); }
    void CreateShirt(int shirt, bool withPositions);

    TWinControl* panel_;
    std::array<TImage*, kShirts> shirts_{};
    std::array<TRichLabel*, kShirts> names_{};
    std::array<TLabel*, kShirts> numbers_{};
    std::array<TLabel*, kShirts> energies_{};
    std::array<TLabel*, kShirts> positions_{};
    std::array<std::string, kShirts> pictures_{};
    TBoardDragging dragging_;
    bool onlyLetterMarked_ = false;
};

// The board's shirt pictures by kind: "camisa2" for the goalkeeper, "camisa3" for the bench,
// "camisa1" for an outfield starter.
const char* FilledShirtPicture(int shirt);

}  // namespace tarvelon
