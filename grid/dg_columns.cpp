// One column of the grid and the grid's list of columns.
#include "grid/dg_columns.h"

#include <algorithm>

#include "core/basics/rounding.h"
#include "grid/dg_edit.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/text_draw.h"

namespace tarvelon {

// ---- TDgCustomColumn ----

TDgCustomColumn::TDgCustomColumn(TComponent* owner)
    : TComponent(owner), footer_(this), header_(this), slideBounds_(this)
{
    font_.OnChange = [this] { FontChanged(); };
    header_.OnChange = [this](TColumnPart*) { Changed(6); };
    footer_.OnChange = [this](TColumnPart*) { Changed(6); };
}

TDgCustomColumn::~TDgCustomColumn()
{
    if (columns_)
        columns_->Remove(this);
}

void TDgCustomColumn::CreateElements()
{
    if (display_)
        return;
    if (TEditorFactory makeEditor = GetEditorClass())
        editor_ = makeEditor(this);
    if (TDisplayFactory makeDisplay = GetDisplayClass())
        display_.reset(makeDisplay(this));
    if (TPlayFactory makePlay = GetPlayClass())
        play_.reset(makePlay(this));
    if (editor_)
        EditorCreated();
}

void TDgCustomColumn::Loaded()
{
    TComponent::Loaded();
    if (columns_)
        columns_->PlaceLoaded(this);
}

TDisplayFactory TDgCustomColumn::GetDisplayClass() const
{
    return [](TDgCustomColumn* column) { return new TColumnDisplay(column); };
}

TDgColumnsHost* TDgCustomColumn::Host() const { return columns_ ? columns_->Host() : nullptr; }

bool TDgCustomColumn::InLoadedGrid() const
{
    TDgColumnsHost* host = Host();
    return host && !host->HostLoading();
}

int TDgCustomColumn::Index() const { return columns_ ? columns_->IndexOf(this) : -1; }

void TDgCustomColumn::Changed(int kind, int param)
{
    if (TDgColumnsHost* host = Host())
        host->ColumnChanged(this, kind, param);
}

void TDgCustomColumn::RedrawRegion(int region)
{
    if (TDgColumnsHost* host = Host())
        host->RedrawColumn(this, region);
}

int TDgCustomColumn::AddListener(TColumnListener listener)
{
    listeners_.emplace_back(nextListenerId_, std::move(listener));
    return nextListenerId_++;
}

void TDgCustomColumn::RemoveListener(int id)
{
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void TDgCustomColumn::NotifyListeners(int code)
{
    auto listeners = listeners_;  // a listener may remove itself
    for (auto& entry : listeners)
        entry.second(this, code);
}

void TDgCustomColumn::FontChanged()
{
    if (!applyingParentFont_)
        parentFont_ = false;
    Changed(6);
}

void TDgCustomColumn::SetAlignment(TAlignment value)
{
    alignment_ = value;
    NotifyListeners(lcAlignment);
    Changed(6);
}

void TDgCustomColumn::SetColor(TColor value)
{
    color_ = value;
    Changed(6);
}

void TDgCustomColumn::SetDrawingOptions(TDrawingOptions value)
{
    drawingOptions_ = value;
    Changed(6);
}

void TDgCustomColumn::SetInputCaption(const std::string& value)
{
    inputCaption_ = value;
    Changed(6);
}

void TDgCustomColumn::SetInputValue(const std::string& value)
{
    inputValue_ = value;
    Changed(1);
}

void TDgCustomColumn::SetParentFont(bool value)
{
    parentFont_ = value;
    TDgColumnsHost* host = Host();
    if (value && host) {
        applyingParentFont_ = true;
        font_.Assign(host->HostFont());
        applyingParentFont_ = false;
    }
}

void TDgCustomColumn::SetParentCellColor(bool value)
{
    parentCellColor_ = value;
    RedrawRegion(rgBody);
}

void TDgCustomColumn::SetSlideCaption(const std::string& value)
{
    slideCaption_ = value;
    RedrawRegion(rgWholeColumn);
}

void TDgCustomColumn::SetSlideCaptionLocation(TSlideCatpionLocation value)
{
    slideCaptionLocation_ = value;
    Changed(6);
}

void TDgCustomColumn::SetVerticalAlignment(TVerticalAlignment value)
{
    verticalAlignment_ = value;
    Changed(6);
}

void TDgCustomColumn::SetWrapKind(TWrapKind value)
{
    wrapKind_ = value;
    RedrawRegion(rgBody);
}

void TDgCustomColumn::SetOptions(TColumnOptions value)
{
    if (value.Contains(coSearchColumn) && !options_.Contains(coSearchColumn) && columns_) {
        for (int i = 0; i < columns_->Count(); ++i) {
            TDgCustomColumn* other = columns_->Items(i);
            if (other != this)
                other->options_.Exclude(coSearchColumn);  // one search column per grid
        }
    }
    bool autoBefore = options_.Contains(coAutoSize);
    options_ = value;
    if (InLoadedGrid()) {
        if (!(autoBefore && value.Contains(coAutoSize)))
            columns_->AutoSizeColumns(this, true);
        Changed(6);
    }
    NotifyListeners(lcOptions);
}

void TDgCustomColumn::SetPosition(int value)
{
    if (!InLoadedGrid()) {
        position_ = value;  // a loading grid places its columns once they are all read
        return;
    }
    int old = position_;
    columns_->MoveDisplay(this, value);
    columns_->Layout();
    Changed(2, old);
}

void TDgCustomColumn::SetSorted(bool value)
{
    if (value) {
        if (GetFeatures() & 4)
            return;  // a tree column is never sorted
        if (columns_) {
            for (int i = 0; i < columns_->Count(); ++i) {
                TDgCustomColumn* other = columns_->Items(i);
                if (other != this && other->Sorted())
                    other->SetSorted(false);  // one sorted column per grid
            }
        }
        sorted_ = true;
        Changed(4);
    } else {
        sorted_ = false;
        Changed(8);
    }
}

void TDgCustomColumn::SetSortKind(TSortKind value)
{
    sortKind_ = value;
    Changed(5);
}

void TDgCustomColumn::SetVisible(bool value)
{
    if (visible_ == value)
        return;
    visible_ = value;
    NotifyListeners(lcVisible);
    if (InLoadedGrid()) {
        columns_->Layout();
        columns_->AutoSizeColumns();
        Changed(7);
    }
}

void TDgCustomColumn::SetWidth(int value)
{
    value = std::max(value, minWidth_);
    int old = width_;
    width_ = value;
    Changed(9, value - old);
    if (columns_) {
        columns_->Layout();
        columns_->AutoSizeColumns(this, false);
    }
}

int TDgCustomColumn::GetEditState() const
{
    if (!enabled_)
        return 0;
    if (!(GetFeatures() & 2) && !inplaceEdit_)
        return 0;
    return (options_.Contains(coEditing) ? 1 : 0) | (options_.Contains(coCanInput) ? 2 : 0);
}

int TDgCustomColumn::GetTextWidth(const std::string& text)
{
    TCanvas* canvas = display_ ? display_->Canvas : nullptr;
    if (!canvas)
        canvas = Host() ? Host()->HostCanvas() : nullptr;
    if (!canvas)
        return 8;
    canvas->Font.Assign(font_);
    return std::max(canvas->TextWidth(text) + 6, 8);
}

void TDgCustomColumn::PrepareEditor()
{
    if (!editor_)
        return;
    editor_->SetAlignment(alignment_);
    editor_->SetBorderStyle(bsNone);
    editor_->SetBorderWidth(0);
    editor_->EditMargins().SetLeft(1);
}

// ---- TColumnDisplay ----

std::uint32_t TColumnDisplay::TextFlags(bool cellText) const
{
    std::uint32_t flags = DT_NOPREFIX;
    if (Column->BiDiMode() != bdLeftToRight)
        flags |= DT_RTLREADING;
    if (Column->Alignment() == taRightJustify)
        flags |= DT_RIGHT;
    else if (Column->Alignment() == taCenter)
        flags |= DT_CENTER;
    if (Column->VerticalAlignment() == taAlignBottom)
        flags |= DT_BOTTOM;
    else if (Column->VerticalAlignment() == taVerticalCenter)
        flags |= DT_VCENTER;
    if (cellText && Column->WrapKind() == wkEllipsis)
        flags |= DT_END_ELLIPSIS;
    if (cellText && Column->WrapKind() == wkPathEllipsis)
        flags |= DT_PATH_ELLIPSIS;
    if (Column->WrapKind() == wkWordWrap)
        flags |= DT_WORDBREAK;
    else if (!Column->IsMultiLine())
        flags |= DT_SINGLELINE;
    return flags;
}

void TColumnDisplay::DrawTextRect(const std::string& text, TRect rect, bool cellText)
{
    std::uint32_t flags = TextFlags(cellText);
    Canvas->Brush.SetStyle(bsClear);
    if (!(flags & DT_SINGLELINE) && Column->VerticalAlignment() != taAlignTop) {
        // Several lines: the platform centres single lines only, so the top is moved down by hand.
        TRect measure = rect;
        int height = DrawText(*Canvas, text, measure, flags | DT_CALCRECT);
        if (Column->VerticalAlignment() == taAlignBottom)
            rect.Top = rect.Bottom - height;
        else
            rect.Top += static_cast<int>(Round((rect.Height() - height) / 2.0));
    }
    DrawText(*Canvas, text, rect, flags);
}

TSize TColumnDisplay::MeasureText(const std::string& text, TRect rect, bool cellText)
{
    DrawText(*Canvas, text, rect, TextFlags(cellText) | DT_CALCRECT);
    return TSize{rect.Width(), rect.Height()};
}

void TColumnDisplay::DrawHintSign(const TRect& rect)
{
    Canvas->Pen.SetColor(0x0000FF);
    Canvas->Brush.SetColor(0x0000FF);
    Canvas->Brush.SetStyle(bsSolid);
    Canvas->Polygon({{rect.Right - 5, rect.Top}, {rect.Right - 1, rect.Top}, {rect.Right - 1, rect.Top + 4}});
}

void TColumnDisplay::FillRect(const TRect& rect, TColor color, bool frame)
{
    Canvas->Brush.SetColor(color);
    Canvas->Brush.SetStyle(bsSolid);
    if (frame)
        Canvas->FrameRect(rect);
    else
        Canvas->FillRect(rect);
}

// ---- TDgColumns ----

TDgColumns::TDgColumns(TDgColumnsHost* host, TComponent* owner) : TComponent(owner), host_(host) {}

TDgColumns::~TDgColumns()
{
    for (TDgCustomColumn* column : items_)
        column->columns_ = nullptr;
}

TDgCustomColumn* TDgColumns::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<std::size_t>(index)];
}

