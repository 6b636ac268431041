#pragma once
// The rich-text radio button: checking one unchecks the others of the same parent and GroupIndex;
// it becomes checked when it gets the focus (a click, Tab, or the arrow keys among its neighbours).
#include <cstdint>
#include <string>

#include "richtext/html_button_control.h"

namespace tarvelon {

class THTMLRadioButton : public THTMLButtonControl {
public:
    explicit THTMLRadioButton(TComponent* owner);
    std::string ClassName() const override { return "THTMLRadioButton"; }

    bool Checked() const { return checked_; }
    // On a change: TabStop follows; checking unchecks the group's others and raises the click.
    void SetChecked(bool checked);
    std::uint8_t GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(std::uint8_t index) { groupIndex_ = index; }

protected:
    TButtonFace Face() const override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoEnter() override;
    void ReleasedInside() override;
    void SpaceReleased() override { SetChecked(true); }
    void Accelerated() override { SetChecked(true); }
    void InvalidateHotArea() override { Invalidate(); }

private:
    void UncheckGroup();

    bool checked_ = false;
    std::uint8_t groupIndex_ = 0;
};

}  // namespace tarvelon
