#pragma once
// TCanvas: drawing with the classic rules into an image (a control's backing image or a bitmap).
// Rectangles exclude their right and bottom edges; LineTo does not draw its end point; 1-pixel
// pens are drawn pixel by pixel so that XOR lines drawn twice restore the picture exactly.
// Text is UTF-8.
#include <QFont>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/pen_brush.h"
#include "platform/graphics/region.h"

class QImage;
class QPainter;

namespace tarvelon {

class TGraphic;

enum : int { TRANSPARENT = 1, OPAQUE = 2 };

// How CopyRect and Draw combine the source with the picture.
enum TCopyMode { cmSrcCopy, cmSrcInvert, cmSrcAnd, cmSrcPaint, cmDstInvert, cmNotSrcCopy };

class TCanvas {
public:
    TCanvas();
    explicit TCanvas(QImage* target);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    virtual ~TCanvas();

    // The image drawn into (null: every drawing call does nothing). The canvas does not own it and
    // keeps no painter open between calls, so the image may be read, copied or replaced any time.
    void SetTarget(QImage* target);
    QImage* Target() const { return target_; }

    // Drawing origin: every coordinate given to the canvas is moved by it (a control without a
    // window of its own draws on its parent's image with its own top-left as the origin).
    void SetOrigin(TPoint origin) { origin_ = origin; }
    TPoint Origin() const { return origin_; }

    // Called after every drawing call.
    std::function<void()> OnChange;

    TPen Pen;
    TBrush Brush;
    TFont Font;
    TPoint PenPos;
    TCopyMode CopyMode = cmSrcCopy;

    // Clipping: nothing outside the clip region is drawn. The clip region is kept in image
    // coordinates (not moved by the origin); ClipRect is its bounding box in canvas coordinates
    // (the whole image when unclipped).
    TRect ClipRect() const;
    void SetClipRegion(const TRegion& imageRegion);
    // Intersects the clip with a rectangle or region in canvas coordinates (moved by the origin).
    void IntersectClipRect(const TRect& rect);
    void IntersectClipRegion(const TRegion& region);
    // Removes a rectangle (canvas coordinates) from the clip.
    void ExcludeClipRect(const TRect& rect);
    // Replaces the clip by a rectangle in canvas coordinates.
    void SetClipRect(const TRect& rect);
    void ResetClip();
    bool IsClipped() const { return clipped_; }
    const TRegion& ClipRegion() const { return clip_; }

    // Text background: TRANSPARENT or OPAQUE (filled with the background colour). Setting the
    // brush sets them as the brush says (bsClear: transparent; else opaque in the brush colour).
    int BkMode() const { return bkMode_; }
    void SetBkMode(int mode) { bkMode_ = mode; }
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor color) { bkColor_ = color; }
    // Text colour: setting the font sets it to the font's colour.
    TColor TextColor() const { return textColor_; }
    void SetTextColor(TColor color) { textColor_ = color; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const std::vector<TPoint>& points);
    void Polygon(const std::vector<TPoint>& points);

    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    // Flood-free helpers of the classic API.
    void InvertRect(const TRect& rect);
    // A dotted rectangle drawn by XOR: drawing it twice restores the picture.
    void DrawFocusRect(const TRect& rect);

    TColor Pixel(int x, int y) const;  // clNone outside the image
    void SetPixel(int x, int y, TColor color);

    void TextOut(int x, int y, const std::string& text);
    // Text at (x, y) clipped to `rect`; with an opaque brush the rectangle is filled first.
    void TextRect(const TRect& rect, int x, int y, const std::string& text);
    TSize TextExtent(const std::string& text) const;
    int TextWidth(const std::string& text) const { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) const { return TextExtent(text).cy; }

    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const TRect& rect, const TGraphic& graphic);
    // Copies `source` (a rectangle of another canvas, or of this one) into `dest`, stretched,
    // combined as CopyMode says.
    void CopyRect(const TRect& dest, const TCanvas& sourceCanvas, const TRect& source);

    // A painter on the target with the clip set, for the drawing helpers of this layer
    // (false when there is no target).
    bool BeginPainter(QPainter& painter) const;
    // The Qt font of Font (kept until Font changes).
    const QFont& QtFont() const;
    // Whether the image point (x, y) lies in the image and inside the clip.
    bool CanPaint(int x, int y) const;

private:
    void Drawn()
    {
        if (OnChange)
            OnChange();
    }
    // Runs draw(painter) on a painter from BeginPainter, then reports the change.
    template <typename Body>
    void Paint(Body draw);
    void SetShapePainter(QPainter& painter) const;
    void BrushChanged();
    void FontChanged();
    void DrawPenLine(TPoint from, TPoint to);
    void InvertPixel(int imageX, int imageY);
    void FillInterior(const std::vector<TPoint>& points);
    void StrokeClosed(const std::vector<TPoint>& points);
    void WideFrame(const TRect& outer, int width);

    QImage* target_ = nullptr;
    TPoint origin_;
    TRegion clip_;
    bool clipped_ = false;
    int bkMode_ = OPAQUE;
    TColor bkColor_ = clWhite;
    TColor textColor_ = clWindowText;
    int penDashPhase_ = 0;
    mutable QFont qtFont_;
    mutable TFont qtFontSource_;  // the font qtFont_ was made of
    mutable bool qtFontValid_ = false;
};

// Keeps a canvas's clip as it is now and gives it back when it goes (or on Restore), so a painter can
// clip freely inside one cell or part.
class TClipKeeper {
public:
    explicit TClipKeeper(TCanvas& canvas)
        : canvas_(canvas), clipped_(canvas.IsClipped()), region_(canvas.ClipRegion())
    {
    }
    ~TClipKeeper() { Restore(); }
    TClipKeeper(const TClipKeeper&) = delete;
    TClipKeeper& operator=(const TClipKeeper&) = delete;

    void Restore()
    {
        if (clipped_)
            canvas_.SetClipRegion(region_);
        else
            canvas_.ResetClip();
    }

private:
    TCanvas& canvas_;
    bool clipped_;
    TRegion region_;
};

}  // namespace tarvelon
