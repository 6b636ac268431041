#pragma once
// What the standard controls that wrap a Qt widget share: the control's font and colours given
// to the widget, and the input of an inner widget (an item view's viewport) brought to the control, so its mouse events, keys, clicks, capture and drag and drop behave as on
// any other control.
#include <QWidget>

#include "platform/forms/win_control.h"

namespace tarvelon {

// A windowed control over a Qt widget: after the widget is made, Sync gives it the control's state;
// font and colour changes reach it.
class TQtWinControl : public TWinControl {
public:
    explicit TQtWinControl(TComponent* owner);
    std::string ClassName() const override { return "TQtWinControl"; }
    // Qt's widgets use the arrows (and typed characters) themselves.
    unsigned DialogCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }

protected:
    void CreateWnd() override;
    // Gives the freshly made widget the control's state (the base: font and colours).
    virtual void SyncWidget();
    void FontChanged() override;
    void ColorChanged() override;
    // Which palette role Color paints (the base: the widget's base, as edits and lists have).
    virtual bool UsesColorAsBase() const { return true; }
    void ApplyFont();
    void ApplyColors();
    // The input of an inner widget that never has the focus (an item view's viewport) counts as
    // this control's. (An inner editor that has the focus is not adopted: the keys it leaves would
    // reach the control's events a second time on their way to the outer widget. Its keys come
    // through ListenToInnerEditors instead, once.)
    void ForwardInput(QWidget* inner);
};

}  // namespace tarvelon
