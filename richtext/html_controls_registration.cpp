#include "richtext/html_controls_registration.h"

#include "platform/forms/class_registry.h"
#include "richtext/html_check_box.h"
#include "richtext/html_label.h"
#include "richtext/html_radio.h"

namespace tarvelon {

void RegisterRichTextControls()
{
    RegisterComponentClass<TRichLabel>("TRichLabel");
    RegisterComponentClass<THTMLCheckBox>("THTMLCheckBox");
    RegisterComponentClass<THTMLRadioButton>("THTMLRadioButton");
}

}  // namespace tarvelon
