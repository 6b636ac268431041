#pragma once
// The grid's columns: one column's appearance, sorting and editing options with its header and footer
// parts, and the grid's column list, which lays the columns out and tells the grid of every change.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/dg_cell_kind.h"
#include "grid/dg_column_display.h"
#include "platform/forms/component.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/enum_set.h"
#include "platform/graphics/font.h"
#include "platform/stdctrls/graphic_controls.h"  // TAlignment

namespace tarvelon {

class TDgColumns;
class TDgCustomColumn;
class TDgCustomEdit;  // the in-place editors' base (editors of the grid pack)

// What the column list needs of its grid; the grid control implements it.
class TDgColumnsHost {
public:
    virtual ~TDgColumnsHost() = default;
    // One column changed: kind 1 input value, 2 position (param: old position), 3 slide bounds,
    // 4 sorted set, 5 sort kind, 6 appearance, 7 visibility, 8 sorted cleared, 9 width (param: new - old).
    virtual void ColumnChanged(TDgCustomColumn* column, int kind, int param) = 0;
    // The list changes: 0 add, 1 delete, 2 clear, 3 insert, 4 move; before and after.
    virtual void ColumnListChanging(int operation, int index1, int index2) = 0;
    virtual void ColumnListChanged(int operation, int index1, int index2) = 0;
    // The width the columns have to share (auto-size).
    virtual int ColumnAreaWidth() const = 0;
    virtual bool ShowsIndicator() const = 0;
    virtual int HostFixedCols() const = 0;
    virtual TFont& HostFont() = 0;
    virtual TCanvas* HostCanvas() = 0;
    virtual bool HostLoading() const = 0;
    virtual bool HostDestroying() const = 0;
    // Region 1 body, 2 footer, 3 header, 4 indicator, 5 input line, anything else the whole column.
    virtual void RedrawColumn(TDgCustomColumn* column, int region) = 0;
};

enum TVerticalAlignment : std::uint8_t { taAlignTop, taAlignBottom, taVerticalCenter };
enum TBiDiMode : std::uint8_t { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TDrawingOptions : std::uint8_t { doNormal, doBackgroundOnly, doCustom, doCustomOnly };
enum TSlideCatpionLocation : std::uint8_t { clLeft, clTop };
enum TWrapKind : std::uint8_t { wkNone, wkEllipsis, wkPathEllipsis, wkWordWrap };
enum TDisplayMode : std::uint8_t { dmImageOnly, dmTextAndImage, dmTextOnly };
enum THeaderOrientation : std::uint8_t { hoHorizontal, hoVertical };
enum TFormulaKind : std::uint8_t { fkNone, fkAverage, fkCount, fkDistinct, fkMaximum, fkMinimum, fkSum, fkCustom };
enum TFormatMaskKind : std::uint8_t { mkText, mkFloat };

enum TColumnOption : std::uint8_t {
    coAutoSize, coCanClick, coCanInput, coCanSort, coDisableMoving, coDontHighlight, coEditing,
    coEditorAutoSelect, coFixedSize, coImageForIcon, coPublicUsing, coFullResort, coSearchColumn,
    coShowTextFitHint, coTextForCaption
};
using TColumnOptions = TSet<TColumnOption>;

// Regions a column part redraws.
constexpr int rgBody = 1, rgFooter = 2, rgHeader = 3, rgWholeColumn = 0;

// Change codes a column's listeners hear.
constexpr int lcName = 0, lcCaption = 1, lcOptions = 2, lcAlignment = 3, lcVisible = 6;

// The caption part of a column (header or footer).
class TColumnPart {
public:
    explicit TColumnPart(TDgCustomColumn* column, TColor color);
    virtual ~TColumnPart() = default;
    TColumnPart(const TColumnPart&) = delete;
    TColumnPart& operator=(const TColumnPart&) = delete;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TDisplayMode DisplayMode() const { return displayMode_; }
    void SetDisplayMode(TDisplayMode mode);
    TBitmap& Glyph() { return glyph_; }
    // Takes the picture; its bottom-left pixel becomes the transparent colour.
    void SetGlyph(const TBitmap& glyph);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    std::function<void(TColumnPart*)> OnChange;

protected:
    void Redraw(int region);
    void Fire();
    TDgCustomColumn* column_;

private:
    std::string caption_;
    TColor color_;
    TDisplayMode displayMode_ = dmTextOnly;
    TBitmap glyph_;
    std::string hint_;
};

class TColumnHeader : public TColumnPart {
public:
    explicit TColumnHeader(TDgCustomColumn* column) : TColumnPart(column, clBtnFace) {}
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool HideArrow() const { return hideArrow_; }
    void SetHideArrow(bool value);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    THeaderOrientation Orientation() const { return orientation_; }
    void SetOrientation(THeaderOrientation value);

private:
    TAlignment alignment_ = taLeftJustify;
    bool hideArrow_ = true;
    bool multiLine_ = false;
    THeaderOrientation orientation_ = hoHorizontal;
};

class TColumnFooter : public TColumnPart {
public:
    explicit TColumnFooter(TDgCustomColumn* column) : TColumnPart(column, clWindow) {}
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TFormulaKind FormulaKind() const { return formulaKind_; }
    void SetFormulaKind(TFormulaKind value);
    const std::string& FormatMask() const { return formatMask_; }
    void SetFormatMask(const std::string& value) { formatMask_ = value; }
    TFormatMaskKind FormatMaskKind() const { return formatMaskKind_; }
    void SetFormatMaskKind(TFormatMaskKind value) { formatMaskKind_ = value; }
    const std::string& TextAfter() const { return textAfter_; }
    void SetTextAfter(const std::string& value) { textAfter_ = value; }
    const std::string& TextBefore() const { return textBefore_; }
    void SetTextBefore(const std::string& value) { textBefore_ = value; }
    // Copies alignment, formula, mask and the texts around the value (not the caption or colour).
    void Assign(const TColumnFooter& other);

private:
    TAlignment alignment_ = taLeftJustify;
    TFormulaKind formulaKind_ = fkNone;
    std::string formatMask_;
    TFormatMaskKind formatMaskKind_ = mkText;
    std::string textAfter_, textBefore_;
};

// A column's field rectangle in the slides layout.
class TDgSlideBounds {
public:
    explicit TDgSlideBounds(TDgCustomColumn* column) : column_(column) {}
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Right() const { return left_ + width_; }
    int Bottom() const { return top_ + height_; }
    void SetLeft(int value);
    void SetTop(int value);
    void SetWidth(int value);
    void SetHeight(int value);

private:
    void Report();
    TDgCustomColumn* column_;
    int left_ = 8, top_ = 8, width_ = 80, height_ = 16;
};

using TColumnListener = std::function<void(TDgCustomColumn* column, int code)>;
using TEditorFactory = std::function<TDgCustomEdit*(TDgCustomColumn* column)>;
using TDisplayFactory = std::function<TColumnDisplay*(TDgCustomColumn* column)>;
using TPlayFactory = std::function<TColumnPlay*(TDgCustomColumn* column)>;

class TDgCustomColumn : public TComponent {
public:
    explicit TDgCustomColumn(TComponent* owner);
    ~TDgCustomColumn() override;
    std::string ClassName() const override { return "TDgCustomColumn"; }

