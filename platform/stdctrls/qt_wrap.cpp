#include "platform/stdctrls/qt_wrap.h"

#include <QCheckBox>
#include <QPalette>
#include <QRadioButton>

namespace tarvelon {

TQtWinControl::TQtWinControl(TComponent* owner) : TWinControl(owner)
{
}

void TQtWinControl::CreateWnd()
{
    TWinControl::CreateWnd();
    SyncWidget();
    ListenToInnerEditors();
}

void TQtWinControl::SyncWidget()
{
    ApplyFont();
    ApplyColors();
}

void TQtWinControl::FontChanged()
{
    TWinControl::FontChanged();
    ApplyFont();
}

void TQtWinControl::ColorChanged()
{
    TWinControl::ColorChanged();
    ApplyColors();
}

void TQtWinControl::ApplyFont()
{
    if (QWidget* widget = ExistingWidget()) {
        widget->setFont(Font().ToQFont());
        QPalette palette = widget->palette();
        // A tick box's or a radio button's mark keeps the window text colour on its white box:
        // only their caption takes the font's colour (a white caption on a dark panel).
        const bool marked = qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget);
        if (!marked)
            palette.setColor(QPalette::Text, ToQColor(Font().Color()));
        palette.setColor(QPalette::WindowText, ToQColor(Font().Color()));
        palette.setColor(QPalette::ButtonText, ToQColor(Font().Color()));
        widget->setPalette(palette);
    }
}

void TQtWinControl::ApplyColors()
{
    QWidget* widget = ExistingWidget();
    if (!widget)
        return;
    QPalette palette = widget->palette();
    palette.setColor(UsesColorAsBase() ? QPalette::Base : QPalette::Window, ToQColor(Color()));
    // The chosen row keeps the system's highlight also while another window is active.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, ToQColor(clHighlight));
        palette.setColor(group, QPalette::HighlightedText, ToQColor(clHighlightText));
    }
    widget->setPalette(palette);
}

void TQtWinControl::ForwardInput(QWidget* inner)
{
    AdoptSubWidget(inner);
}

}  // namespace tarvelon
