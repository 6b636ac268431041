#include "richtext/html_check_box.h"

namespace tarvelon {

TCustomHTMLCheckBox::TCustomHTMLCheckBox(TComponent* owner) : THTMLButtonControl(owner)
{
    SetTabStop(true);
    SetCaption(ClassName());
}

void TCustomHTMLCheckBox::SetState(TCheckBoxState state)
{
    if (state_ == state)
        return;
    state_ = state;
    InvalidateBox();
}

void TCustomHTMLCheckBox::SetChecked(bool checked)
{
    SetState(checked ? cbChecked : cbUnchecked);
    Invalidate();
}

void TCustomHTMLCheckBox::Toggle()
{
    if (!readOnly_)
        SetChecked(!Checked());
}

TButtonFace TCustomHTMLCheckBox::Face() const
{
    TButtonFace face = THTMLButtonControl::Face();
    face.checked = state_ == cbChecked;
    face.grayed = state_ == cbGrayed;
    return face;
}

void TCustomHTMLCheckBox::ReleasedInside()
{
    Toggle();
    Click();
}

void TCustomHTMLCheckBox::SpaceReleased()
{
    Toggle();
    Click();
}

void TCustomHTMLCheckBox::InvalidateBox()
{
    const int width = ClientWidth();
    InvalidateRect(Alignment() == taRightJustify ? Rect(width - 20, 0, width, ClientHeight())
                                                 : Rect(0, 0, 20, ClientHeight()));
}

THTMLCheckBox::THTMLCheckBox(TComponent* owner) : TCustomHTMLCheckBox(owner)
{
    SetCaption(ClassName());
}

}  // namespace tarvelon
