#include "grid/dg_combo_box.h"

#include <QString>

#include <algorithm>

#include "platform/forms/keys.h"
#include "platform/graphics/geometry.h"
#include "platform/forms/text_utils.h"

namespace tarvelon {
namespace {

char32_t FoldedFirstLetter(const std::string& text)
{
    const QString folded = ToQString(text).toLower();
    return folded.isEmpty() ? 0 : folded.toStdU32String()[0];
}

char32_t Folded(char32_t c)
{
    const QString folded = QString::fromUcs4(&c, 1).toLower();
    return folded.toStdU32String()[0];
}

}  // namespace

TDgComboBox::TDgComboBox(TComponent* owner) : TDgPopupEdit(owner)
{
    BuildParts();
}

void TDgComboBox::SetItemIndex(int index)
{
    itemIndex_ = index;
    if (!Loading()) {
        settingIndex_ = true;
        const bool valid = index >= 0 && index < items_.Count();
        SetText(valid ? ItemDisplayText(items_.Strings(index), displayMode_) : std::string());
        settingIndex_ = false;
    }
    List().SetItemIndex(index);
    if (ShowPreview())
        Info().Invalidate();
}

void TDgComboBox::Loaded()
{
    TDgPopupEdit::Loaded();
    SetItemIndex(itemIndex_);
}

void TDgComboBox::ChangeScale(int m, int d)
{
    TDgPopupEdit::ChangeScale(m, d);
    if (m != d && d != 0)
        itemHeight_ = std::max(1, MulDiv(itemHeight_, m, d));
}

void TDgComboBox::SetStyle(TDropDownStyle style)
{
    TDgPopupEdit::SetStyle(style);
    if (style == dsDropDownList)
        SetItemIndex(itemIndex_);
}

void TDgComboBox::EditTextChanged()
{
    if (settingIndex_ || displayMode_ != dmDefault)
        return;
    if (items_.IndexOf(Text()) < 0)
        itemIndex_ = -1;
}

void TDgComboBox::PreparePopup(TPoint point)
{
    TDgPopupList& list = List();
    list.SetColor(dropDownColor_);
    list.SetDropDownCount(dropDownCount_);
    list.SetHighlightTextColor(highlightTextColor_);
    list.SetDisplayMode(displayMode_);
    list.SetItems(&items_);
    list.SetImages(images_);
    list.SetItemHeight(itemHeight_);
    list.SetSelectionColor(selectionColor_);
    list.SetShowImages(images_ != nullptr);
    const int width = std::max(listWidth_ >= 1 ? listWidth_ : Width(), Width());
    const int rows = items_.Count() <= dropDownCount_ ? items_.Count() : dropDownCount_;
    list.SetBounds(list.Left(), list.Top(), width, rows * itemHeight_ + 4);
    list.SetItemIndex(itemIndex_);
}

void TDgComboBox::DoSelect(const std::string& value)
{
    SetItemIndex(List().ItemIndex());
    TDgPopupEdit::DoSelect(value);
}

void TDgComboBox::MoveItemIndex(int delta)
{
    if (items_.Count() == 0)
        return;
    // Set even when unchanged: an open list then highlights the item again.
    const int from = Dropped() ? List().HoverIndex() : itemIndex_;
    SetItemIndex(std::clamp(from + delta, 0, items_.Count() - 1));
}

void TDgComboBox::KeyDown(unsigned short& key, TShiftState shift)
{
    TDgPopupEdit::KeyDown(key, shift);
    if ((key == VK_UP || key == VK_DOWN) && !(shift & ssAlt)) {
        MoveItemIndex(key == VK_UP ? -1 : 1);
        key = 0;
    }
}

int TDgComboBox::FindByFirstLetter(char32_t letter, int start) const
{
    for (int index = std::max(0, start); index < items_.Count(); ++index) {
        if (FoldedFirstLetter(items_.Strings(index)) == letter)
            return index;
    }
    return -1;
}

void TDgComboBox::KeyPress(char32_t& key)
{
    TDgPopupEdit::KeyPress(key);
    if (key == 0 || Style() != dsDropDownList || key < 32)
        return;
    const char32_t letter = Folded(key);
    const bool onSameLetter = itemIndex_ >= 0 && itemIndex_ < items_.Count() &&
                              FoldedFirstLetter(items_.Strings(itemIndex_)) == letter;
    const int found = FindByFirstLetter(letter, onSameLetter ? itemIndex_ + 1 : 0);
    if (found >= 0)
        SetItemIndex(found);
    key = 0;
}

bool TDgComboBox::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    if (Dropped())
        List().VertScrollBar().MoveBy(1);
    else
        MoveItemIndex(1);
    return true;
}

bool TDgComboBox::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    if (Dropped())
        List().VertScrollBar().MoveBy(-1);
    else
        MoveItemIndex(-1);
    return true;
}

void TDgComboBox::PaintPreview(TCanvas& canvas, const TRect& rect)
{
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(Focused() && Style() == dsDropDownList ? clHighlight : Color());
    canvas.FillRect(rect);
    if (images_ && itemIndex_ >= 0)
        images_->Draw(canvas, rect.Left + 1, ClientHeight() / 2 - images_->Height() / 2, itemIndex_);
}

}  // namespace tarvelon
