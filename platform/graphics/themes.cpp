#include "platform/graphics/themes.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace tarvelon {

namespace {

bool g_themed = true;

// One style for every machine, so the game looks the same everywhere.
QStyle* GameStyle()
{
    static QPointer<QStyle> style;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Fusion"));
        if (!style)
            return QApplication::style();
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

QPalette GamePalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, ToQColor(clBtnFace));
    palette.setColor(QPalette::Button, ToQColor(clBtnFace));
    palette.setColor(QPalette::Base, ToQColor(clWindow));
    palette.setColor(QPalette::AlternateBase, ToQColor(clBtnFace));
    palette.setColor(QPalette::Text, ToQColor(clWindowText));
    palette.setColor(QPalette::WindowText, ToQColor(clWindowText));
    palette.setColor(QPalette::ButtonText, ToQColor(clBtnText));
    palette.setColor(QPalette::Highlight, ToQColor(clHighlight));
    palette.setColor(QPalette::HighlightedText, ToQColor(clHighlightText));
    palette.setColor(QPalette::Light, ToQColor(clBtnHighlight));
    palette.setColor(QPalette::Midlight, ToQColor(cl3DLight));
    palette.setColor(QPalette::Mid, ToQColor(clBtnShadow));
    palette.setColor(QPalette::Dark, ToQColor(clBtnShadow));
    palette.setColor(QPalette::Shadow, ToQColor(cl3DDkShadow));
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, ToQColor(clGrayText));
    return palette;
}

// Normal, hot, pressed, disabled (1 to 4) as style flags.
QStyle::State StateFlags(int state)
{
    QStyle::State flags = QStyle::State_None;
    if (state != TS_DISABLED)
        flags |= QStyle::State_Enabled;
    if (state == TS_HOT)
        flags |= QStyle::State_MouseOver;
    if (state == TS_PRESSED)
        flags |= QStyle::State_Sunken;
    else
        flags |= QStyle::State_Raised;
    return flags;
}

struct ThemeTarget {
    QStyle* style;
    QPainter& painter;
    QRect rect;
    QPalette palette;

    template <typename Option>
    Option Make(QStyle::State state) const
    {
        Option option;
        option.rect = rect;
        option.palette = palette;
        // The style draws with the option's current colours: a disabled part takes the greyed ones.
        option.palette.setCurrentColorGroup(state & QStyle::State_Enabled ? QPalette::Active : QPalette::Disabled);
        option.state = state;
        return option;
    }
    void Primitive(QStyle::PrimitiveElement element, const QStyleOption& option) const
    {
        style->drawPrimitive(element, &option, &painter, nullptr);
    }
    void Control(QStyle::ControlElement element, const QStyleOption& option) const
    {
        style->drawControl(element, &option, &painter, nullptr);
    }
    void ButtonPanel(int state) const { Primitive(QStyle::PE_PanelButtonCommand, Make<QStyleOptionButton>(StateFlags(state))); }
    void Arrow(QStyle::PrimitiveElement arrow, int state) const
    {
        QStyleOption option = Make<QStyleOption>(StateFlags(state));
        option.rect = rect.adjusted(2, 2, -2, -2);
        Primitive(arrow, option);
    }
};

bool ScrollBarPart(const ThemeTarget& target, int part, int state)
{
    switch (part) {
    case SBP_ARROWBTN: {
        const int direction = ((state - 1) / 4) % 4;  // up, down, left, right (17-20: the same, hot)
        const int look = state > 16 ? TS_HOT : (state - 1) % 4 + 1;
        target.ButtonPanel(look);
        static constexpr QStyle::PrimitiveElement kArrows[] = {QStyle::PE_IndicatorArrowUp, QStyle::PE_IndicatorArrowDown,
                                                               QStyle::PE_IndicatorArrowLeft, QStyle::PE_IndicatorArrowRight};
        target.Arrow(kArrows[state > 16 ? (state - 17) % 4 : direction], look);
        return true;
    }
    case SBP_THUMBBTNHORZ:
    case SBP_THUMBBTNVERT: target.ButtonPanel(state); return true;
    case SBP_LOWERTRACKHORZ:
    case SBP_UPPERTRACKHORZ:
    case SBP_LOWERTRACKVERT:
    case SBP_UPPERTRACKVERT: {
        const QColor track = ToQColor(clScrollBar);
        target.painter.fillRect(target.rect, state == TS_PRESSED ? track.darker(130) : track.lighter(112));
        return true;
    }
    case SBP_GRIPPERHORZ:
    case SBP_GRIPPERVERT: return true;  // the thumb shows its own grip
    case SBP_SIZEBOX: target.Control(QStyle::CE_SizeGrip, target.Make<QStyleOptionSizeGrip>(StateFlags(TS_NORMAL))); return true;
    default: return false;
    }
}