TDgCustomColumn* TDgColumns::ByPosition(int position) const
{
    if (position < 0 || position >= static_cast<int>(display_.size()))
        return nullptr;
    return display_[static_cast<std::size_t>(position)];
}

int TDgColumns::IndexOf(const TDgCustomColumn* column) const
{
    auto it = std::find(items_.begin(), items_.end(), column);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TDgCustomColumn* TDgColumns::FirstVisible() const
{
    for (TDgCustomColumn* c : display_)
        if (c->Visible())
            return c;
    return nullptr;
}

TDgCustomColumn* TDgColumns::LastVisible() const
{
    for (auto it = display_.rbegin(); it != display_.rend(); ++it)
        if ((*it)->Visible())
            return *it;
    return nullptr;
}

TDgCustomColumn* TDgColumns::NextColumn(TDgCustomColumn* column) const
{
    auto it = std::find(display_.begin(), display_.end(), column);
    if (it == display_.end())
        return column;
    for (++it; it != display_.end(); ++it)
        if ((*it)->Visible() && (*it)->Enabled())
            return *it;
    return column;
}

TDgCustomColumn* TDgColumns::PriorColumn(TDgCustomColumn* column) const
{
    auto it = std::find(display_.begin(), display_.end(), column);
    if (it == display_.end())
        return column;
    while (it != display_.begin()) {
        --it;
        if ((*it)->Visible() && (*it)->Enabled())
            return *it;
    }
    return column;
}

int TDgColumns::VisibleCount() const
{
    return static_cast<int>(std::count_if(display_.begin(), display_.end(), [](auto* c) { return c->Visible(); }));
}

int TDgColumns::TotalWidth() const
{
    int total = 0;
    for (TDgCustomColumn* c : display_)
        if (c->Visible())
            total += c->Width();
    return total;
}

int TDgColumns::FixedWidth() const
{
    int fixed = host_ ? host_->HostFixedCols() : 0;
    int total = 0;
    for (int p = 0; p < fixed && p < static_cast<int>(display_.size()); ++p)
        if (display_[static_cast<std::size_t>(p)]->Visible())
            total += display_[static_cast<std::size_t>(p)]->Width();
    return total;
}

namespace {

bool SameTextIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

TDgCustomColumn* TDgColumns::ColumnByName(const std::string& name) const
{
    for (TDgCustomColumn* c : items_)
        if (SameTextIgnoringCase(c->Name(), name))
            return c;
    return nullptr;
}

void TDgColumns::ParentFontChanged()
{
    for (TDgCustomColumn* c : items_)
        if (c->ParentFont())
            c->SetParentFont(true);
}

int TDgColumns::IndicatorWidth() const { return host_ && host_->ShowsIndicator() ? 12 : 0; }

bool TDgColumns::Quiet() const { return host_ && host_->HostLoading(); }

void TDgColumns::Add(TDgCustomColumn* column)
{
    column->CreateElements();
    if (host_)
        host_->ColumnListChanging(0, Count(), -1);
    column->columns_ = this;
    items_.push_back(column);
    display_.push_back(column);
    column->position_ = static_cast<int>(display_.size()) - 1;
    if (column->parentFont_)
        column->SetParentFont(true);
    Layout();
    AutoSizeColumns();
    if (host_)
        host_->ColumnListChanged(0, Count() - 1, -1);
}

void TDgColumns::PlaceLoaded(TDgCustomColumn* column)
{
    std::erase(display_, column);
    auto at = std::find_if(display_.begin(), display_.end(),
                           [column](auto* c) { return c->position_ > column->position_; });
    display_.insert(at, column);
    Layout();
}

void TDgColumns::Remove(TDgCustomColumn* column)
{
    int index = IndexOf(column);
    if (index < 0)
        return;
    bool gridGoing = host_ && host_->HostDestroying();
    if (host_ && !gridGoing)
        host_->ColumnListChanging(1, index, -1);
    items_.erase(items_.begin() + index);
    std::erase(display_, column);
    column->columns_ = nullptr;
    if (gridGoing)
        return;
    RenumberPositions();
    Layout();
    AutoSizeColumns();
    if (host_)
        host_->ColumnListChanged(1, index, -1);
}

void TDgColumns::Delete(int index) { Free(Items(index)); }

void TDgColumns::Clear()
{
    if (host_)
        host_->ColumnListChanging(2, -1, -1);
    std::vector<TDgCustomColumn*> columns = items_;
    items_.clear();
    display_.clear();
    for (TDgCustomColumn* c : columns) {
        c->columns_ = nullptr;
        Free(c);
    }
    if (host_)
        host_->ColumnListChanged(2, -1, -1);
}

void TDgColumns::MoveDisplay(TDgCustomColumn* column, int position)
{
    auto it = std::find(display_.begin(), display_.end(), column);
    if (it == display_.end())
        return;
    display_.erase(it);
    position = std::clamp(position, 0, static_cast<int>(display_.size()));
    display_.insert(display_.begin() + position, column);
    RenumberPositions();
}

void TDgColumns::RenumberPositions()
{
    for (std::size_t p = 0; p < display_.size(); ++p)
        display_[p]->position_ = static_cast<int>(p);
}

void TDgColumns::Layout()
{
    int left = IndicatorWidth();
    int visibleIndex = 0;
    for (TDgCustomColumn* c : display_) {
        if (c->Visible()) {
            c->left_ = left;
            c->visibleIndex_ = visibleIndex++;
            left += c->Width();
        } else {
            c->visibleIndex_ = -1;
        }
    }
}

void TDgColumns::ChangeScale(int m, int d)
{
    for (TDgCustomColumn* c : items_) {
        c->width_ = MulDiv(c->width_, m, d);
        c->minWidth_ = MulDiv(c->minWidth_, m, d);
        if (!c->parentFont_)
            c->font_.SetHeight(MulDiv(c->font_.Height(), m, d));
        // The in-place editor grows with its column (a combo's list rows with the font). Once an
        // edit has placed it in the grid it scales with the grid's other children.
        if (TDgCustomEdit* editor = c->Editor(); editor != nullptr && editor->Parent() == nullptr)
            editor->ChangeScale(m, d);
    }
    Layout();
    AutoSizeColumns();
}

void TDgColumns::AutoSizeColumns(TDgCustomColumn* from, bool inclusive)
{
    if (Quiet() || autoSizing_ || !host_)
        return;
    int used = 0;
    std::vector<TDgCustomColumn*> taking;
    if (from) {
        int start = from->Position() + (inclusive ? 0 : 1);
        for (int p = std::max(start, 0); p < static_cast<int>(display_.size()); ++p)
            taking.push_back(display_[static_cast<std::size_t>(p)]);
        used = from->Left() - IndicatorWidth();
        if (!inclusive && from->Visible())
            used += from->Width();
    } else {
        taking = display_;
    }
    int available = host_->ColumnAreaWidth() - used;
    int autoTotal = 0, fixedTotal = 0;
    for (TDgCustomColumn* c : taking) {
        if (!c->Visible())
            continue;
        (c->Options().Contains(coAutoSize) ? autoTotal : fixedTotal) += c->Width();
    }
    if (autoTotal == 0)
        return;
    // The resized columns must not start auto-sizing of their own from inside this one.
    autoSizing_ = true;
    for (TDgCustomColumn* c : taking)
        if (c->Visible() && c->Options().Contains(coAutoSize))
            c->SetWidth(static_cast<int>(Round(static_cast<double>(available - fixedTotal) * c->Width() / autoTotal)));
    autoSizing_ = false;
}

}  // namespace tarvelon
