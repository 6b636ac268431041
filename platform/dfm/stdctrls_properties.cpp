// The standard controls: their classes for the descriptions, their properties and events.
#include "platform/dfm/form_reader.h"
#include "platform/dfm/property_table.h"
#include "platform/dfm/reader_context.h"
#include "platform/forms/class_registry.h"
#include "platform/forms/text_utils.h"
#include "platform/graphics/image_codecs.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/dialogs.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/list_view.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/menus.h"
#include "platform/stdctrls/ranges.h"

namespace tarvelon {
namespace {

using V = const TDfmValue&;
using Names = std::initializer_list<std::pair<const char*, int>>;

const Names kAlignments = {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}};
const Names kBorderStyles = {{"bsNone", 0}, {"bsSingle", 1}};
// Tables at namespace scope live as long as the setters that use them.
const Names kBevelCuts = {{"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}};

TModalResult ModalResultValue(V value)
{
    if (value.kind == TDfmValueKind::Integer)
        return DfmInt(value);
    return DfmEnumValue(value, {{"mrNone", mrNone}, {"mrOk", mrOk}, {"mrCancel", mrCancel}, {"mrAbort", mrAbort},
                                {"mrRetry", mrRetry}, {"mrIgnore", mrIgnore}, {"mrYes", mrYes}, {"mrNo", mrNo},
                                {"mrAll", mrAll}, {"mrNoToAll", mrNoToAll}, {"mrYesToAll", mrYesToAll}});
}

// The properties of one collection item, by name, with a setter per name.
template <typename Item>
void ReadItemProperties(const TDfmItem& item, Item& target,
                        const std::function<bool(Item&, const std::string&, V)>& set)
{
    for (const TDfmProperty& property : item.properties) {
        if (!set(target, property.name, property.value))
            throw TDfmValueError("an item has no property " + property.name + " (line " + std::to_string(property.line) + ")");
    }
}

const std::vector<TDfmItem>& Items(V value)
{
    if (value.kind != TDfmValueKind::Items)
        throw TDfmValueError("a collection < item ... end > was expected, not " + value.Describe());
    return value.items;
}

bool LoadPictureBytes(TPicture& picture, V value)
{
    const std::vector<unsigned char> bytes = DfmBytes(value);
    if (!picture.LoadFromBytes(TByteView(bytes.data(), bytes.size())))
        throw TDfmValueError("the picture data is not a picture");
    return true;
}

// A picture embedded in the program (":/img/...") or a file.
template <typename Target>
void LoadPictureFile(Target& target, V value)
{
    if (!target.LoadFromFile(DfmString(value)))
        throw TDfmValueError("the picture " + value.text + " cannot be read");
}

void RegisterClasses()
{
    RegisterComponentClass<TLabel>("TLabel");
    RegisterComponentClass<TImage>("TImage");
    RegisterComponentClass<TShape>("TShape");
    RegisterComponentClass<TBevel>("TBevel");
    RegisterComponentClass<TPanel>("TPanel");
    RegisterComponentClass<TScrollBox>("TScrollBox");
    RegisterComponentClass<TNotebook>("TNotebook");
    RegisterComponentClass<TPage>("TPage");
    RegisterComponentClass<TButton>("TButton");
    RegisterComponentClass<TBitBtn>("TBitBtn");
    RegisterComponentClass<TCheckBox>("TCheckBox");
    RegisterComponentClass<TRadioButton>("TRadioButton");
    RegisterComponentClass<TRadioGroup>("TRadioGroup");
    RegisterComponentClass<TEdit>("TEdit");
    RegisterComponentClass<TMemo>("TMemo");
    RegisterComponentClass<TSpinEdit>("TSpinEdit");
    RegisterComponentClass<TUpDown>("TUpDown");
    RegisterComponentClass<TListBox>("TListBox");
    RegisterComponentClass<TComboBox>("TComboBox");
    RegisterComponentClass<TComboBoxEx>("TComboBoxEx");
    RegisterComponentClass<TListView>("TListView");
    RegisterComponentClass<TProgressBar>("TProgressBar");
    RegisterComponentClass<TGauge>("TGauge");
    RegisterComponentClass<TTrackBar>("TTrackBar");
    RegisterComponentClass<TScrollBar>("TScrollBar");
    RegisterComponentClass<TMenuItem>("TMenuItem");
    RegisterComponentClass<TPopupMenu>("TPopupMenu");
    RegisterComponentClass<TMainMenu>("TMainMenu");
    RegisterComponentClass<TCustomImageList>("TImageList");
    RegisterComponentClass<TColorDialog>("TColorDialog");
}

void RegisterGraphicControls()
{
    RegisterProperty<TLabel>("Alignment", [](TLabel& c, V v) { c.SetAlignment(DfmEnum<TAlignment>(v, kAlignments)); });
    RegisterProperty<TLabel>("Layout", [](TLabel& c, V v) {
        c.SetLayout(DfmEnum<TTextLayout>(v, {{"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}}));
    });
    RegisterProperty<TLabel>("AutoSize", [](TLabel& c, V v) { c.SetAutoSize(DfmBool(v)); });
    RegisterProperty<TLabel>("WordWrap", [](TLabel& c, V v) { c.SetWordWrap(DfmBool(v)); });
    RegisterProperty<TLabel>("Transparent", [](TLabel& c, V v) { c.SetTransparent(DfmBool(v)); });
    RegisterProperty<TLabel>("ShowAccelChar", [](TLabel& c, V v) { c.SetShowAccelChar(DfmBool(v)); });

    RegisterProperty<TImage>("Stretch", [](TImage& c, V v) { c.SetStretch(DfmBool(v)); });
    RegisterProperty<TImage>("Center", [](TImage& c, V v) { c.SetCenter(DfmBool(v)); });
    RegisterProperty<TImage>("Proportional", [](TImage& c, V v) { c.SetProportional(DfmBool(v)); });
    RegisterProperty<TImage>("Transparent", [](TImage& c, V v) { c.SetTransparent(DfmBool(v)); });
    RegisterProperty<TImage>("AutoSize", [](TImage& c, V v) { c.SetAutoSize(DfmBool(v)); });
    RegisterProperty<TImage>("Picture.Data", [](TImage& c, V v) { LoadPictureBytes(c.Picture(), v); });
    // A picture embedded in the program (":/img/...") or a file.
    RegisterProperty<TImage>("Picture.FileName", [](TImage& c, V v) { LoadPictureFile(c.Picture(), v); });

    RegisterProperty<TShape>("Shape", [](TShape& c, V v) {
        c.SetShape(DfmEnum<TShapeType>(v, {{"stRectangle", stRectangle}, {"stSquare", stSquare}, {"stRoundRect", stRoundRect},
                                           {"stRoundSquare", stRoundSquare}, {"stEllipse", stEllipse}, {"stCircle", stCircle}}));
    });
    RegisterProperty<TShape>("Pen.Color", [](TShape& c, V v) { c.Pen().SetColor(DfmColor(v)); });
    RegisterProperty<TShape>("Pen.Width", [](TShape& c, V v) { c.Pen().SetWidth(DfmInt(v)); });
    RegisterProperty<TShape>("Pen.Style", [](TShape& c, V v) {
        c.Pen().SetStyle(DfmEnum<TPenStyle>(v, {{"psSolid", psSolid}, {"psDash", psDash}, {"psDot", psDot},
                                                {"psDashDot", psDashDot}, {"psDashDotDot", psDashDotDot},
                                                {"psClear", psClear}, {"psInsideFrame", psInsideFrame}}));
    });
    RegisterProperty<TShape>("Brush.Color", [](TShape& c, V v) { c.Brush().SetColor(DfmColor(v)); });
    RegisterProperty<TShape>("Brush.Style", [](TShape& c, V v) {
        c.Brush().SetStyle(DfmEnum<TBrushStyle>(v, {{"bsSolid", bsSolid}, {"bsClear", bsClear}, {"bsHorizontal", bsHorizontal},
                                                    {"bsVertical", bsVertical}, {"bsFDiagonal", bsFDiagonal},
                                                    {"bsBDiagonal", bsBDiagonal}, {"bsCross", bsCross},
                                                    {"bsDiagCross", bsDiagCross}}));
    });

    RegisterProperty<TBevel>("Shape", [](TBevel& c, V v) {
        c.SetShape(DfmEnum<TBevelShape>(v, {{"bsBox", bsBox}, {"bsFrame", bsFrame}, {"bsTopLine", bsTopLine},
                                            {"bsBottomLine", bsBottomLine}, {"bsLeftLine", bsLeftLine},
                                            {"bsRightLine", bsRightLine}, {"bsSpacer", bsSpacer}}));
    });
    RegisterProperty<TBevel>("Style", [](TBevel& c, V v) {
        c.SetStyle(DfmEnum<TBevelStyle>(v, {{"bsLowered", bsLowered}, {"bsRaised", bsRaised}}));
    });

    RegisterProperty<TGauge>("Kind", [](TGauge& c, V v) {
        c.SetKind(DfmEnum<TGaugeKind>(v, {{"gkText", gkText}, {"gkHorizontalBar", gkHorizontalBar},
                                          {"gkVerticalBar", gkVerticalBar}, {"gkPie", gkPie}, {"gkNeedle", gkNeedle}}));
    });
    RegisterProperty<TGauge>("MinValue", [](TGauge& c, V v) { c.SetMinValue(DfmInt(v)); });
    RegisterProperty<TGauge>("MaxValue", [](TGauge& c, V v) { c.SetMaxValue(DfmInt(v)); });
    RegisterProperty<TGauge>("Progress", [](TGauge& c, V v) { c.SetProgress(DfmInt(v)); });
    RegisterProperty<TGauge>("ForeColor", [](TGauge& c, V v) { c.SetForeColor(DfmColor(v)); });
    RegisterProperty<TGauge>("BackColor", [](TGauge& c, V v) { c.SetBackColor(DfmColor(v)); });
    RegisterProperty<TGauge>("ShowText", [](TGauge& c, V v) { c.SetShowText(DfmBool(v)); });
    RegisterProperty<TGauge>("BorderStyle", [](TGauge& c, V v) { c.SetBorderSingle(DfmEnumValue(v, kBorderStyles) == 1); });
}

void RegisterContainers()
{
    RegisterProperty<TPanel>("BevelOuter", [](TPanel& c, V v) { c.SetBevelOuter(DfmEnum<TBevelCut>(v, kBevelCuts)); });
    RegisterProperty<TPanel>("BevelInner", [](TPanel& c, V v) { c.SetBevelInner(DfmEnum<TBevelCut>(v, kBevelCuts)); });
    RegisterProperty<TPanel>("BevelWidth", [](TPanel& c, V v) { c.SetBevelWidth(DfmInt(v)); });
    RegisterProperty<TPanel>("BorderWidth", [](TPanel& c, V v) { c.SetBorderWidth(DfmInt(v)); });
    RegisterProperty<TPanel>("ParentBackground", [](TPanel& c, V v) { c.SetParentBackground(DfmBool(v)); });
    RegisterProperty<TPanel>("BorderStyle", [](TPanel& c, V v) {
        c.SetBorderStyle(DfmEnumValue(v, kBorderStyles) == 1 ? bsSingle : bsNone);
    });
    RegisterProperty<TPanel>("Alignment", [](TPanel& c, V v) { c.SetAlignment(DfmEnum<TAlignment>(v, kAlignments)); });
    RegisterProperty<TScrollBox>("VertScrollBar.Range", [](TScrollBox& c, V v) { c.SetVertRange(DfmInt(v)); });
    RegisterProperty<TScrollBox>("HorzScrollBar.Range", [](TScrollBox& c, V v) { c.SetHorzRange(DfmInt(v)); });
    RegisterProperty<TNotebook>("PageIndex", [](TNotebook& c, V v) { c.SetPageIndex(DfmInt(v)); });
    RegisterProperty<TNotebook>("ActivePage", [](TNotebook& c, V v) { c.SetActivePage(DfmString(v)); });
    RegisterEvent<TNotebook>("OnPageChanged", &TNotebook::OnPageChanged);
}

void RegisterButtons()
{
    RegisterProperty<TButton>("Default", [](TButton& c, V v) { c.SetDefault(DfmBool(v)); });
    RegisterProperty<TButton>("Cancel", [](TButton& c, V v) { c.SetCancel(DfmBool(v)); });
    RegisterProperty<TButton>("ModalResult", [](TButton& c, V v) { c.SetModalResult(ModalResultValue(v)); });
    RegisterProperty<TBitBtn>("Kind", [](TBitBtn& c, V v) {
        c.SetKind(DfmEnum<TBitBtnKind>(v, {{"bkCustom", bkCustom}, {"bkOK", bkOK}, {"bkCancel", bkCancel},
                                           {"bkHelp", bkHelp}, {"bkYes", bkYes}, {"bkNo", bkNo}, {"bkClose", bkClose},
                                           {"bkAbort", bkAbort}, {"bkRetry", bkRetry}, {"bkIgnore", bkIgnore},
                                           {"bkAll", bkAll}}));
    });
    RegisterProperty<TBitBtn>("Glyph.Data", [](TBitBtn& c, V v) {
        const std::vector<unsigned char> bytes = DfmBytes(v);
        if (!c.Glyph().LoadFromBytes(TByteView(bytes.data(), bytes.size())))
            throw TDfmValueError("the glyph data is not a picture");
    });
    RegisterProperty<TBitBtn>("Glyph.FileName", [](TBitBtn& c, V v) { LoadPictureFile(c.Glyph(), v); });
    RegisterProperty<TCheckBox>("Checked", [](TCheckBox& c, V v) { c.SetChecked(DfmBool(v)); });
    RegisterProperty<TCheckBox>("AllowGrayed", [](TCheckBox& c, V v) { c.SetAllowGrayed(DfmBool(v)); });
    RegisterProperty<TCheckBox>("State", [](TCheckBox& c, V v) {
        c.SetState(DfmEnum<TCheckBoxState>(v, {{"cbUnchecked", cbUnchecked}, {"cbChecked", cbChecked}, {"cbGrayed", cbGrayed}}));
    });
    RegisterProperty<TRadioButton>("Checked", [](TRadioButton& c, V v) { c.SetChecked(DfmBool(v)); });
    RegisterProperty<TRadioGroup>("Items.Strings", [](TRadioGroup& c, V v) { c.Items().Assign(DfmStrings(v)); });
    RegisterProperty<TRadioGroup>("ItemIndex", [](TRadioGroup& c, V v) { c.SetItemIndex(DfmInt(v)); });
    RegisterProperty<TRadioGroup>("Columns", [](TRadioGroup& c, V v) { c.SetColumns(DfmInt(v)); });
}

void RegisterEdits()
{
    RegisterProperty<TEdit>("MaxLength", [](TEdit& c, V v) { c.SetMaxLength(DfmInt(v)); });
    RegisterProperty<TEdit>("ReadOnly", [](TEdit& c, V v) { c.SetReadOnly(DfmBool(v)); });
    RegisterProperty<TEdit>("PasswordChar", [](TEdit& c, V v) {
        const std::string text = DfmString(v);
        c.SetPasswordChar(text.empty() ? 0 : static_cast<char32_t>(static_cast<unsigned char>(text[0])));
    });
    RegisterProperty<TEdit>("Alignment", [](TEdit& c, V v) { c.SetAlignment(DfmEnum<TAlignment>(v, kAlignments)); });
    RegisterProperty<TEdit>("CharCase", [](TEdit& c, V v) {
        c.SetCharCase(DfmEnum<TEditCharCase>(v, {{"ecNormal", ecNormal}, {"ecUpperCase", ecUpperCase}, {"ecLowerCase", ecLowerCase}}));
    });
    RegisterProperty<TEdit>("AutoSelect", [](TEdit& c, V v) { c.SetAutoSelect(DfmBool(v)); });
    RegisterProperty<TEdit>("BorderStyle", [](TEdit& c, V v) { c.SetBorderSingle(DfmEnumValue(v, kBorderStyles) == 1); });
    RegisterEvent<TEdit>("OnChange", &TEdit::OnChange);

    RegisterProperty<TMemo>("Lines.Strings", [](TMemo& c, V v) { c.Lines().Assign(DfmStrings(v)); });
    RegisterProperty<TMemo>("ReadOnly", [](TMemo& c, V v) { c.SetReadOnly(DfmBool(v)); });
    RegisterProperty<TMemo>("WordWrap", [](TMemo& c, V v) { c.SetWordWrap(DfmBool(v)); });
    RegisterProperty<TMemo>("ScrollBars", [](TMemo& c, V v) {
        c.SetScrollBars(DfmEnum<TScrollStyle>(v, {{"ssNone", ssNone}, {"ssHorizontal", ssHorizontal}, {"ssVertical", ssVertical}, {"ssBoth", ssBoth}}));
    });
    RegisterEvent<TMemo>("OnChange", &TMemo::OnChange);

    RegisterProperty<TSpinEdit>("MinValue", [](TSpinEdit& c, V v) { c.SetMinValue(DfmInt(v)); });
    RegisterProperty<TSpinEdit>("MaxValue", [](TSpinEdit& c, V v) { c.SetMaxValue(DfmInt(v)); });
    RegisterProperty<TSpinEdit>("Increment", [](TSpinEdit& c, V v) { c.SetIncrement(DfmInt(v)); });
    RegisterProperty<TSpinEdit>("Value", [](TSpinEdit& c, V v) { c.SetValue(DfmInt(v)); });
    RegisterEvent<TSpinEdit>("OnChange", &TSpinEdit::OnChange);

    RegisterProperty<TUpDown>("Min", [](TUpDown& c, V v) { c.SetMin(DfmInt(v)); });
    RegisterProperty<TUpDown>("Max", [](TUpDown& c, V v) { c.SetMax(DfmInt(v)); });
    RegisterProperty<TUpDown>("Position", [](TUpDown& c, V v) { c.SetPosition(DfmInt(v)); });
    RegisterProperty<TUpDown>("Increment", [](TUpDown& c, V v) { c.SetIncrement(DfmInt(v)); });
    RegisterProperty<TUpDown>("Wrap", [](TUpDown& c, V v) { c.SetWrap(DfmBool(v)); });
    RegisterProperty<TUpDown>("Orientation", [](TUpDown& c, V v) {
        c.SetOrientation(DfmEnum<TUDOrientation>(v, {{"udVertical", udVertical}, {"udHorizontal", udHorizontal}}));
    });
    RegisterProperty<TUpDown>("Associate", [](TUpDown& c, V v) { c.SetAssociate(DfmComponentAs<TWinControl>(v)); });
    RegisterEvent<TUpDown>("OnClick", &TUpDown::OnClick);
    RegisterEvent<TUpDown>("OnChanging", &TUpDown::OnChanging);
}

void RegisterLists()
{
    RegisterProperty<TListBox>("Items.Strings", [](TListBox& c, V v) { c.Items().Assign(DfmStrings(v)); });
    RegisterProperty<TListBox>("ItemIndex", [](TListBox& c, V v) { c.SetItemIndex(DfmInt(v)); });
    RegisterProperty<TListBox>("Sorted", [](TListBox& c, V v) { c.SetSorted(DfmBool(v)); });
    RegisterProperty<TListBox>("MultiSelect", [](TListBox& c, V v) { c.SetMultiSelect(DfmBool(v)); });

    RegisterProperty<TComboBox>("Items.Strings", [](TComboBox& c, V v) { c.Items().Assign(DfmStrings(v)); });
    RegisterProperty<TComboBox>("ItemIndex", [](TComboBox& c, V v) { c.SetItemIndex(DfmInt(v)); });
    RegisterProperty<TComboBox>("Style", [](TComboBox& c, V v) {
        c.SetStyle(DfmEnum<TComboBoxStyle>(v, {{"csDropDown", csDropDown}, {"csSimple", csSimple},
                                               {"csDropDownList", csDropDownList}, {"csOwnerDrawFixed", csOwnerDrawFixed},
                                               {"csOwnerDrawVariable", csOwnerDrawVariable}}));
    });
    RegisterProperty<TComboBox>("Sorted", [](TComboBox& c, V v) { c.SetSorted(DfmBool(v)); });
    RegisterProperty<TComboBox>("DropDownCount", [](TComboBox& c, V v) { c.SetDropDownCount(DfmInt(v)); });
    RegisterProperty<TComboBox>("MaxLength", [](TComboBox& c, V v) { c.SetMaxLength(DfmInt(v)); });
    RegisterEvent<TComboBox>("OnChange", &TComboBox::OnChange);
    RegisterEvent<TComboBox>("OnSelect", &TComboBox::OnSelect);
    RegisterEvent<TComboBox>("OnDropDown", &TComboBox::OnDropDown);
    RegisterEvent<TComboBox>("OnCloseUp", &TComboBox::OnCloseUp);
    RegisterProperty<TComboBoxEx>("Images", [](TComboBoxEx& c, V v) { c.SetImages(DfmComponentAs<TCustomImageList>(v)); });
    RegisterProperty<TComboBoxEx>("ItemsEx", [](TComboBoxEx& c, V v) {
        std::vector<TComboExItem> items;
        for (const TDfmItem& item : Items(v)) {
            TComboExItem entry;
            ReadItemProperties<TComboExItem>(item, entry, [](TComboExItem& e, const std::string& name, V value) {
                if (SameText(name, "Caption"))
                    e.Caption = DfmString(value);
                else if (SameText(name, "ImageIndex"))
                    e.ImageIndex = DfmInt(value);
                else
                    return SameText(name, "SelectedImageIndex");  // the same picture is shown selected
                return true;
            });
            items.push_back(entry);
        }
        c.SetItemsEx(items);
    });

    RegisterProperty<TListView>("Columns", [](TListView& c, V v) {
        c.Columns().Clear();
        for (const TDfmItem& item : Items(v)) {
            TListColumn* column = c.Columns().Add();
            ReadItemProperties<TListColumn>(item, *column, [](TListColumn& col, const std::string& name, V value) {
                if (SameText(name, "Caption"))
                    col.SetCaption(DfmString(value));
                else if (SameText(name, "Width"))
                    col.SetWidth(DfmInt(value));
                else if (SameText(name, "Alignment"))
                    col.SetAlignment(DfmEnum<TAlignment>(value, kAlignments));
                else
                    return false;
                return true;
            });
        }
    });
    RegisterProperty<TListView>("ViewStyle", [](TListView& c, V v) {
        c.SetViewStyle(DfmEnum<TViewStyle>(v, {{"vsIcon", vsIcon}, {"vsSmallIcon", vsSmallIcon}, {"vsList", vsList}, {"vsReport", vsReport}}));
    });
    RegisterProperty<TListView>("RowSelect", [](TListView& c, V v) { c.SetRowSelect(DfmBool(v)); });
    RegisterProperty<TListView>("BorderStyle", [](TListView& c, V v) {
        c.SetBorderStyle(DfmEnumValue(v, kBorderStyles) == 1 ? bsSingle : bsNone);
    });
    RegisterProperty<TListView>("GridLines", [](TListView& c, V v) { c.SetGridLines(DfmBool(v)); });
    RegisterProperty<TListView>("ShowColumnHeaders", [](TListView& c, V v) { c.SetShowColumnHeaders(DfmBool(v)); });
    RegisterProperty<TListView>("ReadOnly", [](TListView& c, V v) { c.SetReadOnly(DfmBool(v)); });
    RegisterProperty<TListView>("HideSelection", [](TListView& c, V v) { c.SetHideSelection(DfmBool(v)); });
    RegisterProperty<TListView>("SmallImages", [](TListView& c, V v) { c.SetSmallImages(DfmComponentAs<TCustomImageList>(v)); });
    RegisterEvent<TListView>("OnSelectItem", &TListView::OnSelectItem);
    RegisterEvent<TListView>("OnColumnClick", &TListView::OnColumnClick);
    RegisterEvent<TListView>("OnCompare", &TListView::OnCompare);
    RegisterEvent<TListView>("OnChange", &TListView::OnChange);
}

void RegisterRanges()
{
    RegisterProperty<TRangeControl>("Min", [](TRangeControl& c, V v) { c.SetMin(DfmInt(v)); });
    RegisterProperty<TRangeControl>("Max", [](TRangeControl& c, V v) { c.SetMax(DfmInt(v)); });
    RegisterProperty<TRangeControl>("Position", [](TRangeControl& c, V v) { c.SetPosition(DfmInt(v)); });
    RegisterProperty<TRangeControl>("Orientation", [](TRangeControl& c, V v) {
        c.SetOrientation(DfmEnum<TTrackBarOrientation>(v, {{"trHorizontal", trHorizontal}, {"trVertical", trVertical},
                                                           {"pbHorizontal", trHorizontal}, {"pbVertical", trVertical}}));
    });
    RegisterEvent<TRangeControl>("OnChange", &TRangeControl::OnChange);
    RegisterProperty<TProgressBar>("Step", [](TProgressBar& c, V v) { c.SetStep(DfmInt(v)); });
    RegisterProperty<TProgressBar>("Smooth", [](TProgressBar&, V v) { DfmBool(v); });  // Qt's bar is always smooth
    RegisterProperty<TTrackBar>("Frequency", [](TTrackBar& c, V v) { c.SetFrequency(DfmInt(v)); });
    RegisterProperty<TTrackBar>("PageSize", [](TTrackBar& c, V v) { c.SetPageSize(DfmInt(v)); });
    RegisterProperty<TScrollBar>("Kind", [](TScrollBar& c, V v) {
        c.SetKind(DfmEnum<TScrollBarKind>(v, {{"sbHorizontal", sbHorizontal}, {"sbVertical", sbVertical}}));
    });
    RegisterProperty<TScrollBar>("SmallChange", [](TScrollBar& c, V v) { c.SetSmallChange(DfmInt(v)); });
    RegisterProperty<TScrollBar>("LargeChange", [](TScrollBar& c, V v) { c.SetLargeChange(DfmInt(v)); });
    RegisterProperty<TScrollBar>("PageSize", [](TScrollBar& c, V v) { c.SetPageSize(DfmInt(v)); });
    RegisterEvent<TScrollBar>("OnScroll", &TScrollBar::OnScroll);
}

void RegisterMenus()
{
    RegisterProperty<TMenuItem>("Caption", [](TMenuItem& c, V v) { c.SetCaption(DfmString(v)); });
    RegisterProperty<TMenuItem>("Checked", [](TMenuItem& c, V v) { c.SetChecked(DfmBool(v)); });
    RegisterProperty<TMenuItem>("Enabled", [](TMenuItem& c, V v) { c.SetEnabled(DfmBool(v)); });
    RegisterProperty<TMenuItem>("Visible", [](TMenuItem& c, V v) { c.SetVisible(DfmBool(v)); });
    RegisterProperty<TMenuItem>("RadioItem", [](TMenuItem& c, V v) { c.SetRadioItem(DfmBool(v)); });
    RegisterProperty<TMenuItem>("GroupIndex", [](TMenuItem& c, V v) { c.SetGroupIndex(DfmInt(v)); });
    RegisterProperty<TMenuItem>("AutoCheck", [](TMenuItem& c, V v) { c.SetAutoCheck(DfmBool(v)); });
    RegisterProperty<TMenuItem>("Default", [](TMenuItem& c, V v) { c.SetDefault(DfmBool(v)); });
    RegisterProperty<TMenuItem>("ImageIndex", [](TMenuItem& c, V v) { c.SetImageIndex(DfmInt(v)); });
    RegisterProperty<TMenuItem>("Hint", [](TMenuItem& c, V v) { c.SetHint(DfmString(v)); });
    // A number (113 = F2) or a text ('Ctrl+F').
    RegisterProperty<TMenuItem>("ShortCut", [](TMenuItem& c, V v) {
        c.SetShortCut(v.kind == TDfmValueKind::String ? TextToShortCut(DfmString(v)) : static_cast<TShortCut>(DfmInt(v)));
    });
    RegisterEvent<TMenuItem>("OnClick", &TMenuItem::OnClick);
    RegisterProperty<TMenu>("Images", [](TMenu& c, V v) { c.SetImages(DfmComponentAs<TCustomImageList>(v)); });
    RegisterProperty<TPopupMenu>("AutoPopup", [](TPopupMenu& c, V v) { c.SetAutoPopup(DfmBool(v)); });
    RegisterProperty<TPopupMenu>("Alignment", [](TPopupMenu& c, V v) {
        c.SetAlignment(DfmEnum<TPopupAlignment>(v, {{"paLeft", paLeft}, {"paRight", paRight}, {"paCenter", paCenter}}));
    });
    RegisterEvent<TPopupMenu>("OnPopup", &TPopupMenu::OnPopup);
    RegisterProperty<TControl>("PopupMenu", [](TControl& c, V v) { SetPopupMenu(&c, DfmComponentAs<TPopupMenu>(v)); });

    // Menu items written inside a menu or an item join it.
    RegisterChildAdopter([](TComponent* parent, TComponent* child) {
        auto* item = dynamic_cast<TMenuItem*>(child);
        if (!item)
            return false;
        if (auto* menu = dynamic_cast<TMenu*>(parent)) {
            menu->Items().Add(item);
            return true;
        }
        if (auto* parentItem = dynamic_cast<TMenuItem*>(parent)) {
            parentItem->Add(item);
            return true;
        }
        return false;
    });
}

void RegisterOthers()
{
    RegisterProperty<TCustomImageList>("Width", [](TCustomImageList& c, V v) { c.SetWidth(DfmInt(v)); });
    RegisterProperty<TCustomImageList>("Height", [](TCustomImageList& c, V v) { c.SetHeight(DfmInt(v)); });
    // The images side by side in one picture (Width and Height come before it: they clear the list).
    RegisterProperty<TCustomImageList>("Bitmap", [](TCustomImageList& c, V v) {
        const std::vector<unsigned char> bytes = DfmBytes(v);
        c.Clear();
        if (c.AddStrip(DecodeImage(TByteView(bytes.data(), bytes.size()))) < 0)
            throw TDfmValueError("the image list's bitmap is not a picture");
    });
    RegisterProperty<TColorDialog>("Color", [](TColorDialog& c, V v) { c.SetColor(DfmColor(v)); });
}

}  // namespace

void RegisterStandardControls()
{
    RegisterClasses();
    RegisterGraphicControls();
    RegisterContainers();
    RegisterButtons();
    RegisterEdits();
    RegisterLists();
    RegisterRanges();
    RegisterMenus();
    RegisterOthers();
}

}  // namespace tarvelon