bool ButtonPart(const ThemeTarget& target, int part, int state)
{
    switch (part) {
    case BP_PUSHBUTTON: {
        auto option = target.Make<QStyleOptionButton>(StateFlags(state == PBS_DEFAULTED ? PBS_NORMAL : state));
        if (state == PBS_DEFAULTED)
            option.features |= QStyleOptionButton::DefaultButton;
        target.Control(QStyle::CE_PushButtonBevel, option);
        return true;
    }
    case BP_RADIOBUTTON:
    case BP_CHECKBOX: {
        const int look = (state - 1) % 4 + 1;
        const int value = (state - 1) / 4;  // 0 unchecked, 1 checked, 2 mixed
        QStyle::State flags = StateFlags(look);
        flags |= value == 1 ? QStyle::State_On : value == 2 ? QStyle::State_NoChange : QStyle::State_Off;
        auto option = target.Make<QStyleOptionButton>(flags);
        target.Primitive(part == BP_RADIOBUTTON ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, option);
        return true;
    }
    case BP_GROUPBOX: {
        auto option = target.Make<QStyleOptionFrame>(StateFlags(state));
        option.lineWidth = 1;
        target.Primitive(QStyle::PE_FrameGroupBox, option);
        return true;
    }
    default: return false;
    }
}

bool SpinPart(const ThemeTarget& target, int part, int state)
{
    static constexpr QStyle::PrimitiveElement kArrows[] = {QStyle::PE_IndicatorArrowUp, QStyle::PE_IndicatorArrowDown,
                                                           QStyle::PE_IndicatorArrowRight, QStyle::PE_IndicatorArrowLeft};
    if (part < SPNP_UP || part > SPNP_DOWNHORZ)
        return false;
    target.ButtonPanel(state);
    target.Arrow(kArrows[part - 1], state);
    return true;
}

bool EditPart(const ThemeTarget& target, int part, int state)
{
    if (part != EP_EDITTEXT)
        return false;
    QStyle::State flags = StateFlags(state == ETS_DISABLED ? TS_DISABLED : state == ETS_HOT ? TS_HOT : TS_NORMAL);
    if (state == ETS_FOCUSED)
        flags |= QStyle::State_HasFocus;
    auto option = target.Make<QStyleOptionFrame>(flags | QStyle::State_Sunken);
    option.lineWidth = 1;
    target.Primitive(QStyle::PE_FrameLineEdit, option);
    return true;
}

// The style's header section looks the same whatever the mouse does: the item under the mouse is
// lit with the selection colour and the pressed one darkened, inside the section's dividing lines.
void ShadeHeaderState(const ThemeTarget& target, int state)
{
    if (state != HIS_HOT && state != HIS_PRESSED)
        return;
    const QColor highlight = ToQColor(clHighlight);
    const QColor shade = state == HIS_HOT ? QColor(highlight.red(), highlight.green(), highlight.blue(), 40) : QColor(0, 0, 0, 48);
    target.painter.fillRect(target.rect.adjusted(0, 0, -1, -1), shade);
}