    // After its stored properties: the column takes its place in the display order by Position.
    void Loaded() override;

    // Finishes construction: creates the editor, painter and mouse element of the kind. The form
    // reader and code call it once, right after the constructor (the kind's classes are virtual).
    void CreateElements();

    // ---- published properties ----
    TAlignment Alignment() const { return alignment_; }
    virtual void SetAlignment(TAlignment value);
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode value) { biDiMode_ = value; }
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    int Cursor() const { return cursor_; }
    void SetCursor(int value) { cursor_ = value; }
    const std::string& DefaultValue() const { return defaultValue_; }
    void SetDefaultValue(const std::string& value) { defaultValue_ = value; }
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int value) { defaultWidth_ = value; }
    TDrawingOptions DrawingOptions() const { return drawingOptions_; }
    void SetDrawingOptions(TDrawingOptions value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font) { font_.Assign(font); }
    TColumnFooter& Footer() { return footer_; }
    TColumnHeader& Header() { return header_; }
    TDgCustomEdit* InplaceEdit() const { return inplaceEdit_; }
    void SetInplaceEdit(TDgCustomEdit* editor) { inplaceEdit_ = editor; }
    const std::string& InputCaption() const { return inputCaption_; }
    void SetInputCaption(const std::string& value);
    const std::string& InputValue() const { return inputValue_; }
    void SetInputValue(const std::string& value);
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int value) { minWidth_ = value; }
    TColumnOptions Options() const { return options_; }
    void SetOptions(TColumnOptions value);
    int Padding() const { return padding_; }
    void SetPadding(int value) { padding_ = value; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    bool ParentCellColor() const { return parentCellColor_; }
    void SetParentCellColor(bool value);
    int Position() const { return position_; }
    void SetPosition(int value);
    TDgSlideBounds& SlideBounds() { return slideBounds_; }
    const std::string& SlideCaption() const { return slideCaption_; }
    void SetSlideCaption(const std::string& value);
    TSlideCatpionLocation SlideCaptionLocation() const { return slideCaptionLocation_; }
    void SetSlideCaptionLocation(TSlideCatpionLocation value);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);
    TSortKind SortKind() const { return sortKind_; }
    void SetSortKind(TSortKind value);
    TSortType SortType() const { return sortType_; }
    void SetSortType(TSortType value) { sortType_ = value; }
    const std::string& StyleClass() const { return styleClass_; }
    void SetStyleClass(const std::string& value) { styleClass_ = value; }
    TVerticalAlignment VerticalAlignment() const { return verticalAlignment_; }
    void SetVerticalAlignment(TVerticalAlignment value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    int Width() const { return width_; }
    void SetWidth(int value);
    TWrapKind WrapKind() const { return wrapKind_; }
    void SetWrapKind(TWrapKind value);

    // ---- state ----
    TCellKind Kind() const { return kind_; }
    TDgCustomEdit* Editor() const { return editor_; }
    TColumnDisplay* Display() const { return display_.get(); }
    TColumnPlay* Play() const { return play_.get(); }
    TDgColumns* Columns() const { return columns_; }
    int Left() const { return left_; }
    int VisibleIndex() const { return visibleIndex_; }
    int Index() const;

    int AddListener(TColumnListener listener);
    void RemoveListener(int id);
    void NotifyListeners(int code);

    // ---- the kind's operations ----
    virtual TEditorFactory GetEditorClass() const { return nullptr; }
    virtual TDisplayFactory GetDisplayClass() const;
    virtual TPlayFactory GetPlayClass() const { return nullptr; }
    // Bit 0: editing allowed (coEditing), bit 1: input allowed (coCanInput).
    virtual int GetEditState() const;
    // Bit 1: can be edited in place; bit 2: can never be sorted; the others belong to input and painting.
    virtual std::uint8_t GetFeatures() const { return 0; }
    virtual void SetKind(TCellKind kind) { kind_ = kind; }
    virtual int GetTextWidth(const std::string& text);
    virtual bool IsMultiLine() const { return false; }
    virtual std::string GetDrawText(const TCellInfo& info) const { return info.TextValue; }
    virtual std::string GetInputValue() const { return inputValue_; }
    virtual bool IsEditKey(char32_t /*key*/) const { return false; }
    // Moves the start of a cell's text right (the tree column makes room for its lines).
    virtual void TextOffset(int /*rowLevel*/, int& /*x*/) const {}
    virtual void PrepareEditor();
    virtual void AfterEditorPrepared() {}
    // The text of a virtual cell (no column of the game uses virtual cells: empty, writes ignored).
    virtual std::string GetVirtualText(int /*ACol*/, int /*ARow*/) const { return {}; }
    virtual void SetVirtualText(int /*ACol*/, int /*ARow*/, const std::string& /*text*/) {}

    // Reports a change of this column to the grid (see TDgColumnsHost::ColumnChanged).
    void Changed(int kind, int param = -1);
    void RedrawRegion(int region);

protected:
    // Runs once the kind's editor exists (CreateElements).
    virtual void EditorCreated() {}

private:
    friend class TDgColumns;
    void FontChanged();
    TDgColumnsHost* Host() const;
    bool InLoadedGrid() const;

    TAlignment alignment_ = taLeftJustify;
    TBiDiMode biDiMode_ = bdLeftToRight;
    TColor color_ = clWindow;
    int cursor_ = 0;
    std::string defaultValue_;
    int defaultWidth_ = 80;
    TDrawingOptions drawingOptions_ = doNormal;
    bool enabled_ = true;
    TFont font_;
    TColumnFooter footer_;
    TColumnHeader header_;
    TDgCustomEdit* inplaceEdit_ = nullptr;
    std::string inputCaption_, inputValue_;
    int minWidth_ = 8;
    TColumnOptions options_{coCanClick, coCanInput, coCanSort, coPublicUsing};
    int padding_ = 0;
    bool parentFont_ = true;
    bool applyingParentFont_ = false;
    bool parentCellColor_ = false;
    int position_ = -1;
    TDgSlideBounds slideBounds_;
    std::string slideCaption_;
    TSlideCatpionLocation slideCaptionLocation_ = clTop;
    bool sorted_ = false;
    TSortKind sortKind_ = skAscending;
    TSortType sortType_ = stAlphabetic;
    std::string styleClass_;
    TVerticalAlignment verticalAlignment_ = taVerticalCenter;
    bool visible_ = true;
    int width_ = 80;
    TWrapKind wrapKind_ = wkEllipsis;

    TCellKind kind_ = ckText;
    TDgCustomEdit* editor_ = nullptr;  // owned as a component of the column
    std::unique_ptr<TColumnDisplay> display_;
    std::unique_ptr<TColumnPlay> play_;
    TDgColumns* columns_ = nullptr;
    int left_ = 0;
    int visibleIndex_ = -1;
    std::vector<std::pair<int, TColumnListener>> listeners_;
    int nextListenerId_ = 1;
};

