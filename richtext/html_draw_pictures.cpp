// Pictures of the text engine: <IMG> in the line, and the pictures and colours of <BODY> behind
// the whole text rectangle.
#include <algorithm>

#include "richtext/html_draw_engine.h"

namespace tarvelon::htmldraw {

namespace {

using markup::TPictureSource;

// A picture a source names, with its size on the screen (96 dots per inch).
struct TSourcePicture {
    TPictureSource kind = TPictureSource::None;
    int index = -1;                  // image-list image
    THTMLPicture* picture = nullptr; // container or cache picture
    int width = 0;
    int height = 0;
    bool Found() const { return width > 0 && height > 0; }
};

int ScreenSize(int size) { return MulDiv(size, kScreenDpi, 96); }

TSourcePicture FindSourcePicture(const std::string& source, const THTMLDrawParams& params)
{
    TSourcePicture found;
    found.kind = markup::ClassifyPictureSource(source);
    switch (found.kind) {
    case TPictureSource::ImageList:
        found.index = markup::ValueNumber(source.substr(std::min<std::size_t>(4, source.size())));
        if (params.Images && found.index >= 0 && found.index < params.Images->Count()) {
            found.width = ScreenSize(params.Images->Width());
            found.height = ScreenSize(params.Images->Height());
        }
        return found;
    case TPictureSource::Container:
        if (params.PictureContainer)
            found.picture = params.PictureContainer->FindPicture(source);
        break;
    case TPictureSource::Cache:
        if (params.PictureCache) {
            found.picture = params.PictureCache->FindPicture(source);
            if (!found.picture) {
                found.picture = params.PictureCache->AddPicture();
                found.picture->LoadFromURL(source);
            }
        }
        break;
    case TPictureSource::ShellIcon:  // the game's platform has no shell icons: nothing is drawn
    case TPictureSource::None: break;
    }
    if (found.picture && !found.picture->Empty()) {
        found.width = ScreenSize(found.picture->Width());
        found.height = ScreenSize(found.picture->Height());
    }
    return found;
}

// The IMG tag with every value upper-cased except the SRC value, which keeps its case.
std::string UpperExceptSource(const std::string& tag, std::string& source)
{
    std::string upper = markup::UpperAscii(tag);
    source.clear();
    const std::size_t at = markup::FindNoCase(tag, "SRC");
    if (at == std::string::npos)
        return upper;
    const std::size_t open = tag.find('"', at);
    const std::size_t close = open == std::string::npos ? open : tag.find('"', open + 1);
    if (close == std::string::npos)
        return upper;
    source = tag.substr(open + 1, close - open - 1);
    upper.replace(open + 1, source.size(), source);
    return upper;
}

}  // namespace

void THTMLEngine::DrawSourcePicture(const std::string& source, int x, int y, int width, int height, bool stretch)
{
    const TSourcePicture found = FindSourcePicture(source, params_);
    if (!found.Found())
        return;
    if (found.kind == TPictureSource::ImageList) {
        if (!params_.ScaleImages) {
            params_.Images->Draw(canvas_, x, y, found.index, true);
            return;
        }
        TBitmap bitmap;
        if (params_.Images->GetBitmap(found.index, bitmap)) {
            const int w = int(found.width * params_.ResFactor);
            const int h = int(found.height * params_.ResFactor);
            DrawBitmapStretched(canvas_, TRect{x, y, x + w, y + h}, bitmap);
        }
        return;
    }
    if (stretch)
        canvas_.StretchDraw(TRect{x, y, x + width, y + height}, *found.picture);
    else
        canvas_.Draw(x, y, *found.picture);
}

void THTMLEngine::PlaceImage(const std::string& tag, TLinePass& pass)
{
    std::string source;
    const std::string upper = UpperExceptSource(tag, source);
    const TSourcePicture found = FindSourcePicture(source, params_);
    if (!found.Found())
        return;
    std::string value;
    const int wanted = markup::AttributeValue(upper, "WIDTH", value, 4) ? markup::ValueNumber(value) : 0;
    const int wantedHeight = markup::AttributeValue(upper, "HEIGHT", value, 4) ? markup::ValueNumber(value) : 0;
    const bool sized = wanted >= 1 && wantedHeight >= 1;
    const int width = sized ? ScreenSize(wanted) : found.width;
    const int height = sized ? ScreenSize(wantedHeight) : found.height;

    // The same width limit in both passes, so that the painted line takes what was measured.
    const int available = rect_.Width() - state_.offset;
    if (pass.width + width > available && available > width) {
        pass.overflow = true;
        return;
    }
    if (!pass.measuring)
        DrawSourcePicture(source, pass.x, pass.top, width, height, sized);
    const int point = params_.X - pass.lineStart;
    if (pass.hitTests && state_.anchorOpen && point > pass.width && point < pass.width + width &&
        params_.Y > pass.top && params_.Y < pass.top + height) {
        pass.pictureHit = true;
        result_.AnchorValue = state_.link;
    }
    const int heightBefore = pass.height;
    const int textHeight = heightBefore > 0 ? heightBefore : canvas_.TextHeight("gh");
    pass.width += width;
    pass.x += width;
    pass.trailing = 0;
    pass.height = std::max(pass.height, height);
    if (height > textHeight) {
        if (upper.find("\"TOP") != std::string::npos)
            metrics_.textOffset = height - textHeight;
        else if (upper.find("\"MIDDLE") != std::string::npos)
            metrics_.textOffset = (height - textHeight) / 2;
    }
    if (upper.find("WRAP") != std::string::npos)
        pass.height = std::max(heightBefore, textHeight);
}

void THTMLEngine::DrawBody(const std::string& tag)
{
    const std::string upper = markup::UpperAscii(tag);
    std::string value;
    const TColor savedBrush = Brush();
    if (markup::AttributeValue(upper, "BGCOLOR", value, 5)) {
        const TColor color = markup::ValueColor(value);
        std::string to;
        if (markup::AttributeValue(upper, "BGCOLORTO", to, 5)) {
            std::string direction;
            const bool horizontal = !markup::AttributeValue(upper, "DIR", direction, 5) || direction == "H";
            DrawGradientGDI(canvas_, color, markup::ValueColor(to), horizontal, rect_, 64);
        } else {
            const TPen savedPen = canvas_.Pen;
            canvas_.Pen.SetColor(color);
            SetBrush(color);
            canvas_.Rectangle(rect_.Left - 2, rect_.Top, rect_.Right, rect_.Bottom);
            canvas_.Pen = savedPen;
        }
    }
    const bool wasClipped = canvas_.IsClipped();
    const TRegion savedClip = canvas_.ClipRegion();
    canvas_.IntersectClipRect(rect_);
    if (markup::AttributeValue(tag, "BACKGROUND", value, 5)) {
        const TSourcePicture found = FindSourcePicture(value, params_);
        if (found.Found())
            for (int y = rect_.Top; y < rect_.Bottom; y += found.height)
                for (int x = rect_.Left; x < rect_.Right; x += found.width)
                    DrawSourcePicture(value, x, y, found.width, found.height, false);
    }
    if (markup::AttributeValue(tag, "BGTOPLEFT", value, 5))
        DrawSourcePicture(value, rect_.Left, rect_.Top, 0, 0, false);
    if (markup::AttributeValue(tag, "BGTOPRIGHT", value, 5)) {
        const TSourcePicture found = FindSourcePicture(value, params_);
        if (found.Found())
            DrawSourcePicture(value, rect_.Right - found.width, rect_.Top, 0, 0, false);
    }
    if (wasClipped)
        canvas_.SetClipRegion(savedClip);
    else
        canvas_.ResetClip();
    SetBrush(savedBrush);
}

}  // namespace tarvelon::htmldraw
