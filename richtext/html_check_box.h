#pragma once
// The rich-text check box: unchecked, checked or grayed; clicks on the focused box and the space
// key toggle it (unless ReadOnly) and then raise its click.
#include <string>

#include "richtext/html_button_control.h"

namespace tarvelon {

class TCustomHTMLCheckBox : public THTMLButtonControl {
public:
    explicit TCustomHTMLCheckBox(TComponent* owner);
    std::string ClassName() const override { return "TCustomHTMLCheckBox"; }

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool checked);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    // Unless ReadOnly, Checked flips.
    virtual void Toggle();

protected:
    TButtonFace Face() const override;
    void ReleasedInside() override;
    void SpaceReleased() override;
    void Accelerated() override { Toggle(); }
    void InvalidateHotArea() override { InvalidateRect(Rect(0, 0, 16, 16)); }

private:
    // The box band: the 20 pixels on the box's side.
    void InvalidateBox();

    TCheckBoxState state_ = cbUnchecked;
    bool readOnly_ = false;
};

class THTMLCheckBox : public TCustomHTMLCheckBox {
public:
    explicit THTMLCheckBox(TComponent* owner);
    std::string ClassName() const override { return "THTMLCheckBox"; }
};

}  // namespace tarvelon
