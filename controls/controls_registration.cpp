// The drawn controls' classes and stored properties, by the names the stored form descriptions use.
#include "controls/controls_registration.h"

#include "controls/dc_combo.h"
#include "controls/dc_glow_button.h"
#include "controls/dc_smooth_label.h"
#include "controls/dc_smooth_progress_bar.h"
#include "controls/gdip_picture_container.h"
#include "controls/grad_button.h"
#include "controls/gradient.h"
#include "controls/smooth_registration.h"
#include "controls/progress_cyl.h"
#include "platform/dfm/property_table.h"
#include "platform/forms/class_registry.h"

namespace tarvelon {
namespace {

using V = const TDfmValue&;

// The 25 colours of the gradient button, by their stored names (index order).
const char* const kGradButtonColorNames[kGradButtonColorCount] = {
    "ColorFace", "ColorGrad", "ColorDark", "ColorLight", "ColorBorder", "ColorText",
    "OverColorFace", "OverColorGrad", "OverColorDark", "OverColorLight", "OverColorBorder", "OverColorText",
    "DownColorFace", "DownColorGrad", "DownColorDark", "DownColorLight", "DownColorBorder", "DownColorText",
    "DisabledColorFace", "DisabledColorGrad", "DisabledColorDark", "DisabledColorLight", "DisabledColorBorder",
    "DisabledColorText", "ColorFocusRect",
};

void RegisterGradButtonProperties()
{
    using B = TGradButton;
    for (int i = 0; i < kGradButtonColorCount; ++i)
        RegisterProperty<B>(kGradButtonColorNames[i], [i](B& c, V v) { c.SetColor(i, DfmColor(v)); });
    RegisterProperty<B>("ColorScheme", [](B& c, V v) {
        c.SetColorScheme(DfmEnum<TColorScheme>(
            v, {{"csNeoDesert", csNeoDesert}, {"csNeoSky", csNeoSky}, {"csNeoGrass", csNeoGrass},
                {"csNeoSilver", csNeoSilver}, {"csNeoRose", csNeoRose}, {"csNeoSun", csNeoSun},
                {"csDesert", csDesert}, {"csGrass", csGrass}, {"csSky", csSky}, {"csSun", csSun},
                {"csRose", csRose}, {"csSilver", csSilver}, {"csCustom", csCustom}}));
    });
    RegisterProperty<B>("Layout", [](B& c, V v) {
        c.SetLayout(DfmEnum<B::TButtonLayout>(v, {{"blGlyphLeft", B::blGlyphLeft}, {"blGlyphRight", B::blGlyphRight},
                                                  {"blGlyphTop", B::blGlyphTop}, {"blGlyphBottom", B::blGlyphBottom}}));
    });
    RegisterProperty<B>("Ctl3D", [](B& c, V v) { c.SetCtl3D(DfmBool(v)); });
    RegisterProperty<B>("Spacing", [](B& c, V v) { c.SetSpacing(DfmInt(v)); });
    RegisterProperty<B>("TransparentGlyph", [](B& c, V v) { c.SetTransparentGlyph(DfmBool(v)); });
    RegisterProperty<B>("Gradient", [](B& c, V v) { c.SetGradient(DfmBool(v)); });
    RegisterProperty<B>("HotTrack", [](B& c, V v) { c.SetHotTrack(DfmBool(v)); });
    RegisterProperty<B>("Cancel", [](B& c, V v) { c.SetCancel(DfmBool(v)); });
    RegisterProperty<B>("Default", [](B& c, V v) { c.SetDefault(DfmBool(v)); });
    RegisterProperty<B>("ModalResult", [](B& c, V v) { c.SetModalResult(DfmInt(v)); });
}

void RegisterGradientProperties()
{
    using G = TGradient;
    RegisterProperty<G>("ColorBegin", [](G& c, V v) { c.SetColorBegin(DfmColor(v)); });
    RegisterProperty<G>("ColorEnd", [](G& c, V v) { c.SetColorEnd(DfmColor(v)); });
    RegisterProperty<G>("Style", [](G& c, V v) {
        c.SetStyle(DfmEnum<TGradientStyle>(
            v, {{"gsCustom", gsCustom}, {"gsRadialC", gsRadialC}, {"gsRadialT", gsRadialT}, {"gsRadialB", gsRadialB},
                {"gsRadialL", gsRadialL}, {"gsRadialR", gsRadialR}, {"gsRadialTL", gsRadialTL},
                {"gsRadialTR", gsRadialTR}, {"gsRadialBL", gsRadialBL}, {"gsRadialBR", gsRadialBR},
                {"gsLinearH", gsLinearH}, {"gsLinearV", gsLinearV}, {"gsReflectedH", gsReflectedH},
                {"gsReflectedV", gsReflectedV}, {"gsDiagonalLF", gsDiagonalLF}, {"gsDiagonalLB", gsDiagonalLB},
                {"gsDiagonalRF", gsDiagonalRF}, {"gsDiagonalRB", gsDiagonalRB}, {"gsArrowL", gsArrowL},
                {"gsArrowR", gsArrowR}, {"gsArrowU", gsArrowU}, {"gsArrowD", gsArrowD}, {"gsDiamond", gsDiamond},
                {"gsButterfly", gsButterfly}, {"gsRadialRect", gsRadialRect}}));
    });
    RegisterProperty<G>("Shift", [](G& c, V v) { c.SetShift(DfmInt(v)); });
    RegisterProperty<G>("Rotation", [](G& c, V v) { c.SetRotation(DfmInt(v)); });
    RegisterProperty<G>("Reverse", [](G& c, V v) { c.SetReverse(DfmBool(v)); });
    RegisterProperty<G>("UseSysColors", [](G& c, V v) { c.SetUseSysColors(DfmBool(v)); });
    RegisterProperty<G>("BorderColor", [](G& c, V v) { c.SetBorderColor(DfmColor(v)); });
    RegisterProperty<G>("BorderWidth", [](G& c, V v) { c.SetBorderWidth(DfmInt(v)); });
}

void RegisterSmoothProgressBarProperties()
{
    using P = TDcSmoothProgressBar;
    RegisterProperty<P>("Minimum", [](P& c, V v) { c.SetMinimum(DfmReal(v)); });
    RegisterProperty<P>("Maximum", [](P& c, V v) { c.SetMaximum(DfmReal(v)); });
    RegisterProperty<P>("Position", [](P& c, V v) { c.SetPosition(DfmReal(v)); });
    RegisterProperty<P>("Step", [](P& c, V v) { c.SetStep(DfmReal(v)); });
    RegisterProperty<P>("ProgressAnimation", [](P& c, V v) { c.SetProgressAnimation(DfmBool(v)); });
    RegisterProperty<P>("GlowAnimation", [](P& c, V v) { c.SetGlowAnimation(DfmBool(v)); });
    RegisterProperty<P>("Version", [](P&, V) {});
}

void RegisterProgressCylProperties()
{
    using C = TProgressCyl;
    const auto bevel = [](V v) {
        return DfmEnum<TBevelCut>(v, {{"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised},
                                      {"bvSpace", bvSpace}});
    };
    RegisterProperty<C>("Min", [](C& c, V v) { c.SetMin(DfmInt(v)); });
    RegisterProperty<C>("Max", [](C& c, V v) { c.SetMax(DfmInt(v)); });
    RegisterProperty<C>("Position", [](C& c, V v) { c.SetPosition(DfmInt(v)); });
    RegisterProperty<C>("Step", [](C& c, V v) { c.SetStep(DfmInt(v)); });
    RegisterProperty<C>("StopAtMax", [](C& c, V v) { c.SetStopAtMax(DfmBool(v)); });
    RegisterProperty<C>("Orientation", [](C& c, V v) {
        c.SetOrientation(DfmEnum<TProgressBarOrientation>(v, {{"pbHorizontal", pbHorizontal}, {"pbVertical", pbVertical}}));
    });
    RegisterProperty<C>("ForeColor", [](C& c, V v) { c.SetForeColor(DfmColor(v)); });
    RegisterProperty<C>("ForeLineColor", [](C& c, V v) { c.SetForeLineColor(DfmColor(v)); });
    RegisterProperty<C>("BackColor", [](C& c, V v) { c.SetBackColor(DfmColor(v)); });
    RegisterProperty<C>("BackBorderColor", [](C& c, V v) { c.SetBackBorderColor(DfmColor(v)); });
    RegisterProperty<C>("BevelColor", [](C& c, V v) { c.SetBevelColor(DfmColor(v)); });
    RegisterProperty<C>("BevelInner", [bevel](C& c, V v) { c.SetBevelInner(bevel(v)); });
    RegisterProperty<C>("BevelOuter", [bevel](C& c, V v) { c.SetBevelOuter(bevel(v)); });
    RegisterProperty<C>("BevelWidth", [](C& c, V v) { c.SetBevelWidth(DfmInt(v)); });
    RegisterProperty<C>("BorderWidth", [](C& c, V v) { c.SetBorderWidth(DfmInt(v)); });
    RegisterProperty<C>("CylinderEffect", [](C& c, V v) {
        c.SetCylinderEffect(DfmEnum<TCylinderEffect>(v, {{"ceFlat", ceFlat}, {"ceUltraLow", ceUltraLow}, {"ceLow", ceLow},
                                                         {"ceMedium", ceMedium}, {"ceHigh", ceHigh},
                                                         {"ceMaximum", ceMaximum}}));
    });
    RegisterProperty<C>("ShowText", [](C& c, V v) { c.SetShowText(DfmBool(v)); });
    RegisterProperty<C>("Text", [](C& c, V v) { c.SetText(DfmString(v)); });
    RegisterProperty<C>("TextDone", [](C& c, V v) { c.SetTextDone(DfmString(v)); });
    RegisterProperty<C>("FontEffect", [](C& c, V v) {
        c.SetFontEffect(DfmEnum<TFontEffect>(v, {{"feNone", feNone}, {"feInvert", feInvert},
                                                 {"feShadowTopLeft", feShadowTopLeft},
                                                 {"feShadowBottomRight", feShadowBottomRight}}));
    });
    RegisterProperty<C>("FontShadowColor", [](C& c, V v) { c.SetFontShadowColor(DfmColor(v)); });
    RegisterProperty<C>("FontOrientation", [](C& c, V v) {
        c.SetFontOrientation(DfmEnum<TFontOrientation>(
            v, {{"foLeftToRight", foLeftToRight}, {"foTopToBottom", foTopToBottom}, {"foBottomToTop", foBottomToTop}}));
    });
    RegisterProperty<C>("ProEffect", [](C&, V) {});
}

}  // namespace

void RegisterDrawnControls()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    RegisterComponentClass<TGDIPPictureContainer>("TGDIPPictureContainer");
    RegisterComponentClass<TGradButton>("TGradButton");
    // Some screens' descriptions name the gradient push button by its other class name.
    RegisterComponentClass<TGradButton>("CHButton");
    RegisterComponentClass<TGradient>("TGradient");
    RegisterComponentClass<TDcSmoothProgressBar>("TDcSmoothProgressBar");
    RegisterComponentClass<TProgressCyl>("TProgressCyl");
    RegisterGradButtonProperties();
    RegisterGradientProperties();
    RegisterSmoothProgressBarProperties();
    RegisterProgressCylProperties();
    RegisterDcGlowButton();
    RegisterDcComboBox();
    RegisterDcSmoothLabel();
    RegisterSmoothPanelAndDialog();
}

}  // namespace tarvelon
