#include "richtext/html_radio.h"

#include "platform/forms/win_control.h"

namespace tarvelon {

THTMLRadioButton::THTMLRadioButton(TComponent* owner) : THTMLButtonControl(owner)
{
    SetCaption(ClassName());
}

void THTMLRadioButton::SetChecked(bool checked)
{
    if (checked_ == checked)
        return;
    SetTabStop(checked);
    checked_ = checked;
    if (checked) {
        UncheckGroup();
        Click();
    }
    Invalidate();
}

void THTMLRadioButton::UncheckGroup()
{
    TWinControl* parent = Parent();
    if (!parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* other = dynamic_cast<THTMLRadioButton*>(parent->Controls(i));
        if (other && other != this && other->groupIndex_ == groupIndex_)
            other->SetChecked(false);
    }
}

TButtonFace THTMLRadioButton::Face() const
{
    TButtonFace face = THTMLButtonControl::Face();
    face.radio = true;
    face.checked = checked_;
    return face;
}

void THTMLRadioButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    // The press gives the focus first, and the focus checks the button.
    if (button == mbLeft && !Focused() && CanFocus())
        SetFocus();
    THTMLButtonControl::MouseDown(button, shift, x, y);
}

void THTMLRadioButton::DoEnter()
{
    THTMLButtonControl::DoEnter();
    SetChecked(true);
}

void THTMLRadioButton::ReleasedInside()
{
    if (!checked_)
        SetChecked(true);
}

}  // namespace tarvelon