class TDgColumns : public TComponent {
public:
    TDgColumns(TDgColumnsHost* host, TComponent* owner);
    ~TDgColumns() override;
    std::string ClassName() const override { return "TDgColumns"; }

    TDgColumnsHost* Host() const { return host_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TDgCustomColumn* Items(int index) const;
    TDgCustomColumn* operator[](int index) const { return Items(index); }
    // The column at a display position.
    TDgCustomColumn* ByPosition(int position) const;
    int IndexOf(const TDgCustomColumn* column) const;

    TDgCustomColumn* FirstVisible() const;
    TDgCustomColumn* LastVisible() const;
    // The next / previous enabled and visible column in display order (the column itself when none).
    TDgCustomColumn* NextColumn(TDgCustomColumn* column) const;
    TDgCustomColumn* PriorColumn(TDgCustomColumn* column) const;
    int VisibleCount() const;
    int TotalWidth() const;
    // Width of the visible columns among the first FixedCols in display order.
    int FixedWidth() const;
    TDgCustomColumn* ColumnByName(const std::string& name) const;

    // Appends a column (the list does not own it; its owner frees it and it leaves the list then).
    void Add(TDgCustomColumn* column);
    // Frees the column at `index`.
    void Delete(int index);
    // Frees every column.
    void Clear();
    // Places a column read from a form description by its stored Position.
    void PlaceLoaded(TDgCustomColumn* column);

    // Left edges and visible indexes in display order.
    void Layout();
    void IndicatorChanged() { Layout(); }
    // The grid's font changed: columns with ParentFont take it.
    void ParentFontChanged();
    void AutoSizeColumns(TDgCustomColumn* from = nullptr, bool inclusive = false);
    // Widths, least widths and own fonts times m / d, as the grid grows with its form.
    void ChangeScale(int m, int d);
    int IndicatorWidth() const;

private:
    friend class TDgCustomColumn;
    void Remove(TDgCustomColumn* column);
    void MoveDisplay(TDgCustomColumn* column, int position);
    void RenumberPositions();
    bool Quiet() const;

    TDgColumnsHost* host_;
    std::vector<TDgCustomColumn*> items_;
    std::vector<TDgCustomColumn*> display_;
    bool autoSizing_ = false;
};

}  // namespace tarvelon
