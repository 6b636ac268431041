// The input grid: construction, the grid's cursors, hit testing of its areas, hints, focus and
// the column drag box's handlers.
#include "grid/dg_custom_grid.h"

#include <QCursor>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <algorithm>

#include "grid/dg_column_drag_box.h"
#include "grid/dg_columns.h"
#include "grid/dg_edit.h"
#include "grid/dg_shared_common.h"
#include "platform/forms/application.h"
#include "platform/forms/hint_window.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"

namespace tarvelon {

// ---- Cursors ---------------------------------------------------------------------------------

namespace {

QPixmap BlankCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Two-headed split arrow across a bar: horizontal (column edge) or vertical (row edge).
QCursor SplitCursor(bool horizontal)
{
    QPixmap pixmap = BlankCursor();
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::black);
    QPolygon arrows({QPoint(4, 16), QPoint(9, 11), QPoint(9, 14), QPoint(14, 14), QPoint(14, 8), QPoint(18, 8),
                     QPoint(18, 14), QPoint(23, 14), QPoint(23, 11), QPoint(28, 16), QPoint(23, 21),
                     QPoint(23, 18), QPoint(18, 18), QPoint(18, 24), QPoint(14, 24), QPoint(14, 18),
                     QPoint(9, 18), QPoint(9, 21)});
    if (!horizontal) {
        QTransform turn;
        turn.translate(16, 16).rotate(90).translate(-16, -16);
        arrows = turn.map(arrows);
    }
    painter.drawPolygon(arrows);
    painter.end();
    return QCursor(pixmap, 16, 16);
}

// An arrow with a crossed circle: the column cannot be dropped here.
QCursor NoDragCursor()
{
    QPixmap pixmap = BlankCursor();
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygon({QPoint(1, 1), QPoint(1, 17), QPoint(5, 13), QPoint(8, 19), QPoint(10, 18),
                                  QPoint(7, 12), QPoint(12, 12)}));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::red, 2));
    painter.drawEllipse(QRect(14, 14, 12, 12));
    painter.drawLine(QPoint(16, 24), QPoint(24, 16));
    painter.end();
    return QCursor(pixmap, 1, 1);
}

// A small arrow pointing right, for choosing a row beside it.
QCursor IndicatorSelectCursor()
{
    QPixmap pixmap = BlankCursor();
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygon({QPoint(4, 12), QPoint(14, 12), QPoint(14, 8), QPoint(22, 16), QPoint(14, 24),
                                  QPoint(14, 20), QPoint(4, 20)}));
    painter.end();
    return QCursor(pixmap, 22, 16);
}

}  // namespace

void LoadGridCursors()
{
    if (Screen == nullptr)
        return;
    Screen->SetCursors(crHorzSplit, SplitCursor(true));
    Screen->SetCursors(crColumnNoDrag, NoDragCursor());
    Screen->SetCursors(crVertSplit, SplitCursor(false));
    Screen->SetCursors(crIndicatorSelect, IndicatorSelectCursor());
}

// ---- Construction -----------------------------------------------------------------------------

TDgCustomGrid::TDgCustomGrid(TComponent* owner) : TDgCustomGridControl(owner)
{
    arrowTop_ = std::make_unique<TDragArrow>(nullptr);
    arrowBottom_ = std::make_unique<TDragArrow>(nullptr);
    dragBox_ = std::make_unique<TColumnDragBox>(this);
    dragBox_->OnMove = [this](TObject* sender, int x, int y) { DragBoxMove(sender, x, y); };
    dragBox_->OnDrop = [this](TObject* sender, int x, int y) { DragBoxDrop(sender, x, y); };
    searchTimer_ = std::make_unique<TTimer>(nullptr);
    searchTimer_->SetEnabled(false);
    searchTimer_->SetInterval(500);
    searchTimer_->OnTimer = [this](TObject*) {
        searchText_.clear();
        searchTimer_->SetEnabled(false);
    };
    SetParentColor(false);
    SetColor(clWindow);
    LoadGridCursors();
}

