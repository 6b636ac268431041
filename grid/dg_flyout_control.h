#pragma once
// Borderless top-level windows that float over every other window (the roll indicator, the
// column drag box and its arrows). They never take the focus and start hidden.
#include "platform/forms/custom_control.h"

namespace tarvelon {

class TDgFlyoutControl : public TCustomControl {
public:
    explicit TDgFlyoutControl(TComponent* owner);
    std::string ClassName() const override { return "TDgFlyoutControl"; }

protected:
    void CreateParams(TCreateParams& params) override;
};

// The indicator of roll scrolling: two grey triangles and a dot on the point where the middle
// button went down.
class TRollShadow : public TDgFlyoutControl {
public:
    explicit TRollShadow(TComponent* owner);
    std::string ClassName() const override { return "TRollShadow"; }

    TPoint GetPoint() const { return point_; }
    // Moves the indicator so that its dot sits on the screen point.
    void SetPoint(TPoint point);
    // The indicator's outline in its own coordinates.
    static TRegion ShapeRegion();

protected:
    void Paint() override;

private:
    void ApplyShape();
    TPoint point_;
};

}  // namespace tarvelon
