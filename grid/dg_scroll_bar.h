#pragma once
// Scroll bar state objects of the pack's scrolling controls: range, page, position and steps, and
// the rule that turns a position change into a pixel scroll of the owning control. TDgScrollBar
// drives the window's own bar; TDgVertScrollBar is a bar the pack paints itself (drop-downs).
#include "platform/forms/forms_types.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/geometry.h"

namespace tarvelon {

class TDgCustomScrollControl;

// What the last scroll message asked for.
enum TDgScrollKind { skNone = 0, skLine = 1, skPage = 2, skThumb = 3, skTopBottom = 4 };

class TDgCustomScrollBar {
public:
    TDgCustomScrollBar(TDgCustomScrollControl* control, TCanvas* canvas);
    virtual ~TDgCustomScrollBar() = default;
    TDgCustomScrollBar(const TDgCustomScrollBar&) = delete;
    TDgCustomScrollBar& operator=(const TDgCustomScrollBar&) = delete;

    // Another scroll bar as source changes nothing.
    virtual void Assign(const TDgCustomScrollBar* source) {}

    bool AutoHide() const { return autoHide_; }
    void SetAutoHide(bool value);
    // The platform's bar code: -1 until Kind is set, then 0 horizontal, 1 vertical.
    int Bar() const { return bar_; }
    TCanvas* Canvas() const { return canvas_; }
    TDgCustomScrollControl* Control() const { return control_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind kind);
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value) { largeChange_ = value; }
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int value) { smallChange_ = value; }
    int Max() const { return max_; }
    void SetMax(int value);
    int Min() const { return min_; }
    void SetMin(int value) { min_ = value; }
    int PageSize() const { return pageSize_; }
    void SetPageSize(int value);
    int Position() const { return position_; }
    void SetPosition(int value) { MoveTo(value); }
    int PrevPosition() const { return prevPosition_; }
    TDgScrollKind LastScrollKind() const { return lastScrollKind_; }
    void SetLastScrollKind(TDgScrollKind kind) { lastScrollKind_ = kind; }
    int UpdateCount() const { return updateCount_; }
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value);

    // Writes the state where it shows (the window bar, or a repaint of a self-drawn one).
    virtual void Update() {}
    // Moves to P, clamped to Min..Max, and scrolls the control by its pixel delta (unless updating).
    void MoveTo(int p);
    void First() { MoveTo(0); }
    void Last() { MoveTo(max_ - pageSize_ + 1); }
    void MoveBy(int delta) { MoveTo(position_ + delta); }
    // A line or page step behaves exactly as a click on the window's bar: a scroll message.
    void LineUp();
    void LineDown();
    virtual void PageUp();
    virtual void PageDown();
    bool IsFirst() const { return position_ == 0; }
    bool IsLast() const { return position_ + pageSize_ >= max_; }
    // While updating, position changes do not scroll the control.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate() { --updateCount_; }

protected:
    void SendScroll(TScrollCode code);

private:
    bool autoHide_ = true;
    int bar_ = -1;
    TCanvas* canvas_;
    bool enabled_ = true;
    TScrollBarKind kind_ = sbHorizontal;
    int largeChange_ = 1;
    int max_ = 0;
    int min_ = 0;
    int prevPosition_ = 0;
    TDgCustomScrollControl* control_;
    int pageSize_ = 0;
    int position_ = 0;
    int smallChange_ = 1;
    TDgScrollKind lastScrollKind_ = skNone;
    int updateCount_ = 0;
    bool visible_ = false;
};

// The window's own scroll bar.
class TDgScrollBar : public TDgCustomScrollBar {
public:
    using TDgCustomScrollBar::TDgCustomScrollBar;
    void SetVisible(bool value) override;
    void Update() override;

private:
    bool updating_ = false;
};

// Part states of the self-drawn bar.
enum : unsigned { dsHot = 1, dsPressed = 2 };

// A vertical bar painted by the pack on its control's canvas; PageSize is the thumb's length in
// pixels.
class TDgVertScrollBar : public TDgCustomScrollBar {
public:
    TDgVertScrollBar(TDgCustomScrollControl* control, TCanvas* canvas);

    void Update() override;
    void PageUp() override { MoveTo(Position() - LargeChange()); }
    void PageDown() override { MoveTo(Position() + LargeChange()); }

    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void Paint();
    virtual void PaintTrack(const TRect& rect, bool pressed);
    virtual void PaintButton(const TRect& rect, bool up);
    virtual void PaintThumb();
    virtual int GetButtonSize() const;
    virtual TRect GetBoundsRect() const { return Rect(left_, top_, left_ + width_, top_ + height_); }
    virtual TRect GetClientRect() const { return Rect(0, 0, width_, height_); }
    virtual void SetBounds(int left, int top, int width, int height);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int TrackLength() const { return height_ - 2 * GetButtonSize(); }
    TRect UpButtonRect() const;
    TRect DownButtonRect() const;
    TRect ThumbRect() const;
    // The thumb position for a point dragged to y.
    int PositionAt(int y) const;

    unsigned UpState() const { return upState_; }
    unsigned DownState() const { return downState_; }
    unsigned ThumbState() const { return thumbState_; }
    // Each change repaints only that part.
    void SetUpState(unsigned state);
    void SetDownState(unsigned state);
    void SetThumbState(unsigned state);
    void ClearStates(unsigned states);

private:
    void SetPartState(unsigned& field, unsigned state, const TRect& part);
    unsigned upState_ = 0;
    unsigned downState_ = 0;
    unsigned thumbState_ = 0;
    int height_ = 0;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
};

}  // namespace tarvelon
