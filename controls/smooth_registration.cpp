// The smooth panel and message dialog as the stored form descriptions name them and their settings.
#include "controls/smooth_registration.h"

#include "controls/dc_smooth_message_dialog.h"
#include "controls/dc_smooth_panel.h"
#include "controls/gdip_picture_container.h"
#include "platform/dfm/dfm_values.h"
#include "platform/dfm/property_table.h"
#include "platform/dfm/reader_context.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/forms/class_registry.h"

namespace tarvelon {
namespace {

using V = const TDfmValue&;

const std::initializer_list<std::pair<const char*, int>> kLocations = {
    {"plTopLeft", plTopLeft},       {"plTopCenter", plTopCenter},       {"plTopRight", plTopRight},
    {"plCenterLeft", plCenterLeft}, {"plCenterCenter", plCenterCenter}, {"plCenterRight", plCenterRight},
    {"plBottomLeft", plBottomLeft}, {"plBottomCenter", plBottomCenter}, {"plBottomRight", plBottomRight},
    {"plCustom", plCustom}};

const std::initializer_list<std::pair<const char*, int>> kGradients = {
    {"gtSolid", gtSolid},     {"gtRadial", gtRadial},   {"gtVertical", gtVertical},
    {"gtHorizontal", gtHorizontal}, {"gtForwardDiagonal", gtForwardDiagonal},
    {"gtBackwardDiagonal", gtBackwardDiagonal}, {"gtAngle", gtAngle}, {"gtHatch", gtHatch},
    {"gtPath", gtPath}, {"gtTexture", gtTexture}, {"gtNone", gtNone}};

void RegisterFont(const std::string& prefix, TFont& (TDcSmoothPanelCaption::*font)())
{
    using P = TDcSmoothPanel;
    RegisterProperty<P>(prefix + ".Name", [font](P& p, V v) { (p.Caption().*font)().SetName(DfmString(v)); });
    RegisterProperty<P>(prefix + ".Size", [font](P& p, V v) { (p.Caption().*font)().SetSize(DfmInt(v)); });
    RegisterProperty<P>(prefix + ".Height", [font](P& p, V v) { (p.Caption().*font)().SetHeight(DfmInt(v)); });
    RegisterProperty<P>(prefix + ".Color", [font](P& p, V v) { (p.Caption().*font)().SetColor(DfmColor(v)); });
    RegisterProperty<P>(prefix + ".Style", [font](P& p, V v) { (p.Caption().*font)().SetStyle(DfmFontStyles(v)); });
}

void RegisterPanelCaption()
{
    using P = TDcSmoothPanel;
    RegisterProperty<P>("Caption.Text", [](P& p, V v) { p.Caption().SetText(DfmString(v)); });
    RegisterProperty<P>("Caption.Location", [](P& p, V v) { p.Caption().SetLocation(DfmEnum<TDcSmoothPanelLocation>(v, kLocations)); });
    RegisterProperty<P>("Caption.Left", [](P& p, V v) { p.Caption().SetLeft(DfmInt(v)); });
    RegisterProperty<P>("Caption.Top", [](P& p, V v) { p.Caption().SetTop(DfmInt(v)); });
    RegisterProperty<P>("Caption.ColorStart", [](P& p, V v) { p.Caption().SetColorStart(DfmColor(v)); });
    RegisterProperty<P>("Caption.ColorEnd", [](P& p, V v) { p.Caption().SetColorEnd(DfmColor(v)); });
    RegisterProperty<P>("Caption.OpacityStart", [](P& p, V v) { p.Caption().SetOpacityStart(DfmInt(v)); });
    RegisterProperty<P>("Caption.OpacityEnd", [](P& p, V v) { p.Caption().SetOpacityEnd(DfmInt(v)); });
    RegisterProperty<P>("Caption.GradientType", [](P& p, V v) { p.Caption().SetGradientType(DfmEnum<TDcGradientType>(v, kGradients)); });
    RegisterProperty<P>("Caption.Line", [](P& p, V v) { p.Caption().SetLine(DfmBool(v)); });
    RegisterProperty<P>("Caption.LineColor", [](P& p, V v) { p.Caption().SetLineColor(DfmColor(v)); });
    RegisterProperty<P>("Caption.HTMLText", [](P& p, V v) { p.Caption().SetHTMLText(DfmString(v)); });
    RegisterProperty<P>("Caption.HTMLLocation", [](P& p, V v) { p.Caption().SetHTMLLocation(DfmEnum<TDcSmoothPanelLocation>(v, kLocations)); });
    RegisterProperty<P>("Caption.HTMLLeft", [](P& p, V v) { p.Caption().SetHTMLLeft(DfmInt(v)); });
    RegisterProperty<P>("Caption.HTMLTop", [](P& p, V v) { p.Caption().SetHTMLTop(DfmInt(v)); });
    RegisterProperty<P>("Caption.HTMLURLColor", [](P& p, V v) { p.Caption().SetHTMLURLColor(DfmColor(v)); });
    RegisterProperty<P>("Caption.HTMLShadowColor", [](P& p, V v) { p.Caption().SetHTMLShadowColor(DfmColor(v)); });
    RegisterProperty<P>("Caption.HTMLShadowOffset", [](P& p, V v) { p.Caption().SetHTMLShadowOffset(DfmInt(v)); });
    RegisterFont("Caption.Font", &TDcSmoothPanelCaption::Font);
    RegisterFont("Caption.HTMLFont", &TDcSmoothPanelCaption::HTMLFont);
}

void RegisterPanelFill()
{
    using P = TDcSmoothPanel;
    RegisterProperty<P>("Fill.Color", [](P& p, V v) { p.Fill().SetColor(DfmColor(v)); });
    RegisterProperty<P>("Fill.ColorTo", [](P& p, V v) { p.Fill().SetColorTo(DfmColor(v)); });
    RegisterProperty<P>("Fill.ColorMirror", [](P& p, V v) { p.Fill().SetColorMirror(DfmColor(v)); });
    RegisterProperty<P>("Fill.ColorMirrorTo", [](P& p, V v) { p.Fill().SetColorMirrorTo(DfmColor(v)); });
    RegisterProperty<P>("Fill.GradientType", [](P& p, V v) { p.Fill().SetGradientType(DfmEnum<TDcGradientType>(v, kGradients)); });
    RegisterProperty<P>("Fill.GradientMirrorType", [](P& p, V v) { p.Fill().SetGradientMirrorType(DfmEnum<TDcGradientType>(v, kGradients)); });
    RegisterProperty<P>("Fill.Opacity", [](P& p, V v) { p.Fill().SetOpacity(DfmInt(v)); });
    RegisterProperty<P>("Fill.OpacityTo", [](P& p, V v) { p.Fill().SetOpacityTo(DfmInt(v)); });
    RegisterProperty<P>("Fill.BorderColor", [](P& p, V v) { p.Fill().SetBorderColor(DfmColor(v)); });
    RegisterProperty<P>("Fill.BorderWidth", [](P& p, V v) { p.Fill().SetBorderWidth(DfmInt(v)); });
    RegisterProperty<P>("Fill.Rounding", [](P& p, V v) { p.Fill().SetRounding(DfmInt(v)); });
    RegisterProperty<P>("Fill.ShadowColor", [](P& p, V v) { p.Fill().SetShadowColor(DfmColor(v)); });
    RegisterProperty<P>("Fill.ShadowOffset", [](P& p, V v) { p.Fill().SetShadowOffset(DfmInt(v)); });
    RegisterProperty<P>("Fill.Angle", [](P& p, V v) { p.Fill().SetAngle(DfmInt(v)); });
    RegisterProperty<P>("Version", [](P&, V) {});
    RegisterProperty<P>("Images", [](P& p, V v) { p.SetImages(DfmComponentAs<TCustomImageList>(v)); });
    RegisterProperty<P>("PictureContainer",
                        [](P& p, V v) { p.SetPictureContainer(DfmComponentAs<TGDIPPictureContainer>(v)); });
}

}  // namespace

void RegisterSmoothPanelAndDialog()
{
    RegisterComponentClass<TDcSmoothPanel>("TDcSmoothPanel");
    RegisterPanelCaption();
    RegisterPanelFill();
    RegisterComponentClass<TDcSmoothMessageDialog>("TDcSmoothMessageDialog");
    using D = TDcSmoothMessageDialog;
    RegisterProperty<D>("Caption", [](D& d, V v) { d.Caption = DfmString(v); });
    RegisterProperty<D>("CaptionHeight", [](D& d, V v) { d.CaptionHeight = DfmInt(v); });
    RegisterProperty<D>("Margin", [](D& d, V v) { d.Margin = DfmInt(v); });
    RegisterProperty<D>("ButtonSpacing", [](D& d, V v) { d.ButtonSpacing = DfmInt(v); });
    RegisterProperty<D>("Modal", [](D& d, V v) { d.Modal = DfmBool(v); });
    RegisterProperty<D>("AutoClose", [](D& d, V v) { d.AutoClose = DfmBool(v); });
    RegisterProperty<D>("EnableKeyEvents", [](D& d, V v) { d.EnableKeyEvents = DfmBool(v); });
    RegisterProperty<D>("DefaultButton", [](D& d, V v) { d.DefaultButton = DfmInt(v); });
    RegisterProperty<D>("Position", [](D& d, V v) {
        d.Position = DfmEnum<TPosition>(v, {{"poDesigned", poDesigned}, {"poOwnerFormCenter", poOwnerFormCenter}});
    });
    RegisterProperty<D>("HTMLText.Text", [](D& d, V v) { d.HTMLText().SetText(DfmString(v)); });
    RegisterProperty<D>("HTMLText.ShadowColor", [](D& d, V v) { d.HTMLText().ShadowColor = DfmColor(v); });
    RegisterProperty<D>("HTMLText.ShadowOffset", [](D& d, V v) { d.HTMLText().ShadowOffset = DfmInt(v); });
    RegisterProperty<D>("Fill.Color", [](D& d, V v) { d.Fill().SetColor(DfmColor(v)); });
    RegisterProperty<D>("Fill.ColorTo", [](D& d, V v) { d.Fill().SetColorTo(DfmColor(v)); });
    RegisterProperty<D>("Fill.Opacity", [](D& d, V v) { d.Fill().SetOpacity(DfmInt(v)); });
    RegisterProperty<D>("Fill.Rounding", [](D& d, V v) { d.Fill().SetRounding(DfmInt(v)); });
    RegisterProperty<D>("Version", [](D&, V) {});
}

}  // namespace tarvelon
