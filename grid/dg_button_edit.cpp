#include "grid/dg_button_edit.h"

#include <QLineEdit>

#include "grid/dg_shared_common.h"
#include "grid/dg_themes_support.h"
#include "platform/forms/keys.h"
#include "platform/graphics/edges.h"

namespace tarvelon {

// ---- TDgSmallButton

TDgSmallButton::TDgSmallButton(TDgCustomButtonEdit* editor) : TCustomControl(editor), editor_(editor)
{
    eraseBackground_ = false;
}

void TDgSmallButton::SetDown(bool value)
{
    if (down_ == value)
        return;
    down_ = value;
    Invalidate();
}

void TDgSmallButton::SetHover(bool value)
{
    if (hover_ == value)
        return;
    hover_ = value;
    Invalidate();
}

int TDgSmallButton::ThemedState() const
{
    if (!editor_->Enabled())
        return 4;
    return down_ ? 3 : hover_ ? 2 : 1;
}

void TDgSmallButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    if (editor_->Visible() && editor_->CanFocus() && !editor_->Focused())
        editor_->SetFocus();
    SetDown(true);
    Repaint();
    if (OnButtonDown)
        OnButtonDown(this);
}

void TDgSmallButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (!down_)
        return;
    SetDown(false);
    Repaint();
    if (OnButtonUp)
        OnButtonUp(this);
}

void TDgSmallButton::MouseEnter()
{
    TCustomControl::MouseEnter();
    SetHover(true);
}

void TDgSmallButton::MouseLeave()
{
    TCustomControl::MouseLeave();
    SetHover(false);
}

