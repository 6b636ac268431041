// The column kinds: cell kind, features, editor, painter and the text shown for a cell.
#include "grid/dg_column_classes.h"

#include "core/basics/cp1252.h"
#include "grid/dg_column_painters.h"
#include "grid/dg_combo_box.h"
#include "grid/dg_date_picker.h"
#include "grid/dg_edit.h"
#include "grid/dg_number_edit.h"
#include "platform/forms/class_registry.h"

namespace tarvelon {

namespace {

template <typename TDisplay>
TDisplayFactory DisplayOf()
{
    return [](TDgCustomColumn* column) -> TColumnDisplay* { return new TDisplay(column); };
}

template <typename TEditor>
TEditorFactory EditorOf()
{
    return [](TDgCustomColumn* column) -> TDgCustomEdit* {
        auto* editor = new TEditor(column);
        editor->SetVisible(false);
        return editor;
    };
}

// Stores a property and tells the grid that the column looks different.
template <typename T, typename V>
void Store(TDgCustomColumn* column, T& field, const V& value)
{
    field = value;
    column->Changed(6);
}

std::string Repeated(char32_t c, std::size_t count)
{
    std::u32string wide(count, c);
    std::string out;
    for (char32_t ch : wide) {
        // UTF-8 of one code point
        if (ch < 0x80) {
            out += static_cast<char>(ch);
        } else if (ch < 0x800) {
            out += static_cast<char>(0xC0 | (ch >> 6));
            out += static_cast<char>(0x80 | (ch & 0x3F));
        } else if (ch < 0x10000) {
            out += static_cast<char>(0xE0 | (ch >> 12));
            out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (ch & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (ch >> 18));
            out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (ch & 0x3F));
        }
    }
    return out;
}

char32_t LowerLatin(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ? c + 32 : c; }

// The first character of a UTF-8 text.
char32_t FirstChar(const std::string& text)
{
    if (text.empty())
        return 0;
    auto b = static_cast<unsigned char>(text[0]);
    if (b < 0x80 || text.size() < 2)
        return b;
    if (b < 0xE0)
        return ((b & 0x1F) << 6) | (static_cast<unsigned char>(text[1]) & 0x3F);
    if (b < 0xF0 && text.size() >= 3)
        return ((b & 0x0F) << 12) | ((static_cast<unsigned char>(text[1]) & 0x3F) << 6) |
               (static_cast<unsigned char>(text[2]) & 0x3F);
    return b;
}

}  // namespace

// ---- text ----

TDgTextColumn::TDgTextColumn(TComponent* owner) : TDgCustomColumn(owner)
{
    SetOptions({coCanClick, coCanInput, coCanSort, coPublicUsing, coShowTextFitHint});
}

void TDgTextColumn::SetMaxLength(int value) { Store(this, maxLength_, value); }
void TDgTextColumn::SetMultiLine(bool value) { Store(this, multiLine_, value); }
void TDgTextColumn::SetPasswordChar(char32_t value) { Store(this, passwordChar_, value); }
void TDgTextColumn::SetTextAfter(const std::string& value) { Store(this, textAfter_, value); }
void TDgTextColumn::SetTextBefore(const std::string& value) { Store(this, textBefore_, value); }

TDisplayFactory TDgTextColumn::GetDisplayClass() const { return DisplayOf<TTextColumnDisplay>(); }
TEditorFactory TDgTextColumn::GetEditorClass() const { return EditorOf<TDgEdit>(); }

std::string TDgTextColumn::GetDrawText(const TCellInfo& info) const
{
    std::string text = Wrapped(info.TextValue);
    if (passwordChar_ != 0)
        return Repeated(passwordChar_, Utf8Length(text));
    return text;
}

void TDgTextColumn::PrepareEditor()
{
    TDgCustomColumn::PrepareEditor();
    if (TDgCustomEdit* editor = Editor()) {
        editor->SetMaxLength(maxLength_);
        editor->SetPasswordChar(passwordChar_);
    }
}

void TDgPopupColumn::EditorCreated()
{
    if (auto* popup = dynamic_cast<TDgPopupEdit*>(Editor())) {
        popup->OnCloseUp = [this](TObject*) { DoCloseUp(); };
        popup->OnSelect = [this](TObject*) { DoSelect(); };
    }
}

void TDgPopupColumn::DoCloseUp()
{
    if (OnCloseUp)
        OnCloseUp(this);
}