TDgCustomGrid::~TDgCustomGrid()
{
    delete hintWindow_;
    hintWindow_ = nullptr;
}

void TDgCustomGrid::CreateWnd()
{
    TDgCustomGridControl::CreateWnd();
    arrowTop_->SetKind(2);
    arrowBottom_->SetKind(1);
    // The bars' step values in their field order (large, then small); a vertical line stays one row.
    HorzScrollBar().SetLargeChange(10);
    HorzScrollBar().SetSmallChange(5);
    VertScrollBar().SetLargeChange(10);
    UpdateHorzScrollBar();
    UpdateVertScrollBar();
}

unsigned TDgCustomGrid::InputState() const
{
    unsigned state = inputState_;
    if (Editing())
        state |= isCellEditing;
    if (InputEditing())
        state |= isInputEditing;
    if (InputSelected())
        state |= isInputSelected;
    return state;
}

unsigned TDgCustomGrid::DialogCode() const
{
    unsigned code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (WantTabs() && (RowCount() > 0 || options_.Contains(goInput)))
        code |= DLGC_WANTTAB;
    return code;
}

// ---- Hit testing ------------------------------------------------------------------------------

TGridArea TDgCustomGrid::GetGridArea(int x, int y) const
{
    TPoint p = Point(x, y);
    if (gridStyle_ == gsSlides)
        return options_.Contains(goHeader) && PtInRect(RegionRect(grHeader), p) ? gaHeader : gaCells;
    if (options_.Contains(goHeader) && PtInRect(RegionRect(grHeader), p))
        return gaHeader;
    if (options_.Contains(goInput) && PtInRect(RegionRect(grInput), p))
        return gaInput;
    if (PtInRect(RegionRect(grBody), p))
        return gaCells;
    if (options_.Contains(goFooter) && PtInRect(RegionRect(grFooter), p))
        return gaFooter;
    if (options_.Contains(goIndicator) && PtInRect(RegionRect(grIndicator), p))
        return gaIndicator;
    return gaNone;
}

TDgCustomColumn* TDgCustomGrid::ColumnAtPos(int x) const
{
    for (int p = 0; p < columns_->Count(); ++p) {
        TDgCustomColumn* column = columns_->ByPosition(p);
        if (!column->Visible())
            continue;
        int left = ColumnScreenLeft(column);
        if (x >= left && x <= left + column->Width())
            return column;
    }
    return nullptr;
}

TPoint TDgCustomGrid::CellAtPos(int x, int y) const
{
    if (gridStyle_ == gsSlides) {
        TRect body = BodyRect();
        int bottom = body.Top;
        for (int row = topRow_; row < RowCount(); ++row) {
            if (!RowVisible(row))
                continue;
            int top = bottom;
            bottom += slideSize_ + LineSpacing();
            if (bottom >= y) {
                for (int i = 0; i < columns_->Count(); ++i) {
                    TDgCustomColumn* column = columns_->Items(i);
                    TDgSlideBounds& b = column->SlideBounds();
                    if (column->Visible() && PtInRect(Bounds(b.Left(), b.Top(), b.Width(), b.Height()),
                                                      Point(x, y - top - LineTop())))
                        return Point(i, row);
                }
                return Point(-1, row);
            }
        }
        return Point(-1, -1);
    }
    TRect body = BodyRect();
    if (!PtInRect(body, Point(x, y)))
        return Point(-1, -1);
    TDgCustomColumn* column = ColumnAtPos(x);
    int bottom = body.Top;
    for (int row = topRow_; row < RowCount(); ++row) {
        if (!RowVisible(row))
            continue;
        bottom += GetRowHeight(row) + LineSpacing();
        if (bottom >= y)
            return Point(column != nullptr ? column->Index() : -1, row);
    }
    return Point(column != nullptr ? column->Index() : -1, -1);
}