void TDgExecuteButton::Paint()
{
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    if (IsThemed()) {
        ThemeRect(this, canvas, rect, "button", BP_PUSHBUTTON, ThemedState());
    } else {
        canvas.Brush.SetColor(clBtnFace);
        canvas.Brush.SetStyle(bsSolid);
        canvas.FillRect(rect);
        canvas.Brush.SetColor(clBtnShadow);
        canvas.FrameRect(rect);
        TRect inner = rect;
        InflateRect(inner, -1, -1);
        DrawEdge(canvas, inner, Down() ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    TBitmap& glyph = Editor()->Glyph();
    if (!glyph.Empty())
        TDrawProvider::DrawBitmap(canvas, Width() / 2 - glyph.Width() / 2, Height() / 2 - glyph.Height() / 2, glyph);
    canvas.Font.Assign(Editor()->Font());
    DrawTextRect(canvas, rect, false, Caption(), 2);
}

void TDropDownButton::Paint()
{
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    if (IsThemed()) {
        ThemeRect(this, canvas, rect, "combobox", CP_DROPDOWNBUTTON, ThemedState());
        return;
    }
    unsigned flags = DFCS_SCROLLCOMBOBOX | DFCS_ADJUSTRECT;
    if (Down())
        flags |= DFCS_PUSHED;
    if (!Editor()->Enabled())
        flags |= DFCS_INACTIVE;
    DrawFrameControl(canvas, rect, DFC_SCROLL, flags);
}

// ---- TDgCustomButtonEdit

TDgCustomButtonEdit::TDgCustomButtonEdit(TComponent* owner) : TDgEdit(owner)
{
    BuildParts();
}

TDgCustomButtonEdit::~TDgCustomButtonEdit()
{
    if (popup_ && popup_->MouseCapture())
        popup_->SetMouseCapture(false);
}

void TDgCustomButtonEdit::BuildParts()
{
    Free(button_);
    button_ = ButtonClass();
    button_->SetParent(this);
    button_->OnButtonUp = [this](TObject*) { DoButtonClick(); };
    Free(popup_);
    popup_ = nullptr;
    CreatePopup();
    UpdateLayout();
}

void TDgCustomButtonEdit::GetTextMargins(int& left, int& right)
{
    TDgEdit::GetTextMargins(left, right);
    if (button_)
        right = button_->ButtonWidth();
}

void TDgCustomButtonEdit::PlaceButton()
{
    const TRect client = DisplayClientRect();
    const int width = button_->ButtonWidth();
    button_->SetBounds(client.Right - width, client.Top, width, client.Height());
    button_->Show();
}

void TDgCustomButtonEdit::PlaceChildren()
{
    TDgEdit::PlaceChildren();
    if (button_)
        PlaceButton();
}

void TDgCustomButtonEdit::DoButtonClick()
{
    if (OnButtonClick)
        OnButtonClick(this);
}

void TDgCustomButtonEdit::DoSelect(const std::string& value)
{
    ApplyValue(value);
    if (popup_)
        popup_->ClosePopup();
    button_->SetHover(false);
    button_->SetDown(false);
}

void TDgCustomButtonEdit::PasteFromClipboard()
{
    if (!options_.Contains(epDisablePaste))
        TDgEdit::PasteFromClipboard();
}

void TDgCustomButtonEdit::KeyDown(unsigned short& key, TShiftState shift)
{
    if (options_.Contains(epDisableTyping) && (key == VK_BACK || key == VK_CLEAR || key == VK_DELETE)) {
        key = 0;
        return;
    }
    TDgEdit::KeyDown(key, shift);
}

void TDgCustomButtonEdit::KeyPress(char32_t& key)
{
    if (options_.Contains(epDisableTyping)) {
        key = 0;
        return;
    }
    TDgEdit::KeyPress(key);
}

void TDgCustomButtonEdit::MouseEnter()
{
    TDgEdit::MouseEnter();
    button_->SetHover(true);
}

void TDgCustomButtonEdit::MouseLeave()
{
    TDgEdit::MouseLeave();
    button_->SetHover(false);
}

// ---- TDgPopupEdit

TDgPopupEdit::TDgPopupEdit(TComponent* owner) : TDgCustomButtonEdit(owner)
{
    BuildParts();
}

void TDgPopupEdit::CreatePopup()
{
    popup_ = PopupClass();
    popup_->Hide();
    popup_->OnCloseUp = [this](TObject*) { Button().SetDown(false); };
    popup_->OnSelect = [this](TObject*, const std::string& value) { DoSelect(value); };
    popup_->CloseEditor = [this] { SetDropped(false); };
    Button().OnButtonDown = [this](TObject*) { DropDown(); };
}

void TDgPopupEdit::SetStyle(TDropDownStyle style)
{
    style_ = style;
    SetReadOnly(style == dsDropDownList);
    SetCursor(style == dsDropDownList ? crArrow : crDefault);
    if (QWidget* widget = HandleAllocated() ? Widget() : nullptr)
        widget->update();
}

TCursor TDgPopupEdit::CursorAt(int x, int y) const
{
    if (style_ == dsDropDownList)
        return crArrow;
    return TDgCustomButtonEdit::CursorAt(x, y);
}

void TDgPopupEdit::DropDown()
{
    SetDropped(true);
}

void TDgPopupEdit::SetDropped(bool value)
{
    if (value == dropped_)
        return;
    if (value) {
        const TPoint point = ClientToScreen(Point(-1, ClientHeight()));
        popup_->SetFont(Font());
        popup_->SetWidth(Width());
        popup_->SetText(Text());
        PreparePopup(point);
        dropped_ = true;
        popup_->Popup(point.X, point.Y);
        if (style_ == dsDropDownList && HandleAllocated())
            Widget()->update();
        return;
    }
    popup_->SetClosed(true);
    popup_->SetMouseCapture(false);
    dropped_ = false;
    Button().SetDown(false);
    popup_->Hide();
    DoCloseUp();
}

void TDgPopupEdit::DoCloseUp()
{
    if (OnCloseUp)
        OnCloseUp(this);
}

void TDgPopupEdit::DoSelect(const std::string& value)
{
    if (OnSelect)
        OnSelect(this);
    TDgCustomButtonEdit::DoSelect(value);
}

void TDgPopupEdit::KeyDown(unsigned short& key, TShiftState shift)
{
    if ((key == VK_UP || key == VK_DOWN) && (shift & ssAlt)) {
        SetDropped(!dropped_);
        key = 0;
        return;
    }
    if (key == VK_RETURN && dropped_)
        popup_->ClosePopup();
    TDgCustomButtonEdit::KeyDown(key, shift);
}

void TDgPopupEdit::KeyPress(char32_t& key)
{
    if (key == 27 && dropped_) {
        popup_->ClosePopup();
        key = 0;
        return;
    }
    TDgCustomButtonEdit::KeyPress(key);
}

void TDgPopupEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TDgCustomButtonEdit::MouseDown(button, shift, x, y);
    if (button == mbLeft && style_ == dsDropDownList && !dropped_) {
        Button().SetDown(true);
        DropDown();
    }
}

void TDgPopupEdit::DoEnter()
{
    TDgCustomButtonEdit::DoEnter();
    if (style_ == dsDropDownList && HandleAllocated())
        Widget()->update();
}

void TDgPopupEdit::DoExit()
{
    SetDropped(false);
    if (HandleAllocated())
        Widget()->update();
    TDgCustomButtonEdit::DoExit();
}

void TDgPopupEdit::VisibleChanged()
{
    TDgCustomButtonEdit::VisibleChanged();
    if (popup_)
        SetDropped(false);
}

void TDgPopupEdit::PaintDisplay(TCanvas& canvas)
{
    const TRect client = DisplayClientRect();
    const TRect area = Rect(client.Left, client.Top, client.Right - Button().ButtonWidth(), client.Bottom);
    const bool focused = Focused();
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(focused ? clHighlight : Color());
    canvas.FillRect(area);
    if (focused && !hideFocus_)
        TGraphicsProvider::DrawFocus(canvas, area, false);
    TRect text = Rect(area.Left + EditMargins().Left() + InfoWidth(), area.Top, area.Right - EditMargins().Right(),
                      area.Bottom);
    if (BorderStyle() == bsSingle) {
        InflateRect(text, -BorderWidth(), -BorderWidth());
        InflateRect(text, -2, -2);
    }
    canvas.Font.Assign(Font());
    canvas.Font.SetColor(!Enabled() ? clGrayText : focused ? clHighlightText : Font().Color());
    const int alignment = Alignment() == taRightJustify ? 1 : Alignment() == taCenter ? 2 : 0;
    TGraphicsProvider::DrawTextRectEx(canvas, text, BiDiMode() != 0, Text(), false, 2, alignment);
}

}  // namespace tarvelon
