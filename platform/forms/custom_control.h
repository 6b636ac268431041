#pragma once
// TCustomControl: a window that draws itself: a Canvas on its backing image and a virtual Paint,
// called with the canvas clipped to what is invalid.
#include "platform/forms/win_control.h"
#include "platform/graphics/canvas.h"

namespace tarvelon {

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    std::string ClassName() const override { return "TCustomControl"; }

    TCanvas& Canvas() { return WindowCanvas(); }

protected:
    void Paint() override {}
};

}  // namespace tarvelon
