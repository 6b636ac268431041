#include "controls/dc_combo.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "platform/forms/form.h"
#include "platform/forms/keys.h"
#include "platform/graphics/system_metrics.h"

namespace tarvelon {
namespace {

// While the list is down, a press anywhere outside the list and the combo closes it (as the
// system's drop-down list does).
class TOutsideClickWatch : public QObject {
public:
    explicit TOutsideClickWatch(TDcCustomCombo* combo) : combo_(combo) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        TDcComboList* list = combo_->List();
        QWidget* listWidget = list && list->HandleAllocated() ? list->Widget() : nullptr;
        QWidget* comboWidget = combo_->HandleAllocated() ? combo_->Widget() : nullptr;
        const bool mine = (listWidget && (widget == listWidget || listWidget->isAncestorOf(widget))) ||
                          (comboWidget && (widget == comboWidget || comboWidget->isAncestorOf(widget)));
        if (!mine)
            combo_->SetDroppedDown(false);
        return false;
    }

private:
    TDcCustomCombo* combo_;
};

}  // namespace

TDcCustomCombo::TDcCustomCombo(TComponent* owner)
    : TCustomControl(owner), buttonWidth_(GetSystemMetrics(SM_CXVSCROLL) + 2), labelFont_(std::make_unique<TFont>())
{
    SetBounds(Left(), Top(), 145, 21);
    SetTabStop(true);
    eraseBackground_ = false;
    TCustomControl::SetColor(clWindow);
    items_.OnChange = [this] { ItemsChanged(); };
    labelFont_->OnChange = [this] {
        ApplyLabelFont();
        PlaceLabel();
    };
}

TDcCustomCombo::~TDcCustomCombo()
{
    WatchOutsideClicks(false);
    items_.OnChange = nullptr;
    labelFont_->OnChange = nullptr;
}

// ---- Items and selection

void TDcCustomCombo::ItemsChanged()
{
    if (Loading())
        return;
    if (itemIndex_ >= items_.Count())
        itemIndex_ = -1;
    if (style_ == csDropDownList)
        TControl::SetText(itemIndex_ >= 0 ? items_.Strings(itemIndex_) : std::string());
    if (DroppedDown())
        list_->Open(list_->HotIndex());
    Invalidate();
}

void TDcCustomCombo::SetItemIndex(int index)
{
    // A description may give the index before the items: it is applied once all is read.
    if (Loading()) {
        itemIndex_ = index;
        return;
    }
    if (index < -1 || index >= items_.Count())
        index = -1;
    itemIndex_ = index;
    TControl::SetText(index >= 0 ? items_.Strings(index) : std::string());
    Invalidate();
}

void TDcCustomCombo::SetStyle(TComboBoxStyle style)
{
    if (style_ == style)
        return;
    style_ = style;
    Invalidate();
}

void TDcCustomCombo::UserChose(int index)
{
    if (index < 0 || index >= items_.Count())
        return;
    SetItemIndex(index);
    Click();
    if (OnSelect)
        OnSelect(this);
    else if (OnChange)
        OnChange(this);
}

bool TDcCustomCombo::DroppedDown() const
{
    return list_ && list_->Visible();
}

void TDcCustomCombo::SetDroppedDown(bool down)
{
    if (down == DroppedDown() || style_ == csSimple)
        return;
    if (!down) {
        CloseList(true);
        return;
    }
    if (OnDropDown)
        OnDropDown(this);
    if (!list_) {
        list_ = new TDcComboList(this);
        list_->SetParent(Parent());
    }
    list_->Open(itemIndex_);
    WatchOutsideClicks(true);
    // The button area shows the pressed state.
    Invalidate();
}

void TDcCustomCombo::CloseList(bool notify)
{
    if (!DroppedDown())
        return;
    WatchOutsideClicks(false);
    list_->Hide();
    Invalidate();
    if (!notify)
        return;
    if (OnCloseUp)
        OnCloseUp(this);
    if (OnDropUp)
        OnDropUp(this);
}

void TDcCustomCombo::ChooseFromList(int index)
{
    CloseList(true);
    UserChose(index);
}

void TDcCustomCombo::WatchOutsideClicks(bool watch)
{
    if (watch && !outsideWatch_) {
        outsideWatch_ = new TOutsideClickWatch(this);
        qApp->installEventFilter(outsideWatch_);
    } else if (!watch && outsideWatch_) {
        qApp->removeEventFilter(outsideWatch_);
        delete outsideWatch_;
        outsideWatch_ = nullptr;
    }
}

