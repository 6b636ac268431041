#pragma once
// The column classes the game's forms place in a grid: text, popup, strings, combo box, date, number,
// image, progress, tree and row-number columns. Each differs in its cell kind, its feature bits, its
// in-place editor, its cell painter and how it forms the text shown for a cell.
#include <string>

#include "grid/dg_columns.h"
#include "grid/dg_date_popup.h"   // TStartDayOfWeek
#include "grid/dg_number_edit.h"  // TDgNumberEditOptions
#include "grid/dg_popup_control.h"  // TItemsDisplayMode
#include "grid/dg_sysutils.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/strings.h"

namespace tarvelon {

class TDgTextColumn : public TDgCustomColumn {
public:
    explicit TDgTextColumn(TComponent* owner);
    std::string ClassName() const override { return "TDgTextColumn"; }

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    char32_t PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char32_t value);
    const std::string& TextAfter() const { return textAfter_; }
    void SetTextAfter(const std::string& value);
    const std::string& TextBefore() const { return textBefore_; }
    void SetTextBefore(const std::string& value);

    std::uint8_t GetFeatures() const override { return 42; }
    TDisplayFactory GetDisplayClass() const override;
    TEditorFactory GetEditorClass() const override;
    bool IsMultiLine() const override { return multiLine_; }
    std::string GetDrawText(const TCellInfo& info) const override;
    bool IsEditKey(char32_t key) const override { return key > 32; }
    void PrepareEditor() override;

protected:
    // TextBefore + text + TextAfter.
    std::string Wrapped(const std::string& text) const { return textBefore_ + text + textAfter_; }

private:
    int maxLength_ = 0;
    bool multiLine_ = false;
    char32_t passwordChar_ = 0;
    std::string textAfter_, textBefore_;
};

class TDgPopupColumn : public TDgTextColumn {
public:
    explicit TDgPopupColumn(TComponent* owner) : TDgTextColumn(owner) {}
    std::string ClassName() const override { return "TDgPopupColumn"; }
    std::function<void(TObject*)> OnCloseUp;
    std::function<void(TObject*)> OnSelect;
    virtual void DoCloseUp();
    virtual void DoSelect();

protected:
    // The drop-down editor's close-up and select events become the column's.
    void EditorCreated() override;
};

class TDgStringsColumn : public TDgPopupColumn {
public:
    explicit TDgStringsColumn(TComponent* owner) : TDgPopupColumn(owner) {}
    std::string ClassName() const override { return "TDgStringsColumn"; }

    TDisplayMode DisplayMode() const { return displayMode_; }
    void SetDisplayMode(TDisplayMode value);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int value);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* value);
    TStrings& Items() { return items_; }
    const TStrings& Items() const { return items_; }
    int ListWidth() const { return listWidth_; }
    void SetListWidth(int value);

    TDisplayFactory GetDisplayClass() const override;
    void PrepareEditor() override;

private:
    TDisplayMode displayMode_ = dmTextOnly;
    int dropDownCount_ = 8;
    TCustomImageList* images_ = nullptr;
    TStrings items_;
    int listWidth_ = 0;
};

enum TCompoBoxStyle : std::uint8_t { cbsDropDown, cbsDropDownList };

class TDgComboBoxColumn : public TDgStringsColumn {
public:
    explicit TDgComboBoxColumn(TComponent* owner) : TDgStringsColumn(owner) {}
    std::string ClassName() const override { return "TDgComboBoxColumn"; }

    TItemsDisplayMode DataMode() const { return dataMode_; }
    void SetDataMode(TItemsDisplayMode value);
    TCompoBoxStyle Style() const { return style_; }
    void SetStyle(TCompoBoxStyle value);

    TEditorFactory GetEditorClass() const override;
    bool IsEditKey(char32_t key) const override;
    void PrepareEditor() override;
    void AfterEditorPrepared() override;

private:
    TItemsDisplayMode dataMode_ = dmDefault;
    TCompoBoxStyle style_ = cbsDropDown;
};

