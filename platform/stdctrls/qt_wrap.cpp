#include "platform/stdctrls/qt_wrap.h"

#include <QCheckBox>
#include <QPalette>
#include <QRadioButton>
#include <vector>

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
        std::vector<QPalette::ColorRole> roles{QPalette::WindowText, QPalette::ButtonText};
        if (!marked)
            roles.push_back(QPalette::Text);
        // A disabled control's text is greyed whatever its font's colour.
        for (const QPalette::ColorRole role : roles) {
            for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
                palette.setColor(group, role, ToQColor(Font().Color()));
            palette.setColor(QPalette::Disabled, role, ToQColor(clGrayText));
        }
        widget->setPalette(palette);
    }
}

void TQtWinControl::ApplyColors()
{
    QWidget* widget = ExistingWidget();
    if (!widget)
        return;
    QPalette palette = widget->palette();
    if (UsesColorAsBase()) {
        // The field of a disabled edit or combo box is greyed, as its text is.
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, QPalette::Base, ToQColor(Color()));
        palette.setColor(QPalette::Disabled, QPalette::Base, ToQColor(clBtnFace));
    } else {
        palette.setColor(QPalette::Window, ToQColor(Color()));
    }
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
