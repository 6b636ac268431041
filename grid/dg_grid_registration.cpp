// The stored form descriptions' view of the data grid: class names, column properties, events,
// and the rule that a column written inside a grid joins that grid's columns.
#include "grid/dg_grid_registration.h"

#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/dfm/form_reader.h"
#include "platform/dfm/property_table.h"
#include "platform/forms/class_registry.h"

namespace tarvelon {

namespace {

using V = const TDfmValue&;

// A column inside a grid joins its column list; the form still owns it.
bool AdoptColumn(TComponent* parent, TComponent* child)
{
    auto* column = dynamic_cast<TDgCustomColumn*>(child);
    auto* grid = dynamic_cast<TDgCustomGridControl*>(parent);
    if (!column || !grid)
        return false;
    grid->Columns().Add(column);
    return true;
}

TColumnOptions ColumnOptionsOf(V v)
{
    TColumnOptions options;
    for (int o : DfmSetValues(v, {{"coAutoSize", coAutoSize},
                                  {"coCanClick", coCanClick},
                                  {"coCanInput", coCanInput},
                                  {"coCanSort", coCanSort},
                                  {"coDisableMoving", coDisableMoving},
                                  {"coDontHighlight", coDontHighlight},
                                  {"coEditing", coEditing},
                                  {"coEditorAutoSelect", coEditorAutoSelect},
                                  {"coFixedSize", coFixedSize},
                                  {"coImageForIcon", coImageForIcon},
                                  {"coPublicUsing", coPublicUsing},
                                  {"coFullResort", coFullResort},
                                  {"coSearchColumn", coSearchColumn},
                                  {"coShowTextFitHint", coShowTextFitHint},
                                  {"coTextForCaption", coTextForCaption}}))
        options.Include(static_cast<TColumnOption>(o));
    return options;
}

TAlignment AlignmentOf(V v)
{
    return DfmEnum<TAlignment>(v, {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}});
}

void RegisterColumnProperties()
{
    using C = TDgCustomColumn;
    RegisterProperty<C>("Alignment", [](C& c, V v) { c.SetAlignment(AlignmentOf(v)); });
    RegisterProperty<C>("Color", [](C& c, V v) { c.SetColor(DfmColor(v)); });
    RegisterProperty<C>("DefaultValue", [](C& c, V v) { c.SetDefaultValue(DfmString(v)); });
    RegisterProperty<C>("DefaultWidth", [](C& c, V v) { c.SetDefaultWidth(DfmInt(v)); });
    RegisterProperty<C>("Enabled", [](C& c, V v) { c.SetEnabled(DfmBool(v)); });
    RegisterProperty<C>("Font.Name", [](C& c, V v) { c.Font().SetName(DfmString(v)); });
    RegisterProperty<C>("Font.Size", [](C& c, V v) { c.Font().SetSize(DfmInt(v)); });
    RegisterProperty<C>("Font.Height", [](C& c, V v) { c.Font().SetHeight(DfmInt(v)); });
    RegisterProperty<C>("Font.Color", [](C& c, V v) { c.Font().SetColor(DfmColor(v)); });
    RegisterProperty<C>("Font.Style", [](C& c, V v) { c.Font().SetStyle(DfmFontStyles(v)); });
    RegisterProperty<C>("Footer.Caption", [](C& c, V v) { c.Footer().SetCaption(DfmString(v)); });
    RegisterProperty<C>("Footer.FormatMask", [](C& c, V v) { c.Footer().SetFormatMask(DfmString(v)); });
    RegisterProperty<C>("Footer.FormulaKind", [](C& c, V v) {
        c.Footer().SetFormulaKind(DfmEnum<TFormulaKind>(
            v, {{"fkNone", fkNone}, {"fkAverage", fkAverage}, {"fkCount", fkCount}, {"fkDistinct", fkDistinct},
                {"fkMaximum", fkMaximum}, {"fkMinimum", fkMinimum}, {"fkSum", fkSum}, {"fkCustom", fkCustom}}));
    });
    RegisterProperty<C>("Header.Alignment", [](C& c, V v) { c.Header().SetAlignment(AlignmentOf(v)); });
    RegisterProperty<C>("Header.Caption", [](C& c, V v) { c.Header().SetCaption(DfmString(v)); });
    RegisterProperty<C>("Header.Color", [](C& c, V v) { c.Header().SetColor(DfmColor(v)); });
    RegisterProperty<C>("Header.Hint", [](C& c, V v) { c.Header().SetHint(DfmString(v)); });
    RegisterProperty<C>("MinWidth", [](C& c, V v) { c.SetMinWidth(DfmInt(v)); });
    RegisterProperty<C>("Options", [](C& c, V v) { c.SetOptions(ColumnOptionsOf(v)); });
    RegisterProperty<C>("Padding", [](C& c, V v) { c.SetPadding(DfmInt(v)); });
    RegisterProperty<C>("ParentFont", [](C& c, V v) { c.SetParentFont(DfmBool(v)); });
    RegisterProperty<C>("ParentCellColor", [](C& c, V v) { c.SetParentCellColor(DfmBool(v)); });
    RegisterProperty<C>("Position", [](C& c, V v) { c.SetPosition(DfmInt(v)); });
    RegisterProperty<C>("Sorted", [](C& c, V v) { c.SetSorted(DfmBool(v)); });
    RegisterProperty<C>("SortKind", [](C& c, V v) {
        c.SetSortKind(DfmEnum<TSortKind>(v, {{"skAscending", skAscending}, {"skDescending", skDescending}}));
    });
    RegisterProperty<C>("SortType", [](C& c, V v) {
        c.SetSortType(DfmEnum<TSortType>(v, {{"stAlphabetic", stAlphabetic}, {"stBoolean", stBoolean},
                                             {"stCaseInsensitive", stCaseInsensitive}, {"stCustom", stCustom},
                                             {"stNumeric", stNumeric}, {"stDate", stDate}, {"stIP", stIP}}));
    });
    RegisterProperty<C>("Tag", [](C& c, V v) { c.SetTag(DfmInt(v)); });
    RegisterProperty<C>("VerticalAlignment", [](C& c, V v) {
        c.SetVerticalAlignment(DfmEnum<TVerticalAlignment>(
            v, {{"taAlignTop", taAlignTop}, {"taAlignBottom", taAlignBottom}, {"taVerticalCenter", taVerticalCenter}}));
    });
    RegisterProperty<C>("Visible", [](C& c, V v) { c.SetVisible(DfmBool(v)); });
    RegisterProperty<C>("Width", [](C& c, V v) { c.SetWidth(DfmInt(v)); });
    RegisterProperty<C>("WrapKind", [](C& c, V v) {
        c.SetWrapKind(DfmEnum<TWrapKind>(v, {{"wkNone", wkNone}, {"wkEllipsis", wkEllipsis},
                                             {"wkPathEllipsis", wkPathEllipsis}, {"wkWordWrap", wkWordWrap}}));
    });
}

void RegisterKindProperties()
{
    using T = TDgTextColumn;
    RegisterProperty<T>("MaxLength", [](T& c, V v) { c.SetMaxLength(DfmInt(v)); });
    RegisterProperty<T>("TextAfter", [](T& c, V v) { c.SetTextAfter(DfmString(v)); });
    RegisterProperty<T>("TextBefore", [](T& c, V v) { c.SetTextBefore(DfmString(v)); });
    RegisterEvent<TDgPopupColumn>("OnCloseUp", &TDgPopupColumn::OnCloseUp);
    RegisterEvent<TDgPopupColumn>("OnSelect", &TDgPopupColumn::OnSelect);
    using S = TDgStringsColumn;
    RegisterProperty<S>("Items.Strings", [](S& c, V v) { c.Items().Assign(DfmStrings(v)); });
    RegisterProperty<S>("DropDownCount", [](S& c, V v) { c.SetDropDownCount(DfmInt(v)); });
    RegisterProperty<TDgComboBoxColumn>("Style", [](TDgComboBoxColumn& c, V v) {
        c.SetStyle(DfmEnum<TCompoBoxStyle>(v, {{"cbsDropDown", cbsDropDown}, {"cbsDropDownList", cbsDropDownList}}));
    });
    using D = TDgDateColumn;
    RegisterProperty<D>("EmptyCaption", [](D& c, V v) { c.SetEmptyCaption(DfmString(v)); });
    RegisterProperty<D>("FormatMask", [](D& c, V v) { c.SetFormatMask(DfmString(v)); });
    RegisterProperty<D>("HideWhenEmpty", [](D& c, V v) { c.SetHideWhenEmpty(DfmBool(v)); });
    using N = TDgCustomNumberColumn;
    RegisterProperty<N>("EmptyCaption", [](N& c, V v) { c.SetEmptyCaption(DfmString(v)); });
    RegisterProperty<N>("FormatMask", [](N& c, V v) { c.SetFormatMask(DfmString(v)); });
    RegisterProperty<N>("HideWhenEmpty", [](N& c, V v) { c.SetHideWhenEmpty(DfmBool(v)); });
    RegisterProperty<N>("TextAfter", [](N& c, V v) { c.SetTextAfter(DfmString(v)); });
    RegisterProperty<N>("TextBefore", [](N& c, V v) { c.SetTextBefore(DfmString(v)); });
    RegisterProperty<N>("Max", [](N& c, V v) { c.SetMax(DfmReal(v)); });
    RegisterProperty<N>("Min", [](N& c, V v) { c.SetMin(DfmReal(v)); });
    using P = TDgProgressColumn;
    RegisterProperty<P>("Max", [](P& c, V v) { c.SetMax(DfmReal(v)); });
    RegisterProperty<P>("ProgressColor", [](P& c, V v) { c.SetProgressColor(DfmColor(v)); });
    RegisterProperty<P>("ShowText", [](P& c, V v) { c.SetShowText(DfmBool(v)); });
    RegisterProperty<P>("BorderColor", [](P& c, V v) { c.SetBorderColor(DfmColor(v)); });
    RegisterProperty<TDgImageColumn>("Transparent", [](TDgImageColumn& c, V v) { c.SetTransparent(DfmBool(v)); });
    RegisterProperty<TDgTreeColumn>("ShowLines", [](TDgTreeColumn& c, V v) { c.SetShowLines(DfmBool(v)); });
    RegisterProperty<TDgTreeColumn>("ShowButtons", [](TDgTreeColumn& c, V v) { c.SetShowButtons(DfmBool(v)); });
}

}  // namespace

void RegisterDataGridClasses()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    EnsureStandardClasses();
    RegisterComponentClass<TDataGrid>("TDataGrid");
    RegisterColumnClasses();
    RegisterChildAdopter(&AdoptColumn);
    RegisterColumnProperties();
    RegisterKindProperties();
    RegisterEvent<TDataGrid>("OnCellFormating", &TDataGrid::OnCellFormating);
    RegisterEvent<TDataGrid>("OnCompare", &TDataGrid::OnCompare);
    RegisterEvent<TDataGrid>("OnExpand", &TDataGrid::OnExpand);
}

}  // namespace tarvelon