void TDgPopupColumn::DoSelect()
{
    if (OnSelect)
        OnSelect(this);
}

// ---- strings and combo box ----

void TDgStringsColumn::SetDisplayMode(TDisplayMode value) { Store(this, displayMode_, value); }
void TDgStringsColumn::SetDropDownCount(int value) { Store(this, dropDownCount_, value); }
void TDgStringsColumn::SetImages(TCustomImageList* value) { Store(this, images_, value); }
void TDgStringsColumn::SetListWidth(int value) { Store(this, listWidth_, value); }
TDisplayFactory TDgStringsColumn::GetDisplayClass() const { return DisplayOf<TStringsColumnDisplay>(); }

void TDgStringsColumn::PrepareEditor()
{
    TDgPopupColumn::PrepareEditor();
    auto* combo = dynamic_cast<TDgComboBox*>(Editor());
    if (!combo)
        return;
    combo->SetDropDownCount(dropDownCount_);
    combo->SetImages(images_);
    combo->Items().Assign(items_.ToVector());
    combo->SetListWidth(listWidth_);
    combo->SetPreviewBorder(false);
    combo->SetShowPreview(displayMode_ != dmTextOnly);
}

void TDgComboBoxColumn::PrepareEditor()
{
    TDgStringsColumn::PrepareEditor();
    auto* combo = dynamic_cast<TDgComboBox*>(Editor());
    if (!combo)
        return;
    bool list = style_ == cbsDropDownList;
    combo->SetStyle(list ? dsDropDownList : dsDropDown);  // a list only: read-only, with the arrow
    combo->SetCursor(list ? crArrow : crDefault);
    combo->SetDisplayMode(dataMode_);
}

void TDgComboBoxColumn::AfterEditorPrepared()
{
    auto* combo = dynamic_cast<TDgComboBox*>(Editor());
    if (!combo || style_ != cbsDropDownList)
        return;
    for (int i = 0; i < combo->Items().Count(); ++i)
        if (combo->Items()[i] == combo->Text()) {
            combo->SetItemIndex(i);
            return;
        }
}

void TDgComboBoxColumn::SetDataMode(TItemsDisplayMode value) { Store(this, dataMode_, value); }
void TDgComboBoxColumn::SetStyle(TCompoBoxStyle value) { Store(this, style_, value); }
TEditorFactory TDgComboBoxColumn::GetEditorClass() const { return EditorOf<TDgComboBox>(); }

bool TDgComboBoxColumn::IsEditKey(char32_t key) const
{
    if (style_ != cbsDropDownList)
        return TDgStringsColumn::IsEditKey(key);
    for (int i = 0; i < Items().Count(); ++i)
        if (LowerLatin(FirstChar(Items()[i])) == LowerLatin(key) && key != 0)
            return true;
    return false;
}

// ---- date ----

TDgDateColumn::TDgDateColumn(TComponent* owner) : TDgPopupColumn(owner)
{
    SetKind(ckDateTime);
    SetSortType(stDate);
    SetDefaultValue(DateTimeToStr(Date()));
}

void TDgDateColumn::SetDateSeparator(char value) { Store(this, dateSeparator_, value); }
void TDgDateColumn::SetEmptyCaption(const std::string& value) { Store(this, emptyCaption_, value); }
void TDgDateColumn::SetFormatMask(const std::string& value) { Store(this, formatMask_, value); }
void TDgDateColumn::SetHideWhenEmpty(bool value) { Store(this, hideWhenEmpty_, value); }
void TDgDateColumn::SetShowNoneButton(bool value) { Store(this, showNoneButton_, value); }
void TDgDateColumn::SetStartDay(TStartDayOfWeek value) { Store(this, startDay_, value); }
TDisplayFactory TDgDateColumn::GetDisplayClass() const { return DisplayOf<TDateColumnDisplay>(); }
TEditorFactory TDgDateColumn::GetEditorClass() const { return EditorOf<TDgDatePicker>(); }

void TDgDateColumn::PrepareEditor()
{
    TDgPopupColumn::PrepareEditor();
    auto* picker = dynamic_cast<TDgDatePicker*>(Editor());
    if (!picker)
        return;
    picker->SetShowNoneButton(showNoneButton_);
    picker->SetStyle(dsDropDown);  // typed dates are allowed
    picker->SetCursor(crDefault);
    picker->SetStartDay(startDay_);
}

