// TDcSmoothLabel in the form descriptions: its class and stored properties.
#include "controls/dc_smooth_label.h"
#include "platform/dfm/property_table.h"
#include "platform/forms/class_registry.h"

namespace tarvelon {
namespace {

using V = const TDfmValue&;
using L = TDcSmoothLabel;
using Names = std::initializer_list<std::pair<const char*, int>>;

const Names kGradientTypes = {{"gtSolid", gtSolid},       {"gtRadial", gtRadial},
                              {"gtVertical", gtVertical}, {"gtHorizontal", gtHorizontal},
                              {"gtForwardDiagonal", gtForwardDiagonal}, {"gtBackwardDiagonal", gtBackwardDiagonal},
                              {"gtAngle", gtAngle},       {"gtHatch", gtHatch},
                              {"gtPath", gtPath},         {"gtTexture", gtTexture},
                              {"gtNone", gtNone}};
const Names kLocations = {{"plTopLeft", plTopLeft},         {"plTopCenter", plTopCenter},
                          {"plTopRight", plTopRight},       {"plCenterLeft", plCenterLeft},
                          {"plCenterCenter", plCenterCenter}, {"plCenterRight", plCenterRight},
                          {"plBottomLeft", plBottomLeft},   {"plBottomCenter", plBottomCenter},
                          {"plBottomRight", plBottomRight}, {"plCustom", plCustom}};
const Names kHatchStyles = {{"HatchStyleHorizontal", HatchStyleHorizontal}, {"HatchStyleVertical", HatchStyleVertical},
                            {"HatchStyleForwardDiagonal", HatchStyleForwardDiagonal},
                            {"HatchStyleBackwardDiagonal", HatchStyleBackwardDiagonal},
                            {"HatchStyleCross", HatchStyleCross}, {"HatchStyleDiagonalCross", HatchStyleDiagonalCross}};

template <typename E>
E EnumOrNumber(V value, Names names)
{
    if (value.kind == TDfmValueKind::Integer)
        return static_cast<E>(DfmInt(value));
    return DfmEnum<E>(value, names);
}

using CaptionOf = TDcSmoothLabelCaption& (*)(L&);

void RegisterCaption(const std::string& prefix, CaptionOf of)
{
    RegisterProperty<L>(prefix + ".Text", [of](L& c, V v) { of(c).SetText(DfmString(v)); });
    RegisterProperty<L>(prefix + ".Location", [of](L& c, V v) {
        of(c).SetLocation(EnumOrNumber<TDcSmoothLabelLocation>(v, kLocations));
    });
    RegisterProperty<L>(prefix + ".Left", [of](L& c, V v) { of(c).SetLeft(DfmInt(v)); });
    RegisterProperty<L>(prefix + ".Top", [of](L& c, V v) { of(c).SetTop(DfmInt(v)); });
    RegisterProperty<L>(prefix + ".ColorStart", [of](L& c, V v) { of(c).SetColorStart(DfmColor(v)); });
    RegisterProperty<L>(prefix + ".ColorEnd", [of](L& c, V v) { of(c).SetColorEnd(DfmColor(v)); });
    RegisterProperty<L>(prefix + ".OpacityStart", [of](L& c, V v) { of(c).SetOpacityStart(DfmInt(v)); });
    RegisterProperty<L>(prefix + ".OpacityEnd", [of](L& c, V v) { of(c).SetOpacityEnd(DfmInt(v)); });
    RegisterProperty<L>(prefix + ".GradientType", [of](L& c, V v) {
        of(c).SetGradientType(EnumOrNumber<TDcGradientType>(v, kGradientTypes));
    });
    RegisterProperty<L>(prefix + ".HatchStyle", [of](L& c, V v) {
        of(c).SetHatchStyle(EnumOrNumber<HatchStyle>(v, kHatchStyles));
    });
    RegisterProperty<L>(prefix + ".Font.Name", [of](L& c, V v) { of(c).Font().SetName(DfmString(v)); });
    RegisterProperty<L>(prefix + ".Font.Size", [of](L& c, V v) { of(c).Font().SetSize(DfmInt(v)); });
    RegisterProperty<L>(prefix + ".Font.Height", [of](L& c, V v) { of(c).Font().SetHeight(DfmInt(v)); });
    RegisterProperty<L>(prefix + ".Font.Color", [of](L& c, V v) { of(c).Font().SetColor(DfmColor(v)); });
    RegisterProperty<L>(prefix + ".Font.Style", [of](L& c, V v) { of(c).Font().SetStyle(DfmFontStyles(v)); });
    RegisterProperty<L>(prefix + ".Font.Charset", [](L&, V) {});
    RegisterProperty<L>(prefix + ".Picture.Data", [of](L& c, V v) {
        const std::vector<unsigned char> bytes = DfmBytes(v);
        of(c).Picture().LoadFromStream(TBytes(bytes.begin(), bytes.end()));
    });
}

// The fill's everyday properties (colours, gradients, border, rounding, shadow, opacity).
void RegisterFill()
{
    RegisterProperty<L>("Fill.Color", [](L& c, V v) { c.Fill().SetColor(DfmColor(v)); });
    RegisterProperty<L>("Fill.ColorTo", [](L& c, V v) { c.Fill().SetColorTo(DfmColor(v)); });
    RegisterProperty<L>("Fill.ColorMirror", [](L& c, V v) { c.Fill().SetColorMirror(DfmColor(v)); });
    RegisterProperty<L>("Fill.ColorMirrorTo", [](L& c, V v) { c.Fill().SetColorMirrorTo(DfmColor(v)); });
    RegisterProperty<L>("Fill.GradientType", [](L& c, V v) {
        c.Fill().SetGradientType(EnumOrNumber<TDcGradientType>(v, kGradientTypes));
    });
    RegisterProperty<L>("Fill.GradientMirrorType", [](L& c, V v) {
        c.Fill().SetGradientMirrorType(EnumOrNumber<TDcGradientType>(v, kGradientTypes));
    });
    RegisterProperty<L>("Fill.BorderColor", [](L& c, V v) { c.Fill().SetBorderColor(DfmColor(v)); });
    RegisterProperty<L>("Fill.BorderWidth", [](L& c, V v) { c.Fill().SetBorderWidth(DfmInt(v)); });
    RegisterProperty<L>("Fill.BorderOpacity", [](L& c, V v) { c.Fill().SetBorderOpacity(DfmInt(v)); });
    RegisterProperty<L>("Fill.Rounding", [](L& c, V v) { c.Fill().SetRounding(DfmInt(v)); });
    RegisterProperty<L>("Fill.ShadowColor", [](L& c, V v) { c.Fill().SetShadowColor(DfmColor(v)); });
    RegisterProperty<L>("Fill.ShadowOffset", [](L& c, V v) { c.Fill().SetShadowOffset(DfmInt(v)); });
    RegisterProperty<L>("Fill.Opacity", [](L& c, V v) { c.Fill().SetOpacity(DfmInt(v)); });
    RegisterProperty<L>("Fill.OpacityTo", [](L& c, V v) { c.Fill().SetOpacityTo(DfmInt(v)); });
    RegisterProperty<L>("Fill.OpacityMirror", [](L& c, V v) { c.Fill().SetOpacityMirror(DfmInt(v)); });
    RegisterProperty<L>("Fill.OpacityMirrorTo", [](L& c, V v) { c.Fill().SetOpacityMirrorTo(DfmInt(v)); });
    RegisterProperty<L>("Fill.Angle", [](L& c, V v) { c.Fill().SetAngle(DfmInt(v)); });
}

}  // namespace

void RegisterDcSmoothLabel()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    RegisterComponentClass<TDcSmoothLabel>("TDcSmoothLabel");
    RegisterCaption("Caption", [](L& c) -> TDcSmoothLabelCaption& { return c.Caption(); });
    RegisterCaption("CaptionShadow", [](L& c) -> TDcSmoothLabelCaption& { return c.CaptionShadow(); });
    RegisterFill();
    RegisterProperty<L>("CaptionShadowVisible", [](L& c, V v) { c.SetCaptionShadowVisible(DfmBool(v)); });
    RegisterProperty<L>("CaptionShadowOffsetLeft", [](L& c, V v) { c.SetCaptionShadowOffsetLeft(DfmInt(v)); });
    RegisterProperty<L>("CaptionShadowOffsetTop", [](L& c, V v) { c.SetCaptionShadowOffsetTop(DfmInt(v)); });
    RegisterProperty<L>("Transparent", [](L& c, V v) { c.SetTransparent(DfmBool(v)); });
    RegisterProperty<L>("WordWrap", [](L& c, V v) { c.SetWordWrap(DfmBool(v)); });
    RegisterProperty<L>("TextRendering", [](L& c, V v) {
        c.SetTextRendering(DfmEnum<TTextRenderingHint>(v, {{"tAntiAlias", tAntiAlias}, {"tClearType", tClearType}}));
    });
    RegisterProperty<L>("Version", [](L&, V) {});
    RegisterEvent<L>("OnChange", &L::OnChange);
}

}  // namespace tarvelon
