// The grid control's properties and events as the stored form descriptions write them.
#include "grid/dg_grid_control_registration.h"

#include "grid/dg_custom_grid.h"
#include "platform/dfm/property_table.h"

namespace tarvelon {

namespace {

using G = TDgCustomGridControl;
using V = const TDfmValue&;

// A stored set of enumeration names as the set of their values.
template <typename E>
TSet<E> SetOf(V v, std::initializer_list<std::pair<const char*, int>> names)
{
    TSet<E> set;
    for (int value : DfmSetValues(v, names))
        set.Include(static_cast<E>(value));
    return set;
}

TGridOptions GridOptionsOf(V v)
{
    return SetOf<TGridOption>(v, {{"goCanHideColumn", goCanHideColumn},
                                  {"goDisableColumnMoving", goDisableColumnMoving},
                                  {"goEscClearEdit", goEscClearEdit},
                                  {"goFooter", goFooter},
                                  {"goGrid", goGrid},
                                  {"goHeader", goHeader},
                                  {"goIndicator", goIndicator},
                                  {"goInput", goInput},
                                  {"goLockFixedCols", goLockFixedCols},
                                  {"goMultiSelect", goMultiSelect},
                                  {"goRowResizing", goRowResizing},
                                  {"goRowMoving", goRowMoving},
                                  {"goSecondClickEdit", goSecondClickEdit},
                                  {"goSelectFullRow", goSelectFullRow},
                                  {"goUseDefaultValues", goUseDefaultValues},
                                  {"goInplaceEditEvents", goInplaceEditEvents}});
}

TAppearanceOptions AppearanceOptionsOf(V v)
{
    return SetOf<TAppearanceOption>(v, {{"ao3DGridLines", ao3DGridLines},
                                  {"aoAlphaBlendedSelection", aoAlphaBlendedSelection},
                                  {"aoBoldTextSelection", aoBoldTextSelection},
                                  {"aoDontFillCells", aoDontFillCells},
                                  {"aoHideFocus", aoHideFocus},
                                  {"aoHideSelection", aoHideSelection},
                                  {"aoHighlightSlideCells", aoHighlightSlideCells},
                                  {"aoHintMarks", aoHintMarks},
                                  {"aoIndicateSelectedCell", aoIndicateSelectedCell},
                                  {"aoIndicateSortedColumn", aoIndicateSortedColumn}});
}

TSlidesOptions SlidesOptionsOf(V v)
{
    return SetOf<TSlidesOption>(v, {{"soFrame", soFrame}, {"soHideSelection", soHideSelection}});
}

void RegisterLookProperties()
{
    RegisterProperty<G>("AppearanceOptions", [](G& g, V v) { g.SetAppearanceOptions(AppearanceOptionsOf(v)); });
    RegisterProperty<G>("BorderStyle", [](G& g, V v) {
        g.SetBorderStyle(DfmEnum<TFormBorderStyle>(v, {{"bsNone", bsNone}, {"bsSingle", bsSingle}}));
    });
    RegisterProperty<G>("Caption", [](G& g, V v) { g.SetGridCaption(DfmString(v)); });
    RegisterProperty<G>("EnableVisualStyles", [](G& g, V v) { g.SetEnableVisualStyles(DfmBool(v)); });
    RegisterProperty<G>("GridLinesColor", [](G& g, V v) { g.SetGridLinesColor(DfmColor(v)); });
    RegisterProperty<G>("GridLinesStyle", [](G& g, V v) {
        g.SetGridLinesStyle(DfmEnum<TGridLinesStyle>(
            v, {{"lsNormal", lsNormal}, {"lsActiveHorzOnly", lsActiveHorzOnly}, {"lsActiveRows", lsActiveRows},
                {"lsFramed", lsFramed}, {"lsHorizontalOnly", lsHorizontalOnly}, {"lsVerticalOnly", lsVerticalOnly}}));
    });
    RegisterProperty<G>("GridStyle", [](G& g, V v) {
        g.SetGridStyle(DfmEnum<TGridStyle>(v, {{"gsReport", gsReport}, {"gsSlides", gsSlides}}));
    });
    RegisterProperty<G>("HeaderStyle", [](G& g, V v) {
        g.SetHeaderStyle(DfmEnum<THeaderStyle>(v, {{"hsAuto", hsAuto}, {"hsFlatBorders", hsFlatBorders},
                                                   {"hsOldStyle", hsOldStyle}, {"hsOutlook", hsOutlook},
                                                   {"hsVista", hsVista}}));
    });
    RegisterProperty<G>("HighlightedTextColor", [](G& g, V v) { g.SetHighlightedTextColor(DfmColor(v)); });
    RegisterProperty<G>("InactiveSelectionColor", [](G& g, V v) { g.SetInactiveSelectionColor(DfmColor(v)); });
    RegisterProperty<G>("SelectionColor", [](G& g, V v) { g.SetSelectionColor(DfmColor(v)); });
    RegisterProperty<G>("SlidesOptions", [](G& g, V v) { g.SetSlidesOptions(SlidesOptionsOf(v)); });
    RegisterProperty<G>("SlideSelectionColor", [](G& g, V v) { g.SetSlideSelectionColor(DfmColor(v)); });
    RegisterProperty<G>("SortedStyle", [](G& g, V v) {
        g.SetSortedStyle(DfmEnum<TSortedStyle>(v, {{"soDefault", soDefault}, {"soDarker", soDarker}, {"soWhite", soWhite}}));
    });
}

void RegisterLayoutProperties()
{
    RegisterProperty<G>("AutoScroll", [](G& g, V v) { g.SetAutoScroll(DfmBool(v)); });
    RegisterProperty<G>("FixedCols", [](G& g, V v) { g.SetFixedCols(DfmInt(v)); });
    RegisterProperty<G>("FooterSize", [](G& g, V v) { g.SetFooterSize(DfmInt(v)); });
    RegisterProperty<G>("HeaderSize", [](G& g, V v) { g.SetHeaderSize(DfmInt(v)); });
    RegisterProperty<G>("HideScrollBar", [](G& g, V v) { g.SetHideScrollBar(DfmBool(v)); });
    RegisterProperty<G>("HomeEndBehaviour", [](G& g, V v) {
        g.SetHomeEndBehaviour(DfmEnum<THomeEndBehaviour>(v, {{"hebTopBottom", hebTopBottom}, {"hebLeftRight", hebLeftRight}}));
    });
    RegisterProperty<G>("InputEnterMode", [](G& g, V v) {
        g.SetInputEnterMode(DfmEnum<TInputEnterMode>(v, {{"imAllways", imAllways}, {"imEditing", imEditing}}));
    });
    RegisterProperty<G>("InputSize", [](G& g, V v) { g.SetInputSize(DfmInt(v)); });
    RegisterProperty<G>("Options", [](G& g, V v) { g.SetOptions(GridOptionsOf(v)); });
    RegisterProperty<G>("ReadOnly", [](G& g, V v) { g.SetReadOnly(DfmBool(v)); });
    RegisterProperty<G>("RowSize", [](G& g, V v) { g.SetRowSize(DfmInt(v)); });
    RegisterProperty<G>("SelectionMoveDirection", [](G& g, V v) {
        g.SetSelectionMoveDirection(DfmEnum<TSelectionMoveDirection>(
            v, {{"mdNone", mdNone}, {"mdUp", mdUp}, {"mdDown", mdDown}, {"mdLeft", mdLeft}, {"mdRight", mdRight}}));
    });
    RegisterProperty<G>("SlideSize", [](G& g, V v) { g.SetSlideSize(DfmInt(v)); });
    RegisterProperty<G>("Version", [](G& g, V v) { g.SetVersion(DfmString(v)); });
    RegisterProperty<G>("WantReturns", [](G& g, V v) { g.SetWantReturns(DfmBool(v)); });
    RegisterProperty<G>("WantTabs", [](G& g, V v) { g.SetWantTabs(DfmBool(v)); });
}

void RegisterGridEvents()
{
    RegisterEvent<G>("OnAfterEdit", &G::OnAfterEdit);
    RegisterEvent<G>("OnAfterRowMove", &G::OnAfterRowMove);
    RegisterEvent<G>("OnAfterSort", &G::OnAfterSort);
    RegisterEvent<G>("OnApplyCell", &G::OnApplyCell);
    RegisterEvent<G>("OnApplyEditText", &G::OnApplyEditText);
    RegisterEvent<G>("OnBeforeEdit", &G::OnBeforeEdit);
    RegisterEvent<G>("OnBeforeSelect", &G::OnBeforeSelect);
    RegisterEvent<G>("OnCellClick", &G::OnCellClick);
    RegisterEvent<G>("OnCellColoring", &G::OnCellColoring);
    RegisterEvent<G>("OnCellDblClick", &G::OnCellDblClick);
    RegisterEvent<G>("OnCellHint", &G::OnCellHint);
    RegisterEvent<G>("OnChange", &G::OnChange);
    RegisterEvent<G>("OnChangeRowHeight", &G::OnChangeRowHeight);
    RegisterEvent<G>("OnColumnFooterValue", &G::OnColumnFooterValue);
    RegisterEvent<G>("OnFooterCalculate", &G::OnFooterCalculate);
    RegisterEvent<G>("OnColumnMove", &G::OnColumnMove);
    RegisterEvent<G>("OnColumnResize", &G::OnColumnResize);
    RegisterEvent<G>("OnCustomDrawCell", &G::OnCustomDrawCell);
    RegisterEvent<G>("OnDeselectCell", &G::OnDeselectCell);
    RegisterEvent<G>("OnDrawCellBackground", &G::OnDrawCellBackground);
    RegisterEvent<G>("OnEdit", &G::OnEdit);
    RegisterEvent<G>("OnEditAccept", &G::OnEditAccept);
    RegisterEvent<G>("OnEditExit", &G::OnEditExit);
    RegisterEvent<G>("OnEditText", &G::OnEditText);
    RegisterEvent<G>("OnFooterClick", &G::OnFooterClick);
    RegisterEvent<G>("OnHeaderClick", &G::OnHeaderClick);
    RegisterEvent<G>("OnHeaderDblClick", &G::OnHeaderDblClick);
    RegisterEvent<G>("OnInputAccept", &G::OnInputAccept);
    RegisterEvent<G>("OnInputAdded", &G::OnInputAdded);
    RegisterEvent<G>("OnInputSelectCell", &G::OnInputSelectCell);
    RegisterEvent<G>("OnMeasuringRowHeight", &G::OnMeasuringRowHeight);
    RegisterEvent<G>("OnPostDraw", &G::OnPostDraw);
    RegisterEvent<G>("OnRowMove", &G::OnRowMove);
    RegisterEvent<G>("OnSelectCell", &G::OnSelectCell);
    RegisterEvent<G>("OnSlideChange", &G::OnSlideChange);
    RegisterEvent<G>("OnSlideColoring", &G::OnSlideColoring);
    RegisterEvent<G>("OnSortColumn", &G::OnSortColumn);
}

}  // namespace

void RegisterGridControlProperties()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    EnsureStandardClasses();
    RegisterLookProperties();
    RegisterLayoutProperties();
    RegisterGridEvents();
}

}  // namespace tarvelon