// ---- Properties

void TDcCustomCombo::SetFlat(bool value)
{
    if (flat_ == value)
        return;
    flat_ = value;
    if (flatParentColor_ && flat_ && Parent())
        TCustomControl::SetColor(Parent()->Color());
    else
        TCustomControl::SetColor(normalColor_);
    Invalidate();
}

void TDcCustomCombo::SetEtched(bool value)
{
    etched_ = value;
    Invalidate();
}

void TDcCustomCombo::SetFlatLineColor(TColor value)
{
    flatLineColor_ = value;
    Invalidate();
}

void TDcCustomCombo::SetFlatParentColor(bool value)
{
    flatParentColor_ = value;
    Invalidate();
}

void TDcCustomCombo::SetButtonWidth(int value)
{
    if (value < 14 || value > 32)
        return;
    buttonWidth_ = value;
    Invalidate();
}

void TDcCustomCombo::SetDropWidth(int value)
{
    dropWidth_ = value;
    if (dropWidth_ > 0 && DroppedDown())
        list_->Open(list_->HotIndex());
}

void TDcCustomCombo::SetColor(TColor color)
{
    if (Loading())
        normalColor_ = color;
    TCustomControl::SetColor(color);
}

void TDcCustomCombo::Loaded()
{
    TCustomControl::Loaded();
    SetItemIndex(itemIndex_);
    PlaceLabel();
    normalColor_ = Color();
    if (!flatParentColor_ || flat_)
        TCustomControl::SetColor(normalColor_);
    if (label_ && !labelAlwaysEnabled_)
        label_->SetEnabled(Enabled());
    restoreColor_ = Color();
    restoreKnown_ = true;
}

// ---- The attached label

void TDcCustomCombo::SetLabelCaption(const std::string& caption)
{
    labelCaption_ = caption;
    if (!label_) {
        label_ = new TLabel(this);
        label_->SetParent(Parent());
        ApplyLabelFont();
        label_->SetTransparent(labelTransparent_);
    }
    label_->SetCaption(caption);
    PlaceLabel();
}

void TDcCustomCombo::SetLabelPosition(TLabelPosition value)
{
    labelPosition_ = value;
    PlaceLabel();
}

void TDcCustomCombo::SetLabelMargin(int value)
{
    labelMargin_ = value;
    PlaceLabel();
}

void TDcCustomCombo::SetLabelTransparent(bool value)
{
    labelTransparent_ = value;
    if (label_)
        label_->SetTransparent(value);
}

void TDcCustomCombo::SetLabelAlwaysEnabled(bool value)
{
    labelAlwaysEnabled_ = value;
    if (label_)
        label_->SetEnabled(value || Enabled());
}

void TDcCustomCombo::ApplyLabelFont()
{
    if (!label_)
        return;
    if (!ParentFont())
        label_->SetFont(*labelFont_);
    label_->SetParentFont(ParentFont());
}

void TDcCustomCombo::PlaceLabel()
{
    if (!label_ || Destroying())
        return;
    const int L = Left(), T = Top(), W = Width(), H = Height();
    const int lw = label_->Width(), lh = label_->Height(), m = labelMargin_;
    TCanvas& canvas = label_->Canvas();
    canvas.Font.Assign(label_->Font());
    const int tw = canvas.TextWidth(labelCaption_);
    const int middleY = T + (H - lh) / 2;
    const int middleX = L + (W - lw) / 2;
    int top = T, left = L;
    switch (labelPosition_) {
    case lpLeftTop: top = T; left = L - tw - m; break;
    case lpLeftCenter: top = middleY; left = L - tw - m; break;
    case lpLeftBottom: top = T + H - lh; left = L - tw - m; break;
    case lpTopLeft: top = T - lh - m; left = L; break;
    case lpBottomLeft: top = T + H + m; left = L; break;
    case lpLeftTopLeft: top = T; left = L - m; break;
    case lpLeftCenterLeft: top = middleY; left = L - m; break;
    case lpLeftBottomLeft: top = T + H - lh; left = L - m; break;
    case lpTopCenter: top = T - lh - m; left = middleX; break;
    case lpBottomCenter: top = T + H + m; left = middleX; break;
    case lpRightTop: top = T; left = L + W + m; break;
    case lpRightCenter: top = middleY; left = L + W + m; break;
    case lpRighBottom: top = T + H - lh; left = L + W + m; break;
    }
    label_->SetBounds(left, top, lw, lh);
    label_->SetVisible(Visible());
}

