// The drawn controls' classes, by the names the stored form descriptions use.
#include "controls/controls_registration.h"

#include "controls/dc_smooth_progress_bar.h"
#include "controls/gdip_picture_container.h"
#include "controls/grad_button.h"
#include "controls/gradient.h"
#include "controls/progress_cyl.h"
#include "platform/forms/class_registry.h"

namespace tarvelon {

void RegisterDrawnControls()
{
    RegisterComponentClass<TGDIPPictureContainer>("TGDIPPictureContainer");
    RegisterComponentClass<TGradButton>("TGradButton");
    RegisterComponentClass<TGradient>("TGradient");
    RegisterComponentClass<TDcSmoothProgressBar>("TDcSmoothProgressBar");
    RegisterComponentClass<TProgressCyl>("TProgressCyl");
}

}  // namespace tarvelon