std::string TDgDateColumn::GetDrawText(const TCellInfo& info) const
{
    if (info.DateValue == 0 && hideWhenEmpty_)
        return Wrapped(emptyCaption_);
    return Wrapped(formatMask_.empty() ? DateTimeToStr(info.DateValue) : FormatDateTime(formatMask_, info.DateValue));
}

bool TDgDateColumn::IsEditKey(char32_t key) const
{
    return (key >= '0' && key <= '9') || key == static_cast<unsigned char>(dateSeparator_);
}

// ---- numbers ----

TDgCustomNumberColumn::TDgCustomNumberColumn(TComponent* owner) : TDgCustomColumn(owner)
{
    SetKind(ckFloat);
    SetSortType(stNumeric);
    SetDefaultValue("0");
}

void TDgCustomNumberColumn::SetEditOptions(TDgNumberEditOptions value) { Store(this, editOptions_, value); }
void TDgCustomNumberColumn::SetEmptyCaption(const std::string& value) { Store(this, emptyCaption_, value); }
void TDgCustomNumberColumn::SetFormatMask(const std::string& value) { Store(this, formatMask_, value); }
void TDgCustomNumberColumn::SetHideWhenEmpty(bool value) { Store(this, hideWhenEmpty_, value); }
void TDgCustomNumberColumn::SetMax(double value) { Store(this, max_, value); }
void TDgCustomNumberColumn::SetMin(double value) { Store(this, min_, value); }
void TDgCustomNumberColumn::SetTextAfter(const std::string& value) { Store(this, textAfter_, value); }
void TDgCustomNumberColumn::SetTextBefore(const std::string& value) { Store(this, textBefore_, value); }
TDisplayFactory TDgCustomNumberColumn::GetDisplayClass() const { return DisplayOf<TNumberColumnDisplay>(); }

std::string TDgCustomNumberColumn::GetDrawText(const TCellInfo& info) const
{
    if (hideWhenEmpty_ && info.FloatValue == 0)
        return emptyCaption_;
    std::string number = formatMask_.empty() ? FloatToStr(info.FloatValue) : FormatFloat(formatMask_, info.FloatValue);
    return textBefore_ + number + textAfter_;
}

bool TDgCustomNumberColumn::IsEditKey(char32_t key) const
{
    if (key >= '0' && key <= '9')
        return true;
    if ((key == '+' || key == '-') && editOptions_.Contains(eoAllowSigns))
        return true;
    return key == static_cast<unsigned char>(FormatSettings.DecimalSeparator) && editOptions_.Contains(eoAllowFloat);
}

void TDgCustomNumberColumn::PrepareEditor()
{
    TDgCustomColumn::PrepareEditor();
    auto* editor = dynamic_cast<TDgCustomNumberEdit*>(Editor());
    if (!editor)
        return;
    editor->SetOptions(editOptions_);
    editor->SetMin(min_);
    editor->SetMax(max_);
    editor->SetTextAfter(textAfter_);
}

void TDgNumberColumn::PrepareEditor()
{
    TDgCustomNumberColumn::PrepareEditor();
    if (auto* spin = dynamic_cast<TDgSpinEdit*>(Editor())) {
        spin->SetIncrement(increment_);
        spin->SetSpinButtons(spinButtons_);
    }
}

void TDgNumberColumn::AfterEditorPrepared()
{
    if (auto* editor = dynamic_cast<TDgCustomNumberEdit*>(Editor()))
        editor->SetPrecision(precision_);
}

TDgNumberColumn::TDgNumberColumn(TComponent* owner) : TDgCustomNumberColumn(owner) { SetAlignment(taRightJustify); }

void TDgNumberColumn::SetIncrement(double value) { Store(this, increment_, value); }
void TDgNumberColumn::SetPrecision(int value) { Store(this, precision_, value); }
void TDgNumberColumn::SetSpinButtons(bool value) { Store(this, spinButtons_, value); }
TEditorFactory TDgNumberColumn::GetEditorClass() const { return EditorOf<TDgSpinEdit>(); }

// ---- image and progress ----

TDgImageColumn::TDgImageColumn(TComponent* owner) : TDgCustomColumn(owner)
{
    SetKind(ckInteger);
    SetSortType(stNumeric);
    SetDefaultValue("0");
}