TDgCustomColumn* TDgCustomGrid::ColumnEdgeAtPos(int x) const
{
    for (int p = 0; p < columns_->Count(); ++p) {
        TDgCustomColumn* column = columns_->ByPosition(p);
        if (!column->Visible() || column->Options().Contains(coFixedSize))
            continue;
        int right = ColumnScreenLeft(column) + column->Width();
        if (x < right - 3 || x > right + 2)
            continue;
        if (IsScrollingColumn(column) && x < FixedEdge())
            continue;
        return column;
    }
    return nullptr;
}

int TDgCustomGrid::RowEdgeAtPos(int x, int y) const
{
    TRect body = BodyRect();
    if (x > 12 || y < body.Top)
        return -1;
    int bottom = body.Top;
    for (int row = topRow_; row < RowCount(); ++row) {
        if (!RowVisible(row))
            continue;
        bottom += GetRowHeight(row) + LineSpacing();
        if (bottom - 3 < y && y < bottom + 1)
            return row;
    }
    return -1;
}

// ---- Hints ------------------------------------------------------------------------------------

void TDgCustomGrid::EnsureHintWindow()
{
    if (hintWindow_ != nullptr)
        return;
    hintWindow_ = Application != nullptr && Application->HintWindowClass ? Application->HintWindowClass(nullptr)
                                                                          : new THintWindow(nullptr);
    if (Application != nullptr)
        hintWindow_->SetColor(Application->HintColor);
}

void TDgCustomGrid::HideHint()
{
    if (hintWindow_ != nullptr)
        hintWindow_->Hide();
    hintHeaderColumn_ = nullptr;
    hintFooterColumn_ = nullptr;
}

void TDgCustomGrid::ShowHintAt(THintKind kind, const std::string& text, TPoint clientPos, int maxWidth)
{
    bool allowed = Application == nullptr || Application->ShowHint();
    if (text.empty() || !allowed || !IsParentFormActive(this)) {
        hintKind_ = hkNone;
        HideHint();
        return;
    }
    hintKind_ = kind;
    EnsureHintWindow();
    TRect rect = hintWindow_->CalcHintRect(maxWidth, text);
    TPoint screen = ClientToScreen(clientPos);
    OffsetRect(rect, screen.X, screen.Y);
    hintWindow_->ActivateHint(rect, text);
}

// ---- Focus and size ---------------------------------------------------------------------------

void TDgCustomGrid::DoEnter()
{
    TDgCustomGridControl::DoEnter();
    if (RowCount() == 0 && options_.Contains(goInput) && !InputSelected())
        SetInputSelected(true);
}

void TDgCustomGrid::DoExit()
{
    inputState_ &= ~(isColumnResizing | isHeaderPressed | isColumnMoving | isRowMoving);
    TDgCustomGridControl::DoExit();
    if (hoverColumn_ != nullptr) {
        RedrawColumn(hoverColumn_, grHeader);
        hoverColumn_ = nullptr;
    }
    moveRowSource_ = -1;
    if (moveRowShown_ >= 0) {  // a move cut short takes its drop marker away
        const int shown = moveRowShown_;
        moveRowShown_ = -1;
        DrawRowMoveIndicator(shown);
    }
    resizeRow_ = -1;
    resizeColumn_ = nullptr;
    downColumn_ = nullptr;
    pressedColumn_ = nullptr;
}

void TDgCustomGrid::Resize()
{
    TDgCustomGridControl::Resize();
    if (options_.Contains(goFooter))
        RedrawRegion(grFooter);
}

void TDgCustomGrid::ApplicationDeactivated()
{
    downColumn_ = nullptr;
    pressedColumn_ = nullptr;
    mouseDownPoint_ = Point(-1, -1);
    downCell_ = Point(-1, -1);
    arrowTop_->Hide();
    arrowBottom_->Hide();
    dragBox_->Hide();
    SetCursor(crDefault);
    RedrawSelection();
}

