// TDcComboBox in the form descriptions: its class and stored properties.
#include "controls/dc_combo.h"
#include "platform/dfm/property_table.h"
#include "platform/forms/class_registry.h"

namespace tarvelon {
namespace {

using V = const TDfmValue&;
using C = TDcCustomCombo;

void RegisterListProperties()
{
    RegisterProperty<C>("Items.Strings", [](C& c, V v) { c.Items().Assign(DfmStrings(v)); });
    RegisterProperty<C>("ItemIndex", [](C& c, V v) { c.SetItemIndex(DfmInt(v)); });
    RegisterProperty<C>("Style", [](C& c, V v) {
        c.SetStyle(DfmEnum<TComboBoxStyle>(v, {{"csDropDown", csDropDown}, {"csSimple", csSimple},
                                               {"csDropDownList", csDropDownList}, {"csOwnerDrawFixed", csOwnerDrawFixed},
                                               {"csOwnerDrawVariable", csOwnerDrawVariable}}));
    });
    RegisterProperty<C>("Sorted", [](C& c, V v) { c.SetSorted(DfmBool(v)); });
    RegisterProperty<C>("DropDownCount", [](C& c, V v) { c.SetDropDownCount(DfmInt(v)); });
    // Kept by the standard combo box; nothing of ours depends on them.
    RegisterProperty<C>("ItemHeight", [](C&, V) {});
    RegisterProperty<C>("MaxLength", [](C&, V) {});
    RegisterProperty<C>("Color", [](C& c, V v) { c.SetColor(DfmColor(v)); });
    RegisterEvent<C>("OnChange", &C::OnChange);
    RegisterEvent<C>("OnSelect", &C::OnSelect);
    RegisterEvent<C>("OnDropDown", &C::OnDropDown);
    RegisterEvent<C>("OnCloseUp", &C::OnCloseUp);
    RegisterEvent<C>("OnDropUp", &C::OnDropUp);
}

void RegisterLookProperties()
{
    RegisterProperty<C>("Flat", [](C& c, V v) { c.SetFlat(DfmBool(v)); });
    RegisterProperty<C>("Etched", [](C& c, V v) { c.SetEtched(DfmBool(v)); });
    RegisterProperty<C>("FlatLineColor", [](C& c, V v) { c.SetFlatLineColor(DfmColor(v)); });
    RegisterProperty<C>("FlatParentColor", [](C& c, V v) { c.SetFlatParentColor(DfmBool(v)); });
    RegisterProperty<C>("ButtonWidth", [](C& c, V v) { c.SetButtonWidth(DfmInt(v)); });
    RegisterProperty<C>("DropWidth", [](C& c, V v) { c.SetDropWidth(DfmInt(v)); });
    RegisterProperty<C>("FocusBorder", [](C& c, V v) { c.SetFocusBorder(DfmBool(v)); });
    RegisterProperty<C>("FocusBorderColor", [](C& c, V v) { c.SetFocusBorderColor(DfmColor(v)); });
    RegisterProperty<C>("FocusColor", [](C& c, V v) { c.SetFocusColor(DfmColor(v)); });
    RegisterProperty<C>("FocusLabel", [](C& c, V v) { c.SetFocusLabel(DfmBool(v)); });
    RegisterProperty<C>("DisabledBorder", [](C& c, V v) { c.SetDisabledBorder(DfmBool(v)); });
    RegisterProperty<C>("AutoFocus", [](C& c, V v) { c.SetAutoFocus(DfmBool(v)); });
    RegisterProperty<C>("AutoComplete", [](C& c, V v) { c.SetAutoComplete(DfmBool(v)); });
    RegisterProperty<C>("Version", [](C&, V) {});
}

void RegisterLabelProperties()
{
    RegisterProperty<C>("LabelCaption", [](C& c, V v) { c.SetLabelCaption(DfmString(v)); });
    RegisterProperty<C>("LabelPosition", [](C& c, V v) {
        c.SetLabelPosition(DfmEnum<TLabelPosition>(
            v, {{"lpLeftTop", lpLeftTop}, {"lpLeftCenter", lpLeftCenter}, {"lpLeftBottom", lpLeftBottom},
                {"lpTopLeft", lpTopLeft}, {"lpBottomLeft", lpBottomLeft}, {"lpLeftTopLeft", lpLeftTopLeft},
                {"lpLeftCenterLeft", lpLeftCenterLeft}, {"lpLeftBottomLeft", lpLeftBottomLeft},
                {"lpTopCenter", lpTopCenter}, {"lpBottomCenter", lpBottomCenter}, {"lpRightTop", lpRightTop},
                {"lpRightCenter", lpRightCenter}, {"lpRighBottom", lpRighBottom}}));
    });
    RegisterProperty<C>("LabelMargin", [](C& c, V v) { c.SetLabelMargin(DfmInt(v)); });
    RegisterProperty<C>("LabelTransparent", [](C& c, V v) { c.SetLabelTransparent(DfmBool(v)); });
    RegisterProperty<C>("LabelAlwaysEnabled", [](C& c, V v) { c.SetLabelAlwaysEnabled(DfmBool(v)); });
    RegisterProperty<C>("LabelFont.Name", [](C& c, V v) { c.LabelFont().SetName(DfmString(v)); });
    RegisterProperty<C>("LabelFont.Size", [](C& c, V v) { c.LabelFont().SetSize(DfmInt(v)); });
    RegisterProperty<C>("LabelFont.Height", [](C& c, V v) { c.LabelFont().SetHeight(DfmInt(v)); });
    RegisterProperty<C>("LabelFont.Color", [](C& c, V v) { c.LabelFont().SetColor(DfmColor(v)); });
    RegisterProperty<C>("LabelFont.Style", [](C& c, V v) { c.LabelFont().SetStyle(DfmFontStyles(v)); });
    RegisterProperty<C>("LabelFont.Charset", [](C&, V) {});
}

}  // namespace

void RegisterDcComboBox()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    RegisterComponentClass<TDcComboBox>("TDcComboBox");
    RegisterListProperties();
    RegisterLookProperties();
    RegisterLabelProperties();
}

}  // namespace tarvelon