bool HeaderPart(const ThemeTarget& target, int part, int state)
{
    if (part == HP_HEADERSORTARROW) {
        auto option = target.Make<QStyleOptionHeader>(StateFlags(TS_NORMAL));
        option.sortIndicator = state == 2 ? QStyleOptionHeader::SortDown : QStyleOptionHeader::SortUp;
        target.Primitive(QStyle::PE_IndicatorHeaderArrow, option);
        return true;
    }
    if (part < HP_HEADERITEM || part > HP_HEADERITEMRIGHT)
        return false;
    auto option = target.Make<QStyleOptionHeader>(StateFlags(state) | QStyle::State_Horizontal);
    option.orientation = Qt::Horizontal;
    option.position = part == HP_HEADERITEMLEFT    ? QStyleOptionHeader::Beginning
                      : part == HP_HEADERITEMRIGHT ? QStyleOptionHeader::End
                                                   : QStyleOptionHeader::Middle;
    target.Control(QStyle::CE_HeaderSection, option);
    ShadeHeaderState(target, state);
    return true;
}

bool TreeViewPart(const ThemeTarget& target, int part, int state)
{
    if (part != TVP_GLYPH)
        return false;
    QStyle::State flags = QStyle::State_Enabled | QStyle::State_Children | QStyle::State_Item;
    if (state == GLPS_OPENED)
        flags |= QStyle::State_Open;
    target.Primitive(QStyle::PE_IndicatorBranch, target.Make<QStyleOption>(flags));
    return true;
}

bool ListViewPart(const ThemeTarget& target, int part, int state)
{
    if (part != LVP_LISTITEM)
        return false;
    if (state == 0) {
        auto option = target.Make<QStyleOptionFrame>(QStyle::State_Enabled | QStyle::State_Sunken);
        option.lineWidth = 1;
        option.frameShape = QFrame::StyledPanel;
        target.Primitive(QStyle::PE_Frame, option);
        return true;
    }
    // Items: the selection colours of the game's scheme.
    const QColor highlight = ToQColor(clHighlight);
    switch (state) {
    case LISS_SELECTED: target.painter.fillRect(target.rect, highlight); break;
    case LISS_SELECTEDNOTFOCUS: target.painter.fillRect(target.rect, ToQColor(clBtnFace)); break;
    case LISS_HOT: target.painter.fillRect(target.rect, QColor(highlight.red(), highlight.green(), highlight.blue(), 48)); break;
    default: break;
    }
    return true;
}

bool DrawPart(const ThemeTarget& target, const QString& themeClass, int part, int state)
{
    if (themeClass == QLatin1String("scrollbar"))
        return ScrollBarPart(target, part, state);
    if (themeClass == QLatin1String("button"))
        return ButtonPart(target, part, state);
    if (themeClass == QLatin1String("combobox")) {
        if (part != CP_DROPDOWNBUTTON)
            return false;
        target.ButtonPanel(state);
        target.Arrow(QStyle::PE_IndicatorArrowDown, state);
        return true;
    }
    if (themeClass == QLatin1String("spin"))
        return SpinPart(target, part, state);
    if (themeClass == QLatin1String("edit"))
        return EditPart(target, part, state);
    if (themeClass == QLatin1String("header"))
        return HeaderPart(target, part, state);
    if (themeClass == QLatin1String("treeview"))
        return TreeViewPart(target, part, state);
    if (themeClass == QLatin1String("listview"))
        return ListViewPart(target, part, state);
    return false;
}

}  // namespace

bool IsThemed() { return g_themed; }

void SetThemed(bool themed) { g_themed = themed; }

bool DrawThemeBackground(TCanvas& canvas, const std::string& themeClass, int part, int state, const TRect& rect)
{
    QStyle* style = GameStyle();
    if (!style || IsRectEmpty(rect))
        return false;
    bool drawn = false;
    {
        QPainter painter;
        if (!canvas.BeginPainter(painter))
            return false;
        const ThemeTarget target{style, painter, ToQRect(rect), GamePalette()};
        drawn = DrawPart(target, QString::fromStdString(themeClass).toLower(), part, state);
    }
    if (drawn && canvas.OnChange)
        canvas.OnChange();
    return drawn;
}

}  // namespace tarvelon
