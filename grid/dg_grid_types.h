#pragma once
// The grid control's option sets, styles, cell states and event signatures.
#include <functional>
#include <string>

#include "platform/forms/form.h"
#include "platform/forms/forms_types.h"
#include "platform/graphics/color.h"
#include "platform/graphics/enum_set.h"
#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"

namespace tarvelon {

enum TGridOption {
    goCanHideColumn,
    goDisableColumnMoving,
    goEscClearEdit,
    goFooter,
    goGrid,
    goHeader,
    goIndicator,
    goInput,
    goLockFixedCols,
    goMultiSelect,
    goRowResizing,
    goRowMoving,
    goSecondClickEdit,
    goSelectFullRow,
    goUseDefaultValues,
    goInplaceEditEvents,
};
using TGridOptions = TSet<TGridOption>;

enum TAppearanceOption {
    ao3DGridLines,
    aoAlphaBlendedSelection,
    aoBoldTextSelection,
    aoDontFillCells,
    aoHideFocus,
    aoHideSelection,
    aoHighlightSlideCells,
    aoHintMarks,
    aoIndicateSelectedCell,
    aoIndicateSortedColumn,
};
using TAppearanceOptions = TSet<TAppearanceOption>;

enum TCellStateFlag { csBoldTextSelection, csEmpty, csFocused, csSelected };
using TCellState = TSet<TCellStateFlag>;

enum TSlideStateFlag { stFocused, stSelected };
using TSlideState = TSet<TSlideStateFlag>;

enum TSlidesOption { soFrame, soHideSelection };
using TSlidesOptions = TSet<TSlidesOption>;

enum TGridLinesStyle { lsNormal, lsActiveHorzOnly, lsActiveRows, lsFramed, lsHorizontalOnly, lsVerticalOnly };
enum TGridStyle { gsReport, gsSlides };
enum THeaderStyle { hsAuto, hsFlatBorders, hsOldStyle, hsOutlook, hsVista };
enum TSortedStyle { soDefault, soDarker, soWhite };
enum TSelectionMoveDirection { mdNone, mdUp, mdDown, mdLeft, mdRight };
enum TInputEnterMode { imAllways, imEditing };
enum THomeEndBehaviour { hebTopBottom, hebLeftRight };

// Where a client point lies (hit test of the input side).
enum TGridArea { gaNone = 0, gaCells = 1, gaFooter = 2, gaHeader = 3, gaIndicator = 4, gaInput = 5 };

// The regions of the report layout, numbered as RedrawRegion takes them.
enum TGridRegion { grBody = 1, grFooter = 2, grHeader = 3, grIndicator = 4, grInput = 5 };

// The column collection's change reports to the grid.
enum TColumnChangeKind {
    ccInputValue = 1,
    ccPosition = 2,
    ccSlideBounds = 3,
    ccSortedSet = 4,
    ccSortKind = 5,
    ccAppearance = 6,
    ccVisible = 7,
    ccSortedCleared = 8,
    ccWidth = 9,
};

// Bits of the grid's state flags.
enum : unsigned {
    gfEditing = 8,
    gfInputEditing = 64,
    gfMultiSelected = 128,
};

// The grid's events: Sender is always the grid; a cell comes as column index, then row index.
using TGridCellEvent = std::function<void(TObject* sender, int aCol, int aRow)>;
using TGridCellAcceptEvent = std::function<void(TObject* sender, int aCol, int aRow, bool& accept)>;
using TGridCellTextEvent = std::function<void(TObject* sender, int aCol, int aRow, const std::string& value)>;
using TGridCellVarTextEvent = std::function<void(TObject* sender, int aCol, int aRow, std::string& value)>;
using TGridEditAcceptEvent =
    std::function<void(TObject* sender, int aCol, int aRow, const std::string& value, bool& accept)>;
using TGridColumnEvent = std::function<void(TObject* sender, int aCol)>;
using TGridColumnValueEvent = std::function<void(TObject* sender, int aCol, double& value)>;
using TGridColumnMoveEvent = std::function<void(TObject* sender, int aCol, int fromPos, int toPos)>;
using TGridRowMoveEvent = std::function<void(TObject* sender, int fromPos, int toPos)>;
using TGridRowMoveAcceptEvent = std::function<void(TObject* sender, int fromPos, int toPos, bool& accept)>;
using TGridRowHeightEvent = std::function<void(TObject* sender, int index, int height)>;
using TGridMeasureRowEvent = std::function<void(TObject* sender, int index, int& rowHeight)>;
using TGridSortEvent = std::function<void(TObject* sender, int aCol, bool ascending)>;
using TGridAcceptEvent = std::function<void(TObject* sender, bool& accept)>;
using TGridCellColoringEvent = std::function<void(TObject* sender, int aCol, int aRow, TColor& cellColor,
                                                  TColor& gridColor, TCellState cellState)>;
using TGridCustomDrawCellEvent =
    std::function<void(TObject* sender, int aCol, int aRow, TRect cellRect, TCellState cellState)>;
using TGridDrawCellBackgroundEvent = std::function<void(TObject* sender, int aCol, int aRow, TRect cellRect,
                                                        TCellState cellState, bool& defaultDrawing)>;
using TGridSlideColoringEvent = std::function<void(TObject* sender, int index, TColor& slideColor,
                                                   TColor& gridColor, TSlideState slideState)>;

}  // namespace tarvelon
