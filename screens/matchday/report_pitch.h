#pragma once
// The pitch of the match report: a side's starting eleven drawn on the pitch at their pitch slots,
// each with a shirt in the club's colours (the goalkeeper's apart) and his name. The match report
// reaches the pitch board only through this control.
#include <array>
#include <string>

#include "platform/forms/custom_control.h"

namespace tarvelon {

class TReportPitch : public TCustomControl {
public:
    explicit TReportPitch(TComponent* owner);
    std::string ClassName() const override { return "TReportPitch"; }

    // The eleven of side 1 (home) or 2 (away) of an archived match.
    void ShowEleven(int report, int side);
    // The player on the shirt at a pitch slot, or 0.
    int PlayerAtSlot(int slot) const;
    // Where the shirt of a pitch slot is drawn (its centre, client pixels).
    TPoint ShirtCentre(int slot) const;

protected:
    void Paint() override;

private:
    std::array<int, 11> players_{};
    std::array<int, 11> slots_{};
    int shirtColour_ = 0;
    int shirtText_ = 0;
};

}  // namespace tarvelon