class TDgDateColumn : public TDgPopupColumn {
public:
    explicit TDgDateColumn(TComponent* owner);
    std::string ClassName() const override { return "TDgDateColumn"; }

    char DateSeparator() const { return dateSeparator_; }
    void SetDateSeparator(char value);
    const std::string& EmptyCaption() const { return emptyCaption_; }
    void SetEmptyCaption(const std::string& value);
    const std::string& FormatMask() const { return formatMask_; }
    void SetFormatMask(const std::string& value);
    bool HideWhenEmpty() const { return hideWhenEmpty_; }
    void SetHideWhenEmpty(bool value);
    bool ShowNoneButton() const { return showNoneButton_; }
    void SetShowNoneButton(bool value);
    TStartDayOfWeek StartDay() const { return startDay_; }
    void SetStartDay(TStartDayOfWeek value);

    TDisplayFactory GetDisplayClass() const override;
    TEditorFactory GetEditorClass() const override;
    std::string GetDrawText(const TCellInfo& info) const override;
    bool IsEditKey(char32_t key) const override;
    void PrepareEditor() override;

private:
    char dateSeparator_ = '/';
    std::string emptyCaption_, formatMask_;
    bool hideWhenEmpty_ = false;
    bool showNoneButton_ = true;
    TStartDayOfWeek startDay_ = dwSunday;
};

class TDgCustomNumberColumn : public TDgCustomColumn {
public:
    explicit TDgCustomNumberColumn(TComponent* owner);
    std::string ClassName() const override { return "TDgCustomNumberColumn"; }

    TDgNumberEditOptions EditOptions() const { return editOptions_; }
    void SetEditOptions(TDgNumberEditOptions value);
    const std::string& EmptyCaption() const { return emptyCaption_; }
    void SetEmptyCaption(const std::string& value);
    const std::string& FormatMask() const { return formatMask_; }
    void SetFormatMask(const std::string& value);
    bool HideWhenEmpty() const { return hideWhenEmpty_; }
    void SetHideWhenEmpty(bool value);
    double Max() const { return max_; }
    void SetMax(double value);
    double Min() const { return min_; }
    void SetMin(double value);
    const std::string& TextAfter() const { return textAfter_; }
    void SetTextAfter(const std::string& value);
    const std::string& TextBefore() const { return textBefore_; }
    void SetTextBefore(const std::string& value);

    std::uint8_t GetFeatures() const override { return 42; }
    TDisplayFactory GetDisplayClass() const override;
    std::string GetDrawText(const TCellInfo& info) const override;
    bool IsEditKey(char32_t key) const override;
    void PrepareEditor() override;

private:
    TDgNumberEditOptions editOptions_{eoAllowFloat};
    std::string emptyCaption_, formatMask_;
    bool hideWhenEmpty_ = false;
    double max_ = 0, min_ = 0;
    std::string textAfter_, textBefore_;
};

class TDgNumberColumn : public TDgCustomNumberColumn {
public:
    explicit TDgNumberColumn(TComponent* owner);
    std::string ClassName() const override { return "TDgNumberColumn"; }

    double Increment() const { return increment_; }
    void SetIncrement(double value);
    int Precision() const { return precision_; }
    void SetPrecision(int value);
    bool SpinButtons() const { return spinButtons_; }
    void SetSpinButtons(bool value);

    TEditorFactory GetEditorClass() const override;
    void PrepareEditor() override;
    void AfterEditorPrepared() override;

private:
    double increment_ = 1.0;
    int precision_ = 0;
    bool spinButtons_ = true;
};

class TDgImageColumn : public TDgCustomColumn {
public:
    explicit TDgImageColumn(TComponent* owner);
    std::string ClassName() const override { return "TDgImageColumn"; }

    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    std::uint8_t GetFeatures() const override { return 8; }
    TDisplayFactory GetDisplayClass() const override;

private:
    TCustomImageList* images_ = nullptr;
    bool transparent_ = true;
};