void TDcCustomCombo::SetLabelBold(bool bold)
{
    if (!label_)
        return;
    TFontStyles style = label_->Font().Style();
    label_->Font().SetStyle(bold ? style + TFontStyles{fsBold} : style - TFontStyles{fsBold});
}

void TDcCustomCombo::SetBounds(int left, int top, int width, int height)
{
    TCustomControl::SetBounds(left, top, width, height);
    PlaceLabel();
}

void TDcCustomCombo::SetVisible(bool visible)
{
    TCustomControl::SetVisible(visible);
    if (!visible)
        CloseList(false);
    if (label_)
        label_->SetVisible(visible);
}

void TDcCustomCombo::SetEnabled(bool enabled)
{
    TCustomControl::SetEnabled(enabled);
    if (label_ && !labelAlwaysEnabled_)
        label_->SetEnabled(enabled);
}

void TDcCustomCombo::SetParent(TWinControl* parent)
{
    TCustomControl::SetParent(parent);
    if (label_)
        label_->SetParent(parent);
    if (list_)
        list_->SetParent(parent);
}

void TDcCustomCombo::FontChanged()
{
    TCustomControl::FontChanged();
    Invalidate();
}

void TDcCustomCombo::ParentFontChanged()
{
    TCustomControl::ParentFontChanged();
    ApplyLabelFont();
    PlaceLabel();
}

// ---- Focus colours

void TDcCustomCombo::ApplyFocusColor()
{
    if (focusColor_ == clNone)
        return;
    // A combo made in code (never loaded) keeps the colour it had before the focus came.
    if (!restoreKnown_) {
        restoreColor_ = Color();
        restoreKnown_ = true;
    }
    TCustomControl::SetColor(focusColor_);
}

void TDcCustomCombo::RestoreColor()
{
    if (restoreKnown_ && restoreColor_ != clNone && focusColor_ != clNone)
        TCustomControl::SetColor(restoreColor_);
}

void TDcCustomCombo::DoEnter()
{
    TCustomControl::DoEnter();
    hasFocus_ = true;
    ApplyFocusColor();
    if (focusLabel_)
        SetLabelBold(true);
    Invalidate();
}

void TDcCustomCombo::DoExit()
{
    TCustomControl::DoExit();
    CloseList(true);
    hasFocus_ = false;
    RestoreColor();
    SetLabelBold(false);
    Invalidate();
}

void TDcCustomCombo::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    if (flat_ && !Loading()) {
        if (!Enabled()) {
            savedColor_ = Color();
            savedParentColor_ = ParentColor();
            SetParentColor(true);
        } else {
            SetParentColor(savedParentColor_);
            TCustomControl::SetColor(savedColor_);
        }
    }
    if (!Enabled())
        CloseList(false);
    Invalidate();
}

// ---- Mouse

void TDcCustomCombo::MouseEnter()
{
    TCustomControl::MouseEnter();
    if (!Enabled())
        return;
    mouseInside_ = true;
    if (autoFocus_ && CanFocus()) {
        TForm* form = ParentForm();
        if (!form || form->Widget()->isActiveWindow())
            SetFocus();
    }
    Invalidate();
}

void TDcCustomCombo::MouseLeave()
{
    TCustomControl::MouseLeave();
    if (Enabled())
        mouseInside_ = false;
    hotButton_ = false;
    Invalidate();
}

void TDcCustomCombo::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    const bool hot = x > Width() - buttonWidth_ && x < Width();
    if (hot != hotButton_) {
        hotButton_ = hot;
        Invalidate();
    }
    // Pressed on the combo and dragged into its open list: the item under the mouse lights up.
    const int index = mouseDown_ ? ListItemUnder(x, y) : -1;
    if (index >= 0)
        list_->SetHotIndex(index);
}

int TDcCustomCombo::ListItemUnder(int x, int y) const
{
    if (!DroppedDown())
        return -1;
    const TPoint at = list_->ScreenToClient(ClientToScreen(Point(x, y)));
    return at.X >= 0 && at.X < list_->ClientWidth() ? list_->ItemAt(at.Y) : -1;
}