void TDgImageColumn::SetImages(TCustomImageList* value) { Store(this, images_, value); }
void TDgImageColumn::SetTransparent(bool value) { Store(this, transparent_, value); }
TDisplayFactory TDgImageColumn::GetDisplayClass() const { return DisplayOf<TImageColumnDisplay>(); }

TDgProgressColumn::TDgProgressColumn(TComponent* owner) : TDgCustomColumn(owner)
{
    SetKind(ckFloat);
    SetSortType(stNumeric);
    SetDefaultValue("0");
}

void TDgProgressColumn::SetBorderColor(TColor value) { Store(this, borderColor_, value); }
void TDgProgressColumn::SetHideWhenEmpty(bool value) { Store(this, hideWhenEmpty_, value); }
void TDgProgressColumn::SetHighValueBound(double value) { Store(this, highValueBound_, value); }
void TDgProgressColumn::SetHighValueColor(TColor value) { Store(this, highValueColor_, value); }
void TDgProgressColumn::SetLowValueBound(double value) { Store(this, lowValueBound_, value); }
void TDgProgressColumn::SetLowValueColor(TColor value) { Store(this, lowValueColor_, value); }
void TDgProgressColumn::SetMargin(int value) { Store(this, margin_, value); }
void TDgProgressColumn::SetMax(double value) { Store(this, max_, value); }
void TDgProgressColumn::SetProgressColor(TColor value) { Store(this, progressColor_, value); }
void TDgProgressColumn::SetProgressHeight(int value) { Store(this, progressHeight_, value); }
void TDgProgressColumn::SetProgressStyle(TProgressStyle value) { Store(this, progressStyle_, value); }
void TDgProgressColumn::SetRoundCorners(bool value) { Store(this, roundCorners_, value); }
void TDgProgressColumn::SetShowText(bool value) { Store(this, showText_, value); }
void TDgProgressColumn::SetTextPosition(TProgressTextPosition value) { Store(this, textPosition_, value); }
void TDgProgressColumn::SetTransparent(bool value) { Store(this, transparent_, value); }
TDisplayFactory TDgProgressColumn::GetDisplayClass() const { return DisplayOf<TProgressColumnDisplay>(); }

// ---- tree and row number ----

void TDgTreeColumn::SetExpandLock(bool value) { Store(this, expandLock_, value); }
void TDgTreeColumn::SetHighlightButton(bool value) { Store(this, highlightButton_, value); }
void TDgTreeColumn::SetShowButtons(bool value) { Store(this, showButtons_, value); }
void TDgTreeColumn::SetShowLines(bool value) { Store(this, showLines_, value); }
TDisplayFactory TDgTreeColumn::GetDisplayClass() const { return DisplayOf<TTreeColumnDisplay>(); }
TEditorFactory TDgTreeColumn::GetEditorClass() const { return EditorOf<TDgEdit>(); }

TPlayFactory TDgTreeColumn::GetPlayClass() const
{
    return [](TDgCustomColumn* column) -> TColumnPlay* { return new TTreeColumnPlay(column); };
}

TDgIncrementColumn::TDgIncrementColumn(TComponent* owner) : TDgCustomColumn(owner) { SetKind(ckIncrement); }
TDisplayFactory TDgIncrementColumn::GetDisplayClass() const { return DisplayOf<TIncrementColumnDisplay>(); }

void RegisterColumnClasses()
{
    RegisterComponentClass<TDgTextColumn>("TDgTextColumn");
    RegisterComponentClass<TDgPopupColumn>("TDgPopupColumn");
    RegisterComponentClass<TDgStringsColumn>("TDgStringsColumn");
    RegisterComponentClass<TDgComboBoxColumn>("TDgComboBoxColumn");
    RegisterComponentClass<TDgDateColumn>("TDgDateColumn");
    RegisterComponentClass<TDgCustomNumberColumn>("TDgCustomNumberColumn");
    RegisterComponentClass<TDgNumberColumn>("TDgNumberColumn");
    RegisterComponentClass<TDgImageColumn>("TDgImageColumn");
    RegisterComponentClass<TDgProgressColumn>("TDgProgressColumn");
    RegisterComponentClass<TDgTreeColumn>("TDgTreeColumn");
    RegisterComponentClass<TDgIncrementColumn>("TDgIncrementColumn");
}

}  // namespace tarvelon
