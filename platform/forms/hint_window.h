#pragma once
// THintWindow: the small popup that shows a control's hint, in the hint colour with a thin frame.
// It never takes the focus. The drawn controls may install a class of their own
// (Application->HintWindowClass) that overrides CalcHintRect and Paint.
#include "platform/forms/custom_control.h"

namespace tarvelon {

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);
    std::string ClassName() const override { return "THintWindow"; }

    // The size the text needs (at the origin), lines broken at line breaks.
    virtual TRect CalcHintRect(int maxWidth, const std::string& hint);
    // Shows the hint over `rect` (screen coordinates).
    virtual void ActivateHint(const TRect& rect, const std::string& hint);
    void ReleaseHint() { Hide(); }

protected:
    void CreateParams(TCreateParams& params) override;
    // The mouse passes through the hint to the window under it: a hint laid over the pointer (a
    // cell's whole text over the cell) leaves the mouse to its control.
    void CreateWnd() override;
    void Paint() override;
};

}  // namespace tarvelon
