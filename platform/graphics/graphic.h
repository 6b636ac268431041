#pragma once
// TGraphic: what a canvas can Draw and StretchDraw (bitmaps, decoded pictures).
#include <functional>

class QImage;

namespace tarvelon {

class TGraphic {
public:
    virtual ~TGraphic() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() <= 0 || Height() <= 0; }

    // A transparent graphic leaves the pixels of its transparent colour (or alpha) undrawn.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    // The picture as drawn, with alpha 0 where it is transparent (an opaque picture may come in
    // its own format; the image shares its pixels where it can, so this is cheap to call).
    virtual QImage RenderImage() const = 0;

    std::function<void()> OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange();
    }

private:
    bool transparent_ = false;
};

}  // namespace tarvelon