// ---- Column drag box ----------------------------------------------------------------------------

int TDgCustomGrid::DropPosition(int screenX, TDgCustomColumn*& target) const
{
    TDgCustomColumn* dragged = dragBox_->Column();
    int x = ScreenToClient(Point(screenX, 0)).X;
    target = nullptr;
    for (int p = 0; p < columns_->Count(); ++p) {
        TDgCustomColumn* column = columns_->ByPosition(p);
        if (!column->Visible() && column != dragged)
            continue;
        int left = ColumnScreenLeft(column);
        if (x >= left && x <= left + column->Width()) {
            target = column;
            break;
        }
    }
    if (target == nullptr)
        return -1;
    int left = ColumnScreenLeft(target);
    int position = 0;
    if (x > left + target->Width() / 2)
        position = target->Position() + (dragged->Position() < target->Position() ? 0 : 1);
    else
        position = dragged->Position() <= target->Position() ? std::max(0, target->Position() - 1)
                                                             : target->Position();
    if (position >= fixedCols_ && IsScrollingColumn(target) && left < FixedEdge())
        position = dragged->Position();
    if (options_.Contains(goLockFixedCols) && (position < fixedCols_ || dragged->Position() < fixedCols_))
        return -2;
    return position;
}

void TDgCustomGrid::PlaceArrows(int x, int y, bool hide)
{
    if (hide) {
        arrowTop_->Hide();
        arrowBottom_->Hide();
        return;
    }
    arrowTop_->SetBounds(x - 4, y - 12, 9, 9);
    arrowBottom_->SetBounds(x - 4, y + headerSize_ - 1, 9, 9);
    arrowTop_->Show();
    arrowBottom_->Show();
}

void TDgCustomGrid::DragBoxMove(TObject*, int x, int y)
{
    TPoint client = ScreenToClient(Point(x, y));
    TDgCustomColumn* target = nullptr;
    int position = GetGridArea(client.X, client.Y) == gaHeader ? DropPosition(x, target) : -1;
    TDgCustomColumn* dragged = dragBox_->Column();
    if (position < 0 || target == nullptr || dragged == nullptr) {
        PlaceArrows(0, 0, true);
        Screen->SetCursor(crColumnNoDrag);
        return;
    }
    Screen->SetCursor(crDefault);
    if (position == dragged->Position() || !target->Visible()) {
        PlaceArrows(0, 0, true);
        return;
    }
    int edge = ColumnScreenLeft(target);
    if (position > dragged->Position())
        edge += target->Width();
    TPoint screen = ClientToScreen(Point(edge, 0));
    PlaceArrows(screen.X, screen.Y, false);
}

void TDgCustomGrid::DragBoxDrop(TObject*, int x, int y)
{
    Screen->SetCursor(crDefault);
    TDgCustomColumn* dragged = dragBox_->Column();
    TPoint client = ScreenToClient(Point(x, y));
    if (dragged != nullptr) {
        if (GetGridArea(client.X, client.Y) == gaHeader) {
            TDgCustomColumn* target = nullptr;
            int position = DropPosition(x, target);
            if (position >= 0 && position != dragged->Position())
                dragged->SetPosition(position);
        } else if (options_.Contains(goCanHideColumn)) {
            dragged->SetVisible(false);
        }
        RedrawColumn(dragged, 0);
        Invalidate();
    }
    hoverCell_ = Point(-1, -1);
    PlaceArrows(0, 0, true);
    inputState_ &= ~isColumnMoving;
    downColumn_ = nullptr;
    pressedColumn_ = nullptr;
}

bool TDgCustomGrid::ExpandButtonHot(int aCol, int aRow) const
{
    return hoverCell_.X == aCol && hoverCell_.Y == aRow;
}

}  // namespace tarvelon
