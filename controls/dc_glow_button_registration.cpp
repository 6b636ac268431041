// TDcGlowButton in the form descriptions: its class and stored properties.
#include "controls/dc_glow_button.h"
#include "platform/dfm/property_table.h"
#include "platform/dfm/reader_context.h"
#include "platform/forms/class_registry.h"

namespace tarvelon {
namespace {

using V = const TDfmValue&;
using B = TDcCustomGlowButton;
using A = TGlowButtonAppearance;

const std::initializer_list<std::pair<const char*, int>> kGradients = {
    {"ggRadial", ggRadial}, {"ggVertical", ggVertical}, {"ggDiagonalForward", ggDiagonalForward},
    {"ggDiagonalBackward", ggDiagonalBackward}};

TBytes BytesOf(V value)
{
    const std::vector<unsigned char> bytes = DfmBytes(value);
    return TBytes(bytes.begin(), bytes.end());
}

void RegisterAppearance()
{
#define TARVELON_REGISTER_GLOW_COLOR(Name, Default) \
    RegisterProperty<B>("Appearance." #Name, [](B& c, V v) { c.Appearance().Set##Name(DfmColor(v)); });
#define TARVELON_REGISTER_GLOW_GRADIENT(Name, Default)                                                   \
    RegisterProperty<B>("Appearance." #Name,                                                            \
                        [](B& c, V v) { c.Appearance().Set##Name(DfmEnum<TGDIPGradient>(v, kGradients)); });
    TARVELON_GLOW_COLORS(TARVELON_REGISTER_GLOW_COLOR)
    TARVELON_GLOW_GRADIENTS(TARVELON_REGISTER_GLOW_GRADIENT)
#undef TARVELON_REGISTER_GLOW_COLOR
#undef TARVELON_REGISTER_GLOW_GRADIENT
    RegisterProperty<B>("Appearance.SystemFont", [](B& c, V v) { c.Appearance().SetSystemFont(DfmBool(v)); });
}

void RegisterLookProperties()
{
    RegisterProperty<B>("AntiAlias", [](B& c, V v) {
        c.SetAntiAlias(DfmEnum<TAntiAlias>(v, {{"aaNone", aaNone}, {"aaClearType", aaClearType}, {"aaAntiAlias", aaAntiAlias}}));
    });
    RegisterProperty<B>("BorderStyle", [](B& c, V v) {
        c.SetBorderStyle(DfmEnum<TFormBorderStyle>(v, {{"bsNone", bsNone}, {"bsSingle", bsSingle}}));
    });
    RegisterProperty<B>("FocusType", [](B& c, V v) {
        c.SetFocusType(DfmEnum<TFocusType>(v, {{"ftBorder", ftBorder}, {"ftHot", ftHot}, {"ftHotBorder", ftHotBorder},
                                              {"ftNone", ftNone}}));
    });
    RegisterProperty<B>("Position", [](B& c, V v) {
        c.SetPosition(DfmEnum<TButtonPosition>(v, {{"bpStandalone", bpStandalone}, {"bpLeft", bpLeft},
                                                   {"bpMiddle", bpMiddle}, {"bpRight", bpRight}}));
    });
    RegisterProperty<B>("Layout", [](B& c, V v) {
        c.SetLayout(DfmEnum<TButtonLayout>(
            v, {{"blGlyphLeft", blGlyphLeft}, {"blGlyphTop", blGlyphTop}, {"blGlyphRight", blGlyphRight},
                {"blGlyphBottom", blGlyphBottom}, {"blGlyphLeftAdjusted", blGlyphLeftAdjusted},
                {"blGlyphRightAdjusted", blGlyphRightAdjusted}, {"blGlyphTopAdjusted", blGlyphTopAdjusted},
                {"blGlyphBottomAdjusted", blGlyphBottomAdjusted}}));
    });
    RegisterProperty<B>("Trimming", [](B& c, V v) {
        c.SetTrimming(DfmEnum<TGPStringTrimming>(
            v, {{"StringTrimmingNone", StringTrimmingNone}, {"StringTrimmingCharacter", StringTrimmingCharacter},
                {"StringTrimmingWord", StringTrimmingWord}, {"StringTrimmingEllipsisCharacter", StringTrimmingEllipsisCharacter},
                {"StringTrimmingEllipsisWord", StringTrimmingEllipsisWord}, {"StringTrimmingEllipsisPath", StringTrimmingEllipsisPath}}));
    });
    RegisterProperty<B>("Rounded", [](B& c, V v) { c.SetRounded(DfmBool(v)); });
    RegisterProperty<B>("ShowCaption", [](B& c, V v) { c.SetShowCaption(DfmBool(v)); });
    RegisterProperty<B>("ShowDisabled", [](B& c, V v) { c.SetShowDisabled(DfmBool(v)); });
    RegisterProperty<B>("Spacing", [](B& c, V v) { c.SetSpacing(DfmInt(v)); });
    RegisterProperty<B>("Transparent", [](B& c, V v) { c.SetTransparent(DfmBool(v)); });
    RegisterProperty<B>("WordWrap", [](B& c, V v) { c.SetWordWrap(DfmBool(v)); });
    RegisterProperty<B>("Picture.Data", [](B& c, V v) { c.Picture().LoadFromStream(BytesOf(v)); });
    RegisterProperty<B>("HotPicture.Data", [](B& c, V v) { c.HotPicture().LoadFromStream(BytesOf(v)); });
    RegisterProperty<B>("DisabledPicture.Data", [](B& c, V v) { c.DisabledPicture().LoadFromStream(BytesOf(v)); });
    RegisterProperty<B>("Picture.FileName", [](B& c, V v) { c.Picture().LoadFromFile(DfmString(v)); });
    RegisterProperty<B>("HotPicture.FileName", [](B& c, V v) { c.HotPicture().LoadFromFile(DfmString(v)); });
    RegisterProperty<B>("Images", [](B& c, V v) { c.SetImages(DfmComponentAs<TCustomImageList>(v)); });
    RegisterProperty<B>("HotImages", [](B& c, V v) { c.SetHotImages(DfmComponentAs<TCustomImageList>(v)); });
    RegisterProperty<B>("DisabledImages", [](B& c, V v) { c.SetDisabledImages(DfmComponentAs<TCustomImageList>(v)); });
    RegisterProperty<B>("ImageIndex", [](B& c, V v) { c.SetImageIndex(DfmInt(v)); });
    RegisterProperty<B>("Notes.Strings", [](B& c, V v) { c.SetNotes(DfmStrings(v)); });
    RegisterProperty<B>("NotesFont.Name", [](B& c, V v) { c.NotesFont().SetName(DfmString(v)); });
    RegisterProperty<B>("NotesFont.Size", [](B& c, V v) { c.NotesFont().SetSize(DfmInt(v)); });
    RegisterProperty<B>("NotesFont.Height", [](B& c, V v) { c.NotesFont().SetHeight(DfmInt(v)); });
    RegisterProperty<B>("NotesFont.Color", [](B& c, V v) { c.NotesFont().SetColor(DfmColor(v)); });
    RegisterProperty<B>("NotesFont.Style", [](B& c, V v) { c.NotesFont().SetStyle(DfmFontStyles(v)); });
    RegisterProperty<B>("NotesFont.Charset", [](B&, V) {});
    RegisterAppearance();
}

void RegisterBehaviourProperties()
{
    RegisterProperty<B>("AutoSize", [](B& c, V v) { c.SetAutoSize(DfmBool(v)); });
    RegisterProperty<B>("Cancel", [](B& c, V v) { c.SetCancel(DfmBool(v)); });
    RegisterProperty<B>("Default", [](B& c, V v) { c.SetDefault(DfmBool(v)); });
    RegisterProperty<B>("MarginVert", [](B& c, V v) { c.SetMarginVert(DfmInt(v)); });
    RegisterProperty<B>("MarginHorz", [](B& c, V v) { c.SetMarginHorz(DfmInt(v)); });
    RegisterProperty<B>("ModalResult", [](B& c, V v) {
        c.SetModalResult(v.kind == TDfmValueKind::Integer
                             ? DfmInt(v)
                             : DfmEnumValue(v, {{"mrNone", mrNone}, {"mrOk", mrOk}, {"mrCancel", mrCancel},
                                                {"mrYes", mrYes}, {"mrNo", mrNo}}));
    });
    RegisterProperty<B>("InitRepeatPause", [](B& c, V v) { c.SetInitRepeatPause(DfmInt(v)); });
    RegisterProperty<B>("RepeatPause", [](B& c, V v) { c.SetRepeatPause(DfmInt(v)); });
    RegisterProperty<B>("RepeatClick", [](B& c, V v) { c.SetRepeatClick(DfmBool(v)); });
    RegisterProperty<B>("ShortCutHint", [](B& c, V v) { c.SetShortCutHint(DfmString(v)); });
    RegisterProperty<B>("ShortCutHintPos", [](B& c, V v) { c.SetShortCutHintPos(v.text); });
    RegisterProperty<B>("Version", [](B&, V) {});
    RegisterProperty<B>("AllowAllUp", [](B& c, V v) { c.SetAllowAllUp(DfmBool(v)); });
    RegisterProperty<B>("Down", [](B& c, V v) { c.SetDown(DfmBool(v)); });
    RegisterProperty<B>("GroupIndex", [](B& c, V v) { c.SetGroupIndex(DfmInt(v)); });
    RegisterProperty<B>("Style", [](B& c, V v) {
        c.SetStyle(DfmEnum<TDcButtonStyle>(v, {{"bsButton", bsButton}, {"bsCheck", bsCheck}}));
    });
    const std::initializer_list<std::pair<const char*, int>> sizeStates = {{"bsGlyph", bsGlyph}, {"bsLabel", bsLabel},
                                                                           {"bsLarge", bsLarge}};
    RegisterProperty<B>("MaxButtonSizeState", [sizeStates = std::vector(sizeStates)](B& c, V v) {
        for (const auto& [name, value] : sizeStates)
            if (v.text == name)
                c.SetMaxButtonSizeState(static_cast<TButtonSizeState>(value));
    });
    RegisterProperty<B>("MinButtonSizeState", [sizeStates = std::vector(sizeStates)](B& c, V v) {
        for (const auto& [name, value] : sizeStates)
            if (v.text == name)
                c.SetMinButtonSizeState(static_cast<TButtonSizeState>(value));
    });
    RegisterProperty<B>("DropDownButton", [](B& c, V v) { c.SetDropDownButton(DfmBool(v)); });
    RegisterProperty<B>("DropDownPosition", [](B& c, V v) {
        c.SetDropDownPosition(DfmEnum<TDropDownPosition>(v, {{"dpRight", dpRight}, {"dpBottom", dpBottom}}));
    });
    RegisterProperty<B>("DropDownDirection", [](B& c, V v) {
        c.SetDropDownDirection(DfmEnum<TDropDownDirection>(v, {{"ddDown", ddDown}, {"ddRight", ddRight}}));
    });
    RegisterProperty<B>("DropDownSplit", [](B& c, V v) { c.SetDropDownSplit(DfmBool(v)); });
    RegisterProperty<B>("DropDownMenu", [](B& c, V v) { c.SetDropDownMenu(DfmComponentAs<TPopupMenu>(v)); });
    RegisterEvent<B>("OnDrawButton", &B::OnDrawButton);
    RegisterEvent<B>("OnDropDown", &B::OnDropDown);
}

}  // namespace

void RegisterDcGlowButton()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    RegisterComponentClass<TDcGlowButton>("TDcGlowButton");
    RegisterLookProperties();
    RegisterBehaviourProperties();
}

}  // namespace tarvelon