void TDcCustomCombo::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    mouseDown_ = true;
    if (CanFocus() && !Focused())
        SetFocus();
    // A list-only combo drops down wherever it is pressed; an editable one at its button.
    if (style_ == csDropDownList || x >= Width() - buttonWidth_)
        SetDroppedDown(!DroppedDown());
    Invalidate();
}

void TDcCustomCombo::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    // Released over an item of the list it dropped down: that item is chosen.
    const int index = mouseDown_ && button == mbLeft ? ListItemUnder(x, y) : -1;
    mouseDown_ = false;
    if (index >= 0)
        ChooseFromList(index);
    Invalidate();
}

bool TDcCustomCombo::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    if (DroppedDown())
        return list_->DoMouseWheel(shift, wheelDelta, mousePos);
    const int next = std::clamp(itemIndex_ + (wheelDelta < 0 ? 1 : -1), 0, items_.Count() - 1);
    if (items_.Count() > 0 && next != itemIndex_)
        UserChose(next);
    return true;
}

// ---- Keys

unsigned TDcCustomCombo::DialogCode() const
{
    // Enter and Escape belong to the open list.
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (DroppedDown() ? DLGC_WANTALLKEYS : 0u);
}

void TDcCustomCombo::KeyDown(unsigned short& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    const int count = items_.Count();
    // F4 alone or Alt with an arrow opens and closes the list; Alt+F4 goes on to close the window.
    const bool f4Alone = key == VK_F4 && !(shift & ssAlt);
    if (f4Alone || ((key == VK_DOWN || key == VK_UP) && (shift & ssAlt))) {
        SetDroppedDown(!DroppedDown());
        key = 0;
        return;
    }
    if (DroppedDown()) {
        // In the open list the keys move the highlight; Enter takes it, Escape leaves all as it was.
        int hot = list_->HotIndex();
        switch (key) {
        case VK_DOWN: hot = std::min(count - 1, hot + 1); break;
        case VK_UP: hot = std::max(0, hot - 1); break;
        case VK_NEXT: hot = std::min(count - 1, hot + list_->VisibleCount()); break;
        case VK_PRIOR: hot = std::max(0, hot - list_->VisibleCount()); break;
        case VK_HOME: hot = 0; break;
        case VK_END: hot = count - 1; break;
        case VK_RETURN: ChooseFromList(hot); key = 0; return;
        case VK_ESCAPE: CloseList(true); key = 0; return;
        default: return;
        }
        list_->SetHotIndex(hot);
        key = 0;
        return;
    }
    int next = itemIndex_;
    switch (key) {
    case VK_DOWN:
    case VK_RIGHT: next = itemIndex_ + 1; break;
    case VK_UP:
    case VK_LEFT: next = itemIndex_ - 1; break;
    case VK_HOME: next = 0; break;
    case VK_END: next = count - 1; break;
    case VK_NEXT: next = itemIndex_ + dropDownCount_ - 1; break;
    case VK_PRIOR: next = itemIndex_ - dropDownCount_ + 1; break;
    default: return;
    }
    key = 0;
    if (count == 0)
        return;
    next = std::clamp(next, 0, count - 1);
    if (next != itemIndex_)
        UserChose(next);
}

int TDcCustomCombo::NextItemStartingWith(char32_t letter, int after) const
{
    const QString wanted = QString::fromUcs4(&letter, 1);
    const int count = items_.Count();
    for (int step = 1; step <= count; ++step) {
        const int index = ((after + step) % count + count) % count;
        if (QString::fromStdString(items_.Strings(index)).startsWith(wanted, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

// A typed letter goes to the next item that starts with it, as in the standard list: in the open
// list it moves the highlight, otherwise it chooses the item.
void TDcCustomCombo::KeyPress(char32_t& key)
{
    TCustomControl::KeyPress(key);
    if (key < U' ' || style_ != csDropDownList || items_.Count() == 0)
        return;
    const bool open = DroppedDown();
    const int index = NextItemStartingWith(key, open ? list_->HotIndex() : itemIndex_);
    key = 0;
    if (index < 0)
        return;
    if (open)
        list_->SetHotIndex(index);
    else if (index != itemIndex_)
        UserChose(index);
}

}  // namespace tarvelon
