// The grid's keyboard and wheel: moving the selection, page keys, typing that starts an edit or
// searches the rows, and the wheel scrolling.
#include <QString>

#include "grid/dg_column_painters.h"
#include "grid/dg_columns.h"
#include "grid/dg_custom_grid.h"
#include "platform/forms/keys.h"
#include "platform/forms/timer.h"

namespace tarvelon {

namespace {

constexpr int kfHasPlay = 1;

bool StartsWithNoCase(const std::string& text, const std::string& prefix)
{
    return QString::fromStdString(text).startsWith(QString::fromStdString(prefix), Qt::CaseInsensitive);
}

}  // namespace

// ---- Keys -------------------------------------------------------------------------------------

void TDgCustomGrid::PassEditorKeyDown(unsigned short& key, TShiftState shift)
{
    KeyDown(key, shift);
}

void TDgCustomGrid::PassEditorKeyPress(char32_t& key)
{
    KeyPress(key);
}

void TDgCustomGrid::KeyDown(unsigned short& key, TShiftState shift)
{
    TDgCustomGridControl::KeyDown(key, shift);
    if (Editing() || InputEditing()) {
        switch (key) {
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            return;
        default:
            break;
        }
    }
    bool validColumn = selectedColumn_ >= 0 && selectedColumn_ < columns_->Count();
    switch (key) {
    case VK_TAB:
        if ((shift & ssShift) != 0)
            SelectPriorCell();
        else
            SelectNextCell(true);
        break;
    case VK_PRIOR:
        PageUp();
        break;
    case VK_NEXT:
        PageDown();
        break;
    case VK_HOME:
    case VK_END:
        if (homeEndBehaviour_ == hebTopBottom) {
            if (validColumn) {
                if (key == VK_HOME)
                    SelectFirstRow(shift);
                else
                    SelectLastRow(shift);
            }
        } else if (key == VK_HOME) {
            SelectFirstColumn();
        } else {
            SelectLastColumn();
        }
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (options_.Contains(goSelectFullRow) && !appearanceOptions_.Contains(aoIndicateSelectedCell) &&
            !InputSelected()) {
            if (key == VK_LEFT)
                HorzScrollBar().LineUp();
            else
                HorzScrollBar().LineDown();
        } else if (key == VK_LEFT) {
            SelectPriorColumn();
        } else {
            SelectNextColumn();
        }
        break;
    case VK_UP:
        SelectPriorRow(shift);
        break;
    case VK_DOWN:
        SelectNextRow(shift, false);
        break;
    default:
        break;
    }
}

void TDgCustomGrid::PageUp()
{
    int page = VisibleRowCount(false);
    if (selectedRow_ > firstVisibleRow_ && selectedRow_ > topRow_) {
        // Within the page the first row of the page is chosen first.
        SetSelectedRow(topRow_);
        return;
    }
    MoveSelectionBy(-page);
    VertScrollBar().MoveBy(-page);
}

void TDgCustomGrid::PageDown()
{
    int page = VisibleRowCount(false);
    int lastFull = topRow_ + page - 1;
    if (selectedRow_ < lastFull && lastFull < RowCount()) {
        SetSelectedRow(lastFull);
        return;
    }
    if (selectedRow_ + page > RowCount()) {
        SetSelectedRow(lastVisibleRow_);
        ScrollToRow(lastVisibleRow_);
        return;
    }
    MoveSelectionBy(page);
    VertScrollBar().MoveBy(page);
}

void TDgCustomGrid::KeyPress(char32_t& key)
{
    TDgCustomGridControl::KeyPress(key);
    if (Editing() || InputEditing() || key == 0 || key == 27)
        return;
    bool input = InputSelected();
    if (key == U'\r' && wantReturns_) {
        if (!input) {
            switch (selectionMoveDirection_) {
            case mdUp:
                SelectPriorRow(0);
                break;
            case mdDown:
                SelectNextRow(0, false);
                break;
            case mdLeft:
                SelectPriorColumn();
                break;
            case mdRight:
                SelectNextColumn();
                break;
            case mdNone:
                break;
            }
        } else if (inputEnterMode_ == imAllways) {
            ApplyEditing();
            AddInputRow();
        }
    }
    if (selectedColumn_ < 0 || selectedColumn_ >= columns_->Count())
        return;
    if (!input && (selectedRow_ < 0 || selectedRow_ >= RowCount()))
        return;
    TDgCustomColumn* column = columns_->Items(selectedColumn_);
    if (column->Play() != nullptr && !readOnly_ && !input &&
        (column->Options().Contains(coEditing) || (column->GetFeatures() & kfHasPlay) != 0)) {
        if (PreparePlay(column, selectedRow_))
            column->Play()->KeyPress(key);
    }
    if (key == U'\r' || key == U'\t')
        return;
    if (column->IsEditKey(key)) {
        if (input)
            EditInputCellWithKey(column, key);
        else
            EditCellWithKey(selectedColumn_, selectedRow_, key);
        if (Editing() || InputEditing())
            return;
    }
    if (!input && !column->Options().Contains(coEditing))
        IncrementalSearch(key);
}

void TDgCustomGrid::IncrementalSearch(char32_t key)
{
    if (RowCount() == 0 || key < 32)
        return;
    TDgCustomColumn* searchColumn = nullptr;
    for (int i = 0; i < columns_->Count() && searchColumn == nullptr; ++i)
        if (columns_->Items(i)->Options().Contains(coSearchColumn))
            searchColumn = columns_->Items(i);
    if (searchColumn == nullptr)
        return;
    searchText_ += QString::fromUcs4(&key, 1).toStdString();
    searchTimer_->SetEnabled(false);
    searchTimer_->SetEnabled(true);
    int count = RowCount();
    int col = searchColumn->Index();
    auto matches = [&](int row) { return StartsWithNoCase(GetCellText(col, row), searchText_); };
    int found = -1;
    for (int row = selectedRow_ + 1; row < count && found < 0; ++row)
        if (matches(row))
            found = row;
    for (int row = 0; row <= selectedRow_ && row < count && found < 0; ++row)
        if (matches(row))
            found = row;
    if (found < 0)
        return;
    SetSelectedRow(found);
    ScrollToRow(found);
}

// ---- Wheel and scroll messages ----------------------------------------------------------------

void TDgCustomGrid::StepBar(TDgScrollBar& bar, bool down, bool page)
{
    if (page)
        down ? bar.PageDown() : bar.PageUp();
    else
        down ? bar.LineDown() : bar.LineUp();
}

bool TDgCustomGrid::WheelStep(bool handled, TShiftState shift, bool down)
{
    if (!handled || Editing() || InputEditing())
        return handled;
    bool page = (shift & ssCtrl) != 0;
    if (VertScrollBar().Max() > 0)
        StepBar(VertScrollBar(), down, page);
    else if (gridStyle_ == gsReport)
        StepBar(HorzScrollBar(), down, page);
    return handled;
}

bool TDgCustomGrid::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    return WheelStep(TDgCustomGridControl::DoMouseWheelDown(shift, mousePos), shift, true);
}

bool TDgCustomGrid::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    return WheelStep(TDgCustomGridControl::DoMouseWheelUp(shift, mousePos), shift, false);
}

void TDgCustomGrid::ScrollMessage(TScrollBarKind kind, TScrollCode code, int trackPos)
{
    if (Editing() || InputEditing())
        EndEditing();
    TDgCustomGridControl::ScrollMessage(kind, code, trackPos);
}

}  // namespace tarvelon
