#include "platform/forms/graphic_control.h"

#include <QWidget>

#include "platform/forms/win_control.h"
#include "platform/graphics/canvas.h"

namespace tarvelon {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner)
{
}

TGraphicControl::~TGraphicControl() = default;

TCanvas& TGraphicControl::Canvas()
{
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>();
        canvas_->Font.Assign(Font());
    }
    TWinControl* parent = Parent();
    QImage* target = parent ? &parent->BackingImage() : nullptr;
    const bool moved = canvas_->Target() != target || !(canvas_->Origin() == Point(Left(), Top()));
    if (!painting_ && (!boundOutsidePaint_ || moved)) {
        // Outside Paint: straight onto the parent's picture at this control's place, shown on the
        // next screen update. A clip set since stays until the control moves or paints.
        boundOutsidePaint_ = true;
        canvas_->SetTarget(target);
        canvas_->SetOrigin(Point(Left(), Top()));
        canvas_->ResetClip();
        canvas_->IntersectClipRect(ClientRect());
        canvas_->OnChange = [this] {
            if (Parent() && !Parent()->Painting() && Parent()->HandleAllocated())
                Parent()->RefreshScreen(BoundsRect());
        };
    }
    return *canvas_;
}

void TGraphicControl::PaintOnParent(QImage* parentImage, const TRegion& clip)
{
    TCanvas& canvas = Canvas();
    painting_ = true;
    canvas.SetTarget(parentImage);
    canvas.SetOrigin(Point(Left(), Top()));
    canvas.SetClipRegion(clip);
    struct EndPaint {
        TGraphicControl* control;
        ~EndPaint()
        {
            control->canvas_->ResetClip();
            control->painting_ = false;
            control->boundOutsidePaint_ = false;
        }
    } endPaint{this};
    Paint();
}

void TGraphicControl::FontChanged()
{
    if (canvas_)
        canvas_->Font.Assign(Font());
    TControl::FontChanged();
}

}  // namespace tarvelon
