#pragma once
// The pitch of the match report: a side's starting eleven on the line-up screen's pitch board, at
// their pitch slots, each shirt with his name and the letter of his place (yellow, with a hint,
// when he played out of position); the goalkeeper in his own shirt, the bench column left empty.
// The board is laid out at the height of this control; what is wider than it stays hidden.
#include <array>
#include <memory>

#include "platform/forms/custom_control.h"

namespace tarvelon {

class TImage;
class TPanel;
class TWinControl;
class TPitchBoard;

class TReportPitch : public TCustomControl {
public:
    explicit TReportPitch(TComponent* owner);
    ~TReportPitch() override;
    std::string ClassName() const override { return "TReportPitch"; }

    // The eleven of side 1 (home) or 2 (away) of an archived match.
    void ShowEleven(int report, int side);
    // The player on the shirt at a pitch slot, or 0.
    int PlayerAtSlot(int slot) const;
    // Where the shirt of a pitch slot is drawn (its centre, client pixels).
    TPoint ShirtCentre(int slot) const;
    // The board, once the first eleven is shown (nullptr before).
    const TPitchBoard* Board() const { return board_.get(); }
    // The pitch picture's panel: texts laid over the pitch belong on it.
    TWinControl* Field();

private:
    void BuildBoard();
    // The board's shirt of the k-th entry of an eleven: the goalkeeper (entry 10) wears shirt 1.
    static int ShirtOfEntry(int k) { return k == 10 ? 1 : k + 2; }

    TPanel* field_ = nullptr;
    TImage* picture_ = nullptr;
    std::unique_ptr<TPitchBoard> board_;
    std::array<int, 11> players_{};
    std::array<int, 11> slots_{};
};

}  // namespace tarvelon