enum class TProgressStyle : std::uint8_t { psSolid, psBoxes, psGradient, psCylinder };
enum TProgressTextPosition : std::uint8_t { tpInside, tpBeside };

class TDgProgressColumn : public TDgCustomColumn {
public:
    explicit TDgProgressColumn(TComponent* owner);
    std::string ClassName() const override { return "TDgProgressColumn"; }

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    bool HideWhenEmpty() const { return hideWhenEmpty_; }
    void SetHideWhenEmpty(bool value);
    double HighValueBound() const { return highValueBound_; }
    void SetHighValueBound(double value);
    TColor HighValueColor() const { return highValueColor_; }
    void SetHighValueColor(TColor value);
    double LowValueBound() const { return lowValueBound_; }
    void SetLowValueBound(double value);
    TColor LowValueColor() const { return lowValueColor_; }
    void SetLowValueColor(TColor value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    double Max() const { return max_; }
    void SetMax(double value);
    TColor ProgressColor() const { return progressColor_; }
    void SetProgressColor(TColor value);
    int ProgressHeight() const { return progressHeight_; }
    void SetProgressHeight(int value);
    TProgressStyle ProgressStyle() const { return progressStyle_; }
    void SetProgressStyle(TProgressStyle value);
    bool RoundCorners() const { return roundCorners_; }
    void SetRoundCorners(bool value);
    bool ShowText() const { return showText_; }
    void SetShowText(bool value);
    TProgressTextPosition TextPosition() const { return textPosition_; }
    void SetTextPosition(TProgressTextPosition value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    std::uint8_t GetFeatures() const override { return 0; }
    TDisplayFactory GetDisplayClass() const override;

private:
    TColor borderColor_ = 0x808080;
    bool hideWhenEmpty_ = false;
    double highValueBound_ = 0;
    TColor highValueColor_ = clHighlight;
    double lowValueBound_ = 0;
    TColor lowValueColor_ = clHighlight;
    int margin_ = 2;
    double max_ = 100;
    TColor progressColor_ = clHighlight;
    int progressHeight_ = 0;
    TProgressStyle progressStyle_ = TProgressStyle::psSolid;
    bool roundCorners_ = false;
    bool showText_ = false;
    TProgressTextPosition textPosition_ = tpBeside;
    bool transparent_ = false;
};

class TDgTreeColumn : public TDgCustomColumn {
public:
    explicit TDgTreeColumn(TComponent* owner) : TDgCustomColumn(owner) {}
    std::string ClassName() const override { return "TDgTreeColumn"; }

    bool ExpandLock() const { return expandLock_; }
    void SetExpandLock(bool value);
    bool HighlightButton() const { return highlightButton_; }
    void SetHighlightButton(bool value);
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool value);
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool value);

    std::uint8_t GetFeatures() const override { return 15; }
    TDisplayFactory GetDisplayClass() const override;
    TPlayFactory GetPlayClass() const override;
    TEditorFactory GetEditorClass() const override;
    bool IsEditKey(char32_t key) const override { return key > 32; }
    // Room for the tree lines and the expand button.
    void TextOffset(int rowLevel, int& x) const override { x += 19 * rowLevel + 16; }

private:
    bool expandLock_ = false;
    bool highlightButton_ = false;
    bool showButtons_ = true;
    bool showLines_ = false;
};

class TDgIncrementColumn : public TDgCustomColumn {
public:
    explicit TDgIncrementColumn(TComponent* owner);
    std::string ClassName() const override { return "TDgIncrementColumn"; }
    std::uint8_t GetFeatures() const override { return 40; }
    TDisplayFactory GetDisplayClass() const override;
    std::string GetDrawText(const TCellInfo& info) const override { return IntToStr(info.Row + 1); }
};

// Registers every column class by name for the form reader.
void RegisterColumnClasses();

}  // namespace tarvelon
