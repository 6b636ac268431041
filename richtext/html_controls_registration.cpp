#include "richtext/html_controls_registration.h"

#include "platform/dfm/property_table.h"
#include "platform/forms/class_registry.h"
#include "richtext/html_check_box.h"
#include "richtext/html_label.h"
#include "richtext/html_radio.h"

namespace tarvelon {

namespace {

// The shadow of "<SHAD>" texts, which a stored form sets to suit the ground the text stands on.
template <typename T>
void RegisterShadowProperties()
{
    RegisterProperty<T>("ShadowColor", [](T& c, const TDfmValue& v) { c.SetShadowColor(DfmColor(v)); });
    RegisterProperty<T>("ShadowOffset", [](T& c, const TDfmValue& v) { c.SetShadowOffset(DfmInt(v)); });
}

}  // namespace

void RegisterRichTextControls()
{
    RegisterComponentClass<TRichLabel>("TRichLabel");
    RegisterComponentClass<THTMLCheckBox>("THTMLCheckBox");
    RegisterComponentClass<THTMLRadioButton>("THTMLRadioButton");
    static const bool properties = [] {
        RegisterShadowProperties<TRichLabel>();
        RegisterShadowProperties<THTMLButtonControl>();
        return true;
    }();
    (void)properties;
}

}  // namespace tarvelon
