// The properties and events of the form library's own classes, as descriptions write them.
#include "platform/dfm/property_table.h"
#include "platform/dfm/reader_context.h"
#include "platform/forms/form.h"
#include "platform/forms/timer.h"

namespace tarvelon {
namespace {

using V = const TDfmValue&;

const std::initializer_list<std::pair<const char*, int>> kAligns = {
    {"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom}, {"alLeft", alLeft}, {"alRight", alRight},
    {"alClient", alClient}};

const std::initializer_list<std::pair<const char*, int>> kCursors = {
    {"crDefault", crDefault}, {"crNone", crNone}, {"crArrow", crArrow}, {"crCross", crCross}, {"crIBeam", crIBeam},
    {"crSizeNESW", crSizeNESW}, {"crSizeNS", crSizeNS}, {"crSizeNWSE", crSizeNWSE}, {"crSizeWE", crSizeWE},
    {"crUpArrow", crUpArrow}, {"crHourGlass", crHourGlass}, {"crDrag", crDrag}, {"crNoDrop", crNoDrop},
    {"crHSplit", crHSplit}, {"crVSplit", crVSplit}, {"crMultiDrag", crMultiDrag}, {"crNo", crNo},
    {"crAppStart", crAppStart}, {"crHelp", crHelp}, {"crHandPoint", crHandPoint}, {"crSizeAll", crSizeAll}};

TCursor CursorValue(V value)
{
    if (value.kind == TDfmValueKind::Integer)
        return DfmInt(value);
    return DfmEnumValue(value, kCursors);
}

void RegisterFontProperties()
{
    RegisterProperty<TControl>("Font.Name", [](TControl& c, V v) { c.Font().SetName(DfmString(v)); });
    RegisterProperty<TControl>("Font.Size", [](TControl& c, V v) { c.Font().SetSize(DfmInt(v)); });
    RegisterProperty<TControl>("Font.Height", [](TControl& c, V v) { c.Font().SetHeight(DfmInt(v)); });
    RegisterProperty<TControl>("Font.Color", [](TControl& c, V v) { c.Font().SetColor(DfmColor(v)); });
    RegisterProperty<TControl>("Font.Style", [](TControl& c, V v) { c.Font().SetStyle(DfmFontStyles(v)); });
    RegisterProperty<TControl>("Font.Charset", [](TControl& c, V v) {
        c.Font().SetCharset(v.kind == TDfmValueKind::Integer
                                ? DfmInt(v)
                                : DfmEnumValue(v, {{"ANSI_CHARSET", ANSI_CHARSET}, {"DEFAULT_CHARSET", DEFAULT_CHARSET},
                                                   {"SYMBOL_CHARSET", SYMBOL_CHARSET}}));
    });
    RegisterProperty<TControl>("Font.Pitch", [](TControl& c, V v) {
        c.Font().SetPitch(DfmEnum<TFontPitch>(v, {{"fpDefault", fpDefault}, {"fpVariable", fpVariable}, {"fpFixed", fpFixed}}));
    });
}

void RegisterControlProperties()
{
    RegisterProperty<TComponent>("Tag", [](TComponent& c, V v) { c.SetTag(DfmInt(v)); });
    RegisterProperty<TControl>("Left", [](TControl& c, V v) { c.SetLeft(DfmInt(v)); });
    RegisterProperty<TControl>("Top", [](TControl& c, V v) { c.SetTop(DfmInt(v)); });
    RegisterProperty<TControl>("Width", [](TControl& c, V v) { c.SetWidth(DfmInt(v)); });
    RegisterProperty<TControl>("Height", [](TControl& c, V v) { c.SetHeight(DfmInt(v)); });
    RegisterProperty<TControl>("ClientWidth", [](TControl& c, V v) { c.SetClientWidth(DfmInt(v)); });
    RegisterProperty<TControl>("ClientHeight", [](TControl& c, V v) { c.SetClientHeight(DfmInt(v)); });
    RegisterProperty<TControl>("Caption", [](TControl& c, V v) { c.SetCaption(DfmString(v)); });
    RegisterProperty<TControl>("Text", [](TControl& c, V v) { c.SetText(DfmString(v)); });
    RegisterProperty<TControl>("Visible", [](TControl& c, V v) { c.SetVisible(DfmBool(v)); });
    RegisterProperty<TControl>("Enabled", [](TControl& c, V v) { c.SetEnabled(DfmBool(v)); });
    RegisterProperty<TControl>("Color", [](TControl& c, V v) { c.SetColor(DfmColor(v)); });
    RegisterProperty<TControl>("ParentColor", [](TControl& c, V v) { c.SetParentColor(DfmBool(v)); });
    RegisterProperty<TControl>("ParentFont", [](TControl& c, V v) { c.SetParentFont(DfmBool(v)); });
    RegisterProperty<TControl>("Hint", [](TControl& c, V v) { c.SetHint(DfmString(v)); });
    RegisterProperty<TControl>("ShowHint", [](TControl& c, V v) { c.SetShowHint(DfmBool(v)); });
    RegisterProperty<TControl>("ParentShowHint", [](TControl& c, V v) { c.SetParentShowHint(DfmBool(v)); });
    RegisterProperty<TControl>("Cursor", [](TControl& c, V v) { c.SetCursor(CursorValue(v)); });
    RegisterProperty<TControl>("DragCursor", [](TControl& c, V v) { c.SetDragCursor(CursorValue(v)); });
    RegisterProperty<TControl>("Align", [](TControl& c, V v) { c.SetAlign(DfmEnum<TAlign>(v, kAligns)); });
    RegisterProperty<TControl>("DragMode", [](TControl& c, V v) {
        c.SetDragMode(DfmEnum<TDragMode>(v, {{"dmManual", dmManual}, {"dmAutomatic", dmAutomatic}}));
    });
    RegisterProperty<TControl>("Anchors", [](TControl& c, V v) {
        TAnchors anchors;
        for (int kind : DfmSetValues(v, {{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}}))
            anchors.Include(static_cast<TAnchorKind>(kind));
        c.SetAnchors(anchors);
    });
    RegisterFontProperties();

    RegisterEvent<TControl>("OnClick", &TControl::OnClick);
    RegisterEvent<TControl>("OnDblClick", &TControl::OnDblClick);
    RegisterEvent<TControl>("OnMouseDown", &TControl::OnMouseDown);
    RegisterEvent<TControl>("OnMouseMove", &TControl::OnMouseMove);
    RegisterEvent<TControl>("OnMouseUp", &TControl::OnMouseUp);
    RegisterEvent<TControl>("OnMouseEnter", &TControl::OnMouseEnter);
    RegisterEvent<TControl>("OnMouseLeave", &TControl::OnMouseLeave);
    RegisterEvent<TControl>("OnMouseWheel", &TControl::OnMouseWheel);
    RegisterEvent<TControl>("OnMouseWheelDown", &TControl::OnMouseWheelDown);
    RegisterEvent<TControl>("OnMouseWheelUp", &TControl::OnMouseWheelUp);
    RegisterEvent<TControl>("OnResize", &TControl::OnResize);
    RegisterEvent<TControl>("OnDragOver", &TControl::OnDragOver);
    RegisterEvent<TControl>("OnDragDrop", &TControl::OnDragDrop);
    RegisterEvent<TControl>("OnStartDrag", &TControl::OnStartDrag);
    RegisterEvent<TControl>("OnEndDrag", &TControl::OnEndDrag);
}

void RegisterWinControlProperties()
{
    RegisterProperty<TWinControl>("TabOrder", [](TWinControl& c, V v) { c.SetTabOrder(DfmInt(v)); });
    RegisterProperty<TWinControl>("TabStop", [](TWinControl& c, V v) { c.SetTabStop(DfmBool(v)); });
    RegisterEvent<TWinControl>("OnKeyDown", &TWinControl::OnKeyDown);
    RegisterEvent<TWinControl>("OnKeyUp", &TWinControl::OnKeyUp);
    RegisterEvent<TWinControl>("OnKeyPress", &TWinControl::OnKeyPress);
    RegisterEvent<TWinControl>("OnEnter", &TWinControl::OnEnter);
    RegisterEvent<TWinControl>("OnExit", &TWinControl::OnExit);
}

void RegisterFormProperties()
{
    RegisterProperty<TForm>("BorderStyle", [](TForm& f, V v) {
        f.SetBorderStyle(DfmEnum<TFormBorderStyle>(v, {{"bsNone", bsNone}, {"bsSingle", bsSingle}, {"bsSizeable", bsSizeable},
                                                        {"bsDialog", bsDialog}, {"bsToolWindow", bsToolWindow},
                                                        {"bsSizeToolWin", bsSizeToolWin}}));
    });
    RegisterProperty<TForm>("BorderIcons", [](TForm& f, V v) {
        TBorderIcons icons;
        for (int icon : DfmSetValues(v, {{"biSystemMenu", biSystemMenu}, {"biMinimize", biMinimize},
                                         {"biMaximize", biMaximize}, {"biHelp", biHelp}}))
            icons.Include(static_cast<TBorderIcon>(icon));
        f.SetBorderIcons(icons);
    });
    RegisterProperty<TForm>("Position", [](TForm& f, V v) {
        f.SetPosition(DfmEnum<TPosition>(v, {{"poDesigned", poDesigned}, {"poDefault", poDefault},
                                             {"poDefaultPosOnly", poDefaultPosOnly}, {"poDefaultSizeOnly", poDefaultSizeOnly},
                                             {"poScreenCenter", poScreenCenter}, {"poDesktopCenter", poDesktopCenter},
                                             {"poMainFormCenter", poMainFormCenter}, {"poOwnerFormCenter", poOwnerFormCenter}}));
    });
    RegisterProperty<TForm>("FormStyle", [](TForm& f, V v) {
        f.SetFormStyle(DfmEnum<TFormStyle>(v, {{"fsNormal", fsNormal}, {"fsStayOnTop", fsStayOnTop}}));
    });
    RegisterProperty<TForm>("WindowState", [](TForm& f, V v) {
        f.SetWindowState(DfmEnum<TWindowState>(v, {{"wsNormal", wsNormal}, {"wsMinimized", wsMinimized}, {"wsMaximized", wsMaximized}}));
    });
    RegisterProperty<TForm>("KeyPreview", [](TForm& f, V v) { f.SetKeyPreview(DfmBool(v)); });
    RegisterProperty<TForm>("ActiveControl", [](TForm& f, V v) {
        f.SetActiveControl(DfmComponentAs<TWinControl>(v));
    });
    RegisterEvent<TForm>("OnCreate", &TForm::OnCreate);
    RegisterEvent<TForm>("OnDestroy", &TForm::OnDestroy);
    RegisterEvent<TForm>("OnShow", &TForm::OnShow);
    RegisterEvent<TForm>("OnHide", &TForm::OnHide);
    RegisterEvent<TForm>("OnClose", &TForm::OnClose);
    RegisterEvent<TForm>("OnCloseQuery", &TForm::OnCloseQuery);
    RegisterEvent<TForm>("OnPaint", &TForm::OnPaint);
    RegisterEvent<TForm>("OnActivate", &TForm::OnActivate);
    RegisterEvent<TForm>("OnDeactivate", &TForm::OnDeactivate);
}

}  // namespace

void RegisterFormsProperties()
{
    RegisterControlProperties();
    RegisterWinControlProperties();
    RegisterFormProperties();
    RegisterProperty<TTimer>("Interval", [](TTimer& t, V v) { t.SetInterval(DfmInt(v)); });
    RegisterProperty<TTimer>("Enabled", [](TTimer& t, V v) { t.SetEnabled(DfmBool(v)); });
    RegisterEvent<TTimer>("OnTimer", &TTimer::OnTimer);
}

}  // namespace tarvelon
