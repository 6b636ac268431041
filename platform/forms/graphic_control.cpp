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
    if (!painting_) {
        // Outside Paint: straight onto the parent's picture, shown on the next screen update.
        TWinControl* parent = Parent();
        canvas_->SetTarget(parent ? &parent->BackingImage() : nullptr);
        canvas_->SetOrigin(Point(Left(), Top()));
        canvas_->ResetClip();
        canvas_->IntersectClipRect(ClientRect());
        canvas_->OnChange = [this] {
            if (Parent() && !Parent()->Painting() && Parent()->HandleAllocated())
                Parent()->Widget()->update(Left(), Top(), Width(), Height());
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
