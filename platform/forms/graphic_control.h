#pragma once
// TGraphicControl: a control without a window of its own, drawn on its parent's backing image: its
// Canvas draws there with the origin at the control's top left. The parent paints it after its own
// Paint, clipped to the part of the parent's invalid region that the control covers.
#include <memory>

#include "platform/forms/control.h"
#include "platform/graphics/canvas.h"

class QImage;

namespace tarvelon {

class TCanvas;
class TRegion;

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    std::string ClassName() const override { return "TGraphicControl"; }

    // Draws on the parent's picture at this control's place (usable in and outside Paint).
    TCanvas& Canvas();

    // Called by the parent's paint with its picture and the region (parent coordinates) to draw.
    void PaintOnParent(QImage* parentImage, const TRegion& clip);

protected:
    virtual void Paint() {}
    void FontChanged() override;

private:
    std::unique_ptr<TCanvas> canvas_;
    bool painting_ = false;
    bool boundOutsidePaint_ = false;
};

}  // namespace tarvelon
